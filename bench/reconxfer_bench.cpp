// Costs of the data exchange plug-in: one import step (a card line read and
// stored as a new point with its card; also without the database, and the
// parsing of a line alone), one export step (the next card record read with its
// sight lines and photos, its lines formatted and written), and a whole
// import of a 10,000-line set by the import dialog on the headless desktop in
// virtual time.
#include <benchmark/benchmark.h>
#include <geopane.h>
#include <plat/codepage.h>
#include <plat/device.h>
#include <plat/headless_desktop.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ImfImportDlg.h"
#include "imf_format.h"
#include "imf_mapdb.h"

namespace {

// A fresh device folder with an open map and a storage card, removed at the end.
class ScratchDevice {
 public:
  ScratchDevice() {
    std::string pattern = (std::filesystem::temp_directory_path() / "reconxfer-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    plat::SetDeviceRoot(root_);
    std::filesystem::create_directories(root_ + "/Storage Card");
    if (Geopane_Open(u"\\bench.gpd") != 0) std::abort();
  }
  ~ScratchDevice() {
    Geopane_Close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  void Write(const std::string& relative, const std::string& bytes) const {
    std::ofstream(root_ + "/" + relative, std::ios::binary) << bytes;
  }

 private:
  std::string root_;
};

// A card as the office sends it and as the device registers it: every
// attribute entered, a date, a remark.
NavRecord TypicalCard(LONG kind) {
  NavRecord card{};
  card.surveyed = 1;
  card.kind = kind;
  card.origin = 1;
  card.surveyDate = 20260507;
  std::copy_n(u"北側,ガードレール横", 10, card.remarks);
  for (int slot = 0; slot < 11; ++slot) card.attr[slot] = slot + 1;
  return card;
}
PntRecord TypicalPoint(LONG number) {
  PntRecord point{};
  point.number = number;
  point.name = u"見本三角点";
  point.x = -12345.678 + number;
  point.y = 23456.789;
  point.z = 12.5;
  point.hasZ = 1;
  point.classCode = 8;
  point.stateCode = 11;
  return point;
}
std::string CardFile(LONG kind, int lines, LONG firstNumber) {
  std::string file;
  for (int at = 0; at < lines; ++at)
    file += FormatCardLine(TypicalCard(kind), TypicalPoint(firstNumber + at)).GetString();
  return file;
}

// A known-point card file of 1000 lines on the scratch device, read line by
// line and again from its start at its end.
struct CardFileLines {
  CardFileLines() {
    device.Write("Storage Card/K.CSV", CardFile(1, 1000, 1));
    if (!file.Open(u"\\Storage Card\\K.CSV", CFile::modeRead)) std::abort();
  }
  void Next() {
    if (ReadLine(file, line, bytes) == ImfRead::Line) return;
    file.SeekToBegin();
    ReadLine(file, line, bytes);
  }

  ScratchDevice device;
  CFile file;
  ImfLine line;
  DWORD bytes = 0;
};

void ImportStep(benchmark::State& state) {
  CardFileLines lines;
  for (auto _ : state) {
    lines.Next();
    if (StoreCardLine(1, lines.line) != StoreResult::Stored) state.SkipWithError("not stored");
  }
}
BENCHMARK(ImportStep);

void ImportStepWithoutDatabase(benchmark::State& state) {
  CardFileLines lines;
  PntRecord point;
  NavRecord card;
  for (auto _ : state) {
    lines.Next();
    benchmark::DoNotOptimize(ParseCardLine(1, lines.line.View(), point, card));
  }
}
BENCHMARK(ImportStepWithoutDatabase);

// The format's own share of a step: one card line in memory read into records.
void ParseOneCardLine(benchmark::State& state) {
  const CStringA line = FormatCardLine(TypicalCard(1), TypicalPoint(5));
  PntRecord point;
  NavRecord card;
  for (auto _ : state) benchmark::DoNotOptimize(ParseCardLine(1, line.GetString(), point, card));
}
BENCHMARK(ParseOneCardLine);

// Each card record with two sight lines and a photo.
void ExportStep(benchmark::State& state) {
  ScratchDevice device;
  const LookEntry looks[2] = {{u"北北東の鉄塔", 1, 2}, {u"南", 2, 1}};
  const PhotoEntry photo{1, 20260507, 93015, u"近景"};
  for (LONG number = 1; number <= 1000; ++number) {
    int id = 0;
    if (MapdbPnt_Put(&id, TypicalPoint(number)) != 0 || MapdbNav_Put(id, TypicalCard(1)) != 0 ||
        MapdbNav_PutLook(id, 2, looks) != 0 || MapdbNav_PutPhoto(id, 1, &photo) != 0) {
      std::abort();
    }
  }
  CFile files[3];
  const WCHAR* names[3] = {u"\\Storage Card\\OUT既知.CSV", u"\\Storage Card\\OUT既知見通.CSV",
                           u"\\Storage Card\\OUT既知写真.CSV"};
  for (int at = 0; at < 3; ++at) {
    if (!files[at].Open(names[at], CFile::modeCreate | CFile::modeWrite)) std::abort();
  }
  auto write = [](CFile& file, const CStringA& text) { file.Write(text.GetString(), text.GetLength()); };
  MapdbNav_Top();
  for (auto _ : state) {
    NavRecord card{};
    int id = 0;
    if (MapdbNav_Red(&id, &card) != 0) {
      MapdbNav_Top();
      MapdbNav_Red(&id, &card);
    }
    CardLines lines;
    if (CollectCardLines(id, card, lines) != CollectResult::Whole) state.SkipWithError("not collected");
    write(files[0], lines.card);
    for (const CStringA& look : lines.looks) write(files[1], look);
    for (const CStringA& line : lines.photos) write(files[2], line);
  }
}
BENCHMARK(ExportStep);

// 3334 known points, 3333 reference points and 3333 urban-block points, run
// by the dialog at one line per 1 ms tick; the virtual time it took is
// reported as a counter.
void WholeImportOf10000Lines(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ScratchDevice device;
    device.Write("Storage Card/BIG既知.CSV", CardFile(1, 3334, 1));
    device.Write("Storage Card/BIG街基.CSV", CardFile(2, 3333, 10001));
    device.Write("Storage Card/BIG街区.CSV", CardFile(3, 3333, 20001));
    device.Write("Storage Card/BIG.IMF",
                 plat::text::WideToAnsi(u"B01,\"BIG既知.CSV\",\r\nC01,\"BIG街基.CSV\",\r\nD01,\"BIG街区.CSV\",\r\n"));
    plat::HeadlessDesktop desktop;
    desktop.Start([] {
      while (AfxPumpMessage()) {
      }
    });
    bool ended = false;
    desktop.QueueAnswer(IDOK);
    const DWORD started = GetTickCount();
    state.ResumeTiming();
    desktop.Post([&] {
      ImfImportDlg dialog(u"\\Storage Card", u"BIG.IMF");
      dialog.DoModal();
      ended = true;
    });
    if (!desktop.RunUntil([&] { return ended; })) state.SkipWithError("the import did not end");
    state.PauseTiming();
    state.counters["virtual_s"] = (GetTickCount() - started) / 1000.0;
    int cards = 0;
    desktop.Ui([&] { MapdbNav_GetCnt(&cards); });
    if (cards != 10000) state.SkipWithError("not every line was stored");
    desktop.Stop();
    state.ResumeTiming();
  }
}
BENCHMARK(WholeImportOf10000Lines)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
