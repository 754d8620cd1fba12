// Tests of the store before the host has chosen a command: every call fails
// and nothing is written (a process of its own, so no command is set yet).
#include <cmdcond.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>

#include <filesystem>

TEST(NoCommand, EveryCallFailsAndWritesNothing) {
  char folder[] = "/tmp/cmdcond_none_XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  plat::SetDeviceRoot(folder);
  EXPECT_NE(SetCmdJkn(u"LMemo4", u"x"), 0);
  WCHAR value[CMDCOND_VALUE_MAX + 1] = u"untouched";
  EXPECT_NE(GetCmdJkn(u"LMemo4", value), 0);
  EXPECT_NE(GetCmdJkn(u"LMemo4", value, 8), 0);
  EXPECT_EQ(std::u16string(value), u"untouched");
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  std::filesystem::remove_all(folder);
}
