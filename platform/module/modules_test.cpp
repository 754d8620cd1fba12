// Tests of LoadLibrary, FreeLibrary, GetProcAddress, GetModuleHandle and
// GetModuleFileName with the test libraries of testlibs/: the good one
// (DllMain succeeds, own resources), the bad one (DllMain fails on attach)
// and the plain one (no DllMain, depends on the good one). The probe library
// counts the entry-point calls.
#include <gtest/gtest.h>
#include <plat/device.h>
#include <plat/module.h>
#include <windows.h>

#include <filesystem>

#include "module/test_support.h"
#include "probe.h"

namespace {

namespace fs = std::filesystem;
using module_test::ResourceBytes;
using module_test::ScratchFolder;

using GoodFunctionType = int (*)(int);

// A FARPROC as the function type it really has.
template <class Function>
Function As(FARPROC proc) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { ProbeReset(); }
  void TearDown() override { plat::SetLibrarySearchPath({}); }
};

TEST_F(ModuleTest, LoadCountsReferencesAndRunsDllMainOnFirstAndLast) {
  HMODULE module = LoadLibraryA(GOOD_LIBRARY_PATH);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ProbeCount("good attach"), 1);
  EXPECT_EQ(ProbeLastInstance(), module);
  EXPECT_EQ(LoadLibraryW(Wide(GOOD_LIBRARY_PATH).c_str()), module);
  EXPECT_EQ(ProbeCount("good attach"), 1);

  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(ProbeCount("good detach"), 0);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(ProbeCount("good detach"), 1);
  EXPECT_EQ(ProbeLastInstance(), module);
  SetLastError(0);
  EXPECT_FALSE(FreeLibrary(module));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
  EXPECT_EQ(ProbeCount("probe attach"), 0);
}

TEST_F(ModuleTest, GetProcAddressFindsOnlyTheModulesOwnSymbols) {
  HMODULE module = LoadLibraryA(GOOD_LIBRARY_PATH);
  ASSERT_NE(module, nullptr);
  auto good = As<GoodFunctionType>(GetProcAddressA(module, "GoodFunction"));
  ASSERT_NE(good, nullptr);
  EXPECT_EQ(good(20), 41);
  EXPECT_EQ(As<GoodFunctionType>(GetProcAddressW(module, u"GoodFunction")), good);
  EXPECT_EQ(plat::module::ModuleFromAddress(reinterpret_cast<const void*>(good)), module);

  struct Miss {
    const char* name;
    DWORD error;
  };
  const Miss misses[] = {{"ProbeCount", ERROR_PROC_NOT_FOUND},  // exported by a library it depends on
                         {"NoSuchFunction", ERROR_PROC_NOT_FOUND},
                         {MAKEINTRESOURCEA(1), ERROR_PROC_NOT_FOUND}};
  for (const Miss& miss : misses) {
    SetLastError(0);
    EXPECT_EQ(GetProcAddressA(module, miss.name), nullptr);
    EXPECT_EQ(GetLastError(), miss.error);
  }
  EXPECT_NE(GetProcAddressA(plat::module::ModuleFromAddress(reinterpret_cast<const void*>(&ProbeCount)), "ProbeCount"),
            nullptr);
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(ModuleTest, ResourcesBelongToTheirModuleAndGoWithIt) {
  HMODULE module = LoadLibraryA(GOOD_LIBRARY_PATH);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ResourceBytes(module, u"GOODDATA", RT_RCDATA), (std::vector<BYTE>{'g', 'o', 'o', 'd'}));
  WCHAR text[64] = {};
  EXPECT_EQ(LoadStringW(module, 1, text, 64), 21);
  EXPECT_EQ(std::u16string(text), u"from the good library");

  SetLastError(0);
  EXPECT_EQ(FindResourceW(nullptr, u"GOODDATA", RT_RCDATA), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});  // this executable has none

  ASSERT_TRUE(FreeLibrary(module));
  SetLastError(0);
  EXPECT_EQ(FindResourceW(module, u"GOODDATA", RT_RCDATA), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});
}

TEST_F(ModuleTest, FailingDllMainUnloadsAfterDetach) {
  SetLastError(0);
  EXPECT_EQ(LoadLibraryA(BAD_LIBRARY_PATH), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_DLL_INIT_FAILED});
  EXPECT_EQ(ProbeCount("bad attach"), 1);
  EXPECT_EQ(ProbeCount("bad detach"), 1);
  EXPECT_EQ(GetModuleHandleA(fs::path(BAD_LIBRARY_PATH).filename().c_str()), nullptr);
}

TEST_F(ModuleTest, DllMainOfADependencyIsNotCalled) {
  HMODULE module = LoadLibraryA(PLAIN_LIBRARY_PATH);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ProbeCount("good attach"), 0);
  EXPECT_EQ(ProbeCount("probe attach"), 0);
  auto plain = As<int (*)()>(GetProcAddressA(module, "PlainFunction"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain(), 41);
  EXPECT_EQ(GetProcAddressA(module, "GoodFunction"), nullptr);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(ProbeCount("good detach"), 0);
}

TEST_F(ModuleTest, MissingModulesAreReported) {
  const char16_t* missing[] = {u"/nonexistent/folder/survey.dll", u"no_such_module.dll", u"\\Windows\\nothing.dll"};
  for (const char16_t* name : missing) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(name), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_MOD_NOT_FOUND});
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleW(name), nullptr);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_MOD_NOT_FOUND});
  }
  EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
}

TEST_F(ModuleTest, BareNamesAreSearchedInTheLibrarySearchPath) {
  ScratchFolder folder;
  fs::copy_file(GOOD_LIBRARY_PATH, folder.path() / "survey.dll");
  SetLastError(0);
  EXPECT_EQ(LoadLibraryW(u"survey.dll"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_MOD_NOT_FOUND});

  plat::SetLibrarySearchPath({(folder.path() / "elsewhere").string(), folder.path().string()});
  HMODULE module = LoadLibraryW(u"survey.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetModuleHandleW(u"SURVEY.DLL"), module);
  EXPECT_EQ(GetModuleHandleA((folder.path() / "survey.dll").c_str()), module);
  WCHAR name[MAX_PATH] = {};
  const std::u16string expected = Wide((folder.path() / "survey.dll").string());
  EXPECT_EQ(GetModuleFileNameW(module, name, MAX_PATH), expected.size());
  EXPECT_EQ(std::u16string(name), expected);
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(ModuleTest, DevicePathsMapToTheDeviceFolder) {
  ScratchFolder folder;
  const std::string previousRoot = plat::DeviceRoot();
  plat::SetDeviceRoot(folder.path().string());
  fs::create_directory(folder.path() / "Windows");
  fs::copy_file(GOOD_LIBRARY_PATH, folder.path() / "Windows" / "survey.dll");
  HMODULE module = LoadLibraryW(u"\\windows\\SURVEY.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(LoadLibraryW(u"\\Windows\\survey.dll"), module);
  WCHAR name[MAX_PATH] = {};
  EXPECT_EQ(GetModuleFileNameW(module, name, MAX_PATH), 19u);
  EXPECT_EQ(std::u16string(name), u"\\Windows\\survey.dll");
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_TRUE(FreeLibrary(module));
  plat::SetDeviceRoot(previousRoot);
}

TEST_F(ModuleTest, MainExecutableAndLinkedLibrariesHaveHandlesAndNames) {
  HMODULE main = GetModuleHandleW(nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main, plat::module::ModuleFromAddress(reinterpret_cast<const void*>(&Wide)));
  EXPECT_EQ(GetModuleHandleA(nullptr), main);
  HMODULE windowSystem = GetModuleHandleW(u"libwince.so");
  ASSERT_NE(windowSystem, nullptr);
  EXPECT_EQ(windowSystem, plat::module::ModuleFromAddress(reinterpret_cast<const void*>(&LoadLibraryW)));

  WCHAR wide[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, wide, MAX_PATH);
  ASSERT_GT(length, 0u);
  EXPECT_TRUE(std::u16string(wide).ends_with(u"/module_modules_test"));
  char narrow[MAX_PATH] = {};
  EXPECT_EQ(GetModuleFileNameA(main, narrow, MAX_PATH), length);
  EXPECT_EQ(Wide(narrow), std::u16string(wide));

  WCHAR small[4] = {u'#', u'#', u'#', u'#'};
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameW(nullptr, small, 3), 3u);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
  EXPECT_EQ(std::u16string(small, 3), std::u16string(wide, 2) + u'\0');
  EXPECT_EQ(small[3], u'#');
  char tiny[3] = {'#', '#', '#'};
  EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, 2), 2u);
  EXPECT_EQ(std::string(tiny, 3), std::string(narrow, 1) + '\0' + '#');
}

}  // namespace
