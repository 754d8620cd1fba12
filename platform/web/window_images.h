// The windows' images for the page, read on the UI thread: a toolbar
// button's image ("button-<index>"), a static control's icon ("icon") or
// bitmap ("bitmap"), and whatever a window's adapter pictures.
#pragma once
#include <plat/web_display.h>

#include <string>

#include "window_tree.h"

namespace plat::web {

// False when the window has no image of that name.
bool WindowImage(HWND window, const std::string& name, const Adapters& adapters, Picture* picture);

}  // namespace plat::web
