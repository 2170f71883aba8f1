// Word lists and real puzzles for tests: the bundled lists, lists made from words, fixed-seed compiles.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <ranges>
#include <set>
#include <string>
#include <vector>

#include "compiler/compiler.h"
#include "support/temp_dir.h"

namespace loopword::testing {

/// A word list parsed from `text`.
inline std::shared_ptr<const Dictionary> ListFromText(const std::string& text) {
  return std::make_shared<const Dictionary>(ParseDictionaryText(text).dictionary);
}

/// The bundled list `name` (from the data folder, or another folder given first).
inline std::shared_ptr<const Dictionary> BundledList(const std::string& name, const std::string& folder = LOOPWORD_DATA_DIR) {
  return ListFromText(ReadFile(folder + "/" + name));
}

/// The text of a word list of `words`, one a line.
inline std::string ListText(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

/// A word list of `words`, one a line.
inline std::shared_ptr<const Dictionary> ListOf(const std::vector<std::string>& words) { return ListFromText(ListText(words)); }

/// The different words of a list.
inline std::set<std::string> WordSet(const Dictionary& words) {
  std::set<std::string> set;
  for (int n = 1; n <= words.WordCount(); ++n) set.insert(ToString(words.WordPool(n)));
  return set;
}

/// A compile's outcome, puzzle and every event it reported.
struct RecordedCompile {
  CompileOutcome outcome;
  Puzzle puzzle;
  std::vector<CompileEvent> events;
  std::vector<CompileEvent::Kind> kinds;
  [[nodiscard]] std::ptrdiff_t Count(CompileEvent::Kind kind) const { return std::count(kinds.begin(), kinds.end(), kind); }
};

/// Compiles once, recording every event; `act` sees each event as it happens.
inline RecordedCompile RecordCompile(Compiler& compiler, const std::string& start = "", const CompileOptions& options = {},
                                     const std::function<void(const CompileEvent&)>& act = {}) {
  RecordedCompile run{};
  run.outcome = compiler.Compile(run.puzzle, start, [&](const CompileEvent& event) {
    run.events.push_back(event);
    run.kinds.push_back(event.kind);
    if (act) act(event);
  }, options);
  return run;
}

/// `count` complete puzzles made one after another from the first level with `seed`.
inline std::vector<Puzzle> CompiledPuzzles(int count, std::uint64_t seed = 11) {
  Compiler compiler(BundledList("L1words.txt"), RandomSource(seed));
  std::vector<Puzzle> puzzles(static_cast<std::size_t>(count));
  for (Puzzle& puzzle : puzzles) compiler.Compile(puzzle, "", [](const CompileEvent&) {});
  return puzzles;
}

/// Placement lines as a puzzle file writes them, in square order: a search's, or a puzzle's below.
inline std::vector<std::string> TextLines(const std::ranges::range auto& placements) {
  std::vector<std::string> lines;
  for (const PlacementLine& placement : placements) lines.push_back(placement.ToString());
  return lines;
}
inline std::vector<std::string> TextLines(const Puzzle& puzzle) { return TextLines(puzzle.placements); }

}  // namespace loopword::testing
