// Icon objects: a list of images, each with its colours and transparency
// mask, from RT_ICON/RT_GROUP_ICON resources or icon files. Both kinds of
// directory start with reserved 0, type 1 and a count; a resource group's
// 14-byte entries end in an image id, a file's 16-byte entries in an offset.
#include <cstdlib>

#include "gdi/little_endian.h"
#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kGroupEntrySize = 14;
constexpr size_t kFileEntrySize = 16;
constexpr uint16_t kIconType = 1;

struct DirectoryEntry {
  uint32_t bytes;
  uint32_t locator;  // the image id of a group, the offset of a file
};

std::vector<DirectoryEntry> ReadDirectory(std::span<const uint8_t> data, size_t entrySize) {
  std::vector<DirectoryEntry> entries;
  if (data.size() < kDirectoryHeaderSize || ReadU16(data, 0) != 0 || ReadU16(data, 2) != kIconType) return entries;
  const size_t count = ReadU16(data, 4);
  if (kDirectoryHeaderSize + count * entrySize > data.size()) return entries;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kDirectoryHeaderSize + i * entrySize;
    const uint32_t locator = entrySize == kGroupEntrySize ? ReadU16(data, at + 12) : ReadU32(data, at + 12);
    entries.push_back({ReadU32(data, at + 8), locator});
  }
  return entries;
}

HICON AddIcon(std::vector<IconPicture> images) {
  if (images.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto icon = std::make_shared<Icon>();
  icon->images = std::move(images);
  return static_cast<HICON>(AddObject(std::move(icon)));
}

void AddDecoded(std::span<const uint8_t> data, std::vector<IconPicture>* images) {
  if (auto picture = DecodeIconImage(data)) images->push_back(std::move(*picture));
}

int64_t SizeDistance(const Image& image, int width, int height) {
  return std::abs(int64_t{image.width} - width) + std::abs(int64_t{image.height} - height);
}

}  // namespace

HICON CreateIconFromImageResource(const void* data, size_t size) {
  std::vector<IconPicture> images;
  if (data) AddDecoded({static_cast<const uint8_t*>(data), size}, &images);
  return AddIcon(std::move(images));
}

HICON CreateIconFromGroupResource(const void* group, size_t size, const IconImageFinder& findImage) {
  std::vector<IconPicture> images;
  if (group && findImage) {
    for (const auto& entry : ReadDirectory({static_cast<const uint8_t*>(group), size}, kGroupEntrySize)) {
      const void* data = nullptr;
      size_t dataSize = 0;
      if (findImage(static_cast<WORD>(entry.locator), &data, &dataSize) && data) {
        AddDecoded({static_cast<const uint8_t*>(data), dataSize}, &images);
      }
    }
  }
  return AddIcon(std::move(images));
}

HICON AddIconFromIconFile(std::span<const uint8_t> file) {
  std::vector<IconPicture> images;
  for (const auto& entry : ReadDirectory(file, kFileEntrySize)) {
    if (entry.locator <= file.size() && entry.bytes <= file.size() - entry.locator) {
      AddDecoded(file.subspan(entry.locator, entry.bytes), &images);
    }
  }
  return AddIcon(std::move(images));
}

int IconImageCount(HICON icon) {
  const auto found = FindObjectAs<Icon>(icon);
  return found ? static_cast<int>(found->images.size()) : 0;
}

bool GetIconImage(HICON icon, int index, IconImage* image) {
  const auto found = FindObjectAs<Icon>(icon);
  if (!found || index < 0 || static_cast<size_t>(index) >= found->images.size()) return false;
  const IconPicture& picture = found->images[static_cast<size_t>(index)];
  *image = IconImage{picture.image.width, picture.image.height, picture.image.bitsPerPixel,
                     picture.image.pixels.data(), picture.transparent.data()};
  return true;
}

int ChooseIconImage(HICON icon, int width, int height) {
  const auto found = FindObjectAs<Icon>(icon);
  if (!found) return -1;
  if (width <= 0 && height <= 0) return 0;
  int best = 0;
  for (size_t i = 1; i < found->images.size(); ++i) {
    const Image& candidate = found->images[i].image;
    const Image& chosen = found->images[static_cast<size_t>(best)].image;
    const int64_t distance = SizeDistance(candidate, width, height), bestDistance = SizeDistance(chosen, width, height);
    if (distance < bestDistance || (distance == bestDistance && candidate.bitsPerPixel > chosen.bitsPerPixel)) {
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace plat::gdi
