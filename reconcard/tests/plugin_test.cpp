// Tests of the card plug-in as the host runs it: the command's first screen
// is the pick prompt, closing it ends the command and the host's close
// destroys every screen, the host's own modal window disables all screens
// (hidden ones too) around itself, and the exports as the host finds them.
#include <gtest/gtest.h>

#include "plugin_host.h"
#include "screen_captions.h"

namespace {

using namespace reconcard_test;
using plugin_test::kReconCommand;

class ReconCardPlugin : public plugin_test::HostTest {};

TEST_F(ReconCardPlugin, TheCommandStartsOnThePickPromptAndItsCloseEndsIt) {
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  HWND prompt = host.Screen(kPickCaption);
  ASSERT_NE(prompt, nullptr);
  EXPECT_NE(host.Window(kListCaption), nullptr) << "every screen exists, hidden";
  EXPECT_EQ(host.Screen(kListCaption), nullptr);
  EXPECT_EQ(Desktop().WaitCursorShows(), 1);

  ASSERT_TRUE(Desktop().CloseWindow(prompt));
  EXPECT_EQ(host.Window(kPickCaption), nullptr) << "the host closed the plug-in";
  EXPECT_EQ(host.Window(kListCaption), nullptr);

  ASSERT_TRUE(host.RunCommand(kReconCommand)) << "the next command starts afresh";
  EXPECT_NE(host.Screen(kPickCaption), nullptr);
}

TEST_F(ReconCardPlugin, TheHostsExitQuestionDisablesEveryScreenAroundItself) {
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  ASSERT_TRUE(Desktop().CloseWindow(host.Host()));
  ASSERT_NE(Desktop().OpenMessageBox(), nullptr);
  for (const char16_t* caption : {kPickCaption, kListCaption}) {
    EXPECT_FALSE(Desktop().IsEnabled(host.Window(caption)));
  }
  ASSERT_TRUE(Desktop().AnswerMessageBox(IDCANCEL));
  for (const char16_t* caption : {kPickCaption, kListCaption}) {
    EXPECT_TRUE(Desktop().IsEnabled(host.Window(caption)));
  }
}

TEST_F(ReconCardPlugin, ExportsAreFoundByTheirPlainNames) {
  Desktop().Ui([] {
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
