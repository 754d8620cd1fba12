// Tests of the interchange format library, called directly: reading lines
// (line ends, the running byte count, the bounded line), splitting fields in
// all five ways and the bounded field, the conversions with their limits and
// character boundaries, lenient numbers, record codes, the nine file names,
// the index file, the card, visibility and photo lines against the writer's
// format strings, reading card lines back, and the progress percentage.
#include "imf_format.h"

#include <gtest/gtest.h>
#include <plat/codepage.h>
#include <plat/device.h>
#include <plat/text_format.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Code page 932 bytes of a text.
std::string Sjis(const std::u16string& text) { return plat::text::WideToAnsi(text); }

std::vector<std::string> SplitAll(std::string_view line, int count) {
  std::vector<std::string> fields;
  for (int at = 0; at < count; ++at) {
    ImfField field;
    NextField(line, field);
    fields.emplace_back(field.View());
  }
  return fields;
}

// ---- ReadLine, on device files ----

class ReadLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "imf-format-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    plat::SetDeviceRoot(root_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  struct Read {
    std::vector<std::string> lines;
    std::vector<bool> tooLong;
    DWORD bytes = 0;
  };
  Read ReadAll(const std::string& content) {
    std::ofstream(root_ + "/lines.csv", std::ios::binary) << content;
    CFile file;
    EXPECT_TRUE(file.Open(u"\\lines.csv", CFile::modeRead));
    Read read;
    ImfLine line;
    ImfRead result;
    while ((result = ReadLine(file, line, read.bytes)) == ImfRead::Line) {
      read.lines.emplace_back(line.View());
      read.tooLong.push_back(line.tooLong);
    }
    EXPECT_EQ(result, ImfRead::End);
    EXPECT_EQ(ReadLine(file, line, read.bytes), ImfRead::End) << "the end stays the end";
    return read;
  }

  std::string root_;
};

TEST_F(ReadLineTest, EndsLinesAtLfDropsFromCrAndCountsEveryByte) {
  struct Case {
    const char* what;
    std::string content;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"empty file", "", {}},
      {"CR LF lines", "a,b,\r\nc,\r\n", {"a,b,", "c,"}},
      {"last line without LF", "a\r\nb", {"a", "b"}},
      {"empty lines between LFs", "\n\r\n\n", {"", "", ""}},
      {"bytes after CR dropped", "a\rjunk\nb\r\r\n", {"a", "b"}},
      {"LF alone", "x\ny\n", {"x", "y"}},
  };
  for (const Case& c : cases) {
    const Read read = ReadAll(c.content);
    EXPECT_EQ(read.lines, c.lines) << c.what;
    EXPECT_EQ(read.bytes, c.content.size()) << c.what;
  }
}

// At most 255 bytes of a line, a CR counted; the rest of a longer line is
// read and dropped, never taken for a new line.
TEST_F(ReadLineTest, HoldsAtMost255BytesAndMarksALongerLine) {
  struct Case {
    std::string content;
    size_t kept;
    bool tooLong;
  };
  const std::string x255(255, 'x');
  const std::vector<Case> cases = {
      {std::string(254, 'x') + "\r\nB\r\n", 254, false},
      {x255 + "\nB\n", 255, false},
      {x255 + "\r\nB\r\n", 255, true},
      {x255 + "y\nB\n", 255, true},
      {x255 + std::string(300, ',') + "\r\nB\r\n", 255, true},
  };
  for (const Case& c : cases) {
    const Read read = ReadAll(c.content);
    ASSERT_EQ(read.lines.size(), 2u) << c.content.size();
    EXPECT_EQ(read.lines[0], std::string(c.kept, 'x')) << c.content.size();
    EXPECT_EQ(read.tooLong[0], c.tooLong) << c.content.size();
    EXPECT_EQ(read.lines[1], "B");
    EXPECT_FALSE(read.tooLong[1]);
    EXPECT_EQ(read.bytes, c.content.size());
  }
}

TEST(ReadLineFailure, AFileThatCannotBeReadFails) {
  CFile notOpen;
  ImfLine line;
  DWORD bytes = 0;
  EXPECT_EQ(ReadLine(notOpen, line, bytes), ImfRead::Failed);
}

// ---- NextField ----

TEST(NextField, SplitsInEachOfItsFiveWays) {
  struct Case {
    const char* line;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      // no comma, no quote: the whole rest
      {"abc", {"abc", "", ""}},
      // only a quote: between the quotes, the rest stays; without a second quote empty
      {"\"abc\"xyz", {"abc", "xyz", ""}},
      {"\"abc", {"", "abc", ""}},
      // a comma and no quote before it
      {"a,b,", {"a", "b", "", ""}},
      {",,", {"", "", ""}},
      {" a ,b", {" a ", "b"}},
      {"a,\"b\",c", {"a", "b", "c"}},
      // a quote before the first comma: up to the next quote, then past the next comma
      {"\"a,b\",c,", {"a,b", "c", ""}},
      {"\"\",x", {"", "x"}},
      {"\"ab\"cd,e", {"ab", "e"}},
      {"x\"b\",c", {"b", "c"}},
      {"\"a,b", {"", "b"}},
      {"\"1\"2\",1,", {"1", "1", ""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitAll(c.line, static_cast<int>(c.fields.size())), c.fields) << c.line;
  }
}

TEST(NextField, NeverTakesADoubleByteTrailForASeparator) {
  // The trail bytes of these characters lie at 0x40 and above, well above ',' and '"'.
  const std::string line = Sjis(u"\"表示,ソフト\",能力,");
  EXPECT_EQ(SplitAll(line, 3), (std::vector<std::string>{Sjis(u"表示,ソフト"), Sjis(u"能力"), ""}));
}

TEST(NextField, KeepsTheWholeCharactersOfAnOverLongFieldAndMarksIt) {
  struct Case {
    std::string field;
    std::string kept;
  };
  const std::string a = Sjis(u"あ");
  std::string aa64;
  for (int at = 0; at < 64; ++at) aa64 += a;
  const std::vector<Case> cases = {
      {std::string(127, 'x'), std::string(127, 'x')},
      {std::string(200, 'x'), std::string(127, 'x')},
      {"y" + aa64, "y" + aa64.substr(0, 126)},
      {aa64, aa64.substr(0, 126)},  // 127 bytes would split the 64th character
  };
  for (const Case& c : cases) {
    const std::string line = c.field + ",next";
    std::string_view rest = line;
    ImfField field;
    NextField(rest, field);
    EXPECT_EQ(std::string(field.View()), c.kept) << c.field.size();
    EXPECT_EQ(field.cut, c.field.size() > 127) << c.field.size();
    EXPECT_EQ(rest, "next");
  }
}

// ---- conversions ----

TEST(ToWideField, RemovesTrailingBlanksThenKeepsLimitLessOneCharacters) {
  struct Case {
    std::string bytes;
    int limit;
    std::u16string wide;
  };
  const std::vector<Case> cases = {
      {"ABC  ", 17, u"ABC"},
      {"  A B ", 17, u"  A B"},
      {Sjis(u"本町\u3000"), 17, u"本町\u3000"},  // only U+0020 counts as a blank
      {"ABCDEFGHIJKLMNOPQRS", 17, u"ABCDEFGHIJKLMNOP"},
      {Sjis(u"東京都千代田区"), 4, u"東京都"},
      {"ABC   ", 4, u"ABC"},
      {"", 17, u""},
  };
  for (const Case& c : cases) {
    WCHAR output[64];
    std::fill(std::begin(output), std::end(output), u'#');
    ToWideField(c.bytes, output, c.limit);
    EXPECT_EQ(std::u16string(output), c.wide) << c.bytes;
  }
}

TEST(ToMbcsField, KeepsShorterTextWholeAndCutsLongerAtACharacterBoundary) {
  struct Case {
    std::u16string text;
    int limit;
    std::u16string kept;
  };
  const std::vector<Case> cases = {
      {u"ABC", 21, u"ABC"},
      {u"12345678901234567890", 21, u"12345678901234567890"},
      {u"123456789012345678901", 21, u"12345678901234567890"},
      {u"北北東の鉄塔", 11, u"北北東の鉄"},  // 12 bytes: five characters fit in 10
      {u"a北北東の鉄塔", 11, u"a北北東の"},  // a sixth character would make 11
      {u"", 11, u""},
  };
  for (const Case& c : cases) {
    char output[64];
    const int stored = ToMbcsField(c.text.c_str(), output, c.limit);
    EXPECT_EQ(std::string(output), Sjis(c.kept)) << Sjis(c.text);
    EXPECT_EQ(stored, static_cast<int>(Sjis(c.kept).size()));
    EXPECT_LT(stored, c.limit);
  }
}

TEST(LenientNumbers, ReadAsFarAsTheyGoAndGiveZeroWithoutDigits) {
  const std::vector<std::pair<const char*, LONG>> longs = {{"123", 123}, {" 12", 12}, {"-3x", -3},          {"+7", 7},
                                                           {"abc", 0},   {"", 0},     {"  260507", 260507}, {"1.9", 1}};
  for (const auto& [text, value] : longs) EXPECT_EQ(ReadLong(text), value) << text;
  const std::vector<std::pair<const char*, double>> reals = {
      {"-10.5", -10.5}, {" \t20.25", 20.25}, {"1e3", 1000}, {"1e", 1}, {"2.5E-1x", 0.25}, {".5", 0.5},
      {"5.", 5},        {"-.e3", 0},         {"abc", 0},    {"", 0},   {"inf", 0},        {"0x10", 0}};
  for (const auto& [text, value] : reals) EXPECT_DOUBLE_EQ(ReadReal(text), value) << text;
}

// ---- the index file ----

TEST(RecordCode, KnowsTheEighteenCodesOnlyAtTheStartWithTheirComma) {
  const std::vector<std::pair<const char*, ImfRecord>> cases = {
      {"A00,", ImfRecord::A00},           {"A01,1,0,0,1,1,x", ImfRecord::A01},
      {"A99,", ImfRecord::A99},           {"B00,", ImfRecord::B00},
      {"B01,\"X.CSV\",", ImfRecord::B01}, {"B02,", ImfRecord::B02},
      {"B03,", ImfRecord::B03},           {"B99,", ImfRecord::B99},
      {"C00,", ImfRecord::C00},           {"C01,", ImfRecord::C01},
      {"C02,", ImfRecord::C02},           {"C03,", ImfRecord::C03},
      {"C99,", ImfRecord::C99},           {"D00,", ImfRecord::D00},
      {"D01,", ImfRecord::D01},           {"D02,", ImfRecord::D02},
      {"D03,", ImfRecord::D03},           {"D99,", ImfRecord::D99},
      {"B01", ImfRecord::Other},          {" B01,", ImfRecord::Other},
      {"b01,", ImfRecord::Other},         {"B04,", ImfRecord::Other},
      {"E01,", ImfRecord::Other},         {"", ImfRecord::Other},
  };
  for (const auto& [line, record] : cases) EXPECT_EQ(RecordCode(line), record) << line;
}

TEST(IndexRecords, GiveTheFileNameAndTheBackgroundImage) {
  WCHAR name[kImfNameChars + 1];
  EXPECT_TRUE(ReadIndexName(Sjis(u"B01,\"SURVEY既知.CSV\","), name));
  EXPECT_EQ(std::u16string(name), u"SURVEY既知.CSV");
  EXPECT_TRUE(ReadIndexName("C01,bare.csv", name));
  EXPECT_EQ(std::u16string(name), u"bare.csv");
  EXPECT_TRUE(ReadIndexName("D01,", name));
  EXPECT_EQ(std::u16string(name), u"");
  EXPECT_FALSE(ReadIndexName("B01,\"" + std::string(128, 'n') + "\",", name)) << "a cut name is not trusted";

  ImfBackground image;
  ASSERT_TRUE(ReadBackground("A01,1,-100.5,-120,100,120.25,\"MAP.BMP\",", image));
  EXPECT_EQ(image.x1, -100.5);
  EXPECT_EQ(image.y1, -120);
  EXPECT_EQ(image.x2, 100);
  EXPECT_EQ(image.y2, 120.25);
  EXPECT_EQ(std::u16string(image.name), u"MAP.BMP");
  EXPECT_FALSE(image.cut);
  ASSERT_TRUE(ReadBackground("A01,1,0,0,1,1,map.bmp", image));
  EXPECT_EQ(std::u16string(image.name), u"map.bmp");
  EXPECT_FALSE(ReadBackground("A01,2,0,0,1,1,\"MAP.BMP\",", image)) << "only flag 1 places an image";
  EXPECT_FALSE(ReadBackground("A01,,0,0,1,1,\"MAP.BMP\",", image));
}

TEST(ImfFileNames, AreTheUpperCaseNameWithoutItsFirstImfAndEachSuffix) {
  CStringW names[IMF_FILE_COUNT];
  ImfFileNames(u"survey.imf", names);
  const std::u16string all[IMF_FILE_COUNT] = {u"SURVEY既知.CSV", u"SURVEY既知見通.CSV", u"SURVEY既知写真.CSV",
                                              u"SURVEY街基.CSV", u"SURVEY街基見通.CSV", u"SURVEY街基写真.CSV",
                                              u"SURVEY街区.CSV", u"SURVEY街区見通.CSV", u"SURVEY街区写真.CSV"};
  for (int file = 0; file < IMF_FILE_COUNT; ++file) EXPECT_EQ(std::u16string(names[file]), all[file]);

  const std::vector<std::pair<std::u16string, std::u16string>> cases = {
      {u"data.imf", u"DATA既知.CSV"},           {u"Survey", u"SURVEY既知.CSV"}, {u"a.IMF.imf", u"A.IMF既知.CSV"},
      {u"x.imfdata.imf", u"XDATA.IMF既知.CSV"}, {u".IMF", u".IMF既知.CSV"},     {u"現場ａ.imf", u"現場Ａ既知.CSV"},
  };
  for (const auto& [index, known] : cases) {
    ImfFileNames(index.c_str(), names);
    EXPECT_EQ(std::u16string(names[IMF_KNOWN_CARD]), known) << Sjis(index);
  }
}

TEST(FormatIndex, WritesOnlyTheSectionsAndRecordsThatHaveLines) {
  CStringW names[IMF_FILE_COUNT];
  ImfFileNames(u"S.IMF", names);
  struct Case {
    const char* what;
    int counts[IMF_FILE_COUNT];
    std::u16string index;
  };
  const std::vector<Case> cases = {
      {"nothing", {0, 0, 0, 0, 0, 0, 0, 0, 0}, u""},
      {"a known card with two sight lines",
       {1, 2, 0, 0, 0, 0, 0, 0, 0},
       u"B00,\r\nB01,\"S既知.CSV\",\r\nB02,\"S既知見通.CSV\",\r\nB99,\r\n"},
      {"sight lines without a card line give no section", {0, 3, 1, 0, 0, 0, 0, 0, 0}, u""},
      {"reference and urban-block points",
       {0, 0, 0, 2, 0, 0, 1, 1, 4},
       u"C00,\r\nC01,\"S街基.CSV\",\r\nC99,\r\n"
       u"D00,\r\nD01,\"S街区.CSV\",\r\nD02,\"S街区見通.CSV\",\r\nD03,\"S街区写真.CSV\",\r\nD99,\r\n"},
  };
  for (const Case& c : cases) {
    const CStringA index = FormatIndex(names, c.counts);
    EXPECT_EQ(std::string(index.GetString()), Sjis(c.index)) << c.what;
  }
}

TEST(FormatIndex, CutsALongNameTo259Bytes) {
  CStringW names[IMF_FILE_COUNT];
  ImfFileNames(std::u16string(300, u'N').c_str(), names);
  const int counts[IMF_FILE_COUNT] = {1, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::string(FormatIndex(names, counts).GetString()),
            "B00,\r\nB01,\"" + std::string(259, 'N') + "\",\r\nB99,\r\n");
}

// ---- the lines ----

constexpr const char* kKnownFormat = "%ld,\"%s\",%d,%.7f,%.7f,%s,,%s,,,,,,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,\"%s\",\r\n";
constexpr const char* kRefFormat = "%ld,\"%s\",%d,%.7f,%.7f,%s,,,,,,%s,%s,%s,%s,%s,%s,%s,%s,\"%s\",\r\n";
constexpr const char* kBlockFormat = "%ld,\"%s\",%d,%.7f,%.7f,%s,,,,%s,%s,,,%s,%s,%s,,,%s,%s,%s,\"%s\",\r\n";

struct CardCase {
  const char* what;
  LONG kind;
  std::u16string name;
  LONG attr[11];
  double z;
  LONG hasZ;
  LONG date;
  std::u16string remarks;
};

NavRecord CardOf(const CardCase& c) {
  NavRecord card{};
  card.surveyed = 1;
  card.kind = c.kind;
  card.origin = 2;
  std::copy(c.remarks.begin(), c.remarks.end(), card.remarks);
  card.surveyDate = c.date;
  std::copy(std::begin(c.attr), std::end(c.attr), card.attr);
  return card;
}
PntRecord PointOf(const CardCase& c) {
  PntRecord point{};
  point.number = 123;
  point.name = c.name.c_str();
  point.x = -10.5;
  point.y = 20.25;
  point.z = c.z;
  point.hasZ = c.hasZ;
  return point;
}

// What the writer's format strings give for the card, the attribute texts
// in slot order.
std::string Expected(const CardCase& c) {
  std::string texts[11];
  for (int slot = 0; slot < 11; ++slot) texts[slot] = c.attr[slot] >= 0 ? std::to_string(c.attr[slot]) : "";
  const std::string z = c.hasZ ? plat::text::Format("%.7f", c.z) : "";
  const std::string date = c.date >= 0 ? plat::text::Format("%8ld", c.date) : "";
  char name[64], remarks[64];
  ToMbcsField(c.name.c_str(), name, 21);
  ToMbcsField(c.remarks.c_str(), remarks, 32);
  auto t = [&](int slot) { return texts[slot].c_str(); };
  if (c.kind == 1) {
    return plat::text::Format(kKnownFormat, 123, name, 2, -10.5, 20.25, z.c_str(), t(0), t(1), t(2), t(3), t(4), t(5),
                              t(6), t(7), t(8), t(9), t(10), date.c_str(), remarks);
  }
  return plat::text::Format(c.kind == 2 ? kRefFormat : kBlockFormat, 123, name, 2, -10.5, 20.25, z.c_str(), t(0), t(1),
                            t(2), t(3), t(4), t(5), t(6), date.c_str(), remarks);
}

const std::vector<CardCase>& CardCases() {
  static const std::vector<CardCase> cases = {
      {"known, all entered",
       1,
       u"本町1",
       {11, 1, 2, 0, 1, 2, 0, 1, 2, 3, 1},
       12.5,
       1,
       20260507,
       u"北側,ガードレール横"},
      {"known, nothing entered", 1, u"", {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 0, 0, -1, u""},
      {"known, long name",
       1,
       u"見本県見本市見本町一丁目一",
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       -3.25,
       1,
       19990101,
       u"x"},
      {"reference", 2, u"R-7", {13, 2, 5, 12, 81, 3, 2, -1, -1, -1, -1}, 0, 0, 20251231, u"備考"},
      {"urban-block", 3, u"街区\"7", {14, 5, 3, 4, 92, 0, -1, -1, -1, -1, -1}, 100, 1, 1, u"remarks"},
  };
  return cases;
}

TEST(FormatCardLine, IsWhatTheWritersFormatStringsGive) {
  for (const CardCase& c : CardCases()) {
    EXPECT_EQ(std::string(FormatCardLine(CardOf(c), PointOf(c)).GetString()), Expected(c)) << c.what;
  }
}

TEST(FormatCardLine, WritesTheKnownPointExampleExactly) {
  const CardCase& c = CardCases()[0];
  EXPECT_EQ(std::string(FormatCardLine(CardOf(c), PointOf(c)).GetString()),
            Sjis(u"123,\"本町1\",2,-10.5000000,20.2500000,12.5000000,,11,,,,,,1,2,0,1,2,0,1,2,3,1,20260507,"
                 u"\"北側,ガードレール横\",\r\n"));
  NavRecord unknown = CardOf(c);
  unknown.kind = 4;
  EXPECT_TRUE(FormatCardLine(unknown, PointOf(c)).IsEmpty());
}

TEST(FormatEntryLines, WriteSightLinesAndPhotosWithTheirFieldsInPlace) {
  struct Case {
    const char* what;
    CStringA line;
    std::u16string expected;
  };
  const LookEntry north{u"北北東の鉄塔", 1, 2};
  const LookEntry unset{u"", -1, -1};
  const PhotoEntry morning{1, 20260507, 93015, u"近景"};
  const PhotoEntry noon{3, 20260507, 120000, u""};
  const PhotoEntry absent{-1, -1, -1, u"x"};
  const std::vector<Case> cases = {
      {"sight line cut at a character", FormatLookLine(12, 0, north), u"12,0,\"北北東の鉄\",1,2,\r\n"},
      {"sight line without codes", FormatLookLine(12, 4, unset), u"12,4,\"\",,,\r\n"},
      {"photo time with a leading blank", FormatPhotoLine(7, 0, morning), u"7,0,1,20260507, 93015,\"近景\",,\r\n"},
      {"photo at noon", FormatPhotoLine(7, 1, noon), u"7,1,3,20260507,120000,\"\",,\r\n"},
      {"photo without kind, date, time", FormatPhotoLine(7, 8, absent), u"7,8,,,,\"x\",,\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(c.line.GetString()), Sjis(c.expected)) << c.what;
}

TEST(ParseCardLine, ReadsTheKnownPointExample) {
  PntRecord point;
  NavRecord card;
  ASSERT_TRUE(ParseCardLine(1, "123,\"ABC\",1,-10.5,20.25,,,,,,,,,,,,,,,,,,,,\"\",", point, card));
  EXPECT_EQ(point.number, 123);
  EXPECT_EQ(std::u16string(point.name), u"ABC");
  EXPECT_EQ(point.x, -10.5);
  EXPECT_EQ(point.y, 20.25);
  EXPECT_EQ(point.hasZ, 0);
  EXPECT_EQ(point.z, 0);
  EXPECT_EQ(card.surveyed, 0);
  EXPECT_EQ(card.kind, 1);
  EXPECT_EQ(card.origin, 1);
  for (LONG code : card.attr) EXPECT_EQ(code, -1);
  EXPECT_EQ(card.surveyDate, -1);
  EXPECT_EQ(std::u16string(card.remarks), u"");
}

TEST(ParseCardLine, ReadsAnEmptyLineAsPointZero) {
  for (LONG kind : {1, 2, 3}) {
    PntRecord point;
    point.name = u"old";
    NavRecord card;
    ASSERT_TRUE(ParseCardLine(kind, "", point, card));
    EXPECT_EQ(point.number, 0);
    EXPECT_EQ(std::u16string(point.name), u"");
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
    EXPECT_EQ(point.hasZ, 0);
    EXPECT_EQ(card.surveyDate, -1);
    EXPECT_EQ(card.attr[0], -1);
  }
}

TEST(ParseCardLine, TakesTheDateOnlyFromAFieldOfExactlyEightBytes) {
  const std::vector<std::pair<const char*, LONG>> cases = {{"20260507", 20260507}, {"2026050", -1}, {"202605070", -1},
                                                           {"  260507", 260507},   {"", -1},        {"2026-5-7", 2026}};
  for (const auto& [date, value] : cases) {
    PntRecord point;
    NavRecord card;
    const std::string line = std::string("1,\"A\",1,0,0,,,,,,,,,,,,,,,,,,,") + date + ",\"\",";
    ASSERT_TRUE(ParseCardLine(1, line, point, card));
    EXPECT_EQ(card.surveyDate, value) << date;
  }
}

// Each kind's columns read back into the slots they were written from; the
// slots a kind does not carry stay 0.
TEST(ParseCardLine, ReadsBackWhatTheWriterWrote) {
  for (const CardCase& c : CardCases()) {
    PntRecord point;
    NavRecord card;
    const CStringA line = FormatCardLine(CardOf(c), PointOf(c));
    ASSERT_TRUE(ParseCardLine(c.kind, std::string_view(line.GetString()).substr(0, line.GetLength() - 2), point, card));
    const NavRecord written = CardOf(c);
    const int slots = c.kind == 1 ? 11 : 7;
    for (int slot = 0; slot < 11; ++slot) EXPECT_EQ(card.attr[slot], slot < slots ? written.attr[slot] : 0) << c.what;
    EXPECT_EQ(card.surveyDate, c.date) << c.what;
    EXPECT_EQ(point.number, 123);
    EXPECT_EQ(point.hasZ, c.hasZ) << c.what;
    EXPECT_EQ(point.z, c.hasZ ? c.z : 0) << c.what;
    EXPECT_EQ(card.origin, 1) << "the import always stores origin 1";
  }
  // The comma inside the remarks survives, a name is read back as far as 16
  // characters, an inner quote cuts the name there and loses the rest of it.
  const std::vector<std::pair<size_t, std::u16string>> names = {
      {0, u"本町1"}, {2, u"見本県見本市見本町一"}, {4, u"街区"}};
  for (const auto& [at, name] : names) {
    PntRecord point;
    NavRecord card;
    const CardCase& c = CardCases()[at];
    ParseCardLine(c.kind, FormatCardLine(CardOf(c), PointOf(c)).GetString(), point, card);
    EXPECT_EQ(std::u16string(point.name), name);
    EXPECT_EQ(std::u16string(card.remarks), c.remarks);
  }
}

TEST(ParseCardLine, RefusesALineWithACutFieldAndCutsTextToItsCharacters) {
  PntRecord point;
  NavRecord card;
  EXPECT_FALSE(ParseCardLine(2, "1,\"" + std::string(130, 'n') + "\",1,0,0,", point, card));
  EXPECT_FALSE(ParseCardLine(4, "1,\"A\",", point, card)) << "no layout for kind 4";
  ASSERT_TRUE(ParseCardLine(
      3, "1,\"" + std::string(40, 'n') + "\",1,0,0,,,,,,,,,,,,,,,,,\"" + std::string(40, 'r') + "\",", point, card));
  EXPECT_EQ(std::u16string(point.name), std::u16string(16, u'n'));
  EXPECT_EQ(std::u16string(card.remarks), std::u16string(30, u'r'));
}

TEST(ProgressPercent, IsDoneOfTotalCutTowardZeroAnd100WithoutATotal) {
  struct Case {
    double done, total;
    int percent;
  };
  const std::vector<Case> cases = {{0, 0, 100}, {3, 0.05, 100}, {0, 25, 0},   {1, 3, 33},
                                   {2, 3, 66},  {24, 25, 96},   {25, 25, 100}};
  for (const Case& c : cases) EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
}

}  // namespace
