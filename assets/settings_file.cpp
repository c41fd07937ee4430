#include "assets/settings_file.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "assets/atomic_write.h"
#include "assets/text_file.h"

SettingsFileState settingsFileState;

namespace {

constexpr int kLineLimit = 999;  // characters kept of one line
constexpr float kPerByte = 0.003921568f;

// Reads one line of at most kLineLimit characters (line break and a Windows
// carriage return removed) and drops the rest of a longer line. False at the
// end of the file. tooLong/hadNul tell the caller what was dropped.
bool readLine(std::FILE* f, char* line, bool& tooLong, bool& hadNul) {
    int n = 0, c = 0;
    bool any = false;
    tooLong = hadNul = false;
    while ((c = std::getc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\0') hadNul = true;
        if (n < kLineLimit) line[n++] = (char)c;
        else tooLong = true;
    }
    if (!any) return false;
    if (n > 0 && line[n - 1] == '\r') --n;
    line[n] = '\0';
    return true;
}

// The scan targets shared by the S and F records, and those of the O record:
// a field that does not convert keeps what the last record of the same kind
// left there (0 at first), as the "%f %f %f" and "%d ..." scans would.
struct ScanSlots {
    float f[3] = {0, 0, 0};
    long i[5] = {0, 0, 0, 0, 0};
};

// Scans up to count floats; false when a field did not convert or was not a
// finite number (such a field keeps its slot's value).
bool scanFloats(const char* s, float* slots, int count) {
    bool all = true;
    for (int k = 0; k < count; ++k) {
        char* end = nullptr;
        errno = 0;
        float v = std::strtof(s, &end);
        if (end == s) return false;  // the scan stops at the first field that fails
        s = end;
        if (std::isfinite(v)) slots[k] = v;
        else all = false;
    }
    return all;
}

bool scanInts(const char* s, long* slots, int count) {
    for (int k = 0; k < count; ++k) {
        char* end = nullptr;
        long v = std::strtol(s, &end, 10);
        if (end == s) return false;
        s = end;
        slots[k] = v;
    }
    return true;
}

}  // namespace

size_t formatSettings(const SettingsTargets& t, bool soundOn, char* out, size_t cap) {
    // Colours that are not finite numbers (never read from a file) are written
    // as 0 so that the line stays readable.
    auto fin = [](float v) { return std::isfinite(v) ? (double)v : 0.0; };
    int n = std::snprintf(out, cap,
                          "\n// sky color\n"
                          "\nS %3.3f %3.3f %3.3f"
                          "\nF %3.3f %3.3f %3.3f"
                          "\nO %d %d %d %d %d"
                          "\nx\n",
                          fin(t.skyColor[0]) / 255.0, fin(t.skyColor[1]) / 255.0, fin(t.skyColor[2]) / 255.0,
                          fin(t.fogColor[0]), fin(t.fogColor[1]), fin(t.fogColor[2]), soundOn ? 1 : 0,
                          *t.trees ? 1 : 0, *t.buildings ? 1 : 0, *t.sky ? 1 : 0, *t.fighter ? 1 : 0);
    if (n <= 0 || (size_t)n >= cap) return 0;
    return (size_t)n;
}

void readSettingsStream(std::FILE* f, const SettingsTargets& t, SettingsFileState& state) {
    static char line[kLineLimit + 1];
    ScanSlots slots;
    bool heldMore = false;
    // The sound value as the file has it, for the comparison at write time.
    bool fileSound = *t.soundOn;
    bool tooLong = false, hadNul = false;
    while (readLine(f, line, tooLong, hadNul)) {
        if (tooLong || hadNul) heldMore = true;
        if (line[0] == '\0' || line[0] == '/') continue;
        // Fields start at the third character; a line of one character has none.
        const char* fields = std::strlen(line) >= 2 ? line + 2 : "";
        switch (line[0]) {
            case 'F':
                if (!scanFloats(fields, slots.f, 3)) heldMore = true;
                for (int k = 0; k < 3; ++k) t.fogColor[k] = slots.f[k];
                break;
            case 'S':
                if (!scanFloats(fields, slots.f, 3)) heldMore = true;
                for (int k = 0; k < 3; ++k) t.skyColor[k] = slots.f[k] * kPerByte;
                break;
            case 'O':
                if (!scanInts(fields, slots.i, 5)) heldMore = true;
                fileSound = slots.i[0] != 0;
                *t.soundOn = *t.soundOn && fileSound;
                *t.trees = slots.i[1] != 0;
                *t.buildings = slots.i[2] != 0;
                *t.sky = slots.i[3] != 0;
                *t.fighter = slots.i[4] != 0;
                break;
            case 'x':
                break;
            default:
                heldMore = true;  // a line the writer would not write back
                break;
        }
        if (line[0] == 'x') break;
    }
    state.heldMore = heldMore;
    if (!formatSettings(t, fileSound, state.textAfterRead, sizeof state.textAfterRead))
        state.textAfterRead[0] = '\0';
}

bool readSettingsFile(const char* path, const SettingsTargets& t, SettingsFileState& state) {
    TextFileStatus status;
    std::FILE* f = openTextFile(path, status);
    if (!f && status.missing) {
        state.heldMore = false;
        state.unreadable = false;
        state.problem[0] = '\0';
        writeSettingsFile(path, t, state);
        return false;
    }
    if (f) {
        readSettingsStream(f, t, state);
        if (closeTextFile(f, status)) {
            state.unreadable = false;
            state.problem[0] = '\0';
            if (state.heldMore)
                std::fprintf(stderr, "vorix: %s holds lines or fields the settings do not use; it is rewritten only when a setting differs from it\n",
                             path);
            return true;
        }
    }
    // There, but not readable: what is in it stays there.
    const bool firstTime = !state.unreadable;
    state.unreadable = true;
    std::snprintf(state.problem, sizeof state.problem, "%s cannot be read (%s): left as it is", path, status.why);
    if (firstTime)
        std::fprintf(stderr, "vorix: cannot read %s (%s); the settings keep their values and the file is left as it is\n",
                     path, status.why);
    return false;
}

bool writeSettingsFile(const char* path, const SettingsTargets& t, SettingsFileState& state) {
    if (state.unreadable) return false;
    char text[sizeof state.textAfterRead];
    size_t n = formatSettings(t, *t.soundOn, text, sizeof text);
    if (n == 0) return false;
    if (state.heldMore && std::strcmp(text, state.textAfterRead) == 0) return false;
    char why[160] = "";
    if (!writeFileAtomic(path, text, n, why, sizeof why)) {
        if (!state.reportedUnwritable) {
            std::fprintf(stderr, "vorix: cannot write %s (%s); the settings are not kept\n", path, why);
            state.reportedUnwritable = true;
        }
        return false;
    }
    state.heldMore = false;
    return true;
}
