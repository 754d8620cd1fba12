// Runs a scenario against the host on the headless desktop.
#include "script_runner.h"

#include <geopane.h>
#include <plat/headless_desktop.h>

#include <atomic>
#include <exception>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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
    if (verb == "choose") return Done(desktop_.Choose(Control(argument), FromUtf8(Rest(argument))));
    if (verb == "choose-index") return Done(desktop_.Choose(Control(argument), Number(Rest(argument))));
    if (verb == "tick" || verb == "radio") return Done(desktop_.SetCheck(Control(argument), true));
    if (verb == "untick") return Done(desktop_.SetCheck(Control(argument), false));
    if (verb == "key") return Key(argument);
    if (verb == "toolbar") return Done(desktop_.ToolbarCommand(Toolbar(), Number(argument)));
    if (verb == "select-row") return Done(desktop_.SelectRow(Control(argument), Number(Rest(argument))));
    if (verb == "double-tap-row") return Done(desktop_.DoubleTapRow(Control(argument), Number(Rest(argument))));
    if (verb == "tab") return Done(desktop_.SelectTab(Control(argument), Number(Rest(argument))));
    if (verb == "date") return SetDate(Control(argument), Rest(argument));
    if (verb == "scroll") return ScrollScreen(argument);
    if (verb == "tap-point") return TapPoint(&Geopane_PointPixelByNumber, Number(argument));
    if (verb == "tap-point-id") return TapPoint(&Geopane_PointPixel, Number(argument));
    if (verb == "tap-map") return TapCoordinate(argument);
    if (verb == "file-choose") return ChooseFile(argument);
    if (verb == "file-cancel") return CancelFile();
    if (verb == "close") return Done(desktop_.CloseWindow(Screen()));
    if (verb == "caption-ok") return Done(desktop_.CaptionOk(Screen()));
    if (verb == "answer") return Answer(argument);
    if (verb == "settle") return desktop_.Settle(), std::string();
    if (verb == "advance") return AdvanceClock(Number(argument));
    return Expectation(verb, argument);
  }

  std::string Expectation(const std::string& verb, const std::string& argument) {
    if (verb == "expect-window") return Expect(ToUtf8(desktop_.Text(Screen())), argument);
    if (verb == "expect-text") return Expect(ToUtf8(desktop_.Text(Existing(argument))), Rest(argument));
    if (verb == "expect-checked") {
      return Expect(std::to_string(desktop_.CheckState(Existing(argument))), Rest(argument));
    }
    if (verb == "expect-enabled") return Expect(desktop_.IsEnabled(Existing(argument)) ? "1" : "0", Rest(argument));
    if (verb == "expect-selection") return Expect(ComboSelectionText(Existing(argument)), Rest(argument));
    if (verb == "expect-row") return Expect(RowCells(Existing(argument), Rest(argument)), Rest(Rest(argument)));
    if (verb == "expect-tab") {
      return Expect(std::to_string(desktop_.TabSelection(Existing(argument))), Rest(argument));
    }
    if (verb == "expect-date") return Expect(DateText(Existing(argument)), Rest(argument));
    if (verb == "expect-map-selection") return Expect(MapSelection(), argument);
    if (verb == "expect-box") return Expect(LastBox(&plat::HeadlessDesktop::MessageBoxRecord::text), argument);
    if (verb == "expect-box-caption") {
      return Expect(LastBox(&plat::HeadlessDesktop::MessageBoxRecord::caption), argument);
    }
    throw std::runtime_error("unknown step");
  }

  // A date as YYYYMMDD (the box ticked), or "none" (the box cleared).
  std::string SetDate(HWND picker, const std::string& value) {
    if (value == "none") return Done(desktop_.SetDateChecked(picker, false));
    return Done(desktop_.SetDate(picker, Number(value)));
  }
  std::string DateText(HWND picker) {
    SYSTEMTIME date{};
    if (desktop_.DatePickerValue(picker, &date) != GDT_VALID) return "none";
    return std::to_string(date.wYear * 10000 + date.wMonth * 100 + date.wDay);
  }

  std::string AdvanceClock(int milliseconds) {
    if (milliseconds < 0) return "expected milliseconds of 0 or more";
    desktop_.Advance(static_cast<uint64_t>(milliseconds));
    return "";
  }

  std::string Key(const std::string& name) {
    static const struct {
      const char* name;
      UINT key;
      bool shift;
    } kKeys[] = {{"Enter", VK_RETURN, false}, {"Escape", VK_ESCAPE, false}, {"Tab", VK_TAB, false},
                 {"Shift+Tab", VK_TAB, true}};
    for (const auto& key : kKeys) {
      if (name == key.name) return Done(desktop_.PressKey(key.key, key.shift));
    }
    return "unknown key (Enter, Escape, Tab, Shift+Tab)";
  }

  std::string ScrollScreen(const std::string& name) {
    static const std::pair<const char*, int> kCodes[] = {{"up", SB_LINEUP},       {"down", SB_LINEDOWN},
                                                         {"page-up", SB_PAGEUP},  {"page-down", SB_PAGEDOWN},
                                                         {"top", SB_TOP},         {"bottom", SB_BOTTOM}};
    for (const auto& [codeName, code] : kCodes) {
      if (name == codeName) return Done(desktop_.Scroll(Screen(), code));
    }
    return "unknown scroll (up, down, page-up, page-down, top, bottom)";
  }

  // Taps the map window at the pixel that find gives, when it gives one a person could tap.
  template <class Find>
  std::string TapMap(Find find) {
    POINT pixel{};
    const int status = desktop_.Ui([&] { return find(&pixel); });
    if (status != 0) return "not on the map on display";
    return Done(desktop_.Tap(desktop_.Ui([] { return Geopane_MapWindow(); }), pixel.x, pixel.y));
  }

  std::string TapPoint(int (*pixelOf)(int, POINT*), int key) {
    return TapMap([=](POINT* pixel) { return pixelOf(key, pixel); });
  }

  std::string TapCoordinate(const std::string& argument) {
    std::istringstream fields(argument);
    double x = 0, y = 0;
    if (!(fields >> x >> y)) return "expected two map coordinates";
    return TapMap([&](POINT* pixel) { return Geopane_MapToPixel(x, y, pixel); });
  }

  // The host's file dialog on display, or null.
  HWND FileDialog() {
    const HWND open = desktop_.FindWindowByCaption(u"ファイルを開く");
    return open ? open : desktop_.FindWindowByCaption(u"ファイルの保存");
  }

  std::string CancelFile() {
    const HWND dialog = FileDialog();
    return dialog ? Done(desktop_.Click(desktop_.FindControl(dialog, IDCANCEL))) : kNoFileDialog;
  }

  // Opening: selects the entry of that name and presses OK. Saving: empties
  // the name field (the desktop has no gesture for selecting its text), types
  // the name, then OK.
  std::string ChooseFile(const std::string& name) {
    const HWND dialog = FileDialog();
    if (!dialog) return kNoFileDialog;
    if (const HWND nameField = desktop_.FindControl(dialog, kFileNameField)) {
      const bool emptied = desktop_.Ui([&] { return ::SetWindowTextW(nameField, u"") != 0; });
      if (!emptied) return "the name field cannot be emptied";
      if (!desktop_.Type(nameField, FromUtf8(name))) return "the name field cannot take it";
    } else if (!SelectEntry(desktop_.FindControl(dialog, kFileEntries), FromUtf8(name))) {
      return "no entry \"" + name + "\" in the file list";
    }
    return Done(desktop_.Click(desktop_.FindControl(dialog, IDOK)));
  }

  bool SelectEntry(HWND list, const std::u16string& name) {
    const auto rows = desktop_.ListRows(list);
    for (size_t row = 0; row < rows.size(); ++row) {
      if (!rows[row].empty() && rows[row][0] == name) return desktop_.SelectRow(list, static_cast<int>(row));
    }
    return false;
  }

  // The first toolbar among the descendants of the window on display, or null.
  HWND Toolbar() {
    const HWND screen = Screen();
    return desktop_.Ui([screen] {
      HWND found = nullptr;
      ::EnumChildWindows(
          screen,
          [](HWND child, LPARAM result) -> BOOL {
            WCHAR name[64] = {};
            ::GetClassNameW(child, name, 64);
            if (std::u16string(name) != TOOLBARCLASSNAMEW) return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&found));
      return found;
    });
  }

  // The map's selected point ids, ascending, joined by ','.
  std::string MapSelection() {
    std::vector<int> ids;
    if (desktop_.Ui([&] { return Geopane_MapSelection(&ids); }) != 0) throw std::runtime_error("no map window");
    std::string joined;
    for (int id : ids) joined += (joined.empty() ? "" : ",") + std::to_string(id);
    return joined;
  }

  std::string ComboSelectionText(HWND combo) {
    const int selection = desktop_.ComboSelection(combo);
    const auto items = desktop_.ComboItems(combo);
    return selection >= 0 && selection < static_cast<int>(items.size()) ? ToUtf8(items[selection]) : "";
  }

  // The cells of the row named first in argument, joined by '|'.
  std::string RowCells(HWND list, const std::string& argument) {
    const int row = Number(argument);
    const auto rows = desktop_.ListRows(list);
    if (row < 0 || row >= static_cast<int>(rows.size())) throw std::runtime_error("no row " + std::to_string(row));
    std::string cells;
    for (const auto& cell : rows[row]) cells += (cells.empty() ? "" : "|") + ToUtf8(cell);
    return cells;
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

  // The whole number leading argument; throws naming it when there is none.
  static int Number(const std::string& argument) {
    try {
      return std::stoi(argument);
    } catch (const std::logic_error&) {
      throw std::runtime_error("expected a number, found \"" + argument.substr(0, argument.find(' ')) + "\"");
    }
  }

  // The control of the window on display for an expectation; throws when missing.
  HWND Existing(const std::string& argument) {
    const HWND control = Control(argument);
    if (!control) throw std::runtime_error("no control " + argument.substr(0, argument.find(' ')) + " on display");
    return control;
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

  static constexpr int kFileEntries = 1002;
  static constexpr int kFileNameField = 1005;
  static constexpr const char* kNoFileDialog = "no file dialog on display";

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
