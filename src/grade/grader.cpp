// A person-like solver of puzzle sheets: candidates per square, narrowed by techniques in order.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade/grader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <set>

#include "board/letters.h"
#include "board/processor_paths.h"
#include "grade/candidate_set.h"

namespace loopword::grade {

namespace {

/// At most 22 words in 8 ring readings each.
constexpr int kCandidateLimit = (kSquareCount - 1) * kRingSize;
/// Distinct letter cells of the figure.
constexpr int kCellLimit = 148;
/// Guesses after which search gives up.
constexpr std::int64_t kSearchLimit = 20'000;

using Candidates = CandidateSet<kCandidateLimit>;
using Bits = std::uint32_t;

/// The distinct cell of each ring cell: a cell two squares share has one number.
struct CellTable {
  SquareArray<RingArray<int>> number{};
  CellTable() {
    std::map<TwipPoint, int> numbers;
    for (int s = 1; s <= kSquareCount; ++s) {
      for (int p = 1; p <= kRingSize; ++p) {
        number[s][p] = numbers.emplace(CellPoint(s, p), static_cast<int>(numbers.size())).first->second;
      }
    }
  }
};

const CellTable& Cells() {
  static const CellTable table;
  return table;
}

int CellOf(int square, int position) { return Cells().number[square][position]; }

/// A cell square `square` shares with an open neighbour: its own position there and the neighbour's.
struct Link {
  int position;
  int other;
  int otherPosition;
};

const SquareArray<std::vector<Link>>& Links() {
  static const SquareArray<std::vector<Link>> links = [] {
    SquareArray<std::vector<Link>> table;
    for (const Overlap& rule : Overlaps()) {
      table[rule.squareA].push_back({rule.positionA, rule.squareB, rule.positionB});
      table[rule.squareB].push_back({rule.positionB, rule.squareA, rule.positionA});
    }
    return table;
  }();
  return links;
}

Bits Bit(int index) { return Bits{1} << index; }

/// What a technique did to the state.
enum class Outcome { Nothing, Progress, Contradiction };

/// A technique's outcome and how many steps it took.
struct Applied {
  Outcome outcome = Outcome::Nothing;
  int steps = 0;
};

/// The solving state: candidates of the open squares, known letters, open squares, free words.
struct State {
  SquareArray<Candidates> alive{};
  std::array<char, kCellLimit> letter{};
  Bits open = 0;
  Bits freeWords = 0;
};

/// Calls `found(group, together)` for each group of 1 to 4 items from index `from` on, added to
/// `group` (`size` items whose masks make `together`), whose masks together hold exactly as many
/// bits as the group has items.
template <typename Found>
void ForEachLockedGroup(const std::vector<std::pair<int, Bits>>& items, Found& found, std::size_t from = 0, Bits group = 0,
                        Bits together = 0, int size = 0) {
  constexpr int kLargest = 4;
  for (std::size_t i = from; i < items.size(); ++i) {
    const Bits joined = together | items[i].second;
    if (std::popcount(joined) > kLargest) continue;
    const Bits grown = group | Bit(items[i].first);
    if (std::popcount(joined) == size + 1) found(grown, joined);
    if (size + 1 < kLargest) ForEachLockedGroup(items, found, i + 1, grown, joined, size + 1);
  }
}

class Grader {
 public:
  explicit Grader(const Sheet& sheet) {
    for (std::size_t w = 0; w < sheet.words.size(); ++w) AddWord(static_cast<int>(w), sheet.words[w]);
  }

  /// The state of the sheet before any technique; false when the sheet contradicts itself.
  bool Start(const Sheet& sheet, State& state) const {
    if (sheet.words.size() != kSquareCount - 1 || sheet.centre.size() != kRingSize) return false;
    for (int w = 0; w < kSquareCount - 1; ++w) state.freeWords |= Bit(w);
    for (int s = 1; s <= kSquareCount; ++s) {
      if (s == kCrossingSquare) continue;
      state.open |= Bit(s);
      state.alive[s].SetAll();
    }
    for (int p = 1; p <= kRingSize; ++p) {
      if (!Write(state, CellOf(kCrossingSquare, p), sheet.centre[static_cast<std::size_t>(p - 1)])) return false;
    }
    for (const Sheet::Hint& hint : sheet.hints) {
      if (!IsHintCell(hint.cell) || !Write(state, CellOf(hint.cell.square, hint.cell.position), hint.letter)) return false;
    }
    return Settle(state);
  }

  LOOPWORD_POPCOUNT_PATHS Applied Apply(Technique technique, State& state, std::int64_t& effort) const {
    switch (technique) {
      case Technique::Singles: return Singles(state);
      case Technique::Neighbours: return Neighbours(state);
      case Technique::Sets: return Sets(state);
      case Technique::Lookahead: return Lookahead(state, effort);
      case Technique::Search: break;
    }
    return {};
  }

  /// Fills the open squares by trial and error with techniques 1-4 between guesses, adding each
  /// grid found to `grids` until it holds two or the guesses reach kSearchLimit.
  LOOPWORD_POPCOUNT_PATHS void Search(State state, std::int64_t& guesses, std::set<std::string>& grids) const {
    if (!PropagateWithLookahead(state)) return;
    if (state.open == 0) {
      grids.emplace(state.letter.begin(), state.letter.end());
      return;
    }
    int square = 0;
    for (int s = 1; s <= kSquareCount; ++s) {
      if ((state.open & Bit(s)) && (square == 0 || state.alive[s].Count() < state.alive[square].Count())) square = s;
    }
    state.alive[square].ForEachWhile([&](int c) {
      if (grids.size() >= 2 || guesses >= kSearchLimit) return false;
      ++guesses;
      State trial = state;
      Place(trial, square, c);
      Search(trial, guesses, grids);
      return true;
    });
  }

 private:
  static bool IsHintCell(RingCell cell) {
    return cell.square >= 1 && cell.square <= kSquareCount && cell.position >= 1 && cell.position <= kRingSize;
  }

  static bool Write(State& state, int cell, char letter) {
    if (!IsCapitalLetter(letter)) return false;
    char& known = state.letter[static_cast<std::size_t>(cell)];
    if (known != 0 && known != letter) return false;
    known = letter;
    return true;
  }

  void AddWord(int word, const std::string& text) {
    if (text.size() != kRingSize || !IsCapitalsWord(text) || word >= kSquareCount - 1) return;
    const auto first = ringOf_.begin() + candidateCount_;
    for (std::size_t r = 0; r < kRingSize; ++r) {
      std::uint64_t ring = 0;  // the word read from letter r + 1 round to letter r
      RingArray<Bits> letters{};
      for (int p = 1; p <= kRingSize; ++p) {
        const char letter = text[(r + static_cast<std::size_t>(p - 1)) % kRingSize];
        ring = ring << 8 | static_cast<unsigned char>(letter);
        letters[p] = Bit(letter - 'A');
      }
      if (std::find(first, ringOf_.begin() + candidateCount_, ring) != ringOf_.begin() + candidateCount_) continue;
      const int id = candidateCount_++;
      wordOf_[static_cast<std::size_t>(id)] = word;
      ringOf_[static_cast<std::size_t>(id)] = ring;
      lettersOf_[static_cast<std::size_t>(id)] = letters;
      wordCandidates_[static_cast<std::size_t>(word)].Set(id);
      for (int p = 1; p <= kRingSize; ++p) letterCandidates_[p][static_cast<std::size_t>(std::countr_zero(letters[p]))].Set(id);
    }
  }

  Candidates CandidatesOfWords(Bits words) const {
    Candidates all;
    for (int w = 0; w < kSquareCount - 1; ++w) {
      if (words & Bit(w)) all |= wordCandidates_[static_cast<std::size_t>(w)];
    }
    return all;
  }

  /// The letters (bit L for 'A'+L) the candidates in `alive` put at each ring position.
  RingArray<Bits> LettersAt(const Candidates& alive) const {
    // Two positions to a 64-bit word: half the steps where the processor has no wider ones.
    using Pairs = std::array<std::uint64_t, kRingSize / 2>;
    static_assert(sizeof(Pairs) == sizeof(RingArray<Bits>));
    Pairs letters{};
    alive.ForEach([&](int c) {
      Pairs of;
      std::memcpy(&of, &lettersOf_[static_cast<std::size_t>(c)], sizeof of);
      for (std::size_t i = 0; i < of.size(); ++i) letters[i] |= of[i];
    });
    RingArray<Bits> byPosition;
    std::memcpy(&byPosition, &letters, sizeof byPosition);
    return byPosition;
  }

  /// Drops the candidates that clash with a known letter or use a placed word; false when an open
  /// square is left without a candidate or a free word without a square.
  bool Settle(State& state) const {
    const Candidates free = CandidatesOfWords(state.freeWords);
    Candidates reachable;
    for (int s = 1; s <= kSquareCount; ++s) {
      if (!(state.open & Bit(s))) continue;
      Candidates& alive = state.alive[s];
      alive &= free;
      for (int p = 1; p <= kRingSize && alive.Any(); ++p) {
        const char known = state.letter[static_cast<std::size_t>(cells_.number[s][p])];
        if (known != 0) alive &= letterCandidates_[p][static_cast<std::size_t>(known - 'A')];
      }
      if (alive.None()) return false;
      reachable |= alive;
    }
    for (int w = 0; w < kSquareCount - 1; ++w) {
      if ((state.freeWords & Bit(w)) && !reachable.Meets(wordCandidates_[static_cast<std::size_t>(w)])) return false;
    }
    return true;
  }

  void Place(State& state, int square, int candidate) const {
    const auto placed = static_cast<std::size_t>(candidate);
    for (int p = 1; p <= kRingSize; ++p) {
      state.letter[static_cast<std::size_t>(cells_.number[square][p])] = static_cast<char>('A' + std::countr_zero(lettersOf_[placed][p]));
    }
    state.alive[square].Clear();
    state.alive[square].Set(candidate);
    state.open &= ~Bit(square);
    state.freeWords &= ~Bit(wordOf_[placed]);
  }

  Applied Settled(State& state, int steps) const {
    return {Settle(state) ? Outcome::Progress : Outcome::Contradiction, steps};
  }

  /// True when `alive` holds 1 to 8 candidates that all put the same ring into its square: one
  /// word, or words that are turns of each other and so interchangeable.
  bool OneRing(const Candidates& alive) const {
    int count = 0;
    const std::uint64_t ring = ringOf_[static_cast<std::size_t>(std::max(alive.First(), 0))];
    const bool same = alive.ForEachWhile([&](int c) { return ++count <= kRingSize && ringOf_[static_cast<std::size_t>(c)] == ring; });
    return same && count > 0;
  }

  Applied Singles(State& state) const {
    for (int s = 1; s <= kSquareCount; ++s) {
      if ((state.open & Bit(s)) && OneRing(state.alive[s])) {
        Place(state, s, state.alive[s].First());
        return Settled(state, 1);
      }
    }
    for (int w = 0; w < kSquareCount - 1; ++w) {
      if (!(state.freeWords & Bit(w))) continue;
      const Candidates& ofWord = wordCandidates_[static_cast<std::size_t>(w)];
      const int square = OnlySquareOf(state, ofWord);
      if (square == 0) continue;
      Candidates& alive = state.alive[square];
      if ((alive & ~ofWord).None()) continue;
      alive &= ofWord;
      return Settled(state, 1);
    }
    return {};
  }

  /// The one open square with a candidate of `among`; 0 when there is none or more than one.
  static int OnlySquareOf(const State& state, const Candidates& among) {
    int only = 0;
    for (int s = 1; s <= kSquareCount; ++s) {
      if (!(state.open & Bit(s)) || !state.alive[s].Meets(among)) continue;
      if (only != 0) return 0;
      only = s;
    }
    return only;
  }

  Bits SquaresOf(const State& state, const Candidates& among) const {
    Bits squares = 0;
    for (int s = 1; s <= kSquareCount; ++s) {
      if ((state.open & Bit(s)) && state.alive[s].Meets(among)) squares |= Bit(s);
    }
    return squares;
  }

  /// Drops, square by square, each candidate whose letter in a cell shared with an open
  /// neighbour is none of the letters the neighbour's candidates put there.
  Applied Neighbours(State& state) const {
    SquareArray<RingArray<Bits>> letters{};
    for (int s = 1; s <= kSquareCount; ++s) {
      if (state.open & Bit(s)) letters[s] = LettersAt(state.alive[s]);
    }
    int dropped = 0;
    for (int s = 1; s <= kSquareCount; ++s) {
      if (!(state.open & Bit(s))) continue;
      // The positions shared with open neighbours where some candidate has a letter the neighbour
      // does not allow, and the letters the neighbour allows there.
      std::array<int, kOverlapCount> positions;
      std::array<Bits, kOverlapCount> allowed;
      std::size_t shared = 0;
      for (const Link& link : links_[s]) {
        if (!(state.open & Bit(link.other))) continue;
        const Bits there = letters[link.other][link.otherPosition];
        if ((letters[s][link.position] & ~there) == 0) continue;
        positions[shared] = link.position;
        allowed[shared++] = there;
      }
      if (shared == 0) continue;
      Candidates& alive = state.alive[s];
      int droppedHere = 0;
      alive.ForEach([&](int c) {
        const RingArray<Bits>& of = lettersOf_[static_cast<std::size_t>(c)];
        for (std::size_t n = 0; n < shared; ++n) {
          if ((of[positions[n]] & allowed[n]) != 0) continue;
          alive.Reset(c);
          ++droppedHere;
          return;
        }
      });
      if (droppedHere > 0) letters[s] = LettersAt(alive);
      dropped += droppedHere;
    }
    return dropped > 0 ? Settled(state, dropped) : Applied{};
  }

  /// Keeps only `allowed` in `alive`; how many were dropped.
  LOOPWORD_POPCOUNT_PATHS static int Narrow(Candidates& alive, const Candidates& allowed) {
    const Candidates kept = alive & allowed;
    if (kept == alive) return 0;
    const int dropped = alive.Count() - kept.Count();
    alive = kept;
    return dropped;
  }

  Applied Sets(State& state) const {
    std::vector<std::pair<int, Bits>> squares;  // (square, its words)
    std::vector<std::pair<int, Bits>> words;    // (word, its squares)
    for (int s = 1; s <= kSquareCount; ++s) {
      if (state.open & Bit(s)) squares.emplace_back(s, WordsOf(state.alive[s], state.freeWords));
    }
    for (int w = 0; w < kSquareCount - 1; ++w) {
      if (state.freeWords & Bit(w)) words.emplace_back(w, SquaresOf(state, wordCandidates_[static_cast<std::size_t>(w)]));
    }
    int dropped = 0;
    auto squaresLocked = [&](Bits group, Bits together) {
      const Candidates others = ~CandidatesOfWords(together);
      for (int s = 1; s <= kSquareCount; ++s) {
        if ((state.open & Bit(s)) && !(group & Bit(s))) dropped += Narrow(state.alive[s], others);
      }
    };
    ForEachLockedGroup(squares, squaresLocked);
    auto wordsLocked = [&](Bits group, Bits together) {
      const Candidates only = CandidatesOfWords(group);
      for (int s = 1; s <= kSquareCount; ++s) {
        if (together & Bit(s)) dropped += Narrow(state.alive[s], only);
      }
    };
    ForEachLockedGroup(words, wordsLocked);
    return dropped > 0 ? Settled(state, dropped) : Applied{};
  }

  Bits WordsOf(const Candidates& alive, Bits freeWords) const {
    Bits words = 0;
    for (int w = 0; w < kSquareCount - 1; ++w) {
      if ((freeWords & Bit(w)) && alive.Meets(wordCandidates_[static_cast<std::size_t>(w)])) words |= Bit(w);
    }
    return words;
  }

  /// Applies techniques 1-3 until none makes progress; false on a contradiction.
  bool Propagate(State& state) const {
    std::int64_t unused = 0;
    for (;;) {
      Outcome outcome = Outcome::Nothing;
      for (const Technique technique : {Technique::Singles, Technique::Neighbours, Technique::Sets}) {
        outcome = Apply(technique, state, unused).outcome;
        if (outcome != Outcome::Nothing) break;
      }
      if (outcome == Outcome::Contradiction) return false;
      if (outcome == Outcome::Nothing || state.open == 0) return true;
    }
  }

  /// Applies techniques 1-4 until none makes progress; false on a contradiction.
  bool PropagateWithLookahead(State& state) const {
    std::int64_t unused = 0;
    for (;;) {
      if (!Propagate(state)) return false;
      if (state.open == 0) return true;
      const Outcome outcome = Lookahead(state, unused).outcome;
      if (outcome != Outcome::Progress) return outcome == Outcome::Nothing;
    }
  }

  Applied Lookahead(State& state, std::int64_t& effort) const {
    int dropped = 0;
    for (int s = 1; s <= kSquareCount; ++s) {
      if (!(state.open & Bit(s))) continue;
      const Candidates tried = state.alive[s];
      tried.ForEach([&](int c) {
        State trial = state;
        Place(trial, s, c);
        ++effort;
        if (Settle(trial) && Propagate(trial)) return;
        state.alive[s].Reset(c);
        ++dropped;
      });
    }
    return dropped > 0 ? Settled(state, dropped) : Applied{};
  }

  const CellTable& cells_ = Cells();
  const SquareArray<std::vector<Link>>& links_ = Links();
  /// The word of each candidate.
  std::array<int, kCandidateLimit> wordOf_{};
  /// The ring of each candidate, its 8 letters as the 8 bytes of one number.
  std::array<std::uint64_t, kCandidateLimit> ringOf_{};
  /// The letter (bit L for 'A'+L) each candidate puts at each ring position.
  std::array<RingArray<Bits>, kCandidateLimit> lettersOf_{};
  int candidateCount_ = 0;
  std::array<Candidates, kSquareCount - 1> wordCandidates_{};
  RingArray<std::array<Candidates, 26>> letterCandidates_{};
};

}  // namespace

Sheet SheetOf(const std::vector<PlacementLine>& placements, const std::vector<RingCell>& hints) {
  Sheet sheet;
  SquareArray<std::string> rings;
  for (const PlacementLine& line : placements) {
    if (line.square < 1 || line.square > kSquareCount) continue;
    rings[line.square] = line.ring;
    if (line.square == kCrossingSquare) {
      sheet.centre = line.ring;
    } else {
      sheet.words.push_back(line.word);
    }
  }
  for (const RingCell& cell : hints) {
    if (cell.square < 1 || cell.square > kSquareCount) continue;
    sheet.hints.push_back({cell, RingLetterAt(rings[cell.square], cell.position)});
  }
  return sheet;
}

GradeReport GradeSheet(const Sheet& sheet, int ceiling) {
  GradeReport report;
  const Grader grader(sheet);
  State state;
  if (!grader.Start(sheet, state)) return report;
  const int highest = std::min(ceiling, static_cast<int>(Technique::Lookahead));
  while (state.open != 0) {
    Outcome outcome = Outcome::Nothing;
    for (int t = 1; t <= highest && outcome == Outcome::Nothing; ++t) {
      const Applied applied = grader.Apply(static_cast<Technique>(t), state, report.effort);
      outcome = applied.outcome;
      if (outcome == Outcome::Nothing) continue;
      report.needed = std::max(report.needed, t);
      report.steps[static_cast<std::size_t>(t)] += applied.steps;
    }
    if (outcome == Outcome::Contradiction) return report;
    if (outcome != Outcome::Nothing) continue;
    report.needed = std::min(ceiling, kTechniqueCount - 1) + 1;
    if (ceiling < kTechniqueCount) return report;
    std::int64_t guesses = 0;
    std::set<std::string> grids;
    grader.Search(state, guesses, grids);
    report.steps[kTechniqueCount] = static_cast<int>(guesses);
    report.effort += guesses;
    report.grids = static_cast<int>(grids.size());
    report.settled = guesses < kSearchLimit;
    report.solved = !grids.empty();
    return report;
  }
  report.solved = true;
  report.grids = 1;
  return report;
}

Difficulty GradeOf(const GradeReport& report) {
  switch (report.needed) {
    case 0:
    case 1:
    case 2: return Difficulty::Easy;
    case 3: return Difficulty::Medium;
    case 4: return report.effort > kExpertEffort ? Difficulty::Expert : Difficulty::Hard;
    default: return Difficulty::Expert;
  }
}

std::string DescribeGrade(const GradeReport& report) {
  std::string text = "grade: " + DifficultyLabel(GradeOf(report)) + ", technique " + std::to_string(report.needed) + ", steps";
  for (int t = 1; t <= kTechniqueCount; ++t) text += " " + std::to_string(report.steps[static_cast<std::size_t>(t)]);
  text += ", effort " + std::to_string(report.effort);
  if (report.grids == 0) return text + (report.settled && report.needed == kTechniqueCount ? ", no solution" : ", not solved");
  return text + (report.grids > 1 ? ", several solutions" : report.settled ? "" : ", not proven to be the only solution");
}

}  // namespace loopword::grade
