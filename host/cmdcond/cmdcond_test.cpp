// Tests of the per-command settings store: values kept per command in the
// documented file across a fresh look, missing keys, the bounded read
// cutting safely, values cut to 255 units, refused keys, values and command
// names, and a replaced file that keeps its other lines.
#include <cmdcond.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr char16_t kSentinel = u'#';

class CommandSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/cmdcond_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    root = folder;
    plat::SetDeviceRoot(root);
    ASSERT_EQ(Cmdcond_SetCommand(u"踏査"), 0);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::filesystem::path StoreFolder() const {
    return std::filesystem::path(root) / "Built-in Storage" / "Program Files" / "Darvik" / "CmdCond";
  }
  std::string ReadStore(const std::string& fileName) const {
    std::ifstream file(StoreFolder() / fileName, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  // Reads key with the bounded call into a buffer of sentinels.
  std::u16string Read(const WCHAR* key, int size, int* result) {
    std::u16string buffer(300, kSentinel);
    *result = GetCmdJkn(key, buffer.data(), size);
    return buffer;
  }
  std::string root;
};

TEST_F(CommandSettings, ValuesPersistPerCommandInTheDocumentedFile) {
  ASSERT_EQ(SetCmdJkn(u"LMemo4", u"北側の電柱"), 0);
  ASSERT_EQ(SetCmdJkn(u"LMemo5", u""), 0);
  ASSERT_EQ(Cmdcond_SetCommand(u"踏査データ取込"), 0);
  WCHAR value[CMDCOND_VALUE_MAX + 1] = u"untouched";
  EXPECT_NE(GetCmdJkn(u"LMemo4", value), 0) << "another command has a store of its own";
  EXPECT_EQ(std::u16string(value), u"untouched");
  ASSERT_EQ(Cmdcond_SetCommand(u"踏査"), 0);
  ASSERT_EQ(GetCmdJkn(u"LMemo4", value), 0);
  EXPECT_EQ(std::u16string(value), u"北側の電柱");
  ASSERT_EQ(GetCmdJkn(u"lmemo5", value), 0) << "an empty value is stored; keys ignore ASCII case";
  EXPECT_EQ(std::u16string(value), u"");
  EXPECT_EQ(ReadStore("踏査.ini"), "LMemo4=\xE5\x8C\x97\xE5\x81\xB4\xE3\x81\xAE\xE9\x9B\xBB\xE6\x9F\xB1\nLMemo5=\n");
  ASSERT_EQ(SetCmdJkn(u"LMemo4", u"南"), 0);
  EXPECT_EQ(ReadStore("踏査.ini"), "LMemo4=\xE5\x8D\x97\nLMemo5=\n") << "replaced in place, other lines kept";
  for (const auto& entry : std::filesystem::directory_iterator(StoreFolder()))
    EXPECT_EQ(entry.path().extension(), ".ini") << "no temporary file is left behind";
}

TEST_F(CommandSettings, MissingKeysLeaveTheBufferUntouched) {
  int result = 0;
  const std::u16string buffer = Read(u"PMemo0", 32, &result);
  EXPECT_NE(result, 0);
  EXPECT_EQ(buffer, std::u16string(300, kSentinel));
}

TEST_F(CommandSettings, BoundedReadCutsSafely) {
  ASSERT_EQ(SetCmdJkn(u"PMemo0", u"abc\xD83D\xDE00z"), 0);  // 6 units, a surrogate pair at 3 and 4
  struct Case {
    int size;
    std::u16string written;  // up to the terminator
  };
  const Case cases[] = {{1, u""},    {3, u"ab"},   {4, u"abc"},  {5, u"abc"},
                        {6, u"abc\xD83D\xDE00"}, {7, u"abc\xD83D\xDE00z"}, {100, u"abc\xD83D\xDE00z"}};
  for (const Case& c : cases) {
    int result = 1;
    const std::u16string buffer = Read(u"PMemo0", c.size, &result);
    EXPECT_EQ(result, 0) << c.size;
    EXPECT_EQ(buffer.substr(0, c.written.size() + 1), c.written + u'\0') << c.size;
    EXPECT_EQ(buffer.substr(c.written.size() + 1), std::u16string(300 - c.written.size() - 1, kSentinel))
        << "nothing beyond the terminator, which is within size " << c.size;
  }
  int result = 0;
  EXPECT_EQ(Read(u"PMemo0", 0, &result), std::u16string(300, kSentinel));
  EXPECT_NE(result, 0) << "a size below 1 is refused";
}

TEST_F(CommandSettings, ValuesAreStoredCutTo255UnitsSoTheUnboundedReadFits) {
  std::u16string longValue(254, u'x');
  longValue += u"\xD83D\xDE00yyy";  // the pair straddles the 255th unit
  ASSERT_EQ(SetCmdJkn(u"LMemo6", longValue.c_str()), 0);
  std::u16string buffer(300, kSentinel);
  ASSERT_EQ(GetCmdJkn(u"LMemo6", buffer.data()), 0);
  EXPECT_EQ(buffer.substr(0, 255), std::u16string(254, u'x') + u'\0') << "the pair is not split";
  EXPECT_EQ(buffer.substr(255), std::u16string(45, kSentinel));

  std::filesystem::create_directories(StoreFolder());
  std::ofstream(StoreFolder() / "手書き.ini", std::ios::binary) << "Long=" << std::string(400, 'q') << "\n";
  ASSERT_EQ(Cmdcond_SetCommand(u"手書き"), 0);
  std::u16string handWritten(300, kSentinel);
  ASSERT_EQ(GetCmdJkn(u"Long", handWritten.data()), 0) << "a longer hand-written value is cut on reading";
  EXPECT_EQ(handWritten.substr(0, 256), std::u16string(255, u'q') + u'\0');
  EXPECT_EQ(handWritten[256], kSentinel);
}

TEST_F(CommandSettings, BadKeysAndValuesAreRefusedAndChangeNothing) {
  ASSERT_EQ(SetCmdJkn(u"LMemo4", u"kept"), 0);
  const std::string before = ReadStore("踏査.ini");
  struct Case {
    const WCHAR* key;
    const WCHAR* value;
  };
  const std::u16string tooLong(256, u'k');
  const Case cases[] = {{nullptr, u"v"},  {u"LMemo4", nullptr}, {u"", u"v"},         {u"a=b", u"v"},
                        {u"a\nb", u"v"},  {u"LMemo4", u"a\nb"}, {u"LMemo4", u"a\rb"}, {u"LMemo4", u"\xD800"},
                        {tooLong.c_str(), u"v"}};
  for (const Case& c : cases) EXPECT_NE(SetCmdJkn(c.key, c.value), 0);
  EXPECT_EQ(ReadStore("踏査.ini"), before);
  WCHAR value[8] = u"same";
  EXPECT_NE(GetCmdJkn(nullptr, value), 0);
  EXPECT_NE(GetCmdJkn(u"LMemo4", nullptr), 0);
  EXPECT_NE(GetCmdJkn(u"LMemo4", nullptr, 8), 0);
  EXPECT_EQ(std::u16string(value), u"same");
}

TEST_F(CommandSettings, BadCommandNamesAreRefusedKeepingThePreviousCommand) {
  const std::u16string tooLong(101, u'c');
  for (const WCHAR* name : {static_cast<const WCHAR*>(nullptr), u"", u"a\\b", u"a/b", u"..", u".", u"a:b", u"a?",
                            u"a\tb", tooLong.c_str()})
    EXPECT_NE(Cmdcond_SetCommand(name), 0);
  ASSERT_EQ(SetCmdJkn(u"PMemo1", u"still here"), 0);
  EXPECT_TRUE(std::filesystem::exists(StoreFolder() / "踏査.ini"));
}

}  // namespace
