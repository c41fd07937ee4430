#include "sim/sequencer.h"

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/units.h"

int32_t selectMode(double keas, double altitudeFt) {
    int32_t mode = 1;
    if (altitudeFt <= 8000.0 && keas <= 350.0) mode = 1;
    if (altitudeFt <= 8000.0 && keas > 350.0 && keas <= 500.0) mode = 2;
    if (altitudeFt <= 8000.0 && keas > 500.0) mode = 3;
    if (altitudeFt > 8000.0 && altitudeFt <= 18000.0) mode = 4;
    if (altitudeFt > 18000.0) mode = 5;
    return mode;
}

void setModeTimes(int32_t mode, float catapultPhaseTimeS, float rocketBurnTimeS, SequencerTimes& s) {
    double Tc = catapultPhaseTimeS;
    s.seqMode = mode;
    s.tDrogueFire = Tc + 0.04;
    switch (mode) {
        case 1:
            s.tMainFire = Tc + (double)0.27f;
            s.tDrogueRelease = Tc + 0.14;
            s.tSeparationEnable = Tc + 0.47;
            break;
        case 2:
            s.tMainFire = Tc + 0.92;
            s.tDrogueRelease = Tc + 1.07;
            s.tSeparationEnable = Tc + 1.12;
            break;
        case 3:
            s.tMainFire = Tc + 1.12;
            s.tDrogueRelease = Tc + 1.27;
            s.tSeparationEnable = Tc + 1.32;
            break;
        case 4:
            s.tMainFire = Tc + 2.72;
            s.tDrogueRelease = Tc + 2.87;
            s.tSeparationEnable = Tc + 2.92;
            break;
        default:
            s.tMainFire = 999.0;
            s.tDrogueRelease = 999.0;
            s.tSeparationEnable = 9999.0;
            break;
    }

    // A long rocket burn keeps the pilot on the seat until the burn is over.
    if (rocketBurnTimeS >= 0.35f) {
        double B = rocketBurnTimeS;
        switch (mode) {
            case 1:
                s.tMainFire = Tc + B + 1.01;
                s.tDrogueFire = Tc + 0.04;
                s.tDrogueRelease = Tc + 0.07;
                break;
            case 2:
                s.tMainFire = Tc + B + 1.25;
                s.tDrogueFire = Tc + B;
                s.tDrogueRelease = s.tMainFire - 0.05;
                break;
            case 3:
                s.tMainFire = Tc + B + 3.25;
                s.tDrogueFire = Tc + B;
                s.tDrogueRelease = s.tMainFire - 0.15;
                break;
            case 4:
                s.tMainFire = Tc + B + 5.25;
                s.tDrogueFire = Tc + B;
                s.tDrogueRelease = s.tMainFire - 0.15;
                break;
            default:
                s.tMainFire = 999.0;
                s.tDrogueFire = Tc + 0.04;
                s.tDrogueRelease = 999.0;
                s.tSeparationEnable = 9999.0;
                break;
        }
        if (mode >= 1 && mode <= 4) {
            s.tSeparationEnable = s.tMainFire + 0.15;
            s.seqMode = 1;
        }
    }
}

void senseMode(double speedMs, double altitudeFt, float catapultPhaseTimeS, float rocketBurnTimeS,
               SequencerTimes& times, SequencerRun& run) {
    double keas = equivalentAirspeed(speedMs * kKtPerMsSequencer, (float)altitudeFt);
    setModeTimes(selectMode(keas, altitudeFt), catapultPhaseTimeS, rocketBurnTimeS, times);
    run.modeSensed = true;
}

void scheduleMode5Fall(double t, SequencerTimes& s, SequencerRun& run) {
    int64_t k = ((int64_t)(t * 1000.0) - 200) % 4800;
    s.tMainFire = t + (4.8 - k / 1000.0);
    s.tDrogueRelease = s.tMainFire + 0.15;
    s.tSeparationEnable = s.tMainFire + 0.2;
    run.mode5Resensed = true;
}


