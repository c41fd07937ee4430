#include "tools/vorix-sim/sweep.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "tools/vorix-sim/interrupt.h"
#include "tools/vorix-sim/param_table.h"
#include "tools/vorix-sim/progress.h"
#include "tools/vorix-sim/report.h"

namespace {

constexpr long kMaxAxisValues = 10000;

bool parseFinite(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(v)) return false;
    out = v;
    return true;
}

std::string digitsText(double v, int digits) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    return buf;
}

// A simulation with its own trajectory store, one per worker thread. The
// stores are made without clearing them (48 MB for the seat/man samples
// alone): every run writes the samples its readers reach.
struct Worker {
    std::unique_ptr<Trajectory> store{new Trajectory};
    std::unique_ptr<Simulation> sim{new Simulation};
    std::unique_ptr<RunAnalysis> analysis = std::make_unique<RunAnalysis>();
    Worker() {
        store->lastIndex = 0;
        sim->trajectory = store.get();
    }
};

// Points done ahead of the first one not yet handed on, at most: a slow
// point holds back this many rows (a few hundred bytes each) and no more.
constexpr long kReorderWindow = 4096;

// job fills the CSV text of one item; false refuses it (message says why).
using ItemJob = std::function<bool(Worker&, long item, std::string& text, std::string& message)>;

// Runs job for items 0 .. count - 1 on `workers` threads and hands the texts
// to emit in item order as they are done, the calling thread drawing the
// progress. A signal stops the hand-out of new items; the items under way
// are finished and handed on, so the items emitted are always the first ones.
SweepEnd runInOrder(long count, int workers, bool showProgress, const ItemJob& job, const RowEmitter& emit,
                    SweepCount& counted, std::string& error) {
    counted.total = count;
    counted.emitted = 0;
    if (workers < 1) workers = 1;
    if (workers > count) workers = (int)(count > 0 ? count : 1);

    std::mutex lock;
    std::condition_variable changed;
    std::map<long, std::string> ready;  // done, waiting for the items before them
    long next = 0, emitted = 0;
    int running = workers;
    bool stop = false, refused = false;

    auto work = [&](Worker& worker) {
        std::unique_lock<std::mutex> held(lock);
        for (;;) {
            changed.wait(held, [&] { return stop || next - emitted < kReorderWindow; });
            if (stop || next >= count) break;
            const long item = next++;
            held.unlock();
            std::string text, message;
            const bool ok = job(worker, item, text, message);
            held.lock();
            if (ok) {
                ready.emplace(item, std::move(text));
            } else {
                if (!refused) error = message;
                refused = stop = true;
            }
            changed.notify_all();
        }
        --running;
        changed.notify_all();
    };

    std::vector<std::unique_ptr<Worker>> pool;
    for (int w = 0; w < workers; ++w) pool.push_back(std::make_unique<Worker>());
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) threads.emplace_back(work, std::ref(*pool[(size_t)w]));

    Progress progress(count, showProgress);
    bool interrupted = false, outputFailed = false;
    {
        std::unique_lock<std::mutex> held(lock);
        for (;;) {
            changed.wait_for(held, std::chrono::milliseconds(200), [&] {
                return ready.count(emitted) > 0 || running == 0 || (!stop && interruptSignal() != 0);
            });
            if (!stop && interruptSignal() != 0) {
                interrupted = stop = true;
                changed.notify_all();
            }
            std::string batch;
            long taken = 0;
            for (auto it = ready.find(emitted + taken); it != ready.end(); it = ready.find(emitted + taken)) {
                batch += it->second;
                ready.erase(it);
                ++taken;
            }
            if (taken > 0 && !outputFailed) {
                held.unlock();
                const bool written = emit(batch);
                held.lock();
                if (written) {
                    emitted += taken;
                } else {
                    outputFailed = stop = true;
                }
                changed.notify_all();
            }
            progress.update(emitted);
            if (running == 0 && (outputFailed || ready.count(emitted) == 0)) break;
        }
    }
    for (std::thread& t : threads) t.join();
    progress.finish();
    counted.emitted = emitted;
    if (refused) return SweepEnd::Refused;
    if (outputFailed) return SweepEnd::OutputFailed;
    if (interrupted && emitted < count) return SweepEnd::Interrupted;
    return SweepEnd::Done;
}

std::string csvCell(const std::string& s) {
    if (s.find_first_of(",\"\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

bool parseSweepAxis(const std::string& text, SweepAxis& axis, std::string& error) {
    size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = "a sweep needs NAME=FROM:TO:STEP, got '" + text + "'";
        return false;
    }
    axis.name = text.substr(0, eq);
    bool known = false;
    for (const char* const* n = parameterNames(); *n; ++n) known = known || axis.name == *n;
    if (!known || axis.name == "applyGOnFighter") {
        error = "cannot sweep '" + axis.name + "': not a numeric parameter";
        return false;
    }
    const std::string range = text.substr(eq + 1);
    size_t c1 = range.find(':'), c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
    double from, to, step;
    if (c2 == std::string::npos || !parseFinite(range.substr(0, c1), from) ||
        !parseFinite(range.substr(c1 + 1, c2 - c1 - 1), to) || !parseFinite(range.substr(c2 + 1), step)) {
        error = "a sweep needs NAME=FROM:TO:STEP with finite numbers, got '" + text + "'";
        return false;
    }
    if (!(step > 0.0) || to < from) {
        error = "sweep '" + text + "' needs a positive STEP and TO not below FROM";
        return false;
    }
    const double n = std::floor((to - from) / step + 1e-9) + 1.0;
    if (n > kMaxAxisValues) {
        error = "sweep '" + text + "' has more than 10000 values";
        return false;
    }
    axis.values.clear();
    for (long k = 0; k < (long)n; ++k) {
        axis.values.push_back(digitsText(from + k * step, 12));
        std::string why;
        if (!checkParameterValue(axis.name, axis.values.back(), why)) {
            error = "sweep '" + text + "': " + why;
            return false;
        }
    }
    return true;
}

bool checkGrid(const std::vector<SweepAxis>& axes, std::string& error) {
    long points = 1;
    std::string shape;
    for (size_t i = 0; i < axes.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (axes[i].name == axes[j].name) {
                error = "--sweep " + axes[i].name + " is given twice (the second would replace the first)";
                return false;
            }
        }
        points *= (long)axes[i].values.size();
        shape += (i ? " x " : "") + std::to_string(axes[i].values.size());
    }
    if (points > kMaxGridPoints) {
        // A row takes about 200 bytes of CSV.
        char size[32];
        std::snprintf(size, sizeof size, "%.1f GB", (double)points * 200.0 / 1e9);
        error = "the grid of " + std::to_string(points) + " points (" + shape + ") is larger than a sweep runs (" +
                std::to_string(kMaxGridPoints) + " points): its rows would take about " + size;
        return false;
    }
    return true;
}

int defaultWorkerCount() {
    unsigned n = std::thread::hardware_concurrency();
    if (n < 1) n = 1;
    if (n > 8) n = 8;  // each worker holds a 48 MB trajectory store
    return (int)n;
}

SweepEnd sweepCsv(const RunSetup& setup, const std::vector<SweepAxis>& axes, int workers, bool showProgress,
                  const RowEmitter& emit, SweepCount& count, std::string& error, SweepFigures* figures) {
    if (axes.empty() || axes.size() > 2) {
        error = "one or two sweeps";
        return SweepEnd::Refused;
    }
    if (!checkGrid(axes, error)) return SweepEnd::Refused;
    const long inner = axes.size() == 2 ? (long)axes[1].values.size() : 1;
    const long points = (long)axes[0].values.size() * inner;
    const size_t named = figures ? figures->names.size() : 0;
    if (figures) figures->values.assign((size_t)points * named, NAN);
    auto job = [&](Worker& w, long item, std::string& text, std::string& message) {
        Assignments extra;
        extra.emplace_back(axes[0].name, axes[0].values[(size_t)(item / inner)]);
        if (axes.size() == 2) extra.emplace_back(axes[1].name, axes[1].values[(size_t)(item % inner)]);
        if (!computeRun(*w.sim, *w.analysis, nullptr, setup, extra, message)) return false;
        FigureRow cells;
        flatRunFigures(*w.sim, *w.analysis, cells);
        std::string row, head;
        for (const auto& a : extra) {
            row += csvCell(a.second) + ",";
            head += a.first + ",";
        }
        for (size_t k = 0; k < cells.size(); ++k) {
            row += csvCell(cells[k].second) + (k + 1 < cells.size() ? "," : "\n");
            head += std::string(cells[k].first) + (k + 1 < cells.size() ? "," : "\n");
        }
        // Each point's own slots: the workers never share one.
        for (size_t n = 0; n < named; ++n) {
            for (const auto& c : cells) {
                if (figures->names[n] != c.first) continue;
                double v;
                if (parseFinite(c.second, v)) figures->values[(size_t)item * named + n] = v;
            }
        }
        // The header comes with the first row, from the same figures.
        text = item == 0 ? head + row : row;
        return true;
    };
    return runInOrder(points, workers, showProgress, job, emit, count, error);
}

SweepEnd minSafeAltitudes(const RunSetup& setup, const SweepAxis& axis, const SweepAxis* family, int workers,
                          bool showProgress, const RowEmitter& emit, std::vector<SafeAltitude>& out,
                          SweepCount& count, std::string& error) {
    const size_t curves = family ? family->values.size() : 1, perCurve = axis.values.size();
    out.assign(curves * perCurve, SafeAltitude());
    count = SweepCount();
    count.total = (long)out.size();
    if (!emit(safeAltitudeCsvHeader(axis, family))) return SweepEnd::OutputFailed;
    auto job = [&](Worker& w, long item, std::string& text, std::string& message) {
        SafeAltitude& point = out[(size_t)item];
        point.value = axis.values[(size_t)item % perCurve];
        if (family) point.family = family->values[(size_t)item / perCurve];
        bool refused = false;
        auto runAt = [&](double altitudeM) {
            Assignments extra = {{axis.name, point.value}, {"fighterAltitudeM", digitsText(altitudeM, 17)}};
            if (family) extra.insert(extra.begin(), {family->name, point.family});
            ++point.runs;
            if (!computeRun(*w.sim, *w.analysis, nullptr, setup, extra, message)) {
                refused = true;
                return false;
            }
            return runFailure(*w.sim).empty() && w.analysis->chuteOpenBeforeTouchdown;
        };
        // Bracket the lowest safe altitude, doubling from 50 m, then halve
        // the bracket down to 0.5 m.
        double lo = 0.0, hi = 0.0;
        if (!runAt(0.0)) {
            if (refused) return false;
            hi = 50.0;
            while (!runAt(hi)) {
                if (refused) return false;
                lo = hi;
                hi *= 2.0;
                if (hi > kSafeAltitudeCeilingM) {  // not found
                    text = safeAltitudeCsvRow(point);
                    return true;
                }
            }
            while (hi - lo > 0.5) {
                const double mid = (lo + hi) / 2.0;
                if (runAt(mid)) hi = mid;
                else if (refused) return false;
                else lo = mid;
            }
            runAt(hi);  // the figures of the run at the result
        }
        const Simulation& sim = *w.sim;
        const RunAnalysis& a = *w.analysis;
        point.found = true;
        point.altitudeM = hi;
        point.mode = sim.sequencerRun.modeSensed ? sim.times.seqMode : 0;
        point.dri = a.dri;
        point.fullyOpenHeightM = a.fullyOpenHeightM;
        point.touchdownTimeS = a.touchdown.reached ? a.touchdown.timeS : NAN;
        text = safeAltitudeCsvRow(point);
        return true;
    };
    return runInOrder(count.total, workers, showProgress, job, emit, count, error);
}

std::string safeAltitudeCsvHeader(const SweepAxis& axis, const SweepAxis* family) {
    return (family ? family->name + "," : std::string()) + axis.name +
           ",minSafeAltitudeM,seqMode,dri,fullyOpenHeightM,touchdownTimeS,runs\n";
}

std::string safeAltitudeCsvRow(const SafeAltitude& p) {
    std::string csv = (p.family.empty() ? std::string() : csvCell(p.family) + ",") + csvCell(p.value) + ",";
    if (p.found) {
        csv += jsonNumber(p.altitudeM) + "," + std::to_string(p.mode) + "," + jsonNumber(p.dri) + "," +
               jsonNumber(p.fullyOpenHeightM) + "," +
               (std::isfinite(p.touchdownTimeS) ? jsonNumber(p.touchdownTimeS) : std::string());
    } else {
        csv += ",,,,";
    }
    return csv + "," + std::to_string(p.runs) + "\n";
}
