// Numbers of the lab's resources and controls.
#pragma once

namespace lab {

// Dialog templates: the title, the lab, the string's code.
constexpr int IDD_TITLE = 100, IDD_MAIN = 102, IDD_STRING_CODE = 103, IDD_LANGUAGE = 104;

// Strings.
constexpr int IDS_ABOUTBOX = 101;

// System-menu command of the title dialog.
constexpr unsigned IDM_ABOUTBOX = 16;
// System-menu commands of the lab report and the kept series (the low four
// bits of a system command are the system's, so they step by 16).
constexpr unsigned IDM_COPY_DATA = 32;
constexpr unsigned IDM_SAVE_DATA = 48;
constexpr unsigned IDM_SAVE_GRAPH = 64;
constexpr unsigned IDM_RESTORE_SERIES = 80;
// "Fil amb codi…": a string of the teacher's code.
constexpr unsigned IDM_STRING_CODE = 96;
// "Llengua…": the lab's language.
constexpr unsigned IDM_LANGUAGE = 112;

// Icon.
constexpr int IDR_MAINFRAME = 128;

// Controls of the main dialog.
constexpr int IDC_MESSAGE = 1001;
constexpr int IDC_OSCILLATIONS = 1002;
constexpr int IDC_START = 1003;
constexpr int IDC_PLOT = 1004;
// Controls of the string code's dialog.
constexpr int IDC_STRING_CODE = 1005;
// The language dialog's buttons, one a language in the catalogue's order.
constexpr int IDC_LANGUAGE_FIRST = 1010;
constexpr int kLanguageButtons = 4;

// Bitmaps.
constexpr int IDB_DIGIT_0 = 130;  // 130..139 the digits 0..9
constexpr int IDB_DIGIT_BLANK = 140;
constexpr int IDB_DIGIT_POINT = 141;
constexpr int IDB_DIGIT_MINUS = 142;
constexpr int IDB_DIGIT_E = 143;
constexpr int IDB_DIGIT_R = 144;
constexpr int IDB_SWITCH_ON = 145;
constexpr int IDB_SWITCH_OFF = 148;
constexpr int IDB_RESET = 151;
constexpr int IDB_RESET_PRESSED = 152;
constexpr int IDB_STOP = 153;
constexpr int IDB_START = 154;
constexpr int IDB_STOP_PRESSED = 155;
constexpr int IDB_START_PRESSED = 156;
constexpr int IDB_WEIGHT_05 = 157;
constexpr int IDB_WEIGHT_02 = 158;
constexpr int IDB_WEIGHT_03 = 159;
constexpr int IDB_EMPTY_PEG = 160;
constexpr int IDB_TITLE = 161;

}  // namespace lab
