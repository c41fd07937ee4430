// For the end-to-end tests (VORIX_REPORT_PAUSED_CLOCK set): while a run is
// paused, a line on standard output whenever the big clock's figure, the
// simulation time or the camera's angles change, and one when it plays on.
#pragma once

struct PausedReport {
    bool enabled = false;
    bool paused = false;
    char last[160] = {};
};
extern PausedReport pausedReport;

// Reads the switch from the environment once, at start-up.
void setUpPausedReport(PausedReport& r);
// After every frame.
void reportPausedClock(PausedReport& r);
