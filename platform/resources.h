// Resources by number: dialog templates, strings, bitmaps and icons.
//
// The program's resources are compiled into the executable; start-up hands
// their table to the platform once (InstallResources), and every lookup
// goes through the number. Nothing is read from a file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace lab {

// Standard command identifiers (the OK and Cancel buttons).
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Window styles (the classic values, so templates read as they are written).
constexpr std::uint32_t WS_POPUP = 0x80000000u;
constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
constexpr std::uint32_t WS_DISABLED = 0x08000000u;
constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
constexpr std::uint32_t WS_BORDER = 0x00800000u;
constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
constexpr std::uint32_t WS_GROUP = 0x00020000u;
constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;  // on top-level windows only
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;  // on top-level windows only
constexpr std::uint32_t DS_SETFONT = 0x40u;
constexpr std::uint32_t DS_MODALFRAME = 0x80u;
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x20u;
constexpr std::uint32_t WS_EX_STATICEDGE = 0x20000u;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x40000u;
// Button styles: the low four bits are the button's type.
constexpr std::uint32_t BS_TYPEMASK = 0xFu;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0u;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1u;
// Edit styles.
constexpr std::uint32_t ES_AUTOHSCROLL = 0x80u;
constexpr std::uint32_t ES_READONLY = 0x800u;
// The box takes a whole number: a touch screen's keyboard offers digits.
// Nothing typed is refused for it; the dialog checks what it is given.
constexpr std::uint32_t ES_DIGITS = 0x2000u;
// Static styles: the low five bits are the static's type.
constexpr std::uint32_t SS_TYPEMASK = 0x1Fu;
constexpr std::uint32_t SS_CENTER = 0x1u;
constexpr std::uint32_t SS_RIGHT = 0x2u;
constexpr std::uint32_t SS_BITMAP = 0xEu;

enum class ControlClass { Button, Edit, Static };

struct ControlTemplate {
  int id;  // -1 for a static that nobody addresses
  ControlClass cls;
  std::string_view text;
  int x, y, cx, cy;  // dialog units
  std::uint32_t style;
  std::uint32_t exStyle;
  int bitmap;  // picture statics: bitmap number, else 0
};

struct DialogTemplate {
  int id;
  std::string_view caption;
  std::uint32_t style;
  std::uint32_t exStyle;
  int cx, cy;  // dialog units
  std::string_view fontFace;
  int fontPoints;
  std::span<const ControlTemplate> controls;  // in tab order
};

struct StringResource {
  int id;
  std::string_view text;  // UTF-8
};

struct BitmapResource {
  int id;
  Bitmap bitmap;
};

struct ResourceTable {
  std::span<const DialogTemplate> dialogs;
  std::span<const StringResource> strings;
  std::span<const BitmapResource> bitmaps;
  std::span<const Icon> icons;
};

// Makes a table the one that every lookup below searches.
void InstallResources(const ResourceTable& table);

const DialogTemplate* FindDialogTemplate(int id);
// Empty when there is no such string.
std::string LoadString(int id);
// The bitmap of a number (its low 16 bits); nullptr when there is none.
const Bitmap* LoadBitmap(int id);
// nullptr when there is none.
const Icon* LoadIcon(int id);

// Dialog units to pixels for the templates' 8-point font (base units 6 x 13).
constexpr int DialogUnitsToPixelsX(int x) { return (x * 6 + 2) / 4; }
constexpr int DialogUnitsToPixelsY(int y) { return (y * 13 + 4) / 8; }

}  // namespace lab
