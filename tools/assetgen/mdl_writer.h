// Writes meshes in the polygon model's text format. Each part maps the points
// it is given (in the pose they should have in the cockpit) back to the rest
// coordinates the file holds, so the program's initial pose puts them there.
#pragma once

#include <functional>
#include <string>

#include "tools/assetgen/mdl_geom.h"

using PointMap = std::function<D3(const D3&)>;

class ModelWriter {
public:
    void comment(const std::string& text);
    // Starts the next part: `toRest` maps posed points to rest coordinates;
    // the file's numbers are (rest - offset) / scale; restPivot is the pivot
    // the part has as loaded.
    void beginPart(const std::string& name, PointMap toRest, const D3& restPivot,
                   const D3& offset = D3(), double scale = 1.0);
    void emptyPart(const std::string& name);

    void mesh(const Mesh& m);
    // A vertex slot with no drawing effect (attachment or reference point).
    void marker(const D3& p, const std::string& note);
    void colour(const Rgba& c);
    // Reference point ("v" line, kept by the loader, never drawn).
    void refPoint(const D3& p);
    // Textured strip around a vertical axis: pairs of (top, bottom) points in
    // order around the axis, TGA image tgaIndex, v = 0 at rawBottomZ and 1 at
    // rawTopZ (in the part's file units).
    void cylinderStrip(int tgaIndex, const std::vector<D3>& topBottomPairs, double rawBottomZ,
                       double rawTopZ);
    // Raw (file) coordinates of a posed point in the current part.
    D3 raw(const D3& posed) const;

    int polygons() const { return polygons_; }
    const std::string& text() const { return text_; }
    std::string finish();

private:
    void vertex(char kind, const D3& posed);
    void line(const char* fmt, ...);

    std::string text_;
    PointMap toRest_;
    D3 offset_;
    double scale_ = 1.0;
    Rgba current_;
    bool haveColour_ = false;
    int polygons_ = 0;
};
