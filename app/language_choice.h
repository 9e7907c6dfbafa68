// The lab's language: Catalan unless the user chooses another, on the
// desktop with "--llengua CODE" or the window menu's "Llengua…", in the
// page with its address (trelko.html#llengua=CODE) or the same item. The
// choice is kept with the lab's state (the host's ReadState/WriteState,
// under the name "llengua") and is the language of every later start.
#pragma once

#include <string>
#include <string_view>

namespace lab {

inline constexpr const char* kLanguageOption = "--llengua";
inline constexpr const char* kLanguageStateName = "llengua";

// "--llengua CODE" taken out of the program's arguments (argv keeps the
// others, in order, and argc counts them). `given` when the option was
// there; `code` is "" when it had no value.
struct LanguageOption {
  bool given = false;
  std::string code;
};
LanguageOption TakeLanguageOption(int& argc, char** argv);

// Whether the lab has a catalogue for the code.
bool IsLabLanguage(std::string_view code);

// The language the lab starts in: the given code when there is one (it is
// then kept for later starts), else the kept one, else the first. False,
// with nothing changed or kept, for a given code that is not one of the
// lab's. Needs the window host (its kept state).
bool StartLanguage(std::string_view given);

// Makes `code` the language and keeps it; false for an unknown code.
bool ChooseLanguage(std::string_view code);

// The message for a code that is not one of the lab's, in the current
// language.
std::string UnknownLanguageMessage(std::string_view code);

}  // namespace lab
