// Pens, brushes and fonts as small values.
//
// Selecting an object into a device context copies it, so an owner may drop
// its object while a context still draws with the copy. Owners still create,
// replace and delete them in the classic way; a default-constructed object
// (or a deleted one) holds nothing and selecting it changes nothing.
#pragma once

#include <string>

#include "platform/color.h"

namespace lab {

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

class CPen {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

  bool CreatePen(int style, int width, COLORREF color) {
    m_valid = true;
    m_style = style;
    m_width = width < 1 ? 1 : width;
    m_color = color;
    return true;
  }
  bool DeleteObject() {
    bool had = m_valid;
    m_valid = false;
    return had;
  }
  bool IsValid() const { return m_valid; }
  int Style() const { return m_style; }
  int Width() const { return m_width; }
  COLORREF Color() const { return m_color; }

  friend bool operator==(const CPen&, const CPen&) = default;

 private:
  bool m_valid = false;
  int m_style = PS_SOLID;
  int m_width = 1;
  COLORREF m_color = RGB(0, 0, 0);
};

constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;

class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

  bool CreateSolidBrush(COLORREF color) {
    m_valid = true;
    m_style = BS_SOLID;
    m_color = color;
    return true;
  }
  bool CreateNullBrush() {
    m_valid = true;
    m_style = BS_NULL;
    return true;
  }
  bool DeleteObject() {
    bool had = m_valid;
    m_valid = false;
    return had;
  }
  bool IsValid() const { return m_valid; }
  int Style() const { return m_style; }
  COLORREF Color() const { return m_color; }

  friend bool operator==(const CBrush&, const CBrush&) = default;

 private:
  bool m_valid = false;
  int m_style = BS_SOLID;
  COLORREF m_color = RGB(255, 255, 255);
};

// Font weights, character sets, precisions, quality, pitch and family.
constexpr int FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700;
constexpr int ANSI_CHARSET = 0, DEFAULT_CHARSET = 1;
constexpr int OUT_DEFAULT_PRECIS = 0, CLIP_DEFAULT_PRECIS = 0, PROOF_QUALITY = 2;
constexpr int DEFAULT_PITCH = 0, FF_DONTCARE = 0;

// A logical font: what was asked for. The text renderer resolves the face
// through fontconfig when the font is used.
struct LogFont {
  int height = 0;       // > 0 cell height, < 0 em height, 0 default; pixels
  int width = 0;        // average character width in pixels, 0 natural
  int escapement = 0;   // tenths of a degree, counter-clockwise
  int orientation = 0;  // tenths of a degree
  int weight = FW_DONTCARE;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = ANSI_CHARSET;
  int outPrecision = OUT_DEFAULT_PRECIS;
  int clipPrecision = CLIP_DEFAULT_PRECIS;
  int quality = PROOF_QUALITY;
  int pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::string face;

  friend bool operator==(const LogFont&, const LogFont&) = default;
};

class CFont {
 public:
  CFont() = default;

  bool CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic,
                  bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
                  int quality, int pitchAndFamily, const char* face) {
    m_valid = true;
    m_log = LogFont{height,        width,     escapement,     orientation,     weight,
                    italic,        underline, strikeOut,      charSet,         outPrecision,
                    clipPrecision, quality,   pitchAndFamily, face ? face : ""};
    return true;
  }
  bool CreateFontIndirect(const LogFont& log) {
    m_valid = true;
    m_log = log;
    return true;
  }
  bool DeleteObject() {
    bool had = m_valid;
    m_valid = false;
    return had;
  }
  bool IsValid() const { return m_valid; }
  const LogFont& Log() const { return m_log; }

  friend bool operator==(const CFont&, const CFont&) = default;

 private:
  bool m_valid = false;
  LogFont m_log;
};

}  // namespace lab
