// The screen switch, the shared state of the card plug-in's screens and the
// helpers they share.
#include "screen_switch.h"

#include "NavCardDlg.h"
#include "NavListDlg.h"
#include "NewCoordDlg.h"
#include "PickPromptDlg.h"
#include "PosCheckDlg.h"
#include "screens.h"

namespace {

HWND hostWnd = nullptr;
WORD subCommand = 0;
WORD commandId = 0;
WORD prevMainScreen = SCR_PICK;
int curPointId = -1;
int curKind = 0;

void ShowIfCreated(CWnd& screen, int showCommand) {
  if (screen.GetSafeHwnd()) screen.ShowWindow(showCommand);
}

}  // namespace

void BeginCommand(HWND host, int sub, int id) {
  hostWnd = host;
  subCommand = static_cast<WORD>(sub);
  commandId = static_cast<WORD>(id);
}

HWND GetHostWnd() { return hostWnd; }

int GetCurPointId() { return curPointId; }
int SetCurPointId(int id) { return curPointId = id; }
int GetCurKind() { return curKind; }
int SetCurKind(int kind) { return curKind = kind; }
int GetPrevMainScreen() { return prevMainScreen; }

void ShowScreen(int code) {
  if (code == SCR_BACK) code = prevMainScreen;
  switch (code) {
    case SCR_PICK:
      prevMainScreen = SCR_PICK;
      ShowIfCreated(ThePickPrompt(), SW_SHOWNORMAL);
      break;
    case SCR_LIST:
      prevMainScreen = SCR_LIST;
      ShowIfCreated(TheNavList(), SW_SHOWMAXIMIZED);
      break;
    case SCR_CARD:
      if (TheNavCard().GetSafeHwnd()) TheNavCard().Load();
      break;
    case SCR_NEWCOORD:
      if (TheNewCoord().GetSafeHwnd()) TheNewCoord().Open();
      break;
    case SCR_POSCHECK:
      ShowIfCreated(ThePosCheck(), SW_SHOWNORMAL);
      break;
    case SCR_END:
      ::PostMessageW(hostWnd, WM_COMMAND, ID_JCAD_END, static_cast<LPARAM>(static_cast<DWORD>(commandId) << 16));
      break;
    default:
      break;
  }
}

void NotifyList(int mode) {
  NavListDlg& list = TheNavList();
  if (!list.GetSafeHwnd()) return;
  if (mode == LIST_FOLLOW_CURRENT) list.FollowCurrent();
  if (mode == LIST_REFRESH_CURRENT) list.RefreshCurrentRow();
}

int SelectComboByData(CWnd& combo, int value) {
  const int count = static_cast<int>(combo.SendMessage(CB_GETCOUNT));
  for (int index = 0; index < count; ++index) {
    if (static_cast<int>(combo.SendMessage(CB_GETITEMDATA, index)) == value) {
      combo.SendMessage(CB_SETCURSEL, index);
      return index;
    }
  }
  combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
  return -1;
}

int GetComboSelData(CWnd& combo) {
  const LRESULT selection = combo.SendMessage(CB_GETCURSEL);
  if (selection == CB_ERR) return -1;
  return static_cast<int>(combo.SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(selection)));
}

void EndCommandOnClose() { ShowScreen(SCR_END); }

void HideAndShow(CDialog& screen, int code) {
  screen.ShowWindow(SW_HIDE);
  ShowScreen(code);
}
