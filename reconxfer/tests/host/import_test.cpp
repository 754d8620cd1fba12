// Tests of the import run in the host as a person runs it: the sample set
// stored line by line as imported points and cards with its background
// image, the folder kept and the map redrawn; ticks during the end message
// doing nothing; which card files the index names; a set imported twice;
// the failures that stop the import with an error and keep what was stored;
// the gaps that are named instead of the end message; and "中止".
#include <darvik_app.h>
#include <device_layout.h>

#include "xfer_host.h"

namespace {

using namespace xfer_test;

struct ExpectedCard {
  LONG number;
  std::u16string name;
  LONG kind;
  double x, y;
  LONG hasZ;
  double z;
  std::vector<LONG> attr;  // all eleven slots
  LONG date;
  std::u16string remarks;
};

const std::vector<ExpectedCard>& SampleCards() {
  const LONG n = -1;
  static const std::vector<ExpectedCard> cards = {
      {101,
       u"見本三角点",
       1,
       85.25,
       -60.5,
       1,
       12.34,
       {13, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2},
       20260420,
       u"屋上,管理者の許可が必要"},
      {102, u"甲点", 1, 40, 75.25, 0, 0, {21, 1, 2, 1, 2, 1, 1, 1, 1, 2, 1}, -1, u""},
      {103, u"乙号基準点", 1, -70.5, -20.75, 1, 3.5, {22, n, n, n, n, n, n, n, n, n, n}, -1, u"標識未確認"},
      {201, u"街基201", 2, 60, 10, 1, 8.125, {12, 1, 3, 1, 3, 1, 2, 0, 0, 0, 0}, 20260415, u"歩道上"},
      {202, u"街基202", 2, -15.5, -85, 0, 0, {13, 2, 2, 12, 81, 2, 2, 0, 0, 0, 0}, -1, u""},
      {203, u"街基203", 2, -90, 55.5, 0, 0, {n, n, n, n, n, n, n, 0, 0, 0, 0}, -1, u""},
      {301, u"街区301", 3, 20, -30, 0, 0, {6, 1, 3, 2, 3, 1, 2, 0, 0, 0, 0}, 20260418, u"鋲,縁石上"},
      {302, u"街区302", 3, 25, -5, 0, 0, {6, 1, 5, 8, 19, 2, 1, 0, 0, 0, 0}, -1, u""},
      {303, u"街区303", 3, 0, 30, 1, 2.75, {14, 5, 4, 10, 81, 3, 2, 0, 0, 0, 0}, -1, u"ペンキ"},
      {304, u"街区304", 3, -40, 35, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1, u"所有者立会い要"},
  };
  return cards;
}

LONG ClassOfKind(LONG kind) { return kind == 1 ? 8 : kind == 2 ? 10 : 3; }

void ExpectImported(const StoredCard& stored, const ExpectedCard& expected) {
  SCOPED_TRACE(expected.number);
  EXPECT_EQ(stored.point.number, expected.number);
  EXPECT_EQ(std::u16string(stored.point.name), expected.name);
  EXPECT_EQ(stored.point.x, expected.x);
  EXPECT_EQ(stored.point.y, expected.y);
  EXPECT_EQ(stored.point.hasZ, expected.hasZ);
  EXPECT_EQ(stored.point.z, expected.z);
  EXPECT_EQ(stored.point.classCode, ClassOfKind(expected.kind));
  EXPECT_EQ(stored.point.stateCode, 1);
  EXPECT_EQ(stored.point.spare1, 0);
  EXPECT_EQ(stored.point.spare2, 0);
  EXPECT_EQ(stored.card.surveyed, 0);
  EXPECT_EQ(stored.card.kind, expected.kind);
  EXPECT_EQ(stored.card.origin, 1);
  EXPECT_EQ(std::vector<LONG>(std::begin(stored.card.attr), std::end(stored.card.attr)), expected.attr);
  EXPECT_EQ(stored.card.surveyDate, expected.date);
  EXPECT_EQ(std::u16string(stored.card.remarks), expected.remarks);
}

std::vector<LONG> NumbersOf(const std::vector<StoredCard>& cards, size_t from = 0) {
  std::vector<LONG> numbers;
  for (size_t at = from; at < cards.size(); ++at) numbers.push_back(cards[at].point.number);
  return numbers;
}

// A card line of the kind's file with only the number and name filled in.
std::string CardLine(LONG number) { return std::to_string(number) + ",\"P" + std::to_string(number) + "\",1,1,2,\r\n"; }

class ImportTest : public XferHostTest {
 protected:
  // Card files of the tests' own sets in a folder: K.CSV (point 1), K2.CSV
  // (2), R1.CSV (11), R2.CSV (12), U.CSV (21), E.CSV (5, then an empty line).
  void WriteCardFiles(const std::u16string& folder) {
    for (const auto& [name, number] : std::vector<std::pair<std::u16string, LONG>>{
             {u"K.CSV", 1}, {u"K2.CSV", 2}, {u"R1.CSV", 11}, {u"R2.CSV", 12}, {u"U.CSV", 21}}) {
      WriteFile(folder + u"\\" + name, CardLine(number));
    }
    WriteFile(folder + u"\\E.CSV", CardLine(5) + "\r\n");
  }
  void CancelConfirmedImport() { ASSERT_TRUE(Desktop().Click(Desktop().FindControl(ProgressDialog(), IDCANCEL))); }
};

TEST_F(ImportTest, StoresTheSampleSetAsImportedPointsAndCardsAndKeepsItsFolder) {
  CopySampleSet();
  Start();
  const unsigned revision = MapRevision();
  ASSERT_TRUE(host.RunCommand(kImportCommand));
  EXPECT_EQ(FileDialogFolder(), kCard) << "no import kept yet: the storage card";
  Desktop().QueueAnswer(IDOK);
  ChooseEntry(u"SAMPLE.IMF");
  EXPECT_EQ(LastBox().text, u"[SAMPLE.IMF]\nのファイルを取り込みます。\nよろしいですか？");
  EXPECT_EQ(LastBox().caption, u"確認");
  EXPECT_EQ(LastBox().type, UINT{MB_OKCANCEL | MB_ICONEXCLAMATION});
  ASSERT_NE(ProgressDialog(), nullptr);

  ASSERT_TRUE(RunUntil([&] { return MessageBoxOpen(); }));
  EXPECT_EQ(LastBox().text, u"取り込みが終了しました。");
  EXPECT_EQ(LastBox().caption, u"終了確認");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONINFORMATION});
  EXPECT_EQ(Progress(), 100);
  const size_t boxes = Boxes();
  Desktop().Advance(200);  // timer ticks keep arriving while the end message is open
  EXPECT_EQ(Boxes(), boxes);
  EXPECT_EQ(Cards().size(), SampleCards().size());
  ASSERT_TRUE(Desktop().AnswerMessageBox(IDOK));
  RunToEnd();

  const std::vector<StoredCard> cards = Cards();
  ASSERT_EQ(cards.size(), SampleCards().size());
  for (size_t at = 0; at < cards.size(); ++at) ExpectImported(cards[at], SampleCards()[at]);
  EXPECT_EQ(KeptImport(), std::make_pair(std::u16string(kCard), std::u16string(u"SAMPLE.IMF")));
  EXPECT_GT(MapRevision(), revision);
  EXPECT_EQ(DrawnPoints().size(), SampleCards().size()) << "the map is redrawn with the new points";

  GeopaneBackground image{};
  ASSERT_EQ(Desktop().Ui([&] { return Geopane_GetBackground(&image); }), 0);
  EXPECT_EQ(std::u16string(image.path), u"\\Storage Card\\SAMPLE.BMP");
  EXPECT_EQ(image.px1, 0);
  EXPECT_EQ(image.py1, 80) << "the lower-left corner (0, height)";
  EXPECT_EQ(image.x1, -100);
  EXPECT_EQ(image.y1, -120);
  EXPECT_EQ(image.px2, 96) << "the upper-right corner (width, 0)";
  EXPECT_EQ(image.py2, 0);
  EXPECT_EQ(image.x2, 100);
  EXPECT_EQ(image.y2, 120);
}

TEST_F(ImportTest, ReadsTheCardFilesThatTheIndexNamesInKindOrder) {
  WriteCardFiles(u"\\Storage Card\\sets");
  struct Case {
    std::u16string index;
    std::string content;
    std::vector<LONG> numbers;
  };
  const std::vector<Case> cases = {
      {u"ONLYB.IMF", "B01,\"K.CSV\",\r\n", {1}},
      {u"ORDER.IMF",
       "D01,\"U.CSV\",\r\nC01,\"R1.CSV\",\r\nC01,\"R2.CSV\",\r\nB01,\"K.CSV\",\r\nB00,\r\nB99,\r\n",
       {1, 12, 21}},
      {u"IGNORED.IMF", "b01,\"K.CSV\",\r\n B01,\"K.CSV\",\r\nB01\"K.CSV\"\r\nX01,\"K.CSV\",\r\n\r\n", {}},
      {u"NOIMAGE.IMF", "A01,2,0,0,10,10,\"NONE.BMP\",\r\nB01,\"K2.CSV\",\r\n", {2}},
      {u"EMPTY.IMF", "B01,\"E.CSV\",\r\n", {5, 0}},
  };
  for (const Case& c : cases) WriteFile(u"\\Storage Card\\sets\\" + c.index, c.content);
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(Sjis(c.index));
    const size_t before = Cards().size();
    Import(c.index, u"sets");
    EXPECT_EQ(LastBox().text, u"取り込みが終了しました。");
    EXPECT_EQ(NumbersOf(Cards(), before), c.numbers);
    EXPECT_EQ(KeptImport(), std::make_pair(std::u16string(u"\\Storage Card\\sets"), c.index));
  }
  const StoredCard zero = Cards().back();
  EXPECT_EQ(std::u16string(zero.point.name), u"");
  EXPECT_EQ(zero.point.x, 0);
  EXPECT_EQ(zero.point.y, 0);
  EXPECT_EQ(zero.point.hasZ, 0);
  EXPECT_EQ(zero.card.kind, 1);
  GeopaneBackground image{};
  EXPECT_NE(Desktop().Ui([&] { return Geopane_GetBackground(&image); }), 0) << "A01 with flag 2 is ignored";
}

TEST_F(ImportTest, ImportingASetTwiceCreatesEveryPointAndCardTwice) {
  CopySampleSet();
  Start();
  Import(u"SAMPLE.IMF");
  Import(u"SAMPLE.IMF");
  const std::vector<StoredCard> cards = Cards();
  ASSERT_EQ(cards.size(), 2 * SampleCards().size());
  for (size_t at = 0; at < cards.size(); ++at) ExpectImported(cards[at], SampleCards()[at % SampleCards().size()]);
}

// What was stored stays; the folder is not kept and the map not redrawn.
TEST_F(ImportTest, AMissingUrbanBlockFileOrIndexFileStopsTheImportWithAnError) {
  WriteCardFiles(u"\\Storage Card");
  WriteFile(u"\\Storage Card\\NOD.IMF", "B01,\"K.CSV\",\r\nC01,\"R1.CSV\",\r\nD01,\"NONE.CSV\",\r\n");
  WriteFile(u"\\Storage Card\\GONE.IMF", "B01,\"K.CSV\",\r\n");
  Start();
  const unsigned revision = MapRevision();
  Import(u"NOD.IMF");
  EXPECT_EQ(LastBox().text, u"取り込みを中断しました。\nファイルを開けません: NONE.CSV\n取り込んだ点: 2 点");
  EXPECT_EQ(LastBox().caption, u"終了確認");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONSTOP});
  EXPECT_EQ(NumbersOf(Cards()), (std::vector<LONG>{1, 11}));
  EXPECT_EQ(KeptImport().first, u"");
  EXPECT_EQ(MapRevision(), revision);

  ASSERT_TRUE(host.RunCommand(kImportCommand));
  ChooseEntry(u"GONE.IMF");
  ASSERT_TRUE(MessageBoxOpen());  // the confirmation
  std::filesystem::remove(HostFile(u"\\Storage Card\\GONE.IMF"));
  Desktop().QueueAnswer(IDOK);
  ASSERT_TRUE(Desktop().AnswerMessageBox(IDOK));
  RunToEnd();
  EXPECT_EQ(LastBox().text, u"取り込みを中断しました。\nファイルを開けません: GONE.IMF\n取り込んだ点: 0 点");
  EXPECT_EQ(Cards().size(), 2u);
}

// A point store that stops taking points (the map closed under the import)
// stops the import: no card is written under a point that was not created.
TEST_F(ImportTest, AMapDatabaseThatRefusesAPointStopsTheImport) {
  CopySampleSet();
  Start();
  ASSERT_TRUE(host.RunCommand(kImportCommand));
  Desktop().QueueAnswer(IDOK);
  Desktop().QueueAnswer(IDOK);
  ChooseEntry(u"SAMPLE.IMF");
  ASSERT_TRUE(RunUntil([&] { return Cards().size() == 2; }));
  Desktop().Ui([] { Geopane_Close(); });
  RunToEnd();
  EXPECT_EQ(LastBox().text, u"取り込みを中断しました。\n地図データベースに書き込めません。\n取り込んだ点: 2 点");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONSTOP});

  ASSERT_EQ(Desktop().Ui([] { return Geopane_Open(darvik::kMapDatabasePath); }), 0);
  const std::vector<StoredCard> cards = Cards();
  ASSERT_EQ(cards.size(), 2u);
  for (size_t at = 0; at < cards.size(); ++at) ExpectImported(cards[at], SampleCards()[at]);
  EXPECT_EQ(KeptImport().first, u"");
}

// The rest is stored, the folder kept and the map redrawn, but the end
// message names what did not come in.
TEST_F(ImportTest, NamesWhatDidNotComeInInsteadOfTheEndMessage) {
  CopySampleSet();
  WriteCardFiles(u"\\Storage Card\\gaps");
  WriteFile(u"\\Storage Card\\gaps\\LONG.CSV",
            CardLine(11) + "12,\"" + std::string(300, 'x') + "\",\r\n" + CardLine(13));
  WriteFile(u"\\Storage Card\\gaps\\GAPS.IMF",
            "A01,1,0,0,10,10,\"NOIMAGE.BMP\",\r\nB01,\"NONE.CSV\",\r\nC01,\"LONG.CSV\",\r\nD01,\"U.CSV\",\r\n");
  Start();
  Import(u"SAMPLE.IMF");
  const unsigned revision = MapRevision();
  Import(u"GAPS.IMF", u"gaps");
  EXPECT_EQ(LastBox().text,
            u"一部のデータを取り込めませんでした。\n読めないファイル: NOIMAGE.BMP\n読めないファイル: NONE.CSV\n"
            u"長すぎる行: 1 行\n取り込んだ点: 3 点");
  EXPECT_EQ(LastBox().caption, u"終了確認");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(NumbersOf(Cards(), SampleCards().size()), (std::vector<LONG>{11, 13, 21}));
  EXPECT_EQ(KeptImport(), std::make_pair(std::u16string(kCard) + u"\\gaps", std::u16string(u"GAPS.IMF")));
  EXPECT_GT(MapRevision(), revision);
  GeopaneBackground image{};
  EXPECT_NE(Desktop().Ui([&] { return Geopane_GetBackground(&image); }), 0)
      << "the sample's image is removed before the missing one is looked for";
}

TEST_F(ImportTest, CancelAfterTheFirstCardFileKeepsItsPointsAndNothingElseHappens) {
  CopySampleSet(u"\\Storage Card\\first");
  CopySampleSet(u"\\Storage Card\\second");
  Start();
  Import(u"SAMPLE.IMF", u"first");
  ASSERT_TRUE(host.RunCommand(kImportCommand));
  EXPECT_EQ(FileDialogFolder(), u"\\Storage Card\\first");
  ChooseEntry(u"..");
  ChooseEntry(u"second");
  Desktop().QueueAnswer(IDOK);
  ChooseEntry(u"SAMPLE.IMF");
  const size_t known = 3;
  ASSERT_TRUE(RunUntil([&] { return Cards().size() == SampleCards().size() + known; }));
  const unsigned revision = MapRevision();
  const size_t boxes = Boxes();
  CancelConfirmedImport();
  EXPECT_EQ(ProgressDialog(), nullptr);
  Desktop().Advance(100);
  EXPECT_EQ(Boxes(), boxes) << "no message after 中止";
  EXPECT_EQ(Cards().size(), SampleCards().size() + known);
  EXPECT_EQ(MapRevision(), revision);
  EXPECT_EQ(KeptImport(), std::make_pair(std::u16string(u"\\Storage Card\\first"), std::u16string(u"SAMPLE.IMF")));
  ASSERT_TRUE(host.RunCommand(kImportCommand));
  EXPECT_EQ(FileDialogFolder(), u"\\Storage Card\\first");
}

}  // namespace
