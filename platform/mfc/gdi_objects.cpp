// The graphics-object wrappers: CGdiObject's ownership of its handle and its
// handle map, and the creation and description functions of CPen, CBrush,
// CFont and CBitmap.
#include <afxwin.h>

#include <cstdlib>

#include "gdi_handle_map.h"

namespace {

void ReleaseObject(CGdiObject& wrapper) { wrapper.m_hObject = nullptr; }

using ObjectMap = afx::detail::HandleMap<HGDIOBJ, CGdiObject, &ReleaseObject>;

ObjectMap& Objects() {
  static auto* objects = new ObjectMap;
  return *objects;
}

// A temporary wrapper of the class that fits the object's kind.
CGdiObject* NewWrapperFor(HGDIOBJ handle) {
  CGdiObject* wrapper = nullptr;
  switch (::GetObjectType(handle)) {
    case OBJ_PEN: wrapper = new CPen; break;
    case OBJ_BRUSH: wrapper = new CBrush; break;
    case OBJ_FONT: wrapper = new CFont; break;
    case OBJ_BITMAP: wrapper = new CBitmap; break;
    default: wrapper = new CGdiObject; break;
  }
  wrapper->m_hObject = handle;
  return wrapper;
}

template <class Wrapper>
Wrapper* TypedFromHandle(HGDIOBJ handle) {
  return dynamic_cast<Wrapper*>(CGdiObject::FromHandle(handle));
}

// Tenths of a point as a font height in pixels at the DC's vertical resolution.
// Without a DC the screen's resolution counts.
LONG PointsToHeight(LONG tenthsOfPoint, CDC* pDC) {
  int dotsPerInch = 0;
  if (pDC) {
    dotsPerInch = pDC->GetDeviceCaps(LOGPIXELSY);
  } else {
    HDC screen = ::GetDC(nullptr);
    dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
  }
  return -std::abs(dotsPerInch * tenthsOfPoint / 720);
}

}  // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

// ---- CGdiObject ----

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
  if (!hObject) return nullptr;
  if (CGdiObject* permanent = Objects().LookupPermanent(hObject)) return permanent;
  return Objects().Temporary(hObject, NewWrapperFor);
}

void PASCAL CGdiObject::DeleteTempMap() { Objects().DeleteTemporaries(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (!hObject || m_hObject) return FALSE;
  m_hObject = hObject;
  Objects().SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  if (handle) Objects().RemovePermanent(handle, this);
  m_hObject = nullptr;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject) {
  if (Attach(hObject)) return TRUE;
  if (hObject) ::DeleteObject(hObject);
  return FALSE;
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return !m_hObject && AttachCreated(::GetStockObject(nIndex)); }

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

// ---- CPen ----

CPen* PASCAL CPen::FromHandle(HPEN hPen) { return TypedFromHandle<CPen>(hPen); }

// ---- CBrush ----

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) { return TypedFromHandle<CBrush>(hBrush); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return !m_hObject && AttachCreated(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  return !m_hObject && AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return !m_hObject && AttachCreated(::GetSysColorBrush(nIndex)); }

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

// ---- CFont ----

CFont* PASCAL CFont::FromHandle(HFONT hFont) { return TypedFromHandle<CFont>(hFont); }

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  return !m_hObject && lpLogFont && AttachCreated(::CreateFontIndirectW(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
  LOGFONT font{nHeight,    nWidth,   nEscapement,   nOrientation,   nWeight,  bItalic,         bUnderline,
               cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, {}};
  if (lpszFacename) ::lstrcpynW(font.lfFaceName, lpszFacename, LF_FACESIZE);
  return CreateFontIndirect(&font);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT font{};
  font.lfHeight = nPointSize;
  font.lfWeight = FW_NORMAL;
  if (lpszFaceName) ::lstrcpynW(font.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&font, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  if (!lpLogFont) return FALSE;
  LOGFONT font = *lpLogFont;
  font.lfHeight = PointsToHeight(font.lfHeight, pDC);
  return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* pLogFont) { return GetObject(sizeof(LOGFONT), pLogFont); }

// ---- CBitmap ----

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) { return TypedFromHandle<CBitmap>(hBitmap); }

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  if (m_hObject) return FALSE;
  HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return AttachCreated(::LoadBitmapW(module, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }

int CBitmap::GetBitmap(BITMAP* pBitMap) { return GetObject(sizeof(BITMAP), pBitMap); }

CSize CBitmap::GetBitmapDimension() const { return CSize(0, 0); }
