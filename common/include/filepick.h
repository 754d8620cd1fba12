// The host's file choice dialogs and the storage card's folder, as the
// command plug-ins call them. Every buffer holds FILEPICK_PATH (260) wide
// characters, null-terminated.
//
// Folders are device folders written without a trailing '\': "\Storage Card",
// "\Storage Card\2026"; the device root is the empty string "" (on entry "\"
// is taken as the root too), so that a caller's "%s\%s" (folder, name) always
// forms a valid device path.
//
// JFileListOpen(name, folder, typeLabel): a modal dialog, owned by the active
// window, that starts in folder and lists its subfolders and the files
// matching the pattern in name ("*.IMF"; * and ?, without regard to case;
// an empty pattern lists every file). The list shows ".." first (except at
// the root), then the folders, then the files, each group sorted without
// regard to case. A double tap on a folder (or choosing it and OK) moves into
// it, on ".." up to the parent; a double tap on a file (or choosing it and
// OK) chooses it; OK with no row chosen does nothing. Folders too deep for
// the buffers are not entered. A start folder that does not exist (or cannot
// name a folder) starts on the storage card, or at the root when the card is
// missing too. The dialog's templates are this library's own resources,
// found on its own module, so they never meet a caller's template ids.
// Result: FILEPICK_CHOSEN (0) with name = the file's name and folder = its
// folder; FILEPICK_CANCELLED (1) when the user closed the dialog or pressed
// cancel; FILEPICK_BAD_ARGUMENT (-1), showing nothing, for a null buffer, an
// unterminated buffer or a dialog that cannot be made. Except on 0 the
// buffers are left as they were.
//
// JFileListSave(mode, name, folder, typeLabel): the same dialog with a name
// field for the file to write; choosing a listed file (a tap) copies its name
// into the field, a double tap on a file chooses it at once. OK with a folder
// row chosen moves into it; otherwise OK takes the field's name: a name
// without the pattern's extension gets it appended ("SURVEY" -> "SURVEY.IMF"
// for "*.IMF"; only for a pattern "*.EXT" without further wildcards); an
// empty name, a name with any of \ / : * ? " < > | or a name too long for
// the buffers is refused with a message box captioned
// "入力エラー" and the dialog stays open. An existing file is taken as it is:
// asking before overwriting is the caller's business. Mode 1 is the only
// mode; any other mode returns FILEPICK_BAD_ARGUMENT without a dialog.
//
// GetCardDriveName(folder): writes "\Storage Card"; returns 0 (-1 for a null buffer).
#pragma once
#include <windows.h>

#define FILEPICK_PATH 260

enum FilepickResult {
  FILEPICK_BAD_ARGUMENT = -1,
  FILEPICK_CHOSEN = 0,
  FILEPICK_CANCELLED = 1,
};

int GetCardDriveName(WCHAR* folder);
int JFileListOpen(WCHAR* name, WCHAR* folder, const WCHAR* typeLabel);
int JFileListSave(int mode, WCHAR* name, WCHAR* folder, const WCHAR* typeLabel);
