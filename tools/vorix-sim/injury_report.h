// The injury figures in vorix-sim's output: the dynamic response on the
// three axes with its beta (also for a measured trace), the phase figures,
// the windblast and the opening shock, as JSON fields and as a sweep's
// columns. Figures with a dot in their name are the fields of a JSON object
// ("windblast.peakKpa").
#pragma once

#include "tools/vorix-sim/json_object.h"
#include "tools/vorix-sim/report.h"

struct InjuryFigures;
struct ResponsePeaks;

// drxMax, drxMaxTimeS, drxMin, drxMinTimeS, ... drzMinTimeS, betaLow,
// betaLowTimeS, ... betaHighTimeS.
void addResponseFields(JsonObject& j, const ResponsePeaks& peaks);

// The response fields with the phase that sets each beta, then catapult,
// rocket, windblast and openingShock (null where the phase did not happen).
void addInjuryFields(JsonObject& j, const InjuryFigures& injury);

// The same as flat columns; empty cells when !ok or where the JSON has null.
void addInjuryColumns(const InjuryFigures& injury, bool ok, FigureRow& row);
