// Qt's own dialogs in the lab's language.
//
// The lab speaks Catalan whatever the desktop's language, or the language
// its user chose, and so do the dialogs that Qt draws for it: the save
// dialog of the report, the buttons of a message box ("D'acord"). Debian
// ships Qt's translations in qt6-translations-l10n; without them the
// dialogs keep Qt's English.
#pragma once

#include <string>
#include <string_view>

namespace lab {

// Call right after the application object is made. True when the
// translation was found and installed.
bool UseCatalanDialogs();
// The same for a language code of the lab; again when it changes.
bool UseDialogsIn(std::string_view language);

}  // namespace lab
