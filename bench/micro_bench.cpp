// micro_bench.cpp - Micro-benchmarks of the routines every run spends its time in: line
// splitting with code page 932 decoding, field reads, NumericOrZero, the depth-list merge, and
// the pattern-data folder's lock.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include <filesystem>

#include "common/cp932.h"
#include "common/routines.h"
#include "common/text_file.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "sections/depth_merge.h"
#include "tables/lock_holder.h"

namespace {

std::string SampleLines(int lines) {
  std::string out;
  for (int i = 0; i < lines; ++i) {
    out += gdf::Cp932Encode(u"  " + gdf::FromAscii(std::to_string(i % 997)) +
                            u".25,砂礫混じり粘土,ＣＭ～ＣＨ, 12\r\n");
  }
  return out;
}

void BM_LinesAndDecoding(benchmark::State& state) {
  const std::string bytes = SampleLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    gdf::LineFile file(bytes, u"b");
    std::size_t line = 0;
    std::size_t offset = 0;
    benchmark::DoNotOptimize(file.Validate(line, offset));
    gdf::TextReader reader(file);
    while (!reader.AtEnd()) benchmark::DoNotOptimize(reader.ReadLine());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LinesAndDecoding)->Arg(10000);

void BM_FieldRead(benchmark::State& state) {
  const gdf::LineFile file(SampleLines(10000), u"b");
  for (auto _ : state) {
    gdf::TextReader reader(file);
    while (!reader.AtEnd()) benchmark::DoNotOptimize(reader.ReadField());
  }
  state.SetItemsProcessed(state.iterations() * 40000);
}
BENCHMARK(BM_FieldRead);

void BM_NumericOrZero(benchmark::State& state) {
  const gdf::Text texts[] = {u" 12.50 ", u"1,234", u"-0.5", u"abc", u"", u"99999.99"};
  for (auto _ : state) {
    for (const auto& text : texts) benchmark::DoNotOptimize(gdf::NumericOrZero(text));
  }
  state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_NumericOrZero);

void BM_MergeDepthLists(benchmark::State& state) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> depth(0, 100000);
  std::vector<gdf::DepthEntry> first;
  std::vector<gdf::DepthEntry> second;
  for (int i = 0; i < state.range(0); ++i) {
    first.push_back({u"a", gdf::FromAscii(std::to_string(depth(random) / 100.0))});
    second.push_back({u"b", gdf::FromAscii(std::to_string(depth(random) / 100.0))});
  }
  const gdf::MergedTable table = gdf::AsFirstList(first);
  for (auto _ : state) benchmark::DoNotOptimize(gdf::MergeDepthLists(table, 1, second));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MergeDepthLists)->Range(1000, 16000)->Complexity();

// What a run pays for the pattern-data folder's lock: taking it (the lock file opened, the mount
// looked up, the byte locked), writing the holder's line, and giving it back (target: < 1 ms).
void BM_TakeAndGiveBackTheLock(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("gdfconv-bench-lock-" + std::to_string(state.range(0)));
  std::filesystem::create_directories(folder);
  gdf::FileSystemSettings settings;
  settings.drives[u'D'] = folder.string();
  gdf::HostFileSystem fs(settings);
  const std::string line = gdf::HolderLine(gdf::ThisHolder());
  for (auto _ : state) {
    gdf::LockError error;
    auto lock = fs.LockFolder(u"D:\\", gdf::LockMode::kExclusive, 0, error);
    if (!lock) state.SkipWithError(error.reason.text.c_str());
    gdf::FileError why;
    benchmark::DoNotOptimize(lock->WriteHolder(line, why));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TakeAndGiveBackTheLock)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
