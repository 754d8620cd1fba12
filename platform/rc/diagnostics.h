// Compile errors of the resource compiler: where in the script the fault is
// and what it is, reported as "file:line: message".
#pragma once
#include <stdexcept>
#include <string>

namespace rcc {

struct Location {
  std::string file;
  int line = 0;
};

class CompileError : public std::runtime_error {
 public:
  CompileError(const Location& where, const std::string& message)
      : std::runtime_error(where.file + ":" + std::to_string(where.line) + ": " + message) {}
};

}  // namespace rcc
