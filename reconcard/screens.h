// The card plug-in's five screen objects: constructed at load with their
// templates, their windows created by a command's start and destroyed by its
// close, enabled and disabled together.
#pragma once
#include <afxwin.h>

class PickPromptDlg;
class NavListDlg;
class NavCardDlg;
class NewCoordDlg;
class PosCheckDlg;

// At load and unload of the plug-in.
void ConstructScreens();
void DestroyScreens();

// The screen objects; only between ConstructScreens and DestroyScreens.
PickPromptDlg& ThePickPrompt();
NavListDlg& TheNavList();
NavCardDlg& TheNavCard();
NewCoordDlg& TheNewCoord();
PosCheckDlg& ThePosCheck();

// Creates the five windows, hidden, owned by the host window, in the order
// pick prompt, list, card, new coordinates, position check; a screen that
// cannot be created is left without a window.
void CreateScreenWindows(HWND hostWnd);
// Destroys the windows in the same order.
void DestroyScreenWindows();
// True while any screen has a window (a command is running).
bool AnyScreenWindow();
// Enables or disables every screen window, shown or hidden, in the same
// order; the result of the last call.
BOOL EnableScreenWindows(BOOL enable);
