// A surface's pixels as R, G, B, A bytes: the layout of a browser canvas's
// image data, so that a shell that paints a canvas copies only a changed
// rectangle and never reads the surface's own pixel format.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "platform/surface.h"

// The part of rect inside the surface (empty when none).
CRect ClipToSurface(const Surface& surface, const CRect& rect);

// Writes the pixels of rect, clipped to the surface, into out: rows top to
// bottom of the clipped width, four bytes per pixel, alpha 255. Returns the
// clipped rectangle; out is empty when it is.
CRect CopyRgba(const Surface& surface, const CRect& rect, std::vector<std::uint8_t>& out);
