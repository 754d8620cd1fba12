// The pick prompt: a picked point opens its card (or, without a card, the
// new-coordinate dialog on it); 一覧 goes to the list, 新規 to a new point;
// closing it ends the command.
#include "PickPromptDlg.h"

#include <beeper.h>
#include <geopane.h>
#include <records.h>

#include "resource.h"
#include "screen_kit.h"
#include "screen_switch.h"

BEGIN_MESSAGE_MAP(PickPromptDlg, TDialog)
  ON_WM_ACTIVATE()
  ON_COMMAND(ID_MAP_PICKPOINT, &PickPromptDlg::OnMapPickPoint)
  ON_COMMAND(ID_PICK_LIST, &PickPromptDlg::OnList)
  ON_COMMAND(ID_PICK_NEW, &PickPromptDlg::OnNew)
END_MESSAGE_MAP()

PickPromptDlg::PickPromptDlg() : TDialog(IDD_PICKPROMPT) {}
PickPromptDlg::~PickPromptDlg() = default;

BOOL PickPromptDlg::CreateScreen(CWnd* host) { return Create(IDD_PICKPROMPT, host); }

BOOL PickPromptDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  CreateScreenToolbar(m_toolBar, *this, IDR_PICK_TOOLBAR);
  return TRUE;
}

void PickPromptDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  TDialog::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE) return;
  MapWin_EvtWnd(this);
  MapWin_SetPicEvt(ID_MAP_PICKPOINT, 0, 1, 1);
}

void PickPromptDlg::OnMapPickPoint() {
  if (!IsWindowVisible()) return;
  SoundBeep(SOUNDBEEP_ACKNOWLEDGE);
  int id = -1;
  MapWin_SetSelPicId(0);
  MapWin_GetPicIdxId(0, &id);
  SetCurPointId(id);
  NavRecord card{};
  const bool hasCard = MapdbNav_Get(id, &card) == 0;
  HideAndShow(*this, hasCard ? SCR_CARD : SCR_NEWCOORD);
}

void PickPromptDlg::OnList() { HideAndShow(*this, SCR_LIST); }
void PickPromptDlg::OnNew() { HideAndStartNewPoint(*this); }

void PickPromptDlg::OnOK() {}
void PickPromptDlg::OnCancel() { EndCommandOnClose(); }
