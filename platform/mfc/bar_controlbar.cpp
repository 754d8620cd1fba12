// CControlBar: the bar styles and the bar's placement in its parent, with
// the room a dialog makes for a bar the first time it has a height.
#include <afxext.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

namespace {

constexpr int kStretched = 32767;
constexpr UINT kPlacementFlags = SWP_NOZORDER | SWP_NOACTIVATE;

bool IsDialog(HWND window) {
  if (CWnd* object = CWnd::FromHandlePermanent(window)) {
    if (object->IsKindOf(RUNTIME_CLASS(CDialog))) return true;
  }
  WCHAR className[16] = {};
  ::GetClassNameW(window, className, static_cast<int>(_countof(className)));
  return ::lstrcmpW(className, u"#32770") == 0;
}

bool IsBottomBar(DWORD barStyle) { return (barStyle & CBRS_ALIGN_BOTTOM) && !(barStyle & CBRS_ALIGN_TOP); }

// Moves a window by dy within its parent.
void MoveDown(HWND window, HWND parent, int dy) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rect), 2);
  ::SetWindowPos(window, nullptr, rect.left, rect.top + dy, 0, 0, kPlacementFlags | SWP_NOSIZE);
}

void GrowBy(HWND window, int dy) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + dy,
                 kPlacementFlags | SWP_NOMOVE);
}

}  // namespace

void CControlBar::SetBarStyle(DWORD dwStyle) {
  m_dwStyle = dwStyle & CBRS_ALL;
  PlaceInParent();
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  return CSize(bStretch && bHorz ? kStretched : 0, bStretch && !bHorz ? kStretched : 0);
}

void CControlBar::PlaceInParent() {
  HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
  if (!parent) return;
  const int height = CalcFixedLayout(TRUE, TRUE).cy;
  if (height > 0 && !m_bRoomMade && IsDialog(parent)) {
    m_bRoomMade = TRUE;
    MakeRoomInDialog(height);
  }
  RECT client{};
  ::GetClientRect(parent, &client);
  const int y = IsBottomBar(m_dwStyle) ? client.bottom - height : 0;
  ::SetWindowPos(m_hWnd, nullptr, 0, y, client.right, height, kPlacementFlags);
}

void CControlBar::PostNcDestroy() {
  m_bRoomMade = FALSE;
  CWnd::PostNcDestroy();
}

void CControlBar::MakeRoomInDialog(int height) {
  HWND dialog = ::GetParent(m_hWnd);
  if (!IsBottomBar(m_dwStyle)) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (child != m_hWnd) MoveDown(child, dialog, height);
    }
  }
  GrowBy(dialog, height);
}
