// Colours as the drawing layer passes them around.
//
// A COLORREF holds red in the low byte, then green, then blue (0x00BBGGRR),
// the classic packing. Surface pixels are stored as 0xFFRRGGBB so that a
// shell can show them without conversion.
#pragma once

#include <cstdint>

namespace lab {

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

// Returned by CDC::GetPixel for a point outside the surface.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

// COLORREF -> surface pixel (0xFFRRGGBB) and back.
constexpr std::uint32_t ToPixel(COLORREF c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
}
constexpr COLORREF FromPixel(std::uint32_t p) {
  return RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
             static_cast<int>(p & 0xFF));
}

// The dialogs' own background colour: the strip below the painted picture,
// the first row and column of the main window, and every real control.
constexpr COLORREF kDialogBackground = RGB(240, 240, 240);

}  // namespace lab
