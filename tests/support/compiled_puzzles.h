// Real puzzles for tests: compiled from the bundled first level with a fixed seed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "compiler/compiler.h"
#include "words/dictionary.h"

namespace loopword::testing {

/// The bundled first-level word list.
inline std::shared_ptr<const Dictionary> Level1Words() {
  return std::make_shared<const Dictionary>(ReadDictionaryFile(std::string(LOOPWORD_DATA_DIR) + "/L1words.txt").dictionary);
}

/// `count` complete puzzles made one after another from `words` with `seed`.
inline std::vector<Puzzle> CompiledPuzzles(int count, std::uint64_t seed = 11,
                                           const std::shared_ptr<const Dictionary>& words = Level1Words()) {
  Compiler compiler(words, MakeIndexedSearch(words), RandomSource(seed));
  std::vector<Puzzle> puzzles(static_cast<std::size_t>(count));
  for (Puzzle& puzzle : puzzles) compiler.Compile(puzzle, "", [](const CompileEvent&) {});
  return puzzles;
}

}  // namespace loopword::testing
