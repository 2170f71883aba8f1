// Measures the word-list load and the puzzle compile on the bundled and the 49,000-word lists.
#include <benchmark/benchmark.h>

#include <string>

#include "words/dictionary.h"

namespace {

const std::string kLevel3 = std::string(LOOPWORD_DATA_DIR) + "/L3words.txt";
const std::string kList49000 = std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt";

void LoadDictionary(benchmark::State& state, const std::string& path) {
  int words = 0;
  for (auto _ : state) {
    const loopword::ReadResult result = loopword::ReadDictionaryFile(path);
    if (result.outcome != loopword::LoadOutcome::Loaded) {
      state.SkipWithError(("cannot load " + path).c_str());
      return;
    }
    words = result.dictionary.WordCount();
    benchmark::DoNotOptimize(words);
  }
  state.counters["words"] = words;
}

BENCHMARK_CAPTURE(LoadDictionary, L3, kLevel3)->Name("BM_LoadDictionary/L3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadDictionary, W49000, kList49000)
    ->Name("BM_LoadDictionary/W49000")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
