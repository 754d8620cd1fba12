// Who may talk to the browser display: only requests addressed to the
// server's own host and port, from no origin or the page's own, with the
// token; and tokens are long, hexadecimal and fresh each time.
#include <gtest/gtest.h>

#include <set>

#include "request_guard.h"

namespace plat::web {
namespace {

constexpr int kPort = 8123;
const std::string kToken = "0123456789abcdef0123456789abcdef";

struct GuardCase {
  const char* name;
  RequestFacts request;
  bool served;
};

class GuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardTest, ServesOnlyItsOwnPage) {
  EXPECT_EQ(Refusal(GetParam().request, kPort, kToken).empty(), GetParam().served);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, GuardTest,
    ::testing::Values(
        GuardCase{"page_without_origin", {"127.0.0.1:8123", false, "", true, kToken}, true},
        GuardCase{"localhost", {"localhost:8123", false, "", true, kToken}, true},
        GuardCase{"own_origin", {"127.0.0.1:8123", true, "http://127.0.0.1:8123", true, kToken}, true},
        GuardCase{"no_token", {"127.0.0.1:8123", false, "", false, ""}, false},
        GuardCase{"wrong_token", {"127.0.0.1:8123", false, "", true, "0123456789abcdef0123456789abcdee"}, false},
        GuardCase{"token_prefix", {"127.0.0.1:8123", false, "", true, "0123456789abcdef"}, false},
        GuardCase{"rebound_name", {"attacker.example:8123", false, "", true, kToken}, false},
        GuardCase{"other_port", {"127.0.0.1:8124", false, "", true, kToken}, false},
        GuardCase{"no_host", {"", false, "", true, kToken}, false},
        GuardCase{"foreign_origin", {"127.0.0.1:8123", true, "http://attacker.example", true, kToken}, false},
        GuardCase{"origin_of_other_port", {"127.0.0.1:8123", true, "http://127.0.0.1:9000", true, kToken}, false},
        GuardCase{"null_origin", {"127.0.0.1:8123", true, "null", true, kToken}, false},
        GuardCase{"https_origin", {"127.0.0.1:8123", true, "https://127.0.0.1:8123", true, kToken}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NewToken, GivesFresh32DigitHexTokens) {
  std::set<std::string> tokens;
  for (int i = 0; i < 20; ++i) {
    const std::string token = NewToken();
    EXPECT_EQ(token.size(), 32u);
    EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
    tokens.insert(token);
  }
  EXPECT_EQ(tokens.size(), 20u);
}

}  // namespace
}  // namespace plat::web
