// The card screen's tab page: a child dialog that scrolls its controls
// vertically within the range the card screen sets, paints its background
// and static texts with the colour the card screen gives it, and reports its
// changes to the card screen. Base of the card's five tab pages.
//
// The card screen creates each page hidden with CreatePage, places it into
// its page area with PlaceInto (which also sets the scroll range to what the
// page's template holds beyond the area) and tints it with SetBackground.
// A page reports a change by posting WM_COMMAND to its parent with its
// template id as the command id and no control (PostChangeNotice).
// Enter and Escape never close a page: OK and cancel do nothing.
#pragma once
#include <afxwin.h>
#include <dlgkit.h>

class NavPageDlg : public TDialog {
 public:
  ~NavPageDlg() override;

  // Creates the page's window, hidden, as a child of the card screen.
  BOOL CreatePage(CWnd* cardScreen);
  // Moves and sizes the page to area (the parent's client co-ordinates), on
  // top of its siblings, and lets it scroll over 0 .. max(0, the height its
  // template gave it - the area's height), starting at 0.
  void PlaceInto(const CRect& area);
  // The brush of the page's background and static texts.
  void SetBackground(COLORREF color);

  UINT TemplateId() const { return m_templateId; }

 protected:
  explicit NavPageDlg(UINT templateId);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Posts the change notice (the template id) to the card screen.
  void PostChangeNotice();
  // Scrolls so that control, a child of the page, lies inside the client area.
  void KeepInView(CWnd& control);

 private:
  void OnScrollRequest(UINT request, UINT thumb);
  void ScrollTo(int position);
  void MoveChildren(int dy);
  LRESULT PaintWithBrush(HDC dc);

  UINT m_templateId;
  CBrush m_background;  // no handle until the card screen gives a colour
  int m_templateHeight = 0;  // client height as created from the template
};
