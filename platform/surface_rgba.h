// A surface's pixels as R, G, B, A bytes: the layout of a browser canvas's
// image data, kept up to date a changed rectangle at a time, so that a
// shell that paints a canvas hands it only what changed and never reads the
// surface's own pixel format.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "platform/surface.h"

namespace lab {

// The part of rect inside the surface (empty when none).
CRect ClipToSurface(const Surface& surface, const CRect& rect);

// Keeps image the surface as R, G, B, A bytes (rows top to bottom, four
// bytes a pixel, alpha 255): writes the pixels of rect, clipped to the
// surface, at their own place, and returns that rectangle (empty when none
// of it is on the surface). An image of another size than the surface (an
// empty one, at first) is made anew and written whole, and the whole
// surface is returned: all of it is new.
CRect UpdateRgbaImage(const Surface& surface, const CRect& rect, std::vector<std::uint8_t>& image);

}  // namespace lab
