// What the tool takes in and gives out: parameter values it refuses, the
// grids it runs, its numbers read back bit for bit, and a sweep's rows handed
// on in grid order (and kept when it is stopped).
#include <gtest/gtest.h>

#include <signal.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "sim/spine_model.h"
#include "tools/vorix-sim/interrupt.h"
#include "tools/vorix-sim/output_file.h"
#include "tools/vorix-sim/param_table.h"
#include "tools/vorix-sim/progress.h"
#include "tools/vorix-sim/report.h"
#include "tools/vorix-sim/run_geometry.h"
#include "tools/vorix-sim/run_point.h"
#include "tools/vorix-sim/sweep.h"

namespace {

std::string refusal(const std::string& name, const std::string& value) {
    std::string error;
    return checkParameterValue(name, value, error) ? std::string("accepted") : error;
}

TEST(ToolValues, ValuesNoSeatCanHaveAreRefusedWithTheRange) {
    EXPECT_EQ(refusal("mainChuteDiameterM", "-7"), "mainChuteDiameterM must be from 0 to 30 m, got '-7'");
    EXPECT_EQ(refusal("pilotMassKg", "-80"), "pilotMassKg must be from 0 to 1000 kg, got '-80'");
    EXPECT_EQ(refusal("mainChuteCd", "1e15"), "mainChuteCd must be from 0 to 10, got '1e15'");
    EXPECT_EQ(refusal("initialTasKt", "5000"), "initialTasKt must be from 0 to 3400 kt, got '5000'");
    EXPECT_EQ(refusal("countdownS", "-1"), "countdownS must be from 0 to 600 s, got '-1'");
    EXPECT_EQ(refusal("fighterAltitudeM", "-5"), "fighterAltitudeM must be at least 0 m, got '-5'");
    for (const char* name : {"seatMassKg", "gearMassKg", "canopyMassKg", "drogueCd", "seatManCd", "drogueDiameterM",
                             "catapultThrustLb", "rocketThrustLb", "canopyRocketThrustLb", "rocketBurnTimeS",
                             "canopyRocketBurnTimeS", "canopyDelayS", "catapultOnsetRate", "rocketOnsetRate"})
        EXPECT_NE(refusal(name, "-0.5").find(std::string(name) + " must be from 0 to "), std::string::npos) << name;
    EXPECT_NE(refusal("seatManCd", "1e30"), "accepted");
    EXPECT_NE(refusal("sinkRateFtS", "3001"), "accepted");
    // Angles and the unit-free offset take any finite value.
    for (const char* name : {"cgOffsetZ", "headingDeg", "pitchDeg", "rollDeg", "seatBackAngleDeg", "canopyMaxPitchDeg"})
        EXPECT_EQ(refusal(name, "-1000"), "accepted") << name;
}

// Every value the program starts with, HOME sets or a CONTROL spinner
// reaches is one the tool computes.
TEST(ToolValues, TheProgramsOwnValuesAreAccepted) {
    const std::map<std::string, std::vector<const char*>> values = {
        {"cgOffsetZ", {"-0.33", "-0.43", "-10", "10"}},
        {"seatBackAngleDeg", {"18", "-45", "45", "350"}},
        {"catapultOnsetRate", {"108", "10", "3000"}},
        {"rocketOnsetRate", {"150", "120", "10", "3000"}},
        {"sinkRateFtS", {"0", "3000"}},
        {"catapultThrustLb", {"7900", "8400", "466.1", "35000"}},
        {"rocketThrustLb", {"4500", "4800", "0", "35000"}},
        {"canopyRocketThrustLb", {"1700", "0", "5000"}},
        {"seatMassKg", {"103.42", "15", "300"}},
        {"pilotMassKg", {"73", "15", "300"}},
        {"gearMassKg", {"35", "0", "70"}},
        {"canopyMassKg", {"80", "10", "250"}},
        {"mainChuteCd", {"1.56", "1.55", "0.01", "5"}},
        {"drogueCd", {"1.23", "0.01", "5"}},
        {"seatManCd", {"1.05", "0.01", "5"}},
        {"mainChuteDiameterM", {"5.8", "4", "8"}},
        {"drogueDiameterM", {"0.702", "0.3", "2"}},
        {"rocketBurnTimeS", {"0.25", "0", "30"}},
        {"canopyRocketBurnTimeS", {"0.2", "0", "2"}},
        {"countdownS", {"0.3", "65"}},
        {"playSpeedDivisor", {"1", "30"}},
        {"initialTasKt", {"0", "3400"}},
        {"canopyMaxPitchDeg", {"85", "0", "150"}},
        {"canopyDelayS", {"0.30000001192092896", "0", "2"}},
        {"applyGOnFighter", {"0", "1", "on", "off"}},
        {"headingDeg", {"0", "360"}},
        {"pitchDeg", {"0", "360"}},
        {"rollDeg", {"0", "360"}},
        {"fighterAltitudeM", {"5", "0", "2000000"}},
    };
    size_t names = 0;
    for (const char* const* n = parameterNames(); *n; ++n, ++names) {
        auto it = values.find(*n);
        ASSERT_NE(it, values.end()) << *n << " has no values here";
        for (const char* v : it->second) EXPECT_EQ(refusal(*n, v), "accepted") << *n << "=" << v;
    }
    EXPECT_EQ(names, values.size());
}

TEST(ToolValues, NumbersTooSmallOrTooLargeForTheFieldAreCalledSo) {
    EXPECT_EQ(refusal("cgOffsetZ", "1e-400"),
              "value '1e-400' for cgOffsetZ is too small for a 32-bit float (the smallest is 1.17549435e-38)");
    EXPECT_EQ(refusal("countdownS", "1e-400"),
              "value '1e-400' for countdownS is too small for a 64-bit float (the smallest is 2.2250738585072014e-308)");
    EXPECT_NE(refusal("cgOffsetZ", "1e-40").find("too small for a 32-bit float"), std::string::npos);
    EXPECT_EQ(refusal("cgOffsetZ", "1e39"), "value '1e39' for cgOffsetZ is too large for a 32-bit float");
    EXPECT_EQ(refusal("fighterAltitudeM", "1e400"), "value '1e400' for fighterAltitudeM is too large for a 64-bit float");
    for (const char* v : {"inf", "-inf", "nan"})
        EXPECT_EQ(refusal("cgOffsetZ", v), std::string("value '") + v + "' for cgOffsetZ is not a finite number");
    for (const char* v : {"", "fast", "12x", "1e"})
        EXPECT_EQ(refusal("cgOffsetZ", v), std::string("value '") + v + "' for cgOffsetZ is not a number");
    for (const char* v : {"0", "-0", "0.0", "1.2e-38"}) EXPECT_EQ(refusal("cgOffsetZ", v), "accepted") << v;
    EXPECT_EQ(refusal("countdownS", "1e-300"), "accepted");
    EXPECT_EQ(refusal("noSuchField", "1"), "unknown parameter 'noSuchField'");
}

TEST(ToolValues, SweepsAreCheckedBeforeAnythingRuns) {
    SweepAxis a, b;
    std::string error;
    EXPECT_FALSE(parseSweepAxis("mainChuteDiameterM=-10:10:1", a, error));
    EXPECT_EQ(error, "sweep 'mainChuteDiameterM=-10:10:1': mainChuteDiameterM must be from 0 to 30 m, got '-10'");
    EXPECT_FALSE(parseSweepAxis("initialTasKt=3000:4000:500", a, error));
    EXPECT_NE(error.find("got '3500'"), std::string::npos) << error;

    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:100:50", a, error)) << error;
    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:200:200", b, error)) << error;
    EXPECT_FALSE(checkGrid({a, b}, error));
    EXPECT_EQ(error, "--sweep initialTasKt is given twice (the second would replace the first)");

    // 10000 x 10000 is refused with its size; the largest grid runs.
    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:999.9:0.1", a, error)) << error;
    ASSERT_TRUE(parseSweepAxis("sinkRateFtS=0:999.9:0.1", b, error)) << error;
    ASSERT_EQ(a.values.size(), 10000u);
    EXPECT_FALSE(checkGrid({a, b}, error));
    EXPECT_EQ(error, "the grid of 100000000 points (10000 x 10000) is larger than a sweep runs (10000000 points): "
                     "its rows would take about 20.0 GB");
    ASSERT_TRUE(parseSweepAxis("sinkRateFtS=0:999:1", b, error)) << error;
    EXPECT_TRUE(checkGrid({a, b}, error)) << error;
    b.values.push_back("1000");
    EXPECT_FALSE(checkGrid({a, b}, error));
}

TEST(ToolValues, ProgressSaysHowFarAndHowLong) {
    EXPECT_EQ(progressText(0, 60701, 0.0), "0 of 60701 points (0%)");
    EXPECT_EQ(progressText(25, 100, 10.0), "25 of 100 points (25%), about 30 s left");
    EXPECT_EQ(progressText(50, 100, 200.0), "50 of 100 points (50%), about 3 min 20 s left");
    EXPECT_EQ(progressText(1, 1000000, 3.6), "1 of 1000000 points (0%), about 999 h 59 min left");
    EXPECT_EQ(progressText(100, 100, 5.0), "100 of 100 points (100%)");
}

// --- numbers read back --------------------------------------------------

// The JSON summary as flat "path" -> text of the value ("landing.x").
void flatten(const std::string& json, size_t& at, const std::string& prefix, std::map<std::string, std::string>& out) {
    ASSERT_EQ(json[at], '{');
    ++at;
    while (at < json.size() && json[at] != '}') {
        if (json[at] == ',') ++at;
        ASSERT_EQ(json[at], '"');
        const size_t keyEnd = json.find('"', at + 1);
        const std::string key = prefix + json.substr(at + 1, keyEnd - at - 1);
        at = keyEnd + 1;
        ASSERT_EQ(json[at], ':');
        ++at;
        if (json[at] == '{') {
            flatten(json, at, key + ".", out);
        } else if (json[at] == '"') {
            size_t end = at + 1;
            while (json[end] != '"') end += json[end] == '\\' ? 2 : 1;
            out[key] = json.substr(at, end + 1 - at);
            at = end + 1;
        } else {
            const size_t end = json.find_first_of(",}", at);
            out[key] = json.substr(at, end - at);
            at = end;
        }
    }
    ++at;
}

// The text reads back, at the field's own width, to the very bits held.
template <typename T>
::testing::AssertionResult readsBack(const std::string& text, T held) {
    char* end = nullptr;
    T back;
    if (std::is_same<T, float>::value) back = (T)std::strtof(text.c_str(), &end);
    else back = (T)std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') return ::testing::AssertionFailure() << "'" << text << "' is not a number";
    if (std::memcmp(&back, &held, sizeof held) != 0)
        return ::testing::AssertionFailure() << "'" << text << "' reads back as " << back << ", held "
                                             << std::hexfloat << held;
    // Shortest: no text with a digit less reads back (a float needs at most
    // 9 significant digits, a double 17).
    size_t digits = 0;
    bool leading = true;  // zeros before the first other digit do not count
    for (char c : text.substr(0, text.find_first_of("eE"))) {
        if (!std::isdigit((unsigned char)c)) continue;
        leading = leading && c == '0';
        if (!leading) ++digits;
    }
    const size_t most = std::is_same<T, float>::value ? 9 : 17;
    if (digits > most) return ::testing::AssertionFailure() << "'" << text << "' has " << digits << " digits";
    return ::testing::AssertionSuccess();
}

class FieldCheck {
public:
    explicit FieldCheck(const std::map<std::string, std::string>& fields) : fields_(fields) {}
    template <typename T>
    void expect(const std::string& key, T held) {
        checked_.insert(key);
        auto it = fields_.find(key);
        // A part of an object that is null in this run ("landing.x").
        const size_t dot = key.find('.');
        if (it == fields_.end() && dot != std::string::npos) {
            auto parent = fields_.find(key.substr(0, dot));
            if (parent != fields_.end() && parent->second == "null") return;
        }
        // An object that is there in this run has no text of its own.
        if (it == fields_.end() && dot == std::string::npos && hasPart(key)) return;
        ASSERT_NE(it, fields_.end()) << key;
        if (it->second == "null") return;
        EXPECT_TRUE(readsBack(it->second, held)) << key;
        ++numbers_;
    }
    // Every numeric field of the JSON was checked.
    void expectAllChecked() const {
        for (const auto& f : fields_) {
            const bool numeric = f.second != "true" && f.second != "false" && f.second[0] != '"';
            if (numeric) {
                EXPECT_TRUE(checked_.count(f.first)) << f.first << " = " << f.second << " not checked";
            }
        }
    }
    int numbers() const { return numbers_; }

private:
    bool hasPart(const std::string& key) const {
        auto it = fields_.lower_bound(key + ".");
        return it != fields_.end() && it->first.rfind(key + ".", 0) == 0;
    }

    const std::map<std::string, std::string>& fields_;
    std::set<std::string> checked_;
    int numbers_ = 0;
};

struct ToolRun {
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>();
    std::unique_ptr<RunAnalysis> analysis = std::make_unique<RunAnalysis>();
    std::unique_ptr<SpinalSeries> spine = std::make_unique<SpinalSeries>();
    std::unique_ptr<ResponseSeries> response = std::make_unique<ResponseSeries>();
    GeometryUsed geometry;
    RunReport report;
};

void computeToolRun(ToolRun& run, bool home, const Assignments& sets) {
    GeometryChoice choice;
    std::string error;
    ASSERT_TRUE(loadRunModel(choice, run.geometry, error)) << error;
    RunSetup setup;
    setup.home = home;
    setup.sets = sets;
    setup.geometry = run.geometry;
    ASSERT_TRUE(computeRun(*run.sim, *run.analysis, run.spine.get(), setup, Assignments(), error, run.response.get()))
        << error;
    run.report = buildRunReport(*run.sim, *run.analysis, run.geometry);
    ASSERT_TRUE(run.report.error.empty()) << run.report.error;
}

// Each figure is printed at the width it is held in, as the shortest text
// that gives its bits back: the default, the zero-zero and a mode 2 run.
TEST(ToolValues, EveryFigureReadsBackToTheHeldBits) {
    struct Case {
        const char* what;
        bool home;
        Assignments sets;
        int mode;
    };
    const Case cases[] = {
        {"default", false, {}, 1},
        {"zero-zero", true, {}, 1},
        {"mode 2", false, {{"initialTasKt", "420"}, {"fighterAltitudeM", "1500"}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolRun run;
        computeToolRun(run, c.home, c.sets);
        const Simulation& s = *run.sim;
        const RunAnalysis& a = *run.analysis;
        std::map<std::string, std::string> fields;
        size_t at = 0;
        flatten(run.report.json, at, "", fields);
        EXPECT_EQ(fields["seqMode"], std::to_string(c.mode));

        FieldCheck f(fields);
        f.expect("catapultPhaseTimeS", s.derived.catapultPhaseTimeS);
        f.expect("catapultEndSpeedFtS", s.derived.catapultEndSpeedFtS);
        f.expect("catapultG", s.derived.catapultG);
        f.expect("gravityG", s.derived.gravityG);
        f.expect("rocketG", s.derived.rocketG);
        f.expect("maxDragG", s.derived.maxDragG);
        f.expect("maxDragTimeS", s.run.largestDragTimeS);
        f.expect("seqMode", (double)s.times.seqMode);
        f.expect("tRocketFire", s.times.tRocketFire);
        f.expect("tDrogueFire", s.times.tDrogueFire);
        f.expect("tMainFire", s.times.tMainFire);
        f.expect("tDrogueRelease", s.times.tDrogueRelease);
        f.expect("tSeparationEnable", s.times.tSeparationEnable);
        f.expect("tSeatManSeparation", s.times.tSeatManSeparation);
        f.expect("tLineStretch", s.times.tLineStretch);
        f.expect("landing", 0.0);  // null or an object
        for (int k = 0; k < 3; ++k) f.expect(std::string("landing.") + "xyz"[k], s.run.landingP[k]);
        f.expect("landing.t", s.run.landingTimeS);
        f.expect("apexHeightM", s.run.apexHeightM);
        f.expect("lastSampleTimeS", s.trajectory->lastIndex * 0.001);
        f.expect("mainChuteFullyOpenTauS", s.mainChute.fullyOpenTime);
        f.expect("canopyReleaseTimeS", s.canopy.releaseTime);
        f.expect("emptySeatLanding", 0.0f);
        f.expect("touchdown", 0.0);
        f.expect("emptySeatLanding.x", s.emptySeat.landingPosition.x);
        f.expect("emptySeatLanding.y", s.emptySeat.landingPosition.y);
        f.expect("emptySeatLanding.z", s.emptySeat.landingPosition.z);
        f.expect("dri", a.dri);
        f.expect("driTimeS", a.driTimeS);
        f.expect("driLimit", kDriLimit);
        f.expect("fullyOpenTimeS", a.fullyOpenTimeS);
        f.expect("fullyOpenHeightM", a.fullyOpenHeightM);
        f.expect("touchdown.timeS", a.touchdown.timeS);
        f.expect("touchdown.verticalSpeedMs", a.touchdown.verticalSpeedMs);
        f.expect("touchdown.horizontalSpeedMs", a.touchdown.horizontalSpeedMs);
        f.expect("touchdown.x", a.touchdown.position[0]);
        f.expect("touchdown.y", a.touchdown.position[1]);
        f.expect("geometry.mountingHeightM", s.runMountingHeightM);
        f.expect("geometry.canopyMountPitchDeg", s.geometry.canopyMountAnglesDeg.y);
        const InjuryFigures& j = a.injury;
        for (int k = 0; k < 3; ++k) {
            const std::string axis = std::string("dr") + "xyz"[k];
            f.expect(axis + "Max", j.response.plus[k].value);
            f.expect(axis + "MaxTimeS", j.response.plus[k].timeS);
            f.expect(axis + "Min", j.response.minus[k].value);
            f.expect(axis + "MinTimeS", j.response.minus[k].timeS);
        }
        const char* const levels[3] = {"betaLow", "betaModerate", "betaHigh"};
        for (int k = 0; k < 3; ++k) {
            f.expect(levels[k], j.response.beta[k].value);
            f.expect(std::string(levels[k]) + "TimeS", j.response.beta[k].timeS);
            EXPECT_EQ(fields[std::string(levels[k]) + "Phase"], std::string("\"catapult\""));
        }
        f.expect("responseEndS", j.responseEndS);
        f.expect("catapult.peakG", j.catapult.g);
        f.expect("catapult.timeS", j.catapult.timeS);
        f.expect("rocket.peakG", j.rocket.g);
        f.expect("rocket.timeS", j.rocket.timeS);
        f.expect("windblast.peakKpa", j.windblast.peakKpa);
        f.expect("windblast.peakKeas", j.windblast.peakKeas);
        f.expect("windblast.peakTimeS", j.windblast.peakTimeS);
        f.expect("windblast.exposureKpa", j.windblast.exposureKpa);
        f.expect("windblast.exposureKeas", j.windblast.exposureKeas);
        f.expect("windblast.exposureTimeS", j.windblast.exposureTimeS);
        f.expect("openingShock.peakG", j.openingShock.g);
        f.expect("openingShock.timeS", j.openingShock.timeS);
        // The spine's own model on the same input: DRz+ is the DRI.
        EXPECT_EQ(fields["drzMax"], fields["dri"]);
        f.expectAllChecked();
        EXPECT_GE(f.numbers(), 30);
        // A float prints as a float: the catapult's phase time as the page
        // shows it; a double as a double, though it came from a float.
        if (!c.home) {
            EXPECT_EQ(fields["catapultPhaseTimeS"], "0.178");
            EXPECT_EQ(fields["tDrogueFire"], "0.21800000309944154");
        }
    }
}

// The per-millisecond CSV: every cell reads back to the stored sample.
TEST(ToolValues, TheTrajectoryCsvReadsBackToTheSamples) {
    ToolRun run;
    computeToolRun(run, false, {{"initialTasKt", "420"}, {"fighterAltitudeM", "1500"}});
    char pattern[] = "/tmp/vorix-tool-csv-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string path = std::string(pattern) + "/run.csv";
    OutputFile out;
    std::string error;
    ASSERT_TRUE(out.open(path, error)) << error;
    ASSERT_TRUE(writeTrajectoryCsv(*run.sim, *run.spine, *run.response, out, error)) << error;

    const Trajectory& tr = *run.sim->trajectory;
    FILE* f = std::fopen(path.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char line[1024];
    ASSERT_NE(std::fgets(line, sizeof line, f), nullptr);
    EXPECT_EQ(std::string(line), std::string(kTrajectoryCsvHeader) + "\n");
    const ResponseSeries& r = *run.response;
    ASSERT_GT(r.count, 1000);
    int i = 0, mismatches = 0;
    while (std::fgets(line, sizeof line, f)) {
        ++i;
        std::vector<std::string> cells;
        std::stringstream row(std::string(line, std::strcspn(line, "\n")) + ",");
        for (std::string c; std::getline(row, c, ',');) cells.push_back(c);
        ASSERT_EQ(cells.size(), 22u) << line;
        // The three axes over the seat/man phase, empty after it.
        const float* axes[] = {r.inputG[0], r.inputG[1], r.plus[0], r.minus[0], r.plus[1],
                               r.minus[1],  r.plus[2],  r.minus[2], r.betaLow};
        for (int k = 0; k < 9; ++k) {
            if (i < r.count) mismatches += readsBack(cells[(size_t)k + 13], axes[k][i]) ? 0 : 1;
            else mismatches += cells[(size_t)k + 13].empty() ? 0 : 1;
        }
        const double* columns[] = {tr.px, tr.py, tr.pz, tr.vx, tr.vy, tr.vz, tr.ax, tr.ay, tr.az};
        for (int k = 0; k < 9; ++k) mismatches += readsBack(cells[(size_t)k + 1], columns[k][i]) ? 0 : 1;
        EXPECT_EQ(cells[10], std::to_string((int)tr.phase[i]));
        const bool spinal = i < run.spine->count;
        mismatches += readsBack(cells[11], spinal ? run.spine->inputG[i] : 0.0f) ? 0 : 1;
        mismatches += readsBack(cells[12], spinal ? run.spine->responseG[i] : 0.0f) ? 0 : 1;
    }
    std::fclose(f);
    EXPECT_EQ(i, tr.lastIndex);
    EXPECT_EQ(mismatches, 0);
    std::system(("rm -rf '" + std::string(pattern) + "'").c_str());
}

// --- rows in grid order --------------------------------------------------

struct Collected {
    std::vector<std::string> batches;
    std::string text;
};

RowEmitter collectInto(Collected& c, const std::function<bool(Collected&)>& after = nullptr) {
    return [&c, after](const std::string& rows) {
        c.batches.push_back(rows);
        c.text += rows;
        return after ? after(c) : true;
    };
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream s(text);
    for (std::string l; std::getline(s, l);) out.push_back(l);
    return out;
}

RunSetup noModelSetup() {
    RunSetup setup;
    setup.sets = {{"fighterAltitudeM", "30"}};
    return setup;
}

TEST(ToolValues, SweepRowsComeInGridOrderWhateverTheWorkers) {
    SweepAxis a, b;
    std::string error;
    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:600:50", a, error));
    ASSERT_TRUE(parseSweepAxis("sinkRateFtS=0:20:10", b, error));
    Collected one, three;
    SweepCount count;
    ASSERT_EQ(sweepCsv(noModelSetup(), {a, b}, 1, false, collectInto(one), count, error), SweepEnd::Done) << error;
    EXPECT_EQ(count.emitted, 13 * 3);
    ASSERT_EQ(sweepCsv(noModelSetup(), {a, b}, 3, false, collectInto(three), count, error), SweepEnd::Done) << error;
    EXPECT_EQ(three.text, one.text);
    // Whole rows in every batch; the header first, then the grid, first axis outer.
    for (const std::string& batch : three.batches) EXPECT_EQ(batch.back(), '\n');
    const std::vector<std::string> rows = lines(three.text);
    ASSERT_EQ(rows.size(), 1u + 13 * 3);
    EXPECT_EQ(rows[0].rfind("initialTasKt,sinkRateFtS,seqMode,", 0), 0u);
    for (size_t i = 0; i < 13 * 3; ++i)
        EXPECT_EQ(rows[i + 1].rfind(a.values[i / 3] + "," + b.values[i % 3] + ",", 0), 0u) << rows[i + 1];
}

// A signal stops the sweep: the runs under way finish, and what was handed
// on is the header and the first rows of the grid, whole.
TEST(ToolValues, AStoppedSweepHandsOnTheFirstRowsWhole) {
    SweepAxis a;
    std::string error;
    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:3000:1", a, error));
    Collected got;
    SweepCount count;
    auto stopAfterFirst = [](Collected&) {
        requestInterrupt(SIGINT);
        return true;
    };
    const SweepEnd end = sweepCsv(noModelSetup(), {a}, 2, false, collectInto(got, stopAfterFirst), count, error);
    requestInterrupt(0);
    ASSERT_EQ(end, SweepEnd::Interrupted);
    EXPECT_EQ(count.total, 3001);
    EXPECT_GE(count.emitted, 1);
    EXPECT_LT(count.emitted, 100);
    const std::vector<std::string> rows = lines(got.text);
    ASSERT_EQ((long)rows.size(), 1 + count.emitted);
    for (long i = 0; i < count.emitted; ++i)
        EXPECT_EQ(rows[(size_t)i + 1].rfind(a.values[(size_t)i] + ",", 0), 0u) << rows[(size_t)i + 1];
}

// An output that fails stops the sweep; nothing more is handed to it.
TEST(ToolValues, AFailedOutputStopsTheSweep) {
    SweepAxis a;
    std::string error;
    ASSERT_TRUE(parseSweepAxis("initialTasKt=0:3000:1", a, error));
    Collected got;
    SweepCount count;
    auto failAtOnce = [](Collected&) { return false; };
    EXPECT_EQ(sweepCsv(noModelSetup(), {a}, 2, false, collectInto(got, failAtOnce), count, error),
              SweepEnd::OutputFailed);
    EXPECT_EQ(got.batches.size(), 1u);
    EXPECT_EQ(count.emitted, 0);
}

TEST(ToolValues, MinimumSafeAltitudeRowsComeInOrder) {
    SweepAxis a;
    std::string error;
    ASSERT_TRUE(parseSweepAxis("sinkRateFtS=0:60:20", a, error));
    Collected got;
    SweepCount count;
    std::vector<SafeAltitude> points;
    RunSetup setup;
    ASSERT_EQ(minSafeAltitudes(setup, a, nullptr, 2, false, collectInto(got), points, count, error), SweepEnd::Done)
        << error;
    const std::vector<std::string> rows = lines(got.text);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "sinkRateFtS,minSafeAltitudeM,seqMode,dri,fullyOpenHeightM,touchdownTimeS,runs");
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i + 1] + "\n", safeAltitudeCsvRow(points[i]));
        EXPECT_EQ(points[i].value, a.values[i]);
    }
}

// A family of curves: each curve is the search with its value set, its
// value leading the rows.
TEST(ToolValues, EachCurveOfAFamilyIsItsOwnSearch) {
    SweepAxis a, family;
    std::string error;
    ASSERT_TRUE(parseSweepAxis("sinkRateFtS=20:40:20", a, error));
    ASSERT_TRUE(parseSweepAxis("pilotMassKg=47:111:64", family, error));
    Collected got;
    SweepCount count;
    std::vector<SafeAltitude> points;
    ASSERT_EQ(minSafeAltitudes(RunSetup(), a, &family, 2, false, collectInto(got), points, count, error),
              SweepEnd::Done)
        << error;
    const std::vector<std::string> rows = lines(got.text);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "pilotMassKg,sinkRateFtS,minSafeAltitudeM,seqMode,dri,fullyOpenHeightM,touchdownTimeS,runs");
    for (size_t c = 0; c < 2; ++c) {
        RunSetup one;
        one.sets = {{"pilotMassKg", family.values[c]}};
        Collected single;
        std::vector<SafeAltitude> alone;
        ASSERT_EQ(minSafeAltitudes(one, a, nullptr, 1, false, collectInto(single), alone, count, error),
                  SweepEnd::Done);
        const std::vector<std::string> expected = lines(single.text);
        for (size_t i = 0; i < 2; ++i) EXPECT_EQ(rows[1 + c * 2 + i], family.values[c] + "," + expected[1 + i]);
    }
    // The heavier occupant needs more height at 40 ft/s.
    EXPECT_GT(points[3].altitudeM, points[1].altitudeM);
}

}  // namespace
