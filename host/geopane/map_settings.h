// The one-row records of a map: the last import's folder, name and value,
// and the background image with its two tie points.
#pragma once
#include <string>

#include "sqlite_access.h"

namespace geopane {

struct ImportInfo {
  std::u16string folder;
  std::u16string name;
  int value = 0;
};

struct BackgroundImage {
  std::u16string path;
  int px1 = 0, py1 = 0;
  double x1 = 0, y1 = 0;
  int px2 = 0, py2 = 0;
  double x2 = 0, y2 = 0;
};

class MapSettings {
 public:
  explicit MapSettings(Connection& db) : db_(db) {}

  bool GetImportInfo(ImportInfo* info);
  bool PutImportInfo(const ImportInfo& info);
  // False when no image is placed.
  bool GetBackground(BackgroundImage* image);
  bool PutBackground(const BackgroundImage& image);
  bool ClearBackground();

 private:
  Connection& db_;
};

}  // namespace geopane
