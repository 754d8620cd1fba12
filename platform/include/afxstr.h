// The class library's string: CStringT holds a std::basic_string in the width
// of its BaseType (CStringW wide, CStringA narrow in code page 932, CString the
// TCHAR width). Text of the other width is converted through code page 932.
//
// Lengths and positions count units of BaseType. Left, Right, Mid, Insert and
// Delete clamp their arguments and never throw. GetAt, SetAt and [] out of
// range assert in debug builds; in release GetAt reads 0 and SetAt does nothing.
// Narrow strings are searched, trimmed, replaced in and case-mapped character
// by character, so a double-byte character is never split or matched inside.
// Compare is ordinal by code unit, CompareNoCase the same after mapping to
// lower case (ASCII and full-width Latin); the relational operators use Compare
// (strings of the two widths compare as wide text).
// GetBuffer(n) makes room for n units and a NUL; until ReleaseBuffer the length
// may include the unused room, which ReleaseBuffer() cuts at the first NUL.
// Format, FormatV and AppendFormat use the runtime's formatting engine in the
// string's width (format.h); a CStringT passed to Format stands for its text.
#pragma once
#include <algorithm>
#include <cassert>
#include <compare>
#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

#include <plat/codepage.h>
#include <plat/text_format.h>
#include "tchar.h"
#include "windef.h"

template <class BaseType>
class CStringT {
  static_assert(std::is_same_v<BaseType, char> || std::is_same_v<BaseType, char16_t>,
                "CStringT holds narrow (char) or wide (WCHAR) text");

 public:
  using XCHAR = BaseType;
  using YCHAR = std::conditional_t<std::is_same_v<BaseType, char>, char16_t, char>;
  using PXSTR = XCHAR*;
  using PCXSTR = const XCHAR*;
  using PCYSTR = const YCHAR*;

  CStringT() = default;
  CStringT(const CStringT&) = default;
  CStringT(CStringT&&) noexcept = default;
  CStringT(PCXSTR text) : text_(text ? text : kEmpty) {}
  CStringT(PCYSTR text) : text_(Converted(text)) {}
  CStringT(const CStringT<YCHAR>& other) : text_(Converted(other.GetString(), other.GetLength())) {}
  explicit CStringT(XCHAR ch, int repeat = 1) : text_(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) {}
  CStringT(PCXSTR text, int length)
      : text_(text && length > 0 ? StringType(text, static_cast<size_t>(length)) : StringType()) {}

  CStringT& operator=(const CStringT&) = default;
  CStringT& operator=(CStringT&&) noexcept = default;
  CStringT& operator=(PCXSTR text) { return Assign(text ? StringType(text) : StringType()); }
  CStringT& operator=(PCYSTR text) { return Assign(Converted(text)); }
  CStringT& operator=(const CStringT<YCHAR>& other) { return Assign(Converted(other.GetString(), other.GetLength())); }

  // ---- access ----
  operator PCXSTR() const { return text_.c_str(); }
  PCXSTR GetString() const { return text_.c_str(); }
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  XCHAR GetAt(int index) const {
    assert(InRange(index) && "CStringT::GetAt index out of range");
    return InRange(index) ? text_[static_cast<size_t>(index)] : XCHAR();
  }
  void SetAt(int index, XCHAR ch) {
    assert(InRange(index) && "CStringT::SetAt index out of range");
    if (InRange(index)) text_[static_cast<size_t>(index)] = ch;
  }
  XCHAR operator[](int index) const { return GetAt(index); }

  // ---- buffers ----
  PXSTR GetBuffer() { return text_.data(); }
  PXSTR GetBuffer(int minLength) {
    if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength));
    return text_.data();
  }
  PXSTR GetBufferSetLength(int length) {
    text_.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text_.data();
  }
  void ReleaseBuffer(int newLength = -1) {
    size_t length = newLength < 0 ? std::min(text_.find(XCHAR()), text_.size()) : static_cast<size_t>(newLength);
    text_.resize(std::min(length, text_.size()));
  }

  // ---- pieces ----
  CStringT Left(int count) const { return Piece(0, count); }
  CStringT Right(int count) const {
    int kept = Clamp(count, 0, GetLength());
    return Piece(GetLength() - kept, kept);
  }
  CStringT Mid(int start) const { return Piece(start, GetLength()); }
  CStringT Mid(int start, int count) const { return Piece(start, count); }

  // ---- searching ----
  int Find(XCHAR ch, int start = 0) const {
    return start > GetLength() ? -1 : Position(plat::text::FindChar(View(), ch, Unsigned(start)));
  }
  int Find(PCXSTR sub, int start = 0) const {
    if (start > GetLength()) return -1;
    return Position(plat::text::FindString(View(), ViewOf(sub), Unsigned(start)));
  }
  int ReverseFind(XCHAR ch) const { return Position(plat::text::FindLastChar(View(), ch)); }

  // ---- editing ----
  int Replace(XCHAR oldChar, XCHAR newChar) { return ReplaceChar(oldChar, View(&newChar, 1)); }
  int Replace(PCXSTR oldText, PCXSTR newText) {
    ViewType old = ViewOf(oldText);
    if (old.empty()) return 0;
    StringType result;
    int count = 0;
    size_t from = 0;
    for (size_t at; (at = plat::text::FindString(View(), old, from)) != ViewType::npos; from = at + old.size()) {
      result.append(text_, from, at - from);
      result += ViewOf(newText);
      ++count;
    }
    result.append(text_, from);
    text_ = std::move(result);
    return count;
  }
  int Remove(XCHAR ch) { return ReplaceChar(ch, ViewType()); }
  int Insert(int index, XCHAR ch) { return Insert(index, View(&ch, 1)); }
  int Insert(int index, PCXSTR text) { return Insert(index, ViewOf(text)); }
  int Delete(int index, int count = 1) {
    int start = Clamp(index, 0, GetLength());
    if (count > 0) text_.erase(static_cast<size_t>(start), static_cast<size_t>(count));
    return GetLength();
  }

  CStringT& Trim() { return TrimRight().TrimLeft(); }
  CStringT& Trim(XCHAR ch) { return TrimRight(ch).TrimLeft(ch); }
  CStringT& Trim(PCXSTR set) { return TrimRight(set).TrimLeft(set); }
  CStringT& TrimLeft() { return TrimLeftWhere(IsSpaceAt()); }
  CStringT& TrimLeft(XCHAR ch) { return TrimLeftWhere(IsCharAt(ch)); }
  CStringT& TrimLeft(PCXSTR set) { return TrimLeftWhere(IsInSetAt(set)); }
  CStringT& TrimRight() { return TrimRightWhere(IsSpaceAt()); }
  CStringT& TrimRight(XCHAR ch) { return TrimRightWhere(IsCharAt(ch)); }
  CStringT& TrimRight(PCXSTR set) { return TrimRightWhere(IsInSetAt(set)); }

  CStringT& MakeUpper() {
    plat::text::MakeUpper(text_);
    return *this;
  }
  CStringT& MakeLower() {
    plat::text::MakeLower(text_);
    return *this;
  }

  // ---- comparing ----
  int Compare(PCXSTR other) const { return plat::text::CompareOrdinal<XCHAR>(View(), ViewOf(other)); }
  int CompareNoCase(PCXSTR other) const { return plat::text::CompareNoCase<XCHAR>(View(), ViewOf(other)); }

  friend bool operator==(const CStringT& a, const CStringT& b) { return a.text_ == b.text_; }
  friend bool operator==(const CStringT& a, PCXSTR b) { return a.View() == ViewOf(b); }
  friend std::strong_ordering operator<=>(const CStringT& a, const CStringT& b) { return a.Compare(b) <=> 0; }
  friend std::strong_ordering operator<=>(const CStringT& a, PCXSTR b) { return a.Compare(b) <=> 0; }
  // Text of the two widths compares as wide text.
  friend bool operator==(const CStringT& a, const CStringT<YCHAR>& b) { return Wide(a) == Wide(b); }
  friend bool operator==(const CStringT& a, PCYSTR b) { return Wide(a) == Wide(CStringT<YCHAR>(b)); }
  friend std::strong_ordering operator<=>(const CStringT& a, const CStringT<YCHAR>& b) {
    return plat::text::CompareOrdinal<char16_t>(Wide(a), Wide(b)) <=> 0;
  }
  friend std::strong_ordering operator<=>(const CStringT& a, PCYSTR b) { return a <=> CStringT<YCHAR>(b); }

  // ---- appending ----
  CStringT& Append(const CStringT& text) { return Append(text.View()); }
  CStringT& Append(PCXSTR text) { return Append(ViewOf(text)); }
  CStringT& Append(PCXSTR text, int length) {
    return Append(text && length > 0 ? View(text, Unsigned(length)) : ViewType());
  }
  CStringT& AppendChar(XCHAR ch) { return Append(View(&ch, 1)); }

  CStringT& operator+=(const CStringT& text) { return Append(text.View()); }
  CStringT& operator+=(PCXSTR text) { return Append(ViewOf(text)); }
  CStringT& operator+=(PCYSTR text) { return Append(Converted(text)); }
  CStringT& operator+=(const CStringT<YCHAR>& text) { return Append(Converted(text.GetString(), text.GetLength())); }
  CStringT& operator+=(XCHAR ch) { return AppendChar(ch); }
  CStringT& operator+=(YCHAR ch) { return Append(Converted(&ch, 1)); }

  friend CStringT operator+(const CStringT& a, const CStringT& b) { return CStringT(a) += b; }
  friend CStringT operator+(const CStringT& a, PCXSTR b) { return CStringT(a) += b; }
  friend CStringT operator+(PCXSTR a, const CStringT& b) { return CStringT(a) += b; }
  friend CStringT operator+(const CStringT& a, XCHAR b) { return CStringT(a) += b; }
  friend CStringT operator+(XCHAR a, const CStringT& b) { return CStringT(a) += b; }
  friend CStringT operator+(const CStringT& a, YCHAR b) { return CStringT(a) += b; }
  friend CStringT operator+(YCHAR a, const CStringT& b) { return (CStringT() += a) += b; }

  // ---- formatting ----
  template <class... Args>
  void Format(PCXSTR format, const Args&... args) {
    text_ = plat::text::Format(format, Passed(args)...);
  }
  void FormatV(PCXSTR format, va_list args) { text_ = plat::text::FormatV(format, args); }
  template <class... Args>
  void AppendFormat(PCXSTR format, const Args&... args) {
    text_ += plat::text::Format(format, Passed(args)...);
  }

 private:
  using StringType = std::basic_string<XCHAR>;
  using ViewType = std::basic_string_view<XCHAR>;
  static constexpr XCHAR kEmpty[] = {XCHAR()};

  static ViewType View(PCXSTR text, size_t length) { return ViewType(text, length); }
  static ViewType ViewOf(PCXSTR text) { return text ? ViewType(text) : ViewType(); }
  ViewType View() const { return ViewType(text_); }

  template <class C>
  static std::u16string Wide(const CStringT<C>& text) {
    return plat::text::ToWidth<char16_t>(std::basic_string_view<C>(text.GetString(), Unsigned(text.GetLength())));
  }
  static StringType Converted(PCYSTR text) { return text ? Converted(text, -1) : StringType(); }
  static StringType Converted(PCYSTR text, int length) {
    auto view =
        length < 0 ? std::basic_string_view<YCHAR>(text) : std::basic_string_view<YCHAR>(text, Unsigned(length));
    return plat::text::ToWidth<XCHAR>(view);
  }

  // What a variadic argument of Format stands for: a string's text, else itself.
  template <class T>
  static const T& Passed(const T& arg) {
    return arg;
  }
  template <class C>
  static const C* Passed(const CStringT<C>& text) {
    return text.GetString();
  }

  static int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }
  static size_t Unsigned(int value) { return static_cast<size_t>(value > 0 ? value : 0); }
  static int Position(size_t at) { return at == ViewType::npos ? -1 : static_cast<int>(at); }
  bool InRange(int index) const { return index >= 0 && index < GetLength(); }

  CStringT& Assign(StringType text) {
    text_ = std::move(text);
    return *this;
  }
  CStringT& Append(ViewType text) {
    text_ += text;
    return *this;
  }
  int Insert(int index, ViewType text) {
    // Built anew rather than with insert(), which g++ 12 at -O2 misreads as an overlapping copy.
    const size_t at = static_cast<size_t>(Clamp(index, 0, GetLength()));
    StringType result;
    result.reserve(text_.size() + text.size());
    result.append(text_, 0, at);
    result.append(text);
    result.append(text_, at);
    text_ = std::move(result);
    return GetLength();
  }
  CStringT Piece(int start, int count) const {
    int from = Clamp(start, 0, GetLength());
    return CStringT(text_.data() + from, Clamp(count, 0, GetLength() - from));
  }

  // Replaces every whole character equal to ch (never the half of a double-byte one).
  int ReplaceChar(XCHAR ch, ViewType replacement) {
    StringType result;
    int count = 0;
    plat::text::FindCharIf(View(), 0, [&](size_t i, size_t units) {
      if (units == 1 && text_[i] == ch) {
        result += replacement;
        ++count;
      } else {
        result.append(text_, i, units);
      }
      return false;
    });
    text_ = std::move(result);
    return count;
  }

  // Predicates over the character at (position, units).
  auto IsSpaceAt() const {
    return [this](size_t i, size_t units) { return units == 1 && plat::text::IsSpace(text_[i]); };
  }
  auto IsCharAt(XCHAR ch) const {
    return [this, ch](size_t i, size_t units) { return units == 1 && text_[i] == ch; };
  }
  auto IsInSetAt(PCXSTR set) const {
    return [this, set = ViewOf(set)](size_t i, size_t units) {
      return plat::text::FindString(set, View().substr(i, units)) != ViewType::npos;
    };
  }

  template <class Predicate>
  CStringT& TrimLeftWhere(Predicate trimmed) {
    size_t kept = plat::text::FindCharIf(View(), 0, [&](size_t i, size_t units) { return !trimmed(i, units); });
    text_.erase(0, std::min(kept, text_.size()));
    return *this;
  }
  template <class Predicate>
  CStringT& TrimRightWhere(Predicate trimmed) {
    size_t end = 0;
    plat::text::FindCharIf(View(), 0, [&](size_t i, size_t units) {
      if (!trimmed(i, units)) end = i + units;
      return false;
    });
    text_.erase(end);
    return *this;
  }

  StringType text_;
};

using CStringW = CStringT<WCHAR>;
using CStringA = CStringT<char>;
using CString = CStringT<TCHAR>;
