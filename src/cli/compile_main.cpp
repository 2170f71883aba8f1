// loopword-compile: makes puzzles without a window, prints them as puzzle text and can write a booklet PDF.
#include <unistd.h>

#include <QGuiApplication>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/compiler.h"
#include "input/start_word.h"
#include "output/booklet.h"
#include "output/sheet_export.h"
#include "puzzle/booklet_maker.h"
#include "puzzle/puzzle_file.h"
#include "words/bundled_lists.h"
#include "words/dictionary_state.h"

namespace {

constexpr std::string_view kUsage =
    "usage: loopword-compile (--dict FILE | --level 1|2|3) [--count N] [--seed S] [--start WORD]\n"
    "                        [--out FILE] [--pdf FILE] [--no-repeats] [--quiet] [--varied] [--unique]\n";

constexpr std::string_view kHelp =
    "Makes 8-shaped word puzzles from a word list and prints them.\n"
    "\n"
    "  --dict FILE    word list: one word per line; lines of 8 letters, all capitals or all\n"
    "                 lower case, are used\n"
    "  --level L      the bundled word list of level L: 1 easy, 2 medium, 3 hard\n"
    "  --count N      number of puzzles to make (default 1)\n"
    "  --seed S       seed of the random choices, for repeatable puzzles (default: random)\n"
    "  --start WORD   word for the crossing square 12 (default: a random word per puzzle)\n"
    "  --out FILE     write the puzzles to FILE (a .loopword puzzle file) instead of printing them\n"
    "  --pdf FILE     also write a booklet: one puzzle a page, then the answer pages\n"
    "  --no-repeats   no word in two puzzles, for as long as the word list allows\n"
    "  --quiet        print no puzzles (with --pdf: only the booklet is written)\n"
    "  --varied       draw each puzzle at random among all puzzles around its square-12 word,\n"
    "                 so words turn up as often as the puzzles that use them, not by letter weight\n"
    "  --unique       keep only puzzles whose puzzle sheet (word list, word 12 and the hint\n"
    "                 letters) allows exactly one solution; works with or without --varied\n"
    "  --help         show this text\n"
    "\n"
    "When the usual fill fails 1,000 times, an exhaustive search decides: it makes a puzzle if one\n"
    "exists, or says that none can be made from the word list (exit status 1).\n"
    "\n"
    "Each puzzle is printed as comment lines starting with '#' (word list, fill, seed), then\n"
    "23 placement lines in square order: square, ring letters from the top-left cell clockwise,\n"
    "start cell (9 stands for 1), word. An empty line separates puzzles.\n"
    "Exit status: 0 done, 1 the puzzles could not be made or written, 2 wrong arguments.\n";

struct Options {
  std::string dictionary;
  int level = 0;  // a bundled list instead of `dictionary` when 1..3
  long long count = 1;
  std::optional<std::uint64_t> seed;
  std::string start;
  std::string out;
  std::string pdf;
  bool noRepeats = false;
  bool quiet = false;
  loopword::CompileOptions fill;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

/// Reads one option that takes a value; false when it is unknown or its value is wrong.
bool ParseValue(std::string_view name, std::string_view value, Options& options) {
  if (name == "--dict") {
    options.dictionary = value;
  } else if (name == "--level") {
    return ParseNumber(value, options.level) && options.level >= 1 && options.level <= 3;
  } else if (name == "--count") {
    return ParseNumber(value, options.count) && options.count >= 1;
  } else if (name == "--seed") {
    std::uint64_t seed = 0;
    if (!ParseNumber(value, seed)) return false;
    options.seed = seed;
  } else if (name == "--start") {
    options.start = value;
  } else if (name == "--out") {
    options.out = value;
  } else if (name == "--pdf") {
    options.pdf = value;
  } else {
    return false;
  }
  return !value.empty();
}

/// Reads the arguments; nullopt when they are wrong.
std::optional<Options> ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (name == "--quiet") {
      options.quiet = true;
    } else if (name == "--no-repeats") {
      options.noRepeats = true;
    } else if (name == "--varied") {
      options.fill.varied = true;
    } else if (name == "--unique") {
      options.fill.unique = true;
    } else if (i + 1 >= argc || !ParseValue(name, argv[++i], options)) {
      return std::nullopt;
    }
  }
  if (options.dictionary.empty() == (options.level == 0)) return std::nullopt;  // exactly one word list
  if (!options.pdf.empty() && options.count > loopword::kBookletLimit) return std::nullopt;
  return options;
}

/// A progress bar on stderr, shown only on a terminal and only once the run has taken a second.
class ProgressBar {
 public:
  ProgressBar() : shown_(isatty(STDERR_FILENO) == 1), start_(std::chrono::steady_clock::now()) {}

  void Show(int done, int total) {
    if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    constexpr int kWidth = 40;
    const int filled = total > 0 ? done * kWidth / total : kWidth;
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done << '/' << total
              << std::flush;
    drawn_ = true;
  }

  void Finish() {
    if (drawn_) std::cerr << '\n';
  }

 private:
  bool shown_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
};

/// Writes the puzzles as text: to --out atomically, else to standard output unless quiet.
bool WriteText(const Options& options, const std::string& text) {
  if (!options.out.empty()) {
    const std::string failure = loopword::WriteFileAtomically(options.out, text);
    if (!failure.empty()) std::cerr << "Could not write " << options.out << ": " << failure << '\n';
    return failure.empty();
  }
  if (!options.quiet) std::cout << text;
  return static_cast<bool>(std::cout.flush());
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
  loopword::CompileOutcome lastOutcome = loopword::CompileOutcome::Complete;
  const auto makePuzzle = [&](const std::shared_ptr<const loopword::Dictionary>& from) {
    if (from != compiler.Words()) compiler.UseWords(from, loopword::MakeIndexedSearch(from));
    loopword::Puzzle puzzle;
    lastOutcome = compiler.Compile(puzzle, startWord, [](const loopword::CompileEvent&) {}, options.fill);
    return lastOutcome == loopword::CompileOutcome::Complete ? std::optional(puzzle) : std::nullopt;
  };
  ProgressBar bar;
  const loopword::BookletRun run = loopword::MakeBookletPuzzles(
      {static_cast<int>(options.count), options.noRepeats}, words, makePuzzle, [&](int done, int total) {
        bar.Show(done, total);
        return true;
      });
  bar.Finish();

  const std::string& listPath = dictionaries.DictPath[static_cast<std::size_t>(dictionaries.DictLevel)];
  const loopword::PuzzleOrigin origin{std::filesystem::path(listPath).filename().string(),
                                      dictionaries.WordCount(), loopword::FillName(options.fill), options.seed};
  std::vector<loopword::FilePuzzle> made;
  for (const loopword::Puzzle& puzzle : run.puzzles) made.push_back({loopword::HeaderComments(origin), puzzle});
  if (!WriteText(options, loopword::FormatPuzzleFile(made))) return 1;
  if (!run.note.empty()) std::cerr << run.note << '\n';
  if (run.outcome != loopword::BookletRun::Outcome::Complete) {
    std::cerr << loopword::FailureMessage(lastOutcome, startWord, compiler.DistinctWordCount()) << '\n';
    return 1;
  }
  if (options.pdf.empty()) return 0;
  const loopword::SaveOutcome saved =
      loopword::WriteBookletPdf(run.puzzles, QString::fromStdString(options.pdf), loopword::LocalePaper());
  if (!saved.saved) std::cerr << "Could not write " << options.pdf << ": " << saved.reason << '\n';
  return saved.saved ? 0 : 1;
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
  std::unique_ptr<QGuiApplication> application;  // the booklet's fonts and painter need one
  if (!options->pdf.empty()) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  return Run(*options, argv[0]);
}
