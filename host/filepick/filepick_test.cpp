// Tests of the file dialogs driven as a person would through the headless
// desktop: choosing a file where the dialog starts, in a subfolder and after
// going up; the listing's order and its pattern without regard to case;
// cancelling in every way, which leaves the buffers alone; the owner and the
// size on the handheld's screen; saving under a
// typed name (extension added) or an existing file's; names refused; a start
// folder that does not exist; and the arguments refused without a dialog.
#include <afxwin.h>
#include <filepick.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <plat/headless_desktop.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resource.h"

namespace {

constexpr char16_t kOpenCaption[] = u"ファイルを開く";
constexpr char16_t kSaveCaption[] = u"ファイルの保存";
constexpr char16_t kLabel[] = u"踏査ﾃﾞｰﾀﾌｧｲﾙ(*.IMF)";
constexpr char16_t kCard[] = u"\\Storage Card";

// One thing a person does in the dialog, on the row or field named by text.
enum class Act { DoubleTap, Select, SelectAndOk, TypeName, Ok, Cancel, CloseBox };
struct Step {
  Act act;
  std::u16string text;
};

// A device folder of its own for each test:
//   \ROOT.IMF
//   \Storage Card\ A.IMF, b.imf, notes.txt, 2026\C.IMF and the folders archive, Old
class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "filepick-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    plat::SetDeviceRoot(root_);
    for (const char* file : {"ROOT.IMF", "Storage Card/A.IMF", "Storage Card/b.imf", "Storage Card/notes.txt",
                             "Storage Card/2026/C.IMF"})
      MakeFile(file);
    for (const char* folder : {"Storage Card/archive", "Storage Card/Old"})
      std::filesystem::create_directories(root_ + "/" + folder);
    desktop_.Start([] {
      while (AfxPumpMessage()) {
      }
    });
  }
  void TearDown() override {
    desktop_.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  void MakeFile(const std::string& relative) {
    const std::filesystem::path path = root_ + "/" + relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }

  // Opens the dialog (open or save) as the plug-ins do, with the pattern in
  // the name buffer, and finds it on the screen.
  void Start(bool save, const std::u16string& folder, const std::u16string& pattern = u"*.IMF") {
    SetBuffer(name_, pattern);
    SetBuffer(folder_, folder);
    desktop_.Post([this, save] {
      result_ = save ? JFileListSave(1, name_, folder_, kLabel) : JFileListOpen(name_, folder_, kLabel);
      returned_ = true;
    });
    dialog_ = desktop_.FindWindowByCaption(save ? kSaveCaption : kOpenCaption);
    ASSERT_NE(dialog_, nullptr);
  }
  static void SetBuffer(WCHAR* buffer, const std::u16string& text) { lstrcpynW(buffer, text.c_str(), FILEPICK_PATH); }

  HWND Control(int id) { return desktop_.FindControl(dialog_, id); }
  std::vector<std::u16string> Rows() {
    std::vector<std::u16string> names;
    for (const auto& row : desktop_.ListRows(Control(IDC_FILEPICK_ENTRIES))) names.push_back(row.at(0));
    return names;
  }
  int RowOf(const std::u16string& name) {
    const auto rows = Rows();
    for (size_t at = 0; at < rows.size(); ++at)
      if (rows[at] == name) return static_cast<int>(at);
    ADD_FAILURE() << "no row " << std::string(name.begin(), name.end());
    return -1;
  }
  void Do(const Step& step) {
    HWND list = Control(IDC_FILEPICK_ENTRIES);
    switch (step.act) {
      case Act::DoubleTap:
        ASSERT_TRUE(desktop_.DoubleTapRow(list, RowOf(step.text)));
        return;
      case Act::Select:
        ASSERT_TRUE(desktop_.SelectRow(list, RowOf(step.text)));
        return;
      case Act::SelectAndOk:
        ASSERT_TRUE(desktop_.SelectRow(list, RowOf(step.text)));
        ASSERT_TRUE(desktop_.Click(Control(IDOK)));
        return;
      case Act::TypeName:
        ASSERT_TRUE(desktop_.Type(Control(IDC_FILEPICK_NAME), step.text));
        return;
      case Act::Ok:
        ASSERT_TRUE(desktop_.Click(Control(IDOK)));
        return;
      case Act::Cancel:
        ASSERT_TRUE(desktop_.Click(Control(IDCANCEL)));
        return;
      case Act::CloseBox:
        ASSERT_TRUE(desktop_.CloseWindow(dialog_));
        return;
    }
  }
  void DoAll(const std::vector<Step>& steps) {
    for (const Step& step : steps) ASSERT_NO_FATAL_FAILURE(Do(step));
  }
  void ExpectChosen(const std::u16string& name, const std::u16string& folder) {
    ASSERT_TRUE(returned_);
    EXPECT_EQ(result_, FILEPICK_CHOSEN);
    EXPECT_EQ(std::u16string(name_), name);
    EXPECT_EQ(std::u16string(folder_), folder);
  }

  std::string root_;
  plat::HeadlessDesktop desktop_;
  HWND dialog_ = nullptr;
  WCHAR name_[FILEPICK_PATH] = {};
  WCHAR folder_[FILEPICK_PATH] = {};
  int result_ = -99;
  bool returned_ = false;
};

struct ChooseCase {
  const char* what;
  std::u16string start;
  std::vector<Step> steps;
  std::u16string name;
  std::u16string folder;
};

TEST_F(FileDialogTest, OpenChoosesAFileWhereverThePersonWent) {
  const std::vector<ChooseCase> cases = {
      {"double tap in the start folder", kCard, {{Act::DoubleTap, u"A.IMF"}}, u"A.IMF", kCard},
      {"select and OK in the start folder", kCard, {{Act::SelectAndOk, u"b.imf"}}, u"b.imf", kCard},
      {"double tap into a subfolder",
       kCard,
       {{Act::DoubleTap, u"2026"}, {Act::DoubleTap, u"C.IMF"}},
       u"C.IMF",
       u"\\Storage Card\\2026"},
      {"select and OK into a subfolder",
       kCard,
       {{Act::SelectAndOk, u"2026"}, {Act::SelectAndOk, u"C.IMF"}},
       u"C.IMF",
       u"\\Storage Card\\2026"},
      {"up from a subfolder", u"\\Storage Card\\2026", {{Act::DoubleTap, u".."}, {Act::DoubleTap, u"A.IMF"}},
       u"A.IMF", kCard},
      {"up to the root", kCard, {{Act::SelectAndOk, u".."}, {Act::DoubleTap, u"ROOT.IMF"}}, u"ROOT.IMF", u""},
      {"start folder with a trailing separator", u"\\Storage Card\\2026\\", {{Act::DoubleTap, u"C.IMF"}},
       u"C.IMF", u"\\Storage Card\\2026"},
      {"start folder missing: the storage card", u"\\Nowhere", {{Act::DoubleTap, u"A.IMF"}}, u"A.IMF", kCard},
      {"start folder invalid: the storage card", u"\\a*b", {{Act::DoubleTap, u"A.IMF"}}, u"A.IMF", kCard},
  };
  for (const ChooseCase& c : cases) {
    SCOPED_TRACE(c.what);
    returned_ = false;
    ASSERT_NO_FATAL_FAILURE(Start(false, c.start));
    ASSERT_NO_FATAL_FAILURE(DoAll(c.steps));
    ExpectChosen(c.name, c.folder);
  }
}

TEST_F(FileDialogTest, ListsParentFoldersThenMatchingFilesSortedAndShowsFolderAndLabel) {
  ASSERT_NO_FATAL_FAILURE(Start(false, kCard, u"*.imf"));
  EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"..", u"2026", u"archive", u"Old", u"A.IMF", u"b.imf"}));
  EXPECT_EQ(desktop_.Text(Control(IDC_FILEPICK_FOLDER)), kCard);
  EXPECT_EQ(desktop_.Text(Control(IDC_FILEPICK_TYPE)), kLabel);
  ASSERT_NO_FATAL_FAILURE(Do({Act::DoubleTap, u"Old"}));
  EXPECT_EQ(Rows(), (std::vector<std::u16string>{u".."}));
  ASSERT_NO_FATAL_FAILURE(Do({Act::DoubleTap, u".."}));
  ASSERT_NO_FATAL_FAILURE(Do({Act::DoubleTap, u".."}));
  // The root: nothing above it.
  EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"Storage Card", u"ROOT.IMF"}));
  EXPECT_EQ(desktop_.Text(Control(IDC_FILEPICK_FOLDER)), u"\\");
  ASSERT_NO_FATAL_FAILURE(Do({Act::Cancel, u""}));
}

TEST_F(FileDialogTest, IsOwnedByTheActiveWindowAndFitsTheScreen) {
  HWND host = desktop_.Ui([] {
    // lower on the screen, as a plug-in's screen below the host's bar is
    HWND window = CreateWindowExW(0, u"STATIC", u"Host", WS_POPUP | WS_VISIBLE, 0, 44, 240, 276, nullptr, nullptr,
                                  nullptr, nullptr);
    SetActiveWindow(window);
    return window;
  });
  ASSERT_NE(host, nullptr);
  ASSERT_NO_FATAL_FAILURE(Start(true, kCard));
  EXPECT_EQ(desktop_.Ui([&] { return GetWindow(dialog_, GW_OWNER); }), host);
  EXPECT_FALSE(desktop_.IsEnabled(host));
  const RECT shown = desktop_.WindowRect(dialog_);
  EXPECT_GE(shown.left, 0);
  EXPECT_GE(shown.top, 0);
  EXPECT_LE(shown.right, 240);
  EXPECT_LE(shown.bottom, 320) << "its buttons stay on the screen";
  ASSERT_NO_FATAL_FAILURE(Do({Act::Cancel, u""}));
  EXPECT_TRUE(desktop_.IsEnabled(host));
  desktop_.Ui([&] { DestroyWindow(host); });
}

TEST_F(FileDialogTest, EmptyPatternListsEveryFile) {
  ASSERT_NO_FATAL_FAILURE(Start(false, kCard, u""));
  EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"..", u"2026", u"archive", u"Old", u"A.IMF", u"b.imf",
                                                 u"notes.txt"}));
  ASSERT_NO_FATAL_FAILURE(Do({Act::Cancel, u""}));
}

TEST_F(FileDialogTest, CancelLeavesTheBuffersAsTheyWere) {
  struct CancelCase {
    const char* what;
    bool save;
    std::vector<Step> steps;
  };
  const std::vector<CancelCase> cases = {
      {"open, cancel button", false, {{Act::Select, u"A.IMF"}, {Act::Cancel, u""}}},
      {"open, close box after moving", false, {{Act::DoubleTap, u"2026"}, {Act::CloseBox, u""}}},
      {"save, cancel button after typing", true, {{Act::TypeName, u"NEW"}, {Act::Cancel, u""}}},
      {"save, close box after choosing a file", true, {{Act::Select, u"A.IMF"}, {Act::CloseBox, u""}}},
  };
  for (const CancelCase& c : cases) {
    SCOPED_TRACE(c.what);
    returned_ = false;
    ASSERT_NO_FATAL_FAILURE(Start(c.save, kCard));
    ASSERT_NO_FATAL_FAILURE(DoAll(c.steps));
    ASSERT_TRUE(returned_);
    EXPECT_EQ(result_, FILEPICK_CANCELLED);
    EXPECT_EQ(std::u16string(name_), u"*.IMF");
    EXPECT_EQ(std::u16string(folder_), kCard);
  }
}

TEST_F(FileDialogTest, SaveTakesTheTypedOrChosenName) {
  const std::vector<ChooseCase> cases = {
      {"typed without extension", kCard, {{Act::TypeName, u"SURVEY"}, {Act::Ok, u""}}, u"SURVEY.IMF", kCard},
      {"typed with the extension in other case", kCard, {{Act::TypeName, u"survey.imf"}, {Act::Ok, u""}},
       u"survey.imf", kCard},
      {"typed with another extension", kCard, {{Act::TypeName, u"a.csv"}, {Act::Ok, u""}}, u"a.csv.IMF", kCard},
      {"existing file chosen", kCard, {{Act::Select, u"b.imf"}, {Act::Ok, u""}}, u"b.imf", kCard},
      {"existing file double tapped", kCard, {{Act::DoubleTap, u"A.IMF"}}, u"A.IMF", kCard},
      {"typed in a subfolder",
       kCard,
       {{Act::DoubleTap, u"2026"}, {Act::TypeName, u"X"}, {Act::Ok, u""}},
       u"X.IMF",
       u"\\Storage Card\\2026"},
  };
  for (const ChooseCase& c : cases) {
    SCOPED_TRACE(c.what);
    returned_ = false;
    ASSERT_NO_FATAL_FAILURE(Start(true, c.start));
    ASSERT_NO_FATAL_FAILURE(DoAll(c.steps));
    ExpectChosen(c.name, c.folder);
  }
}

TEST_F(FileDialogTest, ChoosingAFileFillsTheNameField) {
  ASSERT_NO_FATAL_FAILURE(Start(true, kCard));
  ASSERT_NO_FATAL_FAILURE(Do({Act::Select, u"A.IMF"}));
  EXPECT_EQ(desktop_.Text(Control(IDC_FILEPICK_NAME)), u"A.IMF");
  ASSERT_NO_FATAL_FAILURE(Do({Act::Select, u"2026"}));  // a folder leaves the field alone
  EXPECT_EQ(desktop_.Text(Control(IDC_FILEPICK_NAME)), u"A.IMF");
  ASSERT_NO_FATAL_FAILURE(Do({Act::Cancel, u""}));
}

TEST_F(FileDialogTest, SaveRefusesBadNamesAndStaysOpen) {
  // The last name does not fit the callers' buffers together with \Storage Card.
  for (const std::u16string& typed : {std::u16string(), std::u16string(u"a:b"), std::u16string(u"dir\\x"),
                                     std::u16string(u"?"), std::u16string(FILEPICK_PATH - 10, u'n')}) {
    SCOPED_TRACE(std::string(typed.begin(), typed.begin() + std::min<size_t>(typed.size(), 8)));
    returned_ = false;
    const size_t boxesBefore = desktop_.MessageBoxes().size();
    ASSERT_NO_FATAL_FAILURE(Start(true, kCard));
    if (!typed.empty()) {
      ASSERT_NO_FATAL_FAILURE(Do({Act::TypeName, typed}));
    }
    ASSERT_NO_FATAL_FAILURE(Do({Act::Ok, u""}));
    ASSERT_EQ(desktop_.MessageBoxes().size(), boxesBefore + 1);
    EXPECT_EQ(desktop_.MessageBoxes().back().caption, u"入力エラー");
    ASSERT_TRUE(desktop_.AnswerMessageBox(IDOK));
    EXPECT_FALSE(returned_);
    EXPECT_TRUE(desktop_.IsVisible(dialog_));
    ASSERT_NO_FATAL_FAILURE(Do({Act::Cancel, u""}));
    EXPECT_EQ(result_, FILEPICK_CANCELLED);
    EXPECT_EQ(std::u16string(name_), u"*.IMF");
  }
}

TEST_F(FileDialogTest, StartsAtTheRootWhenNeitherFolderNorCardExists) {
  std::filesystem::remove_all(root_ + "/Storage Card");
  ASSERT_NO_FATAL_FAILURE(Start(false, u"\\Nowhere"));
  EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"ROOT.IMF"}));
  ASSERT_NO_FATAL_FAILURE(Do({Act::DoubleTap, u"ROOT.IMF"}));
  ExpectChosen(u"ROOT.IMF", u"");
}

TEST_F(FileDialogTest, RefusesBadArgumentsWithoutADialog) {
  WCHAR name[FILEPICK_PATH] = u"*.IMF";
  WCHAR folder[FILEPICK_PATH] = u"\\Storage Card";
  WCHAR unterminated[FILEPICK_PATH];
  std::fill(std::begin(unterminated), std::end(unterminated), u'a');
  const int results[] = {
      desktop_.Ui([&] { return JFileListSave(0, name, folder, kLabel); }),
      desktop_.Ui([&] { return JFileListSave(2, name, folder, kLabel); }),
      desktop_.Ui([&] { return JFileListOpen(nullptr, folder, kLabel); }),
      desktop_.Ui([&] { return JFileListOpen(name, nullptr, kLabel); }),
      desktop_.Ui([&] { return JFileListOpen(unterminated, folder, kLabel); }),
      desktop_.Ui([&] { return JFileListSave(1, name, unterminated, kLabel); }),
  };
  for (int result : results) EXPECT_EQ(result, FILEPICK_BAD_ARGUMENT);
  EXPECT_EQ(std::u16string(name), u"*.IMF");
  EXPECT_EQ(std::u16string(folder), kCard);
  EXPECT_TRUE(desktop_.VisibleTopLevels().empty());
}

TEST(GetCardDriveName, WritesTheStorageCardFolder) {
  WCHAR folder[FILEPICK_PATH] = u"\\Elsewhere";
  EXPECT_EQ(GetCardDriveName(folder), 0);
  EXPECT_EQ(std::u16string(folder), kCard);
  EXPECT_EQ(GetCardDriveName(nullptr), FILEPICK_BAD_ARGUMENT);
}

}  // namespace
