#include "platform/text/glyph_source.h"

namespace lab {

namespace text {

int NormalisedAngle(int escapement) {
  const int angle = escapement % 3600;
  return angle < 0 ? angle + 3600 : angle;
}

}  // namespace text

}  // namespace lab
