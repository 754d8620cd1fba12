// The host's command table: the commands that its bar offers, each run by a
// plug-in of the command folder.
//
// The table is the device file kCommandTablePath, UTF-8 text with one command
// a line, "name=plug-in file,sub-command,command id" (for example
// "踏査=ReconCard.dll,0,101"). Blank lines and lines starting with ';' or '#'
// are comments. A line that does not parse (no '=', empty name or plug-in,
// numbers that are not whole numbers, a command id outside 1..65535 or one
// already used or reserved (6000, the end-of-command notice, and 40001,
// the host's exit button), a sub-command outside 0..65535) is skipped, the other lines
// still count. A missing file is written with the default table.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace darvik {

inline constexpr int kReservedEndOfCommandId = 6000;
inline constexpr int kReservedExitId = 40001;

struct Command {
  std::u16string name;
  std::u16string plugin;  // file name inside the command folder
  int subCommand = 0;
  int commandId = 0;
};

// 踏査, 踏査データ取込 and 踏査データ書出.
std::vector<Command> DefaultCommands();
// The commands of the text, in the order of its lines.
std::vector<Command> ParseCommandTable(std::string_view utf8Text);
std::string FormatCommandTable(const std::vector<Command>& commands);
// Reads the device's table, first writing the defaults when it is missing.
std::vector<Command> LoadCommandTable();

}  // namespace darvik
