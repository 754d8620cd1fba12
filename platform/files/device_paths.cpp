// The device folder and the mapping between device paths and host paths.
// The device folder defaults to $XDG_DATA_HOME/recon-device, or
// ~/.local/share/recon-device without XDG_DATA_HOME (/tmp/recon-device
// without a home), and is created on first use.
#include <plat/device.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "files/device_names.h"
#include "files/device_paths.h"
#include "files/device_space.h"
#include "files/host_errors.h"
#include "files/host_folders.h"

namespace plat {
namespace {

struct RootState {
  std::mutex lock;
  std::string folder;  // empty until first use or SetDeviceRoot
};

RootState& Root() {
  static RootState state;
  return state;
}

std::string DefaultRoot() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/recon-device";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/share/recon-device";
  return "/tmp/recon-device";
}

std::string NormalFolder(const std::string& folder) {
  std::error_code ignored;
  std::string normal = std::filesystem::absolute(folder, ignored).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool Exists(const std::string& hostPath) {
  struct stat info {};
  return lstat(hostPath.c_str(), &info) == 0;
}

// The host name of the entry of `folder` that spells `name` in another case
// (the first in name order when several do), or empty when none does.
std::string EntryIgnoringCase(const std::string& folder, std::u16string_view name) {
  std::vector<files::FolderEntry> entries;
  int error = 0;
  if (!files::ListFolder(folder, &entries, &error)) return {};
  for (const auto& entry : entries) {
    if (files::SameName(entry.name, name)) return entry.hostName;
  }
  return {};
}

}  // namespace

void SetDeviceRoot(const std::string& hostFolder) {
  const std::string folder = NormalFolder(hostFolder);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  {
    std::lock_guard guard(Root().lock);
    Root().folder = folder;
  }
  files::RecountUsedBytes();
}

std::string DeviceRoot() {
  auto& root = Root();
  std::lock_guard guard(root.lock);
  if (root.folder.empty()) {
    root.folder = NormalFolder(DefaultRoot());
    std::error_code ignored;
    std::filesystem::create_directories(root.folder, ignored);
  }
  return root.folder;
}

bool DeviceToHostPath(std::u16string_view devicePath, std::string* hostPath) {
  std::vector<std::u16string> parts;
  if (!files::SplitDevicePath(devicePath, false, &parts)) return false;
  *hostPath = files::MapParts(parts);
  return true;
}

bool HostToDevicePath(const std::string& hostPath, std::u16string* devicePath) {
  const std::string root = DeviceRoot();
  const std::string path = NormalFolder(hostPath);
  if (path != root && path.compare(0, root.size() + 1, root + "/") != 0) return false;
  std::u16string device;
  for (const auto& component : std::filesystem::path(path.substr(root.size()))) {
    const std::string name = component.string();
    if (name == "/" || name.empty()) continue;
    std::u16string wide;
    if (!files::Utf8ToWide(name, &wide) || !files::IsValidName(wide, false)) return false;
    device += u'\\' + wide;
  }
  *devicePath = device.empty() ? u"\\" : device;
  return true;
}

namespace files {

bool SplitDevicePath(std::u16string_view path, bool wildcardsInLast, std::vector<std::u16string>* parts) {
  parts->clear();
  if (path.empty()) return Fail(ERROR_INVALID_NAME);
  if (IsSeparator(path.front())) path.remove_prefix(1);
  while (!path.empty()) {
    const size_t end = std::find_if(path.begin(), path.end(), IsSeparator) - path.begin();
    parts->emplace_back(path.substr(0, end));
    path.remove_prefix(end == path.size() ? end : end + 1);
  }
  for (size_t i = 0; i < parts->size(); ++i) {
    const bool last = i + 1 == parts->size();
    if (!IsValidName((*parts)[i], last && wildcardsInLast)) return Fail(ERROR_INVALID_NAME);
  }
  return true;
}

std::string MapParts(std::span<const std::u16string> parts, FinalName finalName) {
  std::string host = DeviceRoot();
  bool parentExists = true;
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string name;
    WideToUtf8(parts[i], &name);  // checked names always convert
    const bool takeAsGiven = finalName == FinalName::AsGiven && i + 1 == parts.size();
    if (parentExists && !takeAsGiven && !Exists(JoinHostPath(host, name))) {
      const std::string match = EntryIgnoringCase(host, parts[i]);
      if (!match.empty()) name = match;
      parentExists = !match.empty();
    }
    host = JoinHostPath(host, name);
  }
  return host;
}

bool ResolveDevicePath(LPCWSTR path, std::string* hostPath, FinalName finalName) {
  if (!path) return Fail(ERROR_INVALID_PARAMETER);
  std::vector<std::u16string> parts;
  if (!SplitDevicePath(path, false, &parts)) return false;
  *hostPath = MapParts(parts, finalName);
  return true;
}

bool IsDeviceRoot(const std::string& hostPath) { return hostPath == DeviceRoot(); }

}  // namespace files
}  // namespace plat
