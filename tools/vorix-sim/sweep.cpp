#include "tools/vorix-sim/sweep.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "tools/vorix-sim/param_table.h"
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

std::string numberText(double v, int digits) {
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

// Runs job(worker, item) for items 0 .. count - 1 on `workers` threads.
// A job returning false stops the others; its message is kept.
bool forEachItem(long count, int workers, const std::function<bool(Worker&, long, std::string&)>& job,
                 std::string& error) {
    if (workers < 1) workers = 1;
    if (workers > count) workers = (int)(count > 0 ? count : 1);
    std::vector<std::unique_ptr<Worker>> pool;
    for (int w = 0; w < workers; ++w) pool.push_back(std::make_unique<Worker>());
    std::atomic<long> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorLock;
    auto work = [&](Worker& worker) {
        for (;;) {
            if (failed) return;
            long item = next++;
            if (item >= count) return;
            std::string message;
            if (!job(worker, item, message)) {
                std::lock_guard<std::mutex> lock(errorLock);
                if (!failed) error = message;
                failed = true;
                return;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(work, std::ref(*pool[w]));
    work(*pool[0]);
    for (std::thread& t : threads) t.join();
    return !failed;
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
    for (long k = 0; k < (long)n; ++k) axis.values.push_back(numberText(from + k * step, 12));
    return true;
}

int defaultWorkerCount() {
    unsigned n = std::thread::hardware_concurrency();
    if (n < 1) n = 1;
    if (n > 8) n = 8;  // each worker holds a 48 MB trajectory store
    return (int)n;
}

bool sweepCsv(const RunSetup& setup, const std::vector<SweepAxis>& axes, int workers, std::string& csv,
              std::string& error) {
    if (axes.empty() || axes.size() > 2) {
        error = "one or two sweeps";
        return false;
    }
    const long inner = axes.size() == 2 ? (long)axes[1].values.size() : 1;
    const long count = (long)axes[0].values.size() * inner;
    std::vector<std::string> rows((size_t)count);
    std::string header;
    std::mutex headerLock;
    bool ok = forEachItem(count, workers, [&](Worker& w, long item, std::string& message) {
        Assignments extra;
        extra.emplace_back(axes[0].name, axes[0].values[(size_t)(item / inner)]);
        if (axes.size() == 2) extra.emplace_back(axes[1].name, axes[1].values[(size_t)(item % inner)]);
        if (!computeRun(*w.sim, *w.analysis, nullptr, setup, extra, message)) return false;
        FigureRow figures;
        flatRunFigures(*w.sim, *w.analysis, figures);
        std::string row, head;
        for (const auto& a : extra) {
            row += csvCell(a.second) + ",";
            head += a.first + ",";
        }
        for (size_t k = 0; k < figures.size(); ++k) {
            row += csvCell(figures[k].second) + (k + 1 < figures.size() ? "," : "\n");
            head += std::string(figures[k].first) + (k + 1 < figures.size() ? "," : "\n");
        }
        rows[(size_t)item] = row;
        if (item == 0) {
            std::lock_guard<std::mutex> lock(headerLock);
            header = head;
        }
        return true;
    }, error);
    if (!ok) return false;
    csv = header;
    for (const std::string& r : rows) csv += r;
    return true;
}

bool minSafeAltitudes(const RunSetup& setup, const SweepAxis& axis, int workers, std::vector<SafeAltitude>& out,
                      std::string& error) {
    out.assign(axis.values.size(), SafeAltitude());
    return forEachItem((long)axis.values.size(), workers, [&](Worker& w, long item, std::string& message) {
        SafeAltitude& point = out[(size_t)item];
        point.value = axis.values[(size_t)item];
        bool refused = false;
        auto runAt = [&](double altitudeM) {
            Assignments extra = {{axis.name, point.value}, {"fighterAltitudeM", numberText(altitudeM, 17)}};
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
                if (hi > kSafeAltitudeCeilingM) return true;  // not found
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
        return true;
    }, error);
}

std::string safeAltitudeCsv(const SweepAxis& axis, const std::vector<SafeAltitude>& points) {
    std::string csv = axis.name + ",minSafeAltitudeM,seqMode,dri,fullyOpenHeightM,touchdownTimeS,runs\n";
    for (const SafeAltitude& p : points) {
        csv += csvCell(p.value) + ",";
        if (p.found) {
            csv += jsonNumber(p.altitudeM) + "," + std::to_string(p.mode) + "," + jsonNumber(p.dri) + "," +
                   jsonNumber(p.fullyOpenHeightM) + "," +
                   (std::isfinite(p.touchdownTimeS) ? jsonNumber(p.touchdownTimeS) : std::string());
        } else {
            csv += ",,,,";
        }
        csv += "," + std::to_string(p.runs) + "\n";
    }
    return csv;
}
