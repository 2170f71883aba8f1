// The main window: the picture area with its view button, the menus and every command.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "app/file_commands.h"
#include "app/main_menus.h"
#include "session/session.h"
#include "toolkit/toolkit.h"

class QAction;
class QLabel;
class QTextBrowser;
class QTimer;

namespace loopword {

class AboutForm;
class PictureBox;
class ResultPanel;
class ViewButton;

/// The program's window: menus, dialogs and the picture over one session. Talks to the user only
/// through `toolkit`; finds its word lists in `programFolder`.
class Form1 final : public QMainWindow {
  Q_OBJECT
 public:
  Form1(Toolkit& toolkit, const std::string& programFolder);
  ~Form1() override;

  /// Print: both sheets on one page of the default printer.
  void mnuprint_Click();
  /// Save as bitmap: the picture area into a file.
  void copyx_Click();
  /// Open puzzle: reads a puzzle file and shows its solution sheet; a damaged file changes nothing.
  void mnuOpen_Click();
  /// Save puzzle: writes the complete puzzle on screen to a puzzle file.
  void mnuSave_Click();
  /// Export PDF: the printed page into a PDF file.
  void mnuExportPdf_Click();
  /// Export SVG: the two sheets into two SVG files.
  void mnuExportSvg_Click();
  /// Export web page: a copy of the web page that opens the puzzle ready to solve.
  void mnuExportWeb_Click();
  /// Export for a learning platform: a package (.zip) of the web page with the puzzle, which reports to the platform.
  void mnuExportPackage_Click();
  /// Make booklet: many puzzles and their answers in one PDF, with a progress bar that can cancel.
  void mnuBooklet_Click();
  /// Class set: as many different one-solution puzzles as pupils and their answers in one PDF, with a progress bar
  /// that can cancel.
  void mnuClassSet_Click();
  void mnuClassResults_Click();
  /// Help: what the puzzle is and how to play.
  void Helpx_Click();
  /// Help > User guide: the guide to every command, in a window of its own.
  void mnuGuide_Click();
  /// About: the About box, modal.
  void Aboutx_Click();
  /// Exit: closes the window, which ends the program (after a question while typed letters would be lost).
  void Exitx_Click();
  /// Solution > Compile: fills the figure, watched live, until done, stopped or given up.
  void mnuSolve_Click();
  /// Solution > Varied words, One solution and Difficulty: the fill of the next compiles, remembered.
  void mnuFill_Click();
  /// Starting Word: 0 random, 1 typed by the user.
  void mnuStart_Click(int index);
  /// Dictionary: 0 a user file, 1..3 the bundled levels.
  void mnuDictLevel_Click(int index);
  /// Dictionary > Language: the language of the bundled lists and of user lists (index into kLanguages), remembered.
  void mnuLanguage_Click(int index);
  /// Dictionary > Theme words: the words every puzzle holds and the title, remembered between runs.
  void mnuTheme_Click();
  /// The view button's mouse-up: stop request, or the next sheet.
  void Command1_MouseUp();
  /// Solution > Solve on screen: the puzzle sheet becomes editable; nothing while solving already.
  void mnuSolveOnScreen_Click();
  /// Solution > Check: marks the typed letters that differ from the solution.
  void mnuCheck_Click();
  /// Solution > Reveal letter: fills the selected cell from the solution.
  void mnuReveal_Click();
  /// Solution > Start over: clears the letters typed and counts the time and help from 0 again, after a question
  /// while letters are typed; Undo brings them back.
  void mnuStartOver_Click();
  /// Solution > Undo and Redo: takes back the last solving step, or does an undone one again.
  void mnuUndo_Click();
  void mnuRedo_Click();
  /// Solution > Pencil: the letters typed from now on go in pencil, or in ink again.
  void mnuPencil_Click();
  /// Solution > Hide timer: the time spent solving, at the right of the menu bar, out of view or back; remembered.
  void mnuHideTimer_Click();

  /// What the session shows now: all the window shows comes from it.
  [[nodiscard]] View CurrentView() const { return session_.CurrentView(); }
  /// The view button's caption.
  [[nodiscard]] QString Caption() const;
  /// Whether the view button can be pressed.
  [[nodiscard]] bool ButtonEnabled() const;
  /// The view button, for the tests that press it.
  [[nodiscard]] ViewButton* Command1() const { return command1_; }
  /// The picture as it shows now, one pixel a screen pixel.
  [[nodiscard]] QImage PictureImage() const;
  /// True while a compile is drawn on screen.
  [[nodiscard]] bool Compiling() const;
  /// The menu items by their control names ("mnuSolve", "mnuStart0", "mnuDictLevel2", ...).
  [[nodiscard]] QAction* MenuItem(const QString& name) const;
  /// The time spent solving as the menu bar shows it; hidden while nothing is solved or the timer is out of view.
  [[nodiscard]] const QLabel* Clock() const { return clock_; }
  /// What the menu bar says beside the time while letters are typed in pencil; hidden otherwise.
  [[nodiscard]] const QLabel* PencilMark() const { return pencilMark_; }
  /// The puzzle's place in its class set, in the menu bar while it is being solved; hidden otherwise.
  [[nodiscard]] const QLabel* PlaceMark() const { return placeMark_; }
  /// The result card beside the figure while the puzzle being solved is solved; hidden otherwise.
  [[nodiscard]] ResultPanel* Result() const { return result_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowState();
  void ShowClock();
  void ShowResult(const View& view);
  void Tell(const Reply& reply);
  std::optional<Reply> Carry(const std::function<Reply(bool confirmed)>& command);
  void AdvanceCompile();
  void ShowModal(const std::function<void()>& show);
  bool Busy() const { return session_.CurrentView().mode == Mode::Compiling; }

  Toolkit& toolkit_;
  FileCommands files_;
  Session session_;
  MainMenus menus_;
  PictureBox* picture1_ = nullptr;
  ViewButton* command1_ = nullptr;
  QTimer* compileTimer_ = nullptr;  // draws the next step of a compile at every turn of the event loop
  QLabel* clock_ = nullptr;  // the time spent solving, at the right of the menu bar
  QLabel* pencilMark_ = nullptr;  // "Pencil on" before it while letters go in pencil
  QLabel* placeMark_ = nullptr;  // "Puzzle 3 of 30 · set ABCD" before them while a class set's puzzle is solved
  ResultPanel* result_ = nullptr;
  QTimer* clockTimer_ = nullptr;  // shows the next second while the solving clock runs
  std::string webPage_;  // the web page built with the program; "" when there is none
  QPointer<AboutForm> about_;
  QPointer<QTextBrowser> guide_;
};

}  // namespace loopword
