// loopword-compile: makes puzzles without a window and prints their placement lines.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/compiler.h"
#include "input/start_word.h"
#include "words/bundled_lists.h"
#include "words/dictionary_state.h"

namespace {

constexpr std::string_view kUsage =
    "usage: loopword-compile (--dict FILE | --level 1|2|3) [--count N] [--seed S] [--start WORD]\n"
    "       [--varied] [--unique]\n";

constexpr std::string_view kHelp =
    "Makes 8-shaped word puzzles from a word list and prints them.\n"
    "\n"
    "  --dict FILE    word list: one word per line, lines of 8 capitals A-Z are used\n"
    "  --level L      the bundled word list of level L: 1 easy, 2 medium, 3 hard\n"
    "  --count N      number of puzzles to make (default 1)\n"
    "  --seed S       seed of the random choices, for repeatable puzzles (default: random)\n"
    "  --start WORD   word for the crossing square 12 (default: a random word per puzzle)\n"
    "  --varied       draw each puzzle at random among all puzzles around its square-12 word,\n"
    "                 so words turn up as often as the puzzles that use them, not by letter weight\n"
    "  --unique       keep only puzzles whose puzzle sheet (word list, word 12 and the hint\n"
    "                 letters) allows exactly one solution; works with or without --varied\n"
    "  --help         show this text\n"
    "\n"
    "When the usual fill fails 1,000 times, an exhaustive search decides: it makes a puzzle if one\n"
    "exists, or says that none can be made from the word list (exit status 1).\n"
    "\n"
    "Each puzzle is printed as 23 placement lines in square order, then an empty line:\n"
    "square, ring letters from the top-left cell clockwise, start cell (9 stands for 1), word.\n"
    "Exit status: 0 done, 1 the puzzle could not be made, 2 wrong arguments.\n";

struct Options {
  std::string dictionary;
  int level = 0;  // a bundled list instead of `dictionary` when 1..3
  long long count = 1;
  std::optional<std::uint64_t> seed;
  std::string start;
  loopword::CompileOptions fill;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

/// Reads the arguments; nullopt when they are wrong.
std::optional<Options> ParseArguments(int argc, char** argv) {
  Options options;
  int dictionaryChoices = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (name == "--varied" || name == "--unique") {
      (name == "--varied" ? options.fill.varied : options.fill.unique) = true;
      continue;
    }
    if (i + 1 >= argc) return std::nullopt;
    const std::string_view value = argv[++i];
    if (name == "--dict") {
      options.dictionary = value;
      ++dictionaryChoices;
    } else if (name == "--level") {
      if (!ParseNumber(value, options.level) || options.level < 1 || options.level > 3) return std::nullopt;
      ++dictionaryChoices;
    } else if (name == "--count") {
      if (!ParseNumber(value, options.count) || options.count < 1) return std::nullopt;
    } else if (name == "--seed") {
      std::uint64_t seed = 0;
      if (!ParseNumber(value, seed)) return std::nullopt;
      options.seed = seed;
    } else if (name == "--start") {
      options.start = value;
    } else {
      return std::nullopt;
    }
  }
  if (dictionaryChoices != 1) return std::nullopt;
  return options;
}

/// What the user is told when a compile ends without a puzzle.
std::string FailureMessage(loopword::CompileOutcome outcome, const std::string& startWord, int distinctWords) {
  switch (outcome) {
    case loopword::CompileOutcome::Impossible:
      return loopword::ImpossibleMessage(startWord);
    case loopword::CompileOutcome::TooFewWords:
      return loopword::TooFewWordsMessage(distinctWords);
    default:
      return loopword::kGiveUpMessage;
  }
}

int Run(const Options& options, const char* argv0) {
  std::string startWord;
  if (!options.start.empty()) {
    const loopword::StartWordCheck check = loopword::CheckStartWord(options.start);
    if (check.verdict != loopword::StartWordCheck::Verdict::Accepted) {
      std::cerr << (check.message.empty() ? "Specify 8-letter word" : check.message) << '\n';
      return 1;
    }
    startWord = check.word;
  }
  loopword::DictionaryState dictionaries(loopword::RunningProgramFolder(argv0));
  dictionaries.DictLevel = options.level;
  dictionaries.DictPath[loopword::kUserDictionary] = options.dictionary;
  const loopword::LoadReport report = dictionaries.LoadDictionary();
  for (const std::string& message : report.messages) std::cerr << message << '\n';
  if (report.outcome != loopword::LoadOutcome::Loaded) return 1;

  const auto words = dictionaries.Words();
  loopword::Compiler compiler(words, loopword::MakeIndexedSearch(words),
                              options.seed ? loopword::RandomSource(*options.seed)
                                           : loopword::RandomSource::FromEntropy());
  for (long long n = 0; n < options.count; ++n) {
    loopword::Puzzle puzzle;
    const loopword::CompileOutcome outcome =
        compiler.Compile(puzzle, startWord, [](const loopword::CompileEvent&) {}, options.fill);
    if (outcome != loopword::CompileOutcome::Complete) {
      std::cerr << FailureMessage(outcome, startWord, compiler.DistinctWordCount()) << '\n';
      return 1;
    }
    for (const std::string& line : puzzle.List2) std::cout << line << '\n';
    std::cout << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << kHelp;
    return 0;
  }
  const std::optional<Options> options = ParseArguments(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  return Run(*options, argv[0]);
}
