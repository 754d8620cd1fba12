// The browser display's server over real HTTP on loopback, serving a UI
// thread run by the headless desktop: it refuses requests without the token
// or addressed or sent from elsewhere, serves only the page, its files, the
// API and windows' images, answers the screen at once or after a change
// (or says unchanged), posts the person's actions as input in order, and
// says so when the window or the UI thread is gone.
#include <gtest/gtest.h>
#include <httplib.h>
#include <plat/headless_desktop.h>
#include <plat/web_display.h>

#include <memory>
#include <string>

namespace plat::web {
namespace {

const std::string kToken = "00112233445566778899aabbccddeeff";

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

class WebDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    display_ = std::make_unique<WebDisplay>(WebDisplay::Options{0, kToken});
    desktop_.Start([this] { RunUi(); });
    ASSERT_TRUE(display_->Start(desktop_.UiThread()));
    client_ = std::make_unique<httplib::Client>("127.0.0.1", display_->Port());
  }
  void TearDown() override { display_->Stop(); }

  void RunUi() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.lpszClassName = u"WebDisplayTestFrame";
    RegisterClassW(&wc);
    frame_ = CreateWindowExW(0, u"WebDisplayTestFrame", u"Frame", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 200,
                             nullptr, nullptr, nullptr, nullptr);
    check_ = Control(u"Button", BS_AUTOCHECKBOX, 1, 10);
    edit_ = Control(u"Edit", 0, 2, 40);
    spare_ = Control(u"Static", 0, 3, 70);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  HWND Control(const char16_t* className, DWORD style, int id, int y) {
    return CreateWindowExW(0, className, u"", WS_CHILD | WS_VISIBLE | style, 10, y, 100, 20, frame_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  std::string WithToken(const std::string& path) const {
    return path + (path.find('?') == std::string::npos ? "?" : "&") + "token=" + kToken;
  }
  httplib::Result Get(const std::string& path, const httplib::Headers& headers = {}) {
    return client_->Get(WithToken(path), headers);
  }
  int Act(const std::string& body) {
    const auto result = client_->Post(WithToken("/api/input"), body, "application/x-www-form-urlencoded");
    return result ? result->status : -1;
  }
  static std::string Id(HWND window) { return std::to_string(WindowId(window)); }
  std::string Tap(HWND window) { return "kind=tap&window=" + Id(window) + "&x=3&y=3"; }

  HeadlessDesktop desktop_;
  std::unique_ptr<WebDisplay> display_;
  std::unique_ptr<httplib::Client> client_;
  HWND frame_ = nullptr, check_ = nullptr, edit_ = nullptr, spare_ = nullptr;
};

TEST_F(WebDisplayTest, RefusesRequestsWithoutTheTokenOrFromElsewhere) {
  const std::string own = "127.0.0.1:" + std::to_string(display_->Port());
  struct Refused {
    const char* name;
    std::string path;
    httplib::Headers headers;
  } cases[] = {
      {"no token", "/api/state", {}},
      {"wrong token", "/api/state?token=00112233445566778899aabbccddeefe", {}},
      {"page without token", "/", {}},
      {"another host", WithToken("/api/state"), {{"Host", "attacker.example:" + std::to_string(display_->Port())}}},
      {"another origin", WithToken("/api/state"), {{"Origin", "http://attacker.example"}}},
  };
  for (const auto& refused : cases) {
    const auto result = client_->Get(refused.path, refused.headers);
    ASSERT_TRUE(result) << refused.name;
    EXPECT_EQ(result->status, 403) << refused.name;
  }
  const auto fromPage = client_->Post(WithToken("/api/input"), {{"Origin", "http://attacker.example"}}, Tap(check_),
                                      "application/x-www-form-urlencoded");
  ASSERT_TRUE(fromPage);
  EXPECT_EQ(fromPage->status, 403);
  desktop_.Settle();
  EXPECT_EQ(desktop_.CheckState(check_), BST_UNCHECKED) << "a refused action is not taken";
  const auto own_origin = Get("/api/state", {{"Origin", "http://" + own}});
  ASSERT_TRUE(own_origin);
  EXPECT_EQ(own_origin->status, 200);
}

TEST_F(WebDisplayTest, ServesThePageWithItsTokenAndNothingButItsFiles) {
  const auto page = Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_NE(page->body.find("display.js?token=" + kToken), std::string::npos);
  EXPECT_EQ(page->get_header_value("Cache-Control"), "no-store");
  EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'none'"), std::string::npos);
  for (const char* file : {"/display.js", "/display.css"}) {
    const auto served = Get(file);
    ASSERT_TRUE(served) << file;
    EXPECT_EQ(served->status, 200) << file;
    EXPECT_FALSE(served->body.empty()) << file;
  }
  EXPECT_EQ(Get("/display.js")->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
  for (const char* path : {"/index.html", "/etc/passwd", "/api/other", "/display.js.map"}) {
    const auto result = Get(path);
    ASSERT_TRUE(result) << path;
    EXPECT_EQ(result->status, 404) << path;
  }
  const auto image = Get("/api/image?window=" + Id(spare_) + "&name=bitmap");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->status, 404) << "a static without a bitmap has no image";
}

TEST_F(WebDisplayTest, AnswersTheScreenAndSaysWhenNothingChanged) {
  const auto state = Get("/api/state");
  ASSERT_TRUE(state);
  EXPECT_EQ(state->status, 200);
  EXPECT_EQ(state->get_header_value("Content-Type"), "application/json");
  EXPECT_NE(state->body.find("\"text\":\"Frame\""), std::string::npos);
  EXPECT_NE(state->body.find("\"id\":" + Id(check_) + ","), std::string::npos);
  const size_t at = state->body.find("\"version\":") + 10;
  const std::string version = state->body.substr(at, state->body.find(',', at) - at);
  const auto unchanged = Get("/api/state?since=" + version);
  ASSERT_TRUE(unchanged);
  EXPECT_EQ(unchanged->body, "{\"version\":" + version + ",\"unchanged\":true}");
}

TEST_F(WebDisplayTest, PostsThePersonsActionsAsInputInOrder) {
  EXPECT_EQ(Act(Tap(check_)), 204);
  EXPECT_EQ(Act(Tap(edit_)), 204);
  EXPECT_EQ(Act("kind=text&text=ab%E6%9D%B1"), 204);
  EXPECT_EQ(Act("kind=key&name=Backspace"), 204);
  desktop_.Settle();
  EXPECT_EQ(desktop_.CheckState(check_), BST_CHECKED);
  EXPECT_EQ(desktop_.Text(edit_), u"ab");
  const auto state = Get("/api/state");
  ASSERT_TRUE(state);
  EXPECT_NE(state->body.find("\"text\":\"ab\""), std::string::npos);
}

TEST_F(WebDisplayTest, RefusesActionsThatDoNotDecodeOrWhoseWindowIsGone) {
  EXPECT_EQ(Act("kind=tap&window=" + Id(check_)), 400) << "no position";
  EXPECT_EQ(Act("kind=jump&window=" + Id(check_)), 400) << "no adapter takes it";
  EXPECT_EQ(Act("kind=text&text=%E6"), 400);
  EXPECT_EQ(Act("a=%zz"), 400);
  desktop_.Ui([this] { DestroyWindow(spare_); });
  EXPECT_EQ(Act(Tap(spare_)), 410);
}

TEST_F(WebDisplayTest, SaysWhenTheUserInterfaceThreadHasEnded) {
  desktop_.Stop();
  const auto state = Get("/api/state");
  ASSERT_TRUE(state);
  EXPECT_EQ(state->status, 503);
  EXPECT_EQ(Act(Tap(check_)), 503);
}

TEST(WebDisplay, ListensOnLoopbackAndNamesItsPageWithAFreshToken) {
  WebDisplay first({0, ""});
  WebDisplay second({0, ""});
  ASSERT_TRUE(first.Start(GetCurrentThreadId()));
  ASSERT_TRUE(second.Start(GetCurrentThreadId()));
  EXPECT_NE(first.Token(), second.Token());
  EXPECT_EQ(first.Url(), "http://127.0.0.1:" + std::to_string(first.Port()) + "/?token=" + first.Token());
  WebDisplay taken({first.Port(), ""});
  EXPECT_FALSE(taken.Start(GetCurrentThreadId())) << "a port in use is not shared";
}

}  // namespace
}  // namespace plat::web
