// Tests of extension modules: AfxInitExtensionModule refuses handles that
// are no module, a plug-in that joins the resource chain from its DllMain
// has its dialog found (and loses it when it unloads), and a plug-in whose
// initialisation fails does not load.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "mfc_test_res.h"

namespace {

TEST(ExtensionModules, InitialisationRefusesWhatIsNoModule) {
  AFX_EXTENSION_MODULE state{};
  EXPECT_FALSE(AfxInitExtensionModule(state, nullptr));
  int local = 0;
  EXPECT_FALSE(AfxInitExtensionModule(state, reinterpret_cast<HMODULE>(&local)));
  EXPECT_FALSE(state.bInitialized);
  EXPECT_TRUE(AfxInitExtensionModule(state, ::GetModuleHandle(nullptr)));
  EXPECT_TRUE(state.bInitialized);
  EXPECT_EQ(state.hResource, ::GetModuleHandle(nullptr));
}

TEST(ExtensionModules, APlugInsTemplatesAreFoundWhileItIsLoaded) {
  LPCTSTR name = MAKEINTRESOURCE(IDD_PLUGIN);
  EXPECT_EQ(AfxFindResourceHandle(name, RT_DIALOG), AfxGetResourceHandle());  // not found: the resource handle
  HMODULE plugin = ::LoadLibraryA(PLUGIN_PATH);
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(AfxFindResourceHandle(name, RT_DIALOG), plugin);
  // The application's own resources still come first.
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_SURVEY), RT_DIALOG), AfxGetResourceHandle());
  {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(name));
    CString caption;
    dlg.GetWindowText(caption);
    EXPECT_EQ(caption, CString(_T("Plug-in")));
    dlg.DestroyWindow();
  }
  EXPECT_TRUE(::FreeLibrary(plugin));
  EXPECT_EQ(AfxFindResourceHandle(name, RT_DIALOG), AfxGetResourceHandle());
  CDialog dlg;
  EXPECT_FALSE(dlg.Create(name));
}

TEST(ExtensionModules, APlugInWhoseInitialisationFailsDoesNotLoad) {
  EXPECT_EQ(::LoadLibraryA(FAILING_PLUGIN_PATH), nullptr);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_PLUGIN), RT_DIALOG), AfxGetResourceHandle());
}

TEST(ExtensionModules, LibrariesJoinAndLeaveTheChain) {
  AFX_EXTENSION_MODULE state{};
  ASSERT_TRUE(AfxInitExtensionModule(state, ::GetModuleHandle(nullptr)));
  new CDynLinkLibrary(state);
  new CDynLinkLibrary(state);
  AfxTermExtensionModule(state);  // deletes both; the sanitizers see a leak or a double delete
  EXPECT_FALSE(state.bInitialized);
}

}  // namespace
