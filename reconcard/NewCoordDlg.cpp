// The new-coordinate dialog: filling from the current point, map picks and
// taps, the number lookup, the checks of OK and the new point they store.
#include "NewCoordDlg.h"

#include <beeper.h>
#include <codetables.h>
#include <geopane.h>

#include "resource.h"
#include "screen_switch.h"

BEGIN_MESSAGE_MAP(NewCoordDlg, TDialog)
  ON_WM_ACTIVATE()
  ON_BN_CLICKED(IDC_NEWCOORD_HASZ, &NewCoordDlg::OnHeightClicked)
  ON_EN_KILLFOCUS(IDC_NEWCOORD_NUMBER, &NewCoordDlg::OnNumberLeft)
  ON_COMMAND(ID_MAP_PICKPOINT, &NewCoordDlg::OnMapPickPoint)
  ON_COMMAND(ID_MAP_PICKCOORD, &NewCoordDlg::OnMapPickCoord)
END_MESSAGE_MAP()

namespace {

struct KindItem {
  const WCHAR* label;
  LONG kind;
};
constexpr LONG kNoKind = 0;
constexpr KindItem kKinds[] = {{u"未設定", kNoKind},
                               {u"既知点", codes::kKnownPoint},
                               {u"街区基準点", codes::kBlockRefPoint},
                               {u"街区点", codes::kBlockPoint}};

constexpr CoordFieldIds kFieldIds{IDC_NEWCOORD_NUMBER, IDC_NEWCOORD_NAME, IDC_NEWCOORD_X,
                                  IDC_NEWCOORD_Y,      IDC_NEWCOORD_Z,    IDC_NEWCOORD_HASZ};

constexpr const WCHAR* kInputError = u"入力エラー";
constexpr const WCHAR* kNumberTaken =
    u"指示された座標Noには、\n他のカードデータが登録\nされています。\n\n他の座標Noを指示して下さい。";

bool IsPointKind(int kind) { return kind >= codes::kKnownPoint && kind <= codes::kBlockPoint; }

}  // namespace

NewCoordDlg::NewCoordDlg() : TDialog(IDD_NEWCOORD), m_fields(kFieldIds) {}
NewCoordDlg::~NewCoordDlg() = default;

BOOL NewCoordDlg::CreateScreen(CWnd* host) { return Create(IDD_NEWCOORD, host); }

BOOL NewCoordDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  m_kind.SetWindowStatus(this, IDC_NEWCOORD_KIND, u"", 0);
  m_fields.Tie(*this);
  FillKinds();
  ModifyStyleEx(0, WS_EX_CAPTIONOKBTN);
  return TRUE;
}

void NewCoordDlg::FillKinds() {
  for (const KindItem& item : kKinds) {
    const LRESULT index = m_kind.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.label));
    m_kind.SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), item.kind);
  }
  m_kind.SendMessage(CB_SETCURSEL, 0);
}

void NewCoordDlg::Open() {
  m_fields.Load(GetCurPointId());
  ShowWindow(SW_SHOWNORMAL);
  GotoDlgCtrl(&m_kind);
}

void NewCoordDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  TDialog::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE) return;
  MapWin_EvtWnd(this);
  MapWin_SetPicEvt(ID_MAP_PICKPOINT, ID_MAP_PICKCOORD, 1, 1);
}

void NewCoordDlg::OnMapPickPoint() {
  if (!IsWindowVisible()) return;
  SoundBeep(SOUNDBEEP_ACKNOWLEDGE);
  MapWin_SetSelPicId(0);
  int id = -1;
  if (MapWin_GetPicIdxId(0, &id) != 0) return;
  SetCurPointId(id);
  Open();
}

void NewCoordDlg::OnMapPickCoord() {
  if (IsWindowVisible()) m_fields.TakeTappedCoordinate();
}

void NewCoordDlg::OnHeightClicked() { m_fields.OnHeightClicked(); }

void NewCoordDlg::OnNumberLeft() {
  if (!IsWindowVisible() || !m_fields.number.IsChanged()) return;
  const int number = m_fields.number.GetVal();
  int id = -1;
  if (number == FLD_INT_EMPTY || MapdbPnt_GetId(number, &id) != 0) return;
  MapWin_ClrSelId();
  MapWin_SetSelId(1, &id);
  SetCurPointId(id);
  m_fields.Load(id);
}

void NewCoordDlg::OnOK() {
  m_fields.number.ClearChanged();
  if (!ValidateAndStore()) return;
  HideAndShow(*this, SCR_CARD);
}

void NewCoordDlg::OnCancel() { HideAndShow(*this, SCR_BACK); }

bool NewCoordDlg::ValidateAndStore() {
  const int kind = GetComboSelData(m_kind);
  if (!IsPointKind(kind)) return m_fields.Refuse(u"点種別を選択してください。", u"種別エラー", m_kind);
  const int number = m_fields.number.GetVal();
  if (number == FLD_INT_EMPTY) return m_fields.Refuse(u"座標Noを入力してください。", kInputError, m_fields.number);
  if (!m_fields.CheckNameAndCoordinates()) return false;
  if (NumberHasCard(number)) return m_fields.Refuse(kNumberTaken, u"座標Noエラー", m_fields.number);
  return StoreNewPoint(kind, number);
}

bool NewCoordDlg::NumberHasCard(int number) {
  int id = -1;
  if (MapdbPnt_GetId(number, &id) != 0) return false;
  NavRecord card{};
  return MapdbNav_Get(id, &card) == 0;
}

// A point the map database refuses is not taken: the dialog says so and
// stays, and the current point, kind and selection are unchanged.
bool NewCoordDlg::StoreNewPoint(int kind, int number) {
  PntRecord point{};
  point.number = number;
  m_fields.CopyInto(point);
  point.spare1 = 0;
  point.classCode = codes::kNoCardClass;
  point.stateCode = codes::kNoCardState;
  point.spare2 = 0;
  int id = 0;
  if (MapdbPnt_Put(&id, point) != 0 || id <= 0) {
    return m_fields.Refuse(kPointNotStored, kPointNotStoredCaption, m_fields.number);
  }
  SetCurKind(kind);
  MapWin_ClrSelId();
  MapWin_SetSelId(1, &id);
  SetCurPointId(id);
  return true;
}
