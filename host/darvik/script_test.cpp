// Tests of scenarios run against the host: a whole command with its
// transcript (screens, message boxes, beeps), the steps that act on the test
// plug-in's dialog and the map with their expectations, and a run that stops
// at its first failing step, naming the line and why.
#include <geopane.h>
#include <gtest/gtest.h>
#include <plat/device.h>

#include <algorithm>
#include <fstream>

#include <sstream>

#include "darvik_app.h"
#include "device_layout.h"
#include "script_runner.h"
#include "test_device.h"

namespace {

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device_.Prepared());
    device_.InstallTestPlugin();
    AddMapPoint(12, 10, 20);    // id 1
    AddMapPoint(13, -30, -40);  // id 2
  }
  static void AddMapPoint(int number, double x, double y) {
    ASSERT_EQ(Geopane_Open(darvik::kMapDatabasePath), 0);
    PntRecord point;
    point.number = number;
    point.x = x;
    point.y = y;
    int id = 0;
    EXPECT_EQ(MapdbPnt_Put(&id, point), 0);
    Geopane_Close();
  }
  int Run(const std::string& script) {
    std::istringstream input(script);
    return darvik::RunScript(input, transcript_);
  }
  darvik_test::TestDevice device_{"darvik_script_test"};
  std::ostringstream transcript_;
};

TEST_F(ScriptTest, RunsACommandToItsEndAndTheExitQuestion) {
  EXPECT_EQ(Run("# a command and the exit\n"
                "press テスト\n"
                "expect-window TestCommand\n"
                "expect-text 201 running\n"
                "press テスト\n"
                "close\n"
                "expect-window Darvik\n"
                "close\n"
                "expect-box 終了しますか？\n"
                "expect-box-caption Darvik\n"
                "answer OK\n"),
            0)
      << transcript_.str();
  EXPECT_EQ(transcript_.str(),
            "> press テスト\n"
            "screen TestCommand\n"
            "> expect-window TestCommand\n"
            "> expect-text 201 running\n"
            "> press テスト\n"
            "beep 16\n"
            "> close\n"
            "screen Darvik\n"
            "> expect-window Darvik\n"
            "> close\n"
            "box caption=\"Darvik\" text=\"終了しますか？\"\n"
            "> expect-box 終了しますか？\n"
            "> expect-box-caption Darvik\n"
            "> answer OK\n"
            "ended\n");
  EXPECT_EQ(device_.Calls().back(), "detach");
}

// Each case starts the test command; the dialog then shows combo 202 (赤, 青),
// check box 203, radio buttons 204 and 205, edit 206, disabled button 207 and
// list 208 (rows A1|B1, A2|B2) and tab control 211 (一, 二).
TEST_F(ScriptTest, ActsOnTheDialogAndTheMapAndChecksWhatItShows) {
  const char* const cases[] = {
      "choose 202 青\nexpect-selection 202 青\nchoose-index 202 0\nexpect-selection 202 赤\n",
      "expect-checked 203 0\ntick 203\nexpect-checked 203 1\nuntick 203\nexpect-checked 203 0\n",
      "radio 205\nexpect-checked 205 1\nexpect-checked 204 0\nradio 204\nexpect-checked 205 0\n",
      "type 206 abc\nexpect-text 206 abc\nexpect-enabled 206 1\nexpect-enabled 207 0\n",
      "expect-row 208 1 A2|B2\nselect-row 208 1\ndouble-tap-row 208 0\nexpect-row 208 0 A1|B1\n",
      "key Tab\nkey Shift+Tab\nkey Enter\nsettle\nadvance 1000\nexpect-window TestCommand\n",
      "expect-map-selection \ntap-point 13\nexpect-map-selection 2\ntap-point-id 1\nexpect-map-selection 1\n"
      "tap-map -29 -41\nexpect-map-selection 2\nexpect-window TestCommand\n",
      "expect-tab 211 0\ntab 211 1\nexpect-tab 211 1\n",
      "key Escape\nexpect-window Darvik\n",
  };
  for (const char* steps : cases) {
    transcript_.str("");
    EXPECT_EQ(Run(std::string("press テスト\n") + steps), 0) << transcript_.str();
    EXPECT_EQ(transcript_.str().find("FAILED"), std::string::npos) << transcript_.str();
  }
}

// The test command's buttons 209 (Open) and 210 (Save) run the file dialogs
// on "\Storage Card" with "*.txt" and log their result and the file.
TEST_F(ScriptTest, ChoosesOrCancelsInTheFileDialogs) {
  std::string hostPath;
  ASSERT_TRUE(plat::DeviceToHostPath(u"\\Storage Card\\a.txt", &hostPath));
  std::ofstream(hostPath) << "a";
  struct Case {
    const char* steps;
    const char* logged;
  };
  const Case cases[] = {
      {"click 209\nexpect-window ファイルを開く\nfile-choose a.txt\n", "open 0 \\Storage Card\\a.txt"},
      {"click 209\nfile-cancel\n", "open 1 \\Storage Card\\*.txt"},
      {"click 210\nexpect-window ファイルの保存\nfile-choose new\n", "save 0 \\Storage Card\\new.txt"},
      {"click 210\nfile-cancel\n", "save 1 \\Storage Card\\*.txt"},
  };
  for (const Case& c : cases) {
    transcript_.str("");
    const size_t callsBefore = device_.Calls().size();
    EXPECT_EQ(Run(std::string("press テスト\n") + c.steps + "expect-window TestCommand\n"), 0) << transcript_.str();
    const auto calls = device_.Calls();
    EXPECT_NE(std::find(calls.begin() + callsBefore, calls.end(), c.logged), calls.end()) << transcript_.str();
  }
  EXPECT_EQ(Run("press テスト\nclick 209\nfile-choose b.txt\n"), 1);
  EXPECT_NE(transcript_.str().find("FAILED line 3: file-choose b.txt: no entry \"b.txt\" in the file list"),
            std::string::npos)
      << transcript_.str();
}

TEST_F(ScriptTest, StopsAtTheFirstFailingStepNamingIt) {
  struct Case {
    const char* script;
    const char* lastLine;
  };
  const Case cases[] = {
      {"press テスト\nexpect-window Other\nclose\n", "FAILED line 2: expect-window Other: expected \"Other\", found \"TestCommand\""},
      {"press 欠落\n", "FAILED line 1: press 欠落: the window cannot take it"},
      {"\njump\n", "FAILED line 2: jump: unknown step"},
      {"answer OK\n", "FAILED line 1: answer OK: the window cannot take it"},
      {"press テスト\nchoose 202 緑\n", "FAILED line 2: choose 202 緑: the window cannot take it"},
      {"press テスト\nchoose-index 202 x\n", "FAILED line 2: choose-index 202 x: expected a number, found \"x\""},
      {"press テスト\nclick 207\n", "FAILED line 2: click 207: the window cannot take it"},
      {"press テスト\nexpect-checked 203 1\n", "FAILED line 2: expect-checked 203 1: expected \"1\", found \"0\""},
      {"press テスト\nexpect-enabled 207 1\n", "FAILED line 2: expect-enabled 207 1: expected \"1\", found \"0\""},
      {"press テスト\nexpect-selection 202 赤\n", "FAILED line 2: expect-selection 202 赤: expected \"赤\", found \"\""},
      {"press テスト\nexpect-row 208 5 x\n", "FAILED line 2: expect-row 208 5 x: no row 5"},
      {"press テスト\nexpect-text 299 x\n", "FAILED line 2: expect-text 299 x: no control 299 on display"},
      {"key Space\n", "FAILED line 1: key Space: unknown key (Enter, Escape, Tab, Shift+Tab)"},
      {"scroll sideways\n", "FAILED line 1: scroll sideways: unknown scroll (up, down, page-up, page-down, top, bottom)"},
      {"press テスト\ntab 299 0\n", "FAILED line 2: tab 299 0: the window cannot take it"},
      {"press テスト\ntick 206\n", "FAILED line 2: tick 206: the window cannot take it"},
      {"press テスト\ndate 206 20240101\n", "FAILED line 2: date 206 20240101: the window cannot take it"},
      {"press テスト\ndate 211 x\n", "FAILED line 2: date 211 x: expected a number, found \"x\""},
      {"advance -5\n", "FAILED line 1: advance -5: expected milliseconds of 0 or more"},
      {"toolbar 5\n", "FAILED line 1: toolbar 5: the window cannot take it"},
      {"tap-point 14\n", "FAILED line 1: tap-point 14: not on the map on display"},
      {"tap-point 12\nexpect-map-selection 2\n", "FAILED line 2: expect-map-selection 2: expected \"2\", found \"1\""},
      {"tap-map 99999 0\n", "FAILED line 1: tap-map 99999 0: not on the map on display"},
      {"tap-point x\n", "FAILED line 1: tap-point x: expected a number, found \"x\""},
      {"tap-map 1\n", "FAILED line 1: tap-map 1: expected two map coordinates"},
      {"file-choose a.txt\n", "FAILED line 1: file-choose a.txt: no file dialog on display"},
      {"file-cancel\n", "FAILED line 1: file-cancel: no file dialog on display"},
  };
  for (const Case& c : cases) {
    transcript_.str("");
    EXPECT_EQ(Run(c.script), 1) << c.script;
    const std::string text = transcript_.str();
    EXPECT_EQ(text.substr(text.rfind("FAILED")), std::string(c.lastLine) + "\n") << text;
  }
}

}  // namespace
