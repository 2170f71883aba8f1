// The placement search of theme words over squares 12, 1..11, 13..23, pruned by letter passes round
// each loop, and the fill of the free squares around each placement that passes.
#include "exact/theme_search.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <set>

#include "exact/exact_engine.h"

namespace loopword::exact {

namespace {

/// Pairs one fill of the free squares may try before its placement counts as undecided.
constexpr std::int64_t kPairsPerPlacement = 200'000;
/// Longest time the search for a theme word to leave out may take after a proof.
constexpr std::chrono::seconds kLeaveOneOutTime{3};
/// Placement steps between two polls.
constexpr int kStepsPerPoll = 256;
/// A square not yet decided, and a square left to the list.
constexpr int kUndecided = -2;
constexpr int kFree = -1;
/// The squares in the order the placement search decides them.
constexpr IndexedArray<int, kSquareCount> kPlacementOrder = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                              13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};

/// The four letters a square-12 ring shows the loops: near and far end of chain 0, then of chain 1.
std::uint32_t CentreLetters(const Word& centre) {
  std::uint32_t code = 0;
  for (int c = 0; c < kChainCount; ++c) {
    for (const bool far : {false, true}) code = code * 26 + static_cast<std::uint32_t>(CentreKey(centre, c, far));
  }
  return code;
}

/// Letter sets that reach each key of each boundary of one loop: bit n set when the loop, starting
/// with letter n at its near end, can carry the key there.
using Reach = IndexedArray<std::vector<std::uint32_t>, kBoundaryCount>;

/// One run of the placement search over a set of theme words (a bit per theme index).
class PlacementSearch {
 public:
  PlacementSearch(const ThemeEngine& engine, std::uint32_t themes, bool varied, RandomSource& random,
                  const ThemeLimits& limits, std::chrono::steady_clock::time_point deadline)
      : engine_(engine), model_(engine.List()), themes_(themes), varied_(varied), random_(random), limits_(limits),
        deadline_(deadline) {
    for (int s = 1; s <= kSquareCount; ++s) assigned_[s] = kUndecided;
    for (int c = 0; c < kChainCount; ++c) {
      for (int b = 0; b < kBoundaryCount; ++b) reach_[c][b].assign(static_cast<std::size_t>(ChainBoundary(c, b).KeyCount()), 0);
    }
    for (int id = 0; id < model_.WordCount(); ++id) {
      if (IsFreeWord(id)) freeCentres_.insert(CentreLetters(model_.WordAt(id)));
    }
  }

  ThemeResult Run(const std::string& startWord) {
    int depth = 0;
    if (!startWord.empty()) {
      centre_ = ToWord(startWord);
      const auto& themeWords = engine_.ThemeWords();
      const auto theme = static_cast<int>(std::find(themeWords.begin(), themeWords.end(), *centre_) - themeWords.begin());
      assigned_[kCrossingSquare] = InSet(theme) ? theme : kFree;
      if (InSet(theme)) placed_ |= 1u << theme;
      depth = 1;
      if (!Feasible(kCrossingSquare)) return {};
    }
    const Step step = Visit(depth);
    if (step == Step::Found) return std::move(result_);
    if (step == Step::Halt) return {halt_, {}, {}};
    return {undecided_ ? SearchStatus::BudgetSpent : SearchStatus::Impossible, {}, {}};
  }

 private:
  enum class Step { Continue, Found, Halt };

  [[nodiscard]] bool InSet(int theme) const { return theme < 32 && ((themes_ >> theme) & 1u) != 0; }
  [[nodiscard]] bool IsFreeWord(int id) const {
    const auto& taken = engine_.ListedThemeIds();
    return std::find(taken.begin(), taken.end(), id) == taken.end();
  }
  [[nodiscard]] int Unplaced() const { return std::popcount(themes_ & ~placed_); }

  bool OutOfTime() {
    if (std::chrono::steady_clock::now() >= deadline_) {
      halt_ = SearchStatus::BudgetSpent;
      return true;
    }
    if (limits_.poll && limits_.poll()) {
      halt_ = SearchStatus::Stopped;
      return true;
    }
    return false;
  }

  Step Visit(int depth) {
    if (++steps_ % kStepsPerPoll == 0 && OutOfTime()) return Step::Halt;
    if (Unplaced() > kSquareCount - depth) return Step::Continue;
    if (depth == kSquareCount) return FillFreeSquares();
    const int square = kPlacementOrder[depth];
    std::vector<int> options;
    for (int theme = 0; theme < 32; ++theme) {
      if (InSet(theme) && ((placed_ >> theme) & 1u) == 0) options.push_back(theme);
    }
    for (std::size_t i = 0; i + 1 < options.size(); ++i) {
      std::swap(options[i], options[i + static_cast<std::size_t>(random_.Draw(static_cast<int>(options.size() - i))) - 1]);
    }
    if (Unplaced() < kSquareCount - depth) options.push_back(kFree);  // last: the theme words still fit after it
    for (const int option : options) {
      assigned_[square] = option;
      if (option >= 0) placed_ |= 1u << option;
      if (square == kCrossingSquare) centre_ = option >= 0 ? std::optional(engine_.ThemeWords()[static_cast<std::size_t>(option)]) : std::nullopt;
      const Step step = Feasible(square) ? Visit(depth + 1) : Step::Continue;
      if (option >= 0) placed_ &= ~(1u << option);
      assigned_[square] = kUndecided;
      if (step != Step::Continue) return step;
    }
    return Step::Continue;
  }

  static int ChainOf(int square) { return square < kCrossingSquare ? 0 : 1; }

  /// Whether letters can still pass round both loops and every unplaced theme word can still get a
  /// square, after square `changed` was decided; a loop decided whole before it keeps its passes.
  bool Feasible(int changed) {
    for (int c = 0; c < kChainCount; ++c) {
      if (changed == kCrossingSquare || ChainOf(changed) == c || assigned_[ChainSquare(c, kChainLength - 1)] == kUndecided) PassLoop(c);
    }
    const bool centreFits = centre_ ? CentreFits(CentreLetters(*centre_))
                                    : std::any_of(freeCentres_.begin(), freeCentres_.end(), [this](std::uint32_t code) { return CentreFits(code); });
    return centreFits && ThemesHaveSquares();
  }

  /// Whether every unplaced theme word can get an undecided square of its own where letters can
  /// still reach it from square 12 on both sides.
  bool ThemesHaveSquares() {
    if (Unplaced() == 0) return true;
    for (int c = 0; c < kChainCount; ++c) {
      if (assigned_[ChainSquare(c, kChainLength - 1)] == kUndecided) BackPass(c);
    }
    std::vector<std::vector<int>> squaresOf;
    for (int theme = 0; theme < 32; ++theme) {
      if (!InSet(theme) || ((placed_ >> theme) & 1u) != 0) continue;
      std::vector<int>& squares = squaresOf.emplace_back();
      if (assigned_[kCrossingSquare] == kUndecided) squares.push_back(kCrossingSquare);
      for (int c = 0; c < kChainCount; ++c) {
        for (int k = 0; k < kChainLength; ++k) {
          if (assigned_[ChainSquare(c, k)] == kUndecided && FitsBetween(engine_.ThemePairs(theme, c, k), c, k)) squares.push_back(ChainSquare(c, k));
        }
      }
    }
    return MatchesAll(squaresOf);
  }

  bool FitsBetween(const ThemeEngine::KeyPairs& pairs, int chain, int k) const {
    return std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) {
      return reach_[chain][k][pair.first] != 0 && alive_[chain][k + 1][pair.second] != 0;
    });
  }

  /// alive_[chain][b][key]: nonzero when the squares after boundary b can carry `key` to square 12.
  void BackPass(int chain) {
    Reach& alive = alive_[chain];
    for (int b = 0; b < kBoundaryCount; ++b) alive[b].assign(reach_[chain][b].size(), 0);
    for (std::size_t far = 0; far < 26; ++far) {
      alive[kBoundaryCount - 1][far] = !centre_ || static_cast<int>(far) == CentreKey(*centre_, chain, true) ? 1 : 0;
    }
    for (int k = kChainLength - 1; k >= 0; --k) {
      const int state = assigned_[ChainSquare(chain, k)];
      if (state == kFree || state == kUndecided) {
        for (const PairClass& cls : model_.Table(chain, k).classes) alive[k][cls.left] |= alive[k + 1][cls.right];
      }
      for (int theme = 0; theme < 32; ++theme) {
        const bool open = state == kUndecided && InSet(theme) && ((placed_ >> theme) & 1u) == 0;
        if (theme != state && !open) continue;
        for (const auto& [left, right] : engine_.ThemePairs(theme, chain, k)) alive[k][left] |= alive[k + 1][right];
      }
    }
  }

  /// Kuhn's augmenting paths: can every theme word get a different square from its list?
  static bool MatchesAll(const std::vector<std::vector<int>>& squaresOf) {
    SquareArray<int> owner{};
    for (int s = 1; s <= kSquareCount; ++s) owner[s] = -1;
    for (std::size_t theme = 0; theme < squaresOf.size(); ++theme) {
      SquareArray<bool> seen{};
      if (!Augment(squaresOf, static_cast<int>(theme), owner, seen)) return false;
    }
    return true;
  }

  static bool Augment(const std::vector<std::vector<int>>& squaresOf, int theme, SquareArray<int>& owner, SquareArray<bool>& seen) {
    for (const int square : squaresOf[static_cast<std::size_t>(theme)]) {
      if (seen[square]) continue;
      seen[square] = true;
      if (owner[square] < 0 || Augment(squaresOf, owner[square], owner, seen)) {
        owner[square] = theme;
        return true;
      }
    }
    return false;
  }

  bool CentreFits(std::uint32_t code) const {
    const auto far1 = code % 26, near1 = code / 26 % 26, far0 = code / 676 % 26, near0 = code / 17576;
    return ((reach_[0][kBoundaryCount - 1][far0] >> near0) & 1u) != 0 && ((reach_[1][kBoundaryCount - 1][far1] >> near1) & 1u) != 0;
  }

  void PassLoop(int chain) {
    Reach& reach = reach_[chain];
    std::fill(reach[0].begin(), reach[0].end(), 0);
    if (centre_) {
      const auto near = static_cast<std::size_t>(CentreKey(*centre_, chain, false));
      reach[0][near] = 1u << near;
    } else {
      for (std::uint32_t near = 0; near < 26; ++near) reach[0][near] = 1u << near;
    }
    for (int k = 0; k < kChainLength; ++k) {
      const std::vector<std::uint32_t>& from = reach[k];
      std::vector<std::uint32_t>& to = reach[k + 1];
      std::fill(to.begin(), to.end(), 0);
      const int state = assigned_[ChainSquare(chain, k)];
      if (state == kFree || state == kUndecided) PassFree(chain, k, from, to);
      if (state >= 0) PassPairs(engine_.ThemePairs(state, chain, k), from, to);
      if (state != kUndecided) continue;
      for (int theme = 0; theme < 32; ++theme) {
        if (InSet(theme) && ((placed_ >> theme) & 1u) == 0) PassPairs(engine_.ThemePairs(theme, chain, k), from, to);
      }
    }
  }

  void PassFree(int chain, int k, const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to) const {
    const SquareTable& table = model_.Table(chain, k);
    for (std::size_t left = 0; left < from.size(); ++left) {
      if (from[left] == 0) continue;
      for (std::uint32_t i = table.classBegin[left]; i < table.classBegin[left + 1]; ++i) to[table.classes[i].right] |= from[left];
    }
  }

  static void PassPairs(const ThemeEngine::KeyPairs& pairs, const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to) {
    for (const auto& [left, right] : pairs) to[right] |= from[left];
  }

  /// Fills the free squares around the placement, trying each fitting square-12 word when it is free.
  Step FillFreeSquares() {
    SquareArray<int> wordAt{};
    for (int s = 1; s <= kSquareCount; ++s) wordAt[s] = assigned_[s] >= 0 && s != kCrossingSquare ? model_.WordCount() + assigned_[s] : -1;
    const ChainModel model = model_.WithWordsAt(engine_.ThemeWords(), wordAt);
    if (centre_) return FillAroundCentre(model, *centre_);
    std::vector<int> centres;
    for (int id = 0; id < model_.WordCount(); ++id) {
      if (IsFreeWord(id) && CentreFits(CentreLetters(model_.WordAt(id)))) centres.push_back(id);
    }
    for (std::size_t i = 0; i < centres.size(); ++i) {
      std::swap(centres[i], centres[i + static_cast<std::size_t>(random_.Draw(static_cast<int>(centres.size() - i))) - 1]);
      const Step step = FillAroundCentre(model, model_.WordAt(centres[i]));
      if (step != Step::Continue) return step;
    }
    return Step::Continue;
  }

  Step FillAroundCentre(const ChainModel& model, const Word& centre) {
    bool timeUp = false;
    SearchLimits limits{kPairsPerPlacement, [&] {
                          timeUp = std::chrono::steady_clock::now() >= deadline_;
                          return timeUp || (limits_.poll && limits_.poll());
                        }};
    std::vector<int> excluded = engine_.ListedThemeIds();
    excluded.push_back(model_.Find(centre));  // the list's copy: a theme word in square 12 has its own
    FillResult fill = FillAround(model, centre, excluded, varied_, random_, limits);
    switch (fill.status) {
      case SearchStatus::Found:
        result_ = {SearchStatus::Found, std::move(fill.lines), {}};
        return Step::Found;
      case SearchStatus::Stopped:
        halt_ = timeUp ? SearchStatus::BudgetSpent : SearchStatus::Stopped;
        return Step::Halt;
      case SearchStatus::BudgetSpent:
        undecided_ = true;
        break;
      case SearchStatus::Impossible:
        break;
    }
    return Step::Continue;
  }

  const ThemeEngine& engine_;
  const ChainModel& model_;
  std::uint32_t themes_;
  bool varied_;
  RandomSource& random_;
  const ThemeLimits& limits_;
  std::chrono::steady_clock::time_point deadline_;
  std::set<std::uint32_t> freeCentres_;
  SquareArray<int> assigned_{};
  std::uint32_t placed_ = 0;
  std::optional<Word> centre_;
  IndexedArray<Reach, kChainCount> reach_;
  IndexedArray<Reach, kChainCount> alive_;
  std::int64_t steps_ = 0;
  bool undecided_ = false;
  SearchStatus halt_ = SearchStatus::Stopped;
  ThemeResult result_;
};

}  // namespace

ThemeEngine::ThemeEngine(const ChainModel& list, std::vector<std::string> theme) : list_(list), theme_(std::move(theme)) {
  for (const std::string& text : theme_) {
    auto& pairs = themePairs_.emplace_back();
    const Word word = themeWords_.emplace_back(ToWord(text));
    if (const int id = list.Find(word); id >= 0) listedThemeIds_.push_back(id);
    for (int c = 0; c < kChainCount; ++c) {
      for (int k = 0; k < kChainLength; ++k) {
        const Boundary& left = ChainBoundary(c, k);
        const Boundary& right = ChainBoundary(c, k + 1);
        KeyPairs& square = pairs[c][k];
        for (int r = 0; r < kWordLength; ++r) {
          const Word ring = Rotated(word, r);
          square.emplace_back(static_cast<std::uint16_t>(KeyOf(ring, left.after, left.cells)),
                              static_cast<std::uint16_t>(KeyOf(ring, right.before, right.cells)));
        }
        std::sort(square.begin(), square.end());
        square.erase(std::unique(square.begin(), square.end()), square.end());
      }
    }
  }
}

ThemeResult ThemeEngine::Fill(const std::string& startWord, bool varied, RandomSource& random, const ThemeLimits& limits) const {
  const auto deadline = std::chrono::steady_clock::now() + limits.time;
  const std::uint32_t all = theme_.size() >= 32 ? ~0u : (1u << theme_.size()) - 1;
  ThemeResult result = PlacementSearch(*this, all, varied, random, limits, deadline).Run(startWord);
  if (result.status != SearchStatus::Impossible || theme_.size() < 2) return result;
  const auto leaveOneOutEnd = std::min(deadline, std::chrono::steady_clock::now() + kLeaveOneOutTime);
  for (std::size_t left = 0; left < theme_.size(); ++left) {
    const ThemeResult without = PlacementSearch(*this, all & ~(1u << left), false, random, limits, leaveOneOutEnd).Run(startWord);
    if (without.status == SearchStatus::Found) {
      result.withoutWord = theme_[left];
      break;
    }
    if (without.status != SearchStatus::Impossible) break;
  }
  return result;
}

}  // namespace loopword::exact
