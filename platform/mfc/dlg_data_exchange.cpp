// Dialog data exchange: CDataExchange and the DDX_ / DDV_ functions that
// move values between member variables and controls in both directions.
// A value the user typed that does not fit is reported in a message box and
// Fail() puts the focus back on the control. An id the dialog has no control
// for throws CNotSupportedException, which UpdateData reports.
#include <afxpriv.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <type_traits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = nullptr;
  m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
  if (!hWndCtrl) AfxThrowNotSupportedException();  // the dialog has no control of that id
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

// ---- controls ----
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd) return;  // subclassed once, for the life of the dialog
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}

// ---- text ----
namespace {

CString WindowText(HWND hWnd) {
  CString text;
  CWnd::FromHandle(hWnd)->GetWindowText(text);
  return text;
}

// Sets the text only when it differs, so that the control does not flicker or notify.
void SetTextIfChanged(HWND hWnd, LPCTSTR text) {
  if (WindowText(hWnd) != text) ::SetWindowText(hWnd, text);
}

[[noreturn]] void FailWith(CDataExchange* pDX, LPCTSTR message) {
  AfxMessageBox(message, MB_ICONEXCLAMATION);
  pDX->Fail();
}

std::string Narrow(const CString& text) {
  std::string narrow;
  for (int i = 0; i < text.GetLength(); ++i) {
    const auto c = static_cast<unsigned>(static_cast<std::make_unsigned_t<TCHAR>>(text[i]));
    narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '?';  // digits, signs and points are ASCII
  }
  return narrow;
}

// Parses a whole decimal integer within [low, high]; false when the text is not one.
bool ParseInteger(const CString& text, long long low, long long high, long long* value) {
  CString trimmed(text);
  trimmed.Trim();
  const std::string digits = Narrow(trimmed);
  if (digits.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(digits.c_str(), &end, 10);
  if (errno != 0 || *end != 0 || parsed < low || parsed > high) return false;
  *value = parsed;
  return true;
}

template <class Integer>
void ExchangeInteger(CDataExchange* pDX, int nIDC, Integer& value, long long low, long long high,
                     LPCTSTR format) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    long long parsed = 0;
    if (!ParseInteger(WindowText(hWndCtrl), low, high, &parsed)) {
      FailWith(pDX, low < 0 ? _T("Please enter an integer.") : _T("Please enter a positive integer."));
    }
    value = static_cast<Integer>(parsed);
  } else {
    CString text;
    text.Format(format, value);
    SetTextIfChanged(hWndCtrl, text);
  }
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(hWndCtrl);
  } else {
    SetTextIfChanged(hWndCtrl, value);
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  ExchangeInteger(pDX, nIDC, value, INT32_MIN, INT32_MAX, _T("%d"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  ExchangeInteger(pDX, nIDC, value, 0, UINT32_MAX, _T("%u"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
  ExchangeInteger(pDX, nIDC, value, INT32_MIN, INT32_MAX, _T("%ld"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CString text = WindowText(hWndCtrl);
    text.Trim();
    const std::string digits = Narrow(text);
    char* end = nullptr;
    const double parsed = digits.empty() ? 0 : std::strtod(digits.c_str(), &end);
    if (digits.empty() || *end != 0) FailWith(pDX, _T("Please enter a number."));
    value = parsed;
  } else {
    CString text;
    text.Format(_T("%.15g"), value);
    SetTextIfChanged(hWndCtrl, text);
  }
}

// ---- buttons ----
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
  } else {
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  // The group runs from nIDC's button to the next control with WS_GROUP.
  int index = 0;
  for (HWND button = hWndCtrl; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
    if (button != hWndCtrl && (::GetWindowLong(button, GWL_STYLE) & WS_GROUP)) break;
    if (!(::SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
    if (pDX->m_bSaveAndValidate) {
      if (::SendMessage(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessage(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

// ---- lists ----
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
  } else {
    ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(hWndCtrl);
    return;
  }
  if (::SendMessage(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
      CB_ERR) {
    SetTextIfChanged(hWndCtrl, value);  // not in the list: the edit part shows it
  }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  constexpr UINT kGetCurSel = 0x0188, kSetCurSel = 0x0186;  // LB_GETCURSEL, LB_SETCURSEL
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessage(hWndCtrl, kGetCurSel, 0, 0));
  } else {
    ::SendMessage(hWndCtrl, kSetCurSel, static_cast<WPARAM>(index), 0);
  }
}

// ---- validation ----
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
    CString message;
    message.Format(_T("Enter no more than %d characters."), nChars);
    FailWith(pDX, message);
  }
  if (!pDX->m_bSaveAndValidate && pDX->m_hWndLastControl && pDX->m_bEditLastControl) {
    ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
    CString message;
    message.Format(_T("Enter an integer between %d and %d."), minVal, maxVal);
    FailWith(pDX, message);
  }
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
    CString message;
    message.Format(_T("Enter an integer between %u and %u."), minVal, maxVal);
    FailWith(pDX, message);
  }
}
