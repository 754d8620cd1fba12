// Tests of CFile on the device's file system: reading and writing, seeking
// and lengths, opening failures reported without throwing, and the
// exceptions of the failing operations (a full device included).
#include <afx.h>
#include <gtest/gtest.h>
#include <plat/device.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr int kNothingThrown = -1;

// The cause of the CFileException that work throws (deleting it), or kNothingThrown.
int CauseThrownBy(const std::function<void()>& work) {
  try {
    work();
  } catch (CFileException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return kNothingThrown;
}

class CFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("mfc_cfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    plat::SetDeviceRoot(root_.string());
  }
  void TearDown() override {
    plat::SetDeviceCapacity(0);
    std::filesystem::remove_all(root_);
  }
  static void WriteFile(LPCTSTR name, const std::string& bytes) {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
  }

  std::filesystem::path root_;
};

TEST_F(CFileTest, WritesReadsAndSeeks) {
  WriteFile(_T("\\data.bin"), "0123456789");
  CFile file;
  ASSERT_TRUE(file.Open(_T("\\data.bin"), CFile::modeRead | CFile::shareDenyWrite));
  EXPECT_EQ(file.GetLength(), 10u);
  char buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  EXPECT_EQ(file.GetPosition(), 4u);
  EXPECT_EQ(file.Seek(-2, CFile::end), 8u);
  EXPECT_EQ(file.Read(buffer, 8), 2u);  // only what is left
  EXPECT_EQ(std::string(buffer, 2), "89");
  EXPECT_EQ(file.Read(buffer, 8), 0u);  // at the end
  file.SeekToBegin();
  EXPECT_EQ(file.Read(buffer, 1), 1u);
  EXPECT_EQ(buffer[0], '0');
  EXPECT_EQ(file.GetFilePath(), CString(_T("\\data.bin")));
  EXPECT_EQ(file.GetFileName(), CString(_T("data.bin")));
  EXPECT_EQ(file.GetFileTitle(), CString(_T("data")));
  file.Close();
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(CFileTest, CreateTruncatesUnlessNoTruncate) {
  WriteFile(_T("\\keep.txt"), "abcdef");
  {
    CFile file(_T("\\keep.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(file.GetLength(), 6u);
    file.SeekToEnd();
    file.Write("gh", 2);
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
  }  // the destructor closes
  CFile file(_T("\\keep.txt"), CFile::modeCreate | CFile::modeWrite);
  EXPECT_EQ(file.GetLength(), 0u);
}

struct OpenFailureCase {
  LPCTSTR name;
  UINT flags;
  int cause;
};

TEST_F(CFileTest, OpenReportsFailuresWithoutThrowing) {
  const OpenFailureCase cases[] = {
      {_T("\\missing.txt"), CFile::modeRead, CFileException::fileNotFound},
      {_T("\\no folder\\x.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
      {_T("\\bad|name.txt"), CFile::modeRead, CFileException::badPath},
  };
  for (const auto& c : cases) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(c.name, c.flags, &error)) << CStringA(c.name).GetString();
    EXPECT_EQ(error.m_cause, c.cause) << CStringA(c.name).GetString();
    EXPECT_NE(error.m_lOsError, 0);
    EXPECT_EQ(error.m_strFileName, CString(c.name));
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_FALSE(file.Open(c.name, c.flags));  // and without an exception object
  }
}

TEST_F(CFileTest, TheNamedConstructorThrowsTheCause) {
  CString name;
  try {
    CFile file(_T("\\missing.txt"), CFile::modeRead);
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    name = e->m_strFileName;
    e->Delete();
  }
  EXPECT_EQ(name, CString(_T("\\missing.txt")));
}

TEST_F(CFileTest, WriteOnAFullDeviceThrowsDiskFull) {
  plat::SetDeviceCapacity(plat::DeviceUsedBytes() + 16);
  CFile file(_T("\\big.bin"), CFile::modeCreate | CFile::modeWrite);
  const std::string bytes(64, 'x');
  EXPECT_EQ(CauseThrownBy([&] { file.Write(bytes.data(), static_cast<UINT>(bytes.size())); }),
            CFileException::diskFull);
  file.Abort();
}

TEST_F(CFileTest, ReadOfAWriteOnlyFileThrows) {
  CFile file(_T("\\w.bin"), CFile::modeCreate | CFile::modeWrite);
  char byte;
  EXPECT_NE(CauseThrownBy([&] { file.Read(&byte, 1); }), kNothingThrown);
  EXPECT_EQ(CauseThrownBy([&] { file.Seek(-5, CFile::begin); }), CFileException::badSeek);
}

TEST_F(CFileTest, RemoveAndRenameThrowOnFailure) {
  WriteFile(_T("\\old.txt"), "x");
  CFile::Rename(_T("\\old.txt"), _T("\\new.txt"));
  CFile probe;
  EXPECT_TRUE(probe.Open(_T("\\new.txt"), CFile::modeRead));
  probe.Close();
  EXPECT_EQ(CauseThrownBy([] { CFile::Remove(_T("\\new.txt")); }), kNothingThrown);
  EXPECT_EQ(CauseThrownBy([] { CFile::Remove(_T("\\new.txt")); }), CFileException::fileNotFound);
  EXPECT_EQ(CauseThrownBy([] { CFile::Rename(_T("\\none.txt"), _T("\\other.txt")); }), CFileException::fileNotFound);
}

TEST_F(CFileTest, AbortNeverThrowsAndClosedFilesFail) {
  CFile file;
  file.Abort();  // nothing open
  EXPECT_EQ(CauseThrownBy([&] { file.GetLength(); }), CFileException::invalidFile);
  EXPECT_EQ(CauseThrownBy([&] { file.Close(); }), kNothingThrown);  // closing nothing is fine
}

}  // namespace
