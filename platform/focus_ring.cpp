#include "platform/focus_ring.h"

#include <algorithm>
#include <cstddef>

#include "platform/control_look.h"
#include "platform/dialog.h"
#include "platform/resources.h"
#include "platform/window_host.h"

namespace lab {

std::vector<FocusStop> FocusRing(const Dialog& dialog) {
  std::vector<FocusStop> ring;
  for (const Instrument& i : dialog.Instruments()) {
    ring.push_back({FocusStop::Kind::kInstrument, i.id});
  }
  const DialogTemplate* source = FindDialogTemplate(dialog.TemplateId());
  if (source == nullptr || !HasWindowHost()) return ring;
  const WindowHost& host = GetWindowHost();
  for (const ControlTemplate& control : source->controls) {
    const ControlLook look = DescribeControl(control);
    if (look.tabStop && look.visible && host.IsControlEnabled(dialog, control.id)) {
      ring.push_back({FocusStop::Kind::kControl, control.id});
    }
  }
  return ring;
}

FocusStop OpeningFocus(const Dialog& dialog) {
  for (const FocusStop& stop : FocusRing(dialog)) {
    if (stop.kind == FocusStop::Kind::kControl) return stop;
  }
  return {};
}

FocusStop NextFocusStop(const Dialog& dialog, FocusStop current, bool backwards) {
  const std::vector<FocusStop> ring = FocusRing(dialog);
  if (ring.empty()) return {};
  const std::size_t n = ring.size();
  const auto found = std::find(ring.begin(), ring.end(), current);
  if (found == ring.end()) return backwards ? ring.back() : ring.front();
  const std::size_t at = static_cast<std::size_t>(found - ring.begin());
  return ring[backwards ? (at + n - 1) % n : (at + 1) % n];
}

bool InstrumentTakesKey(int key, unsigned modifiers, bool repeat) {
  if ((modifiers & ~KEY_SHIFT) != 0) return false;
  switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return true;
    case VK_SPACE:
    case VK_RETURN:
    case VK_L:
      return !repeat;
    default:
      return false;
  }
}

}  // namespace lab
