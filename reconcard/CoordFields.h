// The point fields that both coordinate dialogs share — number, name, X, Y,
// Z and the height check box — with what the two do alike: tie them to the
// dialog's template, fill them from a point of the map database, take a
// tapped map coordinate, follow the height box, check name and coordinates,
// and put name, coordinates and height into a point record.
//
// Empty number fields read as FLD_INT_EMPTY / FLD_DBL_EMPTY (fld.h). Input
// errors show their message with an OK button and the stop icon and put the
// focus on the control at fault.
#pragma once
#include <fld.h>
#include <records.h>

// The dialog's control ids of the fields.
// The refusal of OK when the map database does not take the point.
inline constexpr WCHAR kPointNotStored[] = u"座標データを登録できませんでした。";
inline constexpr WCHAR kPointNotStoredCaption[] = u"登録エラー";

struct CoordFieldIds {
  UINT number;
  UINT name;
  UINT x;
  UINT y;
  UINT z;
  UINT hasZ;  // height check box
};

class CoordFields {
 public:
  explicit CoordFields(const CoordFieldIds& ids);

  // In the dialog's OnInitDialog: ties the five Fld controls, empty, with
  // their ranges, formats and input popups.
  void Tie(CDialog& dialog);

  // Fills the fields from the point. When it cannot be read (also for id
  // -1) the fields are emptied and the height box keeps its state. Either
  // way Z is enabled exactly when the height box is checked.
  void Load(int pointId);

  // The height box was clicked: Z follows it and takes the focus, or gives
  // it to Y.
  void OnHeightClicked();

  // A coordinate tap of the map: with the beep, X and Y take the tapped
  // coordinate; nothing when the map has none.
  void TakeTappedCoordinate();

  // The checks both dialogs make, in order: the name when the device
  // requires one ("InpHoho" 1), X, Y, and Z when the height box is checked.
  // False after refusing the first that fails.
  bool CheckNameAndCoordinates();

  // Name, X, Y and, with the height box checked, Z and hasZ 1 (else z 0 and
  // hasZ 0) into point; the other fields of point stay.
  void CopyInto(PntRecord& point) const;

  // Shows an input error and puts the focus on control; always false.
  bool Refuse(const WCHAR* message, const WCHAR* caption, CWnd& control);

  CFldIntEdit number;
  CFldStrEdit name;
  CFldDblEdit x;
  CFldDblEdit y;
  CFldDblEdit z;

 private:
  bool HeightChecked() const;
  void Empty();

  CoordFieldIds m_ids;
  CDialog* m_dialog = nullptr;
};
