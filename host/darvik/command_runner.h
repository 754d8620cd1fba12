// The host's side of the plug-in protocol: loads the plug-ins that the
// command table names, runs one command at a time, closes a plug-in on its
// end-of-command notice, disables the running plug-in around the host's own
// modal windows and frees the plug-ins at exit.
//
// Each plug-in file is loaded once (names compared without regard to case)
// with LoadLibraryW from the command folder, and its four exports JCadMain,
// JCadEnable, JCadEvent and JCadClose taken with GetProcAddress. A command
// whose plug-in cannot be loaded or lacks an export is unavailable: the bar
// shows it disabled and Run refuses it.
//
// Running command c: Cmdcond_SetCommand(c.name); the plug-in's module becomes
// the class library's resource handle for the JCadMain call (its templates
// are found first) and the previous one is restored after; JCadMain(host
// window, 0, 0, c.subCommand, c.commandId), whose result is not looked at.
// The command counts as running from just before JCadMain until its notice.
// A second Run while a command runs is refused with MessageBeep(MB_ICONHAND).
// All calls are made on the host's user-interface thread.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "command_table.h"

namespace darvik {

// The end-of-command notice: WM_COMMAND with this wParam and the command id
// in the upper 16 bits of lParam.
inline constexpr WPARAM kEndOfCommand = 6000;

class CommandRunner {
 public:
  CommandRunner();
  ~CommandRunner();
  CommandRunner(const CommandRunner&) = delete;
  CommandRunner& operator=(const CommandRunner&) = delete;

  // Loads the plug-ins of the commands (after freeing any loaded before).
  void Load(const std::vector<Command>& commands);
  const std::vector<Command>& Commands() const { return commands_; }
  bool IsAvailable(int commandId) const;
  // The running command's id, or 0.
  int Running() const { return running_; }

  // Runs the command; false (with the refusal beep) when another runs, and
  // false when it is unknown or unavailable.
  bool Run(int commandId, HWND hostWindow);
  // The end-of-command notice of commandId: JCadClose of its plug-in, and the
  // command is over. Nothing for a command that does not run.
  void OnEndOfCommand(int commandId);
  // JCadEnable(enable) of the running command's plug-in, if any.
  void EnableRunning(bool enable);
  // Closes a running command (JCadClose) and frees every plug-in.
  void Shutdown();

 private:
  struct Plugin;
  Plugin* PluginOf(int commandId) const;
  const Command* Find(int commandId) const;
  Plugin* LoadPlugin(const std::u16string& fileName);

  std::vector<Command> commands_;
  std::vector<std::unique_ptr<Plugin>> plugins_;
  std::vector<Plugin*> pluginOfCommand_;  // parallel to commands_; null when unavailable
  int running_ = 0;
};

}  // namespace darvik
