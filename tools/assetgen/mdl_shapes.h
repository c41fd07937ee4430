// Shape builders of the model generator: lofts through cross-sections,
// extruded outlines, boxes, wheels and cones.
#pragma once

#include <vector>

#include "tools/assetgen/mdl_geom.h"

using Ring = std::vector<D3>;

// Skin between successive rings (each ring counter-clockwise seen from the
// front of the loft, i.e. looking back along the loft direction from its
// first ring). closed joins each ring's last point to its first. capFirst and
// capLast close the ends with one polygon each (rings must then be convex).
Mesh loft(const std::vector<Ring>& rings, bool closed, bool capFirst, bool capLast, const Rgba& c);

// Ring of n points of an ellipse-like section in the plane y = const, centred
// at (cx, y, cz) with half-width w and half-height h; power > 2 makes it boxier.
// Points run counter-clockwise seen from -y (from the front) starting at the
// top when startTop.
Ring ellipseRing(double cx, double y, double cz, double w, double h, int n, double power);

// Axis-aligned box.
Mesh box(const D3& lo, const D3& hi, const Rgba& c);

// Box between two points with the given width (x) and depth, for limbs and
// struts running mostly in the y-z plane.
Mesh beam(const D3& a, const D3& b, double halfWidth, double halfDepth, const Rgba& c);

// Cylinder about the x axis (wheels): centre, radius, half-width, sides.
Mesh wheel(const D3& centre, double radius, double halfWidth, int sides, const Rgba& tyre,
           const Rgba& hub);

// Tube about the y axis from y0 to y1 with radii r0, r1 at centre (cx, cz).
Mesh tubeY(double cx, double cz, double y0, double y1, double r0, double r1, int sides, bool cap0,
           bool cap1, const Rgba& c);

// Cone along direction from apex-base: base centre, tip, base radius, sides.
Mesh cone(const D3& base, const D3& tip, double radius, int sides, const Rgba& c);

// Thin lifting surface between a root and a tip chord. Each chord is
// (leading edge point, trailing edge point) lying along y; thickness t is
// added along `up` (unit z for wings, unit x for a fin). capRoot closes the
// root end.
Mesh surface(const D3& rootLe, const D3& rootTe, double rootT, const D3& tipLe, const D3& tipTe,
             double tipT, const D3& up, bool capRoot, const Rgba& c);
