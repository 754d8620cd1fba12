// The application object of the host, its command line and its start.
#include "darvik_app.h"

#include <afxwin.h>
#include <geopane.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "command_runner.h"
#include "device_layout.h"
#include "host_window.h"
#include "map_dump.h"
#include "script_runner.h"

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
    } else {
      errors << "darvik: unexpected argument '" << argument << "'\nusage: darvik [--device DIR] [--dump | --script FILE]\n";
      return false;
    }
  }
  return true;
}

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
