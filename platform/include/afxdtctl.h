// The class library's wrapper of the date and time picker: CDateTimeCtrl
// creates the control or takes one over (DDX_Control) and reads and sets
// its date, its range and its display format through the control's messages.
#pragma once
#include <afxwin.h>
#include <commctrl.h>

class CDateTimeCtrl : public CWnd {
  DECLARE_DYNAMIC(CDateTimeCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // GDT_VALID with the date in *pTimeDest, GDT_NONE when the picker shows
  // "no date" (DTS_SHOWNONE), GDT_ERROR for a null pointer.
  DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
  // A null pointer sets "no date" (GDT_NONE), which needs DTS_SHOWNONE.
  BOOL SetTime(const SYSTEMTIME* pTimeNew = nullptr);
  BOOL SetTime(const SYSTEMTIME& timeNew);

  // GDTR_MIN | GDTR_MAX as far as each limit is set; either pointer may be null.
  DWORD GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;
  // A null pointer leaves that side without a limit.
  BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
  BOOL SetFormat(LPCTSTR pstrFormat);
};
