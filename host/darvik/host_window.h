// The host's main window: a top-level window "Darvik" filling the screen,
// with the command bar at the top (one push button per command of the
// table, in table order, each with its command id as control id, disabled
// when the command is unavailable, and a last button "終了") and the map
// window below it.
//
// A command button runs its command; the exit button and the close box ask
// "終了しますか？" (caption "Darvik", OK and Cancel) with the running plug-in
// disabled around the question; OK closes the running command, frees the
// plug-ins and destroys the window, which ends the application. Displays'
// map view moves (map_view_input.h) arrive as input to this window.
#pragma once
#include <afxwin.h>

#include "command_runner.h"

namespace darvik {

inline constexpr int kBarHeight = 24;
inline constexpr char16_t kHostName[] = u"Darvik";
inline constexpr char16_t kExitQuestion[] = u"終了しますか？";

class HostWindow : public CWnd {
 public:
  explicit HostWindow(CommandRunner& runner) : runner_(runner) {}
  // Creates the window, its bar and the map window.
  BOOL CreateHost();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateBar(int width);
  void CreateBarButton(const std::u16string& label, int id, bool enabled, RECT rect);
  void OnBarButton(int id);
  void OnCloseRequest();

  CommandRunner& runner_;
};

}  // namespace darvik
