// Every value the user sets for a run, in one table: the SimParams fields,
// "Apply G on Fighter", the fighter's attitude and its position. A row says
// where the value lives, its start-up, HOME and DEFAULT values, its row and
// spinner on the CONTROL page, its number(s) in a scene preset's line and the
// name and physical range vorix-sim takes it with. The start-up and HOME
// resets, the CONTROL page and DEFAULT, the scene presets and the tools all
// read this table; a new parameter is a new row here plus the physics that
// uses it.
#pragma once

#include <cstdint>
#include <limits>

#include "sim/sim_records.h"

// Where a value lives: a field of SimParams, FighterAttitude or
// FighterPosition, with its width.
enum class ParamType : uint8_t { Float, Double, Bool };

struct ParamField {
    enum Record : uint8_t { Params, Attitude, Position };
    Record record;
    ParamType type;
    union {
        float SimParams::*paramsFloat;
        double SimParams::*paramsDouble;
        bool SimParams::*paramsBool;
        float FighterAttitude::*attitudeFloat;
        double FighterPosition::*positionDouble;
    };
    constexpr ParamField(float SimParams::*m) : record(Params), type(ParamType::Float), paramsFloat(m) {}
    constexpr ParamField(double SimParams::*m) : record(Params), type(ParamType::Double), paramsDouble(m) {}
    constexpr ParamField(bool SimParams::*m) : record(Params), type(ParamType::Bool), paramsBool(m) {}
    constexpr ParamField(float FighterAttitude::*m) : record(Attitude), type(ParamType::Float), attitudeFloat(m) {}
    constexpr ParamField(double FighterPosition::*m)
        : record(Position), type(ParamType::Double), positionDouble(m) {}
};

// A value a reset sets, or leaves alone. Float fields take their value as
// the float literal it was given (held exactly in the double), so the field
// gets exactly that float.
struct ParamSetting {
    bool sets;
    double value;
};
constexpr ParamSetting kKeeps = {false, 0.0};
constexpr ParamSetting setsTo(double value) { return {true, value}; }

// How the CONTROL page prints a row; label is its printf format and takes,
// in order:
enum class ParamShow : uint8_t {
    Value,            // the value
    Angle,            // the value within 0 to 360 (its spinner edits it as -180 to 180)
    PoundsAndKg,      // lb, then kg; then `alsoShown` where the row has one
    KgAndPounds,      // kg, then lb
    KgPoundsAndTotal, // kg, lb, then the package's total mass in kg and lb
    Toggle,           // a switch: the label alone, the toggle box at the corner
};

constexpr int8_t kLeftColumn = 0, kRightColumn = 1, kNotOnPage = -1;

struct ControlRow {
    int8_t column;  // kLeftColumn, kRightColumn or kNotOnPage
    int8_t line;    // from the column's top, in rows
    const char* label;
    ParamShow show;
    int left, top;  // the spinner's or toggle's top-left corner (top-left screen)
    double min, max;
    float step;
    // A derived value printed after the row's own (the thrust rows' G).
    float SimDerived::*alsoShown = nullptr;
    // The spinner's minimum is the package weight in lb when it is built.
    bool minIsPackageWeight = false;
};
constexpr ControlRow kNoControl = {kNotOnPage, 0, "", ParamShow::Value, 0, 0, 0, 0, 0, nullptr, false};

// The values vorix-sim takes with --set: finite, and within min .. max.
struct ToolRange {
    bool settable;
    double min, max;
};
constexpr double kUnbounded = std::numeric_limits<double>::infinity();
constexpr ToolRange kAnyValue = {true, -kUnbounded, kUnbounded};
constexpr ToolRange kNotByTool = {false, 0.0, 0.0};
constexpr ToolRange toolRange(double min, double max) { return {true, min, max}; }

struct SimParameter {
    const char* name;  // vorix-sim --set takes it by this name
    ParamField field;
    const char* unit;  // as the tool's messages print it
    double startUp;
    ParamSetting home;
    ParamSetting controlDefault;  // the CONTROL page's DEFAULT
    int sceneValues[2];           // numbers in a preset's line (from 1; 0 for none)
    ToolRange tool;
    ControlRow control;
};

// clang-format off
inline constexpr SimParameter kSimParameters[] = {
    // name, field, unit, start-up, HOME, DEFAULT, preset value numbers, vorix-sim range,
    //   CONTROL: column, line, label, shown as, spinner corner, min, max, step [, also shown, min is the weight]
    {"cgOffsetZ", &SimParams::cgOffsetZ, "", -0.33f, setsTo(-0.43f), setsTo(-0.3f), {1}, kAnyValue,
     {kLeftColumn, 1, "CG off on Z axis = %2.2f", ParamShow::Value, 309, 102, -10, 10, 0.01f}},
    {"seatBackAngleDeg", &SimParams::seatBackAngleDeg, "degrees", 18.0f, setsTo(18.0f), setsTo(18.0f), {2}, kAnyValue,
     {kLeftColumn, 2, "Seat back angle = %2.0f", ParamShow::Angle, 309, 122, -45, 45, 0.5f}},
    {"catapultOnsetRate", &SimParams::catapultOnsetRate, "g/s", 108.0f, setsTo(108.0f), setsTo(108.0f), {3}, toolRange(0, 100000),
     {kLeftColumn, 3, "Catapult onset rate     : %2.2f g/sec", ParamShow::Value, 309, 142, 10, 3000, 5}},
    {"rocketOnsetRate", &SimParams::rocketOnsetRate, "g/s", 150.0f, setsTo(120.0f), setsTo(155.0f), {4}, toolRange(0, 100000),
     {kLeftColumn, 4, "Rocket   onset rate     : %2.2f g/sec", ParamShow::Value, 309, 162, 10, 3000, 5}},
    {"sinkRateFtS", &SimParams::sinkRateFtS, "ft/s", 0.0f, kKeeps, setsTo(0.0f), {5}, toolRange(-3000, 3000),
     {kLeftColumn, 5, "Sink rate               : %4.2f ft/sec", ParamShow::Value, 309, 182, 0, 3000, 5}},
    {"catapultThrustLb", &SimParams::catapultThrustLb, "lb", 7900.0f, setsTo(8400.0f), setsTo(9000.0f), {6}, toolRange(0, 100000),
     {kLeftColumn, 8, "Catapult : %5.0f LB(=%5.0f KG)  %2.1fG", ParamShow::PoundsAndKg, 309, 235, 0, 35000, 100,
      &SimDerived::catapultG, true}},
    {"rocketThrustLb", &SimParams::rocketThrustLb, "lb", 4500.0f, setsTo(4800.0f), setsTo(4800.0f), {7}, toolRange(0, 100000),
     {kLeftColumn, 9, "Rocket   : %5.0f LB(=%5.0f KG)  %2.1fG", ParamShow::PoundsAndKg, 309, 255, 0, 35000, 100,
      &SimDerived::rocketG}},
    {"canopyRocketThrustLb", &SimParams::canopyRocketThrustLb, "lb", 1700.0f, kKeeps, setsTo(1700.0f), {8}, toolRange(0, 100000),
     {kLeftColumn, 10, "Canopy Jet.Rocket: %5.0f LB(=%5.0f KG) ", ParamShow::PoundsAndKg, 309, 275, 0, 5000, 10}},
    {"seatMassKg", &SimParams::seatMassKg, "kg", 103.42f, setsTo(103.42f), setsTo(103.0f), {9}, toolRange(0, 1000),
     {kLeftColumn, 12, "VORIX :  %3.0f Kg (%3.0f lb)", ParamShow::KgAndPounds, 309, 324, 15, 300, 10}},
    {"pilotMassKg", &SimParams::pilotMassKg, "kg", 73.0f, setsTo(73.0f), kKeeps, {10}, toolRange(0, 1000),
     {kLeftColumn, 13, "Pilot :  %3.0f Kg (%3.0f lb)", ParamShow::KgAndPounds, 309, 345, 15, 300, 1}},
    {"gearMassKg", &SimParams::gearMassKg, "kg", 35.0f, setsTo(35.0f), setsTo(30.0f), {11}, toolRange(0, 1000),
     {kLeftColumn, 14, "Pilot wear:%3.0f Kg (%3.0flb)Total:%3.0fKG(%3.0fLB)", ParamShow::KgPoundsAndTotal,
      309, 365, 0, 70, 1}},
    {"canopyMassKg", &SimParams::canopyMassKg, "kg", 80.0f, kKeeps, setsTo(80.0f), {12}, toolRange(0, 1000),
     {kLeftColumn, 15, "Fighter's Canopy :  %3.0f Kg (%3.0f lb )", ParamShow::KgAndPounds, 309, 385, 10, 250, 5}},
    {"mainChuteCd", &SimParams::mainChuteCd, "", 1.56f, setsTo(1.55f), setsTo(1.75f), {13}, toolRange(0, 10),
     {kLeftColumn, 18, "Main parachute on pilot  :  %1.3f ", ParamShow::Value, 309, 434, 0.01, 5, 0.05f}},
    {"drogueCd", &SimParams::drogueCd, "", 1.23f, kKeeps, setsTo(1.4f), {14}, toolRange(0, 10),
     {kLeftColumn, 19, "Vori Drogue chute        :  %1.3f ", ParamShow::Value, 309, 453, 0.01, 5, 0.05f}},
    {"seatManCd", &SimParams::seatManCd, "", 1.05f, kKeeps, setsTo(1.05f), {15}, toolRange(0, 10),
     {kLeftColumn, 20, "Seat/Man  package        :  %1.3f ", ParamShow::Value, 309, 473, 0.01, 5, 0.05f}},
    {"mainChuteDiameterM", &SimParams::mainChuteDiameterM, "m", 5.8f, setsTo(5.8f), setsTo(6.1f), {16}, toolRange(0, 30),
     {kRightColumn, 1, "Parachute     flying diameter         :  %3.1f meter ", ParamShow::Value,
      700, 115, 4, 8, 0.1f}},
    {"drogueDiameterM", &SimParams::drogueDiameterM, "m", 0.702f, kKeeps, setsTo(0.7f), {17}, toolRange(0, 30),
     {kRightColumn, 2, "Drogue-chute  flying diameter         :  %3.1f meter ", ParamShow::Value,
      700, 135, 0.3, 2, 0.1f}},
    {"rocketBurnTimeS", &SimParams::rocketBurnTimeS, "s", 0.25f, setsTo(0.25f), setsTo(0.25f), {18}, toolRange(0, 600),
     {kRightColumn, 5, "VORIX rocket burn time(0.25 default)  :  %2.2f sec", ParamShow::Value,
      700, 187, 0, 30, 0.01f}},
    {"canopyRocketBurnTimeS", &SimParams::canopyRocketBurnTimeS, "s", 0.2f, kKeeps, setsTo(0.135f), {19}, toolRange(0, 600),
     {kRightColumn, 6, "Canopy Jettison rocket burn time      :  %2.2f sec", ParamShow::Value,
      700, 207, 0, 2, 0.05f}},
    // A preset holds the count-down and the canopy delay as floats, like every value.
    {"countdownS", &SimParams::countdownS, "s", 0.3, kKeeps, kKeeps, {20}, toolRange(0, 600),
     {kRightColumn, 7, "Count down second                     :  %2.2f sec", ParamShow::Value,
      700, 227, 0.3, 65, 0.05f}},
    {"playSpeedDivisor", &SimParams::playSpeedDivisor, "", 1.0f, kKeeps, setsTo(1.0f), {21}, kAnyValue,
     {kRightColumn, 9, "Play Speed                            :  1/%1.0f ", ParamShow::Value,
      700, 267, 1, 30, 1}},
    {"initialTasKt", &SimParams::initialTasKt, "kt", 0.0f, setsTo(0.0f), kKeeps, {22}, toolRange(0, 3400),
     {kRightColumn, 11, "Initial True Air speed Knot           :  %4.0f knot", ParamShow::Value,
      700, 316, 0, 3400, 50}},
    {"canopyMaxPitchDeg", &SimParams::canopyMaxPitchDeg, "degrees", 85.0f, kKeeps, setsTo(90.0f), {23}, kAnyValue,
     {kRightColumn, 15, "Canopy max pitch prior to release     :  %3.2f ", ParamShow::Value,
      700, 385, 0, 150, 5}},
    // Held from the single-precision value, as the program always had it.
    {"canopyDelayS", &SimParams::canopyDelayS, "s", (double)0.3f, kKeeps, setsTo(0.25), {24}, toolRange(0, 600),
     {kRightColumn, 16, "Canopy delay second prior to eject    :  %1.2f ", ParamShow::Value,
      700, 405, 0, 2, 0.05f}},
    {"applyGOnFighter", &SimParams::applyGOnFighter, "", 0, kKeeps, kKeeps, {62}, kAnyValue,
     {kRightColumn, 17, "Apply G on Fighter", ParamShow::Toggle, 520, 426, 0, 1, 1}},

    // The fighter's attitude and position; a preset holds each twice (the
    // later copy stands when they differ).
    {"headingDeg", &FighterAttitude::headingDeg, "degrees", 0.0f, setsTo(360.0f), kKeeps, {25, 49}, kAnyValue,
     kNoControl},
    {"pitchDeg", &FighterAttitude::pitchDeg, "degrees", 0.0f, setsTo(360.0f), kKeeps, {26, 50}, kAnyValue, kNoControl},
    {"rollDeg", &FighterAttitude::rollDeg, "degrees", 0.0f, setsTo(360.0f), kKeeps, {27, 51}, kAnyValue, kNoControl},
    {"fighterPositionX", &FighterPosition::x, "m", 0.0, setsTo(0.0), kKeeps, {28, 54}, kNotByTool, kNoControl},
    {"fighterPositionY", &FighterPosition::y, "m", 0.0, setsTo(0.0), kKeeps, {29, 55}, kNotByTool, kNoControl},
    // The ground is at 0.
    {"fighterAltitudeM", &FighterPosition::altitude, "m", 5.0, setsTo(0.0), kKeeps, {56}, toolRange(0, kUnbounded),
     kNoControl},
};
// clang-format on

constexpr int kSimParameterCount = (int)(sizeof kSimParameters / sizeof kSimParameters[0]);

constexpr bool hasSpinner(const SimParameter& p) {
    return p.control.column != kNotOnPage && p.control.show != ParamShow::Toggle;
}
constexpr bool hasToggle(const SimParameter& p) {
    return p.control.column != kNotOnPage && p.control.show == ParamShow::Toggle;
}

namespace param_table_detail {
constexpr bool sameName(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}
}  // namespace param_table_detail

// The row of NAME, or -1.
constexpr int parameterIndex(const char* name) {
    for (int k = 0; k < kSimParameterCount; ++k)
        if (param_table_detail::sameName(kSimParameters[k].name, name)) return k;
    return -1;
}

// Index (from 0) into a preset's values of NAME's first or second copy, or -1.
constexpr int sceneValueIndex(const char* name, int copy = 0) {
    const int k = parameterIndex(name);
    return k < 0 || copy < 0 || copy > 1 ? -1 : kSimParameters[k].sceneValues[copy] - 1;
}

// The highest value number a parameter takes in a preset.
constexpr int lastParameterSceneValue() {
    int last = 0;
    for (const SimParameter& p : kSimParameters)
        for (int n : p.sceneValues) last = n > last ? n : last;
    return last;
}

// The records a parameter lives in, to read and to write.
struct ConstParamRecords {
    const SimParams* params;
    const FighterAttitude* attitude;
    const FighterPosition* position;
};
struct ParamRecords {
    SimParams* params;
    FighterAttitude* attitude;
    FighterPosition* position;
    operator ConstParamRecords() const { return {params, attitude, position}; }
};

// The parameter's field in the records; exactly one pointer is set.
struct ParamTarget {
    float* f = nullptr;
    double* d = nullptr;
    bool* b = nullptr;
};
ParamTarget paramTarget(const SimParameter& p, const ParamRecords& r);

// The value, widened exactly (a switch is 0 or 1).
double paramValue(const SimParameter& p, const ConstParamRecords& r);
// A float field takes (float)value, a switch value != 0.
void setParamValue(const SimParameter& p, const ParamRecords& r, double value);

void applyStartUpValues(const ParamRecords& r);
void applyHomeValues(const ParamRecords& r);
void applyControlDefaultValues(const ParamRecords& r);

// Each parameter's value at its numbers in a preset's values (as floats).
void captureSceneParameters(const ConstParamRecords& r, float* values);
// Gives back what the first count values hold, in the order of their
// numbers; a value that is not a number leaves its parameter alone.
void applySceneParameters(const ParamRecords& r, const float* values, int count);
