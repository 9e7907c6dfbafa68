// Writes the generated C++ source that embeds the pictures in lab_res.
#pragma once

#include <QString>
#include <vector>

#include "res/generator/picture.h"

namespace lab {

// The source defines LabBitmaps() and LabIcon() (res/pictures.h): the icon
// as constant arrays of pixels, each bitmap as constant arrays of its runs
// of one colour, unpacked at the first call. Returns false when the file
// cannot be written.
bool WritePictureSource(const QString& path, const std::vector<Picture>& bitmaps,
                        const IconPictures& icon);

}  // namespace lab
