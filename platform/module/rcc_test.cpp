// Tests of the resource compiler as a program: scripts with faults end with
// a "file:line: message" error, exit code 1 and no output files (not even old
// ones); a good script writes the sources and a dependency file that lists
// the preprocessor's dependencies and the files the script names.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>

#include "module/test_support.h"

namespace {

namespace fs = std::filesystem;
using module_test::ScratchFolder;

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadFile(const fs::path& path) {
  const std::vector<BYTE> bytes = module_test::FileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class RccTest : public ::testing::Test {
 protected:
  // Runs rcc on script.rc; returns its exit code and keeps its error output.
  int Compile(const std::string& script, const std::string& extraArguments = "") {
    WriteFile(Path("script.rc"), script);
    const std::string command = std::string("'") + RCC_PATH + "' '" + Path("script.rc") + "' --cxx '" +
                                Path("out.cpp") + "' --asm '" + Path("out.s") + "' --symbol rcc_test " +
                                extraArguments + " 2> '" + Path("errors.txt") + "'";
    const int status = std::system(command.c_str());
    errors_ = ReadFile(Path("errors.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }

  ScratchFolder folder_;
  std::string errors_;
};

struct FaultyScript {
  const char* what;
  const char* script;
  int line;
  const char* message;
};

const FaultyScript kFaultyScripts[] = {
    {"unknown control statement", "1 DIALOG 0, 0, 10, 10\nBEGIN\n  LABEL \"x\", 1, 0, 0, 1, 1\nEND\n", 3,
     "unknown control statement 'LABEL'"},
    {"unknown dialog statement", "1 DIALOG 0, 0, 10, 10\nTITLE \"x\"\nBEGIN\nEND\n", 2,
     "unknown dialog statement 'TITLE'"},
    {"unknown statement", "\n\nFROB \"x\"\n", 3, "unknown statement 'FROB'"},
    {"unterminated string", "STRINGTABLE\nBEGIN\n  1 \"abc\nEND\n", 3, "unterminated string"},
    {"missing file", "// comment\n1 BITMAP \"missing.bmp\"\n", 2, "cannot open file 'missing.bmp'"},
    {"not a bitmap", "1 BITMAP \"data.bin\"\n", 1, "'data.bin' is not a bitmap file (no 'BM' signature)"},
    {"undefined identifier", "1 TOOLBAR 16,\n  IDX_HEIGHT BEGIN END\n", 2,
     "expected a number, found 'IDX_HEIGHT' (is the header that defines it included?)"},
    {"duplicate resource", "5 RCDATA { 1 }\n/* two\nlines */ 5 RCDATA { 2 }\n", 3, "duplicate resource: type 10, name 5"},
    {"duplicate string", "STRINGTABLE { 1 \"a\" }\nSTRINGTABLE { 1 \"b\" }\n", 2, "duplicate string id 1"},
    {"missing END", "1 TOOLBAR 16, 15\nBEGIN\n  BUTTON 1\n", 4, "missing END"},
    {"unsupported resource kind", "1 MENU\nBEGIN\nEND\n", 1, "MENU resources are not supported"},
};

TEST_F(RccTest, FaultsEndWithALocatedErrorAndNoOutput) {
  WriteFile(Path("data.bin"), "not a bitmap");
  for (const FaultyScript& fault : kFaultyScripts) {
    SCOPED_TRACE(fault.what);
    WriteFile(Path("out.cpp"), "stale");
    EXPECT_EQ(Compile(fault.script), 1);
    EXPECT_EQ(errors_, Path("script.rc") + ":" + std::to_string(fault.line) + ": " + fault.message + "\n");
    EXPECT_FALSE(fs::exists(Path("out.cpp")));
    EXPECT_FALSE(fs::exists(Path("out.s")));
  }
}

TEST_F(RccTest, LineMarkersOfThePreprocessorNameTheOriginalFile) {
  EXPECT_EQ(Compile("# 1 \"/src/app.rc\"\n# 1 \"/src/res.h\" 1\n# 40 \"/src/app.rc\" 2\n\n1 RCDATA { \"x\nEND\n"), 1);
  EXPECT_EQ(errors_, "/src/app.rc:41: unterminated string\n");
}

TEST_F(RccTest, BadCommandLineIsAUsageError) {
  EXPECT_EQ(Compile("1 RCDATA { 1 }\n", "--symbol '2bad'"), 2);
  EXPECT_NE(errors_.find("usage: rcc"), std::string::npos);
}

TEST_F(RccTest, DependencyFileListsHeadersAndNamedFiles) {
  WriteFile(Path("payload.bin"), "payload");
  WriteFile(Path("pre.d"), "out.cpp: /inc/a\\ b.h \\\n /inc/c.h\n");
  const int status = Compile("1 RCDATA \"payload.bin\"\n2 RCDATA \"payload.bin\"\n",
                             "--cpp-deps '" + Path("pre.d") + "' --deps '" + Path("out.d") + "'");
  ASSERT_EQ(status, 0) << errors_;
  EXPECT_EQ(ReadFile(Path("out.d")), Path("out.cpp") + ": \\\n  /inc/a\\ b.h \\\n  /inc/c.h \\\n  " +
                                         Path("payload.bin") + "\n");
  EXPECT_NE(ReadFile(Path("out.s")).find(".incbin \"" + Path("payload.bin") + "\", 0, 7"), std::string::npos);
  EXPECT_NE(ReadFile(Path("out.cpp")).find("ResourceRegistration"), std::string::npos);
}

}  // namespace
