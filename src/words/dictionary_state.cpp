// Loading the chosen dictionary and keeping the previous one when a load fails.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/dictionary_state.h"

#include "words/bundled_lists.h"

namespace loopword {

DictionaryState::DictionaryState(const std::string& programFolder)
    : programFolder_(programFolder), words_(std::make_shared<const Dictionary>()) {
  FindLevels();
}

void DictionaryState::FindLevels() {
  for (std::size_t level = 1; level <= kLevelFileNames.size(); ++level) {
    DictPath[level] = BundledListPath(programFolder_, static_cast<int>(level), language_);
  }
}

void DictionaryState::UseLanguage(Language language) {
  language_ = language;
  FindLevels();
}

LoadReport DictionaryState::LoadDictionary() {
  LoadReport report;
  report.level = DictLevel;
  const std::string path = ChosenPath();
  ReadResult read = ReadDictionaryFile(path, language_);
  report.outcome = read.outcome;
  report.messages = LoadMessages(read, path);
  report.cause = read.cause;
  if (read.outcome == LoadOutcome::Loaded) {
    note_ = ReadNote(read);
    words_ = std::make_shared<const Dictionary>(std::move(read.dictionary));
    title_ = DictionaryTitle(path, words_->WordCount(), note_);
  }
  return report;
}

LoadReport DictionaryState::Choose(int level, const std::string& userPath) {
  DictLevel = level;
  if (level == kUserDictionary) DictPath[kUserDictionary] = userPath;
  return LoadDictionary();
}

std::string DictionaryState::ChosenPath() const {
  const bool known = DictLevel >= 0 && DictLevel < static_cast<int>(DictPath.size());
  return known ? DictPath[static_cast<std::size_t>(DictLevel)] : std::string();
}

Message ReadNote(const ReadResult& read) {
  const bool windows1252 = read.encoding == TextEncoding::Windows1252;
  if (read.enyeWords == 0) return windows1252 ? Message(LOOPWORD_TEXT("Messages", "read as Windows-1252")) : Message();
  return Message(windows1252 ? texts::kWindows1252AndEnyeNote : texts::kEnyeNote, {read.enyeWords});
}

Message DictionaryTitle(const std::string& path, int wordCount, const Message& note) {
  if (note.empty()) return Message(Phrase::Counted(texts::kDictionaryTitle, wordCount, {path}));
  return Message(Phrase::Counted(texts::kDictionaryTitleWithNote, wordCount, {path, note.Lines().front()}));
}

std::vector<Message> LoadMessages(const ReadResult& read, const std::string& path) {
  const Message heading = Message(LOOPWORD_TEXT("Messages", "Error while reading dictionary:")).Add(path);
  switch (read.outcome) {
    case LoadOutcome::Loaded:
      return {};
    case LoadOutcome::NoWords:
      return {LOOPWORD_TEXT("Messages", "There are no 8-letter words in this dictionary")};
    case LoadOutcome::TooManyWords:
      return {LOOPWORD_TEXT("Messages", "Dictionary limit is 49,000 words")};
    case LoadOutcome::NotText:
      return {Message(heading).Add(Phrase(texts::kFaultOnLine, {read.badLine, Phrase(LOOPWORD_TEXT("Messages", "the list is neither UTF-8 nor Windows-1252 text"))}))};
    case LoadOutcome::ReadError:
      break;
  }
  return {Message(heading).Add(LOOPWORD_TEXT("Messages", "Program may not run correctly"))};
}

}  // namespace loopword
