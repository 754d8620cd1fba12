// The point fields of the coordinate dialogs: set-up, filling, map taps,
// the height box and the checks the two dialogs share.
#include "CoordFields.h"

#include <beeper.h>
#include <devcond.h>
#include <geopane.h>

namespace {

constexpr int kNumberMin = 1;
constexpr int kNumberMax = 99999;
constexpr short kNumberDigits = 5;
constexpr UINT kNameLength = 16;
constexpr double kCoordMin = -9999999.9999;
constexpr double kCoordMax = 9999999.9999;
constexpr short kCoordDecimals = 4;
constexpr short kCoordIntegerDigits = 8;

constexpr DWORD kNumberPopup = FLD_POPUP_ON_TAP | FLD_POPUP_DIGITS;                    // 3
constexpr DWORD kNamePopup = FLD_POPUP_ON_TAP | FLD_POPUP_DIGITS | FLD_POPUP_LETTERS;  // 7

constexpr const WCHAR* kInputError = u"入力エラー";

void TieCoordinate(CFldDblEdit& field, CDialog& dialog, UINT id) {
  field.SetWindowStatus(&dialog, id, FLD_DBL_EMPTY, kCoordMin, kCoordMax, kCoordDecimals, kCoordIntegerDigits);
}

}  // namespace

CoordFields::CoordFields(const CoordFieldIds& ids) : m_ids(ids) {}

void CoordFields::Tie(CDialog& dialog) {
  m_dialog = &dialog;
  number.SetWindowStatus(&dialog, m_ids.number, FLD_INT_EMPTY, kNumberMin, kNumberMax, kNumberDigits);
  number.ModifyPopupStyle(kNumberPopup, 0);
  name.SetWindowStatus(&dialog, m_ids.name, u"", kNameLength);
  name.ModifyPopupStyle(kNamePopup, 0);
  TieCoordinate(x, dialog, m_ids.x);
  TieCoordinate(y, dialog, m_ids.y);
  TieCoordinate(z, dialog, m_ids.z);
}

void CoordFields::Load(int pointId) {
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) == 0) {
    number.SetVal(point.number);
    name.SetVal(point.name);
    x.SetVal(point.x);
    y.SetVal(point.y);
    z.SetVal(point.hasZ ? point.z : FLD_DBL_EMPTY);
    m_dialog->CheckDlgButton(m_ids.hasZ, point.hasZ ? BST_CHECKED : BST_UNCHECKED);
  } else {
    Empty();
  }
  z.EnableWindow(HeightChecked());
}

void CoordFields::Empty() {
  number.SetVal(FLD_INT_EMPTY);
  name.SetVal(u"");
  for (CFldDblEdit* coordinate : {&x, &y, &z}) coordinate->SetVal(FLD_DBL_EMPTY);
}

bool CoordFields::HeightChecked() const { return m_dialog->IsDlgButtonChecked(m_ids.hasZ) == BST_CHECKED; }

void CoordFields::OnHeightClicked() {
  const bool checked = HeightChecked();
  z.EnableWindow(checked);
  m_dialog->GotoDlgCtrl(checked ? static_cast<CWnd*>(&z) : &y);
}

void CoordFields::TakeTappedCoordinate() {
  double tappedX = 0;
  double tappedY = 0;
  if (MapWin_GetPicCrd(&tappedX, &tappedY) != 0) return;
  SoundBeep(SOUNDBEEP_ACKNOWLEDGE);
  x.SetVal(tappedX);
  y.SetVal(tappedY);
}

bool CoordFields::CheckNameAndCoordinates() {
  if (name.GetVal().IsEmpty() && GetIntJkn(u"InpHoho") == 1)
    return Refuse(u"座標名称を入力してください。", kInputError, name);
  if (x.GetVal() == FLD_DBL_EMPTY) return Refuse(u"X座標を入力してください。", kInputError, x);
  if (y.GetVal() == FLD_DBL_EMPTY) return Refuse(u"Y座標を入力してください。", kInputError, y);
  if (HeightChecked() && z.GetVal() == FLD_DBL_EMPTY) return Refuse(u"Z座標を入力してください。", kInputError, z);
  return true;
}

void CoordFields::CopyInto(PntRecord& point) const {
  const bool height = HeightChecked();
  point.name = name.GetVal();
  point.x = x.GetVal();
  point.y = y.GetVal();
  point.z = height ? z.GetVal() : 0.0;
  point.hasZ = height ? 1 : 0;
}

bool CoordFields::Refuse(const WCHAR* message, const WCHAR* caption, CWnd& control) {
  m_dialog->MessageBox(message, caption, MB_OK | MB_ICONSTOP);
  m_dialog->GotoDlgCtrl(&control);
  return false;
}
