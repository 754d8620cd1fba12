// The number edits: CFldNumEdit keeps the last valid value in rule units,
// refuses edits that cannot lead to a number within range and settles the
// text on leaving; CFldIntEdit and CFldDblEdit translate their values, the
// empty markers and their format arguments into rule units.
#include <fld.h>

#include <cmath>

#include "number_text.h"

IMPLEMENT_DYNAMIC(CFldNumEdit, CFldEdit)
IMPLEMENT_DYNAMIC(CFldIntEdit, CFldNumEdit)
IMPLEMENT_DYNAMIC(CFldDblEdit, CFldNumEdit)

namespace {

constexpr int kMaxIntDigits = 10;
constexpr int kMaxDecimals = 8;
constexpr int kTotalDigits = 18;

std::u16string_view View(const CString& text) { return {text.GetString(), static_cast<size_t>(text.GetLength())}; }

// A real value in units of 1 / scale, held within the units' reach.
long long ToUnits(double value, double scale) {
  const double units = std::clamp(value * scale, -static_cast<double>(fld::kMaxUnits),
                                  static_cast<double>(fld::kMaxUnits));
  return std::llround(units);
}

}  // namespace

// ---- CFldNumEdit ----

BOOL CFldNumEdit::TieNumber(CDialog* dialog, UINT id, const FldNumberRule& rule) {
  if (rule.minimum > rule.maximum || !TieToControl(dialog, id)) return FALSE;
  m_rule = rule;
  SendMessage(EM_LIMITTEXT, 0);
  return TRUE;
}

BOOL CFldNumEdit::GetUnits(long long* units) const {
  const CString text = Text();
  if (text.IsEmpty()) return FALSE;
  if (const auto parsed = fld::ParseInRange(View(text), m_rule)) {
    *units = *parsed;
    return TRUE;
  }
  *units = m_units;
  return m_bHasValue;
}

void CFldNumEdit::SetUnits(long long units) { Show(TRUE, units); }

void CFldNumEdit::SetEmpty() { Show(FALSE, 0); }

void CFldNumEdit::Show(BOOL hasValue, long long units) {
  m_bHasValue = hasValue;
  m_units = hasValue ? units : 0;
  const CString text = hasValue ? CString(fld::FormatUnits(units, m_rule.decimals).c_str()) : CString();
  if (Text() != text) SetWindowText(text);
}

bool CFldNumEdit::Allows(const CString& text, bool insertion) const {
  if (!fld::IsWellFormed(View(text), m_rule)) return false;
  return !insertion || fld::CanBeginNumberInRange(View(text), m_rule);
}

void CFldNumEdit::OnLeave() {
  const CString text = Text();
  if (text.IsEmpty()) {
    m_bHasValue = FALSE;
    return;
  }
  if (const auto parsed = fld::ParseInRange(View(text), m_rule)) {
    Show(TRUE, *parsed);
    return;
  }
  Show(m_bHasValue, m_units);
}

// ---- CFldIntEdit ----

BOOL CFldIntEdit::SetWindowStatus(CDialog* dialog, UINT id, int initial, int minimum, int maximum, short digits) {
  FldNumberRule rule;
  rule.decimals = 0;
  rule.integerDigits = digits > 0 && digits <= kMaxIntDigits ? digits : kMaxIntDigits;
  rule.minimum = minimum;
  rule.maximum = maximum;
  if (!TieNumber(dialog, id, rule)) return FALSE;
  SetVal(initial);
  return TRUE;
}

int CFldIntEdit::GetVal() const {
  long long units = 0;
  return GetUnits(&units) ? static_cast<int>(units) : FLD_INT_EMPTY;
}

void CFldIntEdit::SetVal(int value) {
  if (value == FLD_INT_EMPTY)
    SetEmpty();
  else
    SetUnits(value);
}

// ---- CFldDblEdit ----

BOOL CFldDblEdit::SetWindowStatus(CDialog* dialog, UINT id, double initial, double minimum, double maximum,
                                  short decimals, short integerDigits) {
  if (std::isnan(minimum) || std::isnan(maximum)) return FALSE;
  FldNumberRule rule;
  rule.decimals = std::clamp<int>(decimals, 0, kMaxDecimals);
  const int mostInteger = kTotalDigits - rule.decimals;
  rule.integerDigits = integerDigits >= 1 && integerDigits <= mostInteger ? integerDigits : mostInteger;
  const double scale = std::pow(10.0, rule.decimals);
  rule.minimum = ToUnits(minimum, scale);
  rule.maximum = ToUnits(maximum, scale);
  if (!TieNumber(dialog, id, rule)) return FALSE;
  m_scale = scale;
  SetVal(initial);
  return TRUE;
}

double CFldDblEdit::GetVal() const {
  long long units = 0;
  return GetUnits(&units) ? static_cast<double>(units) / m_scale : FLD_DBL_EMPTY;
}

void CFldDblEdit::SetVal(double value) {
  if (value == FLD_DBL_EMPTY || !std::isfinite(value))
    SetEmpty();
  else
    SetUnits(ToUnits(value, m_scale));
}
