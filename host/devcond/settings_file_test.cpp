// Tests of the settings file's text rules: which keys and values may be
// stored, cutting without splitting a surrogate pair, values round-tripped
// through UTF-8, and a file whose value is no UTF-8.
#include "settings_file.h"

#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(SettingsText, KeysAndValuesThatMayBeStored) {
  struct Case {
    std::u16string text;
    bool key;
    bool value;
  };
  const Case cases[] = {
      {u"LMemo4", true, true},   {u"", false, true},         {u"a=b", false, true},
      {u"a\nb", false, false},   {u"a\rb", false, false},    {u"\xD83D\xDE00", true, true},
      {u"\xD83D", false, false}, {u"\xDE00x", false, false}, {std::u16string(255, u'k'), true, true},
      {std::u16string(256, u'k'), false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(host::IsValidSettingKey(c.text), c.key) << c.text.size();
    EXPECT_EQ(host::IsValidSettingValue(c.text), c.value) << c.text.size();
  }
}

TEST(SettingsText, CuttingNeverSplitsASurrogatePair) {
  const std::u16string text = u"ab\xD83D\xDE00z";
  struct Case {
    size_t maxUnits;
    std::u16string kept;
  };
  const Case cases[] = {{0, u""}, {2, u"ab"}, {3, u"ab"}, {4, u"ab\xD83D\xDE00"}, {5, text}, {9, text}};
  for (const Case& c : cases) EXPECT_EQ(host::CutToUnits(text, c.maxUnits), c.kept) << c.maxUnits;
}

class SettingsFileOnDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/settings_file_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    root = folder;
    plat::SetDeviceRoot(root);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::string root;
};

TEST_F(SettingsFileOnDevice, ValuesRoundTripThroughUtf8InNewFolders) {
  const host::SettingsFile file(u"\\A\\B\\s.ini");
  const std::u16string value = u"北向き 😀 =x";
  ASSERT_TRUE(file.Write(u"Key", value));
  std::u16string read;
  ASSERT_TRUE(host::SettingsFile(u"\\a\\b\\S.INI").Read(u"KEY", &read)) << "device names ignore case";
  EXPECT_EQ(read, value);
  std::ifstream raw(std::filesystem::path(root) / "A" / "B" / "s.ini", std::ios::binary);
  std::string line;
  std::getline(raw, line);
  EXPECT_EQ(line, "Key=\xE5\x8C\x97\xE5\x90\x91\xE3\x81\x8D \xF0\x9F\x98\x80 =x");
}

TEST_F(SettingsFileOnDevice, AValueThatIsNoUtf8ReadsAsMissing) {
  std::filesystem::create_directories(root);
  std::ofstream(std::filesystem::path(root) / "s.ini", std::ios::binary) << "Key=\xFF\xFE\nOther=ok\n";
  const host::SettingsFile file(u"\\s.ini");
  std::u16string read = u"untouched";
  EXPECT_FALSE(file.Read(u"Key", &read));
  EXPECT_EQ(read, u"untouched");
  EXPECT_TRUE(file.Read(u"Other", &read));
  EXPECT_EQ(read, u"ok");
}

}  // namespace
