// Typing, moving, checking and completing a puzzle solved on screen.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/solving.h"

#include <algorithm>

#include "board/letters.h"

namespace loopword {

namespace {

/// Most cell steps from one side of the figure to the other.
constexpr int kMostSteps = 21;

/// The letter of `ring` at `position`, upper case, or ' ' for anything but a letter.
char SolutionLetter(const std::string& ring, int position) {
  const char letter = RingLetterAt(ring, position);
  return IsCapitalLetter(letter) ? letter : ' ';
}

/// Finds a word for `ring` among those it reads, moving other rings to other words where
/// needed (augmenting path); `ringOfWord` holds each word's ring or -1.
bool Match(std::size_t ring, const std::vector<std::vector<int>>& reads, std::vector<int>& ringOfWord,
           std::vector<bool>& seen) {
  for (const int word : reads[ring]) {
    const auto w = static_cast<std::size_t>(word);
    if (seen[w]) continue;
    seen[w] = true;
    if (ringOfWord[w] < 0 || Match(static_cast<std::size_t>(ringOfWord[w]), reads, ringOfWord, seen)) {
      ringOfWord[w] = static_cast<int>(ring);
      return true;
    }
  }
  return false;
}

}  // namespace

SolvingState::SolvingState(const Puzzle& puzzle) {
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      Cell& cell = cells_[{square, position}];
      cell.solution = SolutionLetter(puzzle.board.SquareWord[square], position);
      if (square == kCrossingSquare) cell.fixed = true;
    }
  }
  for (const RingCell& hint : SheetHintCells(puzzle)) {
    if (IsRingCell(hint)) cells_[hint].fixed = true;
  }
  for (Cell& cell : cells_) {
    if (cell.fixed) cell.letter = cell.solution;
  }
  words_ = SortedWords(puzzle);
  GoToSquare(1);
}

char SolvingState::LetterAt(RingCell cell) const {
  return IsRingCell(cell) ? cells_[cell].letter : ' ';
}

std::string SolvingState::Ring(int square) const {
  std::string ring;
  for (int position = 1; position <= kRingSize; ++position) ring += LetterAt({square, position});
  return ring;
}

bool SolvingState::IsFixed(RingCell cell) const {
  return IsRingCell(cell) && cells_[cell].fixed;
}

bool SolvingState::IsMarked(RingCell cell) const {
  return IsRingCell(cell) && cells_[cell].marked;
}

bool SolvingState::IsPencil(RingCell cell) const {
  return IsRingCell(cell) && cells_[cell].pencil;
}

bool SolvingState::IsStruck(std::string_view word) const {
  if (word.find(' ') != std::string_view::npos) return false;  // an empty cell never reads a word
  for (int square = 1; square <= kSquareCount; ++square) {
    if (ReadsClockwise(RingTwice(square), word)) return true;
  }
  return false;
}

bool SolvingState::HasTypedLetters() const {
  return std::any_of(cells_.begin(), cells_.end(), [](const Cell& cell) { return !cell.fixed && cell.letter != ' '; });
}

bool SolvingState::IsSolved() const {
  if (std::any_of(cells_.begin(), cells_.end(), [](const Cell& cell) { return cell.letter == ' ' || cell.pencil; })) return false;
  std::vector<std::vector<int>> reads;
  for (int square = 1; square <= kSquareCount; ++square) reads.push_back(WordsReadBy(square));
  std::vector<int> ringOfWord(words_.size(), -1);
  for (std::size_t ring = 0; ring < reads.size(); ++ring) {
    std::vector<bool> seen(words_.size(), false);
    if (!Match(ring, reads, ringOfWord, seen)) return false;
  }
  return true;
}

bool SolvingState::Select(RingCell cell) {
  if (!IsRingCell(cell)) return false;
  selected_ = cell;
  clickedLast_ = false;
  return true;
}

bool SolvingState::SelectAt(TwipPoint point) {
  if (point.x < 0 || point.y < 0) return false;
  const TwipPoint letterPoint = LetterPointUnder(point);
  std::vector<RingCell> cells = RingCellsAt(letterPoint);
  if (cells.empty()) return false;
  std::sort(cells.begin(), cells.end(), [](RingCell a, RingCell b) { return a.position < b.position; });
  const bool again = clickedLast_ && CellPoint(selected_.square, selected_.position) == letterPoint;
  selected_ = again && cells.front() == selected_ ? cells.back() : cells.front();
  clickedLast_ = true;
  return true;
}

bool SolvingState::Type(char letter, bool pencil) {
  const char capital = ToCapital(letter);
  if (!IsCapitalLetter(capital)) return false;
  Put(selected_, capital, pencil);
  MoveRound(1);
  clickedLast_ = false;
  return true;
}

void SolvingState::Press(SolvingKey key) {
  clickedLast_ = false;
  switch (key) {
    case SolvingKey::Backspace:
      if (LetterAt(selected_) == ' ' || IsFixed(selected_)) MoveRound(-1);
      Put(selected_, ' ');
      break;
    case SolvingKey::Delete: Put(selected_, ' '); break;
    case SolvingKey::Left: MoveOnScreen(-1, 0); break;
    case SolvingKey::Right: MoveOnScreen(1, 0); break;
    case SolvingKey::Up: MoveOnScreen(0, -1); break;
    case SolvingKey::Down: MoveOnScreen(0, 1); break;
    case SolvingKey::NextSquare: GoToSquare(selected_.square % kSquareCount + 1); break;
    case SolvingKey::PreviousSquare: GoToSquare((selected_.square + kSquareCount - 2) % kSquareCount + 1); break;
  }
}

bool SolvingState::Put(RingCell cell, char letter, bool pencil) {
  const bool valid = letter == ' ' || IsCapitalLetter(letter);
  if (!IsRingCell(cell) || !valid || cells_[cell].fixed) return false;
  Cell& at = cells_[cell];
  if (at.letter != letter || pencil) at.marked = false;
  at.letter = letter;
  at.pencil = pencil && letter != ' ';
  return true;
}

void SolvingState::Check() {
  for (Cell& cell : cells_) cell.marked = !cell.fixed && !cell.pencil && cell.letter != ' ' && cell.letter != cell.solution;
}

void SolvingState::RevealLetter() {
  Put(selected_, cells_[selected_].solution);
}

char SolvingState::SureLetterAt(RingCell cell) const {
  return IsRingCell(cell) && !cells_[cell].pencil ? cells_[cell].letter : ' ';
}

std::string SolvingState::ReadClockwise(int square, int start) const {
  std::string text;
  for (int k = 0; k < kRingSize; ++k) text += SureLetterAt({square, (start - 1 + k) % kRingSize + 1});
  return text;
}

std::string SolvingState::RingTwice(int square) const {
  const std::string ring = ReadClockwise(square, 1);
  return ring + ring;
}

bool SolvingState::ReadsClockwise(const std::string& ringTwice, std::string_view word) {
  const std::size_t at = ringTwice.find(word);
  return word.size() == kRingSize && at < kRingSize;
}

std::vector<int> SolvingState::WordsReadBy(int square) const {
  const std::string ringTwice = RingTwice(square);
  std::vector<int> found;
  for (std::size_t word = 0; word < words_.size(); ++word) {
    if (ReadsClockwise(ringTwice, words_[word])) found.push_back(static_cast<int>(word));
  }
  return found;
}

void SolvingState::MoveRound(int steps) {
  selected_.position = (selected_.position - 1 + steps + kRingSize) % kRingSize + 1;
}

void SolvingState::MoveOnScreen(int dx, int dy) {
  const TwipPoint from = CellPoint(selected_.square, selected_.position);
  for (int step = 1; step <= kMostSteps; ++step) {
    const TwipPoint to{from.x + dx * kCellSide * step, from.y + dy * kCellSide * step};
    const std::vector<RingCell> cells = RingCellsAt(to);
    if (cells.empty()) continue;
    const auto same = std::find_if(cells.begin(), cells.end(), [this](RingCell c) { return c.square == selected_.square; });
    selected_ = same != cells.end() ? *same : cells.front();
    return;
  }
}

void SolvingState::GoToSquare(int square) {
  selected_ = {square, 1};
  for (int position = 1; position <= kRingSize; ++position) {
    if (LetterAt({square, position}) != ' ') continue;
    selected_.position = position;
    return;
  }
}

std::string SolvingTimeText(long long seconds) {
  const long long whole = std::max(seconds, 0LL);
  const long long rest = whole % 60;
  return std::to_string(whole / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace loopword
