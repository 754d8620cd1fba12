// Tests of the device settings: the defaults without a settings file, the
// host's writes read back across a fresh look at the file, the file's text
// as documented, hand-written files with malformed values, and refused keys.
#include <devcond.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class DeviceSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/devcond_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    root = folder;
    plat::SetDeviceRoot(root);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::filesystem::path SettingsPath() const { return std::filesystem::path(root) / "Windows" / "Devcond.ini"; }
  void WriteFile(const std::string& text) {
    std::filesystem::create_directories(SettingsPath().parent_path());
    std::ofstream(SettingsPath(), std::ios::binary) << text;
  }
  std::string ReadFile() const {
    std::ifstream file(SettingsPath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  std::string root;
};

TEST_F(DeviceSettings, WithoutASettingsFileTheOrdinaryModelAndZero) {
  EXPECT_FALSE(IsR7());
  EXPECT_EQ(GetIntJkn(u"InpHoho"), 0);
  EXPECT_EQ(GetIntJkn(nullptr), 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath())) << "reading creates nothing";
}

TEST_F(DeviceSettings, HostWritesAreReadBackAndKeptInTheDocumentedFile) {
  ASSERT_EQ(Devcond_SetInt(u"InpHoho", 1), 0);
  ASSERT_EQ(Devcond_SetInt(u"R7", 1), 0);
  ASSERT_EQ(Devcond_SetInt(u"Offset", -25), 0);
  EXPECT_EQ(GetIntJkn(u"InpHoho"), 1);
  EXPECT_EQ(GetIntJkn(u"inphoho"), 1) << "keys ignore ASCII letter case";
  EXPECT_EQ(GetIntJkn(u"Offset"), -25);
  EXPECT_TRUE(IsR7());
  EXPECT_EQ(GetIntJkn(u"Missing"), 0);
  ASSERT_EQ(Devcond_SetInt(u"R7", 0), 0);
  EXPECT_FALSE(IsR7());
  EXPECT_EQ(ReadFile(), "InpHoho=1\nR7=0\nOffset=-25\n") << "a key's line is replaced in place";
  for (const auto& entry : std::filesystem::directory_iterator(SettingsPath().parent_path()))
    EXPECT_EQ(entry.path().filename(), "Devcond.ini") << "no temporary file is left behind";
}

TEST_F(DeviceSettings, HandWrittenFileKeepsItsOtherLinesAndReadsOnlyWholeIntegers) {
  WriteFile("; device settings\r\nR7=1\r\nInpHoho=1\r\nBad=12x\r\nSpace= 3\r\nHuge=99999999999\r\nEmpty=\r\nR7=0\r\n");
  EXPECT_TRUE(IsR7()) << "the first line of a key counts; CR LF is accepted";
  EXPECT_EQ(GetIntJkn(u"InpHoho"), 1);
  for (const WCHAR* key : {u"Bad", u"Space", u"Huge", u"Empty"}) EXPECT_EQ(GetIntJkn(key), 0);
  ASSERT_EQ(Devcond_SetInt(u"InpHoho", 0), 0);
  EXPECT_EQ(ReadFile(), "; device settings\nR7=1\nInpHoho=0\nBad=12x\nSpace= 3\nHuge=99999999999\nEmpty=\nR7=0\n");
}

TEST_F(DeviceSettings, BadKeysAreRefusedAndChangeNothing) {
  ASSERT_EQ(Devcond_SetInt(u"InpHoho", 1), 0);
  const std::u16string tooLong(256, u'k');
  for (const WCHAR* key : {static_cast<const WCHAR*>(nullptr), u"", u"a=b", u"a\nb", u"a\rb", u"\xD800", tooLong.c_str()})
    EXPECT_NE(Devcond_SetInt(key, 7), 0);
  EXPECT_EQ(ReadFile(), "InpHoho=1\n");
}

}  // namespace
