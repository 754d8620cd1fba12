// The per-command settings store: the current command's file under
// "\Built-in Storage\Program Files\Darvik\CmdCond", values cut to
// CMDCOND_VALUE_MAX units, bounded and unbounded reads.
#include <cmdcond.h>
#include <plat/device.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <string>

#include "settings_file.h"

namespace {

constexpr char16_t kStoreFolder[] = u"\\Built-in Storage\\Program Files\\Darvik\\CmdCond\\";
constexpr size_t kMaxCommandName = 100;

struct CurrentCommand {
  std::mutex lock;
  std::optional<host::SettingsFile> file;
};

CurrentCommand& Current() {
  static CurrentCommand current;
  return current;
}

std::optional<host::SettingsFile> CurrentStore() {
  std::lock_guard<std::mutex> hold(Current().lock);
  return Current().file;
}

// A name that is one valid device file name and also makes one with ".ini".
bool IsValidCommandName(const std::u16string& name, const std::u16string& devicePath) {
  std::string hostPath;
  return !name.empty() && name.size() <= kMaxCommandName && name.find_first_of(u"\\/") == std::u16string::npos &&
         plat::DeviceToHostPath(u"\\" + name, &hostPath) && plat::DeviceToHostPath(devicePath, &hostPath);
}

}  // namespace

int Cmdcond_SetCommand(const WCHAR* commandName) {
  if (commandName == nullptr) return 1;
  const std::u16string name(commandName);
  const std::u16string devicePath = kStoreFolder + name + u".ini";
  if (!IsValidCommandName(name, devicePath)) return 1;
  std::lock_guard<std::mutex> hold(Current().lock);
  Current().file.emplace(devicePath);
  return 0;
}

int GetCmdJkn(const WCHAR* key, WCHAR* value) { return GetCmdJkn(key, value, CMDCOND_VALUE_MAX + 1); }

int GetCmdJkn(const WCHAR* key, WCHAR* value, int size) {
  const auto store = CurrentStore();
  std::u16string stored;
  if (key == nullptr || value == nullptr || size < 1 || !store || !store->Read(key, &stored)) return 1;
  const size_t room = std::min<size_t>(static_cast<size_t>(size) - 1, CMDCOND_VALUE_MAX);
  const std::u16string_view kept = host::CutToUnits(stored, room);
  std::copy(kept.begin(), kept.end(), value);
  value[kept.size()] = u'\0';
  return 0;
}

int SetCmdJkn(const WCHAR* key, const WCHAR* value) {
  const auto store = CurrentStore();
  if (key == nullptr || value == nullptr || !store) return 1;
  return store->Write(key, host::CutToUnits(value, CMDCOND_VALUE_MAX)) ? 0 : 1;
}
