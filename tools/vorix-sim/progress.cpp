#include "tools/vorix-sim/progress.h"

#include <unistd.h>

#include <cstdio>

namespace {

std::string durationText(double s) {
    const long t = (long)(s + 0.5);
    char buf[48];
    if (t < 60) std::snprintf(buf, sizeof buf, "%ld s", t);
    else if (t < 3600) std::snprintf(buf, sizeof buf, "%ld min %ld s", t / 60, t % 60);
    else std::snprintf(buf, sizeof buf, "%ld h %ld min", t / 3600, t / 60 % 60);
    return buf;
}

}  // namespace

std::string progressText(long done, long total, double elapsedS) {
    const long percent = total > 0 ? (long)(100.0 * (double)done / (double)total) : 100;
    std::string text = std::to_string(done) + " of " + std::to_string(total) + " points (" +
                       std::to_string(percent) + "%)";
    // The time left is only worth a guess once some points are done.
    if (done > 0 && done < total && elapsedS > 0.0)
        text += ", about " + durationText(elapsedS / (double)done * (double)(total - done)) + " left";
    return text;
}

Progress::Progress(long total, bool show)
    : total_(total), show_(show), start_(std::chrono::steady_clock::now()), lastDraw_(start_) {}

void Progress::update(long done) {
    if (!show_) return;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - lastDraw_ < std::chrono::milliseconds(500)) return;
    lastDraw_ = now;
    drawn_ = true;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    // \033[K clears what a longer earlier line left.
    std::fprintf(stderr, "\rvorix-sim: %s\033[K", progressText(done, total_, elapsed).c_str());
    std::fflush(stderr);
}

void Progress::finish() {
    if (!show_ || !drawn_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}

bool errorStreamIsTerminal() { return isatty(STDERR_FILENO) == 1; }
