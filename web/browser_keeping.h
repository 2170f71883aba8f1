// What the browser keeps for the page between visits: its entries read once, checked before use, changes handed back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "board/message.h"

namespace loopword {

/// The page's entries in the browser's storage, by name without the page's prefix ("choices", "last",
/// "puzzle:KEY", …). The page hands them over once; what changes from then on is handed back for the page to write.
class BrowserKeeping {
 public:
  /// Whether an entry's text is sound.
  using Check = bool (*)(const std::string&);

  BrowserKeeping() = default;
  explicit BrowserKeeping(std::map<std::string, std::string> entries) : entries_(std::move(entries)) {}

  /// The entry `name`, when there is one and `valid` takes it; a damaged entry is dropped and the note tells so.
  std::optional<std::string> Read(const std::string& name, Check valid = nullptr);
  /// Keeps `value` as the entry `name`.
  void Write(const std::string& name, const std::string& value);
  void Drop(const std::string& name);
  /// Drops every entry whose name starts with `prefix`.
  void DropStartingWith(const std::string& prefix);
  /// Forgets every entry without handing back a change: the page has dropped them itself.
  void Forget() { entries_.clear(); }

  /// The choices an older page kept in entries of their own (the word lists' language, else `pageLanguage`, and
  /// the theme box), as Choices::Encode writes them; those entries go.
  std::string EarlierChoices(const std::string& pageLanguage);

  /// What changed since the last call: name → the value to keep, or nullopt to drop the entry.
  std::map<std::string, std::optional<std::string>> TakeChanges() { return std::exchange(changes_, {}); }
  /// The note on the damaged entries dropped since the last call; empty for none.
  Message TakeNote();

 private:
  std::map<std::string, std::string> entries_;
  std::map<std::string, std::optional<std::string>> changes_;
  bool droppedDamaged_ = false;
};

}  // namespace loopword
