// The lab's pictures, drawn by the picture generator at build time and
// embedded in the executable: bitmaps 130 to 161 and icon 128.
#pragma once

#include <span>

#include "platform/resources.h"

namespace lab {

std::span<const BitmapResource> LabBitmaps();
const Icon& LabIcon();

}  // namespace lab
