// Helpers of the module area's tests: the bytes of a resource of the test
// executable, the bytes of a test data file, a scratch folder.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace module_test {

inline std::vector<BYTE> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
  HRSRC resource = FindResourceW(module, name, type);
  if (!resource) return {};
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
  return std::vector<BYTE>(data, data + SizeofResource(module, resource));
}

inline std::vector<BYTE> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<BYTE> TestDataBytes(const std::string& name) { return FileBytes(std::filesystem::path(MODULE_TESTDATA_DIR) / name); }

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "module-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace module_test
