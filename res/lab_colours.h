// The colours of the main window's picture, shared by the painting, the
// ball's box and the graph.
#pragma once

#include "platform/color.h"

namespace lab {

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
// The simulation box and the stopwatch panel.
inline constexpr COLORREF kPanelBlue = RGB(50, 90, 150);
inline constexpr COLORREF kBoxOutline = RGB(195, 195, 195);
// The graph: grid and border, points, fitted line.
inline constexpr COLORREF kGridColour = RGB(0, 87, 130);
inline constexpr COLORREF kPointColour = RGB(0, 0, 100);
inline constexpr COLORREF kLineColour = RGB(0, 200, 100);

}  // namespace lab
