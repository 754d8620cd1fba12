// Test support for the control wrappers: a visible top-level window of the
// library's own class to host controls, which counts the WM_COMMAND ids its
// children send.
#pragma once
#include <afxwin.h>

#include <vector>

namespace afx::test {

class HostWindow : public CWnd {
 public:
  HostWindow() {
    CreateEx(0, AfxRegisterWndClass(0), u"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
  }
  ~HostWindow() override { DestroyWindow(); }

  std::vector<UINT> commands;  // the ids of the WM_COMMAND messages received

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.push_back(LOWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
  }
};

}  // namespace afx::test
