// Tests of the toolbars of the pick prompt and the list screen: their
// commands in order, buttons of 34 x 17 pixels whose images are drawn and
// differ from each other, the prompt's window showing its caption and
// toolbar although its template has no client area, the same toolbars in
// the next command, and both as the host runs the plug-in module.
#include <gtest/gtest.h>
#include <plat/gdi.h>

#include <set>

#include "list_test_support.h"
#include "plugin_host.h"

namespace {

using namespace reconcard_test;

struct Bar {
  const char16_t* screen;
  std::vector<int> commands;
};

const Bar kBars[] = {
    {kPickCaption, {ID_PICK_LIST, ID_PICK_NEW}},
    {kListCaption, {ID_LIST_PICK, ID_LIST_NEW, ID_LIST_DELETE, ID_LIST_EDIT, ID_LIST_POSITION}},
};

std::vector<int> Commands(plat::HeadlessDesktop& desktop, HWND toolbar) {
  std::vector<int> commands;
  for (const auto& button : desktop.ToolbarButtons(toolbar)) commands.push_back(button.command);
  return commands;
}

// The pixels of a button's image, top row first.
std::vector<uint32_t> ButtonImage(HWND toolbar, int index) {
  RECT rect{};
  auto bitmap = reinterpret_cast<HBITMAP>(
      ::SendMessageW(toolbar, TB_PLAT_GETBUTTONIMAGE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)));
  int width = 0, height = 0;
  const uint32_t* pixels = bitmap ? plat::gdi::BitmapPixels(bitmap, &width, &height) : nullptr;
  std::vector<uint32_t> image;
  if (!pixels || rect.right > width || rect.bottom > height) return image;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) image.push_back(pixels[y * width + x]);
  }
  return image;
}

class Toolbars : public ListScreenTest {
 protected:
  void ExpectBar(const Bar& bar) {
    HWND toolbar = Toolbar(Window(bar.screen));
    ASSERT_NE(toolbar, nullptr) << "toolbar of " << testing::PrintToString(bar.screen);
    EXPECT_EQ(Commands(desktop, toolbar), bar.commands);
    std::set<std::vector<uint32_t>> images;
    for (size_t index = 0; index < bar.commands.size(); ++index) {
      const RECT button = desktop.Ui([&] {
        RECT rect{};
        ::SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect;
      });
      EXPECT_EQ(button.right - button.left, 34) << index;
      EXPECT_EQ(button.bottom - button.top, 17) << index;
      const std::vector<uint32_t> image = desktop.Ui([&] { return ButtonImage(toolbar, static_cast<int>(index)); });
      ASSERT_EQ(image.size(), 27u * 11u) << "image " << index;
      EXPECT_GT(std::count(image.begin(), image.end(), 0x000000u), 20) << "the caption's ink on image " << index;
      images.insert(image);
    }
    EXPECT_EQ(images.size(), bar.commands.size()) << "every button has an image of its own";
  }
  // The client height of the prompt, which has no client area of its own.
  int PromptClientHeight() {
    return desktop.Ui([this] {
      RECT client{};
      ::GetClientRect(Prompt(), &client);
      return static_cast<int>(client.bottom);
    });
  }
};

TEST_F(Toolbars, EachScreenHasItsButtonsAtTheirSizeWithImagesOfTheirOwn) {
  ASSERT_EQ(Start(), 0);
  for (const Bar& bar : kBars) ExpectBar(bar);
  EXPECT_EQ(PromptClientHeight(), 17 + 4) << "the prompt shows its toolbar under its caption";
}

TEST_F(Toolbars, TheNextCommandsScreensHaveTheirToolbarsAgain) {
  ASSERT_EQ(Start(), 0);
  const RECT firstCards = desktop.WindowRect(Cards());
  desktop.Ui([] { CloseCommand(); });
  ASSERT_EQ(Start(), 0);
  for (const Bar& bar : kBars) ExpectBar(bar);
  EXPECT_EQ(PromptClientHeight(), 17 + 4);
  const RECT cards = desktop.WindowRect(Cards());
  EXPECT_EQ(cards.top, firstCards.top) << "the list makes room for its toolbar again";
}

class ToolbarsInTheHost : public plugin_test::HostTest {};

TEST_F(ToolbarsInTheHost, ThePluginModuleCarriesBothToolbars) {
  plat::HeadlessDesktop& desktop = Desktop();
  ASSERT_TRUE(host.RunCommand(plugin_test::kReconCommand));
  HWND prompt = host.Screen(kPickCaption);
  ASSERT_NE(prompt, nullptr);
  HWND promptBar = desktop.FindControl(prompt, AFX_IDW_TOOLBAR);
  EXPECT_EQ(Commands(desktop, promptBar), kBars[0].commands);

  ASSERT_TRUE(desktop.ToolbarCommand(promptBar, ID_PICK_LIST));
  HWND list = host.Screen(kListCaption);
  ASSERT_NE(list, nullptr);
  std::vector<int> enabled;
  for (const auto& button : desktop.ToolbarButtons(desktop.FindControl(list, AFX_IDW_TOOLBAR))) {
    if (button.enabled) enabled.push_back(button.command);
  }
  EXPECT_EQ(enabled, (std::vector<int>{ID_LIST_PICK, ID_LIST_NEW})) << "no card: nothing to delete, edit or locate";
}

}  // namespace
