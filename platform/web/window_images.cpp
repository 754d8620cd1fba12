// Reads the pixels of the windows' images: toolbar strips, icons and bitmaps.
#include "window_images.h"

#include <commctrl.h>
#include <plat/gdi.h>

#include <algorithm>
#include <charconv>

namespace plat::web {
namespace {

bool IsClass(HWND window, const char16_t* className) { return lstrcmpiW(ClassNameOf(window).c_str(), className) == 0; }

bool ToolbarImage(HWND toolbar, const std::string& indexText, Picture* picture) {
  int index = -1;
  const auto [end, error] = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
  if (error != std::errc() || end != indexText.data() + indexText.size() || index < 0) return false;
  RECT part{};
  const auto bitmap = reinterpret_cast<HBITMAP>(
      SendMessageW(toolbar, TB_PLAT_GETBUTTONIMAGE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&part)));
  return bitmap && BitmapPicture(bitmap, &part, picture);
}

bool IconPicture(HWND control, Picture* picture) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  RECT client{};
  GetClientRect(control, &client);
  gdi::IconImage image;
  const int chosen = icon ? gdi::ChooseIconImage(icon, client.right, client.bottom) : -1;
  if (chosen < 0 || !gdi::GetIconImage(icon, chosen, &image) || !image.pixels) return false;
  picture->width = image.width;
  picture->height = image.height;
  picture->pixels.resize(static_cast<size_t>(image.width) * image.height);
  for (size_t i = 0; i < picture->pixels.size(); ++i) {
    const bool clear = image.transparent && image.transparent[i];
    picture->pixels[i] = clear ? 0 : (0xFF000000u | (image.pixels[i] & 0xFFFFFF));
  }
  return true;
}

bool StaticImage(HWND control, const std::string& name, Picture* picture) {
  if (name == "icon") return IconPicture(control, picture);
  if (name != "bitmap") return false;
  const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  return bitmap && BitmapPicture(bitmap, nullptr, picture);
}

}  // namespace

bool BitmapPicture(HBITMAP bitmap, const RECT* part, Picture* picture) {
  int width = 0, height = 0;
  const uint32_t* pixels = gdi::BitmapPixels(bitmap, &width, &height);
  if (!pixels) return false;
  RECT area{0, 0, width, height};
  if (part) IntersectRect(&area, &area, part);
  if (area.right <= area.left || area.bottom <= area.top) return false;
  picture->width = area.right - area.left;
  picture->height = area.bottom - area.top;
  picture->pixels.clear();
  picture->pixels.reserve(static_cast<size_t>(picture->width) * picture->height);
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      picture->pixels.push_back(0xFF000000u | (pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF));
    }
  }
  return true;
}

bool WindowImage(HWND window, const std::string& name, const Adapters& adapters, Picture* picture) {
  if (!IsWindow(window)) return false;
  if (WindowAdapter* adapter = adapters.For(window)) return adapter->Image(window, name, picture);
  if (IsClass(window, TOOLBARCLASSNAMEW) && name.rfind("button-", 0) == 0) {
    return ToolbarImage(window, name.substr(7), picture);
  }
  if (IsClass(window, u"Static")) return StaticImage(window, name, picture);
  return false;
}

}  // namespace plat::web
