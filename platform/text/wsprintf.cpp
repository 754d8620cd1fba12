// Formatting into callers' buffers: wsprintf and wvsprintf, which assume a
// buffer of 1024 units as on the platform (the text is cut there, never
// written past it, always NUL-terminated), and the generic-text printers
// behind _stprintf (the same assumption) and _sntprintf (see format.h).
// A null buffer or format fails: wsprintf returns 0 with
// ERROR_INVALID_PARAMETER, _sntprintf -1.
#include <windows.h>

#include <algorithm>
#include <string>

#include <plat/text_format.h>

namespace plat::text {
namespace {

template <class C>
int StoreTruncated(C* buffer, const std::basic_string<C>& text) {
  size_t length = std::min(text.size(), kPrintBufferUnits - 1);
  std::char_traits<C>::copy(buffer, text.data(), length);
  buffer[length] = C();
  return static_cast<int>(length);
}

template <class C>
int PrintLimited(C* buffer, const C* format, va_list args) {
  if (buffer == nullptr || format == nullptr) {
    if (buffer) buffer[0] = C();
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return StoreTruncated(buffer, FormatV(format, args));
}

template <class C>
int PrintAtMost(C* buffer, size_t count, const C* format, va_list args) {
  if (format == nullptr || (buffer == nullptr && count > 0)) return -1;
  std::basic_string<C> text = FormatV(format, args);
  size_t stored = std::min(text.size(), count);
  std::char_traits<C>::copy(buffer, text.data(), stored);
  if (text.size() > count) return -1;
  if (text.size() < count) buffer[text.size()] = C();
  return static_cast<int>(text.size());
}

}  // namespace

int PrintToBuffer(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = PrintLimited(buffer, format, args);
  va_end(args);
  return length;
}

int PrintToBuffer(char16_t* buffer, const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  int length = PrintLimited(buffer, format, args);
  va_end(args);
  return length;
}

int PrintToBufferN(char* buffer, size_t count, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = PrintAtMost(buffer, count, format, args);
  va_end(args);
  return length;
}

int PrintToBufferN(char16_t* buffer, size_t count, const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  int length = PrintAtMost(buffer, count, format, args);
  va_end(args);
  return length;
}

}  // namespace plat::text

extern "C" int WINAPI wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args) {
  return plat::text::PrintLimited(buffer, format, args);
}

extern "C" int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list args) {
  return plat::text::PrintLimited(buffer, format, args);
}

extern "C" int WINAPIV wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  int length = wvsprintfW(buffer, format, args);
  va_end(args);
  return length;
}

extern "C" int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
  va_list args;
  va_start(args, format);
  int length = wvsprintfA(buffer, format, args);
  va_end(args);
  return length;
}
