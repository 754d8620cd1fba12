// The reconnaissance command's start, enabling and close.
#include "command.h"

#include <afxwin.h>
#include <geopane.h>

#include "screen_switch.h"
#include "screens.h"

int StartCommand(HWND hostWnd, int subCommand, int commandId) {
  if (AnyScreenWindow()) return -1;
  CWaitCursor wait;
  BeginCommand(hostWnd, subCommand, commandId);
  CreateScreenWindows(hostWnd);
  ShowScreen(SCR_PICK);
  return 0;
}

int EnableCommand(int enable) { return EnableScreenWindows(enable); }

int CloseCommand() {
  MapWin_EvtWnd(nullptr);
  MapWin_ClrSelId();
  DestroyScreenWindows();
  return 0;
}
