// Tests of scenarios run against the host: a whole command with its
// transcript (screens, message boxes, beeps), and a run that stops at its
// first failing step, naming the line.
#include <gtest/gtest.h>

#include <sstream>

#include "script_runner.h"
#include "test_device.h"

namespace {

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device_.Prepared());
    device_.InstallTestPlugin();
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
  };
  for (const Case& c : cases) {
    transcript_.str("");
    EXPECT_EQ(Run(c.script), 1) << c.script;
    const std::string text = transcript_.str();
    EXPECT_EQ(text.substr(text.rfind("FAILED")), std::string(c.lastLine) + "\n") << text;
  }
}

}  // namespace
