// The printf-style formatting engine of the stand-in's C runtime, in both
// widths, used by wsprintf, the generic-text printers of tchar.h and the class
// library's strings; and the printers into callers' buffers.
//
// Conversions follow the handheld's runtime: in a wide format %s and %c take
// wide strings and characters, in a narrow format narrow ones; %S and %C take
// the other width (converted through code page 932); %hs/%hc are always narrow,
// %ls/%lc/%ws/%wc always wide. Integers d i u x X o with the sizes h, l (32
// bits: LONG is 32-bit on the platform), ll and I64 (64 bits), I32, and I
// (pointer-sized); flags - + space # 0; width and precision, also as *. Reals
// f e E g G (L reads a long double); %p prints the pointer's full width in
// upper-case hex; %% prints '%'. See format.cpp for the details.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

namespace plat::text {

std::string FormatV(const char* format, va_list args);
std::u16string FormatV(const char16_t* format, va_list args);
std::string Format(const char* format, ...);
std::u16string Format(const char16_t* format, ...);

// The buffer size that wsprintf and _stprintf assume: 1024 units with the NUL.
constexpr size_t kPrintBufferUnits = 1024;

// _stprintf: formats into a buffer of kPrintBufferUnits units, truncating the
// text there; returns the number of units stored before the NUL.
int PrintToBuffer(char* buffer, const char* format, ...);
int PrintToBuffer(char16_t* buffer, const char16_t* format, ...);

// _sntprintf: stores at most count units. Returns the length when the text and
// its NUL fit; the length without a NUL when the text is exactly count units;
// -1 (with the first count units stored, unterminated) when it is longer.
int PrintToBufferN(char* buffer, size_t count, const char* format, ...);
int PrintToBufferN(char16_t* buffer, size_t count, const char16_t* format, ...);

}  // namespace plat::text
