// Tests of the simulated device capacity: a full device refuses what would
// not fit, loses nothing it already holds and has room again after deletions.
#include <gtest/gtest.h>

#include "files/device_test_support.h"

namespace plat::files::testing {
namespace {

class FullDeviceTest : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    MakeHostFolder("Storage Card");
    MakeHostFile("Storage Card/old.bin", std::string(30, 'o'));
    SetDeviceCapacity(100);
  }

  static HANDLE Open(const char16_t* path, DWORD disposition = OPEN_ALWAYS) {
    return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr);
  }
  static BOOL Write(HANDLE file, size_t size, DWORD* written) {
    const std::string bytes(size, 'n');
    return WriteFile(file, bytes.data(), static_cast<DWORD>(size), written, nullptr);
  }
};

TEST_F(FullDeviceTest, UsedBytesAreCountedWhenTheCapacityIsSet) {
  EXPECT_EQ(DeviceCapacity(), 100u);
  EXPECT_EQ(DeviceUsedBytes(), 30u);
}

TEST_F(FullDeviceTest, AWriteThatWouldOverflowWritesNothing) {
  const HANDLE file = Open(u"\\Storage Card\\new.bin");
  DWORD written = 0;
  ASSERT_TRUE(Write(file, 60, &written));
  EXPECT_EQ(DeviceUsedBytes(), 90u);
  written = 12345;
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(Write(file, 11, &written));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(GetFileSize(file, nullptr), 60u);
  EXPECT_EQ(HostContents("Storage Card/new.bin"), std::string(60, 'n'));
  EXPECT_EQ(HostContents("Storage Card/old.bin"), std::string(30, 'o'));
  ASSERT_TRUE(Write(file, 10, &written));  // exactly full
  EXPECT_EQ(DeviceUsedBytes(), 100u);
  CloseHandle(file);
}

TEST_F(FullDeviceTest, OverwritingInPlaceNeedsNoRoom) {
  SetDeviceCapacity(30);
  const HANDLE file = Open(u"\\Storage Card\\old.bin", OPEN_EXISTING);
  DWORD written = 0;
  EXPECT_TRUE(Write(file, 30, &written));
  EXPECT_FALSE(Write(file, 1, &written));
  CloseHandle(file);
  EXPECT_EQ(HostContents("Storage Card/old.bin"), std::string(30, 'n'));
}

TEST_F(FullDeviceTest, DeletingAndTruncatingMakeRoomAgain) {
  const HANDLE file = Open(u"\\Storage Card\\new.bin");
  DWORD written = 0;
  ASSERT_TRUE(Write(file, 70, &written));
  EXPECT_FALSE(Write(file, 1, &written));
  ASSERT_TRUE(DeleteFileW(u"\\Storage Card\\old.bin"));
  EXPECT_EQ(DeviceUsedBytes(), 70u);
  EXPECT_TRUE(Write(file, 30, &written));
  CloseHandle(file);

  const HANDLE again = Open(u"\\Storage Card\\new.bin", CREATE_ALWAYS);  // truncates
  EXPECT_EQ(DeviceUsedBytes(), 0u);
  EXPECT_TRUE(Write(again, 100, &written));
  CloseHandle(again);
}

TEST_F(FullDeviceTest, ExtendingAndCopyingAreRefusedWhenTheyDoNotFit) {
  const HANDLE file = Open(u"\\Storage Card\\new.bin");
  SetFilePointer(file, 71, nullptr, FILE_BEGIN);
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(SetEndOfFile(file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
  SetFilePointer(file, 70, nullptr, FILE_BEGIN);
  EXPECT_TRUE(SetEndOfFile(file));
  EXPECT_EQ(DeviceUsedBytes(), 100u);
  CloseHandle(file);

  EXPECT_FALSE(CopyFileW(u"\\Storage Card\\old.bin", u"\\copy.bin", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
  EXPECT_FALSE(HostExists("copy.bin"));
  ASSERT_TRUE(DeleteFileW(u"\\Storage Card\\new.bin"));
  EXPECT_TRUE(CopyFileW(u"\\Storage Card\\old.bin", u"\\copy.bin", FALSE));
  EXPECT_EQ(DeviceUsedBytes(), 60u);
}

TEST_F(FullDeviceTest, MovingKeepsTheUsedBytes) {
  ASSERT_TRUE(MoveFileW(u"\\Storage Card\\old.bin", u"\\moved.bin"));
  EXPECT_EQ(DeviceUsedBytes(), 30u);
}

TEST_F(FullDeviceTest, WithoutACapacityTheUsedBytesAreCountedEachTime) {
  SetDeviceCapacity(0);
  MakeHostFile("Storage Card/more.bin", std::string(5, 'm'));
  EXPECT_EQ(DeviceUsedBytes(), 35u);
  const HANDLE file = Open(u"\\big.bin");
  DWORD written = 0;
  EXPECT_TRUE(Write(file, 200, &written));
  CloseHandle(file);
  EXPECT_EQ(DeviceUsedBytes(), 235u);
}

}  // namespace
}  // namespace plat::files::testing
