// Loading icons: the system's icons by their IDI_ names (their handles are
// the names themselves, which displays recognise), and icons of a module's
// resources (the RT_GROUP_ICON directory and its RT_ICON images). Drawing an
// icon records nothing: displays draw icons from the windows that show them.
#include <plat/gdi.h>
#include <windows.h>

namespace {

bool ResourceBytes(HINSTANCE instance, LPCWSTR name, LPCWSTR type, const void** data, size_t* size) {
  HRSRC resource = FindResourceW(instance, name, type);
  HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
  if (!loaded) return false;
  *data = LockResource(loaded);
  *size = SizeofResource(instance, resource);
  return *data != nullptr;
}

}  // namespace

extern "C" HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (!instance && IS_INTRESOURCE(name)) return reinterpret_cast<HICON>(const_cast<LPWSTR>(name));
  const void* group = nullptr;
  size_t size = 0;
  if (!ResourceBytes(instance, name, RT_GROUP_ICON, &group, &size)) return nullptr;
  return plat::gdi::CreateIconFromGroupResource(group, size, [instance](WORD id, const void** data, size_t* length) {
    return ResourceBytes(instance, MAKEINTRESOURCEW(id), RT_ICON, data, length);
  });
}

extern "C" BOOL WINAPI DrawIcon(HDC dc, int, int, HICON icon) {
  plat::gdi::DcState state;
  return icon && plat::gdi::GetDcState(dc, &state);
}
