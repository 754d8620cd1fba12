// The statements of a resource script, each compiling one kind of resource
// into the script's resource list, and the script as a whole.
#pragma once
#include <string>
#include <string_view>

#include "parser.h"
#include "script.h"

namespace rcc {

struct CompileContext {
  Parser& parser;
  Script& script;
  // Folder of the .rc file; file names in the script are relative to it.
  std::string baseDir;
};

// The "name TYPE" that opens a resource statement.
struct ResourceHeader {
  ResourceId name;
  Location where;
};

// DIALOG and DIALOGEX, both laid out as DLGTEMPLATEEX (dialog.cpp).
void CompileDialog(CompileContext& context, const ResourceHeader& header);
// BITMAP, ICON and data from files (file_resources.cpp).
void CompileBitmap(CompileContext& context, const ResourceHeader& header);
void CompileIcon(CompileContext& context, const ResourceHeader& header);
// RCDATA and user-defined types: a file or inline data (file_resources.cpp).
void CompileData(CompileContext& context, const ResourceHeader& header, const ResourceId& type);
// TOOLBAR and STRINGTABLE (table_resources.cpp).
void CompileToolbar(CompileContext& context, const ResourceHeader& header);
void CompileStringTable(CompileContext& context);

// Compiles preprocessed script text into *script.
void CompileScript(std::string_view text, const std::string& fileName, const std::string& baseDir, Script* script);

}  // namespace rcc
