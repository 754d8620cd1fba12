// Window-manager services shared among the window system's own modules
// (not for controls): the z-order, the top-level list and geometry helpers.
#pragma once
#include <windows.h>

#include <vector>

namespace plat::user {

std::vector<HWND> TopLevelWindows();
void BringToTop(HWND window);
// The window rectangle (origin 0, 0) of a window of the given style whose client area has the given size.
RECT WindowRectForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight);
// Activation after input: a tap in a window activates its top-level window.
void ActivateForInput(HWND window);

}  // namespace plat::user
