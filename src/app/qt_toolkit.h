// The toolkit services with Qt: message boxes, input box, busy pointer, event loop, program folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <memory>
#include <QWidget>

#include "toolkit/toolkit.h"

namespace loopword {

/// Toolkit services of the running program; dialogs are owned by `parent` once it is set.
class QtToolkit final : public Toolkit {
 public:
  /// The window that message boxes and the input box belong to.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const Message& message) override;
  bool AskYesNo(const Message& question, bool yesByDefault = true) override;
  std::string InputBox(const Message& prompt, const Message& title) override;
  std::string ShowFileDialog(const FileDialogRequest& request) override;
  std::optional<int> AskNumber(const Message& prompt, const Message& title, int least, int most, int initial) override;
  std::optional<BookletChoices> AskBooklet(const BookletChoices& initial) override;
  std::optional<ThemeEntry> AskTheme(const ThemeEntry& current, const ThemeCheck& check) override;
  bool ShowProgress(const Message& text, int done, int total) override;
  void EndProgress() override;
  void SetBusy(bool busy) override;
  [[nodiscard]] std::string ProgramFolder() const override;

 private:
  QPointer<QWidget> parent_;
  std::unique_ptr<QProgressDialog> progress_;
  bool busy_ = false;
};

}  // namespace loopword
