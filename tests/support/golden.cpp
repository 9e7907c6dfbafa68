#include "tests/support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "tests/support/png.h"

namespace lab {

namespace {

namespace fs = std::filesystem;

fs::path GoldenPath(const std::string& name) { return fs::path(LAB_GOLDEN_DIR) / (name + ".png"); }

bool InRegion(const std::optional<PictureRegion>& region, int x, int y) {
  return !region ||
         (region->within.PtInRect(CPoint{x, y}) && !region->except.PtInRect(CPoint{x, y}));
}

// Compares actual with the golden picture, over the region when there is
// one; on a difference writes the actual and the difference picture.
::testing::AssertionResult Compare(const RgbPicture& actual, const std::string& name,
                                   const std::optional<PictureRegion>& region) {
  const fs::path golden = GoldenPath(name);
  RgbPicture expected;
  if (!ReadPng(golden.string(), expected)) {
    return ::testing::AssertionFailure()
           << "no golden image at " << golden.string() << " (run scripts/update-goldens.sh)";
  }
  const bool sameSize = expected.width == actual.width && expected.height == actual.height;
  int differing = 0;
  if (region) {
    differing = DifferingPixels(actual, expected, *region);
    if (differing == 0) return ::testing::AssertionSuccess();
  } else if (sameSize) {
    differing = DifferingPixels(actual, expected,
                                PictureRegion{CRect(0, 0, actual.width, actual.height), CRect()});
    if (differing == 0) return ::testing::AssertionSuccess();
  }
  RgbPicture diff = actual;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * actual.width + x;
      const std::uint32_t p = actual.pixels[i];
      const bool changed = x < expected.width && y < expected.height && InRegion(region, x, y) &&
                           p != expected.pixels[static_cast<std::size_t>(y) * expected.width + x];
      diff.pixels[i] = changed ? 0xFFFF0000u : 0xFF000000u | ((p >> 2) & 0x3F3F3Fu);
    }
  }
  const fs::path out = fs::path(LAB_BINARY_DIR) / "golden-failures";
  fs::create_directories(out);
  WritePng((out / (name + ".actual.png")).string(), actual);
  WritePng((out / (name + ".diff.png")).string(), diff);
  return ::testing::AssertionFailure()
         << name << ": "
         << (differing > 0 ? std::to_string(differing) + " pixels differ"
                           : std::string("the size differs"))
         << " from " << golden.string() << "; actual and difference in " << out.string();
}

}  // namespace

int DifferingPixels(const RgbPicture& a, const RgbPicture& b, const PictureRegion& region) {
  int n = 0;
  for (int y = region.within.top; y < region.within.bottom; ++y) {
    for (int x = region.within.left; x < region.within.right; ++x) {
      if (region.except.PtInRect(CPoint{x, y})) continue;
      const bool inA = x >= 0 && y >= 0 && x < a.width && y < a.height;
      const bool inB = x >= 0 && y >= 0 && x < b.width && y < b.height;
      n += !inA || !inB ||
           a.pixels[static_cast<std::size_t>(y) * a.width + x] !=
               b.pixels[static_cast<std::size_t>(y) * b.width + x];
    }
  }
  return n;
}

::testing::AssertionResult MatchesGolden(const Surface& surface, const std::string& name) {
  const RgbPicture actual = ImageOf(surface);
  const char* update = std::getenv("LAB_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    const fs::path golden = GoldenPath(name);
    fs::create_directories(golden.parent_path());
    if (!WritePng(golden.string(), actual)) {
      return ::testing::AssertionFailure() << "could not write " << golden.string();
    }
    return ::testing::AssertionSuccess();
  }
  return Compare(actual, name, std::nullopt);
}

::testing::AssertionResult MatchesGolden(const RgbPicture& actual, const std::string& name,
                                         const PictureRegion& region) {
  return Compare(actual, name, region);
}

}  // namespace lab
