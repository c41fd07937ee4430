#include "menu/scene_presets.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "assets/atomic_write.h"

ScenePresetTable scenePresetTable;

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

}  // namespace

void clearScenePresets(ScenePresetTable& table) {
    for (int k = 0; k < kMaxScenePresets; ++k) {
        table.slots[k].inUse = false;
        table.slots[k].next = table.slots[k].previous = nullptr;
    }
    table.head = nullptr;
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
    static LineHead line;
    Reader r{f, {0, 0}};
    clearScenePresets(table);
    table.changed = false;
    bool heldMore = false;
    int nextSlot = 0;
    ScenePreset* awaitingValues = nullptr;
    while (readLineHead(r, line)) {
        if (startsWith(line, "[END]")) {
            if (line.continues) skipLine(r);
            heldMore = heldMore || anythingLeft(r);
            break;
        }
        if (startsWith(line, "[Name]:")) {
            if (nextSlot == kMaxScenePresets) {  // the table is full: the rest stays in the file
                heldMore = true;
                break;
            }
            ScenePreset& p = table.slots[nextSlot];
            resetSlot(p, nextSlot++);
            int length = line.length - 7;
            if (length > kMaxPresetNameLength || line.continues || line.truncated) {
                heldMore = true;
                if (length > kMaxPresetNameLength) length = kMaxPresetNameLength;
            }
            std::memcpy(p.name, line.text + 7, (size_t)length);
            p.name[length] = '\0';
            linkBefore(table, &p, nullptr);
            if (line.continues) skipLine(r);
            awaitingValues = &p;
            continue;
        }
        if (awaitingValues) {
            if (!scanValuesLine(r, line, awaitingValues)) heldMore = true;
            awaitingValues = nullptr;
            continue;
        }
        // Lines the writer makes besides names and values: empty ones and the warning.
        bool known = line.length == 0 || std::strcmp(line.text, kWarningLine) == 0;
        if (!known || line.truncated) heldMore = true;
        if (line.continues && skipLine(r)) heldMore = true;
    }
    table.fileHeldMore = heldMore;
}

int loadScenePresetsFrom(const char* path, ScenePresetTable& table) {
    std::FILE* f = std::fopen(path, "r");
    if (!f) {
        clearScenePresets(table);
        table.changed = false;
        table.fileHeldMore = false;
        return -1;
    }
    readScenePresetStream(f, table);
    std::fclose(f);
    if (table.fileHeldMore)
        std::fprintf(stderr, "vorix: %s holds more than the scene list keeps; the file stays as it is until the list changes\n",
                     path);
    return 1;
}

// ---- writing ------------------------------------------------------------------

bool formatScenePresets(const ScenePresetTable& table, char* out, size_t cap, size_t& length) {
    length = 0;
    if (cap == 0) return false;
    out[0] = '\0';
    if (!table.head) return true;  // no preset: an empty file
    bool fits = true;
    auto put = [&](const char* format, auto... args) {
        if (!fits) return;
        int k = std::snprintf(out + length, cap - length, format, args...);
        if (k < 0 || (size_t)k >= cap - length) fits = false;
        else length += (size_t)k;
    };
    put("\n%s\n", kWarningLine);
    for (const ScenePreset* p = table.head; p; p = p->next) {
        put("\n[Name]:%s\n", p->name);
        // A value that is not a finite number would print as letters and
        // read back as several values; it is written as 0.
        for (int k = 0; k < p->valueCount; ++k)
            put("%3.3f ", std::isfinite(p->values[k]) ? (double)p->values[k] : 0.0);
    }
    put("%s", "\n[END]\n");
    if (!fits) length = 0;
    return fits;
}

bool saveScenePresetsTo(const char* path, ScenePresetTable& table) {
    // An unchanged list is what the file already holds, or less than a file
    // that held more than the table can keep: the file stays as it is.
    if (!table.changed) return false;
    // Room for 100 presets of 827 values of the longest float text.
    static char text[kMaxScenePresets * (16 + kMaxPresetNameLength + kMaxPresetValues * 48) + 64];
    size_t n = 0;
    if (!formatScenePresets(table, text, sizeof text, n)) return false;
    if (!writeFileAtomic(path, text, n)) {
        if (!table.reportedUnwritable) {
            std::fprintf(stderr, "vorix: cannot write %s; the scene presets are not saved\n", path);
            table.reportedUnwritable = true;
        }
        return false;
    }
    table.changed = false;
    table.fileHeldMore = false;
    return true;
}

int loadScenePresets() { return loadScenePresetsFrom(kScenePresetPath, scenePresetTable); }
