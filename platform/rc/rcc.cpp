// rcc, the resource compiler: reads a preprocessed resource script and writes
// the module's resource table as C++ and assembler sources.
//
//   rcc <preprocessed.rc> --cxx <out.cpp> --asm <out.s> --symbol <prefix>
//       [--source <file.rc>] [--cpp-deps <preprocessor.d>] [--deps <out.d>]
//
// --source names the original script (file names in it are relative to its
// folder; default: the input). --deps writes a dependency file listing the
// preprocessor's dependencies (--cpp-deps) and the files the script names.
// Errors are printed as "file:line: message" and end with exit code 1 (2 for
// a bad command line); no output file is left behind then, not even an old one.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "output.h"
#include "statements.h"

namespace {

struct Options {
  std::string input, source, cxx, asmFile, symbol, cppDeps, deps;
};

bool IsIdentifier(const std::string& text) {
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  for (char c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  const std::map<std::string, std::string*> named = {
      {"--source", &options->source}, {"--cxx", &options->cxx},           {"--asm", &options->asmFile},
      {"--symbol", &options->symbol}, {"--cpp-deps", &options->cppDeps}, {"--deps", &options->deps},
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (auto it = named.find(arg); it != named.end() && i + 1 < argc) {
      *it->second = argv[++i];
    } else if (options->input.empty() && arg.rfind("--", 0) != 0) {
      options->input = arg;
    } else {
      return false;
    }
  }
  if (options->source.empty()) options->source = options->input;
  return !options->input.empty() && !options->cxx.empty() && !options->asmFile.empty() && IsIdentifier(options->symbol);
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

// Writes every file under a temporary name first and renames them at the
// end, so a failure never leaves part of the output.
class OutputSet {
 public:
  void Add(const std::string& path, std::string content) { files_.emplace_back(path, std::move(content)); }

  bool Commit(std::string* error) {
    for (const auto& [path, content] : files_) {
      std::ofstream out(Temporary(path), std::ios::binary | std::ios::trunc);
      if (!(out << content) || !out.flush()) {
        *error = "cannot write '" + path + "'";
        RemoveTemporaries();
        return false;
      }
    }
    for (const auto& [path, content] : files_) std::filesystem::rename(Temporary(path), path);
    return true;
  }

 private:
  void RemoveTemporaries() {
    std::error_code ignored;
    for (const auto& [path, content] : files_) std::filesystem::remove(Temporary(path), ignored);
  }

  static std::string Temporary(const std::string& path) { return path + ".tmp"; }
  std::vector<std::pair<std::string, std::string>> files_;
};

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

int Run(const Options& options) {
  std::string text;
  if (!ReadWholeFile(options.input, &text)) {
    std::cerr << "rcc: cannot read '" << options.input << "'\n";
    return 1;
  }
  rcc::Script script;
  const std::string baseDir = std::filesystem::absolute(options.source).parent_path().string();
  rcc::CompileScript(text, options.source, baseDir, &script);
  const std::vector<rcc::Resource> resources = script.TakeResources();
  const std::string sourceName = FileName(options.source);
  OutputSet outputs;
  outputs.Add(options.cxx, rcc::GenerateCxx(resources, options.symbol, sourceName));
  outputs.Add(options.asmFile, rcc::GenerateAsm(resources, options.symbol, sourceName));
  if (!options.deps.empty()) {
    std::vector<std::string> prerequisites;
    std::string cppDeps;
    if (!options.cppDeps.empty()) {
      if (!ReadWholeFile(options.cppDeps, &cppDeps)) {
        std::cerr << "rcc: cannot read '" << options.cppDeps << "'\n";
        return 1;
      }
      prerequisites = rcc::ReadDepfilePrerequisites(cppDeps);
    }
    prerequisites.insert(prerequisites.end(), script.Dependencies().begin(), script.Dependencies().end());
    outputs.Add(options.deps, rcc::GenerateDepfile(options.cxx, prerequisites));
  }
  std::string error;
  if (!outputs.Commit(&error)) {
    std::cerr << "rcc: " << error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::cerr << "usage: rcc <preprocessed.rc> --cxx <out.cpp> --asm <out.s> --symbol <prefix>\n"
                 "           [--source <file.rc>] [--cpp-deps <preprocessor.d>] [--deps <out.d>]\n";
    return 2;
  }
  int status = 1;
  try {
    status = Run(options);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
  }
  if (status != 0) {
    std::error_code ignored;
    for (const std::string* path : {&options.cxx, &options.asmFile, &options.deps}) {
      if (!path->empty()) std::filesystem::remove(*path, ignored);
    }
  }
  return status;
}
