// loopword-compile: makes puzzles without a window, prints them as puzzle text and can write a booklet PDF.
#include <unistd.h>

#include <QGuiApplication>
#include <charconv>
#include <csignal>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/plain_text.h"
#include "compiler/compiler.h"
#include "grade/grader.h"
#include "input/start_word.h"
#include "output/booklet.h"
#include "output/sheet_export.h"
#include "output/sheet_language.h"
#include "puzzle/booklet_maker.h"
#include "puzzle/puzzle_file.h"
#include "random/random_source.h"
#include "words/bundled_lists.h"
#include "words/dictionary_state.h"
#include "words/theme_words.h"

namespace {

constexpr std::string_view kUsage =
    "usage: loopword-compile (--dict FILE | --level 1|2|3) [--language de|fr|es|it|pt|nl] [--count N] [--seed S]\n"
    "                        [--start WORD] [--out FILE] [--pdf FILE] [--no-repeats] [--quiet] [--varied]\n"
    "                        [--unique] [--theme FILE|WORDS] [--title TEXT]\n"
    "                        [--difficulty standard|easy|medium|hard|expert] [--grade]\n"
    "       loopword-compile --grade-file FILE\n"
    "Run loopword-compile --help for what each option does.\n";

constexpr std::string_view kHelp =
    "Makes 8-shaped word puzzles from a word list and prints them.\n"
    "\n"
    "  --dict FILE    word list: one word per line; lines of 8 letters, all capitals or all\n"
    "                 lower case, are used; a file that is not UTF-8 is read as Windows-1252\n"
    "                 (ISO-8859-1 alike), which the \"# word list:\" line then says\n"
    "  --level L      the bundled word list of level L: 1 easy, 2 medium, 3 hard\n"
    "  --language C   puzzles in another language: de German, fr French, es Spanish, it Italian,\n"
    "                 pt Portuguese, nl Dutch (default: English). --dict FILE is read by that\n"
    "                 language's rules: accents dropped (German: Ä Ö Ü ß as AE OE UE SS, nouns with\n"
    "                 their capital read too), words that then read alike kept once; --level, or\n"
    "                 neither option, takes the language's bundled list. Its puzzles carry a\n"
    "                 \"# language:\" line\n"
    "  --count N      number of puzzles to make, 1 to 1,000,000 (default 1; at most 500 with --pdf)\n"
    "  --seed S       seed of the run, 0 to 18446744073709551615 (default: drawn at random);\n"
    "                 puzzle k of the run has seed S+k-1, see below\n"
    "  --start WORD   word for the crossing square 12 (default: a random word per puzzle); with\n"
    "                 --language read by that language's rules, as --dict lines are, in any case\n"
    "  --out FILE     write the puzzles to FILE (a .loopword puzzle file) instead of printing them;\n"
    "                 they go into a temporary file beside it, which replaces FILE at the end\n"
    "  --pdf FILE     also write a booklet: one puzzle a page, then the answer pages\n"
    "  --no-repeats   no word in two puzzles, for as long as the word list allows\n"
    "  --quiet        print no puzzles (with --pdf: only the booklet is written)\n"
    "  --varied       draw each puzzle at random among all puzzles around its square-12 word,\n"
    "                 so words turn up as often as the puzzles that use them, not by letter weight\n"
    "                 (on lists of a few dozen words: every puzzle can come out, not equally often)\n"
    "  --unique       keep only puzzles whose puzzle sheet (word list, word 12 and the hint\n"
    "                 letters) allows exactly one solution; works with or without --varied\n"
    "  --theme T      theme words every puzzle holds once, 1 to 23, the rest coming from the word\n"
    "                 list: T is a file or the words themselves (\"WORD WORD ...\"); line ends, spaces\n"
    "                 or commas separate them, any case is read as capitals (with --language by\n"
    "                 that language's rules: Fußball is FUSSBALL in German), and entries that are\n"
    "                 not 8 letters A to Z or are repeated are named and skipped. With --no-repeats\n"
    "                 only the other words are kept apart. When the theme words provably cannot all\n"
    "                 go into one puzzle, or none is found in time, the run says so (exit status 1).\n"
    "  --title TEXT   a title of at most 60 characters, printed beside the program's name on both\n"
    "                 sheets and kept in a \"# title:\" line; line ends and tabs become spaces\n"
    "  --difficulty D the puzzle sheet's grade: standard (the default) gives the usual 18 hint\n"
    "                 letters; easy, medium, hard and expert choose the hint cells so that the sheet\n"
    "                 has exactly one solution and needs exactly the techniques of its grade: easy\n"
    "                 placing words and comparing neighbours, medium sets of words, hard trying each\n"
    "                 candidate, expert more trial or trial and error. Kept in a \"# difficulty:\"\n"
    "                 line, the cells in a \"# hints:\" line (square.position, e.g. 03.5)\n"
    "  --grade        add each puzzle's grade and effort as a \"# grade:\" comment line\n"
    "  --grade-file F print the grade and effort of each puzzle of puzzle file F and make none\n"
    "  --help         show this text\n"
    "\n"
    "When the usual fill fails 1,000 times, an exhaustive search decides: it makes a puzzle if one\n"
    "exists, or says that none can be made from the word list (exit status 1).\n"
    "\n"
    "Each puzzle is printed as comment lines starting with '#' (word list, fill, seed), then\n"
    "23 placement lines in square order: square, ring letters from the top-left cell clockwise,\n"
    "start cell (9 stands for 1), word. An empty line separates puzzles. Each puzzle is written as\n"
    "soon as it is made.\n"
    "\n"
    "A puzzle's seed line makes that very puzzle again: --count 1 --seed S with the same word list,\n"
    "--start, --varied, --unique and --difficulty. With --no-repeats a puzzle also depends on the\n"
    "words the puzzles before it used, so past the first one such a puzzle may come out differently\n"
    "alone.\n"
    "\n"
    "Exit status: 0 done; 1 the word list could not be read, or the puzzles could not be made or\n"
    "written (those made before a failure are still written); 2 wrong arguments, named on the\n"
    "first line of the message.\n";

/// Most puzzles one run makes.
constexpr long long kCountLimit = 1'000'000;

struct Options {
  std::string dictionary;
  int level = 0;  // a bundled list instead of `dictionary` when 1..3
  loopword::Language language = loopword::Language::English;
  long long count = 1;
  std::optional<std::uint64_t> seed;
  std::string typedStart;  // --start as given, read once the language is known
  std::string startWord;  // checked, in capitals; empty for a random word per puzzle
  std::optional<std::string> typedTheme;  // --theme as given, read once the language is known
  std::string out;
  std::string pdf;
  bool noRepeats = false;
  bool quiet = false;
  loopword::CompileOptions fill;
  std::string title;
  bool grade = false;
  std::string gradeFile;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool TakesValue(std::string_view name) {
  for (const std::string_view option : {"--dict", "--level", "--language", "--count", "--seed", "--start", "--out", "--pdf", "--theme", "--title",
                                        "--difficulty", "--grade-file"}) {
    if (name == option) return true;
  }
  return false;
}

/// The theme text of --theme: the file it names, or the value itself; nullopt when a named file
/// cannot be read.
std::optional<std::string> ThemeText(const std::string& value) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(value, error)) return value;
  std::ifstream file(value, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file && !file.eof()) return std::nullopt;
  return text;
}

/// Reads the theme words of --theme into `options`, naming on stderr the entries it skips; what is
/// wrong with them, or "".
std::string ParseTheme(const std::string& value, Options& options) {
  const std::optional<std::string> text = ThemeText(value);
  if (!text) return "--theme: could not read " + value;
  const loopword::ThemeWords read = loopword::ReadThemeWords(*text, options.language);
  for (const std::string& entry : read.unusable) std::cerr << "Skipped theme entry " << entry << ": not 8 letters A to Z.\n";
  for (const std::string& entry : read.repeated) std::cerr << "Skipped theme entry " << entry << ": given before.\n";
  if (read.words.empty()) return "--theme: no usable theme word";
  if (read.words.size() > loopword::kThemeWordLimit) {
    return "--theme: at most 23 theme words, " + std::to_string(read.words.size()) + " given";
  }
  options.fill.theme = read.words;
  return {};
}

/// Reads the value of option `name` (one that TakesValue); what is wrong with it, or "".
std::string ParseValue(std::string_view name, const std::string& value, Options& options) {
  if (value.empty()) return std::string(name) + " needs a value";
  if (name == "--level" && !(ParseNumber(value, options.level) && options.level >= 1 && options.level <= 3)) {
    return "--level must be 1, 2 or 3";
  }
  if (name == "--count" && !(ParseNumber(value, options.count) && options.count >= 1 && options.count <= kCountLimit)) {
    return "--count must be a whole number from 1 to 1,000,000";
  }
  if (name == "--seed" && !ParseNumber(value, options.seed.emplace())) {
    return "--seed must be a whole number from 0 to " + std::to_string(UINT64_MAX);
  }
  if (name == "--start") options.typedStart = value;
  if (name == "--theme") options.typedTheme = value;
  if (name == "--title") {
    if (loopword::CharacterCount(value) > loopword::kTitleLimit) return "--title: at most 60 characters";
    options.title = loopword::PlainTitle(value);
  }
  if (name == "--difficulty") {
    const std::optional<loopword::Difficulty> difficulty = loopword::DifficultyNamed(value);
    if (!difficulty) return "--difficulty must be standard, easy, medium, hard or expert";
    options.fill.difficulty = *difficulty;
  }
  if (name == "--grade-file") options.gradeFile = value;
  if (name == "--language") {
    const std::optional<loopword::Language> language = loopword::LanguageFromCode(value);
    if (!language || *language == loopword::Language::English) return "--language must be de, fr, es, it, pt or nl";
    options.language = *language;
  }
  if (name == "--dict") options.dictionary = value;
  if (name == "--out") options.out = value;
  if (name == "--pdf") options.pdf = value;
  return {};
}

/// Reads --start and --theme by the rules of the language chosen, wherever --language stood; what
/// is wrong with them, or "".
std::string ReadTypedWords(Options& options) {
  if (!options.typedStart.empty()) {
    const loopword::StartWordCheck check = loopword::CheckStartWord(options.typedStart, options.language);
    if (check.verdict != loopword::StartWordCheck::Verdict::Accepted) {
      return "--start: " + (check.message.empty() ? std::string("Specify 8-letter word") : check.message);
    }
    options.startWord = check.word;
  }
  return options.typedTheme ? ParseTheme(*options.typedTheme, options) : "";
}

/// What is wrong with the options as a whole, or "".
std::string CheckTogether(const Options& options) {
  if (!options.gradeFile.empty()) return options.dictionary.empty() && options.level == 0 ? "" : "--grade-file makes no puzzles: give no word list";
  if (options.dictionary.empty() && options.level == 0 && options.language == loopword::Language::English) {
    return "no word list: give --dict FILE or --level 1|2|3";
  }
  if (!options.dictionary.empty() && options.level != 0) return "give --dict or --level, not both";
  if (!options.pdf.empty() && options.count > loopword::kBookletLimit) {
    return "a booklet (--pdf) holds at most " + std::to_string(loopword::kBookletLimit) + " puzzles";
  }
  return {};
}

/// Reads the arguments into `options`; what is wrong with them, or "".
std::string ParseArguments(int argc, char** argv, Options& options) {
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
    } else if (name == "--grade") {
      options.grade = true;
    } else if (!TakesValue(name)) {
      return "unknown option " + std::string(name);
    } else if (i + 1 >= argc) {
      return std::string(name) + " needs a value";
    } else if (std::string wrong = ParseValue(name, argv[++i], options); !wrong.empty()) {
      return wrong;
    }
  }
  if (std::string wrong = ReadTypedWords(options); !wrong.empty()) return wrong;
  return CheckTogether(options);
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

/// The temporary file of --out while it is written, for a signal handler to remove.
const char* volatile temporaryFile = nullptr;

/// Removes the temporary file of an interrupted run, then ends the program as the signal would have.
extern "C" void RemoveTemporaryFileAndStop(int signal) {
  if (temporaryFile != nullptr) unlink(temporaryFile);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

/// Where the puzzle text goes as it is made: a file written atomically, standard output, or nowhere.
class TextOutput {
 public:
  explicit TextOutput(const Options& options) : quiet_(options.quiet), path_(options.out) {
    if (path_.empty()) return;
    file_.emplace(path_);
    temporaryFile = file_->TemporaryPath().c_str();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, RemoveTemporaryFileAndStop);
  }

  /// Writes one piece of text; false once writing failed.
  bool Write(const std::string& text) {
    if (file_) return file_->Write(text);
    if (!quiet_) std::cout << text;
    return static_cast<bool>(std::cout);
  }

  /// Ends the text (a file replaces --out now); false, after saying why, when it could not be written.
  bool Finish() {
    temporaryFile = nullptr;
    const std::string failure = file_ ? file_->Finish() : std::cout.flush() ? "" : "The output could not be written.";
    if (!failure.empty()) {
      std::cerr << "Could not write " << (file_ ? path_ : "standard output") << ": " << failure << '\n';
    }
    return failure.empty();
  }

 private:
  bool quiet_;
  std::string path_;
  std::optional<loopword::AtomicFile> file_;
};

/// The seed of puzzle `index` (from 0) of a run: the run's seed, then one more for each puzzle.
std::uint64_t PuzzleSeed(std::uint64_t runSeed, int index) { return runSeed + static_cast<std::uint64_t>(index); }

/// Writes the booklet of `puzzles` to `path`; false, after saying why, when it could not be written.
bool WriteBooklet(const std::vector<loopword::Puzzle>& puzzles, const std::string& path) {
  const loopword::SaveOutcome saved =
      loopword::WriteBookletPdf(puzzles, QString::fromStdString(path), loopword::LocalePaper());
  if (!saved.saved) std::cerr << "Could not write " << path << ": " << saved.reason << '\n';
  return saved.saved;
}

/// Loads the chosen word list; false, after saying why, when it cannot be used.
bool LoadWords(const Options& options, loopword::DictionaryState& dictionaries) {
  dictionaries.UseLanguage(options.language);
  const int level = options.dictionary.empty() ? std::max(options.level, 1) : options.level;
  const loopword::LoadReport report = dictionaries.Choose(level, options.dictionary);
  if (report.outcome == loopword::LoadOutcome::ReadError) {
    std::cerr << "Could not read the word list " << dictionaries.ChosenPath() << ": " << report.cause << '\n';
    return false;
  }
  for (const std::string& message : report.messages) std::cerr << message << '\n';
  return report.outcome == loopword::LoadOutcome::Loaded;
}

/// The header facts shared by every puzzle of the run; the seed is each puzzle's own.
loopword::PuzzleOrigin RunOrigin(const Options& options, const loopword::DictionaryState& dictionaries) {
  return {.wordList = std::filesystem::path(dictionaries.ChosenPath()).filename().string(),
          .wordCount = dictionaries.WordCount(),
          .fill = loopword::FillName(options.fill),
          .seed = std::nullopt,
          .theme = options.fill.theme,
          .title = options.title,
          .language = options.language,
          .wordListNote = dictionaries.Note()};
}

/// The comment line that gives a puzzle's grade: "# grade: Hard, technique 4, steps …, effort 212".
std::string GradeLine(const loopword::Puzzle& puzzle) {
  const loopword::grade::Sheet sheet = loopword::grade::SheetOf(puzzle.placements, loopword::SheetHintCells(puzzle));
  return "# " + loopword::grade::DescribeGrade(loopword::grade::GradeSheet(sheet));
}

/// Prints the grade line of each puzzle of the file at `path`, numbered from 1.
int GradeFile(const std::string& path) {
  const loopword::PuzzleFileResult read = loopword::ReadPuzzleFile(path);
  if (read.fault) {
    std::cerr << read.message << '\n';
    return 1;
  }
  for (std::size_t i = 0; i < read.puzzles.size(); ++i) {
    std::cout << "# puzzle " << i + 1 << ": " << GradeLine(read.puzzles[i].puzzle).substr(2) << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}

int Run(const Options& options, const char* argv0) {
  if (!options.gradeFile.empty()) return GradeFile(options.gradeFile);
  loopword::DictionaryState dictionaries(loopword::RunningProgramFolder(argv0));
  if (!LoadWords(options, dictionaries)) return 1;
  const auto words = dictionaries.Words();
  const std::uint64_t runSeed = options.seed ? *options.seed : loopword::EntropySeed();
  loopword::Compiler compiler(words, loopword::RandomSource(runSeed));
  int made = 0;
  loopword::CompileOutcome lastOutcome = loopword::CompileOutcome::Complete;
  const auto makePuzzle = [&](const std::shared_ptr<const loopword::Dictionary>& from) {
    compiler.UseWords(from);
    compiler.UseRandom(loopword::RandomSource(PuzzleSeed(runSeed, made)));
    loopword::Puzzle puzzle;
    lastOutcome = compiler.Compile(puzzle, options.startWord, [](const loopword::CompileEvent&) {}, options.fill);
    puzzle.title = options.title;
    return lastOutcome == loopword::CompileOutcome::Complete ? std::optional(puzzle) : std::nullopt;
  };

  loopword::PuzzleOrigin origin = RunOrigin(options, dictionaries);
  TextOutput output(options);
  std::vector<loopword::Puzzle> answers;  // kept only for a booklet, at most kBookletLimit of them
  const auto keep = [&](loopword::Puzzle&& puzzle) {
    const std::string separator = made > 0 ? "\n" : "";
    if (!options.pdf.empty()) answers.push_back(puzzle);
    origin.seed = PuzzleSeed(runSeed, made++);
    origin.difficulty = puzzle.difficulty;
    origin.hints = puzzle.hints;
    std::vector<std::string> comments = loopword::HeaderComments(origin);
    if (options.grade) comments.push_back(GradeLine(puzzle));
    return output.Write(separator + loopword::FormatPuzzle({std::move(comments), std::move(puzzle)}));
  };
  ProgressBar bar;
  const loopword::BookletRun run = loopword::StreamBookletPuzzles(
      {static_cast<int>(options.count), options.noRepeats}, words, makePuzzle, keep, [&](int done, int total) {
        bar.Show(done, total);
        return true;
      });
  bar.Finish();

  if (!output.Finish()) return 1;
  if (!run.note.empty()) std::cerr << run.note << '\n';
  if (run.outcome != loopword::BookletRun::Outcome::Complete) {
    std::cerr << compiler.FailureMessage(lastOutcome, options.startWord, options.fill) << '\n';
    return 1;
  }
  return options.pdf.empty() || WriteBooklet(answers, options.pdf) ? 0 : 1;
}

/// Passes on the toolkit's critical and fatal messages; its debug, information and warning chatter
/// (such as the runtime folder it would like) is no concern of the user.
void KeepToolkitQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      std::cout << kHelp;
      return 0;
    }
  }
  Options options;
  const std::string wrong = ParseArguments(argc, argv, options);
  if (!wrong.empty()) {
    std::cerr << "loopword-compile: " << wrong << '\n' << kUsage;
    return 2;
  }
  std::ios::sync_with_stdio(false);
  std::unique_ptr<QGuiApplication> application;  // the booklet's fonts and painter need one
  if (!options.pdf.empty()) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepToolkitQuiet);
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  loopword::UseSheetLanguage(options.language, loopword::RunningProgramFolder(argv[0]));
  return Run(options, argv[0]);
}
