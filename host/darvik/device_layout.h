// Where the host keeps its things on the device: the standard folders that a
// new device folder gets, the command folder, the command table and the map
// database.
#pragma once
#include <string>

namespace darvik {

inline constexpr char16_t kHostFolder[] = u"\\Built-in Storage\\Program Files\\Darvik";
// Plug-ins are loaded from here by file name.
inline constexpr char16_t kCommandFolder[] = u"\\Built-in Storage\\Program Files\\Darvik\\Cmd";
inline constexpr char16_t kCommandTablePath[] = u"\\Built-in Storage\\Program Files\\Darvik\\Commands.ini";
inline constexpr char16_t kMapDatabasePath[] = u"\\Built-in Storage\\Program Files\\Darvik\\Map\\map.gpd";

// Makes hostFolder the device folder (an empty one keeps the platform's
// default, $XDG_DATA_HOME/recon-device) and creates the standard folders that
// are missing: "\Storage Card", "\Built-in Storage", the host's folder with
// its "Cmd" and "Map" folders, and "\Windows". False when one cannot be made.
bool PrepareDevice(const std::string& hostFolder);

}  // namespace darvik
