// The card screen: loading a card with its lists into the header and the
// pages, switching the tabs, registering the card, and the close check.
#include "NavCardDlg.h"

#include <codetables.h>
#include <devcond.h>
#include <geopane.h>
#include <recdate.h>
#include <record_text.h>

#include <cstring>
#include <vector>

#include "resource.h"
#include "screen_switch.h"

namespace {

constexpr COLORREF kLookPageColor = RGB(128, 255, 128);
constexpr COLORREF kPhotoPageColor = RGB(255, 164, 128);
constexpr COLORREF kAttrPageColor = RGB(255, 255, 128);
constexpr COLORREF kRegisterColor = RGB(0, 255, 255);

constexpr char16_t kDiscardQuestion[] = u"踏査カードの内容が変更\nされています。\n破棄してもよろしいですか？";
constexpr char16_t kWriteFailed[] = u"踏査カードを登録できませんでした。\n登録前の内容のままです。";
constexpr char16_t kWriteFailedCaption[] = u"登録エラー";

UINT CardTemplate() { return IsR7() ? IDD_NAVCARD_R7 : IDD_NAVCARD; }

const WCHAR* CaptionOf(LONG kind) {
  switch (kind) {
    case codes::kKnownPoint: return u"既知点踏査カード";
    case codes::kBlockRefPoint: return u"街区基準点踏査カード";
    case codes::kBlockPoint: return u"街区点踏査カード";
    default: return nullptr;
  }
}

template <class Entry>
std::vector<Entry> ToVector(const CArray<Entry>& entries) {
  return std::vector<Entry>(entries.GetData(), entries.GetData() + entries.GetSize());
}

// What the database holds for a point's card, to put back when a
// registration cannot be written whole.
struct StoredCard {
  bool exists = false;
  NavRecord card{};
  std::vector<LookEntry> looks;
  std::vector<PhotoEntry> photos;

  void Read(int pointId) {
    exists = MapdbNav_Get(pointId, &card) == 0;
    int count = 0;
    if (MapdbNav_CntLook(pointId, &count) == 0 && count > 0) {
      looks.resize(count);
      if (MapdbNav_GetLook(pointId, looks.data()) != 0) looks.clear();
    }
    count = 0;
    if (MapdbNav_CntPhoto(pointId, &count) == 0 && count > 0) {
      photos.resize(count);
      if (MapdbNav_GetPhoto(pointId, photos.data()) != 0) photos.clear();
    }
  }
  void Restore(int pointId) const {
    if (exists) {
      MapdbNav_Put(pointId, card);
    } else {
      MapdbNav_Del(pointId);
    }
    WriteLooks(pointId, looks);
    WritePhotos(pointId, photos);
  }
  // A list with entries is written whole; an empty one is deleted.
  static bool WriteLooks(int pointId, const std::vector<LookEntry>& entries) {
    if (entries.empty()) return MapdbNav_DelLook(pointId) == 0;
    return MapdbNav_PutLook(pointId, static_cast<int>(entries.size()), entries.data()) == 0;
  }
  static bool WritePhotos(int pointId, const std::vector<PhotoEntry>& entries) {
    if (entries.empty()) return MapdbNav_DelPhoto(pointId) == 0;
    return MapdbNav_PutPhoto(pointId, static_cast<int>(entries.size()), entries.data()) == 0;
  }
};

template <class Entry, class CountFn, class GetFn>
void ReadList(int pointId, CArray<Entry>& entries, CountFn count, GetFn get) {
  entries.RemoveAll();
  int stored = 0;
  if (count(pointId, &stored) != 0 || stored <= 0) return;
  std::vector<Entry> buffer(stored);
  if (get(pointId, buffer.data()) != 0) return;
  for (const Entry& entry : buffer) entries.Add(entry);
}

}  // namespace

BEGIN_MESSAGE_MAP(NavCardDlg, TDialog)
  ON_WM_DESTROY()
  ON_WM_CTLCOLOR()
  ON_NOTIFY(TCN_SELCHANGE, IDC_CARD_TABS, &NavCardDlg::OnTabSelChange)
  ON_BN_CLICKED(IDC_CARD_POINT, &NavCardDlg::OnPointButton)
  ON_BN_CLICKED(IDC_CARD_REGISTER, &NavCardDlg::OnRegister)
END_MESSAGE_MAP()

NavCardDlg::NavCardDlg() : TDialog(CardTemplate()) {}
NavCardDlg::~NavCardDlg() = default;

BOOL NavCardDlg::CreateScreen(CWnd* host) { return Create(CardTemplate(), host); }

BOOL NavCardDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam == 0 && id >= IDD_LOOKPAGE && id <= IDD_BLOCKPOINTPAGE) {
    m_changed = 1;
    return TRUE;
  }
  return TDialog::OnCommand(wParam, lParam);
}

void NavCardDlg::DoDataExchange(CDataExchange* pDX) {
  TDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CARD_TABS, m_tabs);
  DDX_Control(pDX, IDC_CARD_DATE, m_date);
}

BOOL NavCardDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  CreatePages();
  m_remarks.SetWindowStatus(this, IDC_CARD_REMARKS, CString(), 30);
  m_registerBrush.CreateSolidBrush(kRegisterColor);
  m_highlightedTab = -1;
  m_tabs.InsertItem(0, u"付属情報");
  m_tabs.InsertItem(1, u"見通状況");
  m_tabs.InsertItem(2, u"写真撮影");
  m_tabs.SetCurSel(0);
  m_tabs.SetItemSize(CSize(0, IsR7() ? 28 : 19));
  return TRUE;
}

// The changed-coordinate dialog and the five pages, placed into the page
// area and tinted.
void NavCardDlg::CreatePages() {
  m_chgCoord.CreateChild(this);
  NavPageDlg* const pages[] = {&m_lookPage, &m_photoPage, &m_knownPage, &m_blockRefPage, &m_blockPointPage};
  for (NavPageDlg* page : pages) page->CreatePage(this);
  CRect area;
  GetDlgItem(IDC_CARD_PAGEAREA)->GetWindowRect(&area);
  ScreenToClient(&area);
  for (NavPageDlg* page : pages) page->PlaceInto(area);
  m_lookPage.SetBackground(kLookPageColor);
  m_photoPage.SetBackground(kPhotoPageColor);
  for (NavPageDlg* page : {static_cast<NavPageDlg*>(&m_knownPage), static_cast<NavPageDlg*>(&m_blockRefPage),
                           static_cast<NavPageDlg*>(&m_blockPointPage)}) {
    page->SetBackground(kAttrPageColor);
  }
}

void NavCardDlg::OnOK() {}
void NavCardDlg::OnCancel() { CloseCheck(); }

void NavCardDlg::Load() {
  CWaitCursor wait;
  const int pointId = GetCurPointId();
  std::memset(&m_card, 0, sizeof m_card);
  if (MapdbNav_Get(pointId, &m_card) != 0) {
    StartNewCard();
  } else {
    SetCurKind(m_card.kind);
    NotifyList(LIST_FOLLOW_CURRENT);
  }
  ReadEntries(pointId);
  m_changed = 0;
  m_lookPage.LoadEntries(m_looks);
  m_photoPage.LoadEntries(m_photos);
  if (AttrPageDlg* page = AttrPageOf(m_card.kind)) page->LoadCodes(m_card);
  ShowSelectedPage();
  ShowCaption();
  ShowPointLabel(pointId);
  ShowSurveyDate();
  m_remarks.SetVal(TextOfField(m_card.remarks));
  ShowWindow(SW_SHOWMAXIMIZED);
  GotoDlgCtrl(&m_tabs);  // not the point button, which Enter would press
}

void NavCardDlg::StartNewCard() {
  std::memset(&m_card, 0, sizeof m_card);
  m_card.kind = GetCurKind();
  m_card.origin = 2;
  m_card.surveyDate = -1;
  for (LONG& code : m_card.attr) code = -1;
}

void NavCardDlg::ReadEntries(int pointId) {
  ReadList(pointId, m_looks, MapdbNav_CntLook, MapdbNav_GetLook);
  ReadList(pointId, m_photos, MapdbNav_CntPhoto, MapdbNav_GetPhoto);
}

AttrPageDlg* NavCardDlg::AttrPageOf(LONG kind) {
  switch (kind) {
    case codes::kKnownPoint: return &m_knownPage;
    case codes::kBlockRefPoint: return &m_blockRefPage;
    case codes::kBlockPoint: return &m_blockPointPage;
    default: return nullptr;
  }
}

void NavCardDlg::OnTabSelChange(NMHDR*, LRESULT* pResult) {
  ShowSelectedPage();
  *pResult = 0;
}

void NavCardDlg::ShowSelectedPage() {
  if (m_highlightedTab >= 0) m_tabs.HighlightItem(m_highlightedTab, FALSE);
  const int selected = m_tabs.GetCurSel();
  m_tabs.HighlightItem(selected, TRUE);
  m_highlightedTab = selected;
  NavPageDlg* shown = nullptr;
  if (selected == 0) shown = AttrPageOf(m_card.kind);
  if (selected == 1) shown = &m_lookPage;
  if (selected == 2) shown = &m_photoPage;
  NavPageDlg* const pages[] = {&m_lookPage, &m_photoPage, &m_knownPage, &m_blockRefPage, &m_blockPointPage};
  for (NavPageDlg* page : pages) page->ShowWindow(page == shown ? SW_SHOW : SW_HIDE);
}

void NavCardDlg::ShowCaption() {
  if (const WCHAR* caption = CaptionOf(m_card.kind)) SetWindowText(caption);
}

void NavCardDlg::ShowPointLabel(int pointId) {
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) != 0) return;
  CString label;
  label.Format(u"%5ld:%s", static_cast<long>(point.number), static_cast<const WCHAR*>(point.name));
  SetDlgItemText(IDC_CARD_POINTLABEL, label);
}

// A card without a date, or with one the control cannot show, shows today
// with the box cleared.
void NavCardDlg::ShowSurveyDate() {
  SYSTEMTIME date{};
  if (ShowableSurveyDate() < 0) {
    ::GetLocalTime(&date);
    m_date.SetTime(&date);
    m_date.SetTime(nullptr);
    return;
  }
  const recdate::Parts parts = recdate::DecodeDate(m_card.surveyDate);
  date.wYear = static_cast<WORD>(parts.first);
  date.wMonth = static_cast<WORD>(parts.second);
  date.wDay = static_cast<WORD>(parts.third);
  m_date.SetTime(&date);
}

LONG NavCardDlg::DateOnScreen() const {
  SYSTEMTIME date{};
  if (m_date.GetTime(&date) != GDT_VALID) return -1;
  return date.wYear * 10000 + date.wMonth * 100 + date.wDay;
}

LONG NavCardDlg::ShowableSurveyDate() const {
  return recdate::IsShowableDate(m_card.surveyDate) ? m_card.surveyDate : -1;
}

bool NavCardDlg::DiffersFromCard() const {
  return DateOnScreen() != ShowableSurveyDate() || m_remarks.GetVal() != TextOfField(m_card.remarks);
}

void NavCardDlg::OnPointButton() { m_chgCoord.Open(IDC_CARD_POINTLABEL); }

void NavCardDlg::OnRegister() { Register(); }

void NavCardDlg::TakeScreenIntoCard() {
  m_lookPage.StoreEntries(m_looks);
  m_photoPage.StoreEntries(m_photos);
  if (AttrPageDlg* page = AttrPageOf(m_card.kind)) page->StoreCodes(m_card);
  m_card.surveyed = 1;
  const LONG date = DateOnScreen();
  m_card.surveyDate = date >= 0 ? date : recdate::Now().date;
  StoreInField(m_card.remarks, m_remarks.GetVal());
}

bool NavCardDlg::WriteCard(int pointId) {
  StoredCard before;
  before.Read(pointId);
  const bool written = MapdbNav_Put(pointId, m_card) == 0 &&
                       StoredCard::WriteLooks(pointId, ToVector(m_looks)) &&
                       StoredCard::WritePhotos(pointId, ToVector(m_photos));
  if (!written) before.Restore(pointId);
  return written;
}

void NavCardDlg::MarkPointRegistered(int pointId) {
  MapWin_ClrSelId();
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) == 0) {
    if (const LONG classCode = codes::ClassCodeOf(m_card.kind)) point.classCode = classCode;
    point.stateCode = codes::kRegisteredState;
    int id = pointId;
    MapdbPnt_Put(&id, point);
  }
  MapWin_SetSelId(1, &pointId);
}

// A card that cannot be written whole is not registered: the database keeps
// what it held, the user is told, and the screen stays with the edits.
void NavCardDlg::Register() {
  const int pointId = GetCurPointId();
  const NavRecord edited = m_card;
  TakeScreenIntoCard();
  if (!WriteCard(pointId)) {
    m_card = edited;
    m_changed = 1;
    MessageBox(kWriteFailed, kWriteFailedCaption, MB_OK | MB_ICONHAND);
    return;
  }
  m_changed = 0;
  MarkPointRegistered(pointId);
  SetCurKind(m_card.kind);
  NotifyList(LIST_FOLLOW_CURRENT);
  HideAndShow(*this, SCR_BACK);
}

void NavCardDlg::CloseCheck() {
  if ((m_changed || DiffersFromCard()) &&
      MessageBox(kDiscardQuestion, u"確認", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
    return;
  }
  HideAndShow(*this, SCR_BACK);
}

HBRUSH NavCardDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = TDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (pWnd && pWnd->GetDlgCtrlID() == IDC_CARD_REGISTER) {
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(m_registerBrush.GetSafeHandle());
  }
  return brush;
}

// The children go in order: the changed-coordinate dialog, then the pages
// (which save their remembered texts as they go).
void NavCardDlg::OnDestroy() {
  TDialog::OnDestroy();
  CWnd* const children[] = {&m_chgCoord, &m_lookPage, &m_photoPage, &m_knownPage, &m_blockRefPage, &m_blockPointPage};
  for (CWnd* child : children) {
    if (child->GetSafeHwnd()) child->DestroyWindow();
  }
}
