// Tests of the resource functions over the resources rcc compiled from
// testdata/module_test.rc into this executable: lookup by ordinal, string and
// "#n", the error codes, the exact bytes of each resource kind, LoadString in
// both widths and LoadBitmap.
#include <gtest/gtest.h>
#include <plat/gdi.h>
#include <plat/module.h>
#include <windows.h>

#include <cstring>

#include "module_test_res.h"
#include "module/test_support.h"

namespace {

using module_test::ResourceBytes;
using module_test::TestDataBytes;

std::vector<BYTE> Words(std::initializer_list<WORD> words) {
  std::vector<BYTE> bytes;
  for (WORD word : words) bytes.insert(bytes.end(), {LOBYTE(word), HIBYTE(word)});
  return bytes;
}

std::vector<BYTE> Slice(const std::vector<BYTE>& bytes, size_t offset, size_t size) {
  return std::vector<BYTE>(bytes.begin() + offset, bytes.begin() + offset + size);
}

HMODULE WindowSystemModule() { return plat::module::ModuleFromAddress(reinterpret_cast<const void*>(&FindResourceW)); }

struct Lookup {
  const char* what;
  LPCWSTR name;
  LPCWSTR type;
};

TEST(FindResourceTest, FindsByOrdinalStringAndNumberStringIgnoringCase) {
  const Lookup lookups[] = {
      {"ordinal name and type", MAKEINTRESOURCEW(IDR_INLINE), RT_RCDATA},
      {"\"#n\" name", u"#140", RT_RCDATA},
      {"string name", u"CABFILE", RT_RCDATA},
      {"string name, other case", u"CabFile", RT_RCDATA},
      {"string type", MAKEINTRESOURCEW(IDR_CUSTOM), u"SURVEYDATA"},
      {"string type, other case", MAKEINTRESOURCEW(IDR_CUSTOM), u"surveydata"},
      {"numeric user type", MAKEINTRESOURCEW(IDR_NUMERIC_TYPE), MAKEINTRESOURCEW(RT_SURVEY_NUMBER)},
      {"\"#n\" type", MAKEINTRESOURCEW(IDR_NUMERIC_TYPE), u"#300"},
  };
  for (const Lookup& lookup : lookups) {
    EXPECT_NE(FindResourceW(nullptr, lookup.name, lookup.type), nullptr) << lookup.what;
    EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), lookup.name, lookup.type), nullptr) << lookup.what;
  }
  EXPECT_EQ(FindResourceA(nullptr, "cabfile", MAKEINTRESOURCEA(10)), FindResourceW(nullptr, u"CABFILE", RT_RCDATA));
  EXPECT_EQ(FindResourceA(nullptr, "#142", "SurveyData"),
            FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_CUSTOM), u"SURVEYDATA"));
}

TEST(FindResourceTest, ReportsWhatWasNotFound) {
  struct Miss {
    const char* what;
    HMODULE module;
    LPCWSTR name;
    LPCWSTR type;
    DWORD error;
  };
  const Miss misses[] = {
      {"type", nullptr, MAKEINTRESOURCEW(IDR_INLINE), RT_MENU, ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"string type", nullptr, MAKEINTRESOURCEW(IDR_CUSTOM), u"OTHERDATA", ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"name", nullptr, u"NOSUCH", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"ordinal name", nullptr, MAKEINTRESOURCEW(999), RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"\"#\" with more than digits is a string", nullptr, u"#140x", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"module without resources", WindowSystemModule(), MAKEINTRESOURCEW(IDR_INLINE), RT_RCDATA,
       ERROR_RESOURCE_DATA_NOT_FOUND},
  };
  for (const Miss& miss : misses) {
    SetLastError(0);
    EXPECT_EQ(FindResourceW(miss.module, miss.name, miss.type), nullptr) << miss.what;
    EXPECT_EQ(GetLastError(), miss.error) << miss.what;
  }
}

TEST(FindResourceTest, ForeignHandlesAreRejected) {
  int notAResource = 0;
  HRSRC bogus = reinterpret_cast<HRSRC>(&notAResource);
  SetLastError(0);
  EXPECT_EQ(LoadResource(nullptr, bogus), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
  EXPECT_EQ(SizeofResource(nullptr, bogus), 0u);
  EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
  HRSRC real = FindResourceW(nullptr, u"CABFILE", RT_RCDATA);
  ASSERT_NE(real, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, reinterpret_cast<HRSRC>(reinterpret_cast<char*>(real) + 1)), 0u);
  EXPECT_EQ(FreeResource(LoadResource(nullptr, real)), FALSE);
}

TEST(ResourceBytesTest, EachKindHasTheDocumentedLayout) {
  const std::vector<BYTE> bitmapFile = TestDataBytes("small4.bmp");
  const std::vector<BYTE> icon = TestDataBytes("app.ico");
  std::vector<BYTE> inlineData = Words({1, 0xFFFE});
  inlineData.insert(inlineData.end(), {0x10, 0, 0, 0});
  for (BYTE b : Words({15, 0xF0, 0xFFFE})) inlineData.push_back(b);
  inlineData.insert(inlineData.end(), {'a', 'b', 'c', 0, 0x3A, 0x26, 'q', '"', 'q', 0});
  std::vector<BYTE> iconGroup = Words({0, 1, 2});
  iconGroup.insert(iconGroup.end(), {16, 16, 16, 0, 1, 0, 4, 0, 48, 0, 0, 0, 1, 0});
  iconGroup.insert(iconGroup.end(), {32, 32, 0, 0, 1, 0, 32, 0, 12, 0, 0, 0, 2, 0});

  struct Expected {
    const char* what;
    LPCWSTR name;
    LPCWSTR type;
    std::vector<BYTE> bytes;
  };
  const Expected expected[] = {
      {"inline RCDATA", MAKEINTRESOURCEW(IDR_INLINE), RT_RCDATA, inlineData},
      {"RCDATA file", MAKEINTRESOURCEW(IDR_SURVEY), RT_RCDATA, TestDataBytes("survey.dat")},
      {"named RCDATA file", u"CABFILE", RT_RCDATA, TestDataBytes("payload.bin")},
      {"user type file", MAKEINTRESOURCEW(IDR_CUSTOM), u"SURVEYDATA", TestDataBytes("payload.bin")},
      {"numeric user type", MAKEINTRESOURCEW(IDR_NUMERIC_TYPE), MAKEINTRESOURCEW(RT_SURVEY_NUMBER), Words({7})},
      {"toolbar", MAKEINTRESOURCEW(IDR_TOOLBAR), RT_TOOLBAR, Words({1, 16, 15, 3, ID_TOOL_OPEN, 0, ID_TOOL_SAVE})},
      {"bitmap without file header", MAKEINTRESOURCEW(IDB_SMALL), RT_BITMAP, Slice(bitmapFile, 14, bitmapFile.size() - 14)},
      {"icon directory", MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON, iconGroup},
      {"first icon image", MAKEINTRESOURCEW(1), RT_ICON, Slice(icon, 38, 48)},
      {"second icon image", MAKEINTRESOURCEW(2), RT_ICON, Slice(icon, 86, 12)},
  };
  for (const Expected& want : expected) {
    EXPECT_FALSE(want.bytes.empty()) << want.what;
    EXPECT_EQ(ResourceBytes(nullptr, want.name, want.type), want.bytes) << want.what;
  }
}

TEST(ResourceBytesTest, DataIsDwordAligned) {
  for (LPCWSTR name : {MAKEINTRESOURCEW(IDD_EVERY_CONTROL), MAKEINTRESOURCEW(IDD_EXTENDED)}) {
    HRSRC resource = FindResourceW(nullptr, name, RT_DIALOG);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(LockResource(LoadResource(nullptr, resource))) % 4, 0u);
  }
}

struct StringCase {
  UINT id;
  int bufferSize;
  int result;
  std::u16string text;
};

TEST(LoadStringTest, CopiesWhatFitsWithATerminator) {
  const StringCase cases[] = {
      {IDS_FIRST, 64, 5, u"first"},
      {IDS_SECOND_BLOCK, 64, 12, u"second block"},
      {IDS_ESCAPES, 64, 35, u"tab\there \"quoted\" back\\slash\nline A"},
      {IDS_JAPANESE, 64, 7, u"日本語テキスト"},
      {IDS_LAST, 64, 4, u"last"},
      {IDS_FIRST, 3, 2, u"fi"},
      {IDS_FIRST, 1, 0, u""},
      {IDS_EMPTY, 64, 0, u""},
      {999, 64, 0, u""},
  };
  for (const StringCase& c : cases) {
    std::u16string buffer(80, u'#');
    EXPECT_EQ(LoadStringW(nullptr, c.id, buffer.data(), c.bufferSize), c.result) << c.id;
    EXPECT_EQ(std::u16string(buffer.c_str()), c.text) << c.id;
    EXPECT_EQ(buffer.find_first_not_of(u'#', c.bufferSize), std::u16string::npos) << "wrote past the buffer";
  }
  EXPECT_EQ(LoadStringW(nullptr, IDS_FIRST, nullptr, 10), 0);
}

TEST(LoadStringTest, ZeroBufferSizeGivesAReadOnlyPointer) {
  const WCHAR* text = nullptr;
  ASSERT_EQ(LoadStringW(nullptr, IDS_SECOND_BLOCK, reinterpret_cast<LPWSTR>(&text), 0), 12);
  EXPECT_EQ(std::u16string_view(text, 12), u"second block");
  text = nullptr;
  EXPECT_EQ(LoadStringW(GetModuleHandleW(nullptr), 500, reinterpret_cast<LPWSTR>(&text), 0), 0);  // no such block
  EXPECT_EQ(text, nullptr);
}

TEST(LoadStringTest, AnsiFormConvertsToCodePage932WithoutSplittingCharacters) {
  const std::string japanese = "\x93\xFA\x96\x7B\x8C\xEA\x83\x65\x83\x4C\x83\x58\x83\x67";
  struct AnsiCase {
    UINT id;
    int bufferSize;
    std::string text;
  };
  const AnsiCase cases[] = {
      {IDS_FIRST, 64, "first"},   {IDS_JAPANESE, 64, japanese},         {IDS_JAPANESE, 4, japanese.substr(0, 2)},
      {IDS_JAPANESE, 5, japanese.substr(0, 4)}, {IDS_FIRST, 1, ""}, {999, 64, ""},
  };
  for (const AnsiCase& c : cases) {
    std::string buffer(80, '#');
    EXPECT_EQ(LoadStringA(nullptr, c.id, buffer.data(), c.bufferSize), static_cast<int>(c.text.size())) << c.id;
    EXPECT_EQ(std::string(buffer.c_str()), c.text) << c.id;
    EXPECT_EQ(buffer.find_first_not_of('#', c.bufferSize), std::string::npos) << "wrote past the buffer";
  }
  char unused = '#';
  EXPECT_EQ(LoadStringA(nullptr, IDS_FIRST, &unused, 0), 0);
  EXPECT_EQ(unused, '#');
}

TEST(LoadBitmapTest, MakesABitmapFromTheResource) {
  HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDB_SMALL));
  ASSERT_NE(bitmap, nullptr);
  int width = 0, height = 0;
  const uint32_t* pixels = plat::gdi::BitmapPixels(bitmap, &width, &height);
  ASSERT_NE(pixels, nullptr);
  ASSERT_EQ(width, 3);
  ASSERT_EQ(height, 2);
  EXPECT_EQ(std::vector<uint32_t>(pixels, pixels + 6),
            (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFFFFFF, 0xFF0000}));
  DeleteObject(bitmap);
  SetLastError(0);
  EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(IDR_INLINE)), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_NAME_NOT_FOUND});
}

}  // namespace
