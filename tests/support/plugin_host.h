// For the plug-ins' tests: a temporary device folder prepared as the host
// prepares it, with the built plug-ins ReconCard and ReconXfer installed in
// its command folder under the default command table (踏査 101, 踏査データ取込
// 102, 踏査データ書出 103), the host running on a headless desktop, and the
// map database reachable from the test through the user-interface thread;
// and HostTest, a test fixture with that host started.
#pragma once
#include <geopane.h>
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "darvik_app.h"
#include "map_driver.h"

namespace plugin_test {

inline constexpr int kReconCommand = 101;
inline constexpr int kImportCommand = 102;
inline constexpr int kExportCommand = 103;

class PluginHost {
 public:
  explicit PluginHost(const std::string& name)
      : root_(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()))) {
    std::filesystem::remove_all(root_);
    prepared_ = darvik::OpenDevice({root_.string(), false, {}});
    if (prepared_) InstallPlugins();
  }
  ~PluginHost() {
    desktop_.reset();
    std::filesystem::remove_all(root_);
  }
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  bool Prepared() const { return prepared_; }
  const std::filesystem::path& Root() const { return root_; }
  // The host folder of a device path such as u"\\Storage Card\\a.IMF".
  std::filesystem::path HostPath(const std::u16string& devicePath) const {
    std::string path = root_.string();
    for (char16_t unit : devicePath) path += unit == u'\\' ? '/' : static_cast<char>(unit);
    return path;
  }

  // Starts the host; its main window is Host().
  void Start() {
    desktop_ = std::make_unique<plat::HeadlessDesktop>();
    desktop_->Start([this] {
      darvik::RunHost();
      hostReturned_ = true;
    });
    host_ = desktop_->FindWindowByCaption(u"Darvik");
  }
  plat::HeadlessDesktop& Desktop() { return *desktop_; }
  HWND Host() const { return host_; }
  bool HostReturned() const { return hostReturned_; }

  // Presses the command's button on the host's bar.
  bool RunCommand(int commandId) { return desktop_->Click(desktop_->FindControl(host_, commandId)); }
  // The visible top-level window with this caption, or null.
  HWND Screen(const std::u16string& caption) {
    HWND window = desktop_->FindWindowByCaption(caption);
    return window && desktop_->IsVisible(window) ? window : nullptr;
  }
  // The top-level window with this caption, shown or hidden, or null.
  HWND Window(const std::u16string& caption) { return WindowCaptioned(*desktop_, caption); }
  HWND Map() { return MapWindow(*desktop_); }
  // Taps the map where the point of this number is drawn.
  bool TapPoint(int number) { return TapPointNumbered(*desktop_, number); }
  // Taps the map at map point (x, y).
  bool TapCoordinate(double x, double y) { return plugin_test::TapCoordinate(*desktop_, x, y); }

  // Creates a point on the map (through the host's thread once it runs) and
  // returns its id, 0 on failure.
  int AddPoint(const PntRecord& point) { return StorePoint(*desktop_, point); }

 private:
  void InstallPlugins() const {
    const auto folder = root_ / "Built-in Storage" / "Program Files" / "Darvik" / "Cmd";
#ifdef RECONCARD_PATH
    std::filesystem::copy_file(RECONCARD_PATH, folder / "ReconCard.dll");
#endif
#ifdef RECONXFER_PATH
    std::filesystem::copy_file(RECONXFER_PATH, folder / "ReconXfer.dll");
#endif
  }

  std::filesystem::path root_;
  bool prepared_ = false;
  std::unique_ptr<plat::HeadlessDesktop> desktop_;
  HWND host_ = nullptr;
  std::atomic<bool> hostReturned_ = false;
};

// A test with the host started on a device of its own, named after the test.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Prepared());
    host.Start();
    ASSERT_NE(host.Host(), nullptr);
  }
  plat::HeadlessDesktop& Desktop() { return host.Desktop(); }

  PluginHost host{FolderName()};

 private:
  static std::string FolderName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "_" + test->name();
  }
};

}  // namespace plugin_test
