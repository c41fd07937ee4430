// Drawing the parachute meshes with their lines (GL).
#pragma once

#include "render/chute_mesh.h"
#include "render/poly_model.h"

enum class ChuteKind { Drogue, Main };

// The canopy of the mesh's drawn table at (x, y, z); with lines, the
// suspension lines and the bridle (drogue, tied to the seat) or the lines and
// risers (main, tied to the pilot), the tied part translated by loadAt.
void drawChuteMesh(const ChuteMesh& mesh, const Vec3& at, ChuteKind kind, bool lines,
                   const PolyModel& m, const Vec3& loadAt);
