// For the tests of the card's tab pages: a page hosted as the card screen
// hosts it — a child of a dialog on the card screen's template, placed into
// its page area, its scroll range set, tinted and shown — on the headless
// desktop, with the command's settings store on a temporary device folder.
// The stand-in card screen records the commands without a control that it
// receives (the pages' change notices).
#pragma once
#include <afxtempl.h>
#include <cmdcond.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <plat/headless_desktop.h>
#include <records.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "resource.h"

namespace page_test {

inline constexpr COLORREF kAttrColor = RGB(255, 255, 128);
inline constexpr COLORREF kLookColor = RGB(128, 255, 128);
inline constexpr COLORREF kPhotoColor = RGB(255, 164, 128);

// A change notice as the card screen receives it: the page's template id as
// the command, no notification code.
inline WPARAM Notice(UINT templateId) { return MAKEWPARAM(templateId, 0); }

// Byte for byte, as the map database would store them.
template <class Entry>
bool SameEntries(const std::vector<Entry>& a, const std::vector<Entry>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(Entry)) == 0);
}

// The card screen's stand-in: its template, Enter and Escape doing nothing.
class CardStandIn : public CDialog {
 public:
  CardStandIn() : CDialog(IDD_NAVCARD) {}
  std::vector<WPARAM> notices;  // WM_COMMAND without a control, in order

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam == 0) notices.push_back(wParam);
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnOK() override {}
  void OnCancel() override {}
};

template <class Page>
class PageTest : public ::testing::Test {
 protected:
  explicit PageTest(const plat::HeadlessDesktop::Options& options = {}) : desktop(options) {}

  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "reconcard-page-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    plat::SetDeviceRoot(root_);
    ASSERT_EQ(Cmdcond_SetCommand(u"踏査"), 0);
    desktop.Start([] {
      while (AfxPumpMessage()) {
      }
    });
  }

  void TearDown() override {
    Close();
    desktop.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Creates the card stand-in on the card screen's template (IDD_NAVCARD or
  // the taller IDD_NAVCARD_R7) and the page on it as the card screen does.
  void Open(COLORREF background, UINT cardTemplate = IDD_NAVCARD) {
    const bool opened = desktop.Ui([&] {
      if (!card->Create(cardTemplate) || !page->CreatePage(card.get())) return false;
      CRect area;
      card->GetDlgItem(IDC_CARD_PAGEAREA)->GetWindowRect(&area);
      card->ScreenToClient(&area);
      page->PlaceInto(area);
      page->SetBackground(background);
      card->ShowWindow(SW_SHOW);
      page->ShowWindow(SW_SHOW);
      return true;
    });
    ASSERT_TRUE(opened);
    desktop.Settle();
  }

  // Destroys the card stand-in with the page, as the card screen's end does.
  void Close() {
    desktop.Ui([&] {
      if (card->GetSafeHwnd()) card->DestroyWindow();
    });
    desktop.Settle();
  }

  HWND PageWindow() { return page->GetSafeHwnd(); }
  HWND Control(int id) { return desktop.FindControl(PageWindow(), id); }
  std::u16string Text(int id) { return desktop.Text(Control(id)); }
  bool Enabled(int id) { return desktop.IsEnabled(Control(id)); }
  std::vector<std::u16string> Items(int id) { return desktop.ComboItems(Control(id)); }
  // The chosen item's text, empty without a choice.
  std::u16string Chosen(int id) {
    const int index = desktop.ComboSelection(Control(id));
    return index < 0 ? std::u16string() : Items(id).at(static_cast<size_t>(index));
  }
  bool Choose(int id, const std::u16string& item) { return desktop.Choose(Control(id), item); }
  bool Click(int id) { return desktop.Click(Control(id)); }
  bool Type(int id, const std::u16string& text) { return desktop.Type(Control(id), text); }
  // Replaces the text of an edit or a drop-down's edit part as a person would.
  void Retype(int id, const std::u16string& text) {
    ASSERT_TRUE(Type(id, std::u16string(Text(id).size(), u'\b') + text));
    ASSERT_EQ(Text(id), text);
  }
  std::vector<std::vector<std::u16string>> Rows(int listId) { return desktop.ListRows(Control(listId)); }
  bool SelectRow(int listId, int row) { return desktop.SelectRow(Control(listId), row); }
  int FocusId() {
    HWND focus = desktop.FocusWindow();
    return desktop.Ui([&] { return focus ? ::GetDlgCtrlID(focus) : 0; });
  }
  std::vector<WPARAM> Notices() {
    desktop.Settle();
    return desktop.Ui([&] { return card->notices; });
  }
  void ClearNotices() {
    desktop.Ui([&] { card->notices.clear(); });
  }
  // Every message box so far, as (caption, text).
  std::vector<std::pair<std::u16string, std::u16string>> Boxes() {
    std::vector<std::pair<std::u16string, std::u16string>> boxes;
    for (const auto& box : desktop.MessageBoxes()) boxes.emplace_back(box.caption, box.text);
    return boxes;
  }

  // The entry pages' LoadEntries and StoreEntries with plain vectors.
  template <class Entry>
  void LoadEntries(const std::vector<Entry>& entries) {
    CArray<Entry> array;
    for (const Entry& entry : entries) array.Add(entry);
    desktop.Ui([&] { page->LoadEntries(array); });
  }
  template <class Entry>
  std::vector<Entry> StoredEntries() {
    CArray<Entry> array;
    desktop.Ui([&] { page->StoreEntries(array); });
    return std::vector<Entry>(array.GetData(), array.GetData() + array.GetSize());
  }

  // The command's settings.
  static void Keep(const std::u16string& key, const std::u16string& value) {
    ASSERT_EQ(SetCmdJkn(key.c_str(), value.c_str()), 0);
  }
  // The value under key; "<missing>" when there is none.
  static std::u16string Kept(const std::u16string& key) {
    WCHAR value[CMDCOND_VALUE_MAX + 1] = {};
    if (GetCmdJkn(key.c_str(), value) != 0) return u"<missing>";
    return value;
  }

  plat::HeadlessDesktop desktop;
  std::unique_ptr<CardStandIn> card = std::make_unique<CardStandIn>();
  std::unique_ptr<Page> page = std::make_unique<Page>();

 private:
  std::string root_;
};

}  // namespace page_test
