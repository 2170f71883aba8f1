// loopword-compile: makes puzzles without a window, prints them as puzzle text and can write a booklet PDF.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "board/plain_text.h"
#include "board/whole_number.h"
#include "grade/graded_sheet.h"
#include "input/start_word.h"
#include "output/booklet.h"
#include "output/sheet_export.h"
#include "output/sheet_language.h"
#include "puzzle/booklet_maker.h"
#include "puzzle/learning_package.h"
#include "puzzle/puzzle_file.h"
#include "random/random_source.h"
#include "session/result_code.h"
#include "session/session.h"
#include "words/bundled_lists.h"

namespace {

constexpr std::string_view kProgram = "loopword-compile";
/// The width the help and the usage are wrapped to.
constexpr std::size_t kTextWidth = 100;
/// Where the help starts an option's description.
constexpr std::size_t kDescriptionColumn = 17;

/// Most puzzles one run makes.
constexpr long long kCountLimit = 1'000'000;
/// Most puzzles --jobs makes at once.
constexpr int kJobsLimit = 256;
/// The most a file of result codes holds: a class set's codes take well under a kilobyte.
constexpr std::size_t kCodesLimit = 1 << 20;
/// The group of the options that read files and make no puzzles.
constexpr std::string_view kReadingGroup = "reading";

struct Options {
  std::string dictionary;
  int level = 0;  // a bundled list instead of `dictionary` when 1..3
  loopword::Language language = loopword::Language::English;
  long long count = 1;
  std::uint64_t seed = 0;
  bool seedGiven = false;
  std::string start;  // as given: the session reads it by the rules of the lists' language
  std::string out;
  std::string pdf;
  std::string svg;
  bool noRepeats = false;
  bool quiet = false;
  loopword::CompileOptions fill;
  std::string theme;  // as given: a file, or the words themselves
  std::string title;
  bool grade = false;
  std::string gradeFile;
  int jobs = 0;  // 0: one for each core of the machine (one with --no-repeats)
  int classSet = 0;  // pupils of a class set to make instead of --count puzzles; 0 for none
  std::string results;  // the result codes to read, "-" for standard input
  std::string setFile;  // the class set the codes are read against
  bool csv = false;
  std::string scorm;  // the learning platform package to write; "" for none
};

/// A check of an option's value: `wrong` when `fine` says no; the parser puts the option's name before it.
CLI::Validator Checked(std::function<bool(const std::string&)> fine, const std::string& wrong) {
  return CLI::Validator([fine = std::move(fine), wrong](const std::string& value) { return fine(value) ? std::string() : wrong; }, "");
}

/// A check that the value is not empty.
CLI::Validator Given() {
  return Checked([](const std::string& value) { return !value.empty(); }, "needs a value");
}

/// The text of --theme: the file it names, or the value itself; nullopt when a named file cannot be read.
std::optional<std::string> ThemeArgumentText(const std::string& value) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(value, error)) return value;
  std::ifstream file(value, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file && !file.eof()) return std::nullopt;
  return text;
}

/// Takes a value by its name, as the value's number the option reads: `wrong` for a name `named` does not know.
template <typename Value>
CLI::Validator ByName(std::function<std::optional<Value>(const std::string&)> named, const std::string& wrong) {
  return CLI::Validator([named = std::move(named), wrong](std::string& text) {
    const std::optional<Value> value = named(text);
    if (!value) return wrong;
    text = std::to_string(static_cast<int>(*value));
    return std::string();
  }, "");
}

/// `items` joined by `between`, the last two by `last`: "de, fr or es" for ", " and " or ".
std::string Joined(const std::vector<std::string>& items, const std::string& between, const std::string& last) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : i + 1 == items.size() ? last : between) + items[i];
  return text;
}

/// The codes of the languages --language takes (every one but English, the default), and what its help says of
/// each: "de German".
std::pair<std::vector<std::string>, std::vector<std::string>> OtherLanguages() {
  std::vector<std::string> codes, named;
  for (const loopword::Language language : loopword::kLanguages) {
    if (language == loopword::Language::English) continue;
    codes.emplace_back(loopword::LanguageCode(language));
    named.push_back(codes.back() + " " + std::string(loopword::LanguageEnglishName(language)));
  }
  return {codes, named};
}

/// The names of every difficulty, as --difficulty takes them.
std::vector<std::string> DifficultyNames() {
  std::vector<std::string> names;
  for (const loopword::Difficulty difficulty : loopword::kDifficulties) names.emplace_back(loopword::DifficultyName(difficulty));
  return names;
}

/// Makes the options of `form` go with no option but each other.
void GoAlone(CLI::App& app, const std::vector<CLI::Option*>& form) {
  for (CLI::Option* other : app.get_options()) {
    if (std::ranges::find(form, other) != form.end()) continue;
    for (CLI::Option* member : form) member->excludes(other);
  }
}

/// Declares every option with its value check, its help and the options it does not go with.
void DeclareOptions(CLI::App& app, Options& options) {
  app.description("Makes 8-shaped word puzzles from a word list and prints them.");
  app.set_help_flag();
  app.allow_extras();  // named as unknown options by ParseArguments
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

  CLI::Option* dictionary = app.add_option("--dict", options.dictionary,
      "word list: one word per line; lines of 8 letters, all capitals or all lower case, are used; a file "
      "that is not UTF-8 is read as Windows-1252 (ISO-8859-1 alike), which the \"# word list:\" line then says")
      ->type_name("FILE")->check(Given());
  CLI::Option* level = app.add_option("--level", options.level, "a bundled word list: 1 easy, 2 medium, 3 hard")
      ->type_name("1|2|3")->check(Checked([](const std::string& v) { return loopword::WholeNumber(v, 1, 3).has_value(); }, "must be 1, 2 or 3"));
  dictionary->excludes(level);
  const auto [languageCodes, languagesNamed] = OtherLanguages();
  const auto otherLanguage = [](const std::string& code) {
    const std::optional<loopword::Language> language = loopword::LanguageFromCode(code);
    return language == loopword::Language::English ? std::nullopt : language;
  };
  app.add_option("--language", options.language,
      "puzzles in another language: " + Joined(languagesNamed, ", ", ", ") +
      " (default: English). --dict FILE is read by that language's rules: accents dropped (German: Ä Ö Ü ß as AE "
      "OE UE SS, nouns with their capital read too), words that then read alike kept once; --level, or neither "
      "option, takes the language's bundled list. Its puzzles carry a \"# language:\" line")
      ->type_name(Joined(languageCodes, "|", "|"))
      ->transform(ByName<loopword::Language>(otherLanguage, "must be " + Joined(languageCodes, ", ", " or ")));
  app.add_option("--count", options.count, "number of puzzles to make, 1 to 1,000,000 (default 1; at most 500 with --pdf)")
      ->type_name("N")->check(Checked([](const std::string& v) { return loopword::WholeNumber(v, 1LL, kCountLimit).has_value(); }, "must be a whole number from 1 to 1,000,000"));
  app.add_option("--class-set", options.classSet,
      "make a class set for N pupils, 2 to 40, instead of --count puzzles: N different puzzles with one solution "
      "each (--unique is always on), each carrying a \"# class set: k of N, set seed S\" line; --pdf prints it "
      "as the window's File > Class set does, each page headed \"Puzzle k of N\" with the set's id. The same "
      "choices and --seed make the same set again")
      ->type_name("N")->check(Checked([](const std::string& v) { return loopword::WholeNumber(v, loopword::kFewestPupils, loopword::kMostPupils).has_value(); },
                                      "must be a whole number from " + std::to_string(loopword::kFewestPupils) + " to " + std::to_string(loopword::kMostPupils)));
  app.add_option("--seed", options.seed,
      "seed of the run, 0 to 18446744073709551615 (default: drawn at random); puzzle k of the run has "
      "seed S+k-1, see below")
      ->type_name("S")->check(Checked([](const std::string& v) { return loopword::ReadSeed(v).has_value(); },
                                      "must be a whole number from 0 to " + std::to_string(UINT64_MAX)));
  app.add_option("--start", options.start,
      "word for the crossing square 12, 8 letters (default: a random word per puzzle); it need not be in the "
      "word list; with --language read by that language's rules, as --dict lines are, in any case")
      ->type_name("WORD")->check(Given());
  app.add_option("--out", options.out,
      "write the puzzles to FILE (a .loopword puzzle file the window opens) instead of printing them; they go "
      "into a temporary file beside it, which replaces FILE at the end, so an interrupted run leaves FILE as "
      "it was")->type_name("FILE")->check(Given());
  app.add_option("--pdf", options.pdf,
      "also write a booklet on the paper of the locale (A4, or Letter where inches are used): one puzzle a "
      "page, headed \"Puzzle k of N\" with the title beside, then the answer pages with four solutions each")->type_name("FILE")->check(Given());
  app.add_option("--scorm", options.scorm,
      "also write a package for a learning platform (SCORM 1.2, a .zip to upload as an activity): the one-file "
      "web page with the puzzle inside, which reports to the platform's grade book; with --count N (2 to 40) or "
      "--class-set N it holds a class set, and each learner solves the puzzle their learner id picks")
      ->type_name("FILE")->check(Given());
  app.add_option("--svg", options.svg,
      "also write the puzzle's two sheets as SVG files: FILE without its .svg ending, then -puzzle.svg and "
      "-solution.svg; with one puzzle only")->type_name("FILE")->check(Given());
  app.add_option("--jobs", options.jobs,
      "puzzles made at once, 1 to 256 (default: one for each core of the machine); the puzzles and their order "
      "are the same for any N. --no-repeats makes one puzzle after another, so it goes with --jobs 1 only")
      ->type_name("N")->check(Checked([](const std::string& v) { return loopword::WholeNumber(v, 1, kJobsLimit).has_value(); }, "must be a whole number from 1 to 256"));
  app.add_flag("--no-repeats", options.noRepeats,
      "no word in two puzzles, for as long as the word list allows; a note on standard error says from "
      "which puzzle on words repeat");
  app.add_flag("--quiet", options.quiet, "print no puzzles (--out, --pdf and --svg still write theirs)");
  app.add_flag("--varied", options.fill.varied,
      "draw each puzzle at random among all puzzles around its square-12 word, so words turn up as often as "
      "the puzzles that use them, not by letter weight (on lists of a few dozen words: every puzzle can come "
      "out, not equally often)");
  app.add_flag("--unique", options.fill.unique,
      "keep only puzzles whose puzzle sheet (word list, word 12 and the hint letters) allows exactly one "
      "solution; works with or without --varied");
  app.add_option("--theme", options.theme,
      "theme words every puzzle holds once, 1 to 23, the rest coming from the word list: a file or the words "
      "themselves (\"WORD WORD ...\"); line ends, spaces or commas separate them, any case is read as "
      "capitals (with --language by that language's rules: Fußball is FUSSBALL in German), and entries that are not 8 letters A to Z or are repeated are named and skipped. A "
      "line WORD = clue gives that word a clue of up to 60 characters, which the puzzle sheet lists instead of the word "
      "and a \"# clue:\" line keeps; the grade and --unique stay those of the words. With "
      "--no-repeats only the other words are kept apart. When the theme words provably cannot all go into one "
      "puzzle, or none is found in time, the run says so (exit status 1).")
      ->type_name("FILE|WORDS")->check(Given());
  app.add_option("--title", options.title,
      "a title of at most 60 characters, printed beside the program's name on both sheets and kept in a "
      "\"# title:\" line; line ends and tabs become spaces")->type_name("TEXT");
  app.add_option("--difficulty", options.fill.difficulty,
      "the puzzle sheet's grade: standard (the default) gives the usual 18 hint letters; easy, medium, hard "
      "and expert choose the hint cells (never in square 12) so that the sheet has exactly one solution, "
      "with or without --unique, and needs exactly the techniques of its grade: easy placing words and "
      "comparing neighbours, medium sets of words, hard trying each candidate, expert more trial or trial "
      "and error; the harder the grade, the fewer hint letters. expert always draws its fill as --varied "
      "does: the usual fill's look-alike words need too many hints to leave an Expert sheet. A fill that "
      "cannot reach the grade is replaced, up to 40 fills a puzzle; then the run gives up (exit status 1). "
      "Kept in a \"# difficulty:\" line, the cells in a \"# hints:\" line (square.position, e.g. 03.5)")
      ->type_name(Joined(DifficultyNames(), "|", "|"))
      ->transform(ByName<loopword::Difficulty>([](const std::string& name) { return loopword::DifficultyNamed(name); },
                                               "must be " + Joined(DifficultyNames(), ", ", " or ")));
  app.add_flag("--grade", options.grade,
      "add each puzzle's grade as a \"# grade:\" comment line: the grade, the highest technique needed "
      "(1 singles, 2 neighbour elimination, 3 sets, 4 lookahead, 5 search), the steps of each and the effort "
      "(tentative placements); standard sheets too, which mostly come out Expert as many allow several "
      "solutions");
  CLI::Option* gradeFile = app.add_option("--grade-file", options.gradeFile,
      "print the grade of each puzzle of a puzzle file, by its own hint cells, as --grade gives it, and make "
      "none; it goes with no other option")->type_name("FILE")->check(Given());
  CLI::Option* results = app.add_option("--results", options.results,
      "read the result codes of a class set's pupils, one a line, from the file CODES (- for standard input) "
      "against the class set's puzzle file given with --set, and print a table of them: each pupil's number, "
      "time, checks and letters revealed, by number, then the codes refused with what is wrong with each. "
      "Exit status 0 when every code was read, else 1. It goes with --set and --csv only")->type_name("CODES")->check(Given());
  CLI::Option* set = app.add_option("--set", options.setFile,
      "the class set's puzzle file, as --class-set --out writes it: every puzzle of the set, "
      "each with its class set line")->type_name("FILE")->check(Given());
  CLI::Option* csv = app.add_flag("--csv", options.csv,
      "print the table of --results as comma-separated values (with the seconds too), for a spreadsheet");
  results->needs(set);
  set->needs(results);
  csv->needs(results);
  for (CLI::Option* reading : {gradeFile, results, set, csv}) reading->group(std::string(kReadingGroup));
  GoAlone(app, {gradeFile});
  GoAlone(app, {results, set, csv});
  app.add_flag_callback("--help", [] { throw CLI::CallForHelp(); }, "show this text")->trigger_on_parse();

  app.footer(
      "When the usual fill fails 1,000 times, an exhaustive search decides: it makes a puzzle if one exists, "
      "or says that none can be made from the word list (exit status 1).\n"
      "\n"
      "Each puzzle is printed as comment lines starting with '#' (word list, fill, seed), then 23 placement "
      "lines in square order: square, ring letters from the top-left cell clockwise, start cell (9 stands for "
      "1), word. An empty line separates puzzles. Each puzzle is written as soon as it is made, so memory "
      "stays the same whatever the count; on a terminal, a run longer than a second shows a progress bar on "
      "standard error.\n"
      "\n"
      "A puzzle's seed line makes that very puzzle again: --count 1 --seed S with the same word list, "
      "--start, --varied, --unique and --difficulty. With --no-repeats a puzzle also depends on the words the "
      "puzzles before it used, so past the first one such a puzzle may come out differently alone.\n"
      "\n"
      "Exit status: 0 done; 1 the word list could not be read, or the puzzles could not be made or written "
      "(those made before a failure are still written); 2 wrong arguments, or options that do not go "
      "together, named on the first line of the message. With --results: 0 every code was read; 1 a file "
      "could not be read, the set file is not one class set, there is no code, or a code was refused.");
}

/// The words of `text`, split at spaces.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t space = std::min(text.find(' ', at), text.size());
    if (space > at) words.emplace_back(text.substr(at, space - at));
    at = space + 1;
  }
  return words;
}

/// `pieces` joined by spaces into lines of at most kTextWidth characters (a longer piece keeps a line
/// of its own) ending in a line end; the first line goes on from column `column`, the others start
/// with `indent` spaces.
std::string Fill(const std::vector<std::string>& pieces, std::size_t indent, std::size_t column) {
  std::string filled;
  bool lineStarted = false;
  for (const std::string& piece : pieces) {
    if (lineStarted && column + 1 + piece.size() > kTextWidth) {
      filled += "\n" + std::string(indent, ' ');
      column = indent;
      lineStarted = false;
    }
    if (lineStarted) {
      filled += ' ';
      ++column;
    }
    filled += piece;
    column += piece.size();
    lineStarted = true;
  }
  return filled + "\n";
}

/// How the help and the usage show an option: its name and what its value is.
std::string Shown(const CLI::Option& option) {
  const std::string value = option.get_type_name();
  return option.get_name() + (option.get_expected_min() > 0 ? " " + value : "");
}

/// The help: the description, each option with what it does, then the footer.
class HelpLayout final : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
    std::string help = Fill(Words(app->get_description()), 0, 0) + "\n";
    for (const CLI::Option* option : app->get_options()) {
      const std::string name = "  " + Shown(*option);
      const std::string lead = name.size() < kDescriptionColumn
                                   ? name + std::string(kDescriptionColumn - name.size(), ' ')
                                   : name + "\n" + std::string(kDescriptionColumn, ' ');
      help += lead + Fill(Words(option->get_description()), kDescriptionColumn, kDescriptionColumn);
    }
    const std::string footer = app->get_footer();
    for (std::size_t at = 0; at < footer.size();) {
      const std::size_t end = std::min(footer.find("\n\n", at), footer.size());
      help += "\n" + Fill(Words(std::string_view(footer).substr(at, end - at)), 0, 0);
      at = end + 2;
    }
    return help;
  }
};

/// Whether `options` holds `option`.
bool Holds(const std::set<CLI::Option*>& options, const CLI::Option* option) {
  return std::ranges::find(options, option) != options.end();
}

/// Whether `option` is among the options `excluding` excludes.
bool Excludes(const CLI::Option& excluding, const CLI::Option* option) { return Holds(excluding.get_excludes(), option); }

/// The usage: the options that make puzzles, those that exclude each other joined by "|", then each
/// form of the options that read files and make no puzzles on a line of its own (an option the form's
/// first one does not need in brackets).
std::string Usage(const CLI::App& app) {
  const auto options = app.get_options([](const CLI::Option* option) { return option->get_name() != "--help"; });
  std::vector<std::string> together, alone;
  const CLI::Option* previous = nullptr;
  const CLI::Option* lead = nullptr;  // the first option of the form on the last line of `alone`
  for (const CLI::Option* option : options) {
    if (option->get_group() == kReadingGroup) {
      if (lead == nullptr || Excludes(*lead, option)) {
        lead = option;
        alone.push_back(Shown(*option));
      } else {
        alone.back() += Holds(lead->get_needs(), option) ? " " + Shown(*option) : " [" + Shown(*option) + "]";
      }
      continue;
    }
    if (previous != nullptr && Excludes(*option, previous)) {
      together.back().insert(together.back().size() - 1, " | " + Shown(*option));
    } else {
      together.push_back("[" + Shown(*option) + "]");
    }
    previous = option;
  }
  const std::string usage = "usage: ", command = std::string(kProgram) + " ";
  std::string text = usage + command + Fill(together, usage.size() + command.size(), usage.size() + command.size());
  for (const std::string& form : alone) text += std::string(usage.size(), ' ') + command + form + "\n";
  return text + "Run " + command + "--help for what each option does.\n";
}

/// What is wrong when options that exclude each other were given together: the options given say which.
std::string Conflict(const CLI::App& app) {
  const auto given = app.get_options([](const CLI::Option* option) { return option->count() > 0; });
  for (const CLI::Option* reading : given) {
    if (reading->get_group() != kReadingGroup) continue;
    for (const CLI::Option* other : given) {
      if (!Excludes(*reading, other)) continue;
      const std::string name = other->get_name();
      return reading->get_name() + " makes no puzzles: give no " + (name == "--dict" || name == "--level" ? std::string("word list") : name);
    }
  }
  return "give --dict or --level, not both";
}

/// What is wrong when an option was given without another that it needs.
std::string Unmet(const CLI::App& app) {
  for (const CLI::Option* option : app.get_options()) {
    if (option->count() == 0) continue;
    for (const CLI::Option* needed : option->get_needs()) {
      if (needed->count() == 0) return option->get_name() + " needs " + Shown(*needed);
    }
  }
  return "an option lacks another that it needs";
}

/// What is wrong with --class-set (or --scorm with --count) beside the options given, or "".
std::string CheckClassSet(const CLI::App& app, const Options& options) {
  if (app.count("--count") > 0 && app.count("--class-set") > 0) return "--class-set makes one puzzle for each pupil: give no --count";
  if (options.noRepeats) return "--class-set puzzles may share words: give no --no-repeats";
  if (options.jobs > 1) return "--class-set makes one puzzle after another: give --jobs 1 or no --jobs";
  if (!options.svg.empty()) return "--svg writes the sheets of one puzzle: give no --class-set";
  return {};
}

/// What is wrong with the options as a whole, beyond the options that do not go together, or "".
std::string CheckTogether(const CLI::App& app, const Options& options) {
  if (options.gradeFile.empty() && options.results.empty() && options.dictionary.empty() && options.level == 0 &&
      options.language == loopword::Language::English) {
    return "no word list: give --dict FILE or --level 1|2|3";
  }
  if (options.classSet > 0) return CheckClassSet(app, options);
  if (!options.scorm.empty() && options.count > loopword::kMostPupils) {
    return "--scorm packs a class set of at most " + std::to_string(loopword::kMostPupils) + " puzzles: give a smaller --count";
  }
  if (!options.scorm.empty() && options.count > 1) return CheckClassSet(app, options);
  if (!options.pdf.empty() && options.count > loopword::kBookletLimit) {
    return "a booklet (--pdf) holds at most " + std::to_string(loopword::kBookletLimit) + " puzzles";
  }
  if (!options.svg.empty() && options.count > 1) return "--svg writes the sheets of one puzzle: give no --count";
  if (options.noRepeats && options.jobs > 1) return "--no-repeats makes one puzzle after another: give --jobs 1 or no --jobs";
  return {};
}

/// The option of `app` that the parser's message `said` names first, as a word of its own (a colon after it
/// allowed); nullptr when it names none.
const CLI::Option* NamedOption(const CLI::App& app, const std::string& said) {
  for (std::string word : Words(said)) {
    if (word.ends_with(':')) word.pop_back();
    for (const CLI::Option* option : app.get_options()) {
      if (option->get_name() == word) return option;
    }
  }
  return nullptr;
}

/// The parser's refusal in plain words: an option given without its value, or a value given to an option that
/// takes none, is said so; a failed check of a value says what the check says.
std::string PlainRefusal(const CLI::App& app, const CLI::ParseError& error) {
  const bool countMismatch = dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr;
  const bool unreadable = dynamic_cast<const CLI::ConversionError*>(&error) != nullptr;
  const CLI::Option* option = NamedOption(app, error.what());
  if (option == nullptr) return error.what();
  const bool takesValue = option->get_expected_min() > 0;
  if (countMismatch && takesValue) return option->get_name() + " needs a value";
  if ((countMismatch || unreadable) && !takesValue) return option->get_name() + " takes no value";
  return error.what();
}

/// Reads the arguments into `options`; what is wrong with them, or "". Throws CLI::CallForHelp
/// when they ask for the help.
std::string ParseArguments(CLI::App& app, int argc, char** argv, Options& options) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    throw;
  } catch (const CLI::ExcludesError&) {
    return Conflict(app);
  } catch (const CLI::RequiresError&) {
    return Unmet(app);
  } catch (const CLI::ParseError& error) {
    return PlainRefusal(app, error);
  }
  if (!app.remaining().empty()) return "unknown option " + app.remaining().front();
  return CheckTogether(app, options);
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
    const std::string failure = file_ ? loopword::EnglishText(file_->Finish()) : std::cout.flush() ? "" : "The output could not be written.";
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

/// Whether `saved` says the file at `path` was written; when not, says why on standard error.
bool Written(const loopword::SaveOutcome& saved, const std::string& path) {
  if (!saved.saved) std::cerr << "Could not write " << path << ": " << loopword::EnglishText(saved.reason) << '\n';
  return saved.saved;
}

/// Says what is wrong with the arguments, as the parser's refusals are said, and gives their exit status.
int Refuse(const std::string& wrong) {
  std::cerr << kProgram << ": " << wrong << '\n' << "Run " << kProgram << " --help for what each option does.\n";
  return 2;
}

/// Says each message of `reply` on standard error, in English.
void SayMessages(const loopword::Reply& reply) {
  for (const loopword::Message& message : reply.messages) std::cerr << loopword::EnglishText(message) << '\n';
}

/// What the session is given by this front end: the lists' language and the sheets' words from the program's translations.
loopword::SessionSetup CommandLineSetup(const Options& options, const std::string& programFolder) {
  loopword::SessionSetup setup;
  setup.language = options.language;
  setup.sheetTexts = [programFolder](loopword::Language language) { return loopword::SheetTextsIn(language, programFolder); };
  return setup;
}

/// The choices the options make, but for the word list file, which the session loads on its own.
loopword::Choices ChoicesOf(const Options& options) {
  loopword::Choices choices;
  choices.language = options.language;
  choices.level = std::max(options.level, 1);
  choices.difficulty = options.fill.difficulty;
  choices.varied = options.fill.varied;
  choices.unique = options.fill.unique;
  return choices;
}

/// Loads the chosen word list and takes the theme; the exit status when they cannot be used, after saying why.
std::optional<int> PrepareSession(const Options& options, loopword::Session& session) {
  loopword::Reply loaded = session.Restore(ChoicesOf(options));
  if (!options.dictionary.empty()) loaded = session.ChooseWordList(loopword::kOwnList, options.dictionary);
  if (!loaded.done) {
    if (!loaded.cause.empty()) std::cerr << "Could not read the word list " << options.dictionary << ": " << loaded.cause << '\n';
    else SayMessages(loaded);
    return 1;
  }
  SayMessages(loaded);
  if (!options.start.empty()) {
    const loopword::Reply start = session.EnterStartWord(options.start);
    if (!start.done) return Refuse("--start: " + (start.messages.empty() ? std::string("Specify 8-letter word") : loopword::EnglishText(start.Told())));
  }
  if (options.theme.empty() && options.title.empty()) return std::nullopt;
  const std::optional<std::string> themeText = ThemeArgumentText(options.theme);
  if (!themeText) return Refuse("--theme: could not read " + options.theme);
  if (const loopword::Reply title = session.ChooseTheme("", options.title); !title.done) {
    return Refuse("--title: " + loopword::EnglishText(title.Told()));
  }
  const loopword::Reply theme = session.ChooseTheme(*themeText, options.title);
  if (!theme.done) return Refuse("--theme: " + loopword::EnglishText(theme.Told()));
  SayMessages(theme);
  if (!options.theme.empty() && session.CurrentView().choices.themeWords.empty()) return Refuse("--theme: no usable theme word");
  return std::nullopt;
}

/// How many puzzles are made at once: as asked, else one for each core (one for --no-repeats, which needs them in turn).
int Jobs(const Options& options) {
  if (options.jobs > 0) return options.jobs;
  if (options.noRepeats) return 1;
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, static_cast<unsigned>(kJobsLimit)));
}

/// Prints the grade line of each puzzle of the file at `path`, numbered from 1.
int GradeFile(const std::string& path) {
  const loopword::PuzzleFileResult read = loopword::ReadPuzzleFile(path);
  if (read.fault) {
    std::cerr << loopword::EnglishText(read.message) << '\n';
    return 1;
  }
  for (std::size_t i = 0; i < read.puzzles.size(); ++i) {
    std::cout << "# puzzle " << i + 1 << ": " << loopword::grade::GradeLine(read.puzzles[i].puzzle) << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}

/// A class set read from its puzzle file: the seed it was made from and its puzzles in the order of the pupils' numbers.
struct ClassSetFile {
  std::uint64_t setSeed = 0;
  std::vector<loopword::Puzzle> puzzles;
};

/// Why `documents` are not the puzzles of one class set, each once, or "".
std::string NotOneClassSet(const std::vector<loopword::PuzzleDocument>& documents) {
  if (documents.empty()) return "it holds no puzzle";
  const std::optional<loopword::ClassPlace>& first = documents.front().origin.classPlace;
  std::set<int> seen;  // the pupils' numbers
  for (std::size_t i = 0; i < documents.size(); ++i) {
    const std::optional<loopword::ClassPlace>& place = documents[i].origin.classPlace;
    const std::string puzzle = "puzzle " + std::to_string(i + 1) + " of the file";
    if (!place) return puzzle + " has no class set line";
    if (place->setSeed != first->setSeed || place->pupils != first->pupils) {
      return puzzle + " is of another class set than the first (" + std::to_string(place->pupils) + " pupils, set seed " +
             std::to_string(place->setSeed) + ", not " + std::to_string(first->pupils) + " pupils, set seed " + std::to_string(first->setSeed) + ")";
    }
    if (place->number < 1 || place->number > place->pupils) return puzzle + " has the number " + std::to_string(place->number) + ", which the set does not have";
    if (!seen.insert(place->number).second) return "pupil " + std::to_string(place->number) + " has two puzzles";
  }
  int missing = 1;
  while (seen.contains(missing)) ++missing;
  if (missing <= first->pupils) return "pupil " + std::to_string(missing) + "'s puzzle is missing";
  return {};
}

/// The class set of the puzzle file at `path`; nullopt, after saying why, when it cannot be read or is not one class set.
std::optional<ClassSetFile> ReadClassSetFile(const std::string& path) {
  const loopword::PuzzleFileResult read = loopword::ReadPuzzleFile(path);
  if (read.fault) {
    std::cerr << loopword::EnglishText(read.message) << '\n';
    return std::nullopt;
  }
  if (const std::string why = NotOneClassSet(read.puzzles); !why.empty()) {
    std::cerr << path << " is not one class set: " << why << ".\n";
    return std::nullopt;
  }
  ClassSetFile set{read.puzzles.front().origin.classPlace->setSeed, std::vector<loopword::Puzzle>(read.puzzles.size())};
  for (const loopword::PuzzleDocument& document : read.puzzles) {
    set.puzzles[static_cast<std::size_t>(document.origin.classPlace->number - 1)] = document.puzzle;
  }
  return set;
}

/// The text of the file at `path` ("-": standard input) up to kCodesLimit; nullopt, after saying why, when it cannot
/// be read or is longer.
std::optional<std::string> ReadCodes(const std::string& path) {
  const auto refuse = [&](const std::string& why) {
    std::cerr << "Could not read the result codes " << (path == "-" ? "from standard input" : path) << ": " << why << '\n';
    return std::nullopt;
  };
  std::error_code error;
  if (path != "-" && std::filesystem::is_directory(path, error)) return refuse("Is a folder");
  std::ifstream file;
  if (path != "-") file.open(path, std::ios::binary);
  if (path != "-" && !file) return refuse(std::strerror(errno));
  std::istream& in = path == "-" ? std::cin : file;
  std::string text(kCodesLimit + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return refuse(std::strerror(errno));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kCodesLimit) return refuse("more than " + std::to_string(kCodesLimit / 1024) + " KB, far more than a class's codes");
  return text;
}

/// `cells` as lines of columns two spaces apart, each as wide as its widest cell; the columns `right` names aligned
/// to the right, the others to the left; no line ends in spaces.
std::string AlignedTable(const std::vector<std::vector<std::string>>& cells, const std::vector<bool>& right) {
  std::vector<int> widths(right.size());
  for (const auto& line : cells) {
    for (std::size_t column = 0; column < line.size(); ++column) widths[column] = std::max(widths[column], loopword::CharacterCount(line[column]));
  }
  std::string table;
  for (const auto& line : cells) {
    std::string text;
    for (std::size_t column = 0; column < line.size(); ++column) {
      const std::string padding(static_cast<std::size_t>(widths[column] - loopword::CharacterCount(line[column])), ' ');
      text += (column == 0 ? "" : "  ") + (right[column] ? padding + line[column] : line[column] + padding);
    }
    table += text.substr(0, text.find_last_not_of(' ') + 1) + "\n";
  }
  return table;
}

/// The results as a plain table: number, time, checks, letters revealed, code and what is wrong with a refused code.
std::string ResultsTable(const std::vector<loopword::ResultRow>& rows) {
  std::vector<std::vector<std::string>> cells{{"number", "time", "checks", "letters revealed", "code", "problem"}};
  for (const loopword::ResultRow& row : rows) {
    if (const std::optional<loopword::PupilResult>& result = row.read.result) {
      cells.push_back({std::to_string(result->number), loopword::SolvingTimeText(result->seconds), std::to_string(result->checks),
                       std::to_string(result->revealed), row.code, ""});
    } else {
      cells.push_back({"", "", "", "", row.code, loopword::EnglishText(row.read.refusal)});
    }
  }
  return AlignedTable(cells, {true, true, true, true, false, false});
}

/// Prints the table of the result codes of --results read against the class set of --set; 0 when every code was read.
int PrintResults(const Options& options) {
  const std::optional<ClassSetFile> set = ReadClassSetFile(options.setFile);
  if (!set) return 1;
  const std::optional<std::string> codes = ReadCodes(options.results);
  if (!codes) return 1;
  const std::vector<loopword::ResultRow> rows = loopword::ReadResults(*codes, set->setSeed, set->puzzles);
  if (rows.empty()) {
    std::cerr << "No result codes in " << (options.results == "-" ? "standard input" : options.results) << ".\n";
    return 1;
  }
  std::cout << (options.csv ? loopword::ResultsCsv(rows, [](const loopword::Message& message) { return loopword::EnglishText(message); })
                            : ResultsTable(rows));
  const auto refused = std::ranges::count_if(rows, [](const loopword::ResultRow& row) { return !row.read.result; });
  if (refused > 0) std::cerr << refused << " of " << rows.size() << " result codes refused.\n";
  return std::cout.flush() && refused == 0 ? 0 : 1;
}

/// Writes the learning platform package of `puzzles` (titled `title`) to `path`, with the web
/// page installed beside the program in `programFolder`; whether it could, saying why not on standard error.
bool WritePackage(const std::string& path, const std::string& programFolder, const std::vector<std::string>& puzzles, const std::string& title) {
  const std::string pagePath = loopword::WebPagePath(programFolder);
  std::ifstream in(pagePath, std::ios::binary);
  const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::optional<std::string> package = loopword::LearningPackage(page, puzzles, title);
  if (!package) {
    std::cerr << "Could not write " << path << ": Loopword's web page is missing or damaged: " << (pagePath.empty() ? "loopword.html" : pagePath) << '\n';
    return false;
  }
  const loopword::Message failed = loopword::WriteFileAtomically(path, *package);
  if (!failed.empty()) std::cerr << "Could not write " << path << ": " << loopword::EnglishText(failed) << '\n';
  return failed.empty();
}

/// Makes the puzzles the options ask for, handing each to `keep`: a class set, or a run of --count puzzles.
loopword::Reply MakePuzzles(const Options& options, loopword::Session& session, const loopword::BookletProgress& progress,
                            const loopword::BookletSink& keep) {
  if (options.classSet == 0) {
    const loopword::BookletOrder order{{static_cast<int>(options.count), options.noRepeats},
                                       options.seedGiven ? options.seed : loopword::EntropySeed(), options.grade, Jobs(options)};
    return session.MakeBooklet(order, progress, keep);
  }
  if (options.seedGiven) session.SeedNextCompile(options.seed);
  return session.MakeClassSet(options.classSet, progress, [&](loopword::MadePuzzle&& made) {
    if (options.grade) made.document.grade = loopword::grade::GradeLine(made.document.puzzle);
    return keep(std::move(made));
  });
}

int Run(const Options& options, const char* argv0) {
  if (!options.gradeFile.empty()) return GradeFile(options.gradeFile);
  if (!options.results.empty()) return PrintResults(options);
  const std::string programFolder = loopword::RunningProgramFolder(argv0);
  loopword::Session session(programFolder, CommandLineSetup(options, programFolder));
  if (const std::optional<int> status = PrepareSession(options, session)) return *status;
  TextOutput output(options);
  std::vector<loopword::PrintedSheets> sheets;  // kept only for a booklet (at most kBookletLimit of them) or the SVG sheets
  std::vector<std::string> packed;  // the puzzles of the learning platform package
  bool first = true;
  const auto keep = [&](loopword::MadePuzzle&& made) {
    if (!options.pdf.empty() || !options.svg.empty()) sheets.push_back(std::move(made.sheets));
    if (!options.scorm.empty()) packed.push_back(loopword::FormatPuzzle(made.document));
    const std::string separator = first ? "" : "\n";
    first = false;
    return output.Write(separator + loopword::FormatPuzzle(made.document));
  };
  ProgressBar bar;
  const loopword::Reply run = MakePuzzles(options, session, [&](int done, int total) {
    bar.Show(done, total);
    return true;
  }, keep);
  bar.Finish();
  if (!output.Finish()) return 1;
  SayMessages(run);
  if (!run.done) return 1;
  const bool booklet = options.pdf.empty() || Written(loopword::WriteBookletPdf(sheets, QString::fromStdString(options.pdf), loopword::LocalePaper()), options.pdf);
  const bool svg = options.svg.empty() || Written(loopword::ExportSvg(sheets.front(), QString::fromStdString(options.svg)), options.svg);
  const bool package = options.scorm.empty() || WritePackage(options.scorm, programFolder, packed, session.CurrentView().choices.title);
  return booklet && svg && package ? 0 : 1;
}

/// Passes on the toolkit's critical and fatal messages; its debug, information and warning chatter
/// (such as the runtime folder it would like) is no concern of the user.
void KeepToolkitQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  CLI::App app;
  DeclareOptions(app, options);
  app.formatter(std::make_shared<HelpLayout>());
  std::string wrong;
  try {
    wrong = ParseArguments(app, argc, argv, options);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  }
  if (!wrong.empty()) {
    std::cerr << kProgram << ": " << wrong << '\n' << Usage(app);
    return 2;
  }
  options.seedGiven = app.count("--seed") > 0;
  if (!options.scorm.empty() && options.count > 1) options.classSet = static_cast<int>(std::exchange(options.count, 1));  // one for each learner
  std::ios::sync_with_stdio(false);
  std::unique_ptr<QGuiApplication> application;  // the booklet's fonts and painter need one
  if (!options.pdf.empty()) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepToolkitQuiet);
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  return Run(options, argv[0]);
}
