// The entries of a device folder as the file dialogs list them, and the
// rules for folders and typed names (see folder_listing.h).
#include "folder_listing.h"

#include <plat/device.h>

#include <algorithm>

namespace filepick {
namespace {

constexpr char16_t kSeparator = u'\\';

bool LessIgnoringCase(const Entry& a, const Entry& b) { return lstrcmpiW(a.name.c_str(), b.name.c_str()) < 0; }

bool IsFolder(const WIN32_FIND_DATAW& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// The entries of a search, folders or files only.
std::vector<Entry> Search(const std::u16string& folder, const std::u16string& pattern, EntryKind kind) {
  std::vector<Entry> entries;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(ChildOf(folder, pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    if (IsFolder(found) == (kind == EntryKind::Folder)) entries.push_back({found.cFileName, kind});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(entries.begin(), entries.end(), LessIgnoringCase);
  return entries;
}

bool EndsWithIgnoringCase(const std::u16string& text, const std::u16string& suffix) {
  return text.size() >= suffix.size() && lstrcmpiW(text.c_str() + (text.size() - suffix.size()), suffix.c_str()) == 0;
}

}  // namespace

bool NormalizeFolder(const std::u16string& given, std::u16string* folder) {
  std::u16string result = given;
  std::replace(result.begin(), result.end(), u'/', kSeparator);
  while (!result.empty() && result.back() == kSeparator) result.pop_back();
  if (!result.empty() && result.front() != kSeparator) result.insert(result.begin(), kSeparator);
  if (!result.empty()) {
    std::string host;
    if (!plat::DeviceToHostPath(result, &host)) return false;
  }
  *folder = result;
  return true;
}

bool FolderExists(const std::u16string& folder) {
  if (folder.empty()) return true;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string ParentOf(const std::u16string& folder) {
  const size_t last = folder.rfind(kSeparator);
  return last == std::u16string::npos ? std::u16string() : folder.substr(0, last);
}

std::u16string ChildOf(const std::u16string& folder, const std::u16string& name) {
  return folder + kSeparator + name;
}

std::u16string FolderCaption(const std::u16string& folder) { return folder.empty() ? u"\\" : folder; }

std::vector<Entry> ListFolder(const std::u16string& folder, const std::u16string& pattern) {
  std::vector<Entry> entries;
  if (!folder.empty()) entries.push_back({u"..", EntryKind::Parent});
  for (auto kind : {EntryKind::Folder, EntryKind::File}) {
    const std::u16string search = kind == EntryKind::File && !pattern.empty() ? pattern : u"*";
    std::vector<Entry> found = Search(folder, search, kind);
    entries.insert(entries.end(), found.begin(), found.end());
  }
  return entries;
}

bool IsValidFileName(const std::u16string& name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char16_t c) {
    return c < u' ' || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
  });
}

std::u16string WithPatternExtension(const std::u16string& name, const std::u16string& pattern) {
  if (pattern.size() < 3 || pattern.compare(0, 2, u"*.") != 0) return name;
  const std::u16string extension = pattern.substr(1);
  if (extension.find_first_of(u"*?") != std::u16string::npos) return name;
  return EndsWithIgnoringCase(name, extension) ? name : name + extension;
}

}  // namespace filepick
