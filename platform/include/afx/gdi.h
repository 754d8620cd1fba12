// The class library's graphics-object and device-context wrappers: CGdiObject
// with CPen, CBrush, CFont and CBitmap, and CDC with CPaintDC, CClientDC and
// CWindowDC. Included by afxwin.h after CObject, CSize, CRect and CWnd.
//
// Ownership: a wrapper owns the handle it created or was given with Attach;
// DeleteObject (DeleteDC) and the destructor delete it, Detach gives it up.
// Attach and the Create functions fail (FALSE, nothing changed, nothing
// leaked) while the wrapper already holds a handle.
//
// FromHandle: a handle attached to a wrapper maps back to that wrapper (from
// any thread). Any other handle gets a temporary wrapper of its own thread,
// one per handle and of the class that fits the object's kind (a font handle
// gets a CFont), owned by the class library and freed, without deleting the
// handle, by DeleteTempMap, which the application's idle processing calls.
// A typed FromHandle (CFont::FromHandle) of a handle of another kind gives null.
//
// Drawing: the window system records colours and modes, not pixels. DrawText,
// TextOut and DrawIcon draw nothing but check their arguments (DrawText and
// TextOut measure the text); filling draws into a memory DC's bitmap.
// FillSolidRect leaves its colour as the DC's background colour, which
// painting code may rely on. GetBitmapDimension is (0, 0): nothing on this
// platform sets a bitmap's dimension. CWindowDC draws into the client area's
// DC, as there is no non-client painting. Pens: the stand-in has the stock
// pens only (CreateStockObject, FromHandle); there is no CreatePen to wrap.
#pragma once
#include <windows.h>

#include "afxstr.h"

class CWnd;
class CDC;

// DrawText formats (the subset that measuring honours; the rest are accepted).
#ifndef DT_TOP
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000
#endif

class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  ~CGdiObject() override;

  static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
  static void PASCAL DeleteTempMap();

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  BOOL CreateStockObject(int nIndex);

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;
  BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
  BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }

  HGDIOBJ m_hObject = nullptr;

 protected:
  // Attaches a handle just created for this wrapper; deletes it when that fails.
  BOOL AttachCreated(HGDIOBJ hObject);
};

class CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)
 public:
  static CPen* PASCAL FromHandle(HPEN hPen);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)
 public:
  CBrush() = default;
  // A solid brush of the colour (as CreateSolidBrush).
  explicit CBrush(COLORREF crColor);

  static CBrush* PASCAL FromHandle(HBRUSH hBrush);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
  BOOL CreateSysColorBrush(int nIndex);
  int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)
 public:
  static CFont* PASCAL FromHandle(HFONT hFont);
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }

  BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
  // nPointSize in tenths of a point, converted with the DC's (else the
  // screen's) vertical resolution: lfHeight = -(dpi * nPointSize / 720).
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
  // lpLogFont->lfHeight in tenths of a point.
  BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
  int GetLogFont(LOGFONT* pLogFont);
};

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)
 public:
  static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

  // The RT_BITMAP resource, from the module AfxFindResourceHandle names.
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource);
  int GetBitmap(BITMAP* pBitMap);
  CSize GetBitmapDimension() const;
};

class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  ~CDC() override;

  static CDC* PASCAL FromHandle(HDC hDC);
  static void PASCAL DeleteTempMap();

  BOOL Attach(HDC hDC);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  int GetDeviceCaps(int nIndex) const;

  // ---- modes and colours ----
  int SetBkMode(int nBkMode);
  int GetBkMode() const;
  COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetBkColor() const;
  COLORREF SetTextColor(COLORREF crColor);
  COLORREF GetTextColor() const;

  // ---- selected objects: each returns the wrapper of the object it replaced ----
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject);
  CGdiObject* SelectStockObject(int nIndex);

  // ---- drawing ----
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  BOOL DrawIcon(int x, int y, HICON hIcon);
  BOOL DrawIcon(POINT point, HICON hIcon);
  // The height of the text: one line of the font's height per line of text
  // ('\n' separates lines unless DT_SINGLELINE); 0 on failure. DT_CALCRECT
  // sets the rectangle's right and bottom to the text's extent.
  int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
  BOOL TextOut(int x, int y, const CString& str);
  // The extent in the selected font; (0, 0) on failure.
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const;

  HDC m_hDC = nullptr;
  HDC m_hAttribDC = nullptr;

 private:
  HGDIOBJ SelectHandle(const CGdiObject* pObject);
};

// The DC of a WM_PAINT pass: BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps{};

 protected:
  HWND m_hWnd = nullptr;
};

// A window's client-area DC (GetDC), released in the destructor.
class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd = nullptr;
};

// A whole window's DC; on this platform the same as the client area's.
class CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)
 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd = nullptr;
};
