// The minimum-safe-altitude curve as an SVG chart: labelled axes, the curve,
// each point coloured by the operating mode its run sensed, and a legend.
#pragma once

#include <string>
#include <vector>

#include "tools/vorix-sim/sweep.h"

// A readable axis label for a parameter name ("Sink rate (ft/s)").
std::string parameterLabel(const std::string& name);

// subtitle: the conditions every point shares.
std::string safeAltitudeSvg(const SweepAxis& axis, const std::vector<SafeAltitude>& points,
                            const std::string& subtitle);
