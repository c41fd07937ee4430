#include "tools/vorix-sim/run_point.h"

#include <initializer_list>

#include "sim/playback.h"
#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "tools/vorix-sim/param_table.h"

bool isAttitudeName(const std::string& name) {
    return name == "headingDeg" || name == "pitchDeg" || name == "rollDeg";
}

bool computeRun(Simulation& sim, RunAnalysis& analysis, SpinalSeries* series, const RunSetup& setup,
                const Assignments& extra, std::string& error, ResponseSeries* responses) {
    // A fresh record, as in a new process: nothing of an earlier point's run
    // (event times a run keeps until it senses, for one) carries over.
    renewSimulation(sim);

    setDefaults(sim);
    bool attitudeChanged = setup.home;
    if (setup.home) resetToZeroZero(sim, 0);
    for (const Assignments* list : {&setup.sets, &extra}) {
        for (const auto& a : *list) {
            if (!setParameterByName(sim, a.first, a.second, error)) return false;
            if (isAttitudeName(a.first)) attitudeChanged = true;
        }
    }
    applyRunGeometry(sim, setup.geometry, attitudeChanged);
    // The empty seat's turn comes from the random generator in the program;
    // the tool uses the middle of its range so its output is repeatable.
    startEjection(sim, false, 0, 25);
    analyseRun(sim, analysis, series);
    analyseInjuries(sim, analysis, responses);
    return true;
}
