// The timeline of a paused run across the top band, laid out GL-free: a bar
// for the stored run from the trigger to its last sample, the count-down's
// share of it, the run's events as ticks in the GRAPH page's colours, the
// clock as a marker and the run's length beside the bar; and the moment a
// press or a drag on it puts the clock at.
#pragma once

#include <cstdint>

struct Simulation;

// The bar on the virtual screen (origin top-left), inside the top band below
// the altitude line and right of the menu strip.
constexpr int kTimelineLeft = 50;
constexpr int kTimelineRight = 720;
constexpr int kTimelineTop = 31;
constexpr int kTimelineBottom = 35;
// Presses this close around the bar take it (the band's height, and the
// marker's width beyond either end).
constexpr int kTimelineReachX = 6;
constexpr int kTimelineHitTop = 25;
constexpr int kTimelineHitBottom = 40;

constexpr int kTimelineTickCapacity = 8;

struct TimelineTick {
    int x = 0;
    float colour[3] = {1, 1, 1};
};

struct TimelineFrame {
    bool shown = false;
    int countdownRight = kTimelineLeft;  // the bar's count-down part ends here
    TimelineTick ticks[kTimelineTickCapacity];
    int tickCount = 0;
    int markerX = kTimelineLeft;
    char lengthText[24] = {};            // the clock at the run's end, in seconds
    int lengthX = 0, lengthY = 0;        // text position, origin bottom-left
};

// Laid out by the overlay's update step, drawn by its drawing step.
extern TimelineFrame timelineFrame;

// The bar's x for a moment ms of a run ending at endMs; kept on the bar.
int timelineX(int64_t ms, int32_t endMs);
// The moment under x, to the nearest millisecond, kept between 0 and endMs.
int32_t timelineMsAt(int x, int32_t endMs);
// Whether a press at (x, y) lands on the timeline.
bool onTimeline(int x, int y);

// The timeline of the run in sim when shown (the HUD's top band is on the
// screen and the run is paused); otherwise nothing is shown.
void layoutTimeline(const Simulation& sim, bool bandShown, TimelineFrame& out);
