// A toolkit for tests: records every message and answers questions from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace loopword::testing {

/// Records what the program shows and answers from queued replies (Yes and "" when none is queued).
class ScriptedToolkit : public Toolkit {
 public:
  explicit ScriptedToolkit(std::string folder = "/opt/loopword") : folder_(std::move(folder)) {}

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    if (yesNoReplies.empty()) return true;
    const bool reply = yesNoReplies.front();
    yesNoReplies.pop_front();
    return reply;
  }
  std::string InputBox(const std::string& prompt, const std::string& title) override {
    prompts.push_back(prompt + "|" + title);
    if (inputReplies.empty()) return "";
    std::string reply = inputReplies.front();
    inputReplies.pop_front();
    return reply;
  }
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    if (fileReplies.empty()) return "";
    std::string reply = fileReplies.front();
    fileReplies.pop_front();
    return reply;
  }
  std::optional<BookletChoices> AskBooklet(const BookletChoices& initial) override {
    bookletAsked.push_back(initial);
    if (bookletReplies.empty()) return std::nullopt;
    const std::optional<BookletChoices> reply = bookletReplies.front();
    bookletReplies.pop_front();
    return reply;
  }
  bool ShowProgress(const std::string& text, int done, int total) override {
    progress.push_back(text + " " + std::to_string(done) + "/" + std::to_string(total));
    return cancelAtDone < 0 || done < cancelAtDone;
  }
  void EndProgress() override { progress.push_back("end"); }
  void SetBusy(bool isBusy) override {
    busy = isBusy;
    pointerChanges.push_back(isBusy);
  }
  void Yield() override {
    ++yields;
    if (onYield) onYield(yields);
  }
  [[nodiscard]] std::string ProgramFolder() const override { return folder_; }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;
  std::deque<bool> yesNoReplies;
  std::deque<std::string> inputReplies;
  std::vector<FileDialogRequest> fileDialogs;
  std::deque<std::string> fileReplies;
  std::vector<bool> pointerChanges;
  std::vector<BookletChoices> bookletAsked;
  std::deque<std::optional<BookletChoices>> bookletReplies;
  /// Every progress report as "text done/total", and "end" when the bar closes.
  std::vector<std::string> progress;
  /// The user presses Cancel once `done` reaches this count; never when negative.
  int cancelAtDone = -1;
  bool busy = false;
  int yields = 0;
  /// Called at every yield with the number of yields so far: the user's chance to act mid-run.
  std::function<void(int)> onYield;

 private:
  std::string folder_;
};

}  // namespace loopword::testing
