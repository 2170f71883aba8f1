// What a front end keeps between visits as named entries: read once, checked before use, changes handed back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/kept_entries.h"

#include <algorithm>

#include "board/program_text.h"
#include "board/whole_number.h"

namespace loopword {

namespace {
constexpr Text kDamagedEntry = LOOPWORD_TEXT("WebPage", "A damaged entry this browser kept for the page was dropped.");
}  // namespace

std::optional<std::string> KeptEntries::Read(const std::string& name, Check valid) {
  const auto entry = entries_.find(name);
  if (entry == entries_.end()) return std::nullopt;
  if (!valid || valid(entry->second)) return entry->second;
  Drop(name);
  droppedDamaged_ = true;
  return std::nullopt;
}

void KeptEntries::Write(const std::string& name, const std::string& value) {
  const auto [entry, added] = entries_.try_emplace(name, value);
  if (!added && entry->second == value) return;
  entry->second = value;
  changes_[name] = value;
}

void KeptEntries::Drop(const std::string& name) {
  if (entries_.erase(name) > 0) changes_[name] = std::nullopt;
}

std::map<std::string, std::optional<std::string>> KeptEntries::KeepWhole(const std::map<std::string, std::string>& entries) {
  for (const auto& [name, value] : entries) Write(name, value);
  std::map<std::string, std::optional<std::string>> changes = TakeChanges();
  changes.insert(entries.begin(), entries.end());
  return changes;
}

Message KeptEntries::TakeNote() {
  return std::exchange(droppedDamaged_, false) ? Message(kDamagedEntry) : Message();
}

std::string KeptChoices(const Choices& choices) {
  Choices kept = choices;
  kept.seed.reset();
  return kept.Encode();
}

std::string ProgressEntry(const std::string& key) { return "puzzle:" + key; }
std::string CellEntry(const std::string& key) { return "square:" + key; }

std::optional<RingCell> KeptCell(std::string_view text) {
  const std::size_t dot = std::min(text.find('.'), text.size());
  const std::string_view square = text.substr(0, dot);
  const std::string_view position = dot < text.size() ? text.substr(dot + 1) : "1";
  const std::optional<int> squareNumber = WholeNumber(square, 0, 99);
  const std::optional<int> positionNumber = WholeNumber(position, 0, 9);
  if (!squareNumber || !positionNumber) return std::nullopt;
  return RingCell{*squareNumber, *positionNumber};
}

std::map<std::string, std::string> EntriesToKeep(const View& view, bool own) {
  std::map<std::string, std::string> entries{{"timer-hidden", view.clock.hidden ? "1" : "0"}};
  if (own) {
    entries["choices"] = KeptChoices(view.choices);
    entries["theme-box"] = view.themeText;
    if (view.classSet) entries["class-set"] = view.classSet->Encode();
  }
  if (!view.offer.puzzle || !view.puzzle) return entries;
  if (view.mode == Mode::Solving) {
    entries[ProgressEntry(view.puzzle->key)] = view.puzzle->file;
    if (const std::optional<RingCell> cell = view.reading.current) {
      entries[CellEntry(view.puzzle->key)] = std::to_string(cell->square) + "." + std::to_string(cell->position);
    }
  }
  if (own) entries["last"] = view.puzzle->sheetFile;
  return entries;
}

}  // namespace loopword
