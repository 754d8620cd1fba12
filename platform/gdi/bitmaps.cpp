// Bitmap objects: made from packed DIBs, read as display pixels or with
// GetDIBits. GetDIBits hands out 24- or 32-bit BI_RGB rows of the bitmap's
// own size; the device context it is given is not consulted.
#include <algorithm>
#include <utility>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr uint32_t kBitmapInfoHeaderSize = sizeof(BITMAPINFOHEADER);

LONG WordAlignedRowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 15) / 16 * 2; }
uint32_t DibRowBytes(int width, int bitsPerPixel) { return (uint32_t(width) * bitsPerPixel + 31) / 32 * 4; }

int FailWith(DWORD error) {
  SetLastError(error);
  return 0;
}

void DescribeAsDib(const Image& image, BITMAPINFOHEADER* header) {
  if (header->biBitCount == 0) header->biBitCount = static_cast<WORD>(image.bitsPerPixel);
  header->biWidth = image.width;
  header->biHeight = image.height;
  header->biPlanes = 1;
  header->biCompression = BI_RGB;
  header->biSizeImage = DibRowBytes(image.width, header->biBitCount) * image.height;
}

// Writes scan lines [first, first + count) of the DIB the header describes.
int CopyScanLines(const Image& image, const BITMAPINFOHEADER& header, UINT first, UINT count, BYTE* bits) {
  const bool topDown = header.biHeight < 0;
  const int bytesPerPixel = header.biBitCount / 8;
  const uint32_t rowBytes = DibRowBytes(image.width, header.biBitCount);
  const UINT end = static_cast<UINT>(std::min<uint64_t>(uint64_t{first} + count, uint64_t(image.height)));
  for (UINT line = first; line < end; ++line) {
    BYTE* out = bits + size_t{line - first} * rowBytes;
    const int y = topDown ? int(line) : image.height - 1 - int(line);
    std::fill(out, out + rowBytes, BYTE{0});
    for (int x = 0; x < image.width; ++x, out += bytesPerPixel) {
      const uint32_t pixel = image.pixels[size_t(y) * image.width + x];
      out[0] = BYTE(pixel), out[1] = BYTE(pixel >> 8), out[2] = BYTE(pixel >> 16);  // blue, green, red
    }
  }
  return end > first ? int(end - first) : 0;
}

bool IsDeliverable(const Image& image, const BITMAPINFOHEADER& header) {
  const int64_t height = header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight;
  return (header.biBitCount == 24 || header.biBitCount == 32) && header.biCompression == BI_RGB &&
         header.biWidth == image.width && height == image.height;
}

}  // namespace

Bitmap::Bitmap(Image picture)
    : image(std::move(picture)),
      info{0, image.width, image.height, WordAlignedRowBytes(image.width, image.bitsPerPixel), 1,
           static_cast<WORD>(image.bitsPerPixel), nullptr} {}

HBITMAP AddBitmap(Image image) { return static_cast<HBITMAP>(AddObject(std::make_shared<Bitmap>(std::move(image)))); }

HBITMAP CreateBitmapFromPackedDib(const void* dib, size_t size) {
  auto image = dib ? DecodePackedDib({static_cast<const uint8_t*>(dib), size}) : std::nullopt;
  if (!image) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return AddBitmap(std::move(*image));
}

const uint32_t* BitmapPixels(HBITMAP bitmap, int* width, int* height) {
  const auto found = FindObjectAs<Bitmap>(bitmap);
  if (!found) return nullptr;
  *width = found->image.width;
  *height = found->image.height;
  return found->image.pixels.data();
}

}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" int WINAPI GetDIBits(HDC /*hdc*/, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits,
                                LPBITMAPINFO lpbmi, UINT /*usage*/) {
  const auto bitmap = FindObjectAs<Bitmap>(hbm);
  if (!bitmap) return FailWith(ERROR_INVALID_HANDLE);
  if (!lpbmi || lpbmi->bmiHeader.biSize < kBitmapInfoHeaderSize) return FailWith(ERROR_INVALID_PARAMETER);
  BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  if (!lpvBits) {
    DescribeAsDib(bitmap->image, &header);
    return bitmap->image.height;
  }
  if (!IsDeliverable(bitmap->image, header)) return FailWith(ERROR_INVALID_PARAMETER);
  return CopyScanLines(bitmap->image, header, start, cLines, static_cast<BYTE*>(lpvBits));
}
