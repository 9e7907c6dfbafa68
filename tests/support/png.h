// Reading and writing PNG files of 8-bit RGB pictures, for golden-image
// tests and for looking at what the tests drew.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, rows top to bottom
};

bool WritePng(const std::string& path, const RgbImage& image);
bool WritePng(const std::string& path, const Surface& surface);
// Reads the PNGs that WritePng writes (8-bit RGB, any filter). False on any
// other file.
bool ReadPng(const std::string& path, RgbImage& image);
RgbImage ImageOf(const Surface& surface);
