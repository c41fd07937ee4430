// The closing screen: "PROGRAMMING" and the credit line fade in from black,
// are brightest half-way and fade out again.
#pragma once

#include <cstdint>

// The credit line under "PROGRAMMING" (and at the foot of the loading screen).
constexpr const char* kCreditLine = "VORIX TEAM";
// How long the closing screen stays, in milliseconds.
constexpr uint32_t kCreditsMs = 5000;

// Brightness 0..1 at elapsedMs of totalMs: the standard normal density of
// elapsed / (total / 8) - 4, relative to its peak; total / 8 is an integer
// division (taken as 1 for totals under 8).
float creditsBrightness(uint32_t elapsedMs, uint32_t totalMs);

// One frame of the closing screen; the closing tune is held at 80 % when sound is on.
void drawCreditsFrame(uint32_t elapsedMs, uint32_t totalMs);
