// The stopwatch's buttons (151..156), 32 x 17: the word on a teal face in a
// thin dotted grey frame; pressed, the word moves one pixel up and to the
// left and a dark edge (dark teal inside, black outside) takes the frame's
// place along the bottom and the right. The words are set in a small bold
// pixel face drawn here, since no outline font stays both bold and sharp at
// a six-pixel x-height.
#include <string_view>

#include "res/generator/picture.h"

namespace lab {

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 17;
constexpr int kBaseline = 12;  // first row under the x-height
constexpr int kXHeight = 6;
const QColor kFace(102, 153, 153);
const QColor kDots(190, 190, 190);
const QColor kDarkTeal(0, 102, 102);
const QColor kBlack(0, 0, 0);
const QColor kRed(204, 0, 0);

// A glyph: rows of '#' (ink) and '.', the first row `rise` rows above the
// x-height's top (2 for the t's ascender), descenders below it.
struct Glyph {
  char letter;
  int rise;
  std::string_view rows[8];
};

constexpr Glyph kGlyphs[] = {
    {'a', 0, {"####.", "...##", ".####", "##.##", "##.##", ".####"}},
    {'e', 0, {".##.", "##.#", "####", "##..", "##..", ".###"}},
    {'o', 0, {".###.", "##.##", "##.##", "##.##", "##.##", ".###."}},
    {'p', 0, {"####.", "##.##", "##.##", "##.##", "##.##", "####.", "##...", "##..."}},
    {'r', 0, {"##.#", "####", "##..", "##..", "##..", "##.."}},
    {'s', 0, {".###", "##..", "###.", ".###", "..##", "###."}},
    {'t', 2, {".##.", ".##.", "####", ".##.", ".##.", ".##.", ".##.", "..##"}},
};

const Glyph& GlyphOf(char letter) {
  for (const Glyph& g : kGlyphs)
    if (g.letter == letter) return g;
  return kGlyphs[0];
}

int WordWidth(std::string_view word) {
  int width = -1;  // one blank column between letters
  for (char c : word) width += static_cast<int>(GlyphOf(c).rows[0].size()) + 1;
  return width;
}

void Lettering(QImage& image, std::string_view word, QColor color, int shift) {
  int x = (kWidth - WordWidth(word) + 1) / 2 + shift;
  const int top = kBaseline - kXHeight + shift;
  for (char c : word) {
    const Glyph& g = GlyphOf(c);
    for (int r = 0; r < 8 && !g.rows[r].empty(); ++r)
      for (int i = 0; i < static_cast<int>(g.rows[r].size()); ++i)
        if (g.rows[r][static_cast<std::size_t>(i)] == '#')
          image.setPixelColor(x + i, top - g.rise + r, color);
    x += static_cast<int>(g.rows[0].size()) + 1;
  }
}

QImage Button(std::string_view word, QColor color, bool pressed) {
  QImage image = NewBitmap(kWidth, kHeight, kFace);
  if (pressed) {
    for (int x = 0; x < kWidth; ++x) {
      image.setPixelColor(x, kHeight - 2, kDarkTeal);
      image.setPixelColor(x, kHeight - 1, kBlack);
    }
    for (int y = 0; y < kHeight; ++y) {
      if (y < kHeight - 1) image.setPixelColor(kWidth - 2, y, kDarkTeal);
      image.setPixelColor(kWidth - 1, y, kBlack);
    }
  } else {
    for (int x = 1; x < kWidth - 1; x += 2) {
      image.setPixelColor(x, 1, kDots);
      image.setPixelColor(x, kHeight - 2, kDots);
    }
    for (int y = 1; y < kHeight - 1; y += 2) {
      image.setPixelColor(1, y, kDots);
      image.setPixelColor(kWidth - 2, y, kDots);
    }
  }
  Lettering(image, word, color, pressed ? -1 : 0);
  return image;
}

}  // namespace

std::vector<Picture> DrawStopwatchButtons() {
  return {
      {151, Button("reset", kBlack, false)}, {152, Button("reset", kBlack, true)},
      {153, Button("stop", kBlack, false)},  {154, Button("start", kRed, false)},
      {155, Button("stop", kBlack, true)},   {156, Button("start", kRed, true)},
  };
}

}  // namespace lab
