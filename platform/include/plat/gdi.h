// Extensions of the graphics objects that the window system, the resource
// loader and the displays use: bitmaps from packed device-independent bitmaps,
// icons from icon resources, the colours behind brushes, pixels for display,
// device-context state and the screen's size.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

namespace plat::gdi {

// A bitmap from a packed DIB (BITMAPINFOHEADER, colour table, bits) as stored in
// RT_BITMAP resources and in BMP files after their file header. Null on bad data.
HBITMAP CreateBitmapFromPackedDib(const void* dib, size_t size);

// Pixels of a bitmap, top row first, each 0x00RRGGBB. Null for an unknown handle.
// Valid until the bitmap is deleted.
const uint32_t* BitmapPixels(HBITMAP bitmap, int* width, int* height);

// The colour of a brush; false for the hollow brush or an unknown handle.
// A system colour value (HBRUSH)(COLOR_* + 1), as window classes and FillRect
// take one, gives that system colour.
bool BrushColor(HBRUSH brush, COLORREF* color);

// Icons hold one or more images. An icon is deleted with DeleteObject.
// From one RT_ICON resource (a DIB of twice the height: colours, then the
// AND mask). Null with ERROR_INVALID_PARAMETER on bad data.
HICON CreateIconFromImageResource(const void* data, size_t size);
// From an RT_GROUP_ICON directory; `findImage` gives the RT_ICON data of an
// image id. Images that cannot be found or decoded are left out; null when
// none is left.
using IconImageFinder = std::function<bool(WORD id, const void** data, size_t* size)>;
HICON CreateIconFromGroupResource(const void* group, size_t size, const IconImageFinder& findImage);

struct IconImage {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  const uint32_t* pixels = nullptr;     // 0x00RRGGBB, top row first
  const uint8_t* transparent = nullptr;  // one byte a pixel, 1 where the AND mask is set
};
// The images of an icon in directory order; pointers valid until the icon is deleted.
int IconImageCount(HICON icon);
bool GetIconImage(HICON icon, int index, IconImage* image);
// The index of the image closest in size to width x height (the first for
// 0 x 0); -1 for an unknown icon.
int ChooseIconImage(HICON icon, int width, int height);

// Device contexts that the window system hands out for painting.
HDC CreateWindowDC(HWND window);
void ReleaseWindowDC(HDC dc);

// What a painting pass left in a device context.
struct DcState {
  int bkMode = OPAQUE;
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  HWND window = nullptr;
  HFONT font = nullptr;      // the system font until another is selected
  HBRUSH brush = nullptr;    // WHITE_BRUSH until another is selected
  HBITMAP bitmap = nullptr;  // memory device contexts only
};
bool GetDcState(HDC dc, DcState* state);

// Text extent in pixels of UTF-16 text in the given font (null: the system
// font); a negative length measures up to the terminating NUL. In a font of
// height h pixels (|lfHeight|; the 9-point system font is 12), half-width
// characters (U+0020-U+007E, U+FF61-U+FF9F) are h/2 wide and all others
// (a surrogate pair is one) h wide; the extent is h high.
SIZE TextExtent(HFONT font, const WCHAR* text, int length);

}  // namespace plat::gdi
