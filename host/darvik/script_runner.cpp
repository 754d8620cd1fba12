// Runs a scenario against the host on the headless desktop.
#include "script_runner.h"

#include <plat/headless_desktop.h>

#include <atomic>
#include <exception>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "darvik_app.h"
#include "host_window.h"
#include "utf8.h"

namespace darvik {

namespace {

class ScriptSession {
 public:
  explicit ScriptSession(std::ostream& transcript) : transcript_(transcript) {
    desktop_.Start([this] {
      RunHost();
      hostEnded_ = true;
    });
    host_ = desktop_.FindWindowByCaption(kHostName);
    screen_ = host_;
  }
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Empty when the step passed, else why it failed.
  std::string Step(const std::string& verb, const std::string& argument) {
    if (hostEnded_) return "the host has ended";
    try {
      const std::string failure = Act(verb, argument);
      ReportChanges();
      return failure;
    } catch (const std::exception& error) {
      return error.what();
    }
  }

 private:
  std::string Act(const std::string& verb, const std::string& argument) {
    if (verb == "press") return Done(desktop_.Click(desktop_.FindByText(host_, u"Button", FromUtf8(argument))));
    if (verb == "click") return Done(desktop_.Click(Control(argument)));
    if (verb == "type") return Done(desktop_.Type(Control(argument), FromUtf8(Rest(argument))));
    if (verb == "close") return Done(desktop_.CloseWindow(Screen()));
    if (verb == "answer") return Answer(argument);
    if (verb == "settle") return desktop_.Settle(), std::string();
    if (verb == "expect-window") return Expect(ToUtf8(desktop_.Text(Screen())), argument);
    if (verb == "expect-text") return Expect(ToUtf8(desktop_.Text(Control(argument))), Rest(argument));
    if (verb == "expect-box") return Expect(LastBox(&plat::HeadlessDesktop::MessageBoxRecord::text), argument);
    if (verb == "expect-box-caption") {
      return Expect(LastBox(&plat::HeadlessDesktop::MessageBoxRecord::caption), argument);
    }
    return "unknown step";
  }

  // The window on display: the topmost visible top-level window other than
  // the host's and the open message box (a plug-in's screen), else the host's.
  HWND Screen() {
    const HWND box = desktop_.OpenMessageBox();
    for (HWND window : desktop_.VisibleTopLevels()) {
      if (window != host_ && window != box) return window;
    }
    return host_;
  }

  static std::string Done(bool taken) { return taken ? "" : "the window cannot take it"; }
  static std::string Expect(const std::string& actual, const std::string& expected) {
    return actual == expected ? "" : "expected \"" + expected + "\", found \"" + actual + "\"";
  }
  static std::string Rest(const std::string& argument) {
    const size_t space = argument.find(' ');
    return space == std::string::npos ? "" : argument.substr(space + 1);
  }

  HWND Control(const std::string& argument) {
    try {
      return desktop_.FindControl(Screen(), std::stoi(argument));
    } catch (const std::logic_error&) {
      return nullptr;
    }
  }

  std::string Answer(const std::string& argument) {
    static const std::pair<const char*, int> kButtons[] = {{"OK", IDOK}, {"CANCEL", IDCANCEL}, {"YES", IDYES},
                                                           {"NO", IDNO}};
    for (const auto& [name, id] : kButtons) {
      if (argument == name) return Done(desktop_.AnswerMessageBox(id));
    }
    return "unknown answer";
  }

  std::string LastBox(std::u16string plat::HeadlessDesktop::MessageBoxRecord::*field) const {
    const auto& boxes = desktop_.MessageBoxes();
    return boxes.empty() ? "" : ToUtf8(boxes.back().*field);
  }

  void ReportChanges() {
    const auto& boxes = desktop_.MessageBoxes();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_) {
      transcript_ << "box caption=\"" << ToUtf8(boxes[boxesSeen_].caption) << "\" text=\""
                  << ToUtf8(boxes[boxesSeen_].text) << "\"\n";
    }
    const auto& beeps = desktop_.Beeps();
    for (; beepsSeen_ < beeps.size(); ++beepsSeen_) transcript_ << "beep " << beeps[beepsSeen_] << "\n";
    if (hostEnded_) {
      transcript_ << "ended\n";
      return;
    }
    const HWND screen = Screen();
    if (screen == screen_) return;
    screen_ = screen;
    transcript_ << "screen " << ToUtf8(desktop_.Text(screen)) << "\n";
  }

  std::ostream& transcript_;
  std::atomic<bool> hostEnded_ = false;
  plat::HeadlessDesktop desktop_;
  HWND host_ = nullptr;
  HWND screen_ = nullptr;
  size_t boxesSeen_ = 0;
  size_t beepsSeen_ = 0;
};

}  // namespace

int RunScript(std::istream& script, std::ostream& transcript) {
  ScriptSession session(transcript);
  int lineNumber = 0;
  for (std::string line; std::getline(script, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    transcript << "> " << line << "\n";
    const size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    const std::string failure = session.Step(verb, argument);
    if (!failure.empty()) {
      transcript << "FAILED line " << lineNumber << ": " << line << ": " << failure << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace darvik
