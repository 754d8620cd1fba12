// Tests of the export run in the host as a person runs it: registered cards
// written byte for byte in database order with their sight lines and photos
// and the index naming only the files with lines; files without lines and
// unregistered cards left out; the progress by card records; "中止" removing
// every file of the set; a full storage card and an index file that cannot be
// made failing the export without leaving files, a map that cannot be read
// failing it before any file is touched; and cards that cannot be written
// whole counted in the end message.
#include <plat/device.h>

#include "xfer_host.h"

namespace {

using namespace xfer_test;
using plugin_test::MakePoint;

NavRecord Card(LONG kind, LONG surveyed, LONG origin, std::vector<LONG> attr, LONG date,
               const std::u16string& remarks) {
  NavRecord card{};
  card.surveyed = surveyed;
  card.kind = kind;
  card.origin = origin;
  std::copy(remarks.begin(), remarks.end(), card.remarks);
  card.surveyDate = date;
  attr.resize(11, -1);
  std::copy(attr.begin(), attr.end(), card.attr);
  return card;
}
NavRecord Registered(LONG kind) { return Card(kind, 1, 2, {}, -1, u""); }
NavRecord Imported(LONG kind) { return Card(kind, 0, 1, {}, -1, u""); }

PntRecord Point(LONG number, const char16_t* name, double x, double y, LONG hasZ = 0, double z = 0) {
  PntRecord point = MakePoint(number, name, x, y, 8, 11);
  point.hasZ = hasZ;
  point.z = z;
  return point;
}

// The nine names of the set OUT.IMF, for an earlier export's files.
std::vector<std::u16string> SetFiles(const std::u16string& base, const std::u16string& index) {
  std::vector<std::u16string> names = {index};
  for (const char16_t* suffix : {u"既知.CSV", u"既知見通.CSV", u"既知写真.CSV", u"街基.CSV", u"街基見通.CSV",
                                 u"街基写真.CSV", u"街区.CSV", u"街区見通.CSV", u"街区写真.CSV"}) {
    names.push_back(base + suffix);
  }
  return names;
}

class ExportTest : public XferHostTest {
 protected:
  void TearDown() override { plat::SetDeviceCapacity(0); }

  void WriteEarlierExport(const std::u16string& base, const std::u16string& index) {
    for (const std::u16string& name : SetFiles(base, index)) WriteFile(std::u16string(kCard) + u"\\" + name, "old\r\n");
  }
  // Starts the export into name and answers the confirmation.
  void StartExport(const std::u16string& name) {
    ASSERT_TRUE(host.RunCommand(kExportCommand));
    EXPECT_EQ(FileDialogFolder(), kCard);
    Desktop().QueueAnswer(IDOK);
    NameFile(name);
    ASSERT_NE(ProgressDialog(), nullptr);
  }
  std::string Exported(const std::u16string& name) { return ReadFile(std::u16string(kCard) + u"\\" + name); }
};

TEST_F(ExportTest, WritesTheRegisteredCardsByteForByteAndAnIndexOfTheFilesWithLines) {
  Start();
  AddCard(Point(101, u"見本三角点", 85.25, -60.5, 1, 12.5),
          Card(1, 1, 1, {13, 1, 2, 2, 2, 2, 2, 2, 1, 1, -1}, 20260507, u"屋上,要許可"),
          {{u"北北東の鉄塔", 1, 2}, {u"南", -1, 0}}, {{1, 20260507, 93015, u"近景"}});
  AddCard(Point(900, u"未踏査", 1, 1), Imported(1), {{u"東", 1, 1}}, {{2, 20260507, 100000, u"x"}});
  AddCard(Point(201, u"街基201", 60, 10), Card(2, 1, 2, {12, 1, 3, 1, 3, 1, 2}, -1, u""), {},
          {{3, 20260507, 120000, u""}});
  AddCard(Point(301, u"街区301", 20, -30, 1, 0), Card(3, 1, 1, {6, 1, 3, 2, 3, 1, 2}, 20260418, u"鋲"));
  AddCard(Point(102, u"甲点", 40, 75.25), Registered(1));

  StartExport(u"OUT.IMF");
  EXPECT_EQ(Desktop().MessageBoxes().back().text, u"[OUT.IMF]\nのファイルに登録を開始します。\nよろしいですか？");
  EXPECT_EQ(Desktop().MessageBoxes().back().type, UINT{MB_OKCANCEL | MB_ICONEXCLAMATION});
  Desktop().QueueAnswer(IDOK);
  RunToEnd();
  EXPECT_EQ(LastBox().text, u"書き出しが終了しました。");
  EXPECT_EQ(LastBox().caption, u"終了確認");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONINFORMATION});

  EXPECT_EQ(FilesIn(kCard),
            (std::vector<std::u16string>{u"OUT.IMF", u"OUT既知.CSV", u"OUT既知写真.CSV", u"OUT既知見通.CSV",
                                         u"OUT街区.CSV", u"OUT街基.CSV", u"OUT街基写真.CSV"}));
  EXPECT_EQ(Exported(u"OUT.IMF"),
            Sjis(u"B00,\r\nB01,\"OUT既知.CSV\",\r\nB02,\"OUT既知見通.CSV\",\r\nB03,\"OUT既知写真.CSV\",\r\nB99,\r\n"
                 u"C00,\r\nC01,\"OUT街基.CSV\",\r\nC03,\"OUT街基写真.CSV\",\r\nC99,\r\n"
                 u"D00,\r\nD01,\"OUT街区.CSV\",\r\nD99,\r\n"));
  EXPECT_EQ(Exported(u"OUT既知.CSV"),
            Sjis(u"101,\"見本三角点\",1,85.2500000,-60.5000000,12.5000000,,13,,,,,,1,2,2,2,2,2,2,1,1,,20260507,"
                 u"\"屋上,要許可\",\r\n"
                 u"102,\"甲点\",2,40.0000000,75.2500000,,,,,,,,,,,,,,,,,,,,\"\",\r\n"));
  EXPECT_EQ(Exported(u"OUT既知見通.CSV"), Sjis(u"101,0,\"北北東の鉄\",1,2,\r\n101,1,\"南\",,0,\r\n"));
  EXPECT_EQ(Exported(u"OUT既知写真.CSV"), Sjis(u"101,0,1,20260507, 93015,\"近景\",,\r\n"));
  EXPECT_EQ(Exported(u"OUT街基.CSV"), Sjis(u"201,\"街基201\",2,60.0000000,10.0000000,,,,,,,12,1,3,1,3,1,2,,\"\",\r\n"));
  EXPECT_EQ(Exported(u"OUT街基写真.CSV"), Sjis(u"201,0,3,20260507,120000,\"\",,\r\n"));
  EXPECT_EQ(Exported(u"OUT街区.CSV"),
            Sjis(u"301,\"街区301\",1,20.0000000,-30.0000000,0.0000000,,,,6,1,,,3,2,3,,,1,2,20260418,\"鋲\",\r\n"));
}

// The files of an earlier export with the same names are emptied at the
// start, so those left without lines go too.
TEST_F(ExportTest, ALoneKnownCardWithTwoSightLinesLeavesItsTwoFilesAndTheIndex) {
  WriteEarlierExport(u"SURVEY", u"Survey.imf");
  Start();
  AddCard(Point(5, u"A", 1, 2), Registered(1), {{u"北", 1, 0}, {u"西", 2, 1}});
  AddCard(Point(6, u"B", 1, 2), Imported(2), {{u"東", 1, 1}});
  Export(u"Survey.imf");
  EXPECT_EQ(LastBox().text, u"書き出しが終了しました。");
  EXPECT_EQ(FilesIn(kCard), (std::vector<std::u16string>{u"SURVEY既知.CSV", u"SURVEY既知見通.CSV", u"Survey.imf"}));
  EXPECT_EQ(Exported(u"Survey.imf"),
            Sjis(u"B00,\r\nB01,\"SURVEY既知.CSV\",\r\nB02,\"SURVEY既知見通.CSV\",\r\nB99,\r\n"));
  EXPECT_EQ(Exported(u"SURVEY既知見通.CSV"), Sjis(u"5,0,\"北\",1,0,\r\n5,1,\"西\",2,1,\r\n"));
}

TEST_F(ExportTest, WithoutRegisteredCardsNothingIsLeftAndAnEmptyMapCreatesNothing) {
  WriteEarlierExport(u"OUT", u"OUT.IMF");
  Start();
  Export(u"OUT.IMF");
  EXPECT_EQ(LastBox().text, u"書き出しが終了しました。");
  EXPECT_EQ(FilesIn(kCard).size(), 10u) << "no card to read: no file is created, none touched";

  AddCard(Point(6, u"B", 1, 2), Imported(1));
  Export(u"OUT.IMF");
  EXPECT_EQ(LastBox().text, u"書き出しが終了しました。");
  EXPECT_EQ(FilesIn(kCard), std::vector<std::u16string>{});
}

TEST_F(ExportTest, CancelAfterTheFirstCardRemovesEveryFileOfTheSet) {
  WriteEarlierExport(u"OUT", u"OUT.IMF");
  WriteFile(u"\\Storage Card\\keep.txt", "mine");
  Start();
  for (LONG number : {1, 2, 3}) AddCard(Point(number, u"P", 1, 2), Registered(1), {{u"北", 1, 0}});
  StartExport(u"OUT.IMF");
  ASSERT_TRUE(RunUntil([&] { return Progress() > 0; }));
  EXPECT_EQ(Progress(), 33);
  const size_t boxes = Boxes();
  ASSERT_TRUE(Desktop().Click(Desktop().FindControl(ProgressDialog(), IDCANCEL)));
  EXPECT_EQ(ProgressDialog(), nullptr);
  Desktop().Advance(1000);
  EXPECT_EQ(Boxes(), boxes) << "no message after 中止";
  EXPECT_EQ(FilesIn(kCard), std::vector<std::u16string>{u"keep.txt"});
}

TEST_F(ExportTest, ProgressCountsEveryCardRecordAndReaches100AtTheLast) {
  Start();
  for (LONG number = 1; number <= 25; ++number) {
    AddCard(Point(number, u"P", 1, 2), number % 5 == 0 ? Registered(2) : Imported(2));
  }
  StartExport(u"OUT.IMF");
  ASSERT_TRUE(RunUntil([&] { return Progress() == 96; }));
  EXPECT_FALSE(MessageBoxOpen());
  ASSERT_TRUE(RunUntil([&] { return MessageBoxOpen(); }));
  EXPECT_EQ(Progress(), 100);
  const size_t boxes = Boxes();
  Desktop().Advance(2000);  // ticks while the end message is open do nothing
  EXPECT_EQ(Boxes(), boxes);
  ASSERT_TRUE(Desktop().AnswerMessageBox(IDOK));
  RunToEnd();
  const std::string lines = Exported(u"OUT街基.CSV");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 5) << "every fifth record is registered";
}

// Nothing of a failed export is left looking complete.
TEST_F(ExportTest, AFullStorageCardFailsTheExportAndRemovesItsFiles) {
  Start();
  for (LONG number = 1; number <= 30; ++number) {
    AddCard(Point(number, u"P", 1, 2), Registered(1), {{u"北", 1, 0}, {u"南", 1, 0}, {u"東", 1, 0}});
  }
  plat::SetDeviceCapacity(plat::DeviceUsedBytes() + 1500);
  Export(u"OUT.IMF");
  const std::u16string& text = LastBox().text;
  EXPECT_EQ(text.rfind(u"書き出しに失敗しました。\nファイルに書き込めません: OUT既知", 0), 0u) << Sjis(text);
  EXPECT_EQ(text.substr(text.size() - 18), u"\n書き出したファイルは削除しました。");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONSTOP});
  EXPECT_EQ(FilesIn(kCard), std::vector<std::u16string>{});
}

TEST_F(ExportTest, AnIndexFileThatCannotBeMadeFailsTheExportAndRemovesItsFiles) {
  std::filesystem::create_directories(HostFile(u"\\Storage Card\\OUT.IMF"));
  Start();
  AddCard(Point(1, u"P", 1, 2), Registered(3));
  Export(u"OUT.IMF");
  EXPECT_EQ(LastBox().text,
            u"書き出しに失敗しました。\nファイルに書き込めません: OUT.IMF\n書き出したファイルは削除しました。");
  EXPECT_EQ(FilesIn(kCard), std::vector<std::u16string>{});
}

// A map that cannot be walked any more when the export starts: an earlier
// export's files are not touched.
TEST_F(ExportTest, AMapThatCannotBeReadFailsTheExportBeforeAnyFileIsTouched) {
  WriteEarlierExport(u"OUT", u"OUT.IMF");
  Start();
  AddCard(Point(1, u"P", 1, 2), Registered(1));
  StartExport(u"OUT.IMF");
  Desktop().QueueAnswer(IDOK);
  Desktop().Ui([] { Geopane_Close(); });
  RunToEnd();
  EXPECT_EQ(LastBox().text, u"書き出しに失敗しました。\n地図データベースを読めません。");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONSTOP});
  EXPECT_EQ(FilesIn(kCard).size(), 10u);
  EXPECT_EQ(Exported(u"OUT既知.CSV"), "old\r\n");
}

TEST_F(ExportTest, ARegisteredCardThatCannotBeWrittenIsCountedInTheEndMessage) {
  Start();
  AddCard(Point(1, u"P", 1, 2), Registered(4));
  AddCard(Point(2, u"Q", 1, 2), Registered(1));
  Export(u"OUT.IMF");
  EXPECT_EQ(LastBox().text, u"一部のカードを書き出せませんでした: 1 件\n座標、見通状況または写真を読めません。");
  EXPECT_EQ(LastBox().type, UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(Exported(u"OUT既知.CSV"), "2,\"Q\",2,1.0000000,2.0000000,,,,,,,,,,,,,,,,,,,,\"\",\r\n");
}

}  // namespace
