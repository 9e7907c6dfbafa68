#include "platform/runtime.h"

#include <locale.h>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "platform/window_host.h"

namespace lab {

namespace {
// The classic run-time's linear congruential generator: 15 bits per draw.
std::uint32_t g_randState = 1;

// The "C" locale, made once for the life of the program.
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return classic;
}

// Formats in the "C" locale for the life of a scope, on this thread only, and
// puts back the locale that was in use. Should the "C" locale be missing,
// uselocale(0) changes nothing.
class ClassicNumbers {
 public:
  ClassicNumbers() : m_previous(uselocale(ClassicLocale())) {}
  ~ClassicNumbers() { uselocale(m_previous); }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  locale_t m_previous;
};
}  // namespace

void LabSrand(unsigned seed) { g_randState = seed; }

int LabRand() {
  g_randState = g_randState * 214013u + 2531011u;
  return static_cast<int>((g_randState >> 16) & 0x7FFFu);
}

std::time_t LabTime() { return std::time(nullptr); }

long LabClock() {
  if (HasWindowHost()) return GetWindowHost().ElapsedMilliseconds();
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

std::string Format(const char* format, ...) {
  const ClassicNumbers classic;
  char buffer[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof buffer)
    return std::string(buffer, static_cast<std::size_t>(n));
  std::string out(static_cast<std::size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(out.data(), out.size(), format, args);
  va_end(args);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

double ReadNumber(const char* text, char** end) {
  const ClassicNumbers classic;
  return std::strtod(text, end);
}

}  // namespace lab
