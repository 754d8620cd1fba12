// Tests of searching device folders with FindFirstFile and FindNextFile.
#include <gtest/gtest.h>

#include <vector>

#include "files/device_test_support.h"

namespace plat::files::testing {
namespace {

class FileSearchTest : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    MakeHostFile("alpha.txt", "12345");
    MakeHostFile("Beta.TXT", "");
    MakeHostFile("gamma.dat", "");
    MakeHostFile("readme", "");
    MakeHostFolder("Docs");
    MakeHostFile("Docs/inner.txt", "");
  }

  // The names FindFirstFileW/FindNextFileW report, in order; the last error at the end.
  static std::vector<std::u16string> Find(const char16_t* pattern, DWORD* endError) {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) {
      *endError = GetLastError();
      return names;
    }
    do names.emplace_back(data.cFileName);
    while (FindNextFileW(search, &data));
    *endError = GetLastError();
    EXPECT_TRUE(FindClose(search));
    return names;
  }
};

using Names = std::vector<std::u16string>;

TEST_F(FileSearchTest, PatternsMatchWithoutRegardToCaseInNameOrder) {
  const struct {
    const char16_t* pattern;
    Names names;
  } cases[] = {
      {u"\\*", {u"alpha.txt", u"Beta.TXT", u"Docs", u"gamma.dat", u"readme"}},
      {u"*.*", {u"alpha.txt", u"Beta.TXT", u"Docs", u"gamma.dat", u"readme"}},
      {u"\\*.txt", {u"alpha.txt", u"Beta.TXT"}},
      {u"\\?ETA.*", {u"Beta.TXT"}},
      {u"\\beta.txt", {u"Beta.TXT"}},
      {u"\\*a*", {u"alpha.txt", u"Beta.TXT", u"gamma.dat", u"readme"}},
      {u"\\g?mm?.dat", {u"gamma.dat"}},
      {u"\\DOCS\\*", {u"inner.txt"}},
      {u"/docs/*.TXT", {u"inner.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pattern #" << (&c - cases));
    DWORD endError = 0;
    EXPECT_EQ(Find(c.pattern, &endError), c.names);
    EXPECT_EQ(endError, static_cast<DWORD>(ERROR_NO_MORE_FILES));
  }
}

TEST_F(FileSearchTest, FailedSearchesSayWhy) {
  const struct {
    const char16_t* pattern;
    DWORD error;
  } cases[] = {
      {u"\\*.xyz", ERROR_FILE_NOT_FOUND},
      {u"\\*a", ERROR_FILE_NOT_FOUND},  // a * does not skip a name's end
      {u"\\Missing\\*", ERROR_PATH_NOT_FOUND},
      {u"\\alpha.txt\\*", ERROR_PATH_NOT_FOUND},
      {u"\\Do*\\*", ERROR_INVALID_NAME},  // wildcards only in the last component
      {u"\\a<b*", ERROR_INVALID_NAME},
      {u"\\..\\*", ERROR_INVALID_NAME},
      {nullptr, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    WIN32_FIND_DATAW data;
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FindFirstFileW(c.pattern, &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST_F(FileSearchTest, FoldersAndFileSizesAreReported) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW(u"\\ALPHA.TXT", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.nFileSizeLow, 5u);
  EXPECT_EQ(data.nFileSizeHigh, 0u);
  EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
  FindClose(search);
  search = FindFirstFileW(u"\\docs", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(std::u16string(data.cFileName), u"Docs");
  EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  FindClose(search);
}

TEST_F(FileSearchTest, SearchHandlesAreCheckedAndClosedOnce) {
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(u"\\*", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  const HANDLE file = CreateFileW(u"\\alpha.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(FindClose(file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(FindNextFileW(file, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  CloseHandle(file);
  EXPECT_TRUE(FindClose(search));
  EXPECT_FALSE(FindClose(search));
  EXPECT_FALSE(FindNextFileW(search, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileSearchTest, TheEightBitFormsReportCodePage932Names) {
  MakeHostFile("Docs/\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF.txt", "");  // "データ.txt"
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA("\\Docs\\*", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "inner.txt");
  ASSERT_TRUE(FindNextFileA(search, &data));
  EXPECT_STREQ(data.cFileName, "\x83\x66\x81\x5B\x83\x5E.txt");
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(FindNextFileA(search, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
  FindClose(search);
}

}  // namespace
}  // namespace plat::files::testing
