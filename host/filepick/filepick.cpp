// The library's entry points: GetCardDriveName, JFileListOpen and
// JFileListSave (see filepick.h) check and read the callers' buffers, pick
// the start folder and run the file dialog, writing the buffers back only
// when a file was chosen.
#include <filepick.h>

#include <string>

#include "file_list_dlg.h"

namespace {

constexpr char16_t kCardFolder[] = u"\\Storage Card";

// The text of a caller's buffer, or false when no terminator lies within it.
bool ReadBuffer(const WCHAR* buffer, std::u16string* text) {
  for (int at = 0; at < FILEPICK_PATH; ++at)
    if (buffer[at] == 0) {
      text->assign(buffer, at);
      return true;
    }
  return false;
}

void WriteBuffer(WCHAR* buffer, const std::u16string& text) { lstrcpynW(buffer, text.c_str(), FILEPICK_PATH); }

// The given folder when it exists, else the storage card, else the root.
std::u16string StartFolder(const std::u16string& given) {
  std::u16string folder;
  if (filepick::NormalizeFolder(given, &folder) && filepick::FolderExists(folder)) return folder;
  return filepick::FolderExists(kCardFolder) ? kCardFolder : u"";
}

int RunFileList(filepick::Purpose purpose, WCHAR* name, WCHAR* folder, const WCHAR* typeLabel) {
  std::u16string pattern, givenFolder, label;
  if (!name || !folder || !ReadBuffer(name, &pattern) || !ReadBuffer(folder, &givenFolder)) return FILEPICK_BAD_ARGUMENT;
  if (typeLabel && !ReadBuffer(typeLabel, &label)) return FILEPICK_BAD_ARGUMENT;
  filepick::FileListDlg dialog({purpose, StartFolder(givenFolder), pattern, label});
  const INT_PTR result = dialog.Run(CWnd::GetActiveWindow());
  if (result == -1) return FILEPICK_BAD_ARGUMENT;
  if (result != IDOK) return FILEPICK_CANCELLED;
  WriteBuffer(name, dialog.Name());
  WriteBuffer(folder, dialog.Folder());
  return FILEPICK_CHOSEN;
}

}  // namespace

int GetCardDriveName(WCHAR* folder) {
  if (!folder) return FILEPICK_BAD_ARGUMENT;
  WriteBuffer(folder, kCardFolder);
  return 0;
}

int JFileListOpen(WCHAR* name, WCHAR* folder, const WCHAR* typeLabel) {
  return RunFileList(filepick::Purpose::Open, name, folder, typeLabel);
}

int JFileListSave(int mode, WCHAR* name, WCHAR* folder, const WCHAR* typeLabel) {
  if (mode != 1) return FILEPICK_BAD_ARGUMENT;
  return RunFileList(filepick::Purpose::Save, name, folder, typeLabel);
}
