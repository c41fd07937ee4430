#include "sound/sound_rules.h"

#include <algorithm>

#include "sound/sound_slots.h"

namespace {

int wholePercent(float v) {
    int p = (int)v;  // truncation toward zero
    return p < 0 ? 0 : p;
}

}  // namespace

int engineVolumePercent(float fighterSpeedMs, float distanceM) {
    float knots = fighterSpeedMs * 1.944f;
    float near = std::min(distanceM, 1000.0f) / 1000.0f;
    return wholePercent(std::min(knots, 80.0f) - near * near * near * 100.0f);
}

int crashVolumePercent(float distanceM) {
    return wholePercent(100.0f - std::min(distanceM, 4500.0f) / 4500.0f * 100.0f);
}

int fireVolumePercent(float distanceM) {
    return wholePercent(100.0f - std::min(distanceM, 4500.0f) / 500.0f * 100.0f);
}

int catapultVolumePercent(float distanceM) {
    float r = std::min(distanceM, 560.0f) / 560.0f;
    return wholePercent(100.0f - r * r * 100.0f);
}

int chuteVolumePercent(float distanceM) {
    return wholePercent(100.0f - std::min(distanceM, 160.0f) / 160.0f * 100.0f);
}

EjectionSoundCue ejectionSoundCue(double countdownS, double canopyDelayS, float catapultPhaseTimeS) {
    const double lead = countdownS + canopyDelayS;
    if (lead < 5.12) return {kSoundEjectShort, lead + catapultPhaseTimeS - 0.7, false};
    return {kSoundEjectLong, lead - 5.12, true};
}

double catapultSoundSeatTime(float catapultPhaseTimeS) {
    return std::max(0.0, (double)catapultPhaseTimeS - 0.08);
}
