// Fixed geometry of the figure: where squares and ring cells lie, and which cells two squares share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <compare>
#include <string_view>

#include "board/numbered_array.h"

namespace loopword {

/// Number of squares in the figure (numbered 1..23).
inline constexpr int kSquareCount = 23;
/// Number of letter cells round one square (ring positions 1..8, clockwise from top-left).
inline constexpr int kRingSize = 8;
/// Index of a square's centre cell, the tile that carries its number.
inline constexpr int kCentre = 9;
/// The crossing square of the figure 8, which always receives the starting word.
inline constexpr int kCrossingSquare = 12;
/// Number of pairs of ring cells that two squares share.
inline constexpr int kOverlapCount = 36;

/// One value per square, indexed by square number 1..23.
template <typename T>
using SquareArray = NumberedArray<T, kSquareCount>;
/// One value per ring cell of a square, indexed by ring position 1..8.
template <typename T>
using RingArray = NumberedArray<T, kRingSize>;

/// Block origin x of each square in twips.
inline constexpr SquareArray<int> SquareX = {
    1200, 600, 0, 600, 1200, 1800, 2400, 3000, 3600, 3000, 2400, 1800,
    1200, 600, 0, 600, 1200, 1800, 2400, 3000, 3600, 3000, 2400};
/// Block origin y of each square in twips.
inline constexpr SquareArray<int> SquareY = {
    2100, 1800, 1200, 600, 300, 0, 300, 600, 1200, 1800, 2100, 2700,
    3300, 3600, 4200, 4800, 5100, 5400, 5100, 4800, 4200, 3600, 3300};
/// Offset in twips from a square's origin to the letter point of ring position p (1..9).
inline constexpr NumberedArray<int, kCentre> RingX = {400, 700, 1000, 1000, 1000, 700, 400, 400, 700};
/// Offset in twips from a square's origin to the letter point of ring position p (1..9).
inline constexpr NumberedArray<int, kCentre> RingY = {350, 350, 350, 650, 950, 950, 950, 650, 650};

/// A point of the picture area in twips.
struct TwipPoint {
  int x;
  int y;
  friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
  friend auto operator<=>(const TwipPoint&, const TwipPoint&) = default;
};

/// One ring cell of one square: a square (1..23) and a ring position (1..8).
struct RingCell {
  int square = 1;
  int position = 1;
  friend bool operator==(const RingCell&, const RingCell&) = default;
};

/// The letter point of ring position `position` (1..9, 9 the centre) of square `square` (1..23).
constexpr TwipPoint CellPoint(int square, int position) {
  return {SquareX[square] + RingX[position], SquareY[square] + RingY[position]};
}

/// The overlap rules 1..36 as text "a,pa,b,pb": ring position pa of square a is ring position pb of square b.
inline constexpr NumberedArray<std::string_view, kOverlapCount> OverlapRule = {
    "1,1,2,4",   "1,5,12,1",  "1,8,2,5",   "2,1,3,5",   "3,3,4,7",   "4,3,5,8",
    "4,4,5,7",   "5,3,6,8",   "5,4,6,7",   "6,4,7,1",   "6,5,7,8",   "7,4,8,1",
    "7,5,8,8",   "8,5,9,1",   "9,7,10,3",  "10,7,11,4", "10,8,11,3", "11,7,12,3",
    "13,3,12,7", "13,7,14,4", "13,8,14,3", "14,7,15,3", "15,5,16,1", "16,4,17,1",
    "16,5,17,8", "17,4,18,1", "17,5,18,8", "18,3,19,8", "18,4,19,7", "19,3,20,8",
    "19,4,20,7", "20,3,21,7", "21,1,22,5", "22,1,23,4", "22,8,23,5", "23,1,12,5"};

/// One overlap rule in numeric form: cell (squareA, positionA) is cell (squareB, positionB).
struct Overlap {
  int squareA;
  int positionA;
  int squareB;
  int positionB;
};

/// Parses one rule text "a,pa,b,pb"; returns all zeros for text of another form.
Overlap ParseOverlapRule(std::string_view rule);

/// The 36 rules in table order, parsed once.
const std::array<Overlap, kOverlapCount>& Overlaps();

/// One row of the neighbour table: ring `position` of a square is (`otherSquare`, `otherPosition`).
struct SharedCell {
  int position;
  int otherSquare;
  int otherPosition;
};

/// The shared cells of one square, as the pattern builder uses them (square 12 has none).
struct NeighbourRows {
  IndexedArray<SharedCell, 4> rows;
  int count;
};

/// Neighbour table entry of square s (1..23); an empty entry for 12 and for numbers outside 1..23.
const NeighbourRows& NeighboursOf(int square);

}  // namespace loopword
