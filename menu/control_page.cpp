#include "menu/control_page.h"

#include <initializer_list>

#include "sim/simulation.h"
#include "sim/units.h"

void applyControlDefaults(Simulation& sim) {
    applyControlDefaultValues({&sim.params, &sim.attitude, &sim.fighterPosition});
}

float angleForSpinner(float angleDeg) { return angleDeg > 180.0f ? angleDeg - 360.0f : angleDeg; }

namespace {

constexpr int kLeftTop = 500;   // first row of the left column
constexpr int kRightTop = 490;  // and of the right column
constexpr int kRightColumnX = 355;
constexpr int kRowStep = 20;
constexpr int kHeadingIndent = 60;
constexpr int kColumnLines = 24;  // rows a column has room for

// The page's own lines: headings between the parameters' rows, and the
// derived values shown among them.
struct Heading {
    int8_t column, line;
    const char* text;
};
const Heading kHeadings[] = {
    {kLeftColumn, 0, " ETC Values"},        {kLeftColumn, 7, " Max Thrust"}, {kLeftColumn, 11, " Weight"},
    {kLeftColumn, 17, " Drag Coefficient(Cd)"}, {kRightColumn, 0, " Area Square meter"},
    {kRightColumn, 4, " Time"},             {kRightColumn, 10, " Speed"},    {kRightColumn, 14, " ETC"},
};

struct DerivedRow {
    int8_t column, line;
    const char* label;
    float SimDerived::*value;
};
const DerivedRow kDerivedRows[] = {
    {kRightColumn, 8, "on Catapult phase time                :  %2.2f sec", &SimDerived::catapultPhaseTimeS},
    {kRightColumn, 12, "Catapult phase end speed              :  %3.2f ft/sec", &SimDerived::catapultEndSpeedFtS},
};

struct Layout {
    MenuText* lines;
    int capacity;
    int count;
    int panelX;

    MenuText* next() { return count < capacity ? &lines[count++] : nullptr; }
    int x(int column) const { return panelX + (column == kRightColumn ? kRightColumnX : 0); }
    int y(int column, int line) const { return (column == kRightColumn ? kRightTop : kLeftTop) - kRowStep * line; }
};

float shownAngle(float deg) {
    if (deg < 0.0f) return deg + 360.0f;
    if (deg >= 360.0f) return deg - 360.0f;
    return deg;
}

// The labels are the table's formats: the compiler cannot check them against
// the values, so the page's test does, row by row.
void parameterRow(Layout& L, const SimParameter& row, const Simulation& sim) {
    MenuText* line = L.next();
    if (!line) return;
    const ControlRow& c = row.control;
    const SimParams& p = sim.params;
    const double v = paramValue(row, {&sim.params, &sim.attitude, &sim.fighterPosition});
    const double total = (double)totalMass(p);
    const int x = L.x(c.column), y = L.y(c.column, c.line);
    auto print = [&](auto... values) { setMenuText(*line, x, y, 0, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f, c.label, values...); };
    switch (c.show) {
        case ParamShow::Value:
            print(v);
            break;
        case ParamShow::Angle:
            print((double)shownAngle((float)v));
            break;
        case ParamShow::PoundsAndKg:
            if (c.alsoShown) print(v, v * kKgPerLb, (double)(sim.derived.*c.alsoShown));
            else print(v, v * kKgPerLb);
            break;
        case ParamShow::KgAndPounds:
            print(v, v * kLbPerKg);
            break;
        case ParamShow::KgPoundsAndTotal:
            print(v, v * kLbPerKg, total, total * kLbPerKg);
            break;
        case ParamShow::Toggle:
            setMenuText(*line, x, y, 0, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f, "%s", c.label);
            break;
    }
}

void derivedRow(Layout& L, const DerivedRow& row, const SimDerived& d) {
    if (MenuText* line = L.next())
        setMenuText(*line, L.x(row.column), L.y(row.column, row.line), 0, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f, row.label,
                    (double)(d.*row.value));
}

void heading(Layout& L, const Heading& h) {
    if (MenuText* line = L.next())
        setMenuText(*line, L.x(h.column) + kHeadingIndent, L.y(h.column, h.line), 4, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f,
                    "%s", h.text);
}

}  // namespace

int layoutControlPage(const Simulation& sim, int panelX, MenuText* lines, int capacity) {
    Layout L{lines, capacity, 0, panelX};
    // Column by column, top down: a heading, then what sits on its line.
    for (int8_t column : {kLeftColumn, kRightColumn})
        for (int k = 0; k < kColumnLines; ++k) {
            for (const Heading& h : kHeadings)
                if (h.column == column && h.line == k) heading(L, h);
            for (const DerivedRow& d : kDerivedRows)
                if (d.column == column && d.line == k) derivedRow(L, d, sim.derived);
            for (const SimParameter& p : kSimParameters)
                if (p.control.column == column && p.control.line == k) parameterRow(L, p, sim);
        }
    return L.count;
}
