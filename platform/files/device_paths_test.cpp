// Tests of the mapping between device paths and host paths.
#include <gtest/gtest.h>
#include <plat/device.h>

#include "files/device_test_support.h"

namespace plat::files::testing {
namespace {

class DevicePathTest : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    MakeHostFolder("Storage Card");
    MakeHostFile("Storage Card/Survey.IMF", "x");
    MakeHostFile("\xEF\xBC\xA1\xEF\xBC\xA2\xEF\xBC\xA3.txt", "x");  // "ＡＢＣ.txt", full-width capitals
    MakeHostFile("\xC3\x84.txt", "x");                                // "Ä.txt"
  }
};

struct MappingCase {
  const char16_t* device;
  const char* host;  // below the device root; "" is the root
};

TEST_F(DevicePathTest, MapsComponentsWithoutRegardToCase) {
  const MappingCase cases[] = {
      {u"\\Storage Card\\Survey.IMF", "/Storage Card/Survey.IMF"},
      {u"\\storage card\\survey.imf", "/Storage Card/Survey.IMF"},
      {u"/STORAGE CARD/survey.Imf", "/Storage Card/Survey.IMF"},
      {u"Storage Card\\survey.imf", "/Storage Card/Survey.IMF"},
      {u"\\storage CARD\\", "/Storage Card"},
      {u"\\", ""},
      {u"\\storage card\\New File.txt", "/Storage Card/New File.txt"},
      {u"\\Missing\\Sub", "/Missing/Sub"},
      {u"\\\uFF41\uFF42\uFF43.TXT", "/\xEF\xBC\xA1\xEF\xBC\xA2\xEF\xBC\xA3.txt"},  // full-width letters fold
      {u"\\\u00E4.txt", "/\xC3\xA4.txt"},  // other letters do not: "ä" stays apart from "Ä"
  };
  for (const auto& c : cases) {
    std::string host;
    ASSERT_TRUE(DeviceToHostPath(c.device, &host)) << std::string(c.host);
    EXPECT_EQ(host, root() + c.host);
  }
}

TEST_F(DevicePathTest, RefusesPathsThatCannotNameADeviceFile) {
  const char16_t* refused[] = {
      u"",           u"..",          u"\\..",        u"\\Storage Card\\..\\..\\etc", u"\\.\\a",
      u"\\a\\.",     u"\\a\\\\b",    u"\\\\server",  u"\\a<b",  u"\\a>b",  u"\\c:",  u"\\a\"b",
      u"\\a|b",      u"\\a?b",       u"\\a*b",       u"\\a\tb", u"\\a\x01", u"\\\xD800x",
  };
  for (const char16_t* path : refused) {
    SetLastError(ERROR_SUCCESS);
    std::string host = "unchanged";
    EXPECT_FALSE(DeviceToHostPath(path, &host)) << std::u16string_view(path).size();
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(host, "unchanged");
  }
}

TEST_F(DevicePathTest, NulInsideAPathIsRefused) {
  std::string host;
  EXPECT_FALSE(DeviceToHostPath(std::u16string_view(u"\\a\0b", 4), &host));
}

TEST_F(DevicePathTest, HostPathsInsideTheDeviceFolderMapBack) {
  std::u16string device;
  ASSERT_TRUE(HostToDevicePath(Host("Storage Card/Survey.IMF"), &device));
  EXPECT_EQ(device, u"\\Storage Card\\Survey.IMF");
  ASSERT_TRUE(HostToDevicePath(root(), &device));
  EXPECT_EQ(device, u"\\");
  ASSERT_TRUE(HostToDevicePath(root() + "/Storage Card/", &device));
  EXPECT_EQ(device, u"\\Storage Card");
}

TEST_F(DevicePathTest, HostPathsOutsideTheDeviceFolderDoNotMap) {
  std::u16string device = u"unchanged";
  for (const std::string& host : {std::string("/"), root() + "/../elsewhere", root() + "-sibling/a",
                                  root() + "/Storage Card/../../x"}) {
    EXPECT_FALSE(HostToDevicePath(host, &device)) << host;
  }
  EXPECT_EQ(device, u"unchanged");
}

TEST_F(DevicePathTest, TheRootFollowsSetDeviceRoot) {
  const std::string inner = Host("inner-root");
  SetDeviceRoot(inner);
  EXPECT_EQ(DeviceRoot(), inner);
  EXPECT_TRUE(std::filesystem::is_directory(inner));
  std::string host;
  ASSERT_TRUE(DeviceToHostPath(u"\\x", &host));
  EXPECT_EQ(host, inner + "/x");
}

}  // namespace
}  // namespace plat::files::testing
