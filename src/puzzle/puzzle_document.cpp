// Reading the comment lines of a puzzle into its document, and writing them back in the program's order.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_document.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <utility>

#include "board/placement_line.h"
#include "board/plain_text.h"
#include "board/whole_number.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

constexpr std::string_view kHeaderLine = "# Loopword puzzle";
constexpr std::string_view kTitleLine = "# title:";
constexpr std::string_view kWordListLine = "# word list:";
constexpr std::string_view kLanguageLine = "# language:";
constexpr std::string_view kFillLine = "# fill:";
constexpr std::string_view kDifficultyLine = "# difficulty:";
constexpr std::string_view kHintsLine = "# hints:";
constexpr std::string_view kSeedLine = "# seed:";
constexpr std::string_view kClassSetLine = "# class set:";
constexpr std::string_view kThemeLine = "# theme:";
constexpr std::string_view kClueLine = "# clue:";
constexpr std::string_view kGradeLine = "# grade:";
constexpr std::string_view kRulesLine = "# off for pupils: ";
constexpr std::string_view kTypedLine = "# typed ";
constexpr std::string_view kPencilLine = "# pencil ";
constexpr std::string_view kProgressLine = "# progress ";

/// How each kind of line begins, in the order of LineKind.
constexpr std::array<std::string_view, 16> kLineStarts = {kHeaderLine, kTitleLine,  kWordListLine, kLanguageLine, kFillLine,
                                                          kDifficultyLine, kHintsLine, kSeedLine, kClassSetLine, kThemeLine,
                                                          kClueLine, kGradeLine, kRulesLine, kTypedLine, kPencilLine,
                                                          kProgressLine};
constexpr std::size_t kKindCount = kLineStarts.size();

/// Longest solving time a progress line may keep: a year, in seconds.
constexpr std::int64_t kLongestSolvingSeconds = 366LL * 24 * 3600;
/// Most checks or revealed letters a progress line may keep.
constexpr int kMostCounted = 1'000'000;

/// The kind of line `line` begins as; nullopt for a line of no kind the program writes.
std::optional<LineKind> KindOf(std::string_view line) {
  if (line == kHeaderLine) return LineKind::Header;
  for (std::size_t k = 1; k < kKindCount; ++k) {
    if (line.starts_with(kLineStarts[k])) return static_cast<LineKind>(k);
  }
  return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  return text;
}

/// The word and clue of a clue line's text: 8 capitals, then a clue of 1 to kClueLimit characters; nullopt for any
/// other text.
std::optional<std::pair<std::string, std::string>> ReadClue(std::string_view text) {
  constexpr std::size_t length = kWordLength;
  text = Trimmed(text);
  const std::string_view word = text.substr(0, std::min(text.size(), length));
  const bool capitals = word.size() == length && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  if (!capitals || text.size() == length || text[length] != ' ') return std::nullopt;
  std::string clue = PlainLine(text.substr(length), kClueLimit + 1);
  if (clue.empty() || CharacterCount(clue) > kClueLimit) return std::nullopt;
  return std::pair{std::string(word), std::move(clue)};
}

/// The difficulty a difficulty line's text names; nullopt for any other text.
std::optional<Difficulty> ReadDifficulty(std::string_view text) {
  const std::vector<std::string_view> entries = BlankSeparated(text);
  return entries.size() == 1 ? DifficultyNamed(entries[0]) : std::nullopt;
}

/// The hint cells of a hints line's text, "SS.P" each: square 01-23 but not 12, ring position 1-8.
std::optional<std::vector<RingCell>> ReadHintCells(std::string_view text) {
  std::vector<RingCell> cells;
  for (const std::string_view entry : BlankSeparated(text)) {
    if (entry.size() != 4 || entry[2] != '.') return std::nullopt;
    const auto square = WholeNumber(entry.substr(0, 2), 1, kSquareCount);
    const auto position = WholeNumber(entry.substr(3), 1, kRingSize);
    if (!square || !position || *square == kCrossingSquare) return std::nullopt;
    cells.push_back({*square, *position});
  }
  return cells;
}

/// The word list of a word list line's text, "L1words.txt (6508 words)" or "x.txt (12 words, read as ...)".
std::optional<WordListSource> ReadWordList(std::string_view text) {
  text = Trimmed(text);
  if (!text.ends_with(')')) return std::nullopt;
  for (std::size_t open = text.find(" ("); open != std::string_view::npos; open = text.find(" (", open + 1)) {
    const std::string_view inside = text.substr(open + 2, text.size() - open - 3);
    const std::size_t words = inside.find(" words");
    if (words == std::string_view::npos) continue;
    const auto count = WholeNumber(inside.substr(0, words), 0, std::numeric_limits<int>::max());
    const std::string_view rest = inside.substr(words + 6);
    if (count && (rest.empty() || rest.starts_with(", "))) {
      return WordListSource{std::string(text.substr(0, open)), *count, std::string(rest.substr(std::min<std::size_t>(2, rest.size())))};
    }
  }
  return std::nullopt;
}

/// The letters of a typed or pencil line's text: the square as two digits, a blank and its 8 cells.
std::optional<SquareLetters> ReadSquareLetters(std::string_view text) {
  if (text.size() != 3 + kRingSize || text[2] != ' ') return std::nullopt;
  const auto square = WholeNumber(text.substr(0, 2), 1, kSquareCount);
  const std::string_view cells = text.substr(3);
  const bool letters = std::all_of(cells.begin(), cells.end(), [](char c) { return c == kNoLetter || (c >= 'A' && c <= 'Z'); });
  if (!square || !letters) return std::nullopt;
  return SquareLetters{*square, std::string(cells)};
}

/// The progress a progress line's text keeps; each value that is missing or damaged counts as none (other names are
/// passed over, so later versions may add some).
SolvingProgress ReadProgress(std::string_view rest) {
  SolvingProgress progress;
  while (!rest.empty()) {
    const std::string_view pair = rest.substr(0, rest.find(' '));
    rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = pair.substr(0, equals);
    const std::string_view value = pair.substr(equals + 1);
    if (name == "time") progress.ms = WholeNumber<std::int64_t>(value, 0, kLongestSolvingSeconds).value_or(0) * 1000;
    if (name == "checks") progress.checks = WholeNumber(value, 0, kMostCounted).value_or(0);
    if (name == "revealed") progress.revealed = WholeNumber(value, 0, kMostCounted).value_or(0);
  }
  return progress;
}

/// A line of `start` followed by a blank and `text`.
std::string LineOf(std::string_view start, std::string_view text) { return std::string(start) + " " + std::string(text); }

std::string WordListLine(const WordListSource& list) {
  const std::string note = list.note.empty() ? "" : ", " + list.note;
  return LineOf(kWordListLine, list.file + " (" + std::to_string(list.words) + " words" + note + ")");
}

std::string HintsLine(const std::vector<RingCell>& cells) {
  std::string text(kHintsLine);
  for (const RingCell& cell : cells) text += " " + SquareLabel(cell.square) + "." + std::to_string(cell.position);
  return text;
}

std::string ClassSetLine(const ClassPlace& place) {
  return LineOf(kClassSetLine, std::to_string(place.number) + " of " + std::to_string(place.pupils) + ", set seed " +
                                   std::to_string(place.setSeed));
}

/// The class place of a class set line's text, "3 of 30, set seed 42": a number from 1 to the pupils, at most 99.
std::optional<ClassPlace> ReadClassPlace(std::string_view text) {
  text = Trimmed(text);
  const std::size_t of = text.find(" of ");
  const std::size_t set = text.find(", set seed ");
  if (of == std::string_view::npos || set == std::string_view::npos || set < of) return std::nullopt;
  const auto pupils = WholeNumber(text.substr(of + 4, set - of - 4), 1, 99);
  const auto number = WholeNumber(text.substr(0, of), 1, pupils.value_or(0));
  const auto seed = WholeNumber(text.substr(set + 11), std::uint64_t{0}, UINT64_MAX);
  if (!pupils || !number || !seed) return std::nullopt;
  return ClassPlace{*number, *pupils, *seed};
}

std::string ThemeLine(const std::vector<std::string>& words) {
  std::string line(kThemeLine);
  for (const std::string& word : words) line += " " + word;
  return line;
}

std::string ProgressLine(const SolvingProgress& progress) {
  std::string line = std::string(kProgressLine) + "time=" + std::to_string(std::max<std::int64_t>(0, progress.ms) / 1000);
  if (progress.checks > 0) line += " checks=" + std::to_string(progress.checks);
  if (progress.revealed > 0) line += " revealed=" + std::to_string(progress.revealed);
  return line;
}

std::vector<std::string> SquareLines(std::string_view start, const std::vector<SquareLetters>& squares) {
  std::vector<std::string> lines;
  for (const SquareLetters& square : squares) lines.push_back(std::string(start) + SquareLabel(square.square) + " " + square.cells);
  return lines;
}

/// The line `make` makes when `written`; none otherwise.
template <typename Make>
std::vector<std::string> LineWhen(bool written, const Make& make) {
  return written ? std::vector<std::string>{make()} : std::vector<std::string>{};
}

/// The lines of `kind` the program writes for `document`.
std::vector<std::string> LinesOf(LineKind kind, const PuzzleDocument& document) {
  const Puzzle& puzzle = document.puzzle;
  const PuzzleOrigin& origin = document.origin;
  switch (kind) {
    case LineKind::Header: return {std::string(kHeaderLine)};
    case LineKind::Title: {
      const std::string title = PlainTitle(puzzle.title);
      return LineWhen(!title.empty(), [&] { return LineOf(kTitleLine, title); });
    }
    case LineKind::WordList: return LineWhen(origin.wordList.has_value(), [&] { return WordListLine(*origin.wordList); });
    case LineKind::Language:
      return LineWhen(document.language != Language::English, [&] { return LineOf(kLanguageLine, LanguageCode(document.language)); });
    case LineKind::Fill: return LineWhen(origin.fill.has_value(), [&] { return LineOf(kFillLine, *origin.fill); });
    case LineKind::Difficulty:
      return LineWhen(puzzle.difficulty != Difficulty::Standard, [&] { return LineOf(kDifficultyLine, DifficultyName(puzzle.difficulty)); });
    case LineKind::Hints: return LineWhen(puzzle.hints.has_value(), [&] { return HintsLine(*puzzle.hints); });
    case LineKind::Seed: return LineWhen(origin.seed.has_value(), [&] { return LineOf(kSeedLine, std::to_string(*origin.seed)); });
    case LineKind::ClassSet: return LineWhen(origin.classPlace.has_value(), [&] { return ClassSetLine(*origin.classPlace); });
    case LineKind::Theme: return LineWhen(!document.theme.empty(), [&] { return ThemeLine(document.theme); });
    case LineKind::Clue: {
      std::vector<std::string> lines;
      for (const auto& [word, clue] : puzzle.clues) lines.push_back(LineOf(kClueLine, word + " " + clue));
      return lines;
    }
    case LineKind::Grade: return LineWhen(document.grade.has_value(), [&] { return "# " + *document.grade; });
    case LineKind::Rules:
      return LineWhen(document.rules != PupilRules{}, [&] { return std::string(kRulesLine) + document.rules.Encode(); });
    case LineKind::Typed: return SquareLines(kTypedLine, document.solving.letters.typed);
    case LineKind::Pencil: return SquareLines(kPencilLine, document.solving.letters.pencil);
    case LineKind::Progress: return LineWhen(document.solving.progress.has_value(), [&] { return ProgressLine(*document.solving.progress); });
  }
  return {};
}

/// The language a language line's text names, when it is one the program writes a line for.
std::optional<Language> ReadLanguage(std::string_view text) {
  const std::optional<Language> language = LanguageFromCode(Trimmed(text));
  return language == Language::English ? std::nullopt : language;
}

/// The language of the first language line of `lines` that names one besides English; English when none does.
Language LanguageOfLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (!line.starts_with(kLanguageLine)) continue;
    if (const auto language = ReadLanguage(std::string_view(line).substr(kLanguageLine.size()))) return *language;
  }
  return Language::English;
}

/// What a line of a kind read once gives a document.
using Reading = std::function<void(PuzzleDocument&)>;

/// What `line` of `kind` (`rest` after its start) gives a document in `language` when it is read as the program
/// writes it; nullopt when it is not: the line is then another line.
std::optional<Reading> ReadOnce(LineKind kind, std::string_view line, std::string_view rest, Language language) {
  const auto exactly = [line](const std::string& written, Reading reading) { return written == line ? std::optional(reading) : std::nullopt; };
  switch (kind) {
    case LineKind::Header: return Reading([](PuzzleDocument&) {});
    case LineKind::Title: {
      std::string title = PlainTitle(rest);
      if (title.empty()) return std::nullopt;
      return Reading([title](PuzzleDocument& document) { document.puzzle.title = title; });
    }
    case LineKind::WordList: {
      const std::optional<WordListSource> list = ReadWordList(rest);
      if (!list) return std::nullopt;
      return exactly(WordListLine(*list), [list](PuzzleDocument& document) { document.origin.wordList = list; });
    }
    case LineKind::Language:  // the document's language is read before its lines
      return ReadLanguage(rest) ? std::optional(Reading([](PuzzleDocument&) {})) : std::nullopt;
    case LineKind::Fill: {
      std::string fill(Trimmed(rest));
      return exactly(LineOf(kFillLine, fill), [fill](PuzzleDocument& document) { document.origin.fill = fill; });
    }
    case LineKind::Difficulty: {
      const std::optional<Difficulty> difficulty = ReadDifficulty(rest);
      if (!difficulty || *difficulty == Difficulty::Standard) return std::nullopt;
      return Reading([difficulty](PuzzleDocument& document) { document.puzzle.difficulty = *difficulty; });
    }
    case LineKind::Hints: {
      std::optional<std::vector<RingCell>> hints = ReadHintCells(rest);
      if (!hints) return std::nullopt;
      return Reading([hints](PuzzleDocument& document) { document.puzzle.hints = hints; });
    }
    case LineKind::Seed: {
      const auto seed = WholeNumber(rest.substr(std::min<std::size_t>(1, rest.size())), std::uint64_t{0}, UINT64_MAX);
      if (!seed) return std::nullopt;
      return exactly(LineOf(kSeedLine, std::to_string(*seed)), [seed](PuzzleDocument& document) { document.origin.seed = seed; });
    }
    case LineKind::ClassSet: {
      const std::optional<ClassPlace> place = ReadClassPlace(rest);
      if (!place) return std::nullopt;
      return exactly(ClassSetLine(*place), [place](PuzzleDocument& document) { document.origin.classPlace = place; });
    }
    case LineKind::Theme: {
      std::vector<std::string> words = ReadThemeWords(rest, language).words;
      if (words.empty()) return std::nullopt;
      return exactly(ThemeLine(words), [words](PuzzleDocument& document) { document.theme = words; });
    }
    case LineKind::Grade: {
      std::string grade(line.substr(2));
      return Reading([grade](PuzzleDocument& document) { document.grade = grade; });
    }
    case LineKind::Clue:
    case LineKind::Rules:
    case LineKind::Typed:
    case LineKind::Pencil:
    case LineKind::Progress: break;
  }
  return std::nullopt;
}

/// Reads comment lines one by one into a document, keeping the lines it does not take where they stood.
class DocumentReader {
 public:
  DocumentReader(Puzzle puzzle, Language language) {
    document_.puzzle = std::move(puzzle);
    document_.language = language;
  }

  void Line(const std::string& line) {
    const std::optional<LineKind> kind = KindOf(line);
    if (!kind) return Keep(line);
    const auto k = static_cast<std::size_t>(*kind);
    const std::string_view rest = std::string_view(line).substr(kLineStarts[k].size());
    if (*kind >= LineKind::Rules) {  // the rules and progress of the first line, every typed and pencil line; the rest go
      const bool first = !seen_[k];
      seen_[k] = true;
      if (TakeSolving(*kind, rest, first)) anchor_ = {*kind, ++taken_[k]};
      return;
    }
    if (*kind == LineKind::Clue) {
      const auto clue = ReadClue(rest);
      if (!clue || !HoldsWord(clue->first) || !document_.puzzle.clues.insert(*clue).second) return Keep(line);
      anchor_ = {*kind, ++taken_[k]};
      return;
    }
    const std::optional<Reading> reading = ReadOnce(*kind, line, rest, document_.language);
    if (reading && taken_[k] == 0) {
      (*reading)(document_);
      anchor_ = {*kind, ++taken_[k]};
      return;
    }
    // A later line the program would take stays after the line taken, so that it is never read first.
    if (reading && anchor_.first < *kind) anchor_ = {*kind, taken_[k]};
    Keep(line);
  }

  PuzzleDocument Take() { return std::move(document_); }

 private:
  void Keep(const std::string& line) { document_.otherLines.push_back({line, anchor_.first, anchor_.second}); }

  /// Whether a rules, typed, pencil or progress line (`rest` after its start, `first` of its kind) is taken.
  bool TakeSolving(LineKind kind, std::string_view rest, bool first) {
    KeptSolving& solving = document_.solving;
    switch (kind) {
      case LineKind::Rules: {
        if (!first) return false;
        DecodedRules decoded = DecodePupilRules(rest);
        document_.rules = decoded.rules;
        document_.rulesNote = std::move(decoded.note);
        return document_.rules != PupilRules{};
      }
      case LineKind::Typed: return TakeSquare(rest, solving.letters.typed, [&] { solving.typedDamaged = true; });
      case LineKind::Pencil: return TakeSquare(rest, solving.letters.pencil, [&] { ++solving.pencilDamaged; });
      case LineKind::Progress:
        if (first) solving.progress = ReadProgress(rest);
        return first;
      default: return false;
    }
  }

  template <typename Damaged>
  static bool TakeSquare(std::string_view rest, std::vector<SquareLetters>& squares, const Damaged& damaged) {
    std::optional<SquareLetters> letters = ReadSquareLetters(rest);
    if (!letters) {
      damaged();
      return false;
    }
    squares.push_back(std::move(*letters));
    return true;
  }

  bool HoldsWord(const std::string& word) const {
    const auto& placements = document_.puzzle.placements;
    return std::any_of(placements.begin(), placements.end(), [&](const PlacementLine& placement) { return placement.word == word; });
  }

  PuzzleDocument document_;
  std::array<bool, kKindCount> seen_{};
  std::array<int, kKindCount> taken_{};
  std::pair<LineKind, int> anchor_{LineKind::Header, 1};  // the last line taken, and how many of its kind
};

}  // namespace

PuzzleDocument ListDocument(const DictionaryState& dictionaries, const CompileOptions& fill) {
  PuzzleDocument list;
  list.origin = {WordListSource{std::filesystem::path(dictionaries.ChosenPath()).filename().string(), dictionaries.WordCount(),
                                EnglishText(dictionaries.Note())},
                 FillName(fill), std::nullopt};
  list.language = dictionaries.CurrentLanguage();
  list.theme = fill.theme;
  return list;
}

PuzzleDocument MadeDocument(PuzzleDocument list, Puzzle puzzle, std::optional<std::uint64_t> seed) {
  list.puzzle = std::move(puzzle);
  list.origin.seed = seed;
  return list;
}

std::vector<std::string> CommentLines(const PuzzleDocument& document) {
  std::array<std::vector<std::string>, kKindCount> own;
  for (std::size_t k = 0; k < kKindCount; ++k) own[k] = LinesOf(static_cast<LineKind>(k), document);
  std::map<std::pair<std::size_t, std::size_t>, std::vector<const std::string*>> after;  // by kind and line
  for (const OtherLine& other : document.otherLines) {
    const auto k = static_cast<std::size_t>(other.after);
    after[{k, std::min(static_cast<std::size_t>(std::max(other.count, 0)), own[k].size())}].push_back(&other.text);
  }
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < kKindCount; ++k) {
    for (std::size_t n = 0; n <= own[k].size(); ++n) {
      if (n > 0) lines.push_back(own[k][n - 1]);
      if (const auto others = after.find({k, n}); others != after.end()) {
        for (const std::string* text : others->second) lines.push_back(*text);
      }
    }
  }
  return lines;
}

std::optional<Text> CommentLineFault(std::string_view line) {
  if (line.starts_with(kDifficultyLine) && !ReadDifficulty(line.substr(kDifficultyLine.size()))) {
    return LOOPWORD_TEXT("Messages", "the difficulty must be standard, easy, medium, hard or expert");
  }
  if (line.starts_with(kHintsLine) && !ReadHintCells(line.substr(kHintsLine.size()))) {
    return LOOPWORD_TEXT("Messages", "hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8");
  }
  if (line.starts_with(kClueLine) && !ClueWord(line)) {
    return LOOPWORD_TEXT("Messages", "a clue line must be \"# clue: WORD clue\": 8 capitals, then a clue of 1 to 60 characters");
  }
  return std::nullopt;
}

std::optional<LineKind> SolvingLineKind(std::string_view line) {
  if (line.starts_with(kTypedLine)) return LineKind::Typed;
  if (line.starts_with(kPencilLine)) return LineKind::Pencil;
  if (line.starts_with(kProgressLine)) return LineKind::Progress;
  return std::nullopt;
}

std::optional<std::string> ClueWord(std::string_view line) {
  if (!line.starts_with(kClueLine)) return std::nullopt;
  const auto clue = ReadClue(line.substr(kClueLine.size()));
  return clue ? std::optional(clue->first) : std::nullopt;
}

PuzzleDocument ReadDocument(const std::vector<std::string>& lines, Puzzle puzzle) {
  DocumentReader reader(std::move(puzzle), LanguageOfLines(lines));
  for (const std::string& line : lines) reader.Line(line);
  return reader.Take();
}

}  // namespace loopword
