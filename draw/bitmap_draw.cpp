// Bitmap resources copied onto a device context. Nothing is cached: every
// call looks the picture up by its number afresh.
#include "draw/bitmap_draw.h"

#include "platform/resources.h"

namespace lab {

void DrawBitmap(CDC& dc, int x, int y, int image) {
  const Bitmap* bitmap = LoadBitmap(image);
  if (bitmap == nullptr) return;
  dc.BitBlt(x, y, bitmap->width, bitmap->height, *bitmap, 0, 0);
}

void DrawBitmapPart(CDC& dc, int x, int y, int width, int height, int image) {
  const Bitmap* bitmap = LoadBitmap(image);
  if (bitmap == nullptr) return;
  // The copy always starts at the picture's pixel (0, 0); what lies beyond
  // the picture is not copied.
  dc.BitBlt(x, y, width, height, *bitmap, 0, 0);
}

void GetBitmapSize(int image, int& width, int& height) {
  const Bitmap* bitmap = LoadBitmap(image);
  if (bitmap == nullptr) {
    width = 0;
    height = 0;
    return;
  }
  width = bitmap->width;
  height = bitmap->height;
}

}  // namespace lab
