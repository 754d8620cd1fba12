// What the file dialogs show of a device folder: its entries (subfolders and
// the files matching a pattern) in the order a person reads them, moving
// between folders, and the rules for a typed file name.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace filepick {

enum class EntryKind { Parent, Folder, File };

struct Entry {
  std::u16string name;
  EntryKind kind;
};

// A folder as the dialogs keep it: one leading '\', no trailing '\', the
// root as "". Returns false for text that cannot name a device folder.
bool NormalizeFolder(const std::u16string& given, std::u16string* folder);
bool FolderExists(const std::u16string& folder);
std::u16string ParentOf(const std::u16string& folder);
std::u16string ChildOf(const std::u16string& folder, const std::u16string& name);
// How the dialogs show a folder: the root as "\".
std::u16string FolderCaption(const std::u16string& folder);

// ".." (except at the root), then the subfolders, then the files matching
// the pattern (* and ?, without regard to case; "" matches all), each group
// sorted by name without regard to case.
std::vector<Entry> ListFolder(const std::u16string& folder, const std::u16string& pattern);

// A name a person may give a new file: not empty, none of \ / : * ? " < > |
// and no control characters.
bool IsValidFileName(const std::u16string& name);
// The name with the pattern's extension appended when the pattern is
// "*.EXT" (EXT free of wildcards) and the name does not end in ".EXT"
// already (compared without regard to case).
std::u16string WithPatternExtension(const std::u16string& name, const std::u16string& pattern);

}  // namespace filepick
