// Tests of CListCtrl against the list view: columns, the item overloads and
// their masks, subitem texts (the sizing CString form and the buffer form
// that never overruns), item data and states, the iteration over selected
// items, search, and the view's geometry and scrolling.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ctrl_test_support.h"

namespace {

constexpr int kRowHeight = 16;
constexpr int kHeaderHeight = 18;

class ListCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, kHeaderHeight + 5 * kRowHeight), &host, 10));
    ASSERT_EQ(list.InsertColumn(0, u"Name", LVCFMT_LEFT, 80), 0);
    ASSERT_EQ(list.InsertColumn(1, u"Size", LVCFMT_RIGHT, 40, 1), 1);
  }
  void AddRows(int count) {
    for (int i = 0; i < count; ++i) list.InsertItem(list.GetItemCount(), u"row");
  }
  afx::test::HostWindow host;
  CListCtrl list;
};

TEST_F(ListCtrlTest, ColumnsRoundTrip) {
  WCHAR text[16] = {};
  LVCOLUMN column{};
  column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text;
  column.cchTextMax = 16;
  ASSERT_TRUE(list.GetColumn(1, &column));
  EXPECT_EQ(CString(text), CString(u"Size"));
  EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
  EXPECT_EQ(column.cx, 40);
  EXPECT_EQ(column.iSubItem, 1);

  EXPECT_TRUE(list.SetColumnWidth(0, 100));
  EXPECT_EQ(list.GetColumnWidth(0), 100);
  LVCOLUMN renamed{};
  renamed.mask = LVCF_TEXT;
  renamed.pszText = const_cast<LPWSTR>(u"Title");
  EXPECT_TRUE(list.SetColumn(0, &renamed));
  column.iSubItem = -1;
  ASSERT_TRUE(list.GetColumn(0, &column));
  EXPECT_EQ(CString(text), CString(u"Title"));

  EXPECT_TRUE(list.DeleteColumn(1));
  EXPECT_FALSE(list.GetColumn(1, &column));
}

TEST_F(ListCtrlTest, InsertItemOverloadsSetWhatTheirMasksName) {
  EXPECT_EQ(list.InsertItem(0, u"plain"), 0);
  EXPECT_EQ(list.InsertItem(1, u"pictured", 3), 1);
  EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 2, u"full", LVIS_SELECTED, LVIS_SELECTED, 0, 99), 2);
  ASSERT_EQ(list.GetItemCount(), 3);

  EXPECT_EQ(list.GetItemText(1, 0), CString(u"pictured")) << "the list view keeps no images, only the text";
  EXPECT_EQ(list.GetItemData(2), DWORD_PTR(99));
  EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), UINT(LVIS_SELECTED));
  EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), 0u);

  EXPECT_TRUE(list.SetItem(0, 0, LVIF_TEXT | LVIF_PARAM, u"renamed", 0, 0, 0, 5));
  EXPECT_EQ(list.GetItemText(0, 0), CString(u"renamed"));
  EXPECT_EQ(list.GetItemData(0), DWORD_PTR(5));
  EXPECT_TRUE(list.SetItemData(1, 77));
  EXPECT_EQ(list.GetItemData(1), DWORD_PTR(77));
  EXPECT_EQ(list.GetItemData(9), DWORD_PTR(0));
}

TEST_F(ListCtrlTest, SubitemTextsInBothForms) {
  list.InsertItem(0, u"report.txt");
  ASSERT_TRUE(list.SetItemText(0, 1, u"12 KB"));
  EXPECT_EQ(list.GetItemText(0, 1), CString(u"12 KB"));
  EXPECT_EQ(list.GetItemText(0, 0), CString(u"report.txt"));

  WCHAR buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(list.GetItemText(0, 0, buffer, 4), 3);
  EXPECT_EQ(CString(buffer), CString(u"rep"));
  EXPECT_EQ(buffer[4], u'#') << "nothing is written past nLen";
  EXPECT_EQ(list.GetItemText(0, 0, buffer, 0), 0);

  const CString longText(u'x', 700);
  ASSERT_TRUE(list.SetItemText(0, 1, longText));
  EXPECT_EQ(list.GetItemText(0, 1), longText) << "the CString form grows its buffer";
  EXPECT_TRUE(list.GetItemText(5, 0).IsEmpty());
  EXPECT_TRUE(list.GetItemText(0, 7).IsEmpty());
}

TEST_F(ListCtrlTest, SelectedItemsAreIteratedInOrder) {
  AddRows(4);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
  EXPECT_TRUE(list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
  LVITEM selected{};
  selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  EXPECT_TRUE(list.SetItemState(1, &selected));
  EXPECT_EQ(list.GetSelectedCount(), 2u);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 1);

  std::vector<int> seen;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) seen.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(seen, (std::vector<int>{1, 3}));

  EXPECT_EQ(list.SetSelectionMark(3), -1);
  EXPECT_EQ(list.GetSelectionMark(), 3);
  EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));
  EXPECT_EQ(list.GetSelectedCount(), 0u);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST_F(ListCtrlTest, FindsItemsByTextAndByData) {
  list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, u"north", 0, 0, 0, 10);
  list.InsertItem(LVIF_TEXT | LVIF_PARAM, 1, u"south", 0, 0, 0, 20);
  LVFINDINFO byText{};
  byText.flags = LVFI_STRING;
  byText.psz = u"south";
  EXPECT_EQ(list.FindItem(&byText), 1);
  LVFINDINFO byData{};
  byData.flags = LVFI_PARAM;
  byData.lParam = 10;
  EXPECT_EQ(list.FindItem(&byData), 0);
  byData.lParam = 30;
  EXPECT_EQ(list.FindItem(&byData), -1);
}

TEST_F(ListCtrlTest, ViewGeometryAndScrolling) {
  AddRows(20);
  EXPECT_EQ(list.GetCountPerPage(), 5);
  EXPECT_EQ(list.GetTopIndex(), 0);
  CRect row;
  ASSERT_TRUE(list.GetItemRect(1, row, LVIR_BOUNDS));
  EXPECT_EQ(row.top, kHeaderHeight + kRowHeight);
  EXPECT_EQ(row.Height(), kRowHeight);
  EXPECT_FALSE(list.GetItemRect(50, row, LVIR_BOUNDS));

  EXPECT_TRUE(list.EnsureVisible(19, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 15);
  EXPECT_TRUE(list.Scroll(CSize(0, -3 * kRowHeight)));
  EXPECT_EQ(list.GetTopIndex(), 12);

  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), 0u);
  EXPECT_EQ(list.GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
  EXPECT_EQ(list.GetStringWidth(u"abc"), 18) << "three half-width characters of the 12-pixel system font";
  EXPECT_TRUE(list.RedrawItems(0, 4));

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemCount(), 19);
  EXPECT_FALSE(list.DeleteItem(19));
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

}  // namespace
