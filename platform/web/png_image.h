// Pictures as PNG files for the page: 8-bit RGBA, the image data in stored
// (uncompressed) deflate blocks, which every PNG reader takes.
#pragma once
#include <plat/web_display.h>

#include <string>

namespace plat::web {

// The PNG file of the picture; empty for a picture without pixels or whose
// pixel count does not match its size.
std::string EncodePng(const Picture& picture);

}  // namespace plat::web
