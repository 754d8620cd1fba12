// Tests of the command table's text: good lines, comments, and every kind of
// bad line skipped while the others still count.
#include <gtest/gtest.h>

#include "command_table.h"

namespace {

using darvik::Command;

TEST(CommandTable, TheDefaultTableReadsBackAsWritten) {
  const std::vector<Command> parsed = darvik::ParseCommandTable(darvik::FormatCommandTable(darvik::DefaultCommands()));
  ASSERT_EQ(parsed.size(), 3u);
  EXPECT_EQ(parsed[0].name, u"踏査");
  EXPECT_EQ(parsed[0].plugin, u"ReconCard.dll");
  EXPECT_EQ(parsed[2].name, u"踏査データ書出");
  EXPECT_EQ(parsed[2].subCommand, 1);
  EXPECT_EQ(parsed[2].commandId, 103);
}

TEST(CommandTable, ParsesGoodLinesAndSkipsBadOnes) {
  struct Case {
    const char* line;
    bool kept;
  };
  const Case cases[] = {
      {"A=a.dll,0,1", true},      {" B = b.dll , 2 , 65535 \r", true}, {"; comment", false},
      {"# comment", false},       {"", false},                         {"no equals", false},
      {"=a.dll,0,5", false},      {"C=,0,5", false},                   {"C=c.dll,0", false},
      {"C=c.dll,x,5", false},     {"C=c.dll,0,5x", false},             {"C=c.dll,-1,5", false},
      {"C=c.dll,0,0", false},     {"C=c.dll,0,65536", false},          {"C=c.dll,0,6000", false},
      {"C=c.dll,0,40001", false}, {"C=c.dll,65536,5", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(darvik::ParseCommandTable(c.line).size(), c.kept ? 1u : 0u) << c.line;
  }
}

TEST(CommandTable, ALaterLineWithAUsedIdIsSkipped) {
  const std::vector<Command> parsed = darvik::ParseCommandTable("A=a.dll,0,7\nbad\nB=b.dll,0,7\nC=c.dll,1,8\n");
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].name, u"A");
  EXPECT_EQ(parsed[1].name, u"C");
}

}  // namespace
