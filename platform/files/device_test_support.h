// Test support for the files area: a fresh temporary device folder per test
// and small helpers that write and read whole device files.
#pragma once
#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace plat::files::testing {

class DeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "device-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    SetDeviceRoot(root_);
    SetDeviceCapacity(0);
  }
  void TearDown() override {
    SetDeviceCapacity(0);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::string& root() const { return root_; }
  std::string Host(const std::string& relative) const { return root_ + "/" + relative; }

  // Host-side setup, bypassing the functions under test.
  void MakeHostFile(const std::string& relative, const std::string& contents) const {
    std::ofstream(Host(relative), std::ios::binary) << contents;
  }
  void MakeHostFolder(const std::string& relative) const { std::filesystem::create_directories(Host(relative)); }
  bool HostExists(const std::string& relative) const { return std::filesystem::exists(Host(relative)); }
  std::string HostContents(const std::string& relative) const {
    std::ifstream in(Host(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Device-side helpers through the file functions.
  static bool WriteDeviceFile(const char16_t* path, const std::string& contents) {
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == contents.size();
  }
  static std::string ReadDeviceFile(const char16_t* path) {
    const HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string contents(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr);
    CloseHandle(file);
    contents.resize(read);
    return contents;
  }

 private:
  std::string root_;
};

}  // namespace plat::files::testing
