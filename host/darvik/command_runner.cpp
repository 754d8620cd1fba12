// Loads command plug-ins and drives them through their four exports.
#include "command_runner.h"

#include <afxwin.h>
#include <cmdcond.h>

#include "device_layout.h"

namespace darvik {

namespace {

typedef int(WINAPI* JCadMainFn)(HWND hostWnd, int second, int third, int subCommand, int commandId);
typedef int(WINAPI* JCadEnableFn)(int enable);
typedef int(WINAPI* JCadEventFn)(int first);
typedef int(WINAPI* JCadCloseFn)();

template <class F>
F Export(HMODULE module, const char* name) {
  // Through void (*)(), the generic function pointer type, as the export table holds no types.
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

struct CommandRunner::Plugin {
  std::u16string fileName;
  HMODULE module = nullptr;
  JCadMainFn main = nullptr;
  JCadEnableFn enable = nullptr;
  JCadEventFn event = nullptr;
  JCadCloseFn close = nullptr;
  bool Complete() const { return module && main && enable && event && close; }
};

CommandRunner::CommandRunner() = default;
CommandRunner::~CommandRunner() { Shutdown(); }

CommandRunner::Plugin* CommandRunner::LoadPlugin(const std::u16string& fileName) {
  for (const auto& plugin : plugins_) {
    if (lstrcmpiW(plugin->fileName.c_str(), fileName.c_str()) == 0) return plugin.get();
  }
  auto plugin = std::make_unique<Plugin>();
  plugin->fileName = fileName;
  plugin->module = LoadLibraryW((std::u16string(kCommandFolder) + u"\\" + fileName).c_str());
  if (plugin->module) {
    plugin->main = Export<JCadMainFn>(plugin->module, "JCadMain");
    plugin->enable = Export<JCadEnableFn>(plugin->module, "JCadEnable");
    plugin->event = Export<JCadEventFn>(plugin->module, "JCadEvent");
    plugin->close = Export<JCadCloseFn>(plugin->module, "JCadClose");
  }
  plugins_.push_back(std::move(plugin));
  return plugins_.back().get();
}

void CommandRunner::Load(const std::vector<Command>& commands) {
  Shutdown();
  commands_ = commands;
  for (const Command& command : commands_) {
    Plugin* plugin = LoadPlugin(command.plugin);
    pluginOfCommand_.push_back(plugin->Complete() ? plugin : nullptr);
  }
}

const Command* CommandRunner::Find(int commandId) const {
  for (const Command& command : commands_) {
    if (command.commandId == commandId) return &command;
  }
  return nullptr;
}

CommandRunner::Plugin* CommandRunner::PluginOf(int commandId) const {
  const Command* command = Find(commandId);
  return command ? pluginOfCommand_[command - commands_.data()] : nullptr;
}

bool CommandRunner::IsAvailable(int commandId) const { return PluginOf(commandId) != nullptr; }

bool CommandRunner::Run(int commandId, HWND hostWindow) {
  if (running_ != 0) {
    MessageBeep(MB_ICONHAND);
    return false;
  }
  Plugin* plugin = PluginOf(commandId);
  if (!plugin) return false;
  const Command& command = *Find(commandId);
  Cmdcond_SetCommand(command.name.c_str());
  running_ = commandId;
  const HINSTANCE previousResources = AfxGetResourceHandle();
  AfxSetResourceHandle(plugin->module);
  plugin->main(hostWindow, 0, 0, command.subCommand, command.commandId);
  AfxSetResourceHandle(previousResources);
  return true;
}

void CommandRunner::OnEndOfCommand(int commandId) {
  if (running_ == 0 || commandId != running_) return;
  Plugin* plugin = PluginOf(commandId);
  running_ = 0;
  plugin->close();
}

void CommandRunner::EnableRunning(bool enable) {
  if (Plugin* plugin = running_ ? PluginOf(running_) : nullptr) plugin->enable(enable ? 1 : 0);
}

void CommandRunner::Shutdown() {
  OnEndOfCommand(running_);
  for (const auto& plugin : plugins_) {
    if (plugin->module) FreeLibrary(plugin->module);
  }
  plugins_.clear();
  pluginOfCommand_.clear();
  commands_.clear();
}

}  // namespace darvik
