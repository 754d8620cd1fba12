// The file dialog behind JFileListOpen and JFileListSave: lists a device
// folder's entries, moves between folders and gives back the chosen (or, for
// saving, the named) file and its folder.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "folder_listing.h"

namespace filepick {

enum class Purpose { Open, Save };

class FileListDlg : public CDialog {
 public:
  struct Request {
    Purpose purpose;
    std::u16string folder;  // normalized and existing
    std::u16string pattern;
    std::u16string typeLabel;
  };
  explicit FileListDlg(Request request);

  // Runs the dialog modally, owned by owner; IDOK when a file was chosen,
  // IDCANCEL when cancelled, -1 when the dialog could not be made.
  INT_PTR Run(CWnd* owner);
  const std::u16string& Folder() const { return folder_; }
  const std::u16string& Name() const { return name_; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnEntryDoubleTap(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnEntryChanged(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowFolder(const std::u16string& folder);
  // Moves into a folder entry or chooses a file entry.
  void Activate(int row);
  void AcceptTypedName();
  void RefuseName(const char16_t* reason);
  int SelectedRow() const;

  Request request_;
  std::u16string folder_;
  std::u16string name_;
  std::vector<Entry> entries_;
  CListCtrl list_;
  CEdit nameEdit_;
};

}  // namespace filepick
