// Tests of the exchange command in the host: the direction choosing the
// open or the save dialog, where each dialog starts, the confirmation naming
// only the file (and a name too long for it cut), the command ending on
// every path so that it can run again, and the three exports without
// behaviour.
#include <darvik_app.h>
#include <device_layout.h>

#include "xfer_host.h"

namespace {

using namespace xfer_test;

constexpr char16_t kImportTail[] = u"]\nのファイルを取り込みます。\nよろしいですか？";
constexpr char16_t kExportTail[] = u"]\nのファイルに登録を開始します。\nよろしいですか？";

class CommandTest : public XferHostTest {
 protected:
  void CancelFileDialog() {
    ASSERT_TRUE(Desktop().Click(Desktop().FindControl(FileDialog(), IDCANCEL)));
    EXPECT_EQ(FileDialog(), nullptr);
  }
  // The command is over when a second press runs it again without the refusal beep.
  void ExpectCommandOver(int command) {
    const size_t beeps = Desktop().Beeps().size();
    ASSERT_TRUE(host.RunCommand(command));
    EXPECT_NE(FileDialog(), nullptr);
    EXPECT_EQ(Desktop().Beeps().size(), beeps);
    CancelFileDialog();
  }
};

TEST_F(CommandTest, DirectionZeroImportsAndAnyOtherExports) {
  std::ofstream(HostFile(std::u16string(darvik::kCommandTablePath)))
      << "取込=ReconXfer.dll,0,102\n書出=ReconXfer.dll,1,103\n書出2=ReconXfer.dll,2,104\n書出F=ReconXfer.dll,65535,"
         "105\n";
  Start();
  for (const auto& [command, caption] : std::vector<std::pair<int, std::u16string>>{
           {102, kOpenCaption}, {103, kSaveCaption}, {104, kSaveCaption}, {105, kSaveCaption}}) {
    SCOPED_TRACE(command);
    ASSERT_TRUE(host.RunCommand(command));
    ASSERT_NE(host.Screen(caption), nullptr);
    EXPECT_EQ(FileDialogFolder(), kCard);
    CancelFileDialog();
    ExpectCommandOver(command);
  }
}

TEST_F(CommandTest, TheImportStartsInTheKeptFolderAndTheExportOnTheStorageCard) {
  CopySampleSet(u"\\Storage Card\\2026");
  Start();
  Import(u"SAMPLE.IMF", u"2026");
  ASSERT_TRUE(host.RunCommand(kImportCommand));
  EXPECT_EQ(FileDialogFolder(), u"\\Storage Card\\2026");
  CancelFileDialog();
  ASSERT_TRUE(host.RunCommand(kExportCommand));
  EXPECT_EQ(FileDialogFolder(), kCard);
  CancelFileDialog();
}

// Refusing the confirmation reads and writes nothing and ends the command.
TEST_F(CommandTest, TheConfirmationNamesOnlyTheFileAndCutsANameTooLongForIt) {
  const std::u16string longName = std::u16string(90, u'L') + u".IMF";
  CopySampleSet(u"\\Storage Card\\sub");
  WriteFile(u"\\Storage Card\\sub\\" + longName, "B01,\"SAMPLE既知.CSV\",\r\n");
  Start();
  struct Case {
    int command;
    std::u16string name;
    std::u16string question;
  };
  const std::vector<Case> cases = {
      {kImportCommand, u"SAMPLE.IMF", u"[SAMPLE.IMF" + std::u16string(kImportTail)},
      {kImportCommand, longName,
       u"[" + longName.substr(0, 97 - std::u16string(kImportTail).size()) + u"…" + kImportTail},
      {kExportCommand, u"NEW.IMF", u"[NEW.IMF" + std::u16string(kExportTail)},
      {kExportCommand, longName,
       u"[" + longName.substr(0, 97 - std::u16string(kExportTail).size()) + u"…" + kExportTail},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Sjis(c.name));
    ASSERT_TRUE(host.RunCommand(c.command));
    Desktop().QueueAnswer(IDCANCEL);
    if (c.command == kImportCommand) {
      if (FileDialogFolder() == kCard) ChooseEntry(u"sub");
      ChooseEntry(c.name);
    } else {
      NameFile(c.name);
    }
    EXPECT_EQ(LastBox().text, c.question);
    EXPECT_LE(LastBox().text.size(), 99u);
    EXPECT_EQ(ProgressDialog(), nullptr);
    ExpectCommandOver(c.command);
  }
  EXPECT_EQ(Cards().size(), 0u);
  EXPECT_EQ(FilesIn(kCard), std::vector<std::u16string>{});
}

TEST_F(CommandTest, EnableEventAndCloseDoNothingAtAnyTime) {
  CopySampleSet();
  Start();
  using Value = int(WINAPI*)(int);
  using Plain = int(WINAPI*)();
  const std::u16string plugin = std::u16string(darvik::kCommandFolder) + u"\\ReconXfer.dll";
  const std::vector<int> results = Desktop().Ui([&] {
    HMODULE module = ::LoadLibraryW(plugin.c_str());
    auto find = [&](const char* name) { return reinterpret_cast<void (*)()>(::GetProcAddress(module, name)); };
    const auto enable = reinterpret_cast<Value>(find("JCadEnable"));
    const auto event = reinterpret_cast<Value>(find("JCadEvent"));
    const auto close = reinterpret_cast<Plain>(find("JCadClose"));
    std::vector<int> given;
    for (int round = 0; round < 2; ++round) given.insert(given.end(), {enable(0), enable(1), event(7), close()});
    ::FreeLibrary(module);
    return given;
  });
  EXPECT_EQ(results, (std::vector<int>{0, 1, 7, 0, 0, 1, 7, 0}));
  Import(u"SAMPLE.IMF");
  EXPECT_EQ(LastBox().text, u"取り込みが終了しました。");
}

}  // namespace
