// Costs of the map database's calls: one point-and-card write (a new point
// followed by its card, as an import does) and one card read.
#include <benchmark/benchmark.h>
#include <geopane.h>
#include <plat/device.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

// A fresh device folder with an open map, removed at the end.
class ScratchMap {
 public:
  ScratchMap() {
    std::string pattern = (std::filesystem::temp_directory_path() / "geopane-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    plat::SetDeviceRoot(root_);
    if (Geopane_Open(u"\\bench.gpd") != 0) std::abort();
  }
  ~ScratchMap() {
    Geopane_Close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

 private:
  std::string root_;
};

NavRecord ImportedCard() {
  NavRecord card{};
  card.kind = 1;
  card.origin = 1;
  card.surveyDate = -1;
  for (LONG& code : card.attr) code = -1;
  return card;
}

void PointAndCardWrite(benchmark::State& state) {
  ScratchMap map;
  PntRecord point{};
  point.name = u"街区点";
  point.classCode = 8;
  point.stateCode = 1;
  const NavRecord card = ImportedCard();
  for (auto _ : state) {
    int id = 0;
    ++point.number;
    if (MapdbPnt_Put(&id, point) != 0 || MapdbNav_Put(id, card) != 0) state.SkipWithError("write failed");
  }
}
BENCHMARK(PointAndCardWrite);

void CardRead(benchmark::State& state) {
  ScratchMap map;
  constexpr int kCards = 1000;
  PntRecord point{};
  for (int n = 0; n < kCards; ++n) {
    int id = 0;
    point.number = n;
    MapdbPnt_Put(&id, point);
    MapdbNav_Put(id, ImportedCard());
  }
  int id = 0;
  for (auto _ : state) {
    NavRecord card{};
    if (MapdbNav_Get(id % kCards + 1, &card) != 0) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(card);
    ++id;
  }
}
BENCHMARK(CardRead);

}  // namespace

BENCHMARK_MAIN();
