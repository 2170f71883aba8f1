// Measures the word-list load (UTF-8 and Windows-1252) and the puzzle compile on the bundled and the 49,000-word lists, and theme fills.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "compiler/compiler.h"
#include "exact/exact_engine.h"
#include "grade/grader.h"
#include "session/session.h"
#include "words/dictionary.h"

namespace {

/// A copy of the 49,000-word list whose last line is not UTF-8, so that it is read twice, the second
/// time as Windows-1252; written once into the temporary folder.
std::string Windows1252List() {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "loopword-bench-W49000-1252.txt";
  std::ifstream in(std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt", std::ios::binary);
  std::ofstream(path, std::ios::binary) << in.rdbuf() << "caf\xE9\n";
  return path.string();
}

const std::map<std::string, std::string>& ListPaths() {
  static const std::map<std::string, std::string> paths = {
      {"L1", std::string(LOOPWORD_DATA_DIR) + "/L1words.txt"},
      {"L2", std::string(LOOPWORD_DATA_DIR) + "/L2words.txt"},
      {"L3", std::string(LOOPWORD_DATA_DIR) + "/L3words.txt"},
      {"W49000", std::string(LOOPWORD_BENCH_DATA_DIR) + "/W49000.txt"},
      {"W49000-Windows1252", Windows1252List()},
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
    benchmark::DoNotOptimize(puzzle.placements.data());
  }
}

/// A varied (or one-solution varied) compile per iteration, the engine prepared beforehand.
/// A varied compile; with `kept` every event is kept, as a live compile keeps them for the screen.
void BM_Varied(benchmark::State& state, bool unique, bool kept, const std::string& name) {
  const auto words = Words(name);
  loopword::Compiler compiler(words, loopword::RandomSource(20261206));
  std::vector<loopword::CompileEvent> events;
  const auto keep = [&](const loopword::CompileEvent& event) {
    if (kept) events.push_back(event);
  };
  const loopword::CompileOptions options{true, unique};
  for (auto _ : state) {
    loopword::Puzzle puzzle;
    events.clear();
    if (compiler.Compile(puzzle, "", keep, options) != loopword::CompileOutcome::Complete) {
      state.SkipWithError("varied compile did not complete");
      return;
    }
    benchmark::DoNotOptimize(puzzle.placements.data());
  }
}

/// The per-dictionary preparation of the exact engine.
void BM_PrepareVaried(benchmark::State& state, const std::string& name) {
  const auto words = Words(name);
  for (auto _ : state) {
    const loopword::exact::ExactEngine engine(*words);
    benchmark::DoNotOptimize(engine.DistinctWordCount());
  }
}

/// `count` words of Level 1 drawn with a fixed seed, one a line.
std::string Level1Sample(int count, std::uint64_t seed) {
  const auto level1 = Words("L1");
  std::vector<int> rows(static_cast<std::size_t>(level1->WordCount()));
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i) + 1;
  std::shuffle(rows.begin(), rows.end(), std::mt19937_64(seed));
  std::string text;
  for (int i = 0; i < count; ++i) text += loopword::ToString(level1->WordPool(rows[static_cast<std::size_t>(i)])) + "\n";
  return text;
}

std::shared_ptr<const loopword::Dictionary> ListOf(const std::string& text) {
  return std::make_shared<const loopword::Dictionary>(loopword::ParseDictionaryText(text).dictionary);
}

/// `count` words of Level 1 drawn with a fixed seed: a teacher's small list.
std::shared_ptr<const loopword::Dictionary> SmallList(int count, std::uint64_t seed) { return ListOf(Level1Sample(count, seed)); }

/// The starting word of the tight small lists.
constexpr const char* kTightStart = "SPARRING";

/// A tight small list: the 23 words of a classic Level 1 puzzle around kTightStart and `extra`
/// more Level 1 words, all drawn with a fixed seed.
std::shared_ptr<const loopword::Dictionary> TightList(int extra, std::uint64_t seed) {
  const auto level1 = Words("L1");
  loopword::Compiler compiler(level1, loopword::RandomSource(seed));
  loopword::Puzzle puzzle;
  compiler.Compile(puzzle, kTightStart, [](const loopword::CompileEvent&) {});
  std::string text = Level1Sample(extra, seed);
  for (const loopword::PlacementLine& placement : puzzle.placements) text += placement.word + "\n";
  return ListOf(text);
}

/// A varied (or one-solution varied) puzzle around kTightStart per iteration on a tight small list.
void BM_VariedSmallList(benchmark::State& state, int extra, bool unique) {
  const auto words = TightList(extra, static_cast<std::uint64_t>(extra));
  loopword::Compiler compiler(words, loopword::RandomSource(20261206));
  const auto ignore = [](const loopword::CompileEvent&) {};
  for (auto _ : state) {
    loopword::Puzzle puzzle;
    if (compiler.Compile(puzzle, kTightStart, ignore, {true, unique}) != loopword::CompileOutcome::Complete) {
      state.SkipWithError("varied compile on the small list did not complete");
      return;
    }
    benchmark::DoNotOptimize(puzzle.placements.data());
  }
  state.counters["words"] = compiler.DistinctWordCount();
}

/// A decision on a small list with a random square-12 word: preparation and search together.
void BM_Decide(benchmark::State& state, int count, std::uint64_t seed) {
  const auto words = SmallList(count, seed);
  loopword::RandomSource random(seed);
  int found = 0;
  for (auto _ : state) {
    const loopword::exact::ExactEngine engine(*words);
    const loopword::exact::FillResult result = engine.Decide("", random, {});
    if (result.status == loopword::exact::SearchStatus::BudgetSpent) {
      state.SkipWithError("decision spent its budget");
      return;
    }
    found = result.status == loopword::exact::SearchStatus::Found ? 1 : 0;
  }
  state.counters["puzzle"] = found;
}

/// `count` Level 1 words drawn with `seed`, as a teacher's theme.
std::vector<std::string> Level1Theme(int count, std::uint64_t seed) {
  std::vector<std::string> theme;
  const std::string text = Level1Sample(count, seed);
  for (std::size_t at = 0; at < text.size(); at += loopword::kWordLength + 1) theme.push_back(text.substr(at, loopword::kWordLength));
  return theme;
}

/// A puzzle (or a proof that none exists) around a new set of `count` Level 1 theme words per
/// repetition, the rest from Level 1 (prepared once), random starting word.
void BM_Theme(benchmark::State& state, int count) {
  static loopword::Compiler compiler(Words("L1"), loopword::RandomSource(20261206));  // the list prepared once, as in the window
  static std::uint64_t seed = 0;
  const auto ignore = [](const loopword::CompileEvent&) {};
  std::map<loopword::CompileOutcome, int> outcomes;
  for (auto _ : state) {
    loopword::CompileOptions options;
    options.varied = true;
    options.theme = Level1Theme(count, ++seed);
    loopword::Puzzle puzzle;
    ++outcomes[compiler.Compile(puzzle, "", ignore, options)];
  }
  state.counters["found"] = outcomes[loopword::CompileOutcome::Complete];
  state.counters["proof"] = outcomes[loopword::CompileOutcome::Impossible];
  state.counters["budget"] = outcomes[loopword::CompileOutcome::GaveUp];
}

/// Grading the standard sheet of a one-solution varied puzzle of a level, a new puzzle each time.
void BM_Grade(benchmark::State& state, const std::string& name) {
  loopword::Compiler compiler(Words(name), loopword::RandomSource(20261206));
  std::vector<loopword::Puzzle> puzzles(20);
  for (loopword::Puzzle& puzzle : puzzles) compiler.Compile(puzzle, "", [](const loopword::CompileEvent&) {}, {true, true});
  std::size_t next = 0;
  std::map<loopword::Difficulty, int> grades;
  for (auto _ : state) {
    const loopword::Puzzle& puzzle = puzzles[next++ % puzzles.size()];
    const loopword::grade::GradeReport report = loopword::grade::GradeSheet(loopword::grade::SheetOf(puzzle.placements, loopword::SheetHintCells(puzzle)));
    ++grades[loopword::grade::GradeOf(report)];
  }
  for (const auto& [grade, count] : grades) state.counters[std::string(loopword::DifficultyName(grade))] = count;
}

/// A Level 3 compiler whose exact engine is prepared, shared by every repetition.
loopword::Compiler& PreparedLevel3() {
  static loopword::Compiler compiler = [] {
    loopword::Compiler prepared(Words("L3"), loopword::RandomSource(20261206));
    loopword::Puzzle puzzle;
    prepared.Compile(puzzle, "", [](const loopword::CompileEvent&) {}, {true, false});
    return prepared;
  }();
  return compiler;
}

/// A new varied puzzle of one grade on Level 3 each time, fill and hint cells (the engine prepared once).
void BM_MakeGraded(benchmark::State& state, loopword::Difficulty grade) {
  loopword::Compiler& compiler = PreparedLevel3();
  loopword::CompileOptions options{true, false};
  options.difficulty = grade;
  double hints = 0;
  for (auto _ : state) {
    loopword::Puzzle puzzle;
    if (compiler.Compile(puzzle, "", [](const loopword::CompileEvent&) {}, options) != loopword::CompileOutcome::Complete) {
      state.SkipWithError("graded compile did not complete");
      return;
    }
    hints += static_cast<double>(loopword::SheetHintCells(puzzle).size());
  }
  state.counters["hints"] = benchmark::Counter(hints, benchmark::Counter::kAvgIterations);
}

/// A new puzzle of Level 3 each time, as the session makes one for its front ends with its steps unseen (a first puzzle,
/// a class set's, the page's core): the fill with its events, the puzzle's sheets and its file, the view. Varied words,
/// or graded at `grade`.
void BM_SessionCompile(benchmark::State& state, std::optional<loopword::Difficulty> grade) {
  loopword::Session session(LOOPWORD_DATA_DIR);
  session.ChooseWordList(3);
  session.SetFill({true, false, {}, grade.value_or(loopword::Difficulty::Standard)});
  session.ShowCompileSteps(false);
  const auto compile = [&] {
    session.Compile(true);
    while (session.CurrentView().mode == loopword::Mode::Compiling) session.AdvanceCompile(std::chrono::seconds(1));
    return session.CurrentView().offer.puzzle;
  };
  compile();  // the list is prepared for varied fills once, on the first: as the page's warm worker has it
  for (auto _ : state) {
    if (!compile()) {
      state.SkipWithError("the session made no puzzle");
      return;
    }
  }
}

void RegisterAll() {
  for (const char* name : {"L3", "W49000", "W49000-Windows1252"}) {
    benchmark::RegisterBenchmark((std::string("BM_LoadDictionary/") + name).c_str(), BM_LoadDictionary, name)
        ->Unit(benchmark::kMillisecond);
  }
  for (const bool indexed : {false, true}) {
    for (const char* name : {"L1", "L3", "W49000"}) {
      const std::string label = std::string("BM_Compile/") + (indexed ? "indexed/" : "reference/") + name;
      benchmark::RegisterBenchmark(label.c_str(), BM_Compile, indexed, name)->Unit(benchmark::kMillisecond);
    }
  }
  for (const char* name : {"L3", "W49000"}) {
    benchmark::RegisterBenchmark((std::string("BM_PrepareVaried/") + name).c_str(), BM_PrepareVaried, name)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("BM_Varied/") + name).c_str(), BM_Varied, false, false, name)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("BM_VariedWithEvents/") + name).c_str(), BM_Varied, false, true, name)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("BM_VariedUnique/") + name).c_str(), BM_Varied, true, false, name)->Unit(benchmark::kMillisecond);
  }
  for (const int extra : {3, 11, 17}) {
    for (const bool unique : {false, true}) {
      const std::string label = std::string(unique ? "BM_VariedUniqueSmallList/" : "BM_VariedSmallList/") + std::to_string(23 + extra) + "words";
      benchmark::RegisterBenchmark(label.c_str(), BM_VariedSmallList, extra, unique)->Unit(benchmark::kMillisecond);
    }
  }
  for (const auto& [count, seed] : {std::pair{25, 1}, std::pair{30, 2}, std::pair{30, 3}, std::pair{40, 4}}) {
    const std::string label = "BM_Decide/L1sample" + std::to_string(count) + "s" + std::to_string(seed);
    benchmark::RegisterBenchmark(label.c_str(), BM_Decide, count, static_cast<std::uint64_t>(seed))->Unit(benchmark::kMillisecond);
  }
  for (const char* name : {"L1", "L2", "L3"}) {
    benchmark::RegisterBenchmark((std::string("BM_Grade/") + name).c_str(), BM_Grade, name)->Unit(benchmark::kMillisecond);
  }
  for (const loopword::Difficulty grade : {loopword::Difficulty::Easy, loopword::Difficulty::Medium, loopword::Difficulty::Hard,
                                           loopword::Difficulty::Expert}) {
    benchmark::RegisterBenchmark(("BM_MakeGraded/" + std::string(loopword::DifficultyName(grade))).c_str(), BM_MakeGraded, grade)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(grade == loopword::Difficulty::Expert ? 30 : 50)
        ->ReportAggregatesOnly(true);
  }
  benchmark::RegisterBenchmark("BM_SessionCompile/varied", BM_SessionCompile, std::nullopt)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_SessionCompile/hard", BM_SessionCompile, loopword::Difficulty::Hard)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(50)
      ->ReportAggregatesOnly(true);
  for (const int count : {5, 10, 15, 20}) {
    benchmark::RegisterBenchmark(("BM_Theme/" + std::to_string(count)).c_str(), BM_Theme, count)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(count < 20 ? 100 : 20)
        ->ReportAggregatesOnly(true);
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
