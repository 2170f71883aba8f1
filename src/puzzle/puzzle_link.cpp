// Packing a puzzle into a link: its letters as bits, its comment lines with the answers left out, and a check.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle_link.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "board/geometry.h"
#include "board/percent_encoding.h"
#include "board/placement_line.h"
#include "board/text_hash.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"

namespace loopword {

namespace {

constexpr char kVersion = 1;
constexpr int kLetterBits = 5;
constexpr int kDigitBits = 4;
/// The letters and start digits of all the squares, in whole bytes.
constexpr std::size_t kBoardBytes = (kSquareCount * (kRingSize * kLetterBits + kDigitBits) + 7) / 8;
constexpr std::size_t kCheckBytes = 4;
/// Stands in the comment lines, followed by a byte with its square's number, for an answer word.
constexpr char kWordMark = '\x01';

/// Bits written one field after another, the first in the highest bits of the first byte.
class BitWriter {
 public:
  void Put(unsigned value, int bits) {
    for (int bit = bits - 1; bit >= 0; --bit) {
      if (used_ % 8 == 0) bytes_ += '\0';
      if (value >> bit & 1u) bytes_.back() = static_cast<char>(static_cast<unsigned char>(bytes_.back()) | 0x80u >> (used_ % 8));
      ++used_;
    }
  }
  [[nodiscard]] const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::size_t used_ = 0;
};

/// Reads back what BitWriter wrote; the bytes must hold every field read.
class BitReader {
 public:
  explicit BitReader(std::string_view bytes) : bytes_(bytes) {}
  unsigned Take(int bits) {
    unsigned value = 0;
    for (int k = 0; k < bits; ++k, ++used_) {
      value = value << 1 | (static_cast<unsigned char>(bytes_[used_ / 8]) >> (7 - used_ % 8) & 1u);
    }
    return value;
  }

 private:
  std::string_view bytes_;
  std::size_t used_ = 0;
};

std::string PackedBoard(const std::vector<PlacementLine>& placements) {
  BitWriter bits;
  for (const PlacementLine& placement : placements) {
    for (const char letter : placement.ring) bits.Put(static_cast<unsigned>(letter - 'A'), kLetterBits);
    bits.Put(static_cast<unsigned>(placement.startDigit), kDigitBits);
  }
  return bits.Bytes();
}

/// The placements `bytes` (kBoardBytes of them) give; nullopt when a letter or start digit is out of range.
std::optional<std::vector<PlacementLine>> UnpackedBoard(std::string_view bytes) {
  BitReader bits(bytes);
  std::vector<PlacementLine> placements;
  for (int square = 1; square <= kSquareCount; ++square) {
    PlacementLine placement{square, "", 0, ""};
    for (int k = 0; k < kRingSize; ++k) {
      const unsigned letter = bits.Take(kLetterBits);
      if (letter >= 26) return std::nullopt;
      placement.ring += static_cast<char>('A' + letter);
    }
    placement.startDigit = static_cast<int>(bits.Take(kDigitBits));
    if (placement.startDigit < 1 || placement.startDigit > 9) return std::nullopt;
    for (int k = 0; k < kRingSize; ++k) placement.word += placement.ring[static_cast<std::size_t>((placement.StartPosition() - 1 + k) % kRingSize)];
    placements.push_back(std::move(placement));
  }
  return placements;
}

/// `text` with each answer word in it written as kWordMark and its square's number.
std::string AnswersMarked(std::string_view text, const std::vector<PlacementLine>& placements) {
  std::string marked;
  for (std::size_t i = 0; i < text.size();) {
    const auto answer = std::find_if(placements.begin(), placements.end(), [&](const PlacementLine& p) { return text.substr(i).starts_with(p.word); });
    if (answer == placements.end()) {
      marked += text[i++];
      continue;
    }
    marked += kWordMark;
    marked += static_cast<char>(answer->square);
    i += answer->word.size();
  }
  return marked;
}

/// What AnswersMarked marked, the answers written again; nullopt for a mark without a square.
std::optional<std::string> AnswersUnmarked(std::string_view marked, const std::vector<PlacementLine>& placements) {
  std::string text;
  for (std::size_t i = 0; i < marked.size(); ++i) {
    if (marked[i] != kWordMark) {
      text += marked[i];
      continue;
    }
    if (++i == marked.size() || marked[i] < 1 || marked[i] > kSquareCount) return std::nullopt;
    text += placements[static_cast<std::size_t>(marked[i] - 1)].word;
  }
  return text;
}

/// The last 32 bits of the FNV-1a hash of `bytes`, highest first.
std::string CheckOf(std::string_view bytes) {
  const std::uint64_t hash = TextHash(bytes);
  std::string check;
  for (int k = 3; k >= 0; --k) check += static_cast<char>(hash >> (8 * k) & 0xFF);
  return check;
}

std::string Base64Url(std::string_view bytes) {
  std::string text = Base64(bytes);
  std::erase(text, '=');
  std::replace(text.begin(), text.end(), '+', '-');
  std::replace(text.begin(), text.end(), '/', '_');
  return text;
}

std::optional<std::string> Base64UrlDecoded(std::string_view text) {
  if (text.find_first_of("+/=") != std::string_view::npos) return std::nullopt;
  std::string standard(text);
  std::replace(standard.begin(), standard.end(), '-', '+');
  std::replace(standard.begin(), standard.end(), '_', '/');
  return Base64Decoded(standard);
}

/// `text` as links were written before they were packed: percent-encoded, a space as "%20".
std::string PercentLink(std::string_view text) {
  std::string link;
  for (const char c : PercentEncoded(text)) link += c == '+' ? "%20" : std::string(1, c);
  return link;
}

std::optional<std::string> UnpackedText(std::string_view bytes) {
  if (bytes.size() < 1 + kBoardBytes + kCheckBytes || bytes[0] != kVersion) return std::nullopt;
  const std::string_view body = bytes.substr(0, bytes.size() - kCheckBytes);
  if (CheckOf(body) != bytes.substr(body.size())) return std::nullopt;
  const std::optional<std::vector<PlacementLine>> placements = UnpackedBoard(body.substr(1, kBoardBytes));
  if (!placements) return std::nullopt;
  std::optional<std::string> text = AnswersUnmarked(body.substr(1 + kBoardBytes), *placements);
  if (!text) return std::nullopt;
  for (const PlacementLine& placement : *placements) *text += placement.ToString() + '\n';
  return text;
}

}  // namespace

std::string PackedPuzzleLink(const std::string& puzzleFileText) {
  PuzzleFileResult read = ParsePuzzleText(puzzleFileText, "");
  if (read.fault || read.puzzles.size() != 1) return PercentLink(puzzleFileText);
  PuzzleDocument& document = read.puzzles.front();
  document.solving = {};
  std::string comments;
  for (const std::string& line : CommentLines(document)) comments += line + '\n';
  const std::vector<PlacementLine>& placements = document.puzzle.placements;
  std::string bytes(1, kVersion);
  bytes += PackedBoard(placements) + AnswersMarked(comments, placements);
  bytes += CheckOf(bytes);
  return std::string(kPackedLinkMark) + Base64Url(bytes);
}

std::optional<std::string> PuzzleTextOfLink(std::string_view fragment) {
  if (!fragment.starts_with(kPackedLinkMark)) return PercentDecoded(fragment);
  const std::optional<std::string> bytes = Base64UrlDecoded(fragment.substr(kPackedLinkMark.size()));
  return bytes ? UnpackedText(*bytes) : std::nullopt;
}

}  // namespace loopword
