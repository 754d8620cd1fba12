// The printf-style formatting engine of the stand-in's C runtime in both
// widths (see format.h for the conversions).
//
// Details of this runtime:
//  - integers and reals are produced by the C library's snprintf from a narrow
//    conversion built here (so flags, width and precision behave as in C);
//    infinities and NaNs therefore print as "inf"/"nan";
//  - %s/%c pad with '0' when the 0 flag is given, as the handheld's runtime does;
//  - the precision of %s counts units of the argument, which is never read
//    beyond it; a narrow argument cut inside a double-byte character loses the
//    lead byte of that character;
//  - a null string prints "(null)";
//  - %p prints all the pointer's hex digits, upper case (16 on this host);
//  - widths and precisions above kMaxFieldWidth are taken as kMaxFieldWidth;
//  - an unknown conversion (also %n) is copied literally, with its flags.
#include <plat/text_format.h>

#include <tchar.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <string_view>

#include <plat/codepage.h>

namespace plat::text {
namespace {

constexpr int kMaxFieldWidth = 65536;

// The variadic arguments of one formatting call.
class Arguments {
 public:
  explicit Arguments(va_list args) { va_copy(args_, args); }
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
  ~Arguments() { va_end(args_); }

  template <class T>
  T Next() {
    return va_arg(args_, T);
  }

 private:
  va_list args_;
};

enum class Size { Default, Short, Long, LongLong, Pointer, LongDouble, Wide };

struct Directive {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool alternate = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
  Size size = Size::Default;
};

// The conversion as a narrow C format with the given length modifier and type.
std::string CConversion(const Directive& directive, const char* lengthModifier, char type) {
  std::string conversion = "%";
  if (directive.left) conversion += '-';
  if (directive.plus) conversion += '+';
  if (directive.space) conversion += ' ';
  if (directive.alternate) conversion += '#';
  if (directive.zero) conversion += '0';
  if (directive.width > 0) conversion += std::to_string(directive.width);
  if (directive.precision >= 0) conversion += '.' + std::to_string(directive.precision);
  conversion += lengthModifier;
  conversion += type;
  return conversion;
}

template <class T>
std::string CFormat(const std::string& conversion, T value) {
  char small[128];
  int length = std::snprintf(small, sizeof small, conversion.c_str(), value);
  if (length < 0) return {};
  if (static_cast<size_t>(length) < sizeof small) return std::string(small, static_cast<size_t>(length));
  std::string large(static_cast<size_t>(length), '\0');
  std::snprintf(large.data(), large.size() + 1, conversion.c_str(), value);
  return large;
}

long long ReadSigned(Size size, Arguments& args) {
  switch (size) {
    case Size::Short:
      return static_cast<short>(args.Next<int>());
    case Size::LongLong:
      return args.Next<long long>();
    case Size::Pointer:
      return args.Next<intptr_t>();
    default:
      return args.Next<int>();
  }
}

unsigned long long ReadUnsigned(Size size, Arguments& args) {
  switch (size) {
    case Size::Short:
      return static_cast<unsigned short>(args.Next<unsigned>());
    case Size::LongLong:
      return args.Next<unsigned long long>();
    case Size::Pointer:
      return args.Next<uintptr_t>();
    default:
      return args.Next<unsigned>();
  }
}

std::string PointerDigits(const void* pointer) {
  char digits[2 * sizeof(void*) + 1];
  std::snprintf(digits, sizeof digits, "%0*" PRIXPTR, static_cast<int>(2 * sizeof(void*)),
                reinterpret_cast<uintptr_t>(pointer));
  return digits;
}

// A %s argument, limited by the precision.
template <class In>
std::basic_string_view<In> StringArgument(const In* s, int precision) {
  static constexpr In kNull[] = {'(', 'n', 'u', 'l', 'l', ')', '\0'};
  if (s == nullptr) s = kNull;
  if (precision < 0) return std::basic_string_view<In>(s);
  std::basic_string_view<In> limited(s, BoundedLength(s, static_cast<size_t>(precision)));
  if (limited.size() < static_cast<size_t>(precision)) return limited;
  return limited.substr(0, WithoutCutCharacter(limited));
}

template <class C>
class Formatter {
 public:
  explicit Formatter(va_list args) : args_(args) {}

  std::basic_string<C> Run(const C* format) {
    const C* p = format;
    while (*p != C()) {
      if (*p != C('%')) {
        out_ += *p++;
        continue;
      }
      const C* start = p;
      Directive directive;
      p = ParseSpec(p + 1, directive);
      if (*p == C()) {
        out_.append(start, p);
        break;
      }
      if (!Convert(directive, *p)) out_.append(start, p + 1);
      ++p;
    }
    return std::move(out_);
  }

 private:
  static int ParseNumber(const C*& p) {
    int value = 0;
    for (; *p >= C('0') && *p <= C('9'); ++p) {
      value = std::min(value * 10 + static_cast<int>(*p - C('0')), kMaxFieldWidth);
    }
    return value;
  }

  // Reads flags, width, precision and size; returns the position of the type.
  const C* ParseSpec(const C* p, Directive& directive) {
    for (;; ++p) {
      if (*p == C('-'))
        directive.left = true;
      else if (*p == C('+'))
        directive.plus = true;
      else if (*p == C(' '))
        directive.space = true;
      else if (*p == C('#'))
        directive.alternate = true;
      else if (*p == C('0'))
        directive.zero = true;
      else
        break;
    }
    if (*p == C('*')) {
      ++p;
      long long width = args_.template Next<int>();
      if (width < 0) directive.left = true;
      directive.width = static_cast<int>(std::min<long long>(width < 0 ? -width : width, kMaxFieldWidth));
    } else {
      directive.width = ParseNumber(p);
    }
    if (*p == C('.')) {
      ++p;
      if (*p == C('*')) {
        ++p;
        directive.precision = std::min(args_.template Next<int>(), kMaxFieldWidth);
        if (directive.precision < 0) directive.precision = -1;
      } else {
        directive.precision = ParseNumber(p);
      }
    }
    return ParseSize(p, directive);
  }

  static const C* ParseSize(const C* p, Directive& directive) {
    switch (*p) {
      case C('h'):
        directive.size = Size::Short;
        return p + 1;
      case C('l'):
        directive.size = p[1] == C('l') ? Size::LongLong : Size::Long;
        return p + (directive.size == Size::LongLong ? 2 : 1);
      case C('L'):
        directive.size = Size::LongDouble;
        return p + 1;
      case C('w'):
        directive.size = Size::Wide;
        return p + 1;
      case C('I'):
        if (p[1] == C('6') && p[2] == C('4')) {
          directive.size = Size::LongLong;
          return p + 3;
        }
        if (p[1] == C('3') && p[2] == C('2')) {
          directive.size = Size::Long;
          return p + 3;
        }
        directive.size = Size::Pointer;
        return p + 1;
      default:
        return p;
    }
  }

  // Whether %s/%c with this size and type takes narrow text.
  static bool TakesNarrow(const Directive& directive, C type) {
    if (directive.size == Size::Short) return true;
    if (directive.size == Size::Long || directive.size == Size::Wide) return false;
    bool ownWidth = type == C('s') || type == C('c');
    return ownWidth == std::is_same_v<C, char>;
  }

  // Appends one conversion; false when the type is unknown.
  bool Convert(const Directive& directive, C type) {
    switch (type) {
      case C('d'):
      case C('i'):
        AppendAscii(CFormat(CConversion(directive, "ll", 'd'), ReadSigned(directive.size, args_)));
        return true;
      case C('u'):
      case C('o'):
      case C('x'):
      case C('X'):
        AppendAscii(CFormat(CConversion(directive, "ll", static_cast<char>(type)), ReadUnsigned(directive.size, args_)));
        return true;
      case C('f'):
      case C('e'):
      case C('E'):
      case C('g'):
      case C('G'):
        AppendReal(directive, static_cast<char>(type));
        return true;
      case C('s'):
      case C('S'):
        AppendString(directive, TakesNarrow(directive, type));
        return true;
      case C('c'):
      case C('C'):
        AppendChar(directive, TakesNarrow(directive, type));
        return true;
      case C('p'):
        AppendPadded(ToWidth<C, char>(PointerDigits(args_.template Next<const void*>())), directive.left, ' ', directive.width);
        return true;
      case C('%'):
        out_ += C('%');
        return true;
      default:
        return false;
    }
  }

  void AppendAscii(const std::string& text) { out_.append(text.begin(), text.end()); }

  void AppendReal(const Directive& directive, char type) {
    if (directive.size == Size::LongDouble) {
      AppendAscii(CFormat(CConversion(directive, "L", type), args_.template Next<long double>()));
    } else {
      AppendAscii(CFormat(CConversion(directive, "", type), args_.template Next<double>()));
    }
  }

  void AppendString(const Directive& directive, bool narrow) {
    std::basic_string<C> text =
        narrow ? ToWidth<C, char>(StringArgument(args_.template Next<const char*>(), directive.precision))
               : ToWidth<C, char16_t>(StringArgument(args_.template Next<const char16_t*>(), directive.precision));
    AppendPadded(text, directive);
  }

  void AppendChar(const Directive& directive, bool narrow) {
    int value = args_.template Next<int>();
    char narrowChar = static_cast<char>(value);
    char16_t wideChar = static_cast<char16_t>(value);
    std::basic_string<C> text = narrow ? ToWidth<C, char>(std::string_view(&narrowChar, 1))
                                       : ToWidth<C, char16_t>(std::u16string_view(&wideChar, 1));
    AppendPadded(text, directive);
  }

  void AppendPadded(const std::basic_string<C>& text, const Directive& directive) {
    AppendPadded(text, directive.left, directive.zero ? '0' : ' ', directive.width);
  }

  void AppendPadded(const std::basic_string<C>& text, bool left, char pad, int width) {
    size_t fill = static_cast<size_t>(width) > text.size() ? static_cast<size_t>(width) - text.size() : 0;
    if (!left) out_.append(fill, C(pad));
    out_ += text;
    if (left) out_.append(fill, C(' '));
  }

  Arguments args_;
  std::basic_string<C> out_;
};

}  // namespace

std::string FormatV(const char* format, va_list args) {
  return format ? Formatter<char>(args).Run(format) : std::string();
}

std::u16string FormatV(const char16_t* format, va_list args) {
  return format ? Formatter<char16_t>(args).Run(format) : std::u16string();
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatV(format, args);
  va_end(args);
  return text;
}

std::u16string Format(const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::u16string text = FormatV(format, args);
  va_end(args);
  return text;
}

}  // namespace plat::text
