// For the card plug-in's screen tests in the test process itself: a
// temporary device with an open map, a host window with the map window on
// the headless desktop, the five screen objects, and the command started on
// them as JCadMain starts it; the end-of-command notices the host window
// received are recorded. The map, points stored on it and the current point
// are read and written on the user-interface thread.
#pragma once
#include <cmdcond.h>
#include <devcond.h>
#include <geopane.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <plat/headless_desktop.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "command.h"
#include "map_driver.h"
#include "screen_captions.h"
#include "screen_switch.h"
#include "screens.h"

namespace reconcard_test {

using plugin_test::MakePoint;
using plugin_test::PointFields;

inline constexpr int kCommandId = 101;

// The host window: records the end-of-command notices (their second parameter).
inline std::vector<LPARAM>& Notices() {
  static std::vector<LPARAM> notices;
  return notices;
}

inline LRESULT CALLBACK TestHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == ID_JCAD_END) Notices().push_back(lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

class ScreenTest : public ::testing::Test {
 protected:
  // Before the screens are made: the device's settings (e.g. the taller model).
  virtual void PrepareDevice() {}

  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "reconcard-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    std::filesystem::create_directories(root_ + "/Windows");
    plat::SetDeviceRoot(root_);
    ASSERT_EQ(Geopane_Open(u"\\map.gpd"), 0);
    Cmdcond_SetCommand(u"踏査");
    PrepareDevice();
    Notices().clear();
    desktop.Start([] {
      while (AfxPumpMessage()) {
      }
    });
    host = desktop.Ui([] { return CreateHost(); });
    ASSERT_NE(host, nullptr);
    desktop.Ui([] { ConstructScreens(); });
    started = true;
  }

  void TearDown() override {
    if (started) {
      desktop.Ui([this] {
        CloseCommand();
        DestroyScreens();
        ::DestroyWindow(host);
      });
    }
    desktop.Stop();
    Geopane_Close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  int Start() { return desktop.Ui([this] { return StartCommand(host, 0, kCommandId); }); }

  // Captions of the visible windows other than the host, in z order.
  std::vector<std::u16string> VisibleScreens() {
    std::vector<std::u16string> captions;
    for (HWND window : desktop.VisibleTopLevels()) {
      if (window != host) captions.push_back(desktop.Text(window));
    }
    return captions;
  }
  // The screen window with this caption, shown or hidden.
  HWND Window(const std::u16string& caption) { return plugin_test::WindowCaptioned(desktop, caption); }

  // Stores the point as a new one and redraws the map; its id, 0 on failure.
  int AddPoint(const PntRecord& point) { return plugin_test::StorePoint(desktop, point); }
  std::vector<int> MapSelection() { return plugin_test::MapSelection(desktop); }
  GeopaneMapState MapState() { return plugin_test::MapState(desktop); }
  int CurPointId() { return desktop.Ui([] { return GetCurPointId(); }); }

  plat::HeadlessDesktop desktop;
  HWND host = nullptr;

 private:
  static HWND CreateHost() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestHostProc;
    windowClass.lpszClassName = u"ReconTestHost";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, u"ReconTestHost", u"Host", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr,
                                    nullptr, nullptr, nullptr);
    if (window) Geopane_CreateMapWindow(window, RECT{0, 20, 240, 320});
    return window;
  }

  std::string root_;
  bool started = false;
};

}  // namespace reconcard_test
