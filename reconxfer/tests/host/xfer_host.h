// For the data exchange plug-in's tests in the host: the host with both
// plug-ins on a temporary device, the sample interchange set and files of
// the tests' own on the storage card, the file dialogs answered as a person
// does, the progress dialog found and run to its end in virtual time, and
// the map database read back through the user-interface thread.
#pragma once
#include <geopane.h>
#include <gtest/gtest.h>
#include <plat/codepage.h>
#include <plat/device.h>
#include <plugin_host.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace xfer_test {

using plugin_test::kExportCommand;
using plugin_test::kImportCommand;

inline constexpr char16_t kCard[] = u"\\Storage Card";
inline constexpr char16_t kOpenCaption[] = u"ファイルを開く";
inline constexpr char16_t kSaveCaption[] = u"ファイルの保存";
// Controls of the host's file dialogs and of the plug-in's progress dialogs.
inline constexpr int kFileFolderLabel = 1001;
inline constexpr int kFileEntries = 1002;
inline constexpr int kFileNameField = 1005;
inline constexpr int kProgressBar = 1000;

// Code page 932 bytes of a text, as the interchange files hold it.
inline std::string Sjis(const std::u16string& text) { return plat::text::WideToAnsi(text); }

// A card of the map database with its point.
struct StoredCard {
  int id = 0;
  PntRecord point;
  NavRecord card{};
};

class XferHostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Prepared()); }

  // ---- files of the device ----
  static std::filesystem::path HostFile(const std::u16string& devicePath) {
    std::string path;
    EXPECT_TRUE(plat::DeviceToHostPath(devicePath, &path));
    return path;
  }
  static void WriteFile(const std::u16string& devicePath, const std::string& bytes) {
    std::filesystem::create_directories(HostFile(devicePath).parent_path());
    std::ofstream(HostFile(devicePath), std::ios::binary) << bytes;
  }
  static std::string ReadFile(const std::u16string& devicePath) {
    std::ifstream file(HostFile(devicePath), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  static bool Exists(const std::u16string& devicePath) { return std::filesystem::exists(HostFile(devicePath)); }
  // The names of the files in a device folder, sorted.
  static std::vector<std::u16string> FilesIn(const std::u16string& deviceFolder) {
    std::vector<std::u16string> names;
    for (const auto& entry : std::filesystem::directory_iterator(HostFile(deviceFolder))) {
      if (!entry.is_regular_file()) continue;
      std::u16string name;
      plat::HostToDevicePath(entry.path().string(), &name);
      names.push_back(name.substr(name.rfind(u'\\') + 1));
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // The sample set of tests/data/interchange, copied into a device folder.
  static void CopySampleSet(const std::u16string& deviceFolder = kCard) {
    std::filesystem::create_directories(HostFile(deviceFolder));
    for (const auto& entry : std::filesystem::directory_iterator(RECONXFER_SAMPLE_SET)) {
      std::filesystem::copy_file(entry.path(), HostFile(deviceFolder) / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }

  // ---- the host and the dialogs ----
  void Start() {
    host.Start();
    ASSERT_NE(host.Host(), nullptr);
  }
  plat::HeadlessDesktop& Desktop() { return host.Desktop(); }
  HWND FileDialog() {
    if (HWND open = host.Screen(kOpenCaption)) return open;
    return host.Screen(kSaveCaption);
  }
  std::u16string FileDialogFolder() { return Desktop().Text(Desktop().FindControl(FileDialog(), kFileFolderLabel)); }
  // In the open dialog: selects the entry (a file or a folder) and presses OK.
  void ChooseEntry(const std::u16string& name) {
    HWND dialog = FileDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = Desktop().FindControl(dialog, kFileEntries);
    const auto rows = Desktop().ListRows(list);
    int row = -1;
    for (size_t at = 0; at < rows.size(); ++at) {
      if (rows[at].at(0) == name) row = static_cast<int>(at);
    }
    ASSERT_GE(row, 0) << "no entry " << Sjis(name);
    ASSERT_TRUE(Desktop().SelectRow(list, row));
    ASSERT_TRUE(Desktop().Click(Desktop().FindControl(dialog, IDOK)));
  }
  // In the save dialog: types the name and presses OK.
  void NameFile(const std::u16string& name) {
    HWND dialog = host.Screen(kSaveCaption);
    ASSERT_NE(dialog, nullptr);
    HWND field = Desktop().FindControl(dialog, kFileNameField);
    Desktop().Ui([&] { ::SetWindowTextW(field, u""); });
    ASSERT_TRUE(Desktop().Type(field, name));
    ASSERT_TRUE(Desktop().Click(Desktop().FindControl(dialog, IDOK)));
  }
  // The progress dialog of the import or the export, or null.
  HWND ProgressDialog() {
    for (HWND window : Desktop().VisibleTopLevels()) {
      HWND bar = Desktop().FindControl(window, kProgressBar);
      if (bar && Desktop().ClassName(bar) == u"msctls_progress32") return window;
    }
    return nullptr;
  }
  int Progress() { return Desktop().ProgressPosition(Desktop().FindControl(ProgressDialog(), kProgressBar)); }
  bool RunUntil(const std::function<bool()>& done) { return Desktop().RunUntil(done); }
  // Runs the progress dialog in virtual time until it is gone.
  void RunToEnd() {
    ASSERT_TRUE(RunUntil([&] { return ProgressDialog() == nullptr; }));
  }
  bool MessageBoxOpen() { return Desktop().OpenMessageBox() != nullptr; }
  const plat::HeadlessDesktop::MessageBoxRecord& LastBox() {
    static const plat::HeadlessDesktop::MessageBoxRecord none;
    return Desktop().MessageBoxes().empty() ? none : Desktop().MessageBoxes().back();
  }
  size_t Boxes() { return Desktop().MessageBoxes().size(); }

  // Runs the import of a file in a folder of the storage card (given from
  // below the card, "" for the card itself) to its end, answering the
  // confirmation and the end message with OK.
  void Import(const std::u16string& name, const std::u16string& subfolder = u"") {
    ASSERT_TRUE(host.RunCommand(kImportCommand));
    if (!subfolder.empty() && FileDialogFolder() != std::u16string(kCard) + u"\\" + subfolder) {
      if (FileDialogFolder() != kCard) ChooseEntry(u"..");
      ChooseEntry(subfolder);
    }
    Desktop().QueueAnswer(IDOK);
    Desktop().QueueAnswer(IDOK);
    ChooseEntry(name);
    RunToEnd();
  }
  // Runs the export into a file of the storage card to its end, answering
  // the confirmation and the end message with OK.
  void Export(const std::u16string& name) {
    ASSERT_TRUE(host.RunCommand(kExportCommand));
    Desktop().QueueAnswer(IDOK);
    Desktop().QueueAnswer(IDOK);
    NameFile(name);
    RunToEnd();
  }

  // ---- the map database ----
  std::vector<StoredCard> Cards() {
    return Desktop().Ui([] {
      std::vector<StoredCard> cards;
      StoredCard read;
      if (MapdbNav_Top() != 0) return cards;
      while (MapdbNav_Red(&read.id, &read.card) == 0) {
        MapdbPnt_Get(read.id, &read.point);
        cards.push_back(read);
        read.card = NavRecord{};
      }
      return cards;
    });
  }
  std::vector<GeopaneMapPoint> DrawnPoints() {
    return Desktop().Ui([] {
      std::vector<GeopaneMapPoint> points;
      Geopane_MapPoints(&points);
      return points;
    });
  }
  unsigned MapRevision() {
    return Desktop().Ui([] {
      GeopaneMapState state{};
      Geopane_GetMapState(&state);
      return state.revision;
    });
  }
  // Folder and name of the last recorded import; empty when none.
  std::pair<std::u16string, std::u16string> KeptImport() {
    return Desktop().Ui([] {
      WCHAR folder[MAX_PATH] = {}, name[MAX_PATH] = {};
      int value = 0;
      if (MapdbNav_GetInfo(folder, name, &value) != 0) return std::pair<std::u16string, std::u16string>();
      return std::pair<std::u16string, std::u16string>(folder, name);
    });
  }
  // Creates a point with its card (and lists) directly in the database.
  int AddCard(PntRecord point, const NavRecord& card, const std::vector<LookEntry>& looks = {},
              const std::vector<PhotoEntry>& photos = {}) {
    return Desktop().Ui([&] {
      int id = 0;
      if (MapdbPnt_Put(&id, point) != 0 || MapdbNav_Put(id, card) != 0) return 0;
      if (!looks.empty()) MapdbNav_PutLook(id, static_cast<int>(looks.size()), looks.data());
      if (!photos.empty()) MapdbNav_PutPhoto(id, static_cast<int>(photos.size()), photos.data());
      return id;
    });
  }

  plugin_test::PluginHost host{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

}  // namespace xfer_test
