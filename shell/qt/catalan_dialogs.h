// Qt's own dialogs in the lab's language.
//
// The lab speaks Catalan whatever the desktop's language, and so do the
// dialogs that Qt draws for it: the save dialog of the report, the buttons
// of a message box ("D'acord"). Debian ships Qt's Catalan translation in
// qt6-translations-l10n; without it the dialogs keep Qt's English.
#pragma once

namespace lab {

// Call right after the application object is made. True when the
// translation was found and installed.
bool UseCatalanDialogs();

}  // namespace lab
