// The application object of the host, its command line and its start.
#include "darvik_app.h"

#include <afxwin.h>
#include <devcond.h>
#include <geopane.h>
#include <plat/web_display.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "command_runner.h"
#include "device_layout.h"
#include "host_window.h"
#include "map_dump.h"
#include "script_runner.h"
#include "web_map.h"

namespace darvik {

namespace {

class DarvikApp : public CWinApp {
 public:
  DarvikApp() : CWinApp(kHostName) {}

  BOOL InitInstance() override {
    Geopane_Open(kMapDatabasePath);
    runner_.Load(LoadCommandTable());
    window_ = std::make_unique<HostWindow>(runner_);
    if (!window_->CreateHost()) return FALSE;
    m_pMainWnd = window_.get();
    return TRUE;
  }

  int ExitInstance() override {
    runner_.Shutdown();
    if (window_ && window_->GetSafeHwnd()) window_->DestroyWindow();
    m_pMainWnd = nullptr;
    window_.reset();
    Geopane_Close();
    return CWinApp::ExitInstance();
  }

 private:
  CommandRunner runner_;
  std::unique_ptr<HostWindow> window_;
};

DarvikApp theApp;

int RunScriptFile(const std::string& path) {
  std::ifstream script(path, std::ios::binary);
  if (!script) {
    std::cerr << "darvik: cannot read the script " << path << "\n";
    return 1;
  }
  return RunScript(script, std::cout);
}

// The host on the browser display; the calling thread is its UI thread.
int RunWebHost(int port) {
  const SIZE screen = DeviceScreenSize(IsR7());
  plat::SetScreenSize(screen.cx, screen.cy);
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before the first request
  WebMapAdapter map;
  plat::web::WebDisplay display({port, ""});
  display.AddAdapter(u"GeopaneMap", &map);
  if (!display.Start(GetCurrentThreadId())) {
    std::cerr << "darvik: cannot listen on 127.0.0.1:" << port << "\n";
    return 1;
  }
  std::cout << "web display: " << display.Url() << std::endl;
  const int result = RunHost();
  display.Stop();
  return result;
}

// A port number 0..65535 that is the whole argument.
bool ParsePort(const char* text, int* port) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 65535) return false;
  *port = static_cast<int>(value);
  return true;
}

constexpr char kUsage[] = "usage: darvik [--device DIR] [--dump | --script FILE | --web PORT]\n";

}  // namespace

bool ParseCommandLine(int argc, char** argv, HostOptions* options, std::ostream& errors) {
  for (int index = 1; index < argc; ++index) {
    const char* argument = argv[index];
    if (std::strcmp(argument, "--device") == 0 && index + 1 < argc) {
      options->deviceFolder = argv[++index];
    } else if (std::strcmp(argument, "--script") == 0 && index + 1 < argc) {
      options->script = argv[++index];
    } else if (std::strcmp(argument, "--dump") == 0) {
      options->dump = true;
    } else if (std::strcmp(argument, "--web") == 0 && index + 1 < argc) {
      if (!ParsePort(argv[++index], &options->webPort)) {
        errors << "darvik: --web takes a port from 0 to 65535\n" << kUsage;
        return false;
      }
    } else {
      errors << "darvik: unexpected argument '" << argument << "'\n" << kUsage;
      return false;
    }
  }
  const int modes = (options->dump ? 1 : 0) + (options->script.empty() ? 0 : 1) + (options->webPort >= 0 ? 1 : 0);
  if (modes > 1) {
    errors << "darvik: --dump, --script and --web exclude each other\n" << kUsage;
    return false;
  }
  return true;
}

SIZE DeviceScreenSize(bool tallerScreen) { return SIZE{240, tallerScreen ? 400 : 320}; }

bool OpenDevice(const HostOptions& options) { return PrepareDevice(options.deviceFolder); }

int RunHost() { return AfxWinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW); }

int DarvikMain(int argc, char** argv) {
  HostOptions options;
  if (!ParseCommandLine(argc, argv, &options, std::cerr)) return 2;
  if (!OpenDevice(options)) {
    std::cerr << "darvik: cannot prepare the device folder\n";
    return 1;
  }
  if (!options.script.empty()) return RunScriptFile(options.script);
  if (options.webPort >= 0) return RunWebHost(options.webPort);
  if (!options.dump) return RunHost();
  if (Geopane_Open(kMapDatabasePath) != 0) {
    std::cerr << "darvik: cannot open the map database\n";
    return 1;
  }
  std::cout << DumpMap();
  Geopane_Close();
  return 0;
}

}  // namespace darvik
