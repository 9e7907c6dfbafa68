// Bitmap resources copied to a device context by number, unscaled.
#pragma once

#include "platform/dc.h"

namespace lab {

// The whole bitmap at (x, y).
void DrawBitmap(CDC& dc, int x, int y, int image);
// The top-left width x height pixels of the bitmap at (x, y).
void DrawBitmapPart(CDC& dc, int x, int y, int width, int height, int image);
// The bitmap's size in pixels; 0 x 0 for a number without a bitmap.
void GetBitmapSize(int image, int& width, int& height);

}  // namespace lab
