// Reads classic and extended dialog templates; see dlgtemplate.h.
#include "module/dlgtemplate.h"

#include <cstring>

namespace plat::module {

namespace {

constexpr BYTE kDefaultCharset = 1;

// A bounds-checked little-endian cursor over the template; every read fails
// (and keeps failing) once the data runs out.
class TemplateReader {
 public:
  TemplateReader(const void* data, size_t size) : data_(static_cast<const BYTE*>(data)), size_(size) {}

  bool ok() const { return ok_; }
  void Fail() { ok_ = false; }

  WORD Word() {
    WORD value = 0;
    Copy(&value, sizeof value);
    return value;
  }
  DWORD Dword() {
    DWORD value = 0;
    Copy(&value, sizeof value);
    return value;
  }
  short Short() { return static_cast<short>(Word()); }
  BYTE Byte() {
    BYTE value = 0;
    Copy(&value, sizeof value);
    return value;
  }

  std::u16string String() {
    std::u16string text;
    for (WORD unit = Word(); ok_ && unit != 0; unit = Word()) text.push_back(static_cast<char16_t>(unit));
    return text;
  }

  // sz_Or_Ord: 0x0000 (none), 0xFFFF followed by an ordinal, or a string.
  void StringOrOrdinal(std::u16string* text, bool* isOrdinal, WORD* ordinal) {
    if (Peek() == 0xFFFF) {
      Word();
      *isOrdinal = true;
      *ordinal = Word();
    } else {
      *text = String();
    }
  }

  std::vector<BYTE> Bytes(size_t count) {
    std::vector<BYTE> bytes(count);
    Copy(bytes.data(), count);
    return bytes;
  }

  void AlignToDword() {
    const size_t aligned = (pos_ + 3) & ~size_t{3};
    if (aligned > size_) ok_ = false;
    pos_ = ok_ ? aligned : pos_;
  }

 private:
  WORD Peek() const {
    WORD value = 0;
    if (ok_ && size_ - pos_ >= sizeof value) std::memcpy(&value, data_ + pos_, sizeof value);
    return value;
  }

  void Copy(void* out, size_t count) {
    if (!ok_ || size_ - pos_ < count) {
      ok_ = false;
      return;
    }
    if (count) std::memcpy(out, data_ + pos_, count);
    pos_ += count;
  }

  const BYTE* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

const char16_t* PredefinedClassName(WORD atom) {
  static const char16_t* const kNames[] = {u"Button", u"Edit", u"Static", u"ListBox", u"ScrollBar", u"ComboBox"};
  return atom >= 0x80 && atom <= 0x85 ? kNames[atom - 0x80] : nullptr;
}

void ReadItemClass(TemplateReader& in, DialogItem* item) {
  bool isAtom = false;
  in.StringOrOrdinal(&item->className, &isAtom, &item->classAtom);
  if (const char16_t* name = isAtom ? PredefinedClassName(item->classAtom) : nullptr) item->className = name;
}

void ReadCreationData(TemplateReader& in, bool extended, DialogItem* item) {
  const WORD count = in.Word();
  if (extended) {
    item->creationData = in.Bytes(count);
  } else if (count == 1) {
    in.Fail();  // a size that cannot hold its own size word
  } else if (count > 1) {
    item->creationData = in.Bytes(count - sizeof(WORD));
  }
}

DialogItem ReadItem(TemplateReader& in, bool extended) {
  DialogItem item;
  in.AlignToDword();
  if (extended) {
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
  } else {
    item.style = in.Dword();
    item.exStyle = in.Dword();
  }
  item.x = in.Short();
  item.y = in.Short();
  item.cx = in.Short();
  item.cy = in.Short();
  item.id = extended ? in.Dword() : in.Word();
  ReadItemClass(in, &item);
  in.StringOrOrdinal(&item.title, &item.titleIsOrdinal, &item.titleOrdinal);
  ReadCreationData(in, extended, &item);
  return item;
}

void ReadFont(TemplateReader& in, DialogTemplate* out) {
  out->fontPointSize = in.Word();
  if (out->extended) {
    out->fontWeight = in.Word();
    out->fontItalic = in.Byte();
    out->fontCharset = in.Byte();
  } else {
    out->fontCharset = kDefaultCharset;
  }
  out->fontFace = in.String();
}

bool IsExtended(const void* data, size_t size) {
  WORD head[2] = {};
  if (size < sizeof head) return false;
  std::memcpy(head, data, sizeof head);
  return head[0] == 1 && head[1] == 0xFFFF;
}

}  // namespace

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* out) {
  if (!data || !out) return false;
  DialogTemplate result;
  TemplateReader in(data, size);
  result.extended = IsExtended(data, size);
  if (result.extended) {
    in.Dword();  // dlgVer, signature
    result.helpId = in.Dword();
    result.exStyle = in.Dword();
    result.style = in.Dword();
  } else {
    result.style = in.Dword();
    result.exStyle = in.Dword();
  }
  const WORD itemCount = in.Word();
  result.x = in.Short();
  result.y = in.Short();
  result.cx = in.Short();
  result.cy = in.Short();
  in.StringOrOrdinal(&result.menuName, &result.menuIsOrdinal, &result.menuOrdinal);
  bool classIsAtom = false;
  in.StringOrOrdinal(&result.className, &classIsAtom, &result.classAtom);
  result.title = in.String();
  if (result.style & DS_SETFONT) ReadFont(in, &result);
  for (WORD i = 0; i < itemCount && in.ok(); ++i) result.items.push_back(ReadItem(in, result.extended));
  if (!in.ok()) return false;
  *out = std::move(result);
  return true;
}

}  // namespace plat::module
