// The texts of the list screen: the running number, point columns and count
// of its card list, and the rows of its detail pane, which show a card with
// its attributes decoded into the words of the screens, then its lines of
// sight and photographs.
#pragma once
#include <afxstr.h>
#include <records.h>

#include <array>
#include <vector>

// Column 0 of the card list's row (from 0): "%4d" of row + 1.
CStringW RowNumberText(int row);
// Columns 1 to 5 of a card's row: number "%5ld", name, X, Y and Z "%.3f"
// (Z empty for a point without a height).
std::array<CStringW, 5> PointColumnTexts(const PntRecord& point);
// The count of listed cards: "登録数：%3d".
CStringW CountText(int rows);

// One row of the detail pane.
struct DetailRow {
  CStringW label;
  CStringW text;
};

// The detail pane's rows of the card of point id as the map database holds
// it now: 調査実施日, 備考, the attribute rows of the card's kind (none for a
// kind other than 1 to 3), two rows per line of sight and one per photograph,
// in stored order. A code that its table does not list (-1 included) gives
// an empty text; the row is still there.
std::vector<DetailRow> ReadCardDetail(int pointId);
