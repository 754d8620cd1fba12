// CDateTimeCtrl: the date picker's date ("no date" included), range and
// format through its messages.
#include <afxdtctl.h>

#include "ctrl_send.h"

using afx::detail::AsLParam;
using afx::detail::SendTo;

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(DATETIMEPICK_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const {
  if (!pTimeDest) return static_cast<DWORD>(GDT_ERROR);
  return SendTo<DWORD>(*this, DTM_GETSYSTEMTIME, 0, AsLParam(pTimeDest));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew) {
  return SendTo<BOOL>(*this, DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE, AsLParam(pTimeNew));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME& timeNew) { return SetTime(&timeNew); }

DWORD CDateTimeCtrl::GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const {
  SYSTEMTIME bounds[2]{};
  const DWORD given = SendTo<DWORD>(*this, DTM_GETRANGE, 0, AsLParam(bounds));
  if (pMinRange) *pMinRange = bounds[0];
  if (pMaxRange) *pMaxRange = bounds[1];
  return given;
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange) {
  SYSTEMTIME bounds[2]{};
  WPARAM given = 0;
  if (pMinRange) {
    bounds[0] = *pMinRange;
    given |= GDTR_MIN;
  }
  if (pMaxRange) {
    bounds[1] = *pMaxRange;
    given |= GDTR_MAX;
  }
  return SendTo<BOOL>(*this, DTM_SETRANGE, given, AsLParam(bounds));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat) {
  return SendTo<BOOL>(*this, DTM_SETFORMATW, 0, AsLParam(pstrFormat));
}
