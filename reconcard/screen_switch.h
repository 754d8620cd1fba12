// The card plug-in's screen switch and the state its screens share: the
// current point and kind, the previous main screen, the host window and
// command, the requests to the list screen, and the helpers that show and
// read a code list by its items' data.
#pragma once
#include <afxwin.h>

// Screen codes of ShowScreen.
enum ScreenCode : int {
  SCR_PICK = 0,       // pick prompt
  SCR_LIST = 1,       // list screen
  SCR_CARD = 2,       // card screen
  SCR_NEWCOORD = 3,   // new-coordinate dialog
  SCR_POSCHECK = 11,  // position-check prompt
  SCR_END = 99,       // end the command
  SCR_BACK = 100,     // the previous main screen
};

// Commands between the plug-in, the host and the map.
constexpr UINT ID_JCAD_END = 6000;
constexpr UINT ID_MAP_PICKPOINT = 6003;
constexpr UINT ID_MAP_PICKCOORD = 6004;

// Requests of NotifyList.
enum ListRequest : int {
  LIST_FOLLOW_CURRENT = 0,  // show curKind, select (adding if needed) the row of curPointId
  LIST_REFRESH_CURRENT = 1, // rewrite the point columns of curPointId's row
};

// Shows the screen of code (SCR_BACK: the previous main screen); callers hide
// their own screen first. An unknown code shows nothing.
void ShowScreen(int code);
void NotifyList(int mode);

int GetCurPointId();
int SetCurPointId(int id);      // returns id
int GetCurKind();
int SetCurKind(int kind);       // returns kind
int GetPrevMainScreen();

// The command being run: set by JCadMain.
void BeginCommand(HWND hostWnd, int subCommand, int commandId);
HWND GetHostWnd();

// Selects the first item of the drop-down list whose data is value and
// returns its index; with no such item selects nothing and returns -1.
int SelectComboByData(CWnd& combo, int value);
// The data of the selected item, -1 when nothing is selected.
int GetComboSelData(CWnd& combo);

// The handlers the screens share.
// Close of the pick prompt and the list screen: the end-of-command notice.
void EndCommandOnClose();
// Every hand-over: the screen hides itself, then asks the switch for the
// screen of code (SCR_BACK on closing the position-check prompt, the
// new-coordinate dialog and the card screen).
void HideAndShow(CDialog& screen, int code);
