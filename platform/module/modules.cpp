// LoadLibrary, FreeLibrary, GetProcAddress, GetModuleHandle and
// GetModuleFileName over the dynamic loader (dlopen, dlsym, dlclose).
//
// Module names: a name holding '\' is a device path (mapped with
// plat::DeviceToHostPath); a name holding '/' is a host path used as it is;
// a bare name is looked for in the folders of plat::SetLibrarySearchPath,
// then next to the main executable, then by the dynamic loader's own search.
// Names are taken as spelled: no ".dll" is added.
//
// A module loaded a second time returns the same HMODULE and counts a
// reference. After loading, the module's own exported
//   extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
// (not one that a library it depends on exports) is called with
// DLL_PROCESS_ATTACH; when it returns FALSE it is called with
// DLL_PROCESS_DETACH, the module is unloaded and LoadLibrary fails with
// ERROR_DLL_INIT_FAILED. The last FreeLibrary calls DLL_PROCESS_DETACH and
// unloads. GetProcAddress finds only the module's own symbols, by name
// (ordinals are not supported). GetModuleFileName gives the device path of a
// module inside the device folder and the host path otherwise. One recursive
// lock (the loader lock) serialises all of it, so DllMain may load modules.
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>

#include <plat/device.h>
#include <plat/module.h>

#include "module/loaded_objects.h"
#include <plat/codepage.h>

namespace {

using DllEntry = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

struct LoadedLibrary {
  void* handle = nullptr;
  int references = 0;
  DllEntry entry = nullptr;
};

struct ModuleTable {
  std::recursive_mutex lock;
  std::map<HMODULE, LoadedLibrary> libraries;
  std::vector<std::string> searchPath;
};

// Never destroyed, so that modules still loaded at exit can be freed late.
ModuleTable& Modules() {
  static ModuleTable* table = new ModuleTable;
  return *table;
}

std::string Utf8FromWide(std::u16string_view text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string out(length > 0 ? length : 0, '\0');
  if (length > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  }
  return out;
}

std::u16string WideFromUtf8(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string out(length > 0 ? length : 0, u'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
  return out;
}

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The host path (or, for the loader's own search, the bare name) for dlopen.
bool HostPathOf(std::u16string_view name, std::string* path) {
  if (name.find(u'\\') != std::u16string_view::npos) return plat::DeviceToHostPath(name, path);
  const std::string host = Utf8FromWide(name);
  if (host.find('/') != std::string::npos) {
    *path = host;
    return true;
  }
  std::vector<std::string> folders = Modules().searchPath;
  folders.push_back(std::filesystem::path(plat::module::MainExecutablePath()).parent_path().string());
  for (const std::string& folder : folders) {
    const std::string candidate = (std::filesystem::path(folder) / host).string();
    if (IsFile(candidate)) {
      *path = candidate;
      return true;
    }
  }
  *path = host;
  return true;
}

HMODULE ModuleOfHandle(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) return nullptr;
  return plat::module::ModuleFromAddress(map->l_ld);
}

DllEntry OwnEntryPoint(void* handle, HMODULE module) {
  void* symbol = dlsym(handle, "DllMain");
  if (!symbol || plat::module::ModuleFromAddress(symbol) != module) return nullptr;
  return reinterpret_cast<DllEntry>(symbol);
}

// A dlsym handle for any loaded module (*opened tells whether to dlclose it).
void* HandleForSymbols(HMODULE module, bool* opened) {
  *opened = false;
  ModuleTable& table = Modules();
  if (auto it = table.libraries.find(module); it != table.libraries.end()) return it->second.handle;
  const std::optional<plat::module::LoadedObject> object = plat::module::ObjectAt(module);
  if (!object) return nullptr;
  const bool isMain = module == plat::module::MainModule();
  void* handle = isMain ? dlopen(nullptr, RTLD_LAZY) : dlopen(object->path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  *opened = handle != nullptr;
  return handle;
}

std::string HostFileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

bool SameFileNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

// The module file's name as the program sees it: a device path inside the
// device folder, else the absolute host path.
bool ModuleFileName(HMODULE module, std::u16string* name) {
  std::string path;
  if (!module) {
    path = plat::module::MainExecutablePath();
  } else if (const std::optional<plat::module::LoadedObject> object = plat::module::ObjectAt(module)) {
    path = object->path;
  } else {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return false;
  }
  std::error_code error;
  path = std::filesystem::absolute(path, error).lexically_normal().string();
  if (!plat::HostToDevicePath(path, name)) *name = WideFromUtf8(path);
  return true;
}

}  // namespace

namespace plat {

void SetLibrarySearchPath(std::vector<std::string> folders) {
  ModuleTable& table = Modules();
  std::lock_guard guard(table.lock);
  table.searchPath = std::move(folders);
}

}  // namespace plat

extern "C" HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
  if (!lpLibFileName || !*lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  ModuleTable& table = Modules();
  std::lock_guard guard(table.lock);
  std::string path;
  void* handle = HostPathOf(lpLibFileName, &path) ? dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
  HMODULE module = handle ? ModuleOfHandle(handle) : nullptr;
  if (!module) {
    if (handle) dlclose(handle);
    dlerror();
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (auto it = table.libraries.find(module); it != table.libraries.end()) {
    ++it->second.references;
    dlclose(handle);
    return module;
  }
  const DllEntry entry = OwnEntryPoint(handle, module);
  table.libraries[module] = LoadedLibrary{handle, 1, entry};
  if (entry && !entry(module, DLL_PROCESS_ATTACH, nullptr)) {
    entry(module, DLL_PROCESS_DETACH, nullptr);
    table.libraries.erase(module);
    dlclose(handle);
    SetLastError(ERROR_DLL_INIT_FAILED);
    return nullptr;
  }
  return module;
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (!lpLibFileName) return LoadLibraryW(nullptr);
  return LoadLibraryW(plat::text::AnsiToWide(lpLibFileName).c_str());
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  ModuleTable& table = Modules();
  std::lock_guard guard(table.lock);
  auto it = table.libraries.find(hLibModule);
  if (it == table.libraries.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (--it->second.references > 0) return TRUE;
  const LoadedLibrary library = it->second;
  if (library.entry) library.entry(hLibModule, DLL_PROCESS_DETACH, nullptr);
  table.libraries.erase(hLibModule);
  dlclose(library.handle);
  return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddressA(HMODULE hModule, LPCSTR lpProcName) {
  if (!lpProcName || IS_INTRESOURCE(lpProcName)) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  ModuleTable& table = Modules();
  std::lock_guard guard(table.lock);
  const HMODULE module = hModule ? hModule : plat::module::MainModule();
  bool opened = false;
  void* handle = HandleForSymbols(module, &opened);
  if (!handle) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  void* symbol = dlsym(handle, lpProcName);
  if (opened) dlclose(handle);
  if (!symbol || plat::module::ModuleFromAddress(symbol) != module) {
    dlerror();
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

extern "C" FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName) {
  if (!lpProcName || IS_INTRESOURCE(lpProcName)) return GetProcAddressA(hModule, nullptr);
  return GetProcAddressA(hModule, Utf8FromWide(lpProcName).c_str());
}

extern "C" HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
  if (!lpModuleName) return plat::module::MainModule();
  std::lock_guard guard(Modules().lock);
  const std::u16string_view name(lpModuleName);
  const bool bareName = name.find_first_of(u"\\/") == std::u16string_view::npos;
  std::string path;
  if (!bareName && !HostPathOf(name, &path)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  const std::string fileName = Utf8FromWide(name);
  for (const plat::module::LoadedObject& object : plat::module::LoadedObjects()) {
    const bool matches = bareName ? SameFileNameIgnoringCase(HostFileName(object.path), fileName)
                                  : SameFile(object.path, path);
    if (matches) return object.base;
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (!lpModuleName) return GetModuleHandleW(nullptr);
  return GetModuleHandleW(plat::text::AnsiToWide(lpModuleName).c_str());
}

// Copies as much as fits with a terminator; when the name is cut, returns
// nSize with ERROR_INSUFFICIENT_BUFFER, else the length without terminator.
extern "C" DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  std::u16string name;
  if (!ModuleFileName(hModule, &name)) return 0;
  if (!lpFilename || nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const size_t copied = std::min<size_t>(name.size(), nSize - 1);
  std::copy_n(name.data(), copied, lpFilename);
  lpFilename[copied] = 0;
  if (copied < name.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  return static_cast<DWORD>(copied);
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  std::u16string name;
  if (!ModuleFileName(hModule, &name)) return 0;
  if (!lpFilename || nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::string ansi = plat::text::WideToAnsi(name);
  const size_t copied = plat::text::AnsiPrefixThatFits(ansi, nSize - 1);
  std::copy_n(ansi.data(), copied, lpFilename);
  lpFilename[copied] = 0;
  if (copied < ansi.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  return static_cast<DWORD>(copied);
}
