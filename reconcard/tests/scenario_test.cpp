// Scenarios of the host's script runner on the plug-ins: the ones run.sh
// plays (the demo map's import; the whole job: import, a card recorded on
// the map, the list, export) run to their end on a fresh device, and the
// date steps set, clear and read the card's date.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "plugin_host.h"
#include "script_runner.h"

namespace {

using plugin_test::PluginHost;

class Scenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Prepared());
    for (const auto& file : std::filesystem::directory_iterator(RECON_SOURCE_DIR "/tests/data/interchange")) {
      std::filesystem::copy_file(file.path(), host.HostPath(u"\\Storage Card") / file.path().filename());
    }
  }
  int Run(std::istream& script) { return darvik::RunScript(script, transcript); }

  PluginHost host{"reconcard_scenario_test"};
  std::ostringstream transcript;
};

// The scenarios run.sh plays, each on a fresh device.
class DemoScenario : public Scenario, public ::testing::WithParamInterface<const char*> {};

TEST_P(DemoScenario, RunsToItsEnd) {
  std::ifstream demo(std::string(RECON_SOURCE_DIR "/scripts/") + GetParam());
  ASSERT_TRUE(demo.is_open());
  EXPECT_EQ(Run(demo), 0) << transcript.str();
}

INSTANTIATE_TEST_SUITE_P(RunSh, DemoScenario, ::testing::Values("demo.scn", "demo_import.scn"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

TEST_F(Scenario, DateStepsSetClearAndReadTheCardsDate) {
  std::istringstream script(
      "press 踏査データ取込\nfile-choose SAMPLE.IMF\nanswer OK\nadvance 100\nanswer OK\n"
      "press 踏査\ntap-point 102\nexpect-date 1007 none\n"
      "date 1007 20240102\nexpect-date 1007 20240102\n"
      "date 1007 none\nexpect-date 1007 none\n"
      "tick 1007\n");
  EXPECT_EQ(Run(script), 1);
  const std::string text = transcript.str();
  EXPECT_EQ(text.substr(text.rfind("FAILED")), "FAILED line 13: tick 1007: the window cannot take it\n") << text;
}

}  // namespace
