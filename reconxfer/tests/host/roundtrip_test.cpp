// The round trip of the data through the handheld: the sample set imported,
// some of its cards registered on the card screen of the card plug-in, the
// registered cards exported, and the export imported again, which gives back
// every registered card (a remark with a comma too) as an imported card.
#include "xfer_host.h"

namespace {

using namespace xfer_test;
using plugin_test::kReconCommand;

constexpr int kRegisterButton = 1012;  // "カード登録" of the card screen
constexpr char16_t kPickCaption[] = u"踏査点を指示してください。";

class RoundTripTest : public XferHostTest {
 protected:
  // The card screen on display, found by its register button.
  HWND CardScreen() {
    for (HWND window : Desktop().VisibleTopLevels()) {
      if (Desktop().FindControl(window, kRegisterButton)) return window;
    }
    return nullptr;
  }
  // Picks the point on the map and registers its card as it stands.
  void Register(LONG number) {
    ASSERT_TRUE(host.TapPoint(number)) << number;
    HWND card = CardScreen();
    ASSERT_NE(card, nullptr) << number;
    ASSERT_TRUE(Desktop().Click(Desktop().FindControl(card, kRegisterButton)));
    ASSERT_EQ(CardScreen(), nullptr) << number;
  }
  static const StoredCard* Find(const std::vector<StoredCard>& cards, LONG number, size_t from) {
    for (size_t at = from; at < cards.size(); ++at) {
      if (cards[at].point.number == number) return &cards[at];
    }
    return nullptr;
  }
};

TEST_F(RoundTripTest, RegisteredCardsComeBackFromTheirExport) {
  CopySampleSet();
  Start();
  Import(u"SAMPLE.IMF");
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  for (LONG number : {101, 303, 202}) Register(number);
  ASSERT_TRUE(Desktop().CloseWindow(host.Screen(kPickCaption)));
  const std::vector<StoredCard> before = Cards();

  Export(u"BACK.IMF");
  EXPECT_EQ(LastBox().text, u"書き出しが終了しました。");
  EXPECT_EQ(FilesIn(kCard),
            (std::vector<std::u16string>{u"BACK.IMF", u"BACK既知.CSV", u"BACK街区.CSV", u"BACK街基.CSV", u"SAMPLE.BMP",
                                         u"SAMPLE.IMF", u"SAMPLE既知.CSV", u"SAMPLE街区.CSV", u"SAMPLE街基.CSV"}));

  Import(u"BACK.IMF");
  EXPECT_EQ(LastBox().text, u"取り込みが終了しました。");
  const std::vector<StoredCard> after = Cards();
  ASSERT_EQ(after.size(), before.size() + 3);
  for (LONG number : {101, 202, 303}) {
    SCOPED_TRACE(number);
    const StoredCard* registered = Find(before, number, 0);
    const StoredCard* back = Find(after, number, before.size());
    ASSERT_NE(registered, nullptr);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(registered->card.surveyed, 1);
    EXPECT_EQ(back->card.surveyed, 0);
    EXPECT_EQ(back->card.origin, 1);
    EXPECT_EQ(back->card.kind, registered->card.kind);
    EXPECT_EQ(std::vector<LONG>(std::begin(back->card.attr), std::end(back->card.attr)),
              std::vector<LONG>(std::begin(registered->card.attr), std::end(registered->card.attr)));
    EXPECT_EQ(back->card.surveyDate, registered->card.surveyDate);
    EXPECT_EQ(std::u16string(back->card.remarks), std::u16string(registered->card.remarks));
    EXPECT_EQ(std::u16string(back->point.name), std::u16string(registered->point.name));
    EXPECT_EQ(back->point.x, registered->point.x);
    EXPECT_EQ(back->point.y, registered->point.y);
    EXPECT_EQ(back->point.hasZ, registered->point.hasZ);
    EXPECT_EQ(back->point.z, registered->point.z);
    EXPECT_EQ(back->point.stateCode, 1);
  }
  EXPECT_EQ(std::u16string(Find(after, 101, before.size())->card.remarks), u"屋上,管理者の許可が必要");
}

}  // namespace
