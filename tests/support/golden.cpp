#include "tests/support/golden.h"

#include <cstdlib>
#include <filesystem>

#include "tests/support/png.h"

bool MatchesGolden(const Surface& surface, const std::string& testFolder, const std::string& name,
                   std::string& report) {
  namespace fs = std::filesystem;
  const fs::path golden = fs::path(testFolder) / "golden" / (name + ".png");
  const RgbImage actual = ImageOf(surface);
  const char* update = std::getenv("LAB_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::create_directories(golden.parent_path());
    WritePng(golden.string(), actual);
    return true;
  }
  RgbImage expected;
  if (!ReadPng(golden.string(), expected)) {
    report = "no golden image at " + golden.string() + " (run scripts/update-goldens.sh)";
    return false;
  }
  int differing = 0;
  RgbImage diff = actual;
  if (expected.width == actual.width && expected.height == actual.height) {
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
      const std::uint32_t p = actual.pixels[i];
      if (p != expected.pixels[i]) {
        ++differing;
        diff.pixels[i] = 0xFFFF0000u;
      } else {
        diff.pixels[i] = 0xFF000000u | ((p >> 2) & 0x3F3F3Fu);
      }
    }
    if (differing == 0) return true;
  }
  const fs::path out = fs::path(LAB_BINARY_DIR) / "golden-failures";
  fs::create_directories(out);
  WritePng((out / (name + ".actual.png")).string(), actual);
  WritePng((out / (name + ".diff.png")).string(), diff);
  report = name + ": " +
           (differing > 0 ? std::to_string(differing) + " pixels differ"
                          : std::string("the size differs")) +
           "; actual and difference in " + out.string();
  return false;
}
