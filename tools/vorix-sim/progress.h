// Progress of a sweep on standard error while it is a terminal: points done
// of the grid, the share and the time left, redrawn in place at most twice a
// second and cleared at the end, so a redirected error stream gets none of it.
#pragma once

#include <chrono>
#include <string>

// "1234 of 60701 points (2%), about 3 min 20 s left".
std::string progressText(long done, long total, double elapsedS);

class Progress {
public:
    // show: false draws nothing (standard error is not a terminal).
    Progress(long total, bool show);
    void update(long done);
    // Clears the line.
    void finish();

private:
    long total_;
    bool show_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_, lastDraw_;
};

// Standard error is a terminal.
bool errorStreamIsTerminal();
