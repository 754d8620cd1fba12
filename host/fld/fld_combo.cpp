// CFldStrCombo: the string combo box in its two forms, the drop-down list
// (its value is the selected item's text) and the drop-down with an edit
// part (its value is the edit text, typed within the maximum length).
#include <fld.h>

#include "tie_control.h"

IMPLEMENT_DYNAMIC(CFldStrCombo, CWnd)

BOOL CFldStrCombo::SetWindowStatus(CDialog* dialog, UINT id, CString initial, UINT maxLength) {
  if (!fld::TieToDialogControl(*this, dialog, id)) return FALSE;
  if (!IsDropDownList()) SendMessage(CB_LIMITTEXT, maxLength);
  SetVal(initial);
  return TRUE;
}

BOOL CFldStrCombo::IsDropDownList() const { return (GetStyle() & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST; }

CString CFldStrCombo::GetVal() const {
  CString text;
  GetWindowText(text);
  return text;
}

BOOL CFldStrCombo::SetVal(CString text) {
  if (!IsDropDownList()) {
    SetWindowText(text);
    return TRUE;
  }
  if (text.IsEmpty()) {
    SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
    return TRUE;
  }
  const LRESULT index = SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.GetString()));
  if (index == CB_ERR) return FALSE;
  SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
  return TRUE;
}
