// The list view ("SysListView32") shown as a report: columns under a header
// row, rows of item and subitem texts, the rows' selection and focus, a
// vertical scroll position that follows the top row, and a person's taps,
// keys and gestures on it.
//
// - Every view style behaves as LVS_REPORT. A header row 18 px high (none
//   with LVS_NOCOLUMNHEADER) is followed by rows 16 px high from the top row
//   on; rows per page = (client height - header) / 16. The vertical scroll
//   bar's range is 0..count-1 with a page of the rows per page and the top
//   row as position (GetScrollInfo(SB_VERT)); the window style is left
//   alone, so a display shows the bar when the page is smaller than the
//   range. LVM_ENSUREVISIBLE treats a partly shown row as hidden.
// - Every change of a row's state, by a program's message or by a person,
//   is asked for with LVN_ITEMCHANGING (a non-zero answer vetoes it) and told
//   with LVN_ITEMCHANGED (iItem, uChanged LVIF_STATE, uOldState, uNewState,
//   the row's lParam), one pair per row that changes; LVM_SETITEMSTATE with
//   iItem -1 changes the rows one by one. One row at most has the focus, and
//   with LVS_SINGLESEL one at most is selected: giving a row either takes it
//   from the others first, with their own notifications (a veto there
//   leaves the new row as it was). LVM_INSERTITEM
//   inserts the row unselected, sends LVN_INSERTITEM, then applies the
//   LVIF_STATE bits as LVM_SETITEMSTATE would.
// - A person's tap on a row (with LVS_EX_FULLROWSELECT anywhere in it,
//   otherwise over column 0 only; elsewhere it is a tap on no row) takes the
//   focus, takes selection and focus away from every other row, then gives
//   the row LVIS_SELECTED | LVIS_FOCUSED (no notification for what is
//   already so), sets the selection mark, brings the row into view and sends
//   NM_CLICK (NMITEMACTIVATE: iItem -1 for no row, iSubItem the column
//   tapped). A double tap (WM_LBUTTONDBLCLK) acts as a tap, then sends
//   NM_DBLCLK. Everything happens at the button's going down; WM_LBUTTONUP
//   does nothing. A tap on the header sends LVN_COLUMNCLICK (iSubItem the
//   column) unless LVS_NOSORTHEADER. VK_UP, VK_DOWN, VK_HOME and VK_END move
//   selection and focus as a tap on the new row would, without NM_CLICK.
// - Gestures: kGestureChoose(row) and kGestureActivate(row) act as a tap and
//   a double tap on that row (ignored for a row that does not exist),
//   kGestureScroll(MAKELPARAM(SB_ code, position)) as WM_VSCROLL, and
//   kGestureTap(MAKELPARAM(x, y)) as a tap at that client point.
// - Item texts are kept by subitem number; a column shows the subitem named
//   by its iSubItem (LVCF_SUBITEM, by default its index when inserted).
//   LVM_DELETECOLUMN removes the column only, the rows keep their texts.
//   LPSTR_TEXTCALLBACKW is taken as an empty text (there is no
//   LVN_GETDISPINFO here). LVS_SORTASCENDING / LVS_SORTDESCENDING place a
//   new row by its item text ignoring case, after rows of equal text;
//   changing a text later does not move the row.
// - LVSCW_AUTOSIZE sizes a column to its widest text + 12 px;
//   LVSCW_AUTOSIZE_USEHEADER to the larger of that and its header text
//   + 12 px, and the last column further to fill the rest of the client
//   width, as the platform does.
// - LVM_GETHEADER returns null: the header is drawn by the list view itself,
//   its columns are read with LVM_GETCOLUMN.
// - LVM_DELETEITEM sends LVN_DELETEITEM only, never LVN_ITEMCHANGED: the
//   row's selection and focus go with it and later rows move up.
//   Destroying the list view sends LVN_DELETEALLITEMS and LVN_DELETEITEM for
//   its rows, as LVM_DELETEALLITEMS does, so that parents can free their data.
// - LVS_SHOWSELALWAYS and LVS_EX_GRIDLINES change only the drawing; a display
//   reads them from the style and LVM_GETEXTENDEDLISTVIEWSTYLE. Typed
//   characters are wanted (DLGC_WANTCHARS) but do not search the rows.
// - The platform's list view asks its parent for no colours: it paints with
//   COLOR_WINDOW and COLOR_WINDOWTEXT. With redraw switched off
//   (WM_SETREDRAW) only painting waits; states and notifications go on.
#include <commctrl.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "user/window.h"

namespace {

constexpr int kHeaderHeight = 18;
constexpr int kRowHeight = 16;
constexpr int kAutoSizeMargin = 12;
constexpr UINT kSelectedFocused = LVIS_SELECTED | LVIS_FOCUSED;

struct Column {
  int format = LVCFMT_LEFT;
  int width = 0;
  std::u16string text;
  int subItem = 0;
};

struct Row {
  std::map<int, std::u16string> texts;  // by subitem number
  LPARAM param = 0;
  UINT state = 0;

  const std::u16string& Text(int subItem) const {
    static const std::u16string empty;
    const auto found = texts.find(subItem);
    return found == texts.end() ? empty : found->second;
  }
};

struct ListView {
  std::vector<Column> columns;
  std::vector<Row> rows;
  DWORD extendedStyle = 0;
  int top = 0;
  int selectionMark = -1;
  HFONT font = nullptr;
};

ListView* StateOf(HWND hwnd) { return plat::user::ControlState<ListView>(hwnd); }
int Count(const ListView& lv) { return static_cast<int>(lv.rows.size()); }
bool ValidRow(const ListView& lv, int row) { return row >= 0 && row < Count(lv); }
bool ValidColumn(const ListView& lv, int column) {
  return column >= 0 && column < static_cast<int>(lv.columns.size());
}

// A parent's answer to a notification may destroy the list view or change
// its rows: what follows a notification checks that the row is still there.
bool StillHas(HWND hwnd, const ListView& lv, int row) { return StateOf(hwnd) == &lv && ValidRow(lv, row); }
bool Alive(HWND hwnd, const ListView& lv) { return StateOf(hwnd) == &lv; }

std::u16string TextOf(LPCWSTR text) {
  return text && text != LPSTR_TEXTCALLBACKW ? std::u16string(text) : std::u16string();
}

// Copies text into a caller's buffer (cut to fit and terminated); a
// callback text pointer takes nothing. The number of characters copied.
int CopyOut(const std::u16string& text, LPWSTR buffer, int size) {
  return buffer == LPSTR_TEXTCALLBACKW ? 0 : plat::user::CopyTextOut(text, buffer, size);
}

int TextWidth(const ListView& lv, const std::u16string& text) {
  return plat::gdi::TextExtent(lv.font, text.c_str(), static_cast<int>(text.size())).cx;
}

// ---- geometry and scrolling ----

int HeaderHeight(HWND hwnd) { return (plat::user::StyleOf(hwnd) & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight; }

RECT Client(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

int RowsPerPage(HWND hwnd) { return std::max(0, (Client(hwnd).bottom - HeaderHeight(hwnd)) / kRowHeight); }
int MaxTop(HWND hwnd, const ListView& lv) { return std::max(0, Count(lv) - RowsPerPage(hwnd)); }

int ColumnsWidth(const ListView& lv) {
  int width = 0;
  for (const Column& column : lv.columns) width += column.width;
  return width;
}

// The column under client x, or -1.
int ColumnAt(const ListView& lv, int x) {
  for (int i = 0, left = 0; i < static_cast<int>(lv.columns.size()); left += lv.columns[i].width, ++i)
    if (x >= left && x < left + lv.columns[i].width) return i;
  return -1;
}

RECT RowBounds(HWND hwnd, const ListView& lv, int row) {
  const int top = HeaderHeight(hwnd) + (row - lv.top) * kRowHeight;
  return RECT{0, top, ColumnsWidth(lv), top + kRowHeight};
}

void ScrollTo(HWND hwnd, ListView& lv, int top) {
  lv.top = std::clamp(top, 0, MaxTop(hwnd, lv));
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(Count(lv) - 1, 0),
                  static_cast<UINT>(RowsPerPage(hwnd)), lv.top, 0};
  SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
  plat::user::Invalidate(hwnd);
}

// After rows, size or style changed: the top row kept where it can be.
void Relayout(HWND hwnd, ListView& lv) { ScrollTo(hwnd, lv, lv.top); }

void EnsureVisible(HWND hwnd, ListView& lv, int row) {
  const int page = RowsPerPage(hwnd);
  int top = lv.top;
  if (row < top || page == 0) top = row;
  else if (row >= top + page) top = row - page + 1;
  ScrollTo(hwnd, lv, top);
}

int ScrollTarget(HWND hwnd, const ListView& lv, int code, int position) {
  const int page = std::max(RowsPerPage(hwnd), 1);
  switch (code) {
    case SB_LINEUP:
      return lv.top - 1;
    case SB_LINEDOWN:
      return lv.top + 1;
    case SB_PAGEUP:
      return lv.top - page;
    case SB_PAGEDOWN:
      return lv.top + page;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return position;
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return MaxTop(hwnd, lv);
    default:
      return lv.top;
  }
}

void Scroll(HWND hwnd, ListView& lv, WPARAM request) {
  ScrollTo(hwnd, lv, ScrollTarget(hwnd, lv, LOWORD(request), HIWORD(request)));
}

// ---- notifications and state ----

NMLISTVIEW RowNotice(const ListView& lv, int row) {
  NMLISTVIEW notice{};
  notice.iItem = row;
  if (ValidRow(lv, row)) notice.lParam = lv.rows[row].param;
  return notice;
}

NMLISTVIEW StateNotice(const ListView& lv, int row, UINT oldState, UINT newState) {
  NMLISTVIEW notice = RowNotice(lv, row);
  notice.uChanged = LVIF_STATE;
  notice.uOldState = oldState;
  notice.uNewState = newState;
  return notice;
}

// Sets the state bits in `mask` of one row to those of `state`, asking the
// parent first and telling it after. True when the row ends with them.
bool ChangeRowState(HWND hwnd, ListView& lv, int row, UINT state, UINT mask) {
  const UINT oldState = lv.rows[row].state;
  const UINT newState = (oldState & ~mask) | (state & mask);
  if (newState == oldState) return true;
  NMLISTVIEW changing = StateNotice(lv, row, oldState, newState);
  if (plat::user::NotifyParent(hwnd, LVN_ITEMCHANGING, &changing.hdr) || !StillHas(hwnd, lv, row)) return false;
  lv.rows[row].state = newState;
  plat::user::Invalidate(hwnd);
  NMLISTVIEW changed = StateNotice(lv, row, oldState, newState);
  plat::user::NotifyParent(hwnd, LVN_ITEMCHANGED, &changed.hdr);
  return true;
}

// Takes `bits` away from every row but `keep`; false when any was vetoed.
bool ClearOthers(HWND hwnd, ListView& lv, int keep, UINT bits) {
  bool cleared = true;
  for (int i = 0; Alive(hwnd, lv) && i < Count(lv); ++i)
    if (i != keep && (lv.rows[i].state & bits)) cleared = ChangeRowState(hwnd, lv, i, 0, bits) && cleared;
  return cleared && Alive(hwnd, lv);
}

// A program's change of one row's state, keeping one focused row and, with
// LVS_SINGLESEL, one selected row.
bool SetRowState(HWND hwnd, ListView& lv, int row, UINT state, UINT mask) {
  UINT exclusive = state & mask & LVIS_FOCUSED;
  if (plat::user::StyleOf(hwnd) & LVS_SINGLESEL) exclusive |= state & mask & LVIS_SELECTED;
  if (exclusive && !ClearOthers(hwnd, lv, row, exclusive)) return false;
  return StillHas(hwnd, lv, row) && ChangeRowState(hwnd, lv, row, state, mask);
}

bool SetStates(HWND hwnd, ListView& lv, int row, const LVITEMW* item) {
  if (!item) return false;
  if (row != -1) return ValidRow(lv, row) && SetRowState(hwnd, lv, row, item->state, item->stateMask);
  bool all = true;
  for (int i = 0; Alive(hwnd, lv) && i < Count(lv); ++i)
    all = SetRowState(hwnd, lv, i, item->state, item->stateMask) && all;
  return all;
}

// A person's choice of a row (-1: none): every other row loses selection and
// focus, then the row gains both and comes into view.
void ChooseRow(HWND hwnd, ListView& lv, int row) {
  if (!ClearOthers(hwnd, lv, row, kSelectedFocused) || !StillHas(hwnd, lv, row)) return;
  if (!ChangeRowState(hwnd, lv, row, kSelectedFocused, kSelectedFocused) || !StillHas(hwnd, lv, row)) return;
  lv.selectionMark = row;
  EnsureVisible(hwnd, lv, row);
}

void NotifyActivation(HWND hwnd, UINT code, int row, int column, POINT point) {
  NMITEMACTIVATE notice{};
  notice.iItem = row;
  notice.iSubItem = std::max(column, 0);
  notice.ptAction = point;
  if (ListView* lv = StateOf(hwnd); lv && ValidRow(*lv, row)) notice.lParam = lv->rows[row].param;
  plat::user::NotifyParent(hwnd, code, &notice.hdr);
}

// The next row from `start` (-1: from the first) with the LVNI_ state bits
// of flags, below it or, with LVNI_ABOVE, above it; -1 when none.
int NextRow(const ListView& lv, int start, UINT flags) {
  const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED);
  const int step = (flags & LVNI_ABOVE) ? -1 : 1;
  for (int i = start + step; ValidRow(lv, i); i += step)
    if ((lv.rows[i].state & wanted) == wanted) return i;
  return -1;
}

// ---- a person's input ----

void TapRow(HWND hwnd, int row, int column, POINT point, bool twice) {
  plat::user::TakeFocus(hwnd);
  ListView* lv = StateOf(hwnd);
  if (!lv) return;
  ChooseRow(hwnd, *lv, row);
  if (!StateOf(hwnd)) return;
  NotifyActivation(hwnd, NM_CLICK, row, column, point);
  if (twice && StateOf(hwnd)) NotifyActivation(hwnd, NM_DBLCLK, row, column, point);
}

void TapHeader(HWND hwnd, const ListView& lv, int x) {
  if (plat::user::StyleOf(hwnd) & LVS_NOSORTHEADER) return;
  const int column = ColumnAt(lv, x);
  if (column < 0) return;
  NMLISTVIEW notice = RowNotice(lv, -1);
  notice.iSubItem = column;
  plat::user::NotifyParent(hwnd, LVN_COLUMNCLICK, &notice.hdr);
}

// The row a tap at a client point of the rows lands on, or -1.
int RowAt(HWND hwnd, const ListView& lv, POINT point) {
  const int row = lv.top + (point.y - HeaderHeight(hwnd)) / kRowHeight;
  if (!ValidRow(lv, row)) return -1;
  if (lv.extendedStyle & LVS_EX_FULLROWSELECT) return row;
  return ColumnAt(lv, point.x) == 0 ? row : -1;
}

void TapAt(HWND hwnd, POINT point, bool twice) {
  ListView* lv = StateOf(hwnd);
  if (!lv) return;
  if (point.y < HeaderHeight(hwnd)) {
    TapHeader(hwnd, *lv, point.x);
    return;
  }
  const int row = RowAt(hwnd, *lv, point);
  TapRow(hwnd, row, row < 0 ? 0 : ColumnAt(*lv, point.x), point, twice);
}

void GestureOnRow(HWND hwnd, const ListView& lv, int row, bool twice) {
  if (!ValidRow(lv, row)) return;
  const RECT bounds = RowBounds(hwnd, lv, row);
  TapRow(hwnd, row, 0, POINT{bounds.left, bounds.top}, twice);
}

LRESULT Gesture(HWND hwnd, ListView& lv, WPARAM gesture, LPARAM argument) {
  switch (gesture) {
    case plat::kGestureChoose:
      GestureOnRow(hwnd, lv, static_cast<int>(argument), false);
      return 0;
    case plat::kGestureActivate:
      GestureOnRow(hwnd, lv, static_cast<int>(argument), true);
      return 0;
    case plat::kGestureScroll:
      Scroll(hwnd, lv, static_cast<WPARAM>(argument));
      return 0;
    case plat::kGestureTap:
      TapAt(hwnd, plat::user::PointFrom(argument), false);
      return 0;
    default:
      return DefWindowProcW(hwnd, plat::WM_PLAT_GESTURE, gesture, argument);
  }
}

void KeyDown(HWND hwnd, ListView& lv, UINT key) {
  if (lv.rows.empty()) return;
  const int focused = NextRow(lv, -1, LVNI_FOCUSED);
  const int last = Count(lv) - 1;
  switch (key) {
    case VK_UP:
      return ChooseRow(hwnd, lv, std::max(focused - 1, 0));
    case VK_DOWN:
      return ChooseRow(hwnd, lv, focused < 0 ? 0 : std::min(focused + 1, last));
    case VK_HOME:
      return ChooseRow(hwnd, lv, 0);
    case VK_END:
      return ChooseRow(hwnd, lv, last);
    default:
      return;
  }
}

// ---- rows ----

int InsertPosition(HWND hwnd, const ListView& lv, int requested, const std::u16string& text) {
  const DWORD style = plat::user::StyleOf(hwnd);
  if (!(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING))) return std::min(requested, Count(lv));
  const int order = (style & LVS_SORTASCENDING) ? 1 : -1;
  const auto after = std::find_if(lv.rows.begin(), lv.rows.end(), [&](const Row& row) {
    return order * lstrcmpiW(row.Text(0).c_str(), text.c_str()) > 0;
  });
  return static_cast<int>(after - lv.rows.begin());
}

int InsertRow(HWND hwnd, ListView& lv, const LVITEMW* item) {
  if (!item || item->iItem < 0 || item->iSubItem != 0) return -1;
  Row row;
  if (item->mask & LVIF_TEXT) row.texts[0] = TextOf(item->pszText);
  if (item->mask & LVIF_PARAM) row.param = item->lParam;
  const int index = InsertPosition(hwnd, lv, item->iItem, row.Text(0));
  lv.rows.insert(lv.rows.begin() + index, std::move(row));
  if (lv.selectionMark >= index) ++lv.selectionMark;
  Relayout(hwnd, lv);
  NMLISTVIEW notice = RowNotice(lv, index);
  plat::user::NotifyParent(hwnd, LVN_INSERTITEM, &notice.hdr);
  if ((item->mask & LVIF_STATE) && StillHas(hwnd, lv, index))
    SetRowState(hwnd, lv, index, item->state, item->stateMask);
  return index;
}

bool SetItem(HWND hwnd, ListView& lv, const LVITEMW* item) {
  if (!item || !ValidRow(lv, item->iItem) || item->iSubItem < 0) return false;
  Row& row = lv.rows[item->iItem];
  if (item->mask & LVIF_TEXT) row.texts[item->iSubItem] = TextOf(item->pszText);
  const bool ofItem = item->iSubItem == 0;  // subitems have no param or state
  if (ofItem && (item->mask & LVIF_PARAM)) row.param = item->lParam;
  plat::user::Invalidate(hwnd);
  if (ofItem && (item->mask & LVIF_STATE)) return SetRowState(hwnd, lv, item->iItem, item->state, item->stateMask);
  return true;
}

bool SetItemText(HWND hwnd, ListView& lv, int row, const LVITEMW* item) {
  if (!item) return false;
  LVITEMW text{};
  text.mask = LVIF_TEXT;
  text.iItem = row;
  text.iSubItem = item->iSubItem;
  text.pszText = item->pszText;
  return SetItem(hwnd, lv, &text);
}

bool GetItem(const ListView& lv, LVITEMW* item) {
  if (!item || !ValidRow(lv, item->iItem) || item->iSubItem < 0) return false;
  const Row& row = lv.rows[item->iItem];
  if (item->mask & LVIF_TEXT) CopyOut(row.Text(item->iSubItem), item->pszText, item->cchTextMax);
  if (item->mask & LVIF_PARAM) item->lParam = row.param;
  if (item->mask & LVIF_STATE) item->state = row.state & item->stateMask;
  return true;
}

int GetItemText(const ListView& lv, int row, LVITEMW* item) {
  if (!item || !ValidRow(lv, row) || item->iSubItem < 0) return 0;
  return CopyOut(lv.rows[row].Text(item->iSubItem), item->pszText, item->cchTextMax);
}

bool DeleteRow(HWND hwnd, ListView& lv, int row) {
  if (!ValidRow(lv, row)) return false;
  NMLISTVIEW notice = RowNotice(lv, row);
  plat::user::NotifyParent(hwnd, LVN_DELETEITEM, &notice.hdr);
  if (!StillHas(hwnd, lv, row)) return false;
  lv.rows.erase(lv.rows.begin() + row);
  if (lv.selectionMark == row) lv.selectionMark = -1;
  else if (lv.selectionMark > row) --lv.selectionMark;
  Relayout(hwnd, lv);
  return true;
}

void DeleteAllRows(HWND hwnd, ListView& lv) {
  NMLISTVIEW all = RowNotice(lv, -1);
  const bool quiet = plat::user::NotifyParent(hwnd, LVN_DELETEALLITEMS, &all.hdr) != 0;
  for (int i = 0; !quiet && Alive(hwnd, lv) && i < Count(lv); ++i) {
    NMLISTVIEW notice = RowNotice(lv, i);
    plat::user::NotifyParent(hwnd, LVN_DELETEITEM, &notice.hdr);
  }
  if (!Alive(hwnd, lv)) return;
  lv.rows.clear();
  lv.selectionMark = -1;
  Relayout(hwnd, lv);
}

int SelectedCount(const ListView& lv) {
  return static_cast<int>(
      std::count_if(lv.rows.begin(), lv.rows.end(), [](const Row& row) { return row.state & LVIS_SELECTED; }));
}

int FindRow(const ListView& lv, int start, const LVFINDINFOW* find) {
  if (!find || start < -1) return -1;
  const std::u16string text = TextOf(find->psz);
  for (int i = start + 1; i < Count(lv); ++i) {
    const Row& row = lv.rows[i];
    if (find->flags & LVFI_PARAM) {
      if (row.param == find->lParam) return i;
    } else if ((find->flags & LVFI_STRING) && lstrcmpiW(row.Text(0).c_str(), text.c_str()) == 0) {
      return i;
    }
  }
  return -1;
}

bool GetItemRect(HWND hwnd, const ListView& lv, int row, RECT* rect) {
  if (!rect || !ValidRow(lv, row)) return false;
  RECT bounds = RowBounds(hwnd, lv, row);
  if (rect->left == LVIR_LABEL) {
    bounds.right = lv.columns.empty() ? 0 : lv.columns[0].width;
  } else if (rect->left != LVIR_BOUNDS) {
    return false;
  }
  *rect = bounds;
  return true;
}

// ---- columns ----

void ApplyColumn(Column& column, const LVCOLUMNW& in) {
  if (in.mask & LVCF_FMT) column.format = in.fmt;
  if (in.mask & LVCF_WIDTH) column.width = std::max(in.cx, 0);
  if (in.mask & LVCF_TEXT) column.text = TextOf(in.pszText);
  if (in.mask & LVCF_SUBITEM) column.subItem = std::max(in.iSubItem, 0);
}

int InsertColumn(HWND hwnd, ListView& lv, int index, const LVCOLUMNW* in) {
  if (!in || index < 0) return -1;
  index = std::min(index, static_cast<int>(lv.columns.size()));
  Column column;
  column.subItem = index;
  ApplyColumn(column, *in);
  lv.columns.insert(lv.columns.begin() + index, std::move(column));
  plat::user::Invalidate(hwnd);
  return index;
}

bool SetColumn(HWND hwnd, ListView& lv, int index, const LVCOLUMNW* in) {
  if (!in || !ValidColumn(lv, index)) return false;
  ApplyColumn(lv.columns[index], *in);
  plat::user::Invalidate(hwnd);
  return true;
}

bool GetColumn(const ListView& lv, int index, LVCOLUMNW* out) {
  if (!out || !ValidColumn(lv, index)) return false;
  const Column& column = lv.columns[index];
  if (out->mask & LVCF_FMT) out->fmt = column.format;
  if (out->mask & LVCF_WIDTH) out->cx = column.width;
  if (out->mask & LVCF_TEXT) CopyOut(column.text, out->pszText, out->cchTextMax);
  if (out->mask & LVCF_SUBITEM) out->iSubItem = column.subItem;
  return true;
}

bool DeleteColumn(HWND hwnd, ListView& lv, int index) {
  if (!ValidColumn(lv, index)) return false;
  lv.columns.erase(lv.columns.begin() + index);
  plat::user::Invalidate(hwnd);
  return true;
}

int AutoWidth(HWND hwnd, const ListView& lv, int index, bool useHeader) {
  const Column& column = lv.columns[index];
  int widest = 0;
  for (const Row& row : lv.rows) widest = std::max(widest, TextWidth(lv, row.Text(column.subItem)));
  int width = widest + kAutoSizeMargin;
  if (!useHeader) return width;
  width = std::max(width, TextWidth(lv, column.text) + kAutoSizeMargin);
  if (index == static_cast<int>(lv.columns.size()) - 1)
    width = std::max(width, Client(hwnd).right - (ColumnsWidth(lv) - column.width));
  return width;
}

bool SetColumnWidth(HWND hwnd, ListView& lv, int index, int width) {
  if (!ValidColumn(lv, index)) return false;
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
    width = AutoWidth(hwnd, lv, index, width == LVSCW_AUTOSIZE_USEHEADER);
  } else if (width < 0) {
    return false;
  }
  lv.columns[index].width = width;
  plat::user::Invalidate(hwnd);
  return true;
}

DWORD SetExtendedStyle(HWND hwnd, ListView& lv, DWORD mask, DWORD style) {
  const DWORD previous = lv.extendedStyle;
  if (mask == 0) mask = ~DWORD{0};
  lv.extendedStyle = (previous & ~mask) | (style & mask);
  plat::user::Invalidate(hwnd);
  return previous;
}

// ---- messages ----

std::optional<LRESULT> RowMessage(HWND hwnd, ListView& lv, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);
  auto* item = reinterpret_cast<LVITEMW*>(lParam);
  switch (message) {
    case LVM_INSERTITEMW:
      return InsertRow(hwnd, lv, item);
    case LVM_SETITEMW:
      return SetItem(hwnd, lv, item);
    case LVM_SETITEMTEXTW:
      return SetItemText(hwnd, lv, index, item);
    case LVM_GETITEMW:
      return GetItem(lv, item);
    case LVM_GETITEMTEXTW:
      return GetItemText(lv, index, item);
    case LVM_DELETEITEM:
      return DeleteRow(hwnd, lv, index);
    case LVM_DELETEALLITEMS:
      DeleteAllRows(hwnd, lv);
      return TRUE;
    case LVM_GETITEMCOUNT:
      return Count(lv);
    case LVM_SETITEMCOUNT:  // room for rows is made as they come
      return TRUE;
    case LVM_SETITEMSTATE:
      return SetStates(hwnd, lv, index, item);
    case LVM_GETITEMSTATE:
      return ValidRow(lv, index) ? lv.rows[index].state & static_cast<UINT>(lParam) : 0;
    case LVM_GETNEXTITEM:
      return NextRow(lv, index, static_cast<UINT>(LOWORD(lParam)));
    case LVM_GETSELECTEDCOUNT:
      return SelectedCount(lv);
    case LVM_GETSELECTIONMARK:
      return lv.selectionMark;
    case LVM_SETSELECTIONMARK:
      return std::exchange(lv.selectionMark, static_cast<int>(lParam));
    case LVM_FINDITEMW:
      return FindRow(lv, index, reinterpret_cast<const LVFINDINFOW*>(lParam));
    case LVM_GETITEMRECT:
      return GetItemRect(hwnd, lv, index, reinterpret_cast<RECT*>(lParam));
    case LVM_REDRAWITEMS:
      plat::user::Invalidate(hwnd);
      return TRUE;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> ViewMessage(HWND hwnd, ListView& lv, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);
  auto* column = reinterpret_cast<LVCOLUMNW*>(lParam);
  switch (message) {
    case LVM_INSERTCOLUMNW:
      return InsertColumn(hwnd, lv, index, column);
    case LVM_SETCOLUMNW:
      return SetColumn(hwnd, lv, index, column);
    case LVM_GETCOLUMNW:
      return GetColumn(lv, index, column);
    case LVM_DELETECOLUMN:
      return DeleteColumn(hwnd, lv, index);
    case LVM_GETCOLUMNWIDTH:
      return ValidColumn(lv, index) ? lv.columns[index].width : 0;
    case LVM_SETCOLUMNWIDTH:
      return SetColumnWidth(hwnd, lv, index, GET_X_LPARAM(lParam));
    case LVM_GETSTRINGWIDTHW:
      return lParam ? TextWidth(lv, reinterpret_cast<LPCWSTR>(lParam)) : 0;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
      return SetExtendedStyle(hwnd, lv, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
      return lv.extendedStyle;
    case LVM_GETHEADER:
      return 0;
    case LVM_ENSUREVISIBLE:
      if (!ValidRow(lv, index)) return FALSE;
      EnsureVisible(hwnd, lv, index);
      return TRUE;
    case LVM_SCROLL:
      ScrollTo(hwnd, lv, lv.top + static_cast<int>(lParam) / kRowHeight);
      return TRUE;
    case LVM_GETTOPINDEX:
      return lv.top;
    case LVM_GETCOUNTPERPAGE:
      return RowsPerPage(hwnd);
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> WindowMessage(HWND hwnd, ListView& lv, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point = plat::user::PointFrom(lParam);
  switch (message) {
    case WM_CREATE:
    case WM_SIZE:
    case WM_STYLECHANGED:
      Relayout(hwnd, lv);
      return 0;
    case WM_DESTROY:
      DeleteAllRows(hwnd, lv);
      return 0;
    case WM_ERASEBKGND:
      return plat::user::EraseWithSystemColors(hwnd, reinterpret_cast<HDC>(wParam), COLOR_WINDOW, COLOR_WINDOWTEXT);
    case WM_SETFOCUS:
      plat::user::NotifyFocusHeader(hwnd, NM_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      plat::user::NotifyFocusHeader(hwnd, NM_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
      TapAt(hwnd, point, false);
      return 0;
    case WM_LBUTTONDBLCLK:
      TapAt(hwnd, point, true);
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, lv, static_cast<UINT>(wParam));
      return 0;
    case WM_VSCROLL:
      Scroll(hwnd, lv, wParam);
      return 0;
    case plat::WM_PLAT_GESTURE:
      return Gesture(hwnd, lv, wParam, lParam);
    default:
      return std::nullopt;
  }
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return plat::user::CreateControlState<ListView>(hwnd, lParam);
  if (message == WM_NCDESTROY) {
    plat::user::FreeControlState<ListView>(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ListView* lv = StateOf(hwnd);
  if (!lv) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto result = plat::user::FontMessage(hwnd, lv->font, message, wParam, lParam)) return *result;
  if (auto result = RowMessage(hwnd, *lv, message, wParam, lParam)) return *result;
  if (auto result = ViewMessage(hwnd, *lv, message, wParam, lParam)) return *result;
  if (auto result = WindowMessage(hwnd, *lv, message, wParam, lParam)) return *result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

const plat::user::SystemClassRegistrar registrar(WC_LISTVIEWW, ListViewProc, sizeof(LONG_PTR), CS_DBLCLKS);

}  // namespace
