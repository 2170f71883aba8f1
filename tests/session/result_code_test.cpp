// Checks result codes: what they carry comes back, and codes typed wrongly, of other sets or made up are refused.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_code.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/compiled_puzzles.h"

namespace loopword {
namespace {

constexpr std::uint64_t kSet = 20261208;

const std::vector<Puzzle>& ClassPuzzles() {
  static const std::vector<Puzzle> puzzles = testing::CompiledPuzzles(5, 3);
  return puzzles;
}

std::string CodeOf(const PupilResult& result, std::uint64_t set = kSet) {
  return ResultCode(result, set, ClassPuzzles()[static_cast<std::size_t>(result.number - 1)]);
}

TEST(ResultCode, ACodeTypedWronglyOfAnotherSetOrPuzzleOrMadeUpIsRefusedWithWhy) {
  const std::string code = CodeOf({4, 312, 1, 3});
  const std::string wrongCheck = "This code does not fit the class set: a character may be typed wrongly, or it is from another set.";
  for (std::size_t at = 0; at < code.size(); ++at) {  // one character typed wrongly, in each place
    std::string typo = code;
    typo[at] = kCodeAlphabet[(kCodeAlphabet.find(code[at]) + 1) % kCodeAlphabet.size()];
    const ReadCode read = ReadResultCode(typo, kSet, ClassPuzzles());
    EXPECT_FALSE(read.result) << "typo at " << at << ": " << typo;
    EXPECT_FALSE(read.refusal.empty()) << typo;
  }
  const Puzzle& otherPuzzle = ClassPuzzles()[0];
  const struct { std::string code; std::string says; } cases[] = {
      {CodeOf({4, 312, 1, 3}, kSet + 1), wrongCheck},                                  // another set's
      {ResultCode({4, 312, 1, 3}, kSet, otherPuzzle), wrongCheck},                     // made with another pupil's puzzle
      {ResultCode({9, 60, 0, 0}, kSet, otherPuzzle), "This code is for puzzle 9, but the class set has 5 puzzles: a character may be typed wrongly."},
      {"23456789ABC", ""},                                                             // made up
      {code.substr(0, 10), "A result code has 11 characters; this one has 10."},
      {code + "A", "A result code has 11 characters; this one has 12."},
      {"", "A result code has 11 characters; this one has 0."},
      {code.substr(0, 10) + "O", "A result code has only digits 2 to 9 and letters other than I, L and O; this one has O."},
      {"0" + code.substr(1), "A result code has only digits 2 to 9 and letters other than I, L and O; this one has 0."},
      {code.substr(0, 5) + "1" + code.substr(6), "A result code has only digits 2 to 9 and letters other than I, L and O; this one has 1."},
      {"ZZZZZZZZZZZ", wrongCheck},                                                     // more than the bits a code has
  };
  for (const auto& [given, says] : cases) {
    const ReadCode read = ReadResultCode(given, kSet, ClassPuzzles());
    EXPECT_FALSE(read.result) << given;
    if (!says.empty()) {
      EXPECT_EQ(EnglishText(read.refusal), says) << given;
    }
  }
}

TEST(ResultCode, TheResultsTableSortsByNumberPutsRefusedLinesLastAndWritesCsv) {
  const std::string second = CodeOf({2, 75, 0, 0}), fifth = CodeOf({5, 3725, 3, 12}), again = CodeOf({2, 80, 1, 0});
  const std::string lines = fifth + "\n\n  \r\n" + "NOT A CODE\n" + second + "\r\n" + again + "\n" + "23456789ABC";
  const std::vector<ResultRow> rows = ReadResults(lines, kSet, ClassPuzzles());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].read.result, (PupilResult{2, 75, 0, 0}));
  EXPECT_EQ(rows[1].read.result, (PupilResult{2, 80, 1, 0}));  // given twice: both kept, in their order
  EXPECT_EQ(rows[2].read.result, (PupilResult{5, 3725, 3, 12}));
  EXPECT_EQ(rows[3].code, "NOTACODE");
  EXPECT_FALSE(rows[3].read.result);
  EXPECT_FALSE(rows[4].read.result);
  const std::string csv = ResultsCsv(rows, [](const Message& message) { return EnglishText(message); });
  EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2) + 2),
            "number,time,seconds,checks,letters revealed,code,problem\r\n2,1:15,75,0,0," + second + ",\r\n");
  EXPECT_NE(csv.find("\r\n5,62:05,3725,3,12," + fifth + ",\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\n,,,,,NOTACODE,A result code has 11 characters; this one has 8.\r\n"), std::string::npos) << csv;
  const std::string madeUp = EnglishText(rows[4].read.refusal);  // holds a comma: quoted
  EXPECT_NE(madeUp.find(','), std::string::npos) << madeUp;
  EXPECT_NE(csv.find(",23456789ABC,\"" + madeUp + "\"\r\n"), std::string::npos) << csv;
}

}  // namespace
}  // namespace loopword
