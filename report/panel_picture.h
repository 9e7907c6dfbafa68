// The picture of a part of a dialog's surface, exactly as drawn, enlarged
// by a whole factor for a dense screen: each surface pixel becomes a block
// of scale × scale equal pixels.
#pragma once

#include "platform/geometry.h"
#include "platform/surface.h"
#include "report/png_encoder.h"

namespace lab {

// The part of `rect` that lies on the surface; a scale below 1 counts as 1.
RgbPicture PictureOfSurface(const Surface& surface, const CRect& rect, int scale);

}  // namespace lab
