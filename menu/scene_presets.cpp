#include "menu/scene_presets.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "assets/atomic_write.h"
#include "assets/folder_lock.h"
#include "assets/text_file.h"

ScenePresetTable scenePresetTable;
const char* scenePresetPath = kScenePresetPath;

namespace {

constexpr int kLineLimit = 999;   // characters of a line looked at (the rest of a values line streams)
constexpr int kTokenLimit = 999;  // characters of one number
constexpr const char* kWarningLine = "WARNING: Do Not Edit ! May Cause Crash!";

// ---- list ---------------------------------------------------------------------

void resetSlot(ScenePreset& p, int slot) {
    p.inUse = true;
    p.slot = slot;
    p.name[0] = '\0';
    std::memset(p.values, 0, sizeof p.values);
    p.valueCount = 0;
    p.next = p.previous = nullptr;
}

ScenePreset* lastPreset(const ScenePresetTable& table) {
    ScenePreset* p = table.head;
    while (p && p->next) p = p->next;
    return p;
}

void linkBefore(ScenePresetTable& table, ScenePreset* p, ScenePreset* before) {
    if (!before) {
        ScenePreset* last = lastPreset(table);
        p->previous = last;
        p->next = nullptr;
        if (last) last->next = p;
        else table.head = p;
        return;
    }
    p->next = before;
    p->previous = before->previous;
    if (before->previous) before->previous->next = p;
    else table.head = p;
    before->previous = p;
}

// ---- reading ------------------------------------------------------------------

// The file as a stream of bytes with room to give back two of them.
struct Reader {
    std::FILE* f;
    int back[2];
    int backCount = 0;
    int get() { return backCount > 0 ? back[--backCount] : std::getc(f); }
    void unget(int c) {
        if (backCount < 2) back[backCount++] = c;
    }
};

// One line of the file: its first kLineLimit characters, and how it ended.
struct LineHead {
    char text[kLineLimit + 1];
    int length = 0;
    bool continues = false;  // more characters follow on the same line
    bool truncated = false;  // a zero byte ended the line's text early
};

constexpr int kLineEnd = -1;
constexpr int kZeroByte = -2;

// The next character of the current line, or kLineEnd (the line break
// consumed, a carriage return right before it dropped), or kZeroByte.
int lineChar(Reader& r) {
    int c = r.get();
    if (c == EOF || c == '\n') return kLineEnd;
    if (c == '\r') {
        int d = r.get();
        if (d == EOF || d == '\n') return kLineEnd;
        r.unget(d);
    }
    if (c == '\0') return kZeroByte;
    return c;
}

// Skips the rest of the line; true when anything but a line end was there.
bool skipLine(Reader& r) {
    bool any = false;
    int c;
    while ((c = r.get()) != EOF && c != '\n') any = any || (c != '\r');
    return any;
}

// False at the end of the file.
bool readLineHead(Reader& r, LineHead& line) {
    line.length = 0;
    line.continues = line.truncated = false;
    int c = r.get();
    if (c == EOF) return false;
    r.unget(c);
    for (;;) {
        c = lineChar(r);
        if (c == kLineEnd) break;
        if (c == kZeroByte) {
            line.truncated = true;
            skipLine(r);
            break;
        }
        if (line.length == kLineLimit) {
            r.unget(c);
            line.continues = true;
            break;
        }
        line.text[line.length++] = (char)c;
    }
    line.text[line.length] = '\0';
    return true;
}

bool startsWith(const LineHead& line, const char* prefix) {
    size_t n = std::strlen(prefix);
    return (size_t)line.length >= n && std::memcmp(line.text, prefix, n) == 0;
}

// The values of one line: "-", "." and the digits build a number, any other
// character ends it. A number that does not convert repeats the one before
// (0 at the start of the line). The number ended by the line's end is not
// kept, so a line without its final space loses its last value.
struct ValueScan {
    ScenePreset* preset = nullptr;
    char token[kTokenLimit + 1];
    int length = 0;
    float previous = 0.0f;
    bool lost = false;  // values past the preset's room, unreadable numbers
};

void endToken(ValueScan& s) {
    s.token[s.length] = '\0';
    s.length = 0;
    char* end = nullptr;
    float v = std::strtof(s.token, &end);
    if (end != s.token) {
        if (std::isfinite(v)) s.previous = v;
        else s.lost = true;  // a number too large for a float repeats the one before
    }
    ScenePreset& p = *s.preset;
    if (p.valueCount < kMaxPresetValues) p.values[p.valueCount++] = s.previous;
    else s.lost = true;
}

void scanChar(ValueScan& s, char c) {
    if (c >= '-' && c <= '9' && c != '/') {
        if (s.length < kTokenLimit) s.token[s.length++] = c;
        else s.lost = true;
        return;
    }
    endToken(s);
}

// Scans a values line: the head already read, then the rest of a long line.
bool scanValuesLine(Reader& r, const LineHead& line, ScenePreset* preset) {
    static ValueScan s;
    s.preset = preset;
    s.length = 0;
    s.previous = 0.0f;
    s.lost = line.truncated;
    for (int k = 0; k < line.length; ++k) scanChar(s, line.text[k]);
    if (line.continues) {
        int c;
        while ((c = lineChar(r)) >= 0) scanChar(s, (char)c);
        if (c == kZeroByte) {
            s.lost = true;
            skipLine(r);
        }
    }
    s.length = 0;  // the number ended by the line's end is dropped
    return !s.lost;
}

bool anythingLeft(Reader& r) {
    int c;
    while ((c = r.get()) != EOF)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
    return false;
}

// The presets of a file in file order. Presets added by a merge are stored
// after the file's; order[] gives the file order.
struct PresetFile {
    ScenePreset presets[kMaxStoredPresets];
    int stored = 0;
    int order[kMaxStoredPresets];
    int count = 0;
    bool heldMore = false;  // stray lines, cut names or values
    bool tooMany = false;   // more presets than kMaxStoredPresets
};

// The file as read for a load or a merge: too large for the stack.
PresetFile onDisk;

void copyContent(ScenePreset& to, const ScenePreset& from) {
    std::memcpy(to.name, from.name, sizeof to.name);
    std::memcpy(to.values, from.values, sizeof to.values);
    to.valueCount = from.valueCount;
}

bool samePreset(const ScenePreset& a, const ScenePreset& b) {
    return a.valueCount == b.valueCount && std::strcmp(a.name, b.name) == 0 &&
           std::memcmp(a.values, b.values, sizeof(float) * (size_t)a.valueCount) == 0;
}

// A value as the file gives it back: three decimals, and 0 for what is not a
// finite number (it would print as letters).
float fileValue(float v) {
    char text[64];
    std::snprintf(text, sizeof text, "%3.3f", std::isfinite(v) ? (double)v : 0.0);
    return std::strtof(text, nullptr);
}

void readPresetFile(std::FILE* f, PresetFile& file) {
    static LineHead line;
    Reader r{f, {0, 0}};
    file.stored = file.count = 0;
    file.heldMore = file.tooMany = false;
    ScenePreset* awaitingValues = nullptr;
    while (readLineHead(r, line)) {
        if (startsWith(line, "[END]")) {
            if (line.continues) skipLine(r);
            file.heldMore = file.heldMore || anythingLeft(r);
            break;
        }
        if (startsWith(line, "[Name]:")) {
            if (file.stored == kMaxStoredPresets) {  // no room: such a file is never rewritten
                file.heldMore = file.tooMany = true;
                break;
            }
            ScenePreset& p = file.presets[file.stored];
            resetSlot(p, file.stored);
            file.order[file.count++] = file.stored++;
            int length = line.length - 7;
            if (length > kMaxPresetNameLength || line.continues || line.truncated) {
                file.heldMore = true;
                if (length > kMaxPresetNameLength) length = kMaxPresetNameLength;
            }
            std::memcpy(p.name, line.text + 7, (size_t)length);
            p.name[length] = '\0';
            if (line.continues) skipLine(r);
            awaitingValues = &p;
            continue;
        }
        if (awaitingValues) {
            if (!scanValuesLine(r, line, awaitingValues)) file.heldMore = true;
            awaitingValues = nullptr;
            continue;
        }
        // Lines the writer makes besides names and values: empty ones and the warning.
        bool known = line.length == 0 || std::strcmp(line.text, kWarningLine) == 0;
        if (!known || line.truncated) file.heldMore = true;
        if (line.continues && skipLine(r)) file.heldMore = true;
    }
}

// The list becomes the first 100 presets of the file, in file order, and the
// record of what the file holds.
void adoptFile(ScenePresetTable& table, const PresetFile& file) {
    clearScenePresets(table);
    const int n = file.count < kMaxScenePresets ? file.count : kMaxScenePresets;
    for (int k = 0; k < n; ++k) {
        const ScenePreset& from = file.presets[file.order[k]];
        ScenePreset& p = table.slots[k];
        resetSlot(p, k);
        copyContent(p, from);
        linkBefore(table, &p, nullptr);
        copyContent(table.synced[k], from);
    }
    table.syncedCount = n;
    table.presetsInFile = file.count;
    table.changed = false;
    table.fileHeldMore = file.heldMore;
}

// A reason the list cannot be written, told once on standard error (and
// shown on the SCENE page for as long as it holds).
void setProblem(ScenePresetTable& table, const char* page, const char* report) {
    if (std::strcmp(table.fileProblem, page) == 0) return;
    std::snprintf(table.fileProblem, sizeof table.fileProblem, "%s", page);
    std::fprintf(stderr, "vorix: %s\n", report);
}

void clearProblem(ScenePresetTable& table) {
    table.fileProblem[0] = '\0';
    table.fileUnreadable = false;
}

void markUnreadable(ScenePresetTable& table, const char* path, const char* why) {
    table.fileUnreadable = true;
    char page[256], report[512];
    std::snprintf(page, sizeof page, "%s cannot be read (%s): scenes not saved", path, why);
    std::snprintf(report, sizeof report,
                  "cannot read %s (%s); it is left as it is and the scenes are not saved to it", path, why);
    setProblem(table, page, report);
}

void markTooMany(ScenePresetTable& table, const char* path) {
    char page[256], report[512];
    std::snprintf(page, sizeof page, "%s: over %d scenes, changes not saved", path, kMaxStoredPresets);
    std::snprintf(report, sizeof report,
                  "%s holds (or would hold) more than %d scenes; it is left as it is and changes to the list are not saved",
                  path, kMaxStoredPresets);
    setProblem(table, page, report);
}

// Reads path into onDisk; false (reported) when it is there but cannot be
// read. A missing file reads as what the list last had of it.
bool readForMerge(const char* path, ScenePresetTable& table) {
    TextFileStatus status;
    std::FILE* f = openTextFile(path, status);
    if (!f && status.missing) {
        onDisk.stored = onDisk.count = 0;
        onDisk.heldMore = onDisk.tooMany = false;
        for (int k = 0; k < table.syncedCount; ++k) {
            copyContent(onDisk.presets[k], table.synced[k]);
            onDisk.order[onDisk.count++] = onDisk.stored++;
        }
        return true;
    }
    bool ok = false;
    if (f) {
        readPresetFile(f, onDisk);
        ok = closeTextFile(f, status);
    }
    if (!ok) markUnreadable(table, path, status.why);
    return ok;
}

// What changed since the last read or write: presets of the list that were
// not there (additions) and presets that were there and are gone (deletions),
// matched by name and values, each one once.
struct ListChanges {
    bool syncedKept[kMaxScenePresets];
    bool slotAdded[kMaxScenePresets];
    int added = 0;
    int deleted = 0;
};

void findChanges(const ScenePresetTable& table, ListChanges& c) {
    bool slotMatched[kMaxScenePresets] = {};
    c.added = c.deleted = 0;
    for (int i = 0; i < table.syncedCount; ++i) {
        c.syncedKept[i] = false;
        for (const ScenePreset* p = table.head; p; p = p->next) {
            if (slotMatched[p->slot] || !samePreset(*p, table.synced[i])) continue;
            slotMatched[p->slot] = c.syncedKept[i] = true;
            break;
        }
        if (!c.syncedKept[i]) ++c.deleted;
    }
    for (int k = 0; k < kMaxScenePresets; ++k) {
        c.slotAdded[k] = table.slots[k].inUse && !slotMatched[k];
        if (c.slotAdded[k]) ++c.added;
    }
}

// The changes made to onDisk; false when the result would not fit.
bool mergeChanges(const ScenePresetTable& table, const ListChanges& c) {
    for (int i = 0; i < table.syncedCount; ++i) {
        if (c.syncedKept[i]) continue;
        // Gone already (another program deleted it) is fine.
        for (int k = 0; k < onDisk.count; ++k) {
            if (!samePreset(onDisk.presets[onDisk.order[k]], table.synced[i])) continue;
            std::memmove(onDisk.order + k, onDisk.order + k + 1, sizeof(int) * (size_t)(onDisk.count - k - 1));
            --onDisk.count;
            break;
        }
    }
    for (const ScenePreset* p = table.head; p; p = p->next) {
        if (!c.slotAdded[p->slot]) continue;
        if (onDisk.stored == kMaxStoredPresets) return false;
        ScenePreset& q = onDisk.presets[onDisk.stored];
        resetSlot(q, onDisk.stored);
        copyContent(q, *p);
        for (int k = 0; k < q.valueCount; ++k) q.values[k] = fileValue(q.values[k]);
        // Where the list would put it: after every name that is not greater.
        int at = 0;
        while (at < onDisk.count && std::strcmp(onDisk.presets[onDisk.order[at]].name, q.name) <= 0) ++at;
        std::memmove(onDisk.order + at + 1, onDisk.order + at, sizeof(int) * (size_t)(onDisk.count - at));
        onDisk.order[at] = onDisk.stored++;
        ++onDisk.count;
    }
    return true;
}

// One preset's lines; its length, or 0 when cap is too small.
size_t formatPreset(const ScenePreset& p, char* out, size_t cap) {
    size_t length = 0;
    bool fits = true;
    auto put = [&](const char* format, auto... args) {
        if (!fits) return;
        int k = std::snprintf(out + length, cap - length, format, args...);
        if (k < 0 || (size_t)k >= cap - length) fits = false;
        else length += (size_t)k;
    };
    put("\n[Name]:%s\n", p.name);
    // A value that is not a finite number would print as letters and
    // read back as several values; it is written as 0.
    for (int k = 0; k < p.valueCount; ++k) put("%3.3f ", std::isfinite(p.values[k]) ? (double)p.values[k] : 0.0);
    return fits ? length : 0;
}

// Room for one preset of 827 values of the longest float text.
constexpr size_t kPresetTextRoom = 32 + kMaxPresetNameLength + kMaxPresetValues * 48;

bool writePresetFile(const char* path, const PresetFile& file, char* why, size_t whyCap) {
    static char text[kPresetTextRoom];
    static AtomicFile out;
    if (!beginAtomicFile(out, path)) {
        std::snprintf(why, whyCap, "%s", out.why);
        return false;
    }
    if (file.count > 0) {  // no preset: an empty file
        int n = std::snprintf(text, sizeof text, "\n%s\n", kWarningLine);
        writeAtomicFile(out, text, (size_t)n);
        for (int k = 0; k < file.count; ++k) {
            size_t length = formatPreset(file.presets[file.order[k]], text, sizeof text);
            writeAtomicFile(out, text, length);
        }
        writeAtomicFile(out, "\n[END]\n", 7);
    }
    if (!commitAtomicFile(out)) {
        std::snprintf(why, whyCap, "%s", out.why);
        return false;
    }
    return true;
}

}  // namespace

void clearScenePresets(ScenePresetTable& table) {
    for (int k = 0; k < kMaxScenePresets; ++k) {
        table.slots[k].inUse = false;
        table.slots[k].next = table.slots[k].previous = nullptr;
    }
    table.head = nullptr;
    table.syncedCount = 0;
    table.presetsInFile = 0;
}

int freePresetSlot(const ScenePresetTable& table) {
    for (int k = 0; k < kMaxScenePresets; ++k)
        if (!table.slots[k].inUse) return k;
    return -1;
}

int usedPresetSlots(const ScenePresetTable& table) {
    int n = 0;
    for (const ScenePreset& p : table.slots) n += p.inUse ? 1 : 0;
    return n;
}

ScenePreset* insertScenePreset(ScenePresetTable& table, const char* name, const float* values, int count) {
    size_t length = name ? std::strlen(name) : 0;
    if (length == 0 || length > (size_t)kMaxPresetNameLength) return nullptr;
    int slot = freePresetSlot(table);
    if (slot < 0) return nullptr;
    ScenePreset& p = table.slots[slot];
    resetSlot(p, slot);
    std::memcpy(p.name, name, length + 1);
    if (count > kMaxPresetValues) count = kMaxPresetValues;
    for (int k = 0; k < count; ++k) p.values[k] = values[k];
    p.valueCount = count > 0 ? count : 0;
    ScenePreset* before = table.head;
    while (before && std::strcmp(before->name, p.name) <= 0) before = before->next;
    linkBefore(table, &p, before);
    table.changed = true;
    return &p;
}

void deleteScenePreset(ScenePresetTable& table, ScenePreset* preset) {
    if (!preset || !preset->inUse) return;
    if (preset->previous) preset->previous->next = preset->next;
    else table.head = preset->next;
    if (preset->next) preset->next->previous = preset->previous;
    preset->next = preset->previous = nullptr;
    preset->inUse = false;
    table.changed = true;
}

ScenePreset* presetAt(const ScenePresetTable& table, int n) {
    if (n < 1) return nullptr;
    ScenePreset* p = table.head;
    while (p && --n > 0) p = p->next;
    return p;
}

void readScenePresetStream(std::FILE* f, ScenePresetTable& table) {
    readPresetFile(f, onDisk);
    adoptFile(table, onDisk);
}

int loadScenePresetsFrom(const char* path, ScenePresetTable& table) {
    TextFileStatus status;
    std::FILE* f = openTextFile(path, status);
    if (!f && status.missing) {
        clearScenePresets(table);
        onDisk.stored = onDisk.count = 0;
        onDisk.heldMore = onDisk.tooMany = false;
        adoptFile(table, onDisk);
        clearProblem(table);
        return -1;
    }
    bool ok = false;
    if (f) {
        readPresetFile(f, onDisk);
        ok = closeTextFile(f, status);
    }
    if (!ok) {
        markUnreadable(table, path, status.why);
        return -1;
    }
    adoptFile(table, onDisk);
    clearProblem(table);
    if (onDisk.tooMany) markTooMany(table, path);
    else if (table.fileHeldMore)
        std::fprintf(stderr, "vorix: %s holds more than the scene list keeps; the file stays as it is until the list changes\n",
                     path);
    if (table.presetsInFile > kMaxScenePresets)
        std::fprintf(stderr, "vorix: %s holds %d scenes; the list shows the first %d and the others stay in the file\n",
                     path, table.presetsInFile, kMaxScenePresets);
    return 1;
}

bool formatScenePresets(const ScenePresetTable& table, char* out, size_t cap, size_t& length) {
    length = 0;
    if (cap == 0) return false;
    out[0] = '\0';
    if (!table.head) return true;  // no preset: an empty file
    auto put = [&](const char* text, size_t n) {
        if (n == 0 || n >= cap - length) return false;
        std::memcpy(out + length, text, n);
        length += n;
        out[length] = '\0';
        return true;
    };
    char warning[64];
    int n = std::snprintf(warning, sizeof warning, "\n%s\n", kWarningLine);
    bool fits = put(warning, (size_t)n);
    for (const ScenePreset* p = table.head; p && fits; p = p->next) {
        size_t k = formatPreset(*p, out + length, cap - length);
        if (k == 0) fits = false;
        else length += k;
    }
    fits = fits && put("\n[END]\n", 7);
    if (!fits) length = 0;
    return fits;
}

bool saveScenePresetsTo(const char* path, ScenePresetTable& table) {
    // An unchanged list is what the file already holds, or less than a file
    // that held more than the table can keep: the file stays as it is.
    if (!table.changed) return false;
    static ListChanges changes;
    findChanges(table, changes);
    if (changes.added == 0 && changes.deleted == 0) {
        table.changed = false;
        return false;
    }
    const int lock = lockFolderOf(path);
    bool written = false;
    char why[160] = "";
    if (readForMerge(path, table)) {
        if (onDisk.tooMany || !mergeChanges(table, changes)) {
            markTooMany(table, path);
        } else if (writePresetFile(path, onDisk, why, sizeof why)) {
            written = true;
        } else {
            char page[256], report[512];
            std::snprintf(page, sizeof page, "%s cannot be written (%s): scenes not saved", path, why);
            std::snprintf(report, sizeof report, "cannot write %s (%s); the scene presets are not saved", path, why);
            setProblem(table, page, report);
        }
    }
    unlockFolder(lock);
    if (!written) return false;
    adoptFile(table, onDisk);
    clearProblem(table);
    return true;
}

int reloadScenePresetsFrom(const char* path, ScenePresetTable& table) {
    if (table.changed) {
        if (saveScenePresetsTo(path, table)) return 1;
        // Changes that could not be saved stay in the list for the next try.
        if (table.changed) return 0;
    }
    return loadScenePresetsFrom(path, table);
}

int loadScenePresets() { return loadScenePresetsFrom(scenePresetPath, scenePresetTable); }
int reloadScenePresets() { return reloadScenePresetsFrom(scenePresetPath, scenePresetTable); }
bool saveScenePresetsNow() { return saveScenePresetsTo(scenePresetPath, scenePresetTable); }
