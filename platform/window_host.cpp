#include "platform/window_host.h"

#include <chrono>

#include "platform/dialog.h"
#include "platform/resources.h"

namespace lab {

namespace {
WindowHost* g_host = nullptr;
}

void WindowHost::EndModal(Dialog&, int) {}

bool WindowHost::HasSystemMenu(const Dialog& dialog) const {
  const DialogTemplate* source = FindDialogTemplate(dialog.TemplateId());
  return source != nullptr && (source->style & WS_SYSMENU) != 0;
}

void WindowHost::WindowChanged(Dialog&, WindowPart) {}

bool WindowHost::IsIconic(const Dialog&) const { return false; }

void WindowHost::PresentNow(Dialog&) {}

long WindowHost::ElapsedMilliseconds() {
  using Clock = std::chrono::steady_clock;
  static const Clock::time_point start = Clock::now();
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

void WindowHost::SetClipboard(std::string_view, std::string_view) {}

std::optional<std::string> WindowHost::ReadState(std::string_view) { return std::nullopt; }

bool WindowHost::WriteState(std::string_view, std::string_view) { return false; }

std::string WindowHost::StateLocation() const { return ""; }

int WindowHost::PixelScale(const Dialog&) const { return 1; }

void SetWindowHost(WindowHost* host) { g_host = host; }
WindowHost& GetWindowHost() { return *g_host; }
bool HasWindowHost() { return g_host != nullptr; }

}  // namespace lab
