// The main window's menu bar: every item with its text, name and keys, and which items are on.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

#include "compiler/compiler.h"
#include "session/session.h"

class QAction;
class QActionGroup;
class QMenu;

namespace loopword {

class Form1;

/// The items of the Starting Word menu.
enum class StartItem { Random, Input };

/// The menu items of the main window, wired to its handlers; the fill choices are remembered between runs.
class MainMenus {
 public:
  /// Fills the menu bar of `window` and connects each item to the window's handler; Export web page
  /// only when the program has its web page.
  void Build(Form1& window, bool webPage);
  /// The Solution menu's fill choices: varied words, one solution, difficulty.
  [[nodiscard]] CompileOptions FillChoice() const;
  /// Turns each command on or off as `offer` says.
  void Enable(const Offer& offer);
  /// Marks Pencil and Hide timer as `view` has them.
  void MarkSolving(const View& view);
  /// Marks the word list, its language and the fill of `choices` in the Dictionary and Solution menus.
  void MarkChoices(const Choices& choices);
  /// Puts the Starting Word menu's mark on `item`.
  void MarkStart(StartItem item);

 private:
  QAction* AddCommand(QMenu* menu, const QString& text, const QString& name, void (Form1::*handler)(),
                      const QList<QKeySequence>& shortcuts);
  QAction* AddSetting(QMenu* menu, const QString& text, const QString& name);
  QAction* AddToggle(QMenu* menu, const QString& text, const QString& name, void (Form1::*handler)(),
                     const QList<QKeySequence>& shortcuts);
  void AddDifficultyMenu(QMenu* solution);
  QActionGroup* AddGroup(QMenu* menu, const QStringList& texts, const QString& name, std::vector<QAction*>& items,
                         void (Form1::*handler)(int));

  Form1* window_ = nullptr;
  std::vector<QAction*> commands_;  // on whenever no compile or booklet runs
  QAction* mnuSave_ = nullptr;
  QAction* mnuExportWeb_ = nullptr;
  QAction* mnuExportPackage_ = nullptr;
  QAction* mnuSolveOnScreen_ = nullptr;
  QAction* mnuCheck_ = nullptr;
  QAction* mnuReveal_ = nullptr;
  QAction* mnuStartOver_ = nullptr;
  QAction* mnuUndo_ = nullptr;
  QAction* mnuRedo_ = nullptr;
  QAction* mnuPencil_ = nullptr;
  QAction* mnuHideTimer_ = nullptr;
  QAction* mnuVaried_ = nullptr;  // Varied words
  QAction* mnuUnique_ = nullptr;  // One solution
  std::vector<QAction*> difficultyItems_;  // Difficulty: Standard, Easy..Expert, one checked
  QActionGroup* mnuStart_ = nullptr;  // Random, Input: one checked
  std::vector<QAction*> startItems_;
  QActionGroup* mnuDictLevel_ = nullptr;  // User, Level 1..3: one checked
  std::vector<QAction*> dictItems_;
  QActionGroup* mnuLanguage_ = nullptr;  // English, Deutsch, ...: one checked
  std::vector<QAction*> languageItems_;
};

}  // namespace loopword
