#include "tests/support/comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace lab {

namespace {
constexpr const char* kCommaLocale = "ca_ES.UTF-8";
}

ScopedCommaLocale::ScopedCommaLocale() {
  if (const char* previous = std::setlocale(LC_ALL, nullptr)) m_previous = previous;
  if (const char* path = std::getenv("LOCPATH")) m_previousLocPath = path;
  // The C library looks for the locale in LOCPATH at every setlocale call.
  const std::filesystem::path made = std::filesystem::path(LAB_TEST_LOCALE_DIR) / kCommaLocale;
  if (std::filesystem::exists(made / "LC_NUMERIC")) {
    setenv("LOCPATH", LAB_TEST_LOCALE_DIR, 1);
  }
  if (std::setlocale(LC_ALL, kCommaLocale) == nullptr) {
    m_why = std::string("the locale ") + kCommaLocale + " cannot be had (neither in " +
            LAB_TEST_LOCALE_DIR + " nor installed; the package locales makes it)";
    return;
  }
  const char* point = std::localeconv()->decimal_point;
  m_active = point != nullptr && std::strcmp(point, ",") == 0;
  if (!m_active) m_why = std::string(kCommaLocale) + " has no decimal comma";
}

ScopedCommaLocale::~ScopedCommaLocale() {
  std::setlocale(LC_ALL, m_previous.empty() ? "C" : m_previous.c_str());
  if (m_previousLocPath) {
    setenv("LOCPATH", m_previousLocPath->c_str(), 1);
  } else {
    unsetenv("LOCPATH");
  }
}

bool InContinuousIntegration() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && (std::strcmp(ci, "true") == 0 || std::strcmp(ci, "1") == 0);
}

}  // namespace lab
