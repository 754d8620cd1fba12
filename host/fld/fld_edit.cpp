// CFldEdit, the edits' common part: taking over the control, the user's
// edits passed through the field's rule with the changed flag kept, the
// leave hook and the popup-style bits; and CFldStrEdit, the string edit.
#include <fld.h>

#include <algorithm>

#include "tie_control.h"

IMPLEMENT_DYNAMIC(CFldEdit, CWnd)
IMPLEMENT_DYNAMIC(CFldStrEdit, CFldEdit)

namespace {

// The text that typing the character c into text with the selection would leave.
CString TypedText(const CString& text, DWORD selection, WPARAM c) {
  const int length = text.GetLength();
  const int start = std::min<int>(LOWORD(selection), length);
  const int end = std::clamp<int>(HIWORD(selection), start, length);
  if (c != VK_BACK) return text.Left(start) + CString(static_cast<WCHAR>(c)) + text.Mid(end);
  if (start != end) return text.Left(start) + text.Mid(end);
  return start > 0 ? text.Left(start - 1) + text.Mid(start) : text;
}

bool IsUserEdit(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_CHAR:
      return wParam == VK_BACK || wParam >= 0x20;
    case WM_KEYDOWN:
      return wParam == VK_DELETE;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return true;
    default:
      return false;
  }
}

bool InsertsText(UINT message, WPARAM wParam) {
  return (message == WM_CHAR && wParam != VK_BACK) || message == WM_PASTE || message == WM_UNDO;
}

}  // namespace

CFldEdit::CFldEdit() = default;

CFldEdit::~CFldEdit() = default;

void CFldEdit::ModifyPopupStyle(DWORD dwAdd, DWORD dwRemove) { m_dwPopupStyle = (m_dwPopupStyle & ~dwRemove) | dwAdd; }

BOOL CFldEdit::TieToControl(CDialog* dialog, UINT id) {
  if (!fld::TieToDialogControl(*this, dialog, id)) return FALSE;
  m_bChanged = FALSE;
  m_dwPopupStyle = 0;
  return TRUE;
}

bool CFldEdit::Allows(const CString&, bool) const { return true; }

void CFldEdit::OnLeave() {}

CString CFldEdit::Text() const {
  CString text;
  GetWindowText(text);
  return text;
}

LRESULT CFldEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsUserEdit(message, wParam)) return GuardUserEdit(message, wParam, lParam);
  if (message == WM_SETFOCUS) m_bChanged = FALSE;
  if (message == WM_KILLFOCUS) OnLeave();
  return CWnd::WindowProc(message, wParam, lParam);
}

// Typing is refused before the control sees it; other edits are undone when
// they leave a text the rule does not allow.
LRESULT CFldEdit::GuardUserEdit(UINT message, WPARAM wParam, LPARAM lParam) {
  const CString before = Text();
  const DWORD selection = static_cast<DWORD>(SendMessage(EM_GETSEL));
  const bool insertion = InsertsText(message, wParam);
  if (message == WM_CHAR && !Allows(TypedText(before, selection, wParam), insertion)) return 0;
  const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  const CString after = Text();
  if (after == before) return result;
  if (!Allows(after, insertion)) {
    SetWindowText(before);
    SendMessage(EM_SETSEL, LOWORD(selection), HIWORD(selection));
    return result;
  }
  m_bChanged = TRUE;
  return result;
}

BOOL CFldStrEdit::SetWindowStatus(CDialog* dialog, UINT id, CString initial, UINT maxLength) {
  if (!TieToControl(dialog, id)) return FALSE;
  SendMessage(EM_LIMITTEXT, maxLength);
  SetVal(initial);
  return TRUE;
}

CString CFldStrEdit::GetVal() const { return Text(); }

void CFldStrEdit::SetVal(CString text) { SetWindowText(text); }
