#include "res/templates.h"

#include <array>
#include <string_view>
#include <vector>

#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {

// The templates' texts come from the catalogue in the current language:
// LabDialogTemplates() writes them into these tables each time it is asked.
std::array<ControlTemplate, 2> g_titleControls;
std::array<ControlTemplate, 7> g_mainControls;
std::array<ControlTemplate, 4> g_stringCodeControls;
std::array<ControlTemplate, kLanguageButtons + 1> g_languageControls;
std::array<DialogTemplate, 4> g_dialogs;
std::array<StringResource, 1> g_strings;

}  // namespace

std::span<const DialogTemplate> LabDialogTemplates() {
  // The title dialog: the title picture with "Entra" over its lower left part.
  g_titleControls = {{
      {IDOK, ControlClass::Button, TextOf(TextId::EnterButton), 40, 117, 32, 14,
       WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, WS_EX_TRANSPARENT, 0},
      {-1, ControlClass::Static, TextOf(TextId::TitleName), 0, 0, 266, 165, WS_VISIBLE | SS_BITMAP,
       WS_EX_TRANSPARENT, IDB_TITLE},
  }};

  // The main dialog: the row of controls below the painted picture.
  g_mainControls = {{
      {IDOK, ControlClass::Button, TextOf(TextId::CloseButton), 62, 7, 12, 13,
       WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
      {IDCANCEL, ControlClass::Button, TextOf(TextId::HiddenCancelButton), 7, 7, 50, 14,
       WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
      {IDC_MESSAGE, ControlClass::Edit, "", 190, 276, 221, 13,
       WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 0},
      {IDC_OSCILLATIONS, ControlClass::Edit, "", 156, 276, 26, 13,
       WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_DIGITS, 0, 0},
      {-1, ControlClass::Static, TextOf(TextId::OscillationCountLabel), 103, 273, 46, 18,
       WS_VISIBLE | WS_GROUP | SS_RIGHT, 0, 0},
      {IDC_START, ControlClass::Button, TextOf(TextId::StartButton), 11, 275, 67, 14,
       WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
      {IDC_PLOT, ControlClass::Button, TextOf(TextId::PlotButton), 417, 275, 33, 14,
       WS_VISIBLE | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 0, 0},
  }};

  // The string code's dialog: what to type, the code's box, OK and Cancel.
  g_stringCodeControls = {{
      {-1, ControlClass::Static, TextOf(TextId::StringCodePrompt), 7, 7, 166, 26,
       WS_VISIBLE | WS_GROUP, 0, 0},
      {IDC_STRING_CODE, ControlClass::Edit, "", 7, 35, 80, 13,
       WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0},
      {IDOK, ControlClass::Button, TextOf(TextId::OkButton), 69, 55, 50, 14,
       WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
      {IDCANCEL, ControlClass::Button, TextOf(TextId::CancelButton), 123, 55, 50, 14,
       WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
  }};

  // The language dialog: one button a language, named in its own language,
  // and Cancel.
  const std::vector<std::string_view> languages = Languages();
  for (int i = 0; i < kLanguageButtons; ++i) {
    const bool present = i < static_cast<int>(languages.size());
    g_languageControls[static_cast<std::size_t>(i)] = {
        IDC_LANGUAGE_FIRST + i,
        ControlClass::Button,
        present ? TextIn(languages[static_cast<std::size_t>(i)], TextId::LanguageName) : "",
        10,
        7 + 18 * i,
        100,
        14,
        (present ? WS_VISIBLE : 0u) | WS_TABSTOP | BS_PUSHBUTTON,
        0,
        0};
  }
  g_languageControls[kLanguageButtons] = {IDCANCEL,
                                          ControlClass::Button,
                                          TextOf(TextId::CancelButton),
                                          35,
                                          7 + 18 * kLanguageButtons + 4,
                                          50,
                                          14,
                                          WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                          0,
                                          0};

  g_dialogs = {{
      {IDD_TITLE, "", WS_POPUP | DS_SETFONT, 0, 266, 165, "MS Sans Serif", 8, g_titleControls},
      {IDD_MAIN, TextOf(TextId::MainCaption),
       WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
       WS_EX_APPWINDOW, 460, 295, "MS Sans Serif", 8, g_mainControls},
      {IDD_STRING_CODE, TextOf(TextId::StringCodeCaption),
       WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 180, 76,
       "MS Sans Serif", 8, g_stringCodeControls},
      {IDD_LANGUAGE, TextOf(TextId::LanguageCaption),
       WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 120,
       7 + 18 * kLanguageButtons + 4 + 14 + 7, "MS Sans Serif", 8, g_languageControls},
  }};
  return g_dialogs;
}

std::span<const StringResource> LabStrings() {
  g_strings = {{{IDS_ABOUTBOX, TextOf(TextId::AboutItem)}}};
  return g_strings;
}

}  // namespace lab
