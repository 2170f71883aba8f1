// A toolkit for tests: records every message and answers questions from a script.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace loopword::testing {

/// Records what the program shows and answers from queued replies (Yes, "" or Cancel when none is queued).
class ScriptedToolkit : public Toolkit {
 public:
  explicit ScriptedToolkit(std::string folder = "/opt/loopword") : folder_(std::move(folder)) {}

  void ShowMessage(const Message& message) override {
    messages.push_back(EnglishText(message));
    lastMessage = message;
  }
  bool AskYesNo(const Message& question, bool) override {
    questions.push_back(EnglishText(question));
    return Next(yesNoReplies, true);
  }
  std::string InputBox(const Message&, const Message&) override { return Next(inputReplies, std::string()); }
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return Next(fileReplies, std::string());
  }
  std::optional<int> AskNumber(const Message&, const Message&, int least, int most, int initial) override {
    numberAsked.push_back({least, most, initial});
    return Next(numberReplies, std::optional<int>());
  }
  std::optional<BookletChoices> AskBooklet(const BookletChoices& initial) override {
    bookletAsked.push_back(initial);
    return Next(bookletReplies, std::optional<BookletChoices>());
  }
  std::optional<ThemeEntry> AskTheme(const ThemeEntry& current, const ThemeCheck& check) override {
    themeAsked.push_back(current);
    for (const std::string& typed : themeTyped) themeReports.push_back(check(typed));
    return Next(themeReplies, std::optional<ThemeEntry>());
  }
  /// The user presses Cancel once `done` reaches `cancelAtDone`; never when it is negative.
  bool ShowProgress(const Message&, int done, int) override { progressOpen = true; return cancelAtDone < 0 || done < cancelAtDone; }
  void EndProgress() override { progressOpen = false; }
  void SetBusy(bool isBusy) override { busy = isBusy; }
  [[nodiscard]] std::string ProgramFolder() const override { return folder_; }

  /// What was shown and asked, in English.
  std::vector<std::string> messages, questions;
  Message lastMessage;  // the last message as data, to render as the window does
  std::deque<bool> yesNoReplies;
  std::deque<std::string> inputReplies, fileReplies;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::array<int, 3>> numberAsked;  // least, most and the number the field starts from
  std::deque<std::optional<int>> numberReplies;
  std::vector<BookletChoices> bookletAsked;
  std::deque<std::optional<BookletChoices>> bookletReplies;
  std::vector<ThemeEntry> themeAsked;
  std::vector<std::string> themeTyped;  // typed into the theme box before it is answered
  std::vector<ThemeReport> themeReports;  // what the box said of each
  std::deque<std::optional<ThemeEntry>> themeReplies;
  int cancelAtDone = -1;
  bool busy = false, progressOpen = false;

 private:
  template <typename T>
  static T Next(std::deque<T>& replies, T fallback) {
    if (replies.empty()) return fallback;
    T reply = std::move(replies.front());
    replies.pop_front();
    return reply;
  }
  std::string folder_;
};

}  // namespace loopword::testing
