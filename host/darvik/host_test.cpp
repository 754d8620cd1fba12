// Tests of the host running command plug-ins: the bar shows the command
// table, a press runs JCadMain of the test plug-in with the table's
// arguments, the plug-in's end-of-command notice makes the host call
// JCadClose, one command runs at a time, the exit question disables the
// running plug-in around itself, a missing plug-in's command is disabled,
// and the plug-ins are closed and freed at exit.
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "darvik_app.h"
#include "host_window.h"
#include "test_device.h"

namespace {

namespace fs = std::filesystem;
using darvik_test::kMissingCommand;
using darvik_test::kTestCommand;

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device_.Prepared()); }
  void TearDown() override { desktop_.reset(); }

  fs::path HostFolder() const { return device_.HostFolder(); }
  void InstallTestPlugin() { device_.InstallTestPlugin(); }
  std::vector<std::string> Calls() const { return device_.Calls(); }
  void StartHost() {
    desktop_ = std::make_unique<plat::HeadlessDesktop>();
    desktop_->Start([this] {
      darvik::RunHost();
      hostReturned_ = true;
    });
    host_ = desktop_->FindWindowByCaption(u"Darvik");
    ASSERT_NE(host_, nullptr);
  }
  HWND Button(int id) { return desktop_->FindControl(host_, id); }
  HWND PluginDialog() { return desktop_->FindWindowByCaption(u"TestCommand"); }
  void RunTestCommand() {
    ASSERT_TRUE(desktop_->Click(Button(kTestCommand)));
    ASSERT_NE(PluginDialog(), nullptr);
  }

  darvik_test::TestDevice device_{"darvik_host_test"};
  std::unique_ptr<plat::HeadlessDesktop> desktop_;
  HWND host_ = nullptr;
  std::atomic<bool> hostReturned_ = false;
};

using Lines = std::vector<std::string>;

TEST_F(HostTest, ShowsTheCommandsOfTheTableAboveTheMap) {
  InstallTestPlugin();
  StartHost();
  EXPECT_EQ(desktop_->Text(Button(kTestCommand)), u"テスト");
  EXPECT_TRUE(desktop_->IsEnabled(Button(kTestCommand)));
  EXPECT_EQ(desktop_->Text(Button(kMissingCommand)), u"欠落");
  EXPECT_FALSE(desktop_->IsEnabled(Button(kMissingCommand)));
  EXPECT_EQ(desktop_->Text(Button(darvik::kReservedExitId)), u"終了");
  HWND map = desktop_->FindByText(host_, u"GeopaneMap", u"");
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(desktop_->WindowRect(map).top - desktop_->WindowRect(Button(kTestCommand)).top, darvik::kBarHeight);
  EXPECT_EQ(Calls(), (Lines{"attach"}));  // loaded once, not run
}

TEST_F(HostTest, WritesTheDefaultTableWhenMissingAndDisablesCommandsWithoutPlugins) {
  StartHost();
  std::ifstream table(HostFolder() / "Commands.ini");
  std::stringstream text;
  text << table.rdbuf();
  EXPECT_EQ(text.str(), "踏査=ReconCard.dll,0,101\n踏査データ取込=ReconXfer.dll,0,102\n踏査データ書出=ReconXfer.dll,1,103\n");
  for (int id : {101, 102, 103}) {
    ASSERT_NE(Button(id), nullptr) << id;
    EXPECT_FALSE(desktop_->IsEnabled(Button(id))) << id;
    EXPECT_FALSE(desktop_->Click(Button(id))) << id;
  }
}

TEST_F(HostTest, APressRunsJCadMainAndTheNoticeMakesTheHostCloseThePlugin) {
  InstallTestPlugin();
  StartHost();
  RunTestCommand();
  EXPECT_EQ(Calls(), (Lines{"attach", "main 0 0 7 301"}));
  EXPECT_TRUE(desktop_->IsVisible(PluginDialog()));

  ASSERT_TRUE(desktop_->CloseWindow(PluginDialog()));  // the plug-in posts the notice
  EXPECT_EQ(Calls(), (Lines{"attach", "main 0 0 7 301", "close"}));
  EXPECT_EQ(PluginDialog(), nullptr);

  RunTestCommand();  // the command is over, so it can run again
  EXPECT_EQ(Calls().back(), "main 0 0 7 301");
}

TEST_F(HostTest, ASecondPressWhileACommandRunsIsRefusedWithABeep) {
  InstallTestPlugin();
  StartHost();
  RunTestCommand();
  const size_t beeps = desktop_->Beeps().size();
  desktop_->Click(Button(kTestCommand));
  EXPECT_EQ(desktop_->Beeps().size(), beeps + 1);
  EXPECT_EQ(Calls(), (Lines{"attach", "main 0 0 7 301"}));
}

TEST_F(HostTest, ANoticeForACommandThatDoesNotRunDoesNothing) {
  InstallTestPlugin();
  StartHost();
  desktop_->Ui([&] { ::PostMessageW(host_, WM_COMMAND, 6000, LPARAM{kTestCommand} << 16); });
  desktop_->Settle();
  RunTestCommand();
  desktop_->Ui([&] { ::PostMessageW(host_, WM_COMMAND, 6000, LPARAM{kMissingCommand} << 16); });
  desktop_->Settle();
  EXPECT_EQ(Calls(), (Lines{"attach", "main 0 0 7 301"}));
  EXPECT_NE(PluginDialog(), nullptr);
}

TEST_F(HostTest, TheExitQuestionDisablesTheRunningPluginAroundItself) {
  InstallTestPlugin();
  StartHost();
  RunTestCommand();
  ASSERT_TRUE(desktop_->CloseWindow(host_));
  ASSERT_NE(desktop_->OpenMessageBox(), nullptr);
  EXPECT_EQ(desktop_->MessageBoxes().back().text, u"終了しますか？");
  EXPECT_EQ(desktop_->MessageBoxes().back().caption, u"Darvik");
  EXPECT_EQ(Calls().back(), "enable 0");
  EXPECT_FALSE(desktop_->IsEnabled(PluginDialog()));

  ASSERT_TRUE(desktop_->AnswerMessageBox(IDCANCEL));
  EXPECT_EQ(Calls().back(), "enable 1");
  EXPECT_TRUE(desktop_->IsEnabled(PluginDialog()));
  EXPECT_TRUE(desktop_->IsVisible(host_));
}

TEST_F(HostTest, ExitClosesTheRunningCommandAndFreesThePlugins) {
  InstallTestPlugin();
  StartHost();
  RunTestCommand();
  desktop_->QueueAnswer(IDOK);
  ASSERT_TRUE(desktop_->Click(Button(darvik::kReservedExitId)));
  EXPECT_EQ(Calls(), (Lines{"attach", "main 0 0 7 301", "enable 0", "enable 1", "close", "detach"}));
  desktop_->Stop();  // waits for the UI thread, whose application has ended already
  EXPECT_TRUE(hostReturned_);
}

}  // namespace
