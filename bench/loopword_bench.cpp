// Measures the word-list load and the puzzle compile on the bundled and the 49,000-word lists.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "compiler/compiler.h"
#include "words/dictionary.h"

namespace {

const std::map<std::string, std::string>& ListPaths() {
  static const std::map<std::string, std::string> paths = {
      {"L1", std::string(LOOPWORD_DATA_DIR) + "/L1words.txt"},
      {"L3", std::string(LOOPWORD_DATA_DIR) + "/L3words.txt"},
      {"W49000", std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt"},
  };
  return paths;
}

/// Each list is read once and shared by every benchmark that compiles from it.
std::shared_ptr<const loopword::Dictionary> Words(const std::string& name) {
  static std::map<std::string, std::shared_ptr<const loopword::Dictionary>> loaded;
  auto& words = loaded[name];
  if (!words) {
    words = std::make_shared<const loopword::Dictionary>(loopword::ReadDictionaryFile(ListPaths().at(name)).dictionary);
  }
  return words;
}

void BM_LoadDictionary(benchmark::State& state, const std::string& name) {
  int words = 0;
  for (auto _ : state) {
    const loopword::ReadResult result = loopword::ReadDictionaryFile(ListPaths().at(name));
    if (result.outcome != loopword::LoadOutcome::Loaded) {
      state.SkipWithError(("cannot load " + ListPaths().at(name)).c_str());
      return;
    }
    words = result.dictionary.WordCount();
    benchmark::DoNotOptimize(words);
  }
  state.counters["words"] = words;
}

/// One complete compile per iteration, headless, from a fixed seed.
void BM_Compile(benchmark::State& state, bool indexed, const std::string& name) {
  const auto words = Words(name);
  auto search = indexed ? loopword::MakeIndexedSearch(words) : loopword::MakeReferenceSearch(words);
  loopword::Compiler compiler(words, std::move(search), loopword::RandomSource(20261206));
  const auto ignore = [](const loopword::CompileEvent&) {};
  for (auto _ : state) {
    loopword::Puzzle puzzle;
    if (compiler.Compile(puzzle, "", ignore) != loopword::CompileOutcome::Complete) {
      state.SkipWithError("compile did not complete");
      return;
    }
    benchmark::DoNotOptimize(puzzle.List2.data());
  }
}

void RegisterAll() {
  for (const char* name : {"L3", "W49000"}) {
    benchmark::RegisterBenchmark((std::string("BM_LoadDictionary/") + name).c_str(), BM_LoadDictionary, name)
        ->Unit(benchmark::kMillisecond);
  }
  for (const bool indexed : {false, true}) {
    for (const char* name : {"L1", "L3", "W49000"}) {
      const std::string label = std::string("BM_Compile/") + (indexed ? "indexed/" : "reference/") + name;
      benchmark::RegisterBenchmark(label.c_str(), BM_Compile, indexed, name)->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
