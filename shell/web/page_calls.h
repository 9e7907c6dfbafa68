// The page's side of the web host: functions written in JavaScript
// (host_library.js), called from C++. Windows are numbered by their modal
// level, 0 the outermost. Texts are UTF-8, pixels 0xFFRRGGBB rows.
#pragma once

#include <cstdint>

namespace lab {

extern "C" {

// --- windows and controls --------------------------------------------------
// framed: a caption bar with a close button; background 0x00BBGGRR (the
// dialogs' own colour, behind read-only boxes); fontPixels: the controls'.
void lab_page_open_window(int level, const char* caption, int width, int height, int framed,
                          unsigned background, int fontPixels);
// kind: page_kind (a picture comes with its pixels, width x height);
// flags: page_control.
void lab_page_add_control(int level, int id, int kind, const char* text, int x, int y, int width,
                          int height, unsigned flags, const std::uint32_t* pixels);
// What a screen reader calls an edit (ControlName), set before the window shows.
void lab_page_name_control(int level, int id, const char* name);
// Shows the window and puts the focus into the control `focusId` (0: none).
void lab_page_show_window(int level, int focusId);
void lab_page_close_window(int level);
// 1 when the text changed (an edit's text is then shown from its start).
int lab_page_set_text(int level, int id, const char* text);
// A copy of the control's text made with malloc (the caller frees it).
char* lab_page_get_text(int level, int id);
void lab_page_enable(int level, int id, int enable);
int lab_page_is_enabled(int level, int id);
void lab_page_focus(int level, int id);
// The window menu, given whole after each change: emptied, then its items
// (command 0: a separator) in order, then the greyed ones.
void lab_page_clear_menu(int level);
void lab_page_add_menu_item(int level, unsigned command, const char* text);
// Opens the window menu at a point of the client area; a chosen item comes
// back as a system-command event.
void lab_page_show_menu(int level, int x, int y);
void lab_page_set_icon(const std::uint32_t* argb, int size);

void lab_page_enable_menu_item(int level, unsigned command, int enable);
// A new caption for a framed window (and the page's title).
void lab_page_set_caption(int level, const char* caption);

// --- the instruments drawn on the surface (Dialog::Instruments) ---------------
// Describes the window's instrument number `index` in reading order, new or
// changed: role is page_role; the rectangle in client pixels; table (the
// graph's) holds rows separated by 0x1E, cells by 0x1F; announced and keys
// as in Instrument.
void lab_page_set_instrument(int level, int index, int id, int role, int x, int y, int width,
                             int height, const char* name, const char* state, int checked,
                             const char* table, const char* summary, const char* announced,
                             const char* keys);
// The window has `count` instruments: those after them are gone.
void lab_page_keep_instruments(int level, int count);

// --- the clipboard, downloads and the browser's storage ------------------------
void lab_page_set_clipboard(const char* text, const char* html);
// Offers bytes as a download under a file name.
void lab_page_download(const char* name, const std::uint8_t* bytes, int size);
// A copy of the stored text made with malloc, nullptr when there is none.
char* lab_page_read_state(const char* name);
int lab_page_write_state(const char* name, const char* text);

// --- pixels ------------------------------------------------------------------
// Puts a rectangle of the window's image (RGBA bytes, imageWidth x
// imageHeight, kept by the host) onto the window's canvas.
void lab_page_present(int level, const std::uint8_t* image, int imageWidth, int imageHeight, int x,
                      int y, int width, int height);

// --- events --------------------------------------------------------------------
// Takes the oldest queued event into out[0..5]; 0 when there is none.
int lab_page_next_event(int* out);
// Waits (suspending the program) until an event is queued or the time is up;
// a negative time waits for an event only.
void lab_page_wait_event(double milliseconds);
int lab_page_hidden();

// --- modal parts -----------------------------------------------------------------
// Shows a modal message over the page and returns its number; its answer
// comes as a message-box event.
int lab_page_open_message_box(const char* text, const char* caption);
// Waits until the browser has shown the latest pixels (one frame, or a
// moment when the page shows no frames).
void lab_page_next_frame();
}

// The numbers below are the page's too: the build writes every constant of
// these namespaces into a script object of the same name that comes before
// page.js (page_constants.cmake), so each is written here only. Keep them
// plain: `constexpr int|unsigned kName = number;`.

// The events of the page, as lab_page_next_event gives them:
// {kind, level, a, b, c, d}.
namespace page_event {
constexpr int kMouse = 1;        // a: Dialog::Mouse, b: flags, c, d: client point
constexpr int kCommand = 2;      // a: control id, b: notification
constexpr int kSysCommand = 3;   // a: command
constexpr int kKey = 4;          // a: virtual key
constexpr int kPaint = 5;        // the window must be painted whole
constexpr int kVisibility = 6;   // the page was hidden or shown
constexpr int kMenuKey = 7;      // the key that offers the window menu
constexpr int kBoxAnswered = 8;  // a: the message box's number

// An instrument's key (a: its id, b: page_input key, c: page_input::kShiftKey
// or 0), and the focus moving to an instrument (a: its id) or off all (-1).
constexpr int kInstrumentKey = 9;
constexpr int kInstrumentFocus = 10;
}  // namespace page_event

// The instruments' roles for lab_page_set_instrument (InstrumentRole).
namespace page_role {
constexpr int kButton = 0;
constexpr int kSwitch = 1;
constexpr int kBall = 2;
constexpr int kReadout = 3;
constexpr int kGraph = 4;
}  // namespace page_role

// Control flags for lab_page_add_control.
namespace page_control {
constexpr unsigned kVisible = 0x1;
constexpr unsigned kDisabled = 0x2;
constexpr unsigned kTabStop = 0x4;
constexpr unsigned kDefault = 0x8;
constexpr unsigned kReadOnly = 0x10;
constexpr unsigned kStaticEdge = 0x20;
constexpr unsigned kBorder = 0x40;
constexpr unsigned kRight = 0x80;
constexpr unsigned kCentre = 0x100;
constexpr unsigned kDigits = 0x200;
}  // namespace page_control

// The kinds of control for lab_page_add_control.
namespace page_kind {
constexpr int kPushButton = 0;
constexpr int kEdit = 1;
constexpr int kText = 2;
constexpr int kPicture = 3;
}  // namespace page_kind

// The core's input numbers that the page sends back in its events
// (web_host.cpp checks them against platform/dialog.h).
namespace page_input {
constexpr int kLeftDown = 0;  // Dialog::Mouse
constexpr int kLeftUp = 1;
constexpr int kRightDown = 2;
constexpr int kRightUp = 3;
constexpr int kMove = 4;
constexpr unsigned kLeftButton = 0x1;  // MK_LBUTTON
constexpr unsigned kRightButton = 0x2;
constexpr int kClicked = 0;          // BN_CLICKED
constexpr int kChange = 0x300;       // EN_CHANGE
constexpr unsigned kClose = 0xF060;  // SC_CLOSE
constexpr int kReturn = 0x0D;        // VK_RETURN
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;  // an instrument's keys (platform/instrument.h)
constexpr int kArrowLeft = 0x25;
constexpr int kArrowUp = 0x26;
constexpr int kArrowRight = 0x27;
constexpr int kArrowDown = 0x28;
constexpr int kThrow = 0x4C;  // 'L'
constexpr unsigned kShiftKey = 0x1;
constexpr unsigned kOtherModifier = 0x2;  // KEY_OTHER_MODIFIER
}  // namespace page_input

// A stop of the Tab ring as lab_next_focus_stop gives it and takes it:
// its kind times kKindUnit plus its id (platform/focus_ring.h).
namespace page_focus {
constexpr int kNowhere = 0;  // FocusStop::Kind
constexpr int kInstrument = 1;
constexpr int kControl = 2;
constexpr int kKindUnit = 0x10000;
}  // namespace page_focus

}  // namespace lab
