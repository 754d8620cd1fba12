// The browser display: a small HTTP server inside the program's process that
// serves one page mirroring the window tree of the user-interface thread and
// takes the person's actions on the page back to that thread as input.
//
// - The server listens on 127.0.0.1 only. Every request must carry the
//   display's token as the query parameter "token"; a request whose Host is
//   not the server's own address ("127.0.0.1:<port>" or "localhost:<port>")
//   or whose Origin, when it has one, is not "http://" + such a host is
//   refused with 403. Only the page, its script and style sheet and the
//   windows' images are served (404 for everything else).
// - GET /api/state?since=V: the screen as JSON (window_tree.h): at once when
//   its version differs from V, otherwise after it changes or, at the
//   latest, after a second with {"version":V,"unchanged":true}. At most
//   kMaxWaitingPolls requests wait at a time (httplib's worker pool is a
//   fixed 8 threads); the others are answered at once.
// - POST /api/input, a form body: one action of the person (page_input.h),
//   posted as input to the UI thread in the order the requests arrive; 204,
//   400 for an action that does not decode, 410 for a window that is gone.
// - GET /api/image?window=W&name=N: a window's image as PNG (window_images.h).
// - Every reading of windows runs on the UI thread (plat::RunOnThread), so
//   the programs' windows are only ever touched there. When the UI thread is
//   gone the API answers 503.
//
// Windows of classes that the platform does not draw (the host's map) are
// described, acted on and pictured by a WindowAdapter registered for their
// class.
#pragma once
#include <plat/display.h>
#include <plat/web_json.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace plat::web {

// One input message as a person's own: to target with PostInput, or, with
// no target, a key for the UI thread's focus with PostKeyInput.
struct Input {
  HWND target = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
bool operator==(const Input& a, const Input& b);

// The fields of the page's form body, by name.
using Fields = std::map<std::string, std::string>;

// Pixels for the page: width x height, top row first, each 0xAARRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// The window handle as the page names it, and back (null for anything else).
int64_t WindowId(HWND window);
HWND WindowFromId(const std::string& text);
// A colour as the page writes it: "#rrggbb".
std::string CssColor(COLORREF color);
// The part of a bitmap within part (clipped to the bitmap; null: all of it),
// opaque. False for an unknown bitmap or an empty part.
bool BitmapPicture(HBITMAP bitmap, const RECT* part, Picture* picture);

class WindowAdapter {
 public:
  virtual ~WindowAdapter() = default;
  // The window's own members, set into its object (which has "kind"
  // "window" until the adapter sets another). On the UI thread.
  virtual void Describe(HWND window, JsonValue& object) = 0;
  // An action of the page on the window whose "kind" field the display does
  // not know, as input; empty when done, else why it cannot be. On the UI thread.
  virtual std::string Act(HWND window, const Fields& action, std::vector<Input>* input) = 0;
  // An image that Describe named; false when there is none. On the UI thread.
  virtual bool Image(HWND window, const std::string& name, Picture* picture) = 0;
};

class WebDisplay : public DisplayObserver {
 public:
  // Requests of /api/state that may wait for a change at the same time.
  static constexpr int kMaxWaitingPolls = 3;

  struct Options {
    int port = 0;       // 0: a free port
    std::string token;  // empty: a random one of 32 hex digits
  };

  // Construct before the UI thread runs, or on it: it observes the display.
  explicit WebDisplay(Options options);
  ~WebDisplay() override;
  WebDisplay(const WebDisplay&) = delete;
  WebDisplay& operator=(const WebDisplay&) = delete;

  // The adapter (which must outlive the display) describes windows of this
  // class. Before Start.
  void AddAdapter(const std::u16string& className, WindowAdapter* adapter);
  // Binds 127.0.0.1 and starts serving the windows of the thread uiThread;
  // false when the port cannot be bound.
  bool Start(DWORD uiThread);
  // Stops serving and waits for the server's threads; safe on the UI thread.
  void Stop();
  int Port() const;
  const std::string& Token() const;
  // The page's address with its token.
  std::string Url() const;

  void OnMessageBox(HWND box, const std::u16string& text, const std::u16string& caption, UINT type) override;
  void OnBeep(UINT type) override;
  void OnCursor(LPCWSTR shape) override;
  void OnInputDropped(HWND target, UINT message) override;

 private:
  class Server;
  std::unique_ptr<Server> server_;
};

}  // namespace plat::web
