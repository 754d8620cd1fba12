// Reads, writes and parses the host's command table.
#include "command_table.h"

#include <plat/device.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "device_layout.h"
#include "utf8.h"

namespace darvik {

namespace {

bool ParseNumber(std::string_view text, int low, int high, int* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value >= low && *value <= high;
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool ParseLine(std::string_view line, Command* command) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = Trim(line.substr(0, equals));
  std::string_view rest = line.substr(equals + 1);
  const size_t comma1 = rest.find(',');
  const size_t comma2 = comma1 == std::string_view::npos ? comma1 : rest.find(',', comma1 + 1);
  if (comma2 == std::string_view::npos) return false;
  const std::string_view plugin = Trim(rest.substr(0, comma1));
  if (name.empty() || plugin.empty()) return false;
  if (!ParseNumber(Trim(rest.substr(comma1 + 1, comma2 - comma1 - 1)), 0, 65535, &command->subCommand)) return false;
  if (!ParseNumber(Trim(rest.substr(comma2 + 1)), 1, 65535, &command->commandId)) return false;
  command->name = FromUtf8(name);
  command->plugin = FromUtf8(plugin);
  return true;
}

bool IdTaken(const std::vector<Command>& commands, int commandId) {
  if (commandId == kReservedEndOfCommandId || commandId == kReservedExitId) return true;
  for (const Command& command : commands) {
    if (command.commandId == commandId) return true;
  }
  return false;
}

}  // namespace

std::vector<Command> DefaultCommands() {
  return {{u"踏査", u"ReconCard.dll", 0, 101},
          {u"踏査データ取込", u"ReconXfer.dll", 0, 102},
          {u"踏査データ書出", u"ReconXfer.dll", 1, 103}};
}

std::vector<Command> ParseCommandTable(std::string_view utf8Text) {
  std::vector<Command> commands;
  std::istringstream lines{std::string(utf8Text)};
  std::string line;
  while (std::getline(lines, line)) {
    const std::string_view text = Trim(line);
    if (text.empty() || text[0] == ';' || text[0] == '#') continue;
    Command command;
    if (ParseLine(text, &command) && !IdTaken(commands, command.commandId)) commands.push_back(command);
  }
  return commands;
}

std::string FormatCommandTable(const std::vector<Command>& commands) {
  std::string text;
  for (const Command& command : commands) {
    text += ToUtf8(command.name) + "=" + ToUtf8(command.plugin) + "," + std::to_string(command.subCommand) + "," +
            std::to_string(command.commandId) + "\n";
  }
  return text;
}

std::vector<Command> LoadCommandTable() {
  std::string hostPath;
  if (!plat::DeviceToHostPath(kCommandTablePath, &hostPath)) return {};
  if (!std::filesystem::exists(hostPath)) {
    std::ofstream(hostPath, std::ios::binary) << FormatCommandTable(DefaultCommands());
  }
  std::ifstream file(hostPath, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return ParseCommandTable(text.str());
}

}  // namespace darvik
