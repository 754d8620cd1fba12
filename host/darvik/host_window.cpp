// The host's main window: command bar, map window, command and close handling.
#include "host_window.h"

#include <geopane.h>

#include "map_view_input.h"

namespace darvik {

BOOL HostWindow::CreateHost() {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (!CreateEx(0, nullptr, kHostName, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, width, height,
                nullptr, nullptr)) {
    return FALSE;
  }
  RECT client{};
  GetClientRect(&client);
  CreateBar(client.right);
  Geopane_CreateMapWindow(m_hWnd, RECT{0, kBarHeight, client.right, client.bottom});
  return TRUE;
}

void HostWindow::CreateBar(int width) {
  const std::vector<Command>& commands = runner_.Commands();
  const int count = static_cast<int>(commands.size()) + 1;
  const int buttonWidth = width / count;
  for (int index = 0; index < count; ++index) {
    const RECT rect{index * buttonWidth, 0, (index + 1) * buttonWidth, kBarHeight};
    if (index + 1 == count) {
      CreateBarButton(u"終了", kReservedExitId, true, rect);
    } else {
      const Command& command = commands[index];
      CreateBarButton(command.name, command.commandId, runner_.IsAvailable(command.commandId), rect);
    }
  }
}

void HostWindow::CreateBarButton(const std::u16string& label, int id, bool enabled, RECT rect) {
  const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | (enabled ? 0 : WS_DISABLED);
  CreateWindowExW(0, u"BUTTON", label.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                  nullptr);
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && wParam == kEndOfCommand) {
    runner_.OnEndOfCommand(HIWORD(static_cast<DWORD>(lParam)));
    return 0;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
    OnBarButton(LOWORD(wParam));
    return 0;
  }
  if (message == kMapViewMessage) {
    ApplyMapViewMove(wParam, lParam);
    return 0;
  }
  if (message == WM_CLOSE) {
    OnCloseRequest();
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void HostWindow::OnBarButton(int id) {
  if (id == kReservedExitId) {
    OnCloseRequest();
  } else {
    runner_.Run(id, m_hWnd);
  }
}

void HostWindow::OnCloseRequest() {
  runner_.EnableRunning(false);
  const int answer = ::MessageBoxW(m_hWnd, kExitQuestion, kHostName, MB_OKCANCEL | MB_ICONQUESTION);
  runner_.EnableRunning(true);
  if (answer != IDOK) return;
  runner_.Shutdown();
  DestroyWindow();
}

}  // namespace darvik
