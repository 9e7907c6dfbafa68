#include "res/templates.h"

#include "res/resource_ids.h"

namespace lab {

namespace {

// The title dialog: the title picture with "Entra" over its lower left part.
constexpr ControlTemplate kTitleControls[] = {
    {IDOK, ControlClass::Button, "Entra", 40, 117, 32, 14,
     WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, WS_EX_TRANSPARENT, 0},
    {-1, ControlClass::Static, "Llei de Trelko", 0, 0, 266, 165, WS_VISIBLE | SS_BITMAP,
     WS_EX_TRANSPARENT, IDB_TITLE},
};

// The main dialog: the row of controls below the painted picture.
constexpr ControlTemplate kMainControls[] = {
    {IDOK, ControlClass::Button, "X", 62, 7, 12, 13, WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
    {IDCANCEL, ControlClass::Button, "Cancelar", 7, 7, 50, 14, WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
    {IDC_MESSAGE, ControlClass::Edit, "", 190, 276, 221, 13,
     WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 0},
    {IDC_OSCILLATIONS, ControlClass::Edit, "", 156, 276, 26, 13,
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_DIGITS, 0, 0},
    {-1, ControlClass::Static, "Nombre d'oscil\u00b7lacions", 103, 273, 46, 18,
     WS_VISIBLE | WS_GROUP | SS_RIGHT, 0, 0},
    {IDC_START, ControlClass::Button, "Comen\u00e7ar", 11, 275, 67, 14,
     WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
    {IDC_PLOT, ControlClass::Button, "plot", 417, 275, 33, 14,
     WS_VISIBLE | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 0, 0},
};

// The string code's dialog: what to type, the code's box, OK and Cancel.
constexpr ControlTemplate kStringCodeControls[] = {
    {-1, ControlClass::Static,
     "Escriviu el codi del fil que us ha donat el professorat. Deixeu-lo buit per tornar al fil "
     "del laboratori.",
     7, 7, 166, 26, WS_VISIBLE | WS_GROUP, 0, 0},
    {IDC_STRING_CODE, ControlClass::Edit, "", 7, 35, 80, 13,
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0},
    {IDOK, ControlClass::Button, "D'acord", 69, 55, 50, 14,
     WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
    {IDCANCEL, ControlClass::Button, "Cancel\u00b7la", 123, 55, 50, 14,
     WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_TITLE, "", WS_POPUP | DS_SETFONT, 0, 266, 165, "MS Sans Serif", 8, kTitleControls},
    {IDD_MAIN, "Llei de Trelko",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW,
     460, 295, "MS Sans Serif", 8, kMainControls},
    {IDD_STRING_CODE, "Fil amb codi",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 180, 76,
     "MS Sans Serif", 8, kStringCodeControls},
};

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, "Acerca de trelko.exe"},
};

}  // namespace

std::span<const DialogTemplate> LabDialogTemplates() { return kDialogs; }
std::span<const StringResource> LabStrings() { return kStrings; }

}  // namespace lab
