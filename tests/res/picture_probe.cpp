#include "tests/res/picture_probe.h"

#include "res/pictures.h"

const Bitmap* FindPicture(int id) {
  for (const BitmapResource& b : LabBitmaps())
    if (b.id == id) return &b.bitmap;
  return nullptr;
}
