// The five screen objects of the card plug-in and the operations on all of
// their windows at once.
#include "screens.h"

#include <memory>

#include "NavCardDlg.h"
#include "NavListDlg.h"
#include "NewCoordDlg.h"
#include "PickPromptDlg.h"
#include "PosCheckDlg.h"

namespace {

struct Screens {
  PickPromptDlg pickPrompt;
  NavListDlg navList;
  NavCardDlg navCard;
  NewCoordDlg newCoord;
  PosCheckDlg posCheck;
};

std::unique_ptr<Screens> screens;

// The screens' dialogs in the order in which they are created, enabled and
// destroyed.
template <typename Action>
void ForEachScreen(Action action) {
  action(static_cast<CDialog&>(screens->pickPrompt));
  action(static_cast<CDialog&>(screens->navList));
  action(static_cast<CDialog&>(screens->navCard));
  action(static_cast<CDialog&>(screens->newCoord));
  action(static_cast<CDialog&>(screens->posCheck));
}

}  // namespace

void ConstructScreens() { screens = std::make_unique<Screens>(); }
void DestroyScreens() { screens.reset(); }

PickPromptDlg& ThePickPrompt() { return screens->pickPrompt; }
NavListDlg& TheNavList() { return screens->navList; }
NavCardDlg& TheNavCard() { return screens->navCard; }
NewCoordDlg& TheNewCoord() { return screens->newCoord; }
PosCheckDlg& ThePosCheck() { return screens->posCheck; }

void CreateScreenWindows(HWND hostWnd) {
  CWnd* host = CWnd::FromHandle(hostWnd);
  screens->pickPrompt.CreateScreen(host);
  screens->navList.CreateScreen(host);
  screens->navCard.CreateScreen(host);
  screens->newCoord.CreateScreen(host);
  screens->posCheck.CreateScreen(host);
}

void DestroyScreenWindows() {
  ForEachScreen([](CDialog& screen) {
    if (screen.GetSafeHwnd()) screen.DestroyWindow();
  });
}

bool AnyScreenWindow() {
  bool any = false;
  ForEachScreen([&](CDialog& screen) { any = any || screen.GetSafeHwnd() != nullptr; });
  return any;
}

BOOL EnableScreenWindows(BOOL enable) {
  BOOL result = FALSE;
  ForEachScreen([&](CDialog& screen) { result = ::EnableWindow(screen.GetSafeHwnd(), enable); });
  return result;
}
