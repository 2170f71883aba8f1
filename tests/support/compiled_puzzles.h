// Real puzzles for tests: compiled from the bundled first level with a fixed seed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "compiler/compiler.h"

namespace loopword::testing {

/// `count` complete puzzles made one after another from the first level with `seed`.
inline std::vector<Puzzle> CompiledPuzzles(int count, std::uint64_t seed = 11) {
  const auto words = std::make_shared<const Dictionary>(
      ReadDictionaryFile(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt").dictionary);
  Compiler compiler(words, MakeIndexedSearch(words), RandomSource(seed));
  std::vector<Puzzle> puzzles(static_cast<std::size_t>(count));
  for (Puzzle& puzzle : puzzles) compiler.Compile(puzzle, "", [](const CompileEvent&) {});
  return puzzles;
}

/// The words of a puzzle's placement lines, in square order.
inline std::vector<std::string> WordsOf(const Puzzle& puzzle) {
  std::vector<std::string> words;
  for (const std::string& line : puzzle.List2) words.push_back(line.substr(14));
  return words;
}

}  // namespace loopword::testing
