#include "tools/vorix-sim/trace_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "assets/text_file.h"

namespace {

const char* const kColumns[4] = {"t", "ax", "ay", "az"};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The cells of a line, blanks trimmed; false when there are not exactly
// four.
bool splitCells(char* line, char* cells[4]) {
    int n = 0;
    char* p = line;
    for (;;) {
        char* end = std::strchr(p, ',');
        if (end) *end = '\0';
        while (isBlank(*p)) ++p;
        char* back = p + std::strlen(p);
        while (back > p && isBlank(back[-1])) *--back = '\0';
        if (n == 4) return false;
        cells[n++] = p;
        if (!end) break;
        p = end + 1;
    }
    return n == 4;
}

// The whole cell as a finite number.
bool parseCell(const char* cell, double& out) {
    if (!*cell) return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(cell, &end);
    if (end == cell || *end != '\0' || !std::isfinite(v)) return false;
    out = v;
    return true;
}

class TraceReader {
public:
    TraceReader(const std::string& path, std::string& error) : path_(path), error_(error) {}

    bool fail(long line, const std::string& why) {
        error_ = path_ + (line > 0 ? " line " + std::to_string(line) : std::string()) + ": " + why;
        return false;
    }

    // The next line without its end, or false at the end of the file.
    // Sets `tooLong` for a line past kTraceLineMax characters.
    bool nextLine(std::FILE* f, bool& tooLong, bool& nul) {
        int n = 0;
        int c;
        tooLong = nul = false;
        bool any = false;
        while ((c = std::getc(f)) != EOF) {
            any = true;
            if (++bytes_ > kMaxTextFileBytes) {
                tooLong = true;
                return true;
            }
            if (c == '\n') break;
            if (c == '\0') nul = true;
            if (n >= kTraceLineMax) {
                tooLong = true;
                continue;
            }
            line_[n++] = (char)c;
        }
        if (!any) return false;
        if (n > 0 && line_[n - 1] == '\r') --n;
        line_[n] = '\0';
        ++number_;
        return true;
    }

    bool read(std::FILE* f, const std::function<void(const TraceRow&)>& take, long& rows) {
        rows = 0;
        bool header = false, tooLong = false, nul = false;
        double first = 0.0, previous = 0.0;
        long previousLine = 0;
        while (nextLine(f, tooLong, nul)) {
            if (bytes_ > kMaxTextFileBytes) return fail(0, "larger than 64 MiB");
            if (tooLong) return fail(number_, "longer than " + std::to_string(kTraceLineMax) + " characters");
            if (nul) return fail(number_, "holds a NUL byte: not a text file");
            char* text = line_;
            // A byte-order mark, as spreadsheets write it.
            if (number_ == 1 && std::strncmp(text, "\xEF\xBB\xBF", 3) == 0) text += 3;
            const char* p = text;
            while (isBlank(*p)) ++p;
            if (!*p) continue;
            char* cells[4];
            const bool four = splitCells(text, cells);
            if (!header) {
                bool named = four;
                for (int k = 0; named && k < 4; ++k) named = std::strcmp(cells[k], kColumns[k]) == 0;
                if (!named) return fail(number_, "the header must be t,ax,ay,az");
                header = true;
                continue;
            }
            if (!four) return fail(number_, "a row needs four cells: t,ax,ay,az");
            TraceRow row;
            double* values[4] = {&row.t, &row.g[0], &row.g[1], &row.g[2]};
            for (int k = 0; k < 4; ++k) {
                if (!parseCell(cells[k], *values[k])) {
                    std::string shown(cells[k], std::strlen(cells[k]) > 40 ? 40 : std::strlen(cells[k]));
                    return fail(number_, std::string(kColumns[k]) + " '" + shown + "' is not a finite number");
                }
            }
            for (int k = 0; k < 3; ++k)
                if (std::fabs(row.g[k]) > kTraceMaxG)
                    return fail(number_, std::string(kColumns[k + 1]) + " " + cells[k + 1] +
                                             " g lies beyond 1000000 g either way");
            if (rows == 0) first = row.t;
            if (rows > 0 && !(row.t > previous)) {
                char text[120];
                std::snprintf(text, sizeof text, "time %.17g s is not after %.17g s of line %ld", row.t, previous,
                              previousLine);
                return fail(number_, text);
            }
            if (row.t - first > kTraceMaxSpanS) return fail(number_, "the trace is longer than 600 s");
            previous = row.t;
            previousLine = number_;
            ++rows;
            take(row);
        }
        if (!header) return fail(0, "no header t,ax,ay,az: the file is empty");
        if (rows < 2) return fail(0, "a trace needs at least two rows, this one has " + std::to_string(rows));
        return true;
    }

private:
    const std::string& path_;
    std::string& error_;
    char line_[kTraceLineMax + 1];
    long number_ = 0;
    long long bytes_ = 0;
};

}  // namespace

bool readResponseTrace(const std::string& path, const std::function<void(const TraceRow&)>& take, long& rows,
                       std::string& error) {
    rows = 0;
    TextFileStatus status;
    std::FILE* f = openTextFile(path.c_str(), status);
    if (!f) {
        error = "cannot read " + path + ": " + (status.missing ? "no such file" : status.why);
        return false;
    }
    TraceReader reader(path, error);
    const bool ok = reader.read(f, take, rows);
    if (!closeTextFile(f, status) && ok) {
        error = "cannot read " + path + ": " + status.why;
        return false;
    }
    return ok;
}
