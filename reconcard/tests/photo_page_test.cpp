// Tests of the photo page hosted on the card screen's stand-in, with the
// desktop's manual clock standing at 7 May 2026, 9:05:03 and the command's
// settings on a temporary device: a new photo's row and record stamped with
// one clock reading, an update keeping the first stamp, the limit of nine,
// rows for kinds and stamps the page did not make, the kind button a row
// selects, deleting, the comments remembered newest first (the oldest
// dropped, all ten keys written at close) and Enter on a kind button
// acting as Tab.
#include <string>
#include <vector>

#include "PhotoPageDlg.h"
#include "page_test_support.h"

namespace {

using page_test::Notice;
using page_test::SameEntries;
using Strings = std::vector<std::u16string>;
using Table = std::vector<Strings>;

PhotoEntry Photo(LONG kind, LONG date, LONG time, const std::u16string& comment) {
  PhotoEntry entry{};
  entry.kind = kind;
  entry.date = date;
  entry.time = time;
  std::copy(comment.begin(), comment.end(), entry.comment);
  return entry;
}

std::u16string Key(int n) { return u"PMemo" + std::u16string(1, static_cast<char16_t>(u'0' + n)); }

plat::HeadlessDesktop::Options SeventhOfMay() {
  plat::HeadlessDesktop::Options options;
  options.start = SYSTEMTIME{2026, 5, 4, 7, 9, 5, 3, 0};
  return options;
}

class PhotoPage : public page_test::PageTest<PhotoPageDlg> {
 protected:
  PhotoPage() : PageTest(SeventhOfMay()) {}

  // Keeps the remembered comments under PMemo0 on, then opens the page.
  void Start(const Strings& remembered = {}) {
    for (size_t i = 0; i < remembered.size(); ++i) Keep(Key(static_cast<int>(i)), remembered[i]);
    Open(page_test::kPhotoColor);
  }
  void Load(const std::vector<PhotoEntry>& entries) { LoadEntries(entries); }
  std::vector<PhotoEntry> Stored() { return StoredEntries<PhotoEntry>(); }
  void Add(int kindButton, const std::u16string& comment) {
    ASSERT_TRUE(Click(kindButton));
    Retype(IDC_PHOTO_COMMENT, comment);
    ASSERT_TRUE(Click(IDC_PHOTO_ADD));
  }
  int ChosenKind() {
    for (int id : {IDC_PHOTO_NEAR, IDC_PHOTO_FAR, IDC_PHOTO_OTHER})
      if (desktop.CheckState(Control(id)) == BST_CHECKED) return id;
    return 0;
  }
};

TEST_F(PhotoPage, ANewPhotoIsListedAndStoredWithOneReadingOfTheClock) {
  Start();
  Load({});
  EXPECT_EQ(ChosenKind(), IDC_PHOTO_NEAR);
  EXPECT_EQ(Text(IDC_PHOTO_ADD), u"▼撮影完了");
  Add(IDC_PHOTO_NEAR, u"標石");
  EXPECT_EQ(Rows(IDC_PHOTO_ENTRIES), (Table{{u" 1", u"近景(標石)", u"2026/ 5/ 7  9:05:03"}}));
  EXPECT_TRUE(SameEntries<PhotoEntry>(Stored(), {Photo(1, 20260507, 90503, u"標石")}));
  EXPECT_EQ(Notices(), std::vector<WPARAM>{Notice(IDD_PHOTOPAGE)});
  EXPECT_EQ(FocusId(), IDC_PHOTO_NEAR);

  Add(IDC_PHOTO_OTHER, u"");
  EXPECT_EQ(Rows(IDC_PHOTO_ENTRIES).back(), (Strings{u" 2", u"その他()", u"2026/ 5/ 7  9:05:03"}));
  EXPECT_EQ(Stored().back().kind, 3);
  EXPECT_EQ(FocusId(), IDC_PHOTO_OTHER);
  EXPECT_EQ(Items(IDC_PHOTO_COMMENT), Strings{u"標石"}) << "an empty comment is not remembered";
}

TEST_F(PhotoPage, UpdatingAPhotoChangesKindAndCommentButKeepsItsCaptureStamp) {
  Start();
  Load({});
  Add(IDC_PHOTO_NEAR, u"標石");
  desktop.Advance(10 * 60 * 1000);

  ASSERT_TRUE(SelectRow(IDC_PHOTO_ENTRIES, 0));
  EXPECT_EQ(Text(IDC_PHOTO_ADD), u"▼データ更新");
  EXPECT_TRUE(Enabled(IDC_PHOTO_DELETE));
  Add(IDC_PHOTO_FAR, u"遠望");
  EXPECT_TRUE(SameEntries<PhotoEntry>(Stored(), {Photo(2, 20260507, 90503, u"遠望")}))
      << "a shorter comment leaves no trace of the longer one either";
  EXPECT_EQ(Rows(IDC_PHOTO_ENTRIES), (Table{{u" 1", u"遠景(遠望)", u"2026/ 5/ 7  9:05:03"}}));
  EXPECT_EQ(Notices().size(), 2u);

  Load(Stored());
  Add(IDC_PHOTO_NEAR, u"新規");
  EXPECT_EQ(Stored().back().time, 91503) << "a new photo takes the clock as it stands now";
}

TEST_F(PhotoPage, NinePhotosRefuseATenth) {
  Start();
  const std::vector<PhotoEntry> nine(9, Photo(1, 20260501, 120000, u"済"));
  Load(nine);
  ClearNotices();
  desktop.QueueAnswer(IDOK);
  Add(IDC_PHOTO_FAR, u"十枚目");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes().back(),
            (std::pair<std::u16string, std::u16string>{u"制限エラー", u"撮影状況は、最大９件まで登録できます。"}));
  EXPECT_EQ(desktop.MessageBoxes().back().type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(SameEntries(Stored(), nine));
  EXPECT_TRUE(Notices().empty());
  EXPECT_TRUE(Items(IDC_PHOTO_COMMENT).empty()) << "a refused comment is not remembered";
}

TEST_F(PhotoPage, RowsShowKindWordsAndStampsAsFarAsTheyAreKnownAndSelectTheNearestKind) {
  Start();
  struct Case {
    PhotoEntry entry;
    std::u16string kindAndComment;
    std::u16string stamp;
    int kindButton;  // chosen when the row is selected
  };
  const Case cases[] = {
      {Photo(0, 20260507, 90503, u"a"), u"(a)", u"2026/ 5/ 7  9:05:03", IDC_PHOTO_NEAR},
      {Photo(2, 19991231, 235959, u"b"), u"遠景(b)", u"1999/12/31 23:59:59", IDC_PHOTO_FAR},
      {Photo(7, 20260507, -1, u"c"), u"(c)", u"2026/ 5/ 7", IDC_PHOTO_OTHER},
      {Photo(3, -1, 90503, u"d"), u"その他(d)", u"", IDC_PHOTO_OTHER},
      {Photo(1, 20261120, 5, u""), u"近景()", u"2026/11/20  0:00:05", IDC_PHOTO_NEAR},
  };
  std::vector<PhotoEntry> entries;
  for (const Case& c : cases) entries.push_back(c.entry);
  Load(entries);
  const Table rows = Rows(IDC_PHOTO_ENTRIES);
  ASSERT_EQ(rows.size(), std::size(cases));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i], (Strings{u" " + std::u16string(1, static_cast<char16_t>(u'1' + i)), cases[i].kindAndComment,
                                cases[i].stamp}));
    ASSERT_TRUE(SelectRow(IDC_PHOTO_ENTRIES, static_cast<int>(i)));
    EXPECT_EQ(ChosenKind(), cases[i].kindButton) << "row " << i;
    EXPECT_EQ(Text(IDC_PHOTO_COMMENT), std::u16string(cases[i].entry.comment)) << "row " << i;
  }
}

TEST_F(PhotoPage, DeletingARowRenumbersTheRestAndFocusesTheChosenKind) {
  Start();
  Load({Photo(1, 20260507, 90000, u"一"), Photo(2, 20260507, 90100, u"二"), Photo(3, 20260507, 90200, u"三")});
  ASSERT_TRUE(SelectRow(IDC_PHOTO_ENTRIES, 1));
  ASSERT_TRUE(Click(IDC_PHOTO_DELETE));
  EXPECT_EQ(Rows(IDC_PHOTO_ENTRIES), (Table{{u" 1", u"近景(一)", u"2026/ 5/ 7  9:00:00"},
                                            {u" 2", u"その他(三)", u"2026/ 5/ 7  9:02:00"}}));
  EXPECT_EQ(Stored().size(), 2u);
  EXPECT_EQ(Notices(), std::vector<WPARAM>{Notice(IDD_PHOTOPAGE)});
  EXPECT_EQ(FocusId(), IDC_PHOTO_FAR) << "the kind of the deleted row is still chosen";
  EXPECT_EQ(Text(IDC_PHOTO_ADD), u"▼撮影完了");
  EXPECT_FALSE(Enabled(IDC_PHOTO_DELETE));
}

TEST_F(PhotoPage, CommentsStartFromTheRememberedUpToAGapWithTheFieldEmpty) {
  Keep(u"PMemo3", u"隙間の後");
  Start({u"標石", u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむ", u""});
  EXPECT_EQ(Items(IDC_PHOTO_COMMENT), (Strings{u"標石", u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほま"}))
      << "a longer stored comment arrives cut to 31 characters";
  EXPECT_EQ(Text(IDC_PHOTO_COMMENT), u"");
}

TEST_F(PhotoPage, TheTenthNewCommentPushesOutTheOldestAndCloseWritesAllTenKeys) {
  Strings nine;
  for (int i = 9; i >= 1; --i) nine.push_back(u"c" + std::u16string(1, static_cast<char16_t>(u'0' + i)));
  Start(nine);
  Load({});
  Add(IDC_PHOTO_NEAR, u"n1");
  ASSERT_EQ(Items(IDC_PHOTO_COMMENT).size(), 10u);
  Add(IDC_PHOTO_NEAR, u"n2");
  Add(IDC_PHOTO_NEAR, u"C5");  // c5 is remembered: the same but for letter case
  const Strings expected = {u"n2", u"n1", u"c9", u"c8", u"c7", u"c6", u"c5", u"c4", u"c3", u"c2"};
  EXPECT_EQ(Items(IDC_PHOTO_COMMENT), expected);
  Close();
  for (int n = 0; n < 10; ++n) EXPECT_EQ(Kept(Key(n)), expected[static_cast<size_t>(n)]) << n;
}

TEST_F(PhotoPage, AtCloseKeysWithoutAnItemReceiveEmptyTexts) {
  Start({u"旧"});
  Load({});
  Add(IDC_PHOTO_FAR, u"新");
  Close();
  for (int n = 0; n < 10; ++n) EXPECT_EQ(Kept(Key(n)), n == 0 ? u"新" : n == 1 ? u"旧" : u"") << n;
}

TEST_F(PhotoPage, EnterOnAKindButtonMovesTheFocusAsTabDoes) {
  Start();
  Load({});
  ASSERT_TRUE(Click(IDC_PHOTO_FAR));
  desktop.PressKey(VK_TAB);
  const int afterTab = FocusId();
  ASSERT_NE(afterTab, IDC_PHOTO_FAR);

  ASSERT_TRUE(Click(IDC_PHOTO_FAR));
  desktop.PressKey(VK_RETURN);
  EXPECT_EQ(FocusId(), afterTab);
  EXPECT_TRUE(Stored().empty());
  EXPECT_TRUE(Notices().empty());
}

}  // namespace
