// A control that takes an Enter key press for a Tab key press, so that Enter
// moves the focus on instead of reaching the dialog's OK handler.
#pragma once
#include <afxwin.h>

template <class Control>
class EnterAsTab : public Control {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) pMsg->wParam = VK_TAB;
    return Control::PreTranslateMessage(pMsg);
  }
};
