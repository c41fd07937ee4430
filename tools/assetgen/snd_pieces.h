// Building blocks shared by several effects: the cartridge bang, the rocket
// roar and the rush of air. Each returns a signal starting at its onset.
#pragma once

#include <cstdint>

#include "tools/assetgen/snd_synth.h"

// Explosive cartridge: full level at the first sample, a noise crack whose
// brightness falls fast, over a low thump sweeping down in pitch.
Signal makeCartridgeBang(uint32_t seed, double seconds, double thumpHz);

// Solid-rocket roar: rough low-passed noise that burns for burnSeconds and
// dies away over releaseSeconds.
Signal makeRocketRoar(uint32_t seed, double burnSeconds, double releaseSeconds);

// Air rushing past: band-passed noise swelling in over riseSeconds and
// fading over fallSeconds, centred near centreHz.
Signal makeAirRush(uint32_t seed, double riseSeconds, double fallSeconds, double centreHz);
