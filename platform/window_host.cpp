#include "platform/window_host.h"

namespace {
WindowHost* g_host = nullptr;
}

void SetWindowHost(WindowHost* host) { g_host = host; }
WindowHost& GetWindowHost() { return *g_host; }
bool HasWindowHost() { return g_host != nullptr; }
