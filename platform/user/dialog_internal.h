// Modal loops shared by the dialog manager and message boxes.
#pragma once
#include <windows.h>

namespace plat::user {

// Makes a window a dialog of the dialog manager (its state: font, end, result).
void RegisterDialog(HWND dialog, HFONT font, bool ownsFont);

// Runs a modal loop for a dialog until EndDialog: the owner is disabled
// meanwhile, every other message is dispatched (timers go on firing, loops
// nest), and the dialog is destroyed at the end. Returns EndDialog's result.
INT_PTR RunModalLoop(HWND dialog, HWND owner);
bool DialogEnded(HWND dialog);

}  // namespace plat::user
