// A comma-decimal locale (ca_ES.UTF-8, the students' own) for the life of a
// scope: the tests that check that the lab's numbers and their parsing do not
// follow the process's locale run under it.
//
// The build makes the locale into the build folder (make_locale.cmake, with
// localedef from the package locales); a locale installed on the system
// serves as well. Where neither can be had, REQUIRE_COMMA_LOCALE skips the
// test, except under continuous integration (CI=true), where it fails.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lab {

class ScopedCommaLocale {
 public:
  ScopedCommaLocale();  // LC_ALL to ca_ES.UTF-8, every category
  ~ScopedCommaLocale();
  ScopedCommaLocale(const ScopedCommaLocale&) = delete;
  ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;

  // True when the locale is in use and its decimal point is a comma.
  bool Active() const { return m_active; }
  // Why it is not.
  const std::string& Why() const { return m_why; }

 private:
  bool m_active = false;
  std::string m_why;
  std::string m_previous;
  std::optional<std::string> m_previousLocPath;
};

// True when the environment says the tests run in continuous integration.
bool InContinuousIntegration();

#define REQUIRE_COMMA_LOCALE(scoped)                           \
  do {                                                         \
    if (!(scoped).Active()) {                                  \
      if (InContinuousIntegration()) FAIL() << (scoped).Why(); \
      GTEST_SKIP() << (scoped).Why();                          \
    }                                                          \
  } while (false)

}  // namespace lab
