// The device-context wrappers: CDC's ownership of its DC and its handle map,
// its modes, colours, selections and drawing calls, and the DCs of painting
// (CPaintDC), of a client area (CClientDC) and of a window (CWindowDC).
#include <afxwin.h>
#include <plat/gdi.h>

#include <algorithm>

#include "gdi_handle_map.h"

namespace {

void ReleaseDc(CDC& wrapper) { wrapper.m_hDC = wrapper.m_hAttribDC = nullptr; }

using DcMap = afx::detail::HandleMap<HDC, CDC, &ReleaseDc>;

DcMap& Dcs() {
  static auto* dcs = new DcMap;
  return *dcs;
}

CDC* NewTemporaryDc(HDC handle) {
  auto* wrapper = new CDC;
  wrapper->m_hDC = wrapper->m_hAttribDC = handle;
  return wrapper;
}

int TextLength(LPCTSTR text, int count) { return count < 0 ? ::lstrlenW(text) : count; }

// The widest line and the height of all lines of text drawn with the format;
// (0, 0) when the DC cannot measure.
SIZE MeasureLines(HDC dc, LPCTSTR text, int length, UINT format) {
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  SIZE total{0, 0};
  for (LPCTSTR line = text, end = text + length;; ++line) {
    LPCTSTR lineEnd = singleLine ? end : std::find(line, end, u'\n');
    LPCTSTR visibleEnd = (lineEnd > line && lineEnd[-1] == u'\r') ? lineEnd - 1 : lineEnd;
    SIZE extent{0, 0};
    if (!::GetTextExtentPoint32W(dc, line, static_cast<int>(visibleEnd - line), &extent)) return SIZE{0, 0};
    total.cx = std::max(total.cx, extent.cx);
    total.cy += extent.cy;
    if (lineEnd == end) return total;
    line = lineEnd;
  }
}

// A window's DC (GetDC) attached to a wrapper, and given back.
void AttachWindowDc(CDC& wrapper, HWND window) { wrapper.Attach(::GetDC(window)); }

void ReleaseWindowDc(CDC& wrapper, HWND window) {
  if (wrapper.m_hDC) ::ReleaseDC(window, wrapper.Detach());
}

}  // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

// ---- CDC ----

CDC::~CDC() {
  if (m_hDC) ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
  if (!hDC) return nullptr;
  if (CDC* permanent = Dcs().LookupPermanent(hDC)) return permanent;
  return Dcs().Temporary(hDC, NewTemporaryDc);
}

void PASCAL CDC::DeleteTempMap() { Dcs().DeleteTemporaries(); }

BOOL CDC::Attach(HDC hDC) {
  if (!hDC || m_hDC) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  Dcs().SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC handle = m_hDC;
  if (handle) Dcs().RemovePermanent(handle, this);
  m_hDC = m_hAttribDC = nullptr;
  return handle;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  if (m_hDC) return FALSE;
  HDC created = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
  return created && Attach(created);
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }

HGDIOBJ CDC::SelectHandle(const CGdiObject* pObject) {
  return ::SelectObject(m_hDC, pObject ? pObject->m_hObject : nullptr);
}

CPen* CDC::SelectObject(CPen* pPen) { return CPen::FromHandle(static_cast<HPEN>(SelectHandle(pPen))); }
CBrush* CDC::SelectObject(CBrush* pBrush) { return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(pBrush))); }
CFont* CDC::SelectObject(CFont* pFont) { return CFont::FromHandle(static_cast<HFONT>(SelectHandle(pFont))); }
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(pBitmap)));
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject) { return CGdiObject::FromHandle(SelectHandle(pObject)); }
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ stock = ::GetStockObject(nIndex);
  return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FillRect(m_hDC, lpRect, pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  ::SetBkColor(m_hDC, clr);
  HBRUSH brush = ::CreateSolidBrush(clr);
  ::FillRect(m_hDC, lpRect, brush);
  ::DeleteObject(brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  const RECT rect{x, y, x + cx, y + cy};
  FillSolidRect(&rect, clr);
}

// Nothing is drawn: the call succeeds for a DC and an icon that exist.
BOOL CDC::DrawIcon(int, int, HICON hIcon) {
  return ::GetObjectType(m_hDC) == OBJ_DC && plat::gdi::IconImageCount(hIcon) > 0;
}
BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  if (!lpRect || (!lpszString && nCount != 0)) return 0;
  const int length = lpszString ? TextLength(lpszString, nCount) : 0;
  const SIZE extent = MeasureLines(m_hAttribDC, lpszString ? lpszString : u"", length, nFormat);
  if (nFormat & DT_CALCRECT) {
    lpRect->right = lpRect->left + extent.cx;
    lpRect->bottom = lpRect->top + extent.cy;
  }
  return extent.cy;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}

BOOL CDC::TextOut(int, int, LPCTSTR lpszString, int nCount) {
  SIZE extent{};
  return ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &extent);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str.GetString(), str.GetLength()); }

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE extent{0, 0};
  if (!::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &extent)) return CSize(0, 0);
  return CSize(extent);
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str.GetString(), str.GetLength()); }

// ---- the DCs of a window ----

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
  if (!m_hDC) return;
  Detach();
  ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) { AttachWindowDc(*this, m_hWnd); }
CClientDC::~CClientDC() { ReleaseWindowDc(*this, m_hWnd); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) { AttachWindowDc(*this, m_hWnd); }
CWindowDC::~CWindowDC() { ReleaseWindowDc(*this, m_hWnd); }
