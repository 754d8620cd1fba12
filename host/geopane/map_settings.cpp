// The one-row records of a map (see map_settings.h): each lives in slot 1 of
// its table and a write replaces it whole.
#include "map_settings.h"

#include <cstdint>

namespace geopane {

bool MapSettings::GetImportInfo(ImportInfo* info) {
  Statement select = db_.Prepare("SELECT folder, name, value FROM import_info WHERE slot = 1");
  if (!select.Row()) return false;
  *info = {select.Text(0), select.Text(1), static_cast<int>(select.Int(2))};
  return true;
}

bool MapSettings::PutImportInfo(const ImportInfo& info) {
  return db_.Prepare("INSERT OR REPLACE INTO import_info (slot, folder, name, value) VALUES (1, ?, ?, ?)")
      .BindText(1, info.folder)
      .BindText(2, info.name)
      .Bind(3, int64_t{info.value})
      .Run();
}

bool MapSettings::GetBackground(BackgroundImage* image) {
  Statement select = db_.Prepare("SELECT path, px1, py1, x1, y1, px2, py2, x2, y2 FROM background WHERE slot = 1");
  if (!select.Row()) return false;
  image->path = select.Text(0);
  image->px1 = static_cast<int>(select.Int(1));
  image->py1 = static_cast<int>(select.Int(2));
  image->x1 = select.Real(3);
  image->y1 = select.Real(4);
  image->px2 = static_cast<int>(select.Int(5));
  image->py2 = static_cast<int>(select.Int(6));
  image->x2 = select.Real(7);
  image->y2 = select.Real(8);
  return true;
}

bool MapSettings::PutBackground(const BackgroundImage& image) {
  return db_.Prepare(
                "INSERT OR REPLACE INTO background (slot, path, px1, py1, x1, y1, px2, py2, x2, y2) "
                "VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .BindText(1, image.path)
      .Bind(2, int64_t{image.px1})
      .Bind(3, int64_t{image.py1})
      .Bind(4, image.x1)
      .Bind(5, image.y1)
      .Bind(6, int64_t{image.px2})
      .Bind(7, int64_t{image.py2})
      .Bind(8, image.x2)
      .Bind(9, image.y2)
      .Run();
}

bool MapSettings::ClearBackground() { return db_.Prepare("DELETE FROM background").Run(); }

}  // namespace geopane
