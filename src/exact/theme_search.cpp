// The placement search of theme words (square 12 first, then the most constrained word), pruned by
// letter passes round each loop that count the free squares, and the fill of the free squares.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/theme_search.h"

#include <algorithm>
#include <array>
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
constexpr int kStepsPerPoll = 16;
/// A square not yet decided, and a square left to the list.
constexpr int kUndecided = -2;
constexpr int kFree = -1;

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
/// Per loop, one Reach per count of free squares: layer f holds what passes with exactly f of them.
using Layers = std::vector<Reach>;
/// Per layer and boundary, false when every key there is known to be 0.
using Held = std::vector<IndexedArray<bool, kBoundaryCount>>;

/// Sets every key of `keys` to 0 unless `held` says they are 0 already; they are then.
void ClearKeys(std::vector<std::uint32_t>& keys, bool& held) {
  if (held) std::fill(keys.begin(), keys.end(), 0);
  held = false;
}

/// The keys a list word links across one chain square, as bit rows: rights[left] has bit R set
/// when a word's ring takes left key `left` to right key R, and lefts[right] the other way round.
struct KeyLinks {
  std::size_t rightWords = 0;
  std::size_t leftWords = 0;
  std::vector<std::uint64_t> rights;
  std::vector<std::uint64_t> lefts;
};

std::size_t WordsFor(int keys) { return static_cast<std::size_t>(keys + 63) / 64; }

KeyLinks KeyLinksOf(const SquareTable& table, int leftKeys, int rightKeys) {
  KeyLinks links{WordsFor(rightKeys), WordsFor(leftKeys), {}, {}};
  links.rights.assign(static_cast<std::size_t>(leftKeys) * links.rightWords, 0);
  links.lefts.assign(static_cast<std::size_t>(rightKeys) * links.leftWords, 0);
  for (const PairClass& cls : table.classes) {
    links.rights[cls.left * links.rightWords + cls.right / 64u] |= std::uint64_t{1} << (cls.right % 64u);
    links.lefts[cls.right * links.leftWords + cls.left / 64u] |= std::uint64_t{1} << (cls.left % 64u);
  }
  return links;
}

/// Whether any key of a pass carries something: a plain sweep, quicker than testing key by key.
bool AnyKey(const std::vector<std::uint32_t>& keys) {
  std::uint32_t any = 0;
  for (const std::uint32_t key : keys) any |= key;
  return any != 0;
}

/// Whether a free square may take list word `id`: it is none of the theme words the list holds.
bool IsFreeWord(const ThemeEngine& engine, int id) {
  const auto& taken = engine.ListedThemeIds();
  return std::find(taken.begin(), taken.end(), id) == taken.end();
}

/// Calls `use(key)` for each key whose bit is set in the `words` words of `bits`.
template <typename Use>
void ForEachKey(const std::uint64_t* bits, std::size_t words, Use use) {
  for (std::size_t word = 0; word < words; ++word) {
    for (std::uint64_t rest = bits[word]; rest != 0; rest &= rest - 1) use(word * 64 + static_cast<std::size_t>(std::countr_zero(rest)));
  }
}

/// The union of key bit rows of one length, in a buffer of its own so that the rows are added word
/// by word without rereading (no row can overlap it).
class RowUnion {
 public:
  explicit RowUnion(std::size_t words) : words_(words) { std::fill_n(bits_.begin(), words, 0); }
  void Add(const std::uint64_t* row) {
    for (std::size_t word = 0; word < words_; ++word) bits_[word] |= row[word];
  }
  template <typename Use>
  void ForEachKey(Use use) const {
    exact::ForEachKey(bits_.data(), words_, use);
  }

 private:
  static constexpr std::size_t kWordLimit = (17'576 + 63) / 64;  // keys of three cells
  std::size_t words_;
  std::array<std::uint64_t, kWordLimit> bits_;
};

}  // namespace

/// The keys the list's words link across each chain square, and the square-12 letters of the list
/// words a free square 12 may take.
struct ThemeEngine::FreePasses {
  IndexedArray<IndexedArray<KeyLinks, kChainLength>, kChainCount> links;
  std::set<std::uint32_t> freeCentres;
};

namespace {

/// One run of the placement search over a set of theme words (a bit per theme index): square 12
/// first, then always the unplaced theme word with the fewest squares left, over those squares.
class PlacementSearch {
 public:
  PlacementSearch(const ThemeEngine& engine, std::uint32_t themes, std::uint32_t clued, bool varied, RandomSource& random,
                  const ThemeLimits& limits, std::chrono::steady_clock::time_point deadline)
      : engine_(engine), model_(engine.List()), themes_(themes), clued_(clued), varied_(varied), random_(random),
        limits_(limits), deadline_(deadline), freeCentres_(engine.Passes().freeCentres), links_(engine.Passes().links) {
    for (int s = 1; s <= kSquareCount; ++s) assigned_[s] = kUndecided;
    // With n theme words at most 23 - n chain squares are free: one layer per count from 0.
    const auto layers = static_cast<std::size_t>(kSquareCount + 1 - std::popcount(themes));
    for (int c = 0; c < kChainCount; ++c) {
      reach_[c].resize(layers);
      for (Reach& layer : reach_[c]) {
        for (int b = 0; b < kBoundaryCount; ++b) layer[b].assign(static_cast<std::size_t>(ChainBoundary(c, b).KeyCount()), 0);
      }
      alive_[c] = reach_[c];
      reachHeld_[c].resize(layers);
      aliveHeld_[c].resize(layers);
    }
  }

  ThemeResult Run(const std::string& startWord) {
    Step step = Step::Continue;
    if (startWord.empty()) {
      step = DecideCentre();
    } else {
      const auto& themeWords = engine_.ThemeWords();
      const auto theme = static_cast<int>(std::find(themeWords.begin(), themeWords.end(), ToWord(startWord)) - themeWords.begin());
      step = TryCentre(InSet(theme) ? theme : kFree, ToWord(startWord));
    }
    if (step == Step::Found) return std::move(result_);
    if (step == Step::Halt) return {halt_, {}, {}};
    return {undecided_ ? SearchStatus::BudgetSpent : SearchStatus::Impossible, {}, {}};
  }

 private:
  enum class Step { Continue, Found, Halt };

  [[nodiscard]] bool InSet(int theme) const { return theme < 32 && ((themes_ >> theme) & 1u) != 0; }
  [[nodiscard]] bool Unplaced(int theme) const { return InSet(theme) && ((placed_ >> theme) & 1u) == 0; }
  [[nodiscard]] int UnplacedCount() const { return std::popcount(themes_ & ~placed_); }
  /// Free squares every fill of the current placement will have besides square 12.
  [[nodiscard]] int FreeLeft() const {
    return static_cast<int>(std::count(assigned_.begin(), assigned_.end(), kUndecided)) - UnplacedCount();
  }

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

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
      std::swap(items[i], items[i + static_cast<std::size_t>(random_.Draw(static_cast<int>(items.size() - i))) - 1]);
    }
  }

  /// Tries each theme word without a clue in square 12, then a list word there, then the theme words with a clue
  /// (whose clue the sheet would give away).
  Step DecideCentre() {
    std::vector<int> options, cluedOptions;
    for (int theme = 0; theme < 32; ++theme) {
      if (InSet(theme)) (((clued_ >> theme) & 1u) != 0 ? cluedOptions : options).push_back(theme);
    }
    Shuffle(options);
    if (UnplacedCount() < kSquareCount) options.push_back(kFree);  // after them: the theme words still fit after it
    Shuffle(cluedOptions);
    options.insert(options.end(), cluedOptions.begin(), cluedOptions.end());
    for (const int option : options) {
      const Step step = TryCentre(option, option >= 0 ? engine_.ThemeWords()[static_cast<std::size_t>(option)] : std::optional<Word>());
      if (step != Step::Continue) return step;
    }
    return Step::Continue;
  }

  Step TryCentre(int option, std::optional<Word> centre) {
    assigned_[kCrossingSquare] = option;
    placed_ = option >= 0 ? 1u << option : 0;
    centre_ = std::move(centre);
    return Feasible() ? PlaceThemes() : Step::Continue;
  }

  /// Places the unplaced theme word with the fewest squares left in each of them in turn.
  Step PlaceThemes() {
    if (++steps_ % kStepsPerPoll == 0 && OutOfTime()) return Step::Halt;
    if (UnplacedCount() == 0) return FillFreeSquares();
    const std::size_t pick = MostConstrained();
    const int theme = unplacedThemes_[pick];
    // Squares needing fewer free squares in their loop first, in random order among equals.
    std::vector<std::pair<int, int>> options;  // (free squares needed, square)
    for (std::size_t i = 0; i < squaresOf_[pick].size(); ++i) options.emplace_back(freeNeeded_[pick][i], squaresOf_[pick][i]);
    Shuffle(options);
    std::stable_sort(options.begin(), options.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [needed, square] : options) {
      assigned_[square] = theme;
      placed_ |= 1u << theme;
      const Step step = Feasible() ? PlaceThemes() : Step::Continue;
      placed_ &= ~(1u << theme);
      assigned_[square] = kUndecided;
      if (step != Step::Continue) return step;
    }
    return Step::Continue;
  }

  /// The index in unplacedThemes_ of a theme word with the fewest squares, drawn among equals.
  std::size_t MostConstrained() {
    std::size_t pick = 0;
    int ties = 1;
    for (std::size_t i = 1; i < squaresOf_.size(); ++i) {
      if (squaresOf_[i].size() > squaresOf_[pick].size()) continue;
      ties = squaresOf_[i].size() == squaresOf_[pick].size() ? ties + 1 : 1;
      if (ties == 1 || random_.Draw(ties) == 1) pick = i;
    }
    return pick;
  }

  /// Whether letters can still pass round both loops with the free squares left and every unplaced
  /// theme word can still get a square of its own (then squaresOf_ lists each one's squares).
  bool Feasible() {
    freeLeft_ = FreeLeft();
    if (freeLeft_ < 0) return false;  // more theme words than squares
    for (int c = 0; c < kChainCount; ++c) {
      PassLayer(c, 0);
      passed_[c] = 1;
    }
    // Layer f of a loop only matters while the other can still close with the free squares left.
    for (int f = 1; f <= freeLeft_; ++f) {
      for (int c = 0; c < kChainCount; ++c) {
        if (f > freeLeft_ - FewestFree(1 - c)) continue;
        PassLayer(c, f);
        passed_[c] = f + 1;
      }
    }
    const bool centreFits = centre_ ? CentreFits(CentreLetters(*centre_))
                                    : std::any_of(freeCentres_.begin(), freeCentres_.end(), [this](std::uint32_t code) { return CentreFits(code); });
    return centreFits && ThemesHaveSquares();
  }

  /// Whether every unplaced theme word can get an undecided square of its own where letters can
  /// still reach it from square 12 on both sides.
  bool ThemesHaveSquares() {
    squaresOf_.clear();
    freeNeeded_.clear();
    unplacedThemes_.clear();
    if (UnplacedCount() == 0) return true;
    IndexedArray<int, kChainCount> budget{};  // most free squares each loop may have
    for (int c = 0; c < kChainCount; ++c) {
      BackPass(c);
      budget[c] = freeLeft_ - FewestFree(1 - c);
    }
    for (int theme = 0; theme < 32; ++theme) {
      if (!Unplaced(theme)) continue;
      unplacedThemes_.push_back(theme);
      std::vector<int>& squares = squaresOf_.emplace_back();
      std::vector<int>& needed = freeNeeded_.emplace_back();
      for (int c = 0; c < kChainCount; ++c) {
        for (int k = 0; k < kChainLength; ++k) {
          if (assigned_[ChainSquare(c, k)] != kUndecided) continue;
          const int free = FreeNeeded(engine_.ThemePairs(theme, c, k), c, k, budget[c]);
          if (free < 0) continue;
          squares.push_back(ChainSquare(c, k));
          needed.push_back(free);
        }
      }
    }
    return MatchesAll(squaresOf_);
  }

  /// The fewest free squares (at most `budget`) that chain `chain` needs with a pair of `pairs` in
  /// square k, letters reaching it and letters carrying it on to square 12; -1 when none fits.
  [[nodiscard]] int FreeNeeded(const ThemeEngine::KeyPairs& pairs, int chain, int k, int budget) const {
    for (int free = 0; free <= budget; ++free) {
      for (int before = 0; before <= free; ++before) {
        const auto& reach = reach_[chain][before][k];
        const auto& alive = alive_[chain][free - before][k + 1];
        if (std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) { return reach[pair.first] != 0 && alive[pair.second] != 0; })) return free;
      }
    }
    return -1;
  }

  /// The fewest free squares with which letters may pass round loop `chain`, as far as its layers
  /// passed tell.
  [[nodiscard]] int FewestFree(int chain) const {
    int f = 0;
    while (f < passed_[chain] && !ClosesWith(chain, f)) ++f;
    return f;
  }

  [[nodiscard]] bool ClosesWith(int chain, int f) const {
    const std::vector<std::uint32_t>& last = reach_[chain][f][kBoundaryCount - 1];
    if (!centre_) return std::any_of(last.begin(), last.end(), [](std::uint32_t near) { return near != 0; });
    return ((last[static_cast<std::size_t>(CentreKey(*centre_, chain, true))] >> CentreKey(*centre_, chain, false)) & 1u) != 0;
  }

  /// alive_[chain][f][b][key]: nonzero when the squares after boundary b can carry `key` to square
  /// 12 with exactly f free squares among them.
  void BackPass(int chain) {
    Layers& alive = alive_[chain];
    Held& held = aliveHeld_[chain];
    for (int f = 0; f < passed_[chain]; ++f) {
      for (int b = 0; b < kBoundaryCount; ++b) ClearKeys(alive[f][b], held[f][b]);
      if (f > 0) continue;
      for (std::size_t far = 0; far < 26; ++far) {
        alive[f][kBoundaryCount - 1][far] = !centre_ || static_cast<int>(far) == CentreKey(*centre_, chain, true) ? 1 : 0;
      }
      held[f][kBoundaryCount - 1] = true;
    }
    for (int k = kChainLength - 1; k >= 0; --k) {
      const int state = assigned_[ChainSquare(chain, k)];
      for (int f = 0; f < passed_[chain]; ++f) {
        std::vector<std::uint32_t>& to = alive[f][k];
        if (state == kUndecided && f > 0 && held[f - 1][k + 1]) {
          BackFree(chain, k, alive[f - 1][k + 1], to);
          held[f][k] = true;
        }
        if (!held[f][k + 1]) continue;
        for (int theme = 0; theme < 32; ++theme) {
          if (theme != state && !(state == kUndecided && Unplaced(theme))) continue;
          for (const auto& [left, right] : engine_.ThemePairs(theme, chain, k)) to[left] |= alive[f][k + 1][right];
          held[f][k] = true;
        }
      }
    }
  }

  void BackFree(int chain, int k, const std::vector<std::uint32_t>& after, std::vector<std::uint32_t>& to) {
    if (!AnyKey(after)) return;
    const KeyLinks& links = links_[chain][k];
    RowUnion keys(links.leftWords);
    for (std::size_t right = 0; right < after.size(); ++right) {
      if (after[right] != 0) keys.Add(&links.lefts[right * links.leftWords]);
    }
    keys.ForEachKey([&](std::size_t left) { to[left] = 1; });
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

  /// Whether both loops reach the square-12 ring `code` with the free squares left between them.
  [[nodiscard]] bool CentreFits(std::uint32_t code) const {
    const auto far1 = code % 26, near1 = code / 26 % 26, far0 = code / 676 % 26, near0 = code / 17576;
    for (int f0 = 0; f0 < passed_[0]; ++f0) {
      const int f1 = freeLeft_ - f0;
      if (f1 < passed_[1] && ((reach_[0][f0][kBoundaryCount - 1][far0] >> near0) & 1u) != 0 && ((reach_[1][f1][kBoundaryCount - 1][far1] >> near1) & 1u) != 0) return true;
    }
    return false;
  }

  /// Computes layer f of reach_[chain] (layer f - 1 must be computed already). A chain square holds
  /// a theme word or is undecided: an undecided one passes the unplaced theme words, or a list word
  /// from the layer below.
  void PassLayer(int chain, int f) {
    Reach& reach = reach_[chain][f];
    auto& held = reachHeld_[chain][f];
    ClearKeys(reach[0], held[0]);
    if (f == 0 && centre_) {
      const auto near = static_cast<std::size_t>(CentreKey(*centre_, chain, false));
      reach[0][near] = 1u << near;
    } else if (f == 0) {
      for (std::uint32_t near = 0; near < 26; ++near) reach[0][near] = 1u << near;
    }
    held[0] = f == 0;
    for (int k = 0; k < kChainLength; ++k) {
      const int state = assigned_[ChainSquare(chain, k)];
      std::vector<std::uint32_t>& to = reach[k + 1];
      ClearKeys(to, held[k + 1]);
      if (state == kUndecided && f > 0 && reachHeld_[chain][f - 1][k]) {
        PassFree(chain, k, reach_[chain][f - 1][k], to);
        held[k + 1] = true;
      }
      if (!held[k]) continue;
      for (int theme = 0; theme < 32; ++theme) {
        if (theme != state && !(state == kUndecided && Unplaced(theme))) continue;
        PassPairs(engine_.ThemePairs(theme, chain, k), reach[k], to);
        held[k + 1] = true;
      }
    }
  }

  /// Passes `from` through a free chain square: whole bit rows at a time while every key holds
  /// the same near letters (square 12 decided), else key by key.
  void PassFree(int chain, int k, const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to) {
    if (!AnyKey(from)) return;
    const KeyLinks& links = links_[chain][k];
    RowUnion keys(links.rightWords);
    std::uint32_t near = 0;
    for (std::size_t left = 0; left < from.size(); ++left) {
      if (from[left] == 0) continue;
      if (near != 0 && from[left] != near) return PassFreeKeyByKey(links, from, to);
      near = from[left];
      keys.Add(&links.rights[left * links.rightWords]);
    }
    keys.ForEachKey([&](std::size_t right) { to[right] |= near; });
  }

  void PassFreeKeyByKey(const KeyLinks& links, const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to) {
    for (std::size_t left = 0; left < from.size(); ++left) {
      if (from[left] == 0) continue;
      ForEachKey(&links.rights[left * links.rightWords], links.rightWords, [&](std::size_t right) { to[right] |= from[left]; });
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
      if (IsFreeWord(engine_, id) && CentreFits(CentreLetters(model_.WordAt(id)))) centres.push_back(id);
    }
    Shuffle(centres);
    for (const int centre : centres) {
      const Step step = FillAroundCentre(model, model_.WordAt(centre));
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
  std::uint32_t clued_;  // the theme words with a clue, a bit each
  bool varied_;
  RandomSource& random_;
  const ThemeLimits& limits_;
  std::chrono::steady_clock::time_point deadline_;
  const std::set<std::uint32_t>& freeCentres_;
  const IndexedArray<IndexedArray<KeyLinks, kChainLength>, kChainCount>& links_;
  SquareArray<int> assigned_{};
  std::uint32_t placed_ = 0;
  std::optional<Word> centre_;
  int freeLeft_ = 0;
  IndexedArray<int, kChainCount> passed_{};  // layers of each loop computed
  IndexedArray<Layers, kChainCount> reach_;
  IndexedArray<Layers, kChainCount> alive_;
  IndexedArray<Held, kChainCount> reachHeld_;
  IndexedArray<Held, kChainCount> aliveHeld_;
  std::vector<int> unplacedThemes_;
  std::vector<std::vector<int>> squaresOf_;
  std::vector<std::vector<int>> freeNeeded_;
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
  auto passes = std::make_shared<FreePasses>();
  for (int c = 0; c < kChainCount; ++c) {
    for (int k = 0; k < kChainLength; ++k) passes->links[c][k] = KeyLinksOf(list.Table(c, k), ChainBoundary(c, k).KeyCount(), ChainBoundary(c, k + 1).KeyCount());
  }
  for (int id = 0; id < list.WordCount(); ++id) {
    if (IsFreeWord(*this, id)) passes->freeCentres.insert(CentreLetters(list.WordAt(id)));
  }
  passes_ = std::move(passes);
}

ThemeResult ThemeEngine::Fill(const std::string& startWord, bool varied, RandomSource& random, const ThemeLimits& limits,
                              const std::vector<std::string>& clued) const {
  const auto deadline = std::chrono::steady_clock::now() + limits.time;
  const std::uint32_t all = theme_.size() >= 32 ? ~0u : (1u << theme_.size()) - 1;
  std::uint32_t cluedBits = 0;
  for (std::size_t theme = 0; theme < theme_.size() && theme < 32; ++theme) {
    if (std::find(clued.begin(), clued.end(), theme_[theme]) != clued.end()) cluedBits |= 1u << theme;
  }
  ThemeResult result = PlacementSearch(*this, all, cluedBits, varied, random, limits, deadline).Run(startWord);
  if (result.status != SearchStatus::Impossible || theme_.size() < 2) return result;
  const auto leaveOneOutEnd = std::min(deadline, std::chrono::steady_clock::now() + kLeaveOneOutTime);
  for (std::size_t left = 0; left < theme_.size(); ++left) {
    const ThemeResult without = PlacementSearch(*this, all & ~(1u << left), cluedBits, false, random, limits, leaveOneOutEnd).Run(startWord);
    if (without.status == SearchStatus::Found) {
      result.withoutWord = theme_[left];
      break;
    }
    if (without.status != SearchStatus::Impossible) break;
  }
  return result;
}

}  // namespace loopword::exact
