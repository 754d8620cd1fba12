// The part that the line-of-sight and photo pages share: an ordered list of
// entries (LookEntry or PhotoEntry) shown in a numbered list view, an add
// button that updates the selected entry instead while a row is selected,
// and a delete button for the selected entry.
//
// Row i of the list shows entry i, its number i + 1 ("%2d") in column 0 and
// the page's own columns after it. Selecting a row shows its entry in the
// page's fields, names the add button "▼データ更新" and enables delete;
// without a selection the add button gets the page's own text and delete is
// disabled. Every stored or deleted entry posts the page's change notice.
#pragma once
#include <afxcmn.h>
#include <afxtempl.h>

#include <span>

#include "NavPageDlg.h"

template <class Entry>
class EntryPageDlg : public NavPageDlg {
 public:
  // Takes a copy of the card's entries and shows them.
  void LoadEntries(const CArray<Entry>& entries) {
    m_entries.Copy(entries);
    m_list.SetRedraw(FALSE);
    m_list.DeleteAllItems();
    RenderFrom(0);
    m_list.SetRedraw(TRUE);
    for (int column = 0; column < m_columns; ++column) m_list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
    UpdateButtons();
  }
  // Gives a copy of the page's entries.
  void StoreEntries(CArray<Entry>& entries) const { entries.Copy(m_entries); }

 protected:
  struct Layout {
    UINT listId;
    UINT addId;
    UINT deleteId;
    const WCHAR* addText;       // the add button without a selected row
    int maxEntries;
    const WCHAR* limitMessage;  // refusing an entry beyond maxEntries
  };

  EntryPageDlg(UINT templateId, const Layout& layout) : NavPageDlg(templateId), m_layout(layout) {}

  void DoDataExchange(CDataExchange* pDX) override {
    NavPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, m_layout.listId, m_list);
  }

  // Full-row selection and the left-aligned columns, "項番" first.
  void InsertColumns(std::span<const WCHAR* const> headings) {
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_columns = static_cast<int>(headings.size());
    for (int column = 0; column < m_columns; ++column) m_list.InsertColumn(column, headings[column], LVCFMT_LEFT);
  }

  // The entry of the selected row, or null.
  const Entry* SelectedEntry() const {
    const int index = SelectedIndex();
    return index >= 0 ? &m_entries[index] : nullptr;
  }

  // Puts entry in place of the selected one, or appends it when no row is
  // selected and the page has room (else the limit message, and false);
  // shows it and posts the change notice.
  bool PutEntry(const Entry& entry) {
    int index = SelectedIndex();
    if (index >= 0) {
      m_entries[index] = entry;
    } else if (m_entries.GetSize() >= m_layout.maxEntries) {
      MessageBox(m_layout.limitMessage, u"制限エラー", MB_OK | MB_ICONSTOP);
      return false;
    } else {
      index = static_cast<int>(m_entries.Add(entry));
    }
    RenderEntry(index);
    PostChangeNotice();
    return true;
  }

  // Item-changed notices of the list.
  afx_msg void OnEntryChanged(NMHDR*, LRESULT* pResult) {
    UpdateButtons();
    *pResult = 0;
  }

  // The delete button: removes the selected entry, numbers the rows after it
  // anew and posts the change notice; then the focus goes to the input.
  afx_msg void OnDelete() {
    const int index = SelectedIndex();
    if (index >= 0) {
      m_entries.RemoveAt(index);
      m_list.SetRedraw(FALSE);
      m_list.DeleteItem(index);
      RenderFrom(index);
      m_list.SetRedraw(TRUE);
      UpdateButtons();  // the list tells nothing of a deleted row
      PostChangeNotice();
    }
    FocusInput();
  }

  // Sets the texts of the page's columns, from 1 on, of an existing row.
  virtual void RenderColumns(CListCtrl& list, int row, const Entry& entry) = 0;
  // Puts the selected entry into the page's fields.
  virtual void ShowInFields(const Entry& entry) = 0;
  // Where the focus goes after an add, update or delete.
  virtual void FocusInput() = 0;

 private:
  int SelectedIndex() const {
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    return row >= 0 && row < m_entries.GetSize() ? row : -1;
  }

  void RenderFrom(int first) {
    for (int index = first; index < m_entries.GetSize(); ++index) RenderEntry(index);
  }

  // Numbers row index, appending it when the list is shorter, and fills it.
  void RenderEntry(int index) {
    CString number;
    number.Format(u"%2d", index + 1);
    int row = index;
    if (m_list.GetItemCount() > index)
      m_list.SetItemText(row, 0, number);
    else
      row = m_list.InsertItem(m_list.GetItemCount(), number);
    RenderColumns(m_list, row, m_entries[index]);
  }

  void UpdateButtons() {
    const Entry* selected = SelectedEntry();
    if (selected) ShowInFields(*selected);
    SetDlgItemText(m_layout.addId, selected ? u"▼データ更新" : m_layout.addText);
    if (CWnd* deleteButton = GetDlgItem(m_layout.deleteId)) deleteButton->EnableWindow(selected != nullptr);
  }

  const Layout m_layout;
  CArray<Entry> m_entries;
  CListCtrl m_list;
  int m_columns = 0;
};
