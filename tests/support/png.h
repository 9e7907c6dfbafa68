// Reading and writing PNG files of 8-bit RGB pictures, for golden-image
// tests and for looking at what the tests drew. The pictures are the
// report's RgbPicture; ReadPng gives pixels as 0xFFRRGGBB.
#pragma once

#include <string>

#include "platform/surface.h"
#include "report/png_encoder.h"

namespace lab {

bool WritePng(const std::string& path, const RgbPicture& image);
bool WritePng(const std::string& path, const Surface& surface);
// Reads the PNGs that WritePng writes (8-bit RGB, any filter). False on any
// other file.
bool ReadPng(const std::string& path, RgbPicture& image);
RgbPicture ImageOf(const Surface& surface);

}  // namespace lab
