// The code lists of the reconnaissance card: every attribute table in the
// order the screens list it, with its stored codes and labels, and the
// look-ups that the screens, the detail text and the export make in them.
#pragma once
#include <windows.h>

#include <span>

// One entry of a code list: the stored code and the label the lists show.
struct CodeItem {
  LONG code;
  const WCHAR* label;
};

using CodeTable = std::span<const CodeItem>;

namespace codes {

extern const CodeTable kPresence;      // U: 有無 and 必要性
extern const CodeTable kSight;         // V: 見通, 上空の見通状態
extern const CodeTable kFunction;      // F: 基準点の機能
extern const CodeTable kKnownGrade;    // G1: 等級 of a known point
extern const CodeTable kRefType;       // T2: 種別 of an urban-block reference point
extern const CodeTable kRefGrade;      // G2: 等級 of an urban-block reference point
extern const CodeTable kRefMark;       // M2: 標識区分 of an urban-block reference point
extern const CodeTable kBlockMark;     // M3: 標識区分 of an urban-block point
extern const CodeTable kMaterial;      // Z: 材質区分
extern const CodeTable kInstaller;     // S3: 設置者種別 of an urban-block point
extern const CodeTable kBoundary;      // B3: 境界確定方法 of an urban-block point
extern const CodeTable kLandCategory;  // L: 地目, labels "NN:category"

// Point kinds of a card, and how many attribute slots each kind uses.
enum PointKind : LONG { kKnownPoint = 1, kBlockRefPoint = 2, kBlockPoint = 3 };
constexpr int kAttrSlots = 11;
int SlotsUsedBy(LONG kind);  // 11, 7, 7; 0 for any other kind

// The table of attr[slot] on a card of this kind; empty for a slot the kind
// does not use or an unknown kind.
CodeTable AttrTable(LONG kind, int slot);

// The label of a code, or an empty string when no entry carries it (codes
// from imported data may lie outside their table).
const WCHAR* LabelOf(CodeTable table, LONG code);

// The land category of table L without its code and colon ("田" for 1), or
// an empty string for a code that is not in the table.
const WCHAR* LandCategoryOf(LONG code);

// The word of a photo kind: 近景, 遠景, その他 for 1 to 3, else empty.
const WCHAR* PhotoKindWord(LONG kind);

// Map class and state codes written into points.
constexpr LONG kNoCardClass = 81;     // point without a card (created on the device, card deleted)
constexpr LONG kNoCardState = 32;
constexpr LONG kImportedState = 1;    // point created by import
constexpr LONG kRegisteredState = 11; // card registered on the card screen
// The class code of a point of this kind: 8, 10, 3; 0 for an unknown kind.
LONG ClassCodeOf(LONG kind);

}  // namespace codes
