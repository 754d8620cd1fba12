// The file dialog (see file_list_dlg.h). Its templates live in this
// library's own resources: Run finds them with FindResource on the module
// that holds this code and runs the dialog from the template indirectly, so
// that they never meet the identifiers of a plug-in's or the host's templates.
#include "file_list_dlg.h"

#include <filepick.h>
#include <plat/module.h>

#include "resource.h"

namespace filepick {
namespace {

constexpr int kNameColumnWidth = 160;
constexpr int kKindColumnWidth = 60;
constexpr UINT kNameLimit = FILEPICK_PATH - 1;

// Whether "folder\name" fits the callers' buffers, terminator included.
bool FitsBuffers(const std::u16string& folder, const std::u16string& name) {
  return ChildOf(folder, name).size() < FILEPICK_PATH;
}

const DLGTEMPLATE* FindTemplate(Purpose purpose) {
  HMODULE module = plat::module::ModuleFromAddress(reinterpret_cast<const void*>(&FindTemplate));
  const UINT id = purpose == Purpose::Open ? IDD_FILEPICK_OPEN : IDD_FILEPICK_SAVE;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

const char16_t* KindText(EntryKind kind) { return kind == EntryKind::File ? u"" : u"<フォルダ>"; }

}  // namespace

BEGIN_MESSAGE_MAP(FileListDlg, CDialog)
  ON_NOTIFY(NM_DBLCLK, IDC_FILEPICK_ENTRIES, &FileListDlg::OnEntryDoubleTap)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_FILEPICK_ENTRIES, &FileListDlg::OnEntryChanged)
END_MESSAGE_MAP()

FileListDlg::FileListDlg(Request request) : request_(std::move(request)), folder_(request_.folder) {}

INT_PTR FileListDlg::Run(CWnd* owner) {
  const DLGTEMPLATE* dialogTemplate = FindTemplate(request_.purpose);
  if (!dialogTemplate || !InitModalIndirect(dialogTemplate, owner)) return -1;
  return DoModal();
}

void FileListDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FILEPICK_ENTRIES, list_);
  if (request_.purpose == Purpose::Save) DDX_Control(pDX, IDC_FILEPICK_NAME, nameEdit_);
}

BOOL FileListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  list_.InsertColumn(0, u"名前", LVCFMT_LEFT, kNameColumnWidth);
  list_.InsertColumn(1, u"種類", LVCFMT_LEFT, kKindColumnWidth);
  SetDlgItemText(IDC_FILEPICK_TYPE, request_.typeLabel.c_str());
  if (request_.purpose == Purpose::Save) nameEdit_.SetLimitText(kNameLimit);
  ShowFolder(folder_);
  return TRUE;
}

void FileListDlg::ShowFolder(const std::u16string& folder) {
  folder_ = folder;
  entries_ = ListFolder(folder_, request_.pattern);
  SetDlgItemText(IDC_FILEPICK_FOLDER, FolderCaption(folder_).c_str());
  list_.DeleteAllItems();
  for (size_t row = 0; row < entries_.size(); ++row) {
    const int at = list_.InsertItem(static_cast<int>(row), entries_[row].name.c_str());
    list_.SetItemText(at, 1, KindText(entries_[row].kind));
  }
}

int FileListDlg::SelectedRow() const { return list_.GetNextItem(-1, LVNI_SELECTED); }

void FileListDlg::Activate(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const Entry& entry = entries_[row];
  if (!FitsBuffers(folder_, entry.name)) return;
  switch (entry.kind) {
    case EntryKind::Parent:
      return ShowFolder(ParentOf(folder_));
    case EntryKind::Folder:
      return ShowFolder(ChildOf(folder_, entry.name));
    case EntryKind::File:
      name_ = entry.name;
      return EndDialog(IDOK);
  }
}

void FileListDlg::OnEntryDoubleTap(NMHDR* pNMHDR, LRESULT* pResult) {
  Activate(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem);
  *pResult = 0;
}

void FileListDlg::OnEntryChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
  const bool nowSelected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
  const bool isFile = change->iItem >= 0 && change->iItem < static_cast<int>(entries_.size()) &&
                      entries_[change->iItem].kind == EntryKind::File;
  if (request_.purpose == Purpose::Save && nowSelected && isFile)
    nameEdit_.SetWindowText(entries_[change->iItem].name.c_str());
  *pResult = 0;
}

// OK moves into a chosen folder; otherwise it takes the chosen file (open)
// or the name in the field (save).
void FileListDlg::OnOK() {
  const int row = SelectedRow();
  const bool folderChosen = row >= 0 && entries_[row].kind != EntryKind::File;
  if (folderChosen || request_.purpose == Purpose::Open) return Activate(row);
  AcceptTypedName();
}

void FileListDlg::AcceptTypedName() {
  CString typed;
  nameEdit_.GetWindowText(typed);
  const std::u16string name = WithPatternExtension(typed.GetString(), request_.pattern);
  if (typed.IsEmpty()) return RefuseName(u"ファイル名を入力してください。");
  if (!IsValidFileName(name)) return RefuseName(u"ファイル名に使えない文字があります。");
  if (!FitsBuffers(folder_, name)) return RefuseName(u"ファイル名が長すぎます。");
  name_ = name;
  EndDialog(IDOK);
}

void FileListDlg::RefuseName(const char16_t* reason) {
  MessageBox(reason, u"入力エラー", MB_OK | MB_ICONSTOP);
  nameEdit_.SetFocus();
}

}  // namespace filepick
