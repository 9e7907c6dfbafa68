// Golden-image checks: a whole picture compared with a PNG kept beside the
// tests. On a difference the actual picture and a difference image (changed
// pixels in red over a dimmed copy) are written to the build tree and the
// test fails. LAB_UPDATE_GOLDEN=1 in the environment writes the goldens
// anew instead (scripts/update-goldens.sh).
#pragma once

#include <string>

#include "platform/surface.h"

// True when the surface matches golden/<name>.png under the test folder.
bool MatchesGolden(const Surface& surface, const std::string& testFolder, const std::string& name,
                   std::string& report);
