// Golden-image checks: a picture compared with a PNG of tests/golden. On a
// difference the actual picture and a difference image (changed pixels in
// red over a dimmed copy) are written to <build>/golden-failures and the
// check's message says how many pixels differ and where the two pictures
// are. LAB_UPDATE_GOLDEN=1 in the environment writes the goldens of whole
// pictures anew instead (scripts/update-goldens.sh).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/geometry.h"
#include "platform/surface.h"
#include "report/png_encoder.h"

namespace lab {

// The part of a picture a check compares: the pixels inside `within` and
// outside `except` (right and bottom exclusive, as CRect::PtInRect).
struct PictureRegion {
  CRect within;
  CRect except;
};

// The pixels of the region that differ between a and b; a pixel that one
// of them lacks differs.
int DifferingPixels(const RgbPicture& a, const RgbPicture& b, const PictureRegion& region);

// The whole surface against tests/golden/<name>.png: same size, same pixels.
::testing::AssertionResult MatchesGolden(const Surface& surface, const std::string& name);
// Only the region of a picture against tests/golden/<name>.png, for a
// picture that shows more than the golden one or a moving part. Never
// writes the golden.
::testing::AssertionResult MatchesGolden(const RgbPicture& actual, const std::string& name,
                                         const PictureRegion& region);

}  // namespace lab
