#include "app/paused_report.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "camera/camera_state.h"
#include "overlay/hud_text.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"

PausedReport pausedReport;

void setUpPausedReport(PausedReport& r) {
    r = PausedReport();
    r.enabled = std::getenv("VORIX_REPORT_PAUSED_CLOCK") != nullptr;
}

void reportPausedClock(PausedReport& r) {
    if (!r.enabled) return;
    const PlaybackClocks& c = simulation.clocks;
    const bool paused = pausedRunClock(c);
    if (!paused) {
        if (r.paused) {
            std::printf("vorix: playing on\n");
            std::fflush(stdout);
        }
        r.paused = false;
        r.last[0] = '\0';
        return;
    }
    r.paused = true;
    const HudFrame& h = hudFrame;
    // The figure as the frame drew it (none while the HUD text is hidden).
    const char* figure = h.clockItem >= 0 && h.clockItem < h.count ? h.items[h.clockItem].text : "";
    char line[sizeof r.last];
    std::snprintf(line, sizeof line, "vorix: paused at [%s] flight %d ms of %d, camera yaw %.3f pitch %.3f", figure,
                  (int)c.elapsedMs, (int)storedRunEndMs(simulation), camera.cameraYaw, camera.cameraPitch);
    if (std::strcmp(line, r.last) == 0) return;
    std::memcpy(r.last, line, sizeof r.last);
    std::printf("%s\n", line);
    std::fflush(stdout);
}
