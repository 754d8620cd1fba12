// The card screen's tab page base: scrolling, tinting and change notices.
#include "NavPageDlg.h"

#include <algorithm>

namespace {

constexpr int kLineStep = 2;
constexpr int kPageStep = 10;

// The position a scroll request asks for, before clamping to the range.
int RequestedPosition(UINT request, UINT thumb, int current, int minimum, int maximum) {
  switch (request) {
    case SB_LINEUP:
      return current - kLineStep;
    case SB_LINEDOWN:
      return current + kLineStep;
    case SB_PAGEUP:
      return current - kPageStep;
    case SB_PAGEDOWN:
      return current + kPageStep;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return static_cast<int>(thumb);
    case SB_TOP:
      return minimum;
    case SB_BOTTOM:
      return maximum;
    default:  // SB_ENDSCROLL and anything else
      return current;
  }
}

}  // namespace

NavPageDlg::NavPageDlg(UINT templateId) : TDialog(templateId), m_templateId(templateId) {}

NavPageDlg::~NavPageDlg() = default;

BOOL NavPageDlg::CreatePage(CWnd* cardScreen) { return Create(m_templateId, cardScreen); }

BOOL NavPageDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  CRect client;
  GetClientRect(&client);
  m_templateHeight = client.Height();
  return TRUE;
}

void NavPageDlg::PlaceInto(const CRect& area) {
  ScrollTo(0);
  SetWindowPos(&wndTop, area.left, area.top, area.Width(), area.Height(), SWP_NOACTIVATE);
  SetScrollRange(SB_VERT, 0, std::max(0, m_templateHeight - area.Height()), FALSE);
  SetScrollPos(SB_VERT, 0);
}

void NavPageDlg::SetBackground(COLORREF color) {
  m_background.DeleteObject();
  m_background.CreateSolidBrush(color);
  if (GetSafeHwnd()) Invalidate();
}

void NavPageDlg::OnOK() {}

void NavPageDlg::OnCancel() {}

LRESULT NavPageDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VSCROLL:
      if (lParam == 0) OnScrollRequest(LOWORD(wParam), HIWORD(wParam));  // the page's own bar
      break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      if (m_background.GetSafeHandle()) return PaintWithBrush(reinterpret_cast<HDC>(wParam));
      break;
    default:
      break;
  }
  return TDialog::WindowProc(message, wParam, lParam);
}

void NavPageDlg::PostChangeNotice() {
  if (CWnd* cardScreen = GetParent()) cardScreen->PostMessage(WM_COMMAND, MAKEWPARAM(m_templateId, 0), 0);
}

void NavPageDlg::KeepInView(CWnd& control) {
  CRect rect;
  control.GetWindowRect(&rect);
  ScreenToClient(&rect);
  CRect client;
  GetClientRect(&client);
  const int current = GetScrollPos(SB_VERT);
  if (rect.top < client.top)
    ScrollTo(current - (client.top - rect.top));
  else if (rect.bottom > client.bottom)
    ScrollTo(current + (rect.bottom - client.bottom));
}

void NavPageDlg::OnScrollRequest(UINT request, UINT thumb) {
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(SB_VERT, &minimum, &maximum);
  ScrollTo(RequestedPosition(request, thumb, GetScrollPos(SB_VERT), minimum, maximum));
}

// Clamps position to the range; when it moves, shifts the children with it,
// repaints and sets the bar.
void NavPageDlg::ScrollTo(int position) {
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(SB_VERT, &minimum, &maximum);
  position = std::clamp(position, minimum, std::max(minimum, maximum));
  const int current = GetScrollPos(SB_VERT);
  if (position == current) return;
  MoveChildren(current - position);
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
  SetScrollPos(SB_VERT, position);
}

void NavPageDlg::MoveChildren(int dy) {
  for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
    CRect rect;
    child->GetWindowRect(&rect);
    rect.OffsetRect(0, dy);
    ScreenToClient(&rect);
    child->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT NavPageDlg::PaintWithBrush(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(m_background.GetSafeHandle());
}
