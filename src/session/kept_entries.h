// What a front end keeps between visits as named entries: read once, checked before use, changes handed back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "session/choices.h"
#include "session/view.h"

namespace loopword {

/// The entries a front end keeps for the next visit, by name ("choices", "last", "puzzle:KEY", …). It hands them over
/// once; what changes from then on is handed back for it to write.
class KeptEntries {
 public:
  /// Whether an entry's text is sound.
  using Check = bool (*)(const std::string&);

  KeptEntries() = default;
  explicit KeptEntries(std::map<std::string, std::string> entries) : entries_(std::move(entries)) {}

  /// The entry `name`, when there is one and `valid` takes it; a damaged entry is dropped and the note tells so.
  std::optional<std::string> Read(const std::string& name, Check valid = nullptr);
  /// Keeps `value` as the entry `name`.
  void Write(const std::string& name, const std::string& value);
  void Drop(const std::string& name);

  /// What changed since the last call: name → the value to keep, or nullopt to drop the entry.
  std::map<std::string, std::optional<std::string>> TakeChanges() { return std::exchange(changes_, {}); }
  /// Keeps each of `entries`; what changed since the last call, every one of them with it: a snapshot to write whole.
  std::map<std::string, std::optional<std::string>> KeepWhole(const std::map<std::string, std::string>& entries);
  /// The warning on the damaged entries dropped since the last call; empty for none.
  Message TakeNote();

 private:
  std::map<std::string, std::string> entries_;
  std::map<std::string, std::optional<std::string>> changes_;
  bool droppedDamaged_ = false;
};

/// The choices as they are kept for the next visit: all but the next compile's seed.
std::string KeptChoices(const Choices& choices);
/// The name of the entry that keeps the progress of the puzzle with placement key `key`, and of its selected cell.
std::string ProgressEntry(const std::string& key);
std::string CellEntry(const std::string& key);
/// The cell a kept "SQUARE.POSITION" (or "SQUARE", its first cell) names; nullopt for other text.
std::optional<RingCell> KeptCell(std::string_view text);

/// What a front end keeps of `view` for the next visit: whether the timer is hidden, while a puzzle is solved its
/// progress (the puzzle file text with the letters, pencil, time and counts) and its selected cell, and on the user's
/// `own` page (not a pupil's, opened from a link) the choices, the theme box as typed, the class set shared with them
/// and the puzzle on show ("last").
std::map<std::string, std::string> EntriesToKeep(const View& view, bool own = true);

}  // namespace loopword
