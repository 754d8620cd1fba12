// Where the page's files are served and as what.
#include "page_assets.h"

namespace plat::web {

bool FindPageAsset(std::string_view path, PageAsset* asset) {
  static const struct {
    std::string_view path, file, contentType;
  } kServed[] = {{"/", "index.html", "text/html; charset=utf-8"},
                 {"/display.js", "display.js", "text/javascript; charset=utf-8"},
                 {"/display.css", "display.css", "text/css; charset=utf-8"}};
  for (const auto& served : kServed) {
    if (served.path != path) continue;
    *asset = PageAsset{served.path, served.contentType, PageAssetBytes(served.file)};
    return true;
  }
  return false;
}

}  // namespace plat::web
