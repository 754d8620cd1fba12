// Tests of deleting, moving and copying device files, folders and attributes.
#include <gtest/gtest.h>

#include "files/device_test_support.h"

namespace plat::files::testing {
namespace {

using FileOperationTest = DeviceTest;

constexpr DWORD kUntouched = 0xDEADBEEF;

#define EXPECT_FAILS_WITH(call, error)                     \
  do {                                                     \
    SetLastError(kUntouched);                              \
    EXPECT_FALSE(call);                                    \
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(error)); \
  } while (0)

TEST_F(FileOperationTest, DeleteFileRemovesFilesOnly) {
  MakeHostFile("a.txt", "a");
  MakeHostFolder("Folder");
  EXPECT_TRUE(DeleteFileW(u"\\A.TXT"));
  EXPECT_FALSE(HostExists("a.txt"));
  EXPECT_FAILS_WITH(DeleteFileW(u"\\a.txt"), ERROR_FILE_NOT_FOUND);
  EXPECT_FAILS_WITH(DeleteFileW(u"\\Missing\\a.txt"), ERROR_PATH_NOT_FOUND);
  EXPECT_FAILS_WITH(DeleteFileW(u"\\Folder"), ERROR_ACCESS_DENIED);
  EXPECT_FAILS_WITH(DeleteFileW(u"\\"), ERROR_ACCESS_DENIED);
  EXPECT_FAILS_WITH(DeleteFileW(u"\\a?.txt"), ERROR_INVALID_NAME);
  EXPECT_TRUE(HostExists("Folder"));
}

TEST_F(FileOperationTest, AReadOnlyFileReportsItsAttributeAndCannotBeDeletedOrWritten) {
  const HANDLE file =
      CreateFileW(u"\\locked.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "kept", 4, &written, nullptr));  // the creating handle may write
  CloseHandle(file);
  EXPECT_EQ(GetFileAttributesW(u"\\locked.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
  EXPECT_FAILS_WITH(DeleteFileW(u"\\locked.txt"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(CreateFileW(u"\\locked.txt", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(HostContents("locked.txt"), "kept");
}

TEST_F(FileOperationTest, MoveFileRenamesAndMovesButNeverReplaces) {
  MakeHostFile("a.txt", "a");
  MakeHostFile("b.txt", "b");
  MakeHostFolder("Sub");
  EXPECT_FAILS_WITH(MoveFileW(u"\\a.txt", u"\\B.txt"), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(HostContents("a.txt"), "a");
  EXPECT_EQ(HostContents("b.txt"), "b");
  EXPECT_FAILS_WITH(MoveFileW(u"\\missing.txt", u"\\c.txt"), ERROR_FILE_NOT_FOUND);
  EXPECT_FAILS_WITH(MoveFileW(u"\\a.txt", u"\\Missing\\c.txt"), ERROR_PATH_NOT_FOUND);
  EXPECT_FAILS_WITH(MoveFileW(u"\\a.txt", u"\\bad*.txt"), ERROR_INVALID_NAME);

  EXPECT_TRUE(MoveFileW(u"\\A.txt", u"\\sub\\moved.txt"));
  EXPECT_FALSE(HostExists("a.txt"));
  EXPECT_EQ(HostContents("Sub/moved.txt"), "a");
  EXPECT_TRUE(MoveFileW(u"\\Sub", u"\\Renamed"));
  EXPECT_EQ(HostContents("Renamed/moved.txt"), "a");
}

TEST_F(FileOperationTest, MoveFileToAnotherCaseOfTheSameNameChangesTheSpelling) {
  MakeHostFile("report.txt", "r");
  EXPECT_TRUE(MoveFileW(u"\\report.txt", u"\\Report.TXT"));
  EXPECT_TRUE(HostExists("Report.TXT"));
  EXPECT_FALSE(HostExists("report.txt"));
}

TEST_F(FileOperationTest, CopyFileCopiesAndHonoursFailIfExists) {
  MakeHostFile("a.txt", "alpha");
  MakeHostFile("b.txt", "beta");
  MakeHostFolder("Folder");
  EXPECT_TRUE(CopyFileW(u"\\a.txt", u"\\c.txt", TRUE));
  EXPECT_EQ(HostContents("c.txt"), "alpha");
  EXPECT_FAILS_WITH(CopyFileW(u"\\a.txt", u"\\B.TXT", TRUE), ERROR_FILE_EXISTS);
  EXPECT_EQ(HostContents("b.txt"), "beta");
  EXPECT_TRUE(CopyFileW(u"\\b.txt", u"\\A.TXT", FALSE));
  EXPECT_EQ(HostContents("a.txt"), "beta");
  EXPECT_FALSE(HostExists("A.TXT"));
}

TEST_F(FileOperationTest, CopyFileRefusesFoldersMissingFilesAndItself) {
  MakeHostFile("a.txt", "alpha");
  MakeHostFolder("Folder");
  EXPECT_FAILS_WITH(CopyFileW(u"\\a.txt", u"\\a.TXT", FALSE), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(HostContents("a.txt"), "alpha");
  EXPECT_FAILS_WITH(CopyFileW(u"\\Folder", u"\\x", FALSE), ERROR_ACCESS_DENIED);
  EXPECT_FAILS_WITH(CopyFileW(u"\\a.txt", u"\\Folder", FALSE), ERROR_ACCESS_DENIED);
  EXPECT_FAILS_WITH(CopyFileW(u"\\missing.txt", u"\\x", FALSE), ERROR_FILE_NOT_FOUND);
  EXPECT_FAILS_WITH(CopyFileW(u"\\a.txt", u"\\Missing\\x", FALSE), ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(HostExists("x"));
}

TEST_F(FileOperationTest, FoldersAreCreatedAndRemovedWhenEmpty) {
  EXPECT_TRUE(CreateDirectoryW(u"\\Storage Card", nullptr));
  EXPECT_FAILS_WITH(CreateDirectoryW(u"\\storage card", nullptr), ERROR_ALREADY_EXISTS);
  EXPECT_FAILS_WITH(CreateDirectoryW(u"\\Missing\\Sub", nullptr), ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(CreateDirectoryW(u"\\STORAGE CARD\\Sub", nullptr));
  EXPECT_TRUE(std::filesystem::is_directory(Host("Storage Card/Sub")));

  EXPECT_FAILS_WITH(RemoveDirectoryW(u"\\Storage Card"), ERROR_DIR_NOT_EMPTY);
  EXPECT_FAILS_WITH(RemoveDirectoryW(u"\\Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_FAILS_WITH(RemoveDirectoryW(u"\\"), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(RemoveDirectoryW(u"\\storage card\\sub"));
  EXPECT_TRUE(RemoveDirectoryW(u"\\storage card"));
  EXPECT_FALSE(HostExists("Storage Card"));
}

TEST_F(FileOperationTest, AttributesTellFilesFromFolders) {
  MakeHostFile("a.txt", "a");
  MakeHostFolder("Folder");
  EXPECT_EQ(GetFileAttributesW(u"\\A.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(GetFileAttributesW(u"\\folder"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_EQ(GetFileAttributesW(u"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  struct Case {
    const char16_t* path;
    DWORD error;
  } failures[] = {
      {u"\\missing.txt", ERROR_FILE_NOT_FOUND},
      {u"\\Missing\\a.txt", ERROR_PATH_NOT_FOUND},
      {u"\\a.txt\\inner", ERROR_PATH_NOT_FOUND},
      {u"\\a:txt", ERROR_INVALID_NAME},
      {nullptr, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : failures) {
    SetLastError(kUntouched);
    EXPECT_EQ(GetFileAttributesW(c.path), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST_F(FileOperationTest, TheEightBitFormsTakeCodePage932Names) {
  const char* folder = "\\\x83\x66\x81\x5B\x83\x5E";  // "\データ"
  const std::string hostFolder = "\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF";
  EXPECT_TRUE(CreateDirectoryA(folder, nullptr));
  EXPECT_EQ(GetFileAttributesA(folder), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  MakeHostFile(hostFolder + "/a.txt", "a");
  EXPECT_TRUE(MoveFileA((std::string(folder) + "\\a.txt").c_str(), (std::string(folder) + "\\b.txt").c_str()));
  EXPECT_TRUE(HostExists(hostFolder + "/b.txt"));
  EXPECT_TRUE(DeleteFileA((std::string(folder) + "\\B.TXT").c_str()));
  EXPECT_FALSE(HostExists(hostFolder + "/b.txt"));
  EXPECT_FAILS_WITH(DeleteFileA(nullptr), ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace plat::files::testing
