// Tests of opening device files and working on their handles.
#include <gtest/gtest.h>

#include <functional>

#include "files/device_test_support.h"

namespace plat::files::testing {
namespace {

using FileHandleTest = DeviceTest;

constexpr DWORD kUntouched = 0xDEADBEEF;

struct DispositionCase {
  const char* name;
  DWORD disposition;
  bool fileExists;
  bool opens;
  DWORD error;
  const char* contentsAfter;  // null: no file afterwards
};

TEST_F(FileHandleTest, EachDispositionCreatesOpensOrTruncatesAsThePlatformDoes) {
  const DispositionCase cases[] = {
      {"CREATE_NEW, missing", CREATE_NEW, false, true, ERROR_SUCCESS, ""},
      {"CREATE_NEW, existing", CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
      {"CREATE_ALWAYS, missing", CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {"CREATE_ALWAYS, existing", CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
      {"OPEN_EXISTING, missing", OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {"OPEN_EXISTING, existing", OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
      {"OPEN_ALWAYS, missing", OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {"OPEN_ALWAYS, existing", OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
      {"TRUNCATE_EXISTING, missing", TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {"TRUNCATE_EXISTING, existing", TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Host("f.txt"));
    if (c.fileExists) MakeHostFile("f.txt", "old");
    SetLastError(kUntouched);
    const HANDLE file = CreateFileW(u"\\f.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, c.disposition, 0, nullptr);
    EXPECT_EQ(GetLastError(), c.error);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
    if (file != INVALID_HANDLE_VALUE) {
      EXPECT_TRUE(CloseHandle(file));
    }
    EXPECT_EQ(HostExists("f.txt"), c.contentsAfter != nullptr);
    if (c.contentsAfter) {
      EXPECT_EQ(HostContents("f.txt"), c.contentsAfter);
    }
  }
}

TEST_F(FileHandleTest, OpeningRefusesBadArgumentsFoldersAndMissingFolders) {
  MakeHostFolder("Folder");
  struct Case {
    const char16_t* path;
    DWORD disposition;
    DWORD error;
  } cases[] = {
      {u"\\Folder", OPEN_EXISTING, ERROR_ACCESS_DENIED},
      {u"\\folder", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {u"\\Missing\\f.txt", CREATE_ALWAYS, ERROR_PATH_NOT_FOUND},
      {u"\\Missing\\f.txt", OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
      {u"\\Folder\\missing.txt", OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
      {u"\\bad|name.txt", CREATE_ALWAYS, ERROR_INVALID_NAME},
      {u"\\..\\escape.txt", CREATE_ALWAYS, ERROR_INVALID_NAME},
      {u"\\f.txt", 0, ERROR_INVALID_PARAMETER},
      {u"\\f.txt", 6, ERROR_INVALID_PARAMETER},
      {nullptr, OPEN_EXISTING, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "disposition " << c.disposition << ", error " << c.error);
    SetLastError(kUntouched);
    EXPECT_EQ(CreateFileW(c.path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, c.disposition, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), c.error);
  }
  EXPECT_FALSE(HostExists("f.txt"));
  EXPECT_FALSE(std::filesystem::exists(root() + "/../escape.txt"));
}

TEST_F(FileHandleTest, NamesAreCaseInsensitiveAndKeepTheirFirstSpelling) {
  ASSERT_TRUE(WriteDeviceFile(u"\\Data.TXT", "first"));
  ASSERT_TRUE(WriteDeviceFile(u"\\DATA.txt", "second"));
  EXPECT_EQ(ReadDeviceFile(u"\\data.txt"), "second");
  EXPECT_TRUE(HostExists("Data.TXT"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root()), {}), 1);
}

class OpenFileTest : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    file_ = CreateFileW(u"\\rw.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file_, INVALID_HANDLE_VALUE);
  }
  void TearDown() override {
    CloseHandle(file_);
    DeviceTest::TearDown();
  }
  void Write(const std::string& bytes) {
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
  }
  std::string Read(DWORD count) {
    std::string bytes(count, '\0');
    DWORD read = kUntouched;
    EXPECT_TRUE(ReadFile(file_, bytes.data(), count, &read, nullptr));
    bytes.resize(read == kUntouched ? 0 : read);
    return bytes;
  }
  DWORD Seek(LONG distance, DWORD method) { return SetFilePointer(file_, distance, nullptr, method); }

  HANDLE file_ = INVALID_HANDLE_VALUE;
};

TEST_F(OpenFileTest, ReadsWritesAndSeeksFromEachOrigin) {
  Write("hello world");
  EXPECT_EQ(GetFileSize(file_, nullptr), 11u);
  EXPECT_EQ(Seek(0, FILE_BEGIN), 0u);
  EXPECT_EQ(Read(5), "hello");
  EXPECT_EQ(Seek(1, FILE_CURRENT), 6u);
  EXPECT_EQ(Read(100), "world");  // short read at the end
  EXPECT_EQ(Read(10), "");        // at the end: success with nothing
  EXPECT_EQ(Seek(-5, FILE_END), 6u);
  Write("WORLD!");
  EXPECT_EQ(HostContents("rw.bin"), "hello WORLD!");
  DWORD high = kUntouched;
  EXPECT_EQ(GetFileSize(file_, &high), 12u);
  EXPECT_EQ(high, 0u);
}

TEST_F(OpenFileTest, WritingPastTheEndFillsTheGapWithZeros) {
  Write("ab");
  EXPECT_EQ(Seek(4, FILE_BEGIN), 4u);
  Write("c");
  EXPECT_EQ(HostContents("rw.bin"), std::string("ab\0\0c", 5));
}

TEST_F(OpenFileTest, SetEndOfFileCutsOrExtendsAtThePointer) {
  Write("0123456789");
  Seek(4, FILE_BEGIN);
  ASSERT_TRUE(SetEndOfFile(file_));
  EXPECT_EQ(GetFileSize(file_, nullptr), 4u);
  Seek(6, FILE_BEGIN);
  ASSERT_TRUE(SetEndOfFile(file_));
  EXPECT_EQ(HostContents("rw.bin"), std::string("0123\0\0", 6));
  EXPECT_TRUE(FlushFileBuffers(file_));
}

TEST_F(OpenFileTest, ANegativeOrBadSeekFailsAndKeepsThePointer) {
  Write("abc");
  Seek(1, FILE_BEGIN);
  SetLastError(kUntouched);
  EXPECT_EQ(Seek(-2, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(Seek(-2, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(Seek(0, 7), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(Seek(0, FILE_CURRENT), 1u);
}

TEST_F(OpenFileTest, TheHighPartOfTheDistanceGivesSixtyFourBitPositions) {
  LONG high = 1;
  EXPECT_EQ(SetFilePointer(file_, 16, &high, FILE_BEGIN), 16u);
  EXPECT_EQ(high, 1);
  high = -1;  // -4 as a 64-bit distance
  EXPECT_EQ(SetFilePointer(file_, -4, &high, FILE_CURRENT), 12u);
  EXPECT_EQ(high, 1);
  EXPECT_EQ(GetFileSize(file_, nullptr), 0u);  // seeking alone writes nothing
}

TEST_F(FileHandleTest, TheAccessAHandleWasOpenedWithIsChecked) {
  MakeHostFile("f.txt", "abc");
  const HANDLE reader = CreateFileW(u"\\f.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const HANDLE writer = CreateFileW(u"\\f.txt", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  char buffer[4] = {};
  DWORD count = kUntouched;
  SetLastError(kUntouched);
  EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(SetEndOfFile(reader));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  count = kUntouched;
  EXPECT_FALSE(ReadFile(writer, buffer, sizeof buffer, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(HostContents("f.txt"), "abc");
  CloseHandle(reader);
  CloseHandle(writer);
}

TEST_F(FileHandleTest, ATruncatingOpenNeedsWriteAccess) {
  MakeHostFile("f.txt", "abc");
  SetLastError(kUntouched);
  EXPECT_EQ(CreateFileW(u"\\f.txt", GENERIC_READ, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(HostContents("f.txt"), "abc");
}

TEST_F(FileHandleTest, EveryHandleFunctionRefusesHandlesThatAreNotOpenFiles) {
  const HANDLE closed = CreateFileW(u"\\f.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_TRUE(CloseHandle(closed));
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(u"\\*", &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);

  char buffer[4];
  DWORD count = 0;
  const std::pair<const char*, std::function<bool(HANDLE)>> calls[] = {
      {"ReadFile", [&](HANDLE h) { return ReadFile(h, buffer, 1, &count, nullptr); }},
      {"WriteFile", [&](HANDLE h) { return WriteFile(h, "x", 1, &count, nullptr); }},
      {"GetFileSize", [](HANDLE h) { return GetFileSize(h, nullptr) != INVALID_FILE_SIZE; }},
      {"SetFilePointer", [](HANDLE h) { return SetFilePointer(h, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER; }},
      {"SetEndOfFile", [](HANDLE h) { return SetEndOfFile(h); }},
      {"FlushFileBuffers", [](HANDLE h) { return FlushFileBuffers(h); }},
  };
  for (const HANDLE handle : {INVALID_HANDLE_VALUE, HANDLE(nullptr), closed, search}) {
    for (const auto& [name, call] : calls) {
      SetLastError(kUntouched);
      EXPECT_FALSE(call(handle)) << name;
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << name;
    }
  }
  FindClose(search);
}

TEST_F(FileHandleTest, ReadingAndWritingRefuseAMissingBuffer) {
  const HANDLE file = CreateFileW(u"\\f.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  DWORD count = kUntouched;
  EXPECT_FALSE(WriteFile(file, nullptr, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(ReadFile(file, nullptr, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_TRUE(WriteFile(file, nullptr, 0, &count, nullptr));
  CloseHandle(file);
}

TEST_F(FileHandleTest, TheEightBitFormTakesCodePage932Names) {
  const char* name = "\\\x83\x66\x81\x5B\x83\x5E.txt";  // "\データ.txt"
  const HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_TRUE(HostExists("\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF.txt"));
  SetLastError(kUntouched);
  EXPECT_EQ(CreateFileA(nullptr, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace plat::files::testing
