// The reconnaissance command as the plug-in's exports run it: start (the
// screens' windows and the pick prompt), enabling, and close.
#pragma once
#include <windows.h>

// JCadMain: the wait cursor, the host window and command kept, the five
// windows created, the pick prompt shown; 0. A second start while the last
// command's windows still exist (no close in between) is refused: -1 and
// nothing changes.
int StartCommand(HWND hostWnd, int subCommand, int commandId);
// JCadEnable: every screen window, shown or hidden.
int EnableCommand(int enable);
// JCadClose: the map's event window and selection released, the windows
// destroyed. The shared state stays for the next command.
int CloseCommand();
