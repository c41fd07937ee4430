#include "sim/injury_analysis.h"

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/run_analysis.h"
#include "sim/seat_frame.h"
#include "sim/simulation.h"
#include "sim/units.h"

const char* const kInjuryPhaseNames[kInjuryPhaseCount] = {"catapult", "rocket", "windblast", "opening shock"};

namespace {

constexpr double kMsToKt = kKtPerMsSequencer;

// The last sample of the seat/man phase: the step of separation, or the
// run's last sample when the seat stays with the pilot.
long seatManEnd(const Simulation& sim) {
    const long last = sim.trajectory->lastIndex;
    if (!sim.sequencerRun.seatSeparated) return last;
    const double k = std::round(sim.times.tSeatManSeparation / sim.constants.dt);
    return k >= 1.0 && k < (double)last ? (long)k : last;
}

// The dynamic pressure (kPa) and the equivalent airspeed (kt) at state n;
// the air is still, so the airspeed is the package's speed.
void windblastAt(const Simulation& sim, long n, double& kpa, double& keas) {
    const Trajectory& tr = *sim.trajectory;
    const double speed = std::sqrt(tr.vx[n] * tr.vx[n] + tr.vy[n] * tr.vy[n] + tr.vz[n] * tr.vz[n]);
    const double altitude = sim.runFighterAltitudeM + sim.runMountingHeightM + tr.pz[n] - 0.4;
    const double rho = airDensity((float)altitude);
    kpa = 0.5 * rho * speed * speed / 1000.0;
    keas = speed * std::sqrt(rho / airDensity(0.0f)) * kMsToKt;
}

void findWindblast(const Simulation& sim, long end, WindblastFigures& w) {
    w = WindblastFigures();
    const Trajectory& tr = *sim.trajectory;
    const double dt = sim.constants.dt;
    // State n holds the seat time (n - 1) dt; the pilot meets the air
    // stream as the seat leaves its rails.
    const long exposure = (long)std::lround(sim.derived.catapultPhaseTimeS / dt) + 1;
    if (sim.catapult.strokeResult <= 0 || exposure > tr.lastIndex) return;
    w.present = true;
    windblastAt(sim, exposure, w.exposureKpa, w.exposureKeas);
    w.exposureTimeS = (exposure - 1) * dt;
    // Sheltered in the cockpit before that.
    const long lastState = end + 1 < tr.lastIndex ? end + 1 : tr.lastIndex;
    for (long n = exposure; n <= lastState; ++n) {
        double kpa, keas;
        windblastAt(sim, n, kpa, keas);
        if (kpa > w.peakKpa) {
            w.peakKpa = kpa;
            w.peakKeas = keas;
            w.peakTimeS = (n - 1) * dt;
        }
    }
}

// The main parachute's force on the pilot from its firing to its full
// opening, while the drogue no longer pulls on the seat.
void findOpeningShock(const Simulation& sim, const RunAnalysis& a, PhasePeak& shock) {
    shock = PhasePeak();
    const Trajectory& tr = *sim.trajectory;
    const SequencerTimes& s = sim.times;
    if (!sim.sequencerRun.modeSensed || !(s.tMainFire < a.coveredS)) return;
    const double until = a.fullyOpen ? a.fullyOpenTimeS : a.coveredS;
    const double massKg = (double)sim.params.pilotMassKg + sim.params.gearMassKg;
    const double dt = sim.constants.dt;
    const long first = (long)(s.tMainFire / dt);
    for (long i = first > 1 ? first : 1; i < tr.lastIndex; ++i) {
        const double t = i * dt;
        if (t > until) break;
        if (!(t > s.tMainFire) || drogueActive(t, s)) continue;
        shock.present = true;
        const double g = massKg > 0.0 ? tr.dragForceN[i] / (massKg * kDriGravity) : 0.0;
        if (g > shock.g) {
            shock.g = g;
            shock.timeS = t;
        }
    }
}

double magnitude(const double a[3]) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }

void keepPeak(PhasePeak& p, double g, double t) {
    if (!p.present || g > p.g) {
        p.g = g;
        p.timeS = t;
    }
    p.present = true;
}

}  // namespace

void splitSeatPanInput(const Simulation& sim, const SeatFrameOverRun& frame, long i, const double input[3],
                       double parts[kInjuryPhaseCount][3]) {
    for (int p = 0; p < kInjuryPhaseCount; ++p) parts[p][0] = parts[p][1] = parts[p][2] = 0.0;
    const Trajectory& tr = *sim.trajectory;
    const long step = stepOfSample(tr, i);
    if (step < 1) {
        // Sitting in the fighter, on the rails.
        for (int k = 0; k < 3; ++k) parts[kInjuryCatapult][k] = input[k];
        return;
    }
    const SequencerTimes& s = sim.times;
    const double t = step * sim.constants.dt;
    // The step's drag, as the integration applied it: whole m/s^2 against
    // the motion at the step's start.
    const double d[3] = {std::fabs(tr.ax[step]) * dragSign(tr.vx[step]), std::fabs(tr.ay[step]) * dragSign(tr.vy[step]),
                         std::fabs(tr.az[step]) * dragSign(tr.vz[step])};
    const SeatFrame f = frame.at(step);
    const Vec3* axes[3] = {&f.forward, &f.left, &f.up};
    const InjuryPhase air = sim.sequencerRun.modeSensed && t > s.tMainFire ? kInjuryOpeningShock : kInjuryWindblast;
    const InjuryPhase thrust = t <= sim.derived.catapultPhaseTimeS                                      ? kInjuryCatapult
                               : s.tRocketFire < t && t <= s.tRocketFire + sim.params.rocketBurnTimeS ? kInjuryRocket
                                                                                                        : air;
    for (int k = 0; k < 3; ++k) {
        const double along = d[0] * axes[k]->x + d[1] * axes[k]->y + d[2] * axes[k]->z;
        parts[air][k] += along;
        parts[thrust][k] += input[k] - along;
    }
}

namespace {

// For each level, the phase whose part of the input has the largest share
// of the response leading beta at its peak. The parts' responses are taken
// at the end of the peak's sample, less than a millisecond after it.
void attributeBeta(const Simulation& sim, const SeatFrameOverRun& frame, InjuryFigures& out) {
    const double dt = sim.constants.dt;
    long sampleOf[kRiskLevelCount], until = 0;
    for (int level = 0; level < kRiskLevelCount; ++level) {
        sampleOf[level] = (long)std::ceil(out.response.beta[level].timeS / dt - 1e-9);
        until = sampleOf[level] > until ? sampleOf[level] : until;
    }
    DynamicResponse parts[kInjuryPhaseCount];
    double input[3], split[kInjuryPhaseCount][3];
    for (long i = 0; i <= until; ++i) {
        seatPanInput(sim, frame, i, input);
        splitSeatPanInput(sim, frame, i, input, split);
        for (int p = 0; p < kInjuryPhaseCount; ++p) {
            if (i == 0) parts[p].start(split[p], 0.0);
            else parts[p].next(split[p], (i - 1) * dt, dt, kSpineSubsteps);
        }
        for (int level = 0; level < kRiskLevelCount; ++level) {
            if (sampleOf[level] != i) continue;
            int axis = kSeatZ, direction = 0;
            leadingResponse(out.response.betaMoment[level], level, axis, direction);
            double largest = -HUGE_VAL;
            for (int p = 0; p < kInjuryPhaseCount; ++p) {
                const double share = parts[p].response(axis, direction) * (direction == 0 ? 1.0 : -1.0);
                if (share > largest) {
                    largest = share;
                    out.betaPhase[level] = (InjuryPhase)p;
                }
            }
        }
    }
}

}  // namespace

void analyseInjuries(const Simulation& sim, RunAnalysis& analysis, ResponseSeries* series) {
    InjuryFigures& out = analysis.injury;
    out = InjuryFigures();
    if (series) series->count = 0;
    const Trajectory& tr = *sim.trajectory;
    if (sim.catapult.strokeResult <= 0 || tr.lastIndex < 1) return;
    const double dt = sim.constants.dt;
    const long end = seatManEnd(sim);

    const SeatFrameOverRun axes(sim);
    DynamicResponse response;
    double a[kSeatAxisCount];
    auto record = [&](long i) {
        if (!series) return;
        const ResponseMoment& m = response.moment();
        for (int k = 0; k < kSeatAxisCount; ++k) {
            series->inputG[k][i] = (float)(a[k] / kDriGravity);
            series->plus[k][i] = (float)m.plus[k];
            series->minus[k][i] = (float)m.minus[k];
        }
        series->betaLow[i] = (float)responseBeta(m, kRiskLow);
    };
    seatPanInput(sim, axes, 0, a);
    response.start(a, 0.0);
    record(0);
    const double Tc = sim.derived.catapultPhaseTimeS;
    const double ignition = sim.times.tRocketFire, burnEnd = ignition + sim.params.rocketBurnTimeS;
    for (long i = 1; i <= end; ++i) {
        seatPanInput(sim, axes, i, a);
        // The spine's own stepping: the same input, steps and times as its DRI.
        response.next(a, (i - 1) * dt, dt, kSpineSubsteps);
        record(i);
        const double t = i * dt;
        if (t <= Tc) {
            keepPeak(out.catapult, magnitude(a) / kDriGravity, t);
        } else if (ignition < t && t <= burnEnd) {
            // The rocket's own push: the drag in the air stream, which may
            // pull hard at the same time, is the windblast's.
            double parts[kInjuryPhaseCount][3];
            splitSeatPanInput(sim, axes, i, a, parts);
            keepPeak(out.rocket, magnitude(parts[kInjuryRocket]) / kDriGravity, t);
        }
    }
    if (series) series->count = (int32_t)(end + 1);
    out.response = response.peaks();
    out.responseEndS = end * dt;
    attributeBeta(sim, axes, out);
    findWindblast(sim, end, out.windblast);
    findOpeningShock(sim, analysis, out.openingShock);
    out.computed = true;
}
