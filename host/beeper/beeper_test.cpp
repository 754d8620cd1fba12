// Tests of the host's sounds: each kind reaches the display as its
// MessageBeep type, recorded by the headless desktop; unknown kinds are
// refused silently.
#include <beeper.h>
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>

#include <vector>

namespace {

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Start([] {
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    });
  }
  void TearDown() override { desktop.Stop(); }
  plat::HeadlessDesktop desktop;
};

TEST_F(Sounds, EachKindReachesTheDisplayAsItsBeepType) {
  struct Case {
    int kind;
    UINT beepType;
  };
  const Case cases[] = {{2, MB_ICONASTERISK},     {0, MB_OK},           {1, MB_ICONHAND},
                        {3, MB_ICONEXCLAMATION}, {4, MB_ICONQUESTION}};
  std::vector<UINT> expected;
  for (const Case& c : cases) {
    EXPECT_EQ(desktop.Ui([&] { return SoundBeep(c.kind); }), 0) << c.kind;
    expected.push_back(c.beepType);
  }
  EXPECT_EQ(desktop.Beeps(), expected);
}

TEST_F(Sounds, UnknownKindsAreRefusedWithoutASound) {
  for (int kind : {-1, 5, 1000}) EXPECT_NE(desktop.Ui([&] { return SoundBeep(kind); }), 0) << kind;
  EXPECT_TRUE(desktop.Beeps().empty());
}

}  // namespace
