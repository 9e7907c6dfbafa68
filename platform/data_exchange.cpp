#include "platform/data_exchange.h"

#include <climits>

#include "platform/dialog.h"
#include "platform/runtime.h"
#include "platform/window_host.h"
#include "res/texts/text_catalogue.h"

namespace lab {

std::string RangeMessage(int minimum, int maximum) {
  return Format(TextOf(TextId::IntegerRangeMessage), minimum, maximum);
}

void CDataExchange::Fail(const std::string& message) {
  m_failed = true;
  m_pDlgWnd->MessageBox(message);
  GetWindowHost().FocusControl(*m_pDlgWnd, m_lastControl);
}

namespace {
// Compared byte by byte, not with <cctype>: what counts as a blank or a digit
// must not depend on the process's locale.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool ParseInteger(const std::string& text, int& value) {
  const std::size_t end = text.size() < 63 ? text.size() : 63;
  std::size_t i = 0;
  while (i < end && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= end || !IsDigit(text[i])) return false;
  long long magnitude = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  while (i < end && IsDigit(text[i])) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (text[i] - '0');
    ++i;
  }
  while (i < end && IsBlank(text[i])) ++i;
  if (i < end) return false;                 // "12abc", "1.9", "1 2": not an integer
  if (magnitude > limit) magnitude = limit;  // saturate: beyond the int range
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  if (pDX->Failed()) return;
  pDX->SetLastControl(id);
  WindowHost& host = GetWindowHost();
  if (pDX->m_bSaveAndValidate) {
    value = host.GetControlText(*pDX->m_pDlgWnd, id);
  } else {
    pDX->m_pDlgWnd->GetDlgItem(id).SetWindowText(value);
  }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
  if (pDX->Failed()) return;
  pDX->SetLastControl(id);
  WindowHost& host = GetWindowHost();
  if (pDX->m_bSaveAndValidate) {
    int parsed = 0;
    if (!ParseInteger(host.GetControlText(*pDX->m_pDlgWnd, id), parsed)) {
      pDX->Fail(TextOf(TextId::NotAnIntegerMessage));
      return;
    }
    value = parsed;
  } else {
    pDX->m_pDlgWnd->GetDlgItem(id).SetWindowText(Format("%d", value));
  }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate) return;
  if (value < minimum || value > maximum) pDX->Fail(RangeMessage(minimum, maximum));
}

}  // namespace lab
