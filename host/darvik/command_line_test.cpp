// The host's command line: the device folder, the one mode (--dump,
// --script FILE or --web PORT) and what is refused, and the screen sizes
// of the two models.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "darvik_app.h"

namespace {

struct LineCase {
  const char* name;
  std::vector<const char*> arguments;
  bool accepted;
  int webPort;
};

class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, ParsesOneModeAndRefusesTheRest) {
  std::vector<char*> argv{const_cast<char*>("darvik")};
  for (const char* argument : GetParam().arguments) argv.push_back(const_cast<char*>(argument));
  darvik::HostOptions options;
  std::ostringstream errors;
  EXPECT_EQ(darvik::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &options, errors),
            GetParam().accepted);
  EXPECT_EQ(errors.str().empty(), GetParam().accepted) << errors.str();
  if (GetParam().accepted) {
    EXPECT_EQ(options.webPort, GetParam().webPort);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(LineCase{"nothing", {}, true, -1},
                      LineCase{"web", {"--device", "/tmp/d", "--web", "8080"}, true, 8080},
                      LineCase{"web_any_port", {"--web", "0"}, true, 0},
                      LineCase{"web_highest_port", {"--web", "65535"}, true, 65535},
                      LineCase{"web_without_port", {"--web"}, false, -1},
                      LineCase{"web_port_too_high", {"--web", "65536"}, false, -1},
                      LineCase{"web_port_negative", {"--web", "-1"}, false, -1},
                      LineCase{"web_port_not_a_number", {"--web", "80x"}, false, -1},
                      LineCase{"web_and_dump", {"--web", "0", "--dump"}, false, -1},
                      LineCase{"web_and_script", {"--script", "a.txt", "--web", "0"}, false, -1},
                      LineCase{"dump_and_script", {"--dump", "--script", "a.txt"}, false, -1},
                      LineCase{"unknown", {"--fast"}, false, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceScreenSize, IsTallerOnTheTallerModel) {
  EXPECT_EQ(darvik::DeviceScreenSize(false).cx, 240);
  EXPECT_EQ(darvik::DeviceScreenSize(false).cy, 320);
  EXPECT_EQ(darvik::DeviceScreenSize(true).cx, 240);
  EXPECT_EQ(darvik::DeviceScreenSize(true).cy, 400);
}

}  // namespace
