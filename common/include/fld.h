// The host's field controls: string, integer and real edits and the string
// combo box. Each object takes over a control of a dialog's template with
// SetWindowStatus (as DDX_Control would; FALSE, tying nothing, when the
// dialog has no such control or the arguments contradict each other) and is
// then read and written with GetVal / SetVal. Calling SetWindowStatus again
// (a new window of the same dialog object) starts the field afresh.
//
// Edits (CFldEdit and its classes):
// - The changed flag m_bChanged (IsChanged / ClearChanged) is set by every
//   change that the user's own editing makes to the text (typing, Delete,
//   cut, paste, clear, undo) and never by SetVal or the program's messages.
//   SetWindowStatus clears it, and so does the field whenever it takes the
//   focus, so that on leaving it tells whether the user changed the field
//   during this visit; the owner may clear it at any time.
// - ModifyPopupStyle(add, remove) sets and clears the bits of the input
//   popup (the on-screen keypad a tap on the field opens on the handheld):
//   FLD_POPUP_ON_TAP (1) opens it on a tap, FLD_POPUP_DIGITS (2) offers the
//   digit pad, FLD_POPUP_LETTERS (4) the letter and kana pads; so 3 is a
//   digits-only popup and 7 a full one. This host shows no popup; the bits
//   are kept for GetPopupStyle. SetWindowStatus clears them.
//
// String edit (CFldStrEdit): the maximum length (EM_LIMITTEXT; 0 = the
// platform's own limit) binds typing and pasting, as on the platform; SetVal
// and the initial text are put in as given.
//
// Number edits (CFldIntEdit, CFldDblEdit on CFldNumEdit). The text is an
// optional '-', the integer digits and, for reals, an optional '.' with up
// to `decimals` digits; a leading 0 takes no further integer digit.
// - Typing, pasting and undo are refused (the text stays as it was) when the
//   text they would make cannot be the beginning of a number within
//   [minimum, maximum]: letters, a second '-' or '.', too many digits and
//   numbers that only lead out of range never get in. Deleting only has to
//   leave such a well-formed beginning ("5" may remain of "15" in [10, 20]).
// - On losing the focus an empty text stays empty, a complete number within
//   range is shown again in the field's format, and anything else (out of
//   range, "-", ".") is replaced by the last valid value.
// - Empty state: the marker FLD_INT_EMPTY (999999999) / FLD_DBL_EMPTY
//   (999999999.0, compared exactly) as initial value or SetVal empties the
//   field; GetVal of an empty field returns the marker.
// - GetVal returns the number the text shows when it is a complete number
//   within range, else the last valid value (the one leaving would bring
//   back); SetVal shows its value as given (rounded to the decimals; NaN and
//   infinities empty the field), and it becomes the last valid value.
// - Integer edit: digits = the most integer digits the user may type (5:
//   up to 99999 in size); 0 or less, or more than 10, means 10. Shown as a
//   plain decimal number ("-42").
// - Real edit, the two format values (decimals, integerDigits) = (4, 8):
//   decimals = the digits typed after the point at most and always shown
//   (0 to 8; SetVal(12.5) shows "12.5000", SetVal(-0.00001) "0.0000");
//   integerDigits = the most integer digits the user may type (1 to
//   18 - decimals; outside that, 18 - decimals).
//
// String combo (CFldStrCombo), both forms of the template's combo box:
// - drop-down list (CBS_DROPDOWNLIST): GetVal is the selected item's text
//   (empty with no selection); SetVal selects the item of exactly that text
//   (ignoring case), an empty text clears the selection, and a text of no
//   item changes nothing and gives FALSE. The maximum length is not used.
// - drop-down with edit: GetVal is the edit text; SetVal puts the text in as
//   given; the maximum length (CB_LIMITTEXT; 0 = none) binds typing.
#pragma once
#include <afxwin.h>

#define FLD_INT_EMPTY 999999999
#define FLD_DBL_EMPTY 999999999.0

#define FLD_POPUP_ON_TAP 0x0001
#define FLD_POPUP_DIGITS 0x0002
#define FLD_POPUP_LETTERS 0x0004

class CFldEdit : public CWnd {
  DECLARE_DYNAMIC(CFldEdit)
 public:
  CFldEdit();
  ~CFldEdit() override;

  void ModifyPopupStyle(DWORD dwAdd, DWORD dwRemove);
  DWORD GetPopupStyle() const { return m_dwPopupStyle; }
  BOOL IsChanged() const { return m_bChanged; }
  void ClearChanged() { m_bChanged = FALSE; }

  BOOL m_bChanged = FALSE;

 protected:
  // Takes over the dialog's control id and starts the field afresh.
  BOOL TieToControl(CDialog* dialog, UINT id);
  // Whether the text an edit of the user would leave may stay: insertion is
  // true for typing, pasting and undo, false for deletions.
  virtual bool Allows(const CString& text, bool insertion) const;
  // The field is losing the focus (before the dialog hears of it).
  virtual void OnLeave();
  CString Text() const;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT GuardUserEdit(UINT message, WPARAM wParam, LPARAM lParam);

  DWORD m_dwPopupStyle = 0;
};

class CFldStrEdit : public CFldEdit {
  DECLARE_DYNAMIC(CFldStrEdit)
 public:
  BOOL SetWindowStatus(CDialog* dialog, UINT id, CString initial, UINT maxLength);
  CString GetVal() const;
  void SetVal(CString text);
};

// A number rule in units of 10^-decimals: 12.5 with 4 decimals is 125000.
struct FldNumberRule {
  int decimals = 0;
  int integerDigits = 10;
  long long minimum = 0;
  long long maximum = 0;
};

// The common part of the number edits, working in the rule's units.
class CFldNumEdit : public CFldEdit {
  DECLARE_DYNAMIC(CFldNumEdit)
 protected:
  BOOL TieNumber(CDialog* dialog, UINT id, const FldNumberRule& rule);
  // The value in rule units; FALSE for the empty state.
  BOOL GetUnits(long long* units) const;
  void SetUnits(long long units);
  void SetEmpty();
  const FldNumberRule& Rule() const { return m_rule; }

  bool Allows(const CString& text, bool insertion) const override;
  void OnLeave() override;

 private:
  void Show(BOOL hasValue, long long units);

  FldNumberRule m_rule;
  BOOL m_bHasValue = FALSE;  // the last valid value: empty or m_units
  long long m_units = 0;
};

class CFldIntEdit : public CFldNumEdit {
  DECLARE_DYNAMIC(CFldIntEdit)
 public:
  BOOL SetWindowStatus(CDialog* dialog, UINT id, int initial, int minimum, int maximum, short digits);
  int GetVal() const;
  void SetVal(int value);
};

class CFldDblEdit : public CFldNumEdit {
  DECLARE_DYNAMIC(CFldDblEdit)
 public:
  BOOL SetWindowStatus(CDialog* dialog, UINT id, double initial, double minimum, double maximum, short decimals,
                       short integerDigits);
  double GetVal() const;
  void SetVal(double value);

 private:
  double m_scale = 1.0;
};

class CFldStrCombo : public CWnd {
  DECLARE_DYNAMIC(CFldStrCombo)
 public:
  BOOL SetWindowStatus(CDialog* dialog, UINT id, CString initial, UINT maxLength);
  CString GetVal() const;
  BOOL SetVal(CString text);
  BOOL IsDropDownList() const;
};
