// Data exchange between dialog members and controls.
//
// UpdateData(true) reads the controls into the members in the order of
// DoDataExchange and validates; the first failure shows the standard
// message, puts the focus back into the control with its text selected and
// stops the exchange (members after it keep their values). UpdateData(false)
// writes the members into the controls.
#pragma once

#include <string>

namespace lab {

class Dialog;

class CDataExchange {
 public:
  CDataExchange(Dialog* dialog, bool saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  Dialog* m_pDlgWnd;
  bool m_bSaveAndValidate;

  bool Failed() const { return m_failed; }
  // Reports a failure on the control last exchanged: message box, focus and
  // selection back in the control; later exchanges do nothing.
  void Fail(const std::string& message);
  int LastControl() const { return m_lastControl; }
  void SetLastControl(int id) { m_lastControl = id; }

 private:
  bool m_failed = false;
  int m_lastControl = 0;
};

// The standard validation message of a count out of its range, with the
// two bounds (the catalogue's IntegerRangeMessage).
std::string RangeMessage(int minimum, int maximum);

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum);

// Parses an integer from the first 63 characters: blanks or tabs, one
// optional sign, decimal digits, blanks or tabs, and nothing more ("12abc",
// "1.9", "1 2" and "1e3" are not integers). Values beyond the int range
// saturate to INT_MIN or INT_MAX. The same whatever the process's locale.
bool ParseInteger(const std::string& text, int& value);

}  // namespace lab
