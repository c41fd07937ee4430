// vorix-sim's SVG charts: the minimum-safe-altitude curve (or a family of
// them), each point coloured by the operating mode its run sensed, and any
// sweep's figures against the swept parameter, one panel a figure with its
// limits dashed. Labelled axes and a legend on each.
#pragma once

#include <string>
#include <vector>

#include "tools/vorix-sim/sweep.h"

// A readable axis label for a parameter name ("Sink rate (ft/s)").
std::string parameterLabel(const std::string& name);

// points in curve order, one curve a value of `family` (no family: one
// curve); subtitle: the conditions every point shares.
std::string safeAltitudeSvg(const SweepAxis& axis, const SweepAxis* family, const std::vector<SafeAltitude>& points,
                            const std::string& subtitle);

// The sweep's chosen figures against its first axis, a curve for each value
// of its second axis when there is one.
std::string sweepFiguresSvg(const std::vector<SweepAxis>& axes, const SweepFigures& figures,
                            const std::string& subtitle);
