// The photo page: kind and comment fields, capture stamps, comment memory.
#include "PhotoPageDlg.h"

#include <codetables.h>
#include <recdate.h>

#include <algorithm>

#include "page_kit.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(PhotoPageDlg, EntryPageDlg<PhotoEntry>)
  ON_WM_DESTROY()
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_PHOTO_ENTRIES, &PhotoPageDlg::OnEntryChanged)
  ON_BN_CLICKED(IDC_PHOTO_ADD, &PhotoPageDlg::OnAddOrUpdate)
  ON_BN_CLICKED(IDC_PHOTO_DELETE, &PhotoPageDlg::OnDelete)
END_MESSAGE_MAP()

namespace {

constexpr const WCHAR* kCommentKey = u"PMemo%d";
constexpr int kCommentBuffer = 32;  // a remembered comment, terminator included
constexpr int kCommentLength = 30;  // what the user can type
constexpr int kMaxComments = 10;
constexpr LONG kKindBase = IDC_PHOTO_NEAR - 1;  // button id - kKindBase = kind

const WCHAR* const kHeadings[] = {u"項番", u"コメント", u"撮影日時"};

// The kind button that shows a stored kind: below 2 as 近景, above 2 as その他.
int KindButtonOf(LONG kind) { return static_cast<int>(kKindBase + std::clamp<LONG>(kind, 1, 3)); }

}  // namespace

PhotoPageDlg::PhotoPageDlg()
    : EntryPageDlg(IDD_PHOTOPAGE, {IDC_PHOTO_ENTRIES, IDC_PHOTO_ADD, IDC_PHOTO_DELETE, u"▼撮影完了", 9,
                                   u"撮影状況は、最大９件まで登録できます。"}) {}

PhotoPageDlg::~PhotoPageDlg() = default;

void PhotoPageDlg::DoDataExchange(CDataExchange* pDX) {
  EntryPageDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PHOTO_NEAR, m_kinds[0]);
  DDX_Control(pDX, IDC_PHOTO_FAR, m_kinds[1]);
  DDX_Control(pDX, IDC_PHOTO_OTHER, m_kinds[2]);
}

BOOL PhotoPageDlg::OnInitDialog() {
  EntryPageDlg::OnInitDialog();
  m_comment.SetWindowStatus(this, IDC_PHOTO_COMMENT, u"", kCommentLength);
  CheckRadioButton(IDC_PHOTO_NEAR, IDC_PHOTO_OTHER, IDC_PHOTO_NEAR);
  pagekit::AddRememberedTexts(m_comment, kCommentKey, 0, kMaxComments, kCommentBuffer);
  m_comment.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
  InsertColumns(kHeadings);
  return TRUE;
}

void PhotoPageDlg::OnDestroy() {
  EntryPageDlg::OnDestroy();
  pagekit::SaveRememberedTexts(m_comment, kCommentKey, kMaxComments);
}

void PhotoPageDlg::RenderColumns(CListCtrl& list, int row, const PhotoEntry& entry) {
  CString kindAndComment;
  kindAndComment.Format(u"%s(%s)", codes::PhotoKindWord(entry.kind), TextOfField(entry.comment).GetString());
  list.SetItemText(row, 1, kindAndComment);
  list.SetItemText(row, 2, recdate::FormatDateTime(entry.date, entry.time));
}

void PhotoPageDlg::ShowInFields(const PhotoEntry& entry) {
  CheckRadioButton(IDC_PHOTO_NEAR, IDC_PHOTO_OTHER, KindButtonOf(entry.kind));
  m_comment.SetVal(TextOfField(entry.comment));
}

int PhotoPageDlg::ChosenKindButton() { return GetCheckedRadioButton(IDC_PHOTO_NEAR, IDC_PHOTO_OTHER); }

void PhotoPageDlg::FocusInput() {
  if (CWnd* button = GetDlgItem(ChosenKindButton())) button->SetFocus();
}

void PhotoPageDlg::OnAddOrUpdate() {
  const int kindButton = ChosenKindButton();
  if (kindButton == 0) {
    MessageBox(u"種別を選択してください。", u"入力エラー", MB_OK | MB_ICONSTOP);
    return;
  }
  PhotoEntry entry{};
  if (const PhotoEntry* selected = SelectedEntry()) {
    entry = *selected;  // keeps the first capture's date and time
  } else {
    const recdate::Stamp now = recdate::Now();
    entry.date = now.date;
    entry.time = now.time;
  }
  entry.kind = kindButton - kKindBase;
  StoreInField(entry.comment, m_comment.GetVal());
  if (!PutEntry(entry)) return;
  pagekit::Remember(m_comment, TextOfField(entry.comment), 0, kMaxComments);
  FocusInput();
}
