// What rcc writes: the C++ source with the module's resource table (which
// registers itself with the module loader through a static object), the
// assembler source holding the bytes (.incbin for named files), and the
// dependency file. Every generated symbol starts with the caller's prefix and
// has hidden visibility, so several modules' tables never clash.
#pragma once
#include <string>
#include <vector>

#include "script.h"

namespace rcc {

// sourceName is only used in the "generated from" comments.
std::string GenerateCxx(const std::vector<Resource>& resources, const std::string& prefix, const std::string& sourceName);
std::string GenerateAsm(const std::vector<Resource>& resources, const std::string& prefix, const std::string& sourceName);

// A make-style dependency rule "target: prerequisites".
std::string GenerateDepfile(const std::string& target, const std::vector<std::string>& prerequisites);
// The prerequisites of the rules in a make-style dependency file (as the
// preprocessor writes them).
std::vector<std::string> ReadDepfilePrerequisites(const std::string& text);

}  // namespace rcc
