// Tests of the card plug-in as the host runs it: the command's first screen
// is the pick prompt, closing it ends the command and the host's close
// destroys every screen, the host's own modal window disables all screens
// (hidden ones too) around itself, and the exports as the host finds them.
#include <gtest/gtest.h>

#include "plugin_host.h"

namespace {

using plugin_test::kReconCommand;
using plugin_test::PluginHost;

constexpr char16_t kPickCaption[] = u"踏査点を指示してください。";
constexpr char16_t kListCaption[] = u"現地踏査情報一覧";

class ReconCardPlugin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Prepared());
    host.Start();
    ASSERT_NE(host.Host(), nullptr);
  }
  plat::HeadlessDesktop& desktop() { return host.Desktop(); }

  PluginHost host{"reconcard_plugin_test"};
};

TEST_F(ReconCardPlugin, TheCommandStartsOnThePickPromptAndItsCloseEndsIt) {
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  HWND prompt = host.Screen(kPickCaption);
  ASSERT_NE(prompt, nullptr);
  EXPECT_NE(host.Window(kListCaption), nullptr) << "every screen exists, hidden";
  EXPECT_EQ(host.Screen(kListCaption), nullptr);
  EXPECT_EQ(desktop().WaitCursorShows(), 1);

  ASSERT_TRUE(desktop().CloseWindow(prompt));
  EXPECT_EQ(host.Window(kPickCaption), nullptr) << "the host closed the plug-in";
  EXPECT_EQ(host.Window(kListCaption), nullptr);

  ASSERT_TRUE(host.RunCommand(kReconCommand)) << "the next command starts afresh";
  EXPECT_NE(host.Screen(kPickCaption), nullptr);
}

TEST_F(ReconCardPlugin, TheHostsExitQuestionDisablesEveryScreenAroundItself) {
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  ASSERT_TRUE(desktop().CloseWindow(host.Host()));
  ASSERT_NE(desktop().OpenMessageBox(), nullptr);
  for (const char16_t* caption : {kPickCaption, kListCaption}) {
    EXPECT_FALSE(desktop().IsEnabled(host.Window(caption)));
  }
  ASSERT_TRUE(desktop().AnswerMessageBox(IDCANCEL));
  for (const char16_t* caption : {kPickCaption, kListCaption}) {
    EXPECT_TRUE(desktop().IsEnabled(host.Window(caption)));
  }
}

TEST_F(ReconCardPlugin, ExportsAreFoundByTheirPlainNames) {
  desktop().Ui([] {
    HMODULE module = ::LoadLibraryW(u"\\Built-in Storage\\Program Files\\Darvik\\Cmd\\ReconCard.dll");
    ASSERT_NE(module, nullptr);
    for (const char* name : {"JCadMain", "JCadEnable", "JCadEvent", "JCadClose"}) {
      EXPECT_NE(::GetProcAddress(module, name), nullptr) << name;
    }
    using EventFn = int(WINAPI*)(int);
    auto event = reinterpret_cast<EventFn>(reinterpret_cast<void*>(::GetProcAddress(module, "JCadEvent")));
    EXPECT_EQ(event(1234), 1234);
    EXPECT_EQ(event(-7), -7);
    ::FreeLibrary(module);
  });
}

}  // namespace
