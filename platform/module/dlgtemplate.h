// Reads dialog templates, both the classic layout (DLGTEMPLATE with
// DLGITEMTEMPLATE items) and the extended one (DLGTEMPLATEEX, recognised by
// dlgVer 1 and signature 0xFFFF, with DLGITEMTEMPLATEEX items), into one
// plain description for the dialog manager. rcc writes the extended layout.
//
// Creation data: in the extended layout the WORD before it counts the bytes
// that follow; in the classic layout the first WORD of the data counts the
// whole data including itself. creationData holds the bytes after that WORD
// in both cases. Classic templates carry no font weight, italic flag or
// charset: they read as 0, 0 and DEFAULT_CHARSET (1).
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace plat::module {

struct DialogItem {
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  // The window class; the predefined atoms 0x80-0x85 read as "Button",
  // "Edit", "Static", "ListBox", "ScrollBar" and "ComboBox". classAtom keeps
  // the ordinal when the class was given as one (className is empty for an
  // atom other than those six), else 0.
  std::u16string className;
  WORD classAtom = 0;
  // Text, or a resource ordinal (icons and bitmaps of static controls).
  std::u16string title;
  bool titleIsOrdinal = false;
  WORD titleOrdinal = 0;
  std::vector<BYTE> creationData;
};

struct DialogTemplate {
  bool extended = false;
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  // The menu: a name, an ordinal, or none (empty name, not an ordinal).
  std::u16string menuName;
  bool menuIsOrdinal = false;
  WORD menuOrdinal = 0;
  // The dialog's window class: a name, an atom, or the default dialog class
  // (empty name and atom 0).
  std::u16string className;
  WORD classAtom = 0;
  std::u16string title;
  // Only when style has DS_SETFONT.
  WORD fontPointSize = 0;
  WORD fontWeight = 0;
  BYTE fontItalic = 0;
  BYTE fontCharset = 0;
  std::u16string fontFace;
  std::vector<DialogItem> items;
};

// Parses size bytes at data (which must be DWORD-aligned, as resources are).
// False on truncated or malformed data; never reads past data + size.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* out);

}  // namespace plat::module
