// The desktop icon: a parachute and its pilot against the sky, drawn from
// shapes at each size so that small icons stay sharp.
#pragma once

#include <string>

#include "tools/assetgen/img_canvas.h"

// The icon as a size x size picture with a transparent surround.
Canvas drawIcon(int size);

// Writes drawIcon(size) as an RGBA PNG file; false (and why on standard
// error) when the size is outside 16..1024 or the file cannot be written.
bool writeIcon(int size, const std::string& path);
