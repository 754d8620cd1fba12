// For the host's tests: a temporary device folder, prepared as the host
// prepares it, with the test command plug-in installed and a command table of
// its command ("テスト", sub-command 7, id 301) and of a missing plug-in's
// ("欠落", id 302), and the plug-in's log of the calls it received.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "darvik_app.h"

namespace darvik_test {

inline constexpr int kTestCommand = 301;
inline constexpr int kMissingCommand = 302;

class TestDevice {
 public:
  explicit TestDevice(const std::string& name)
      : root_(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()))) {
    std::filesystem::remove_all(root_);
    prepared_ = darvik::OpenDevice({root_.string(), false, {}});
  }
  ~TestDevice() { std::filesystem::remove_all(root_); }
  TestDevice(const TestDevice&) = delete;
  TestDevice& operator=(const TestDevice&) = delete;

  bool Prepared() const { return prepared_; }
  std::filesystem::path HostFolder() const { return root_ / "Built-in Storage" / "Program Files" / "Darvik"; }
  void InstallTestPlugin() const {
    std::filesystem::copy_file(TEST_COMMAND_PATH, HostFolder() / "Cmd" / "TestCommand.dll");
    std::ofstream(HostFolder() / "Commands.ini") << "テスト=TestCommand.dll,7,301\n欠落=Missing.dll,0,302\n";
  }
  // The plug-in's calls so far, one line each.
  std::vector<std::string> Calls() const {
    std::ifstream file(root_ / "TestCommand.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::filesystem::path root_;
  bool prepared_ = false;
};

}  // namespace darvik_test
