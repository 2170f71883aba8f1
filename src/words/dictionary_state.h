// The dictionary in use, the four dictionary paths and the choice among them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "board/message.h"
#include "words/dictionary.h"

namespace loopword {

/// Index of the user dictionary among the four dictionary choices.
inline constexpr int kUserDictionary = 0;
/// File names of the three bundled levels (see BundledListPath for where they are looked for).
inline constexpr std::array<const char*, 3> kLevelFileNames = {"L1words.txt", "L2words.txt", "L3words.txt"};

/// What one load attempt did: the level it tried, how it ended and what to tell the user.
struct LoadReport {
  /// The level tried (0 user, 1..3 bundled); the Dictionary menu's check mark goes here.
  int level = 1;
  LoadOutcome outcome = LoadOutcome::ReadError;
  /// The messages to show, in order (none after a successful load).
  std::vector<Message> messages;
  /// Why the file could not be read, after a read error; empty otherwise.
  std::string cause;
};

/// The dictionary choice and the words in use; a failed load keeps the words in use intact.
class DictionaryState {
 public:
  /// Bundled levels are looked for beside a program in `programFolder`, then in its installed data folder.
  explicit DictionaryState(const std::string& programFolder);

  /// The selected dictionary: 0 user, 1..3 bundled levels.
  int DictLevel = 1;
  /// Full path of each dictionary; element 0 is the user's file once picked.
  std::array<std::string, 4> DictPath;

  /// Loads DictPath[DictLevel], read by the rules of the language in use; on success it replaces
  /// the words in use, otherwise they stay.
  LoadReport LoadDictionary();
  /// Makes `language` the language of the bundled levels and of user lists, from the next load on.
  void UseLanguage(Language language);
  /// The language the lists are read in.
  [[nodiscard]] Language CurrentLanguage() const { return language_; }
  /// Selects dictionary `level` (0 the user's file at `userPath`) and loads it.
  LoadReport Choose(int level, const std::string& userPath = {});
  /// Path of the selected dictionary; "" for a level that does not exist.
  [[nodiscard]] std::string ChosenPath() const;

  /// The words in use (never null; empty until a load succeeds).
  [[nodiscard]] std::shared_ptr<const Dictionary> Words() const { return words_; }
  /// Number of words in use.
  [[nodiscard]] int WordCount() const { return words_->WordCount(); }
  /// The window title naming the words in use; nothing before any load succeeded.
  [[nodiscard]] const Message& Title() const { return title_; }
  /// How the words in use were read, as ReadNote says it.
  [[nodiscard]] const Message& Note() const { return note_; }

 private:
  /// Finds the bundled lists of the language in use.
  void FindLevels();

  std::string programFolder_;
  Language language_ = Language::English;
  std::shared_ptr<const Dictionary> words_;
  Message title_;
  Message note_;
};

/// What the title and a puzzle's word-list line say of how a list was read: nothing for a UTF-8 list
/// without Ñ words, else "read as Windows-1252", "12 with Ñ read as N" or both.
Message ReadNote(const ReadResult& read);
/// "Dictionary: <path> (<count> words)", with ", <note>" before the parenthesis closes when there is one.
Message DictionaryTitle(const std::string& path, int wordCount, const Message& note);
/// The messages that tell the user how a load of `path` ended (none for a successful load).
std::vector<Message> LoadMessages(const ReadResult& read, const std::string& path);

}  // namespace loopword
