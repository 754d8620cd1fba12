// The changed-coordinate dialog: filling from the current point, map taps,
// the checks of OK and the rewrite of the point it reports to the card
// screen and the list.
#include "ChgCoordDlg.h"

#include <geopane.h>

#include "resource.h"
#include "screen_switch.h"

BEGIN_MESSAGE_MAP(ChgCoordDlg, TDialog)
  ON_WM_ACTIVATE()
  ON_BN_CLICKED(IDC_CHGCOORD_HASZ, &ChgCoordDlg::OnHeightClicked)
  ON_COMMAND(ID_MAP_PICKCOORD, &ChgCoordDlg::OnMapPickCoord)
END_MESSAGE_MAP()

namespace {

constexpr CoordFieldIds kFieldIds{IDC_CHGCOORD_NUMBER, IDC_CHGCOORD_NAME, IDC_CHGCOORD_X,
                                  IDC_CHGCOORD_Y,      IDC_CHGCOORD_Z,    IDC_CHGCOORD_HASZ};

constexpr const WCHAR* kPointMissing = u"指示された座標Noの座標データが\n見つかりません。";
constexpr const WCHAR* kNumberError = u"座標Noエラー";

}  // namespace

ChgCoordDlg::ChgCoordDlg() : TDialog(IDD_CHGCOORD), m_fields(kFieldIds) {}
ChgCoordDlg::~ChgCoordDlg() = default;

BOOL ChgCoordDlg::CreateChild(CWnd* cardScreen) { return Create(IDD_CHGCOORD, cardScreen); }

BOOL ChgCoordDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  m_fields.Tie(*this);
  m_fields.number.EnableWindow(FALSE);
  ModifyStyleEx(0, WS_EX_CAPTIONOKBTN);
  return TRUE;
}

void ChgCoordDlg::Open(UINT labelId) {
  m_labelId = labelId;
  m_fields.Load(GetCurPointId());
  if (CWnd* cardScreen = GetParent()) cardScreen->ShowWindow(SW_HIDE);
  ShowWindow(SW_SHOWNORMAL);
  GotoDlgCtrl(&m_fields.name);
}

void ChgCoordDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  TDialog::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE) return;
  MapWin_EvtWnd(this);
  MapWin_SetPicEvt(0, ID_MAP_PICKCOORD, 1, 0);
}

void ChgCoordDlg::OnMapPickCoord() {
  if (IsWindowVisible()) m_fields.TakeTappedCoordinate();
}

void ChgCoordDlg::OnHeightClicked() { m_fields.OnHeightClicked(); }

void ChgCoordDlg::OnOK() {
  if (ValidateAndStore()) BackToCardScreen();
}

void ChgCoordDlg::OnCancel() { BackToCardScreen(); }

void ChgCoordDlg::BackToCardScreen() {
  ShowWindow(SW_HIDE);
  if (CWnd* cardScreen = GetParent()) cardScreen->ShowWindow(SW_SHOW);
}

bool ChgCoordDlg::ValidateAndStore() {
  if (!m_fields.CheckNameAndCoordinates()) return false;
  const int id = GetCurPointId();
  PntRecord point{};
  if (MapdbPnt_Get(id, &point) != 0) return m_fields.Refuse(kPointMissing, kNumberError, m_fields.name);
  if (!RewritePoint(id, point)) return m_fields.Refuse(kPointNotStored, kPointNotStoredCaption, m_fields.name);
  ShowResultLabel();
  NotifyList(LIST_REFRESH_CURRENT);
  return true;
}

bool ChgCoordDlg::RewritePoint(int id, PntRecord point) {
  m_fields.CopyInto(point);
  MapWin_ClrSelId();
  const bool written = MapdbPnt_Put(&id, point) == 0;
  MapWin_SetSelId(1, &id);
  return written;
}

void ChgCoordDlg::ShowResultLabel() {
  CString text;
  text.Format(u"%5ld:%s", static_cast<long>(m_fields.number.GetVal()), m_fields.name.GetVal());
  if (CWnd* cardScreen = GetParent()) cardScreen->SetDlgItemText(static_cast<int>(m_labelId), text);
}
