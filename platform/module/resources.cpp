// FindResource, LoadResource, LockResource, SizeofResource, FreeResource and
// LoadBitmap over the registered resource tables. An HRSRC is the table
// entry, an HGLOBAL the resource's bytes (which stay in the module's image,
// so LoadResource copies nothing and FreeResource does nothing). A null
// module means the main executable, also for LoadBitmap (there are no
// system bitmaps here).
#include <windows.h>

#include <plat/gdi.h>

#include "module/resource_registry.h"
#include <plat/codepage.h>

using plat::module::ResourceEntry;

namespace {

const ResourceEntry* EntryOf(HRSRC resource) {
  const auto* entry = reinterpret_cast<const ResourceEntry*>(resource);
  if (!entry || !plat::module::IsRegisteredEntry(entry)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return entry;
}

LPCWSTR WideArgument(LPCSTR argument, std::u16string* storage) {
  if (IS_INTRESOURCE(argument)) return reinterpret_cast<LPCWSTR>(argument);
  *storage = plat::text::AnsiToWide(argument);
  return storage->c_str();
}

}  // namespace

extern "C" HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const ResourceEntry* entry = plat::module::FindResourceEntry(hModule, plat::module::KeyFromArgument(lpType),
                                                               plat::module::KeyFromArgument(lpName));
  return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

extern "C" HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::u16string name, type;
  return FindResourceW(hModule, WideArgument(lpName, &name), WideArgument(lpType, &type));
}

extern "C" HGLOBAL WINAPI LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  const ResourceEntry* entry = EntryOf(hResInfo);
  return entry ? const_cast<void*>(entry->data) : nullptr;
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

extern "C" DWORD WINAPI SizeofResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  const ResourceEntry* entry = EntryOf(hResInfo);
  return entry ? entry->size : 0;
}

// Obsolete on the platform; succeeds (returns FALSE) without doing anything.
extern "C" BOOL WINAPI FreeResource(HGLOBAL /*hResData*/) { return FALSE; }

extern "C" HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) {
  HRSRC resource = FindResourceW(hInstance, lpBitmapName, RT_BITMAP);
  const ResourceEntry* entry = resource ? EntryOf(resource) : nullptr;
  return entry ? plat::gdi::CreateBitmapFromPackedDib(entry->data, entry->size) : nullptr;
}
