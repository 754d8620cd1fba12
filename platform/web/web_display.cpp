// The browser display's HTTP server: request checks, the page's files, the
// screen as JSON with long polling, the windows' images and the person's
// actions posted as input to the UI thread.
#include <httplib.h>
#include <plat/web_display.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "page_assets.h"
#include "page_input.h"
#include "png_image.h"
#include "request_guard.h"
#include "window_images.h"
#include "window_tree.h"

namespace plat::web {
namespace {

constexpr auto kLongPoll = std::chrono::milliseconds(1000);
constexpr auto kPollStep = std::chrono::milliseconds(20);
constexpr auto kStartWait = std::chrono::seconds(5);
constexpr size_t kMaxBody = 16 * 1024;

const char kContentSecurity[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
    "frame-ancestors 'none'; base-uri 'none'; form-action 'none'";

void Answer(httplib::Response& response, int status, const std::string& text) {
  response.status = status;
  response.set_content(text, "text/plain; charset=utf-8");
}

std::string ReplaceAll(std::string text, const std::string& mark, const std::string& with) {
  for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + with.size())) {
    text.replace(at, mark.size(), with);
  }
  return text;
}

}  // namespace

class WebDisplay::Server {
 public:
  explicit Server(Options options)
      : port_(options.port), token_(options.token.empty() ? NewToken() : std::move(options.token)) {}

  void AddAdapter(const std::u16string& className, WindowAdapter* adapter) { adapters_.Add(className, adapter); }

  bool Start(DWORD uiThread) {
    uiThread_ = uiThread;
    Configure();
    port_ = port_ == 0 ? http_.bind_to_any_port("127.0.0.1") : (http_.bind_to_port("127.0.0.1", port_) ? port_ : -1);
    if (port_ <= 0) return false;
    listener_ = std::thread([this] { http_.listen_after_bind(); });
    // stop() does nothing to a server that is not listening yet.
    const auto deadline = std::chrono::steady_clock::now() + kStartWait;
    while (!http_.is_running() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(kPollStep);
    return true;
  }

  // The UI thread may be asked for work by a request while it stops the
  // server: it keeps taking sent work until the server's threads are done.
  void Stop() {
    stopping_ = true;
    if (!listener_.joinable()) return;
    std::atomic<bool> stopped = false;
    std::thread stopper([&] {
      http_.stop();
      listener_.join();
      stopped = true;
    });
    while (!stopped) {
      if (GetCurrentThreadId() == uiThread_) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    stopper.join();
  }

  int Port() const { return port_; }
  const std::string& Token() const { return token_; }

  void Beeped(UINT type) {
    std::lock_guard lock(eventsLock_);
    ++events_.beeps;
    events_.lastBeep = type;
    ++eventCount_;
  }
  void BoxOpened() {
    std::lock_guard lock(eventsLock_);
    ++events_.boxes;
    ++eventCount_;
  }
  void CursorChanged(bool wait) {
    std::lock_guard lock(eventsLock_);
    events_.waitCursor = wait;
    ++eventCount_;
  }
  void InputDropped() {
    std::lock_guard lock(eventsLock_);
    ++events_.dropped;
    ++eventCount_;
  }

 private:
  uint64_t Version() const { return WindowTreeVersion() + eventCount_.load(); }

  void Configure() {
    // httplib shares ports (SO_REUSEPORT) by default: another process could
    // then take the page's requests, token and all.
    http_.set_socket_options([](socket_t socket) {
      const int yes = 1;
      setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    http_.set_keep_alive_timeout(1);
    http_.set_read_timeout(5);
    http_.set_write_timeout(5);
    http_.set_payload_max_length(kMaxBody);
    http_.set_default_headers({{"X-Content-Type-Options", "nosniff"},
                               {"Referrer-Policy", "no-referrer"},
                               {"Content-Security-Policy", kContentSecurity}});
    http_.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
      return Guard(request, response);
    });
    http_.Get("/|/display\\.js|/display\\.css",
              [this](const httplib::Request& request, httplib::Response& response) { ServeAsset(request, response); });
    http_.Get("/api/state", [this](const httplib::Request& request, httplib::Response& response) {
      ServeState(request, response);
    });
    http_.Get("/api/image", [this](const httplib::Request& request, httplib::Response& response) {
      ServeImage(request, response);
    });
    http_.Post("/api/input", [this](const httplib::Request& request, httplib::Response& response) {
      TakeInput(request, response);
    });
  }

  httplib::Server::HandlerResponse Guard(const httplib::Request& request, httplib::Response& response) const {
    RequestFacts facts;
    facts.host = request.get_header_value("Host");
    facts.hasOrigin = request.has_header("Origin");
    facts.origin = request.get_header_value("Origin");
    facts.hasToken = request.has_param("token");
    facts.token = request.get_param_value("token");
    response.set_header("Cache-Control", "no-store");
    const std::string refusal = Refusal(facts, port_, token_);
    if (refusal.empty()) return httplib::Server::HandlerResponse::Unhandled;
    Answer(response, 403, "refused: " + refusal + "\n");
    return httplib::Server::HandlerResponse::Handled;
  }

  void ServeAsset(const httplib::Request& request, httplib::Response& response) const {
    PageAsset asset;
    if (!FindPageAsset(request.path, &asset)) return Answer(response, 404, "not found\n");
    std::string bytes(asset.bytes);
    if (request.path == "/") bytes = ReplaceAll(std::move(bytes), "{{TOKEN}}", token_);
    response.set_content(bytes, std::string(asset.contentType).c_str());
  }

  // Runs work on the UI thread; false when it is gone or the server stops.
  bool OnUiThread(const std::function<void()>& work) const { return !stopping_ && RunOnThread(uiThread_, work); }

  bool WaitForChange(uint64_t since) {
    const bool mayWait = waiting_.fetch_add(1) < kMaxWaitingPolls;
    const auto deadline = std::chrono::steady_clock::now() + kLongPoll;
    while (mayWait && Version() == since && !stopping_ && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(kPollStep);
    }
    waiting_.fetch_sub(1);
    return Version() != since;
  }

  void ServeState(const httplib::Request& request, httplib::Response& response) {
    const std::string sinceText = request.get_param_value("since");
    const uint64_t since = sinceText.empty() ? 0 : std::strtoull(sinceText.c_str(), nullptr, 10);
    if (since == Version() && !WaitForChange(since)) {
      return response.set_content(JsonValue::Object().Set("version", since).Set("unchanged", true).Dump(),
                                  "application/json");
    }
    std::string json;
    const bool read = OnUiThread([&] {
      DisplayEvents events;
      {
        std::lock_guard lock(eventsLock_);
        events = events_;
      }
      json = DescribeScreen(Version(), events, adapters_).Dump();
    });
    if (!read) return Answer(response, 503, "the user-interface thread has ended\n");
    response.set_content(json, "application/json");
  }

  void ServeImage(const httplib::Request& request, httplib::Response& response) const {
    const HWND window = WindowFromId(request.get_param_value("window"));
    const std::string name = request.get_param_value("name");
    Picture picture;
    bool found = false;
    if (!OnUiThread([&] { found = window && WindowImage(window, name, adapters_, &picture); })) {
      return Answer(response, 503, "the user-interface thread has ended\n");
    }
    const std::string png = found ? EncodePng(picture) : std::string();
    if (png.empty()) return Answer(response, 404, "no such image\n");
    // The page names each image with a key that changes with it.
    response.headers.erase("Cache-Control");
    response.set_header("Cache-Control", "private, max-age=86400");
    response.set_content(png, "image/png");
  }

  void TakeInput(const httplib::Request& request, httplib::Response& response) {
    Fields fields;
    if (!DecodeForm(request.body, &fields)) return Answer(response, 400, "the form does not decode\n");
    DecodedAction action = DecodeAction(fields);
    if (!action.error.empty()) return Answer(response, 400, action.error + "\n");
    int status = 204;
    std::string why;
    const bool ran = OnUiThread([&] {
      if (action.window && !IsWindow(action.window)) {
        status = 410;
        why = "the window is gone";
        return;
      }
      if (action.forAdapter) why = ActOnAdapter(action.window, fields, &action.input);
      if (!why.empty()) {
        status = 400;
        return;
      }
      for (const Input& input : action.input) Post(input);
    });
    if (!ran) return Answer(response, 503, "the user-interface thread has ended\n");
    if (status != 204) return Answer(response, status, why + "\n");
    response.status = 204;
  }

  std::string ActOnAdapter(HWND window, const Fields& fields, std::vector<Input>* input) const {
    WindowAdapter* adapter = adapters_.For(window);
    return adapter ? adapter->Act(window, fields, input) : "unknown action";
  }

  void Post(const Input& input) const {
    if (input.target) {
      PostInput(input.target, input.message, input.wParam, input.lParam);
    } else {
      PostKeyInput(uiThread_, input.message, input.wParam, input.lParam);
    }
  }

  int port_;
  std::string token_;
  Adapters adapters_;
  DWORD uiThread_ = 0;
  httplib::Server http_;
  std::thread listener_;
  std::atomic<bool> stopping_ = false;
  std::atomic<int> waiting_ = 0;
  mutable std::mutex eventsLock_;
  DisplayEvents events_;
  std::atomic<uint64_t> eventCount_ = 0;
};

WebDisplay::WebDisplay(Options options) : server_(std::make_unique<Server>(std::move(options))) {
  AddDisplayObserver(this);
}

WebDisplay::~WebDisplay() {
  Stop();
  RemoveDisplayObserver(this);
}

void WebDisplay::AddAdapter(const std::u16string& className, WindowAdapter* adapter) {
  server_->AddAdapter(className, adapter);
}
bool WebDisplay::Start(DWORD uiThread) { return server_->Start(uiThread); }
void WebDisplay::Stop() { server_->Stop(); }
int WebDisplay::Port() const { return server_->Port(); }
const std::string& WebDisplay::Token() const { return server_->Token(); }
std::string WebDisplay::Url() const {
  return "http://127.0.0.1:" + std::to_string(Port()) + "/?token=" + Token();
}

void WebDisplay::OnMessageBox(HWND, const std::u16string&, const std::u16string&, UINT) { server_->BoxOpened(); }
void WebDisplay::OnBeep(UINT type) { server_->Beeped(type); }
void WebDisplay::OnCursor(LPCWSTR shape) { server_->CursorChanged(shape == IDC_WAIT); }
void WebDisplay::OnInputDropped(HWND, UINT) { server_->InputDropped(); }

}  // namespace plat::web
