#include "app/language_choice.h"

#include <optional>

#include "platform/runtime.h"
#include "platform/window_host.h"
#include "res/texts/text_catalogue.h"

namespace lab {

LanguageOption TakeLanguageOption(int& argc, char** argv) {
  LanguageOption option;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == kLanguageOption && !option.given) {
      option.given = true;
      if (i + 1 < argc) option.code = argv[++i];
      continue;
    }
    argv[kept++] = argv[i];
  }
  argc = kept;
  if (argc >= 0) argv[argc] = nullptr;
  return option;
}

bool IsLabLanguage(std::string_view code) {
  for (std::string_view language : Languages()) {
    if (language == code) return true;
  }
  return false;
}

bool ChooseLanguage(std::string_view code) {
  if (!SetLanguage(code)) return false;
  if (HasWindowHost()) GetWindowHost().WriteState(kLanguageStateName, code);
  return true;
}

bool StartLanguage(std::string_view given) {
  if (!given.empty()) return ChooseLanguage(given);
  if (!HasWindowHost()) return true;
  const std::optional<std::string> kept = GetWindowHost().ReadState(kLanguageStateName);
  // A kept code that is no longer one of the lab's is ignored.
  if (kept && IsLabLanguage(*kept)) SetLanguage(*kept);
  return true;
}

std::string UnknownLanguageMessage(std::string_view code) {
  return Format(TextOf(TextId::LanguageUnknown), std::string(code).c_str());
}

}  // namespace lab
