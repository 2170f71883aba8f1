// Building the main window's menus and turning their items on and off.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menus.h"

#include <QActionGroup>
#include <QMenuBar>
#include <algorithm>

#include "app/form1.h"
#include "app/translations.h"

namespace loopword {

namespace {

QAction* AddItem(QMenu* menu, const QString& text, const QString& name, const QList<QKeySequence>& shortcuts = {}) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcuts(shortcuts);
  return action;
}

/// The keys of a standard command as this desktop binds them.
QList<QKeySequence> Standard(QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); }
/// Ctrl with `key`, for the commands no desktop standard names.
QList<QKeySequence> Ctrl(Qt::Key key) { return {QKeySequence(Qt::CTRL | key)}; }

/// `names` as menu items, each with the first of its letters no name before it took as its mnemonic:
/// &English, &Deutsch, &Français, E&spañol, ...
QStringList WithMnemonics(const QStringList& names) {
  QStringList items;
  QString taken;
  for (const QString& name : names) {
    const auto free = std::find_if(name.begin(), name.end(), [&](QChar c) { return c.isLetter() && !taken.contains(c.toLower()); });
    if (free == name.end()) {
      items << name;
      continue;
    }
    taken += free->toLower();
    items << QString(name).insert(free - name.begin(), '&');
  }
  return items;
}

/// The languages by their own names.
QStringList LanguageItems() {
  QStringList names;
  for (Language language : kLanguages) names << QString::fromUtf8(LanguageName(language).data(), static_cast<qsizetype>(LanguageName(language).size()));
  return WithMnemonics(names);
}

/// The difficulties as the translations name them.
QStringList DifficultyItems() {
  QStringList names;
  for (Difficulty difficulty : kDifficulties) names << ShownText(Message(DifficultyLabelText(difficulty)));
  return WithMnemonics(names);
}

}  // namespace

QAction* MainMenus::AddCommand(QMenu* menu, const QString& text, const QString& name, void (Form1::*handler)(),
                               const QList<QKeySequence>& shortcuts) {
  QAction* item = AddItem(menu, text, name, shortcuts);
  QObject::connect(item, &QAction::triggered, window_, [window = window_, handler] { (window->*handler)(); });
  return item;
}

QAction* MainMenus::AddSetting(QMenu* menu, const QString& text, const QString& name) {
  QAction* item = AddItem(menu, text, name);
  item->setCheckable(true);
  QObject::connect(item, &QAction::triggered, window_, [window = window_] { window->mnuFill_Click(); });
  return item;
}

QAction* MainMenus::AddToggle(QMenu* menu, const QString& text, const QString& name, void (Form1::*handler)(),
                             const QList<QKeySequence>& shortcuts) {
  QAction* item = AddCommand(menu, text, name, handler, shortcuts);
  item->setCheckable(true);  // its mark follows the session's view, set again after each command
  return item;
}

void MainMenus::AddDifficultyMenu(QMenu* solution) {
  QMenu* menu = solution->addMenu(QObject::tr("&Difficulty"));
  menu->setObjectName("mnuDifficulty");
  auto* group = new QActionGroup(window_);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  const QStringList texts = DifficultyItems();
  for (int i = 0; i < texts.size(); ++i) {
    const auto difficulty = static_cast<Difficulty>(i);
    QAction* item = AddItem(menu, texts[i], "mnuDifficulty" + QString::number(i));
    item->setCheckable(true);
    item->setChecked(difficulty == Difficulty::Standard);
    group->addAction(item);
    difficultyItems_.push_back(item);
    QObject::connect(item, &QAction::triggered, window_, [window = window_] { window->mnuFill_Click(); });
  }
}

QActionGroup* MainMenus::AddGroup(QMenu* menu, const QStringList& texts, const QString& name,
                                  std::vector<QAction*>& items, void (Form1::*handler)(int)) {
  auto* group = new QActionGroup(window_);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int i = 0; i < texts.size(); ++i) {
    QAction* item = AddItem(menu, texts[i], name + QString::number(i));
    item->setCheckable(true);
    group->addAction(item);
    items.push_back(item);
    QObject::connect(item, &QAction::triggered, window_, [window = window_, handler, i] { (window->*handler)(i); });
  }
  return group;
}

void MainMenus::Build(Form1& window, bool webPage) {
  window_ = &window;
  QMenu* file = window.menuBar()->addMenu(QObject::tr("&File"));
  QAction* mnuOpen = AddCommand(file, QObject::tr("&Open puzzle…"), "mnuOpen", &Form1::mnuOpen_Click, Standard(QKeySequence::Open));
  mnuSave_ = AddCommand(file, QObject::tr("&Save puzzle…"), "mnuSave", &Form1::mnuSave_Click, Standard(QKeySequence::Save));
  QAction* mnuprint = AddCommand(file, QObject::tr("&Print"), "mnuprint", &Form1::mnuprint_Click, Standard(QKeySequence::Print));
  QAction* copyx = AddCommand(file, QObject::tr("Save as &bitmap"), "copyx", &Form1::copyx_Click, Ctrl(Qt::Key_B));
  QAction* mnuExportPdf = AddCommand(file, QObject::tr("&Export PDF…"), "mnuExportPdf", &Form1::mnuExportPdf_Click, Ctrl(Qt::Key_E));
  QAction* mnuExportSvg = AddCommand(file, QObject::tr("Export S&VG…"), "mnuExportSvg", &Form1::mnuExportSvg_Click, {});
  mnuExportWeb_ = AddCommand(file, QObject::tr("Export &web page…"), "mnuExportWeb", &Form1::mnuExportWeb_Click, {});
  mnuExportWeb_->setVisible(webPage);
  mnuExportPackage_ = AddCommand(file, QObject::tr("Export for a &learning platform…"), "mnuExportPackage", &Form1::mnuExportPackage_Click, {});
  mnuExportPackage_->setVisible(webPage);
  QAction* mnuBooklet = AddCommand(file, QObject::tr("Make boo&klet…"), "mnuBooklet", &Form1::mnuBooklet_Click, {});
  QAction* mnuClassSet = AddCommand(file, QObject::tr("&Class set…"), "mnuClassSet", &Form1::mnuClassSet_Click, {});
  QAction* mnuClassResults = AddCommand(file, QObject::tr("Class &results…"), "mnuClassResults", &Form1::mnuClassResults_Click, {});
  file->addSeparator();
  AddCommand(file, QObject::tr("&Help"), "Helpx", &Form1::Helpx_Click, Standard(QKeySequence::HelpContents));
  AddCommand(file, QObject::tr("&About"), "Aboutx", &Form1::Aboutx_Click, {});
  file->addSeparator()->setObjectName("dash1");
  AddCommand(file, QObject::tr("E&xit"), "Exitx", &Form1::Exitx_Click, Standard(QKeySequence::Quit));

  QMenu* solution = window.menuBar()->addMenu(QObject::tr("&Solution"));
  QAction* mnuSolve = AddCommand(solution, QObject::tr("&Compile"), "mnuSolve", &Form1::mnuSolve_Click, {QKeySequence(Qt::Key_F5)});
  mnuVaried_ = AddSetting(solution, QObject::tr("&Varied words"), "mnuVaried");
  mnuUnique_ = AddSetting(solution, QObject::tr("&One solution"), "mnuUnique");
  AddDifficultyMenu(solution);
  solution->addSeparator();
  mnuSolveOnScreen_ = AddCommand(solution, QObject::tr("Solve on &screen"), "mnuSolveOnScreen", &Form1::mnuSolveOnScreen_Click, {QKeySequence(Qt::Key_F6)});
  mnuCheck_ = AddCommand(solution, QObject::tr("C&heck"), "mnuCheck", &Form1::mnuCheck_Click, {QKeySequence(Qt::Key_F7)});
  mnuReveal_ = AddCommand(solution, QObject::tr("&Reveal letter"), "mnuReveal", &Form1::mnuReveal_Click, {});
  mnuStartOver_ = AddCommand(solution, QObject::tr("St&art over"), "mnuStartOver", &Form1::mnuStartOver_Click, {});
  mnuUndo_ = AddCommand(solution, QObject::tr("&Undo"), "mnuUndo", &Form1::mnuUndo_Click, Standard(QKeySequence::Undo));
  // Ctrl+Shift+Z and Ctrl+Y both, whichever the desktop binds first
  QList<QKeySequence> redo = Standard(QKeySequence::Redo);
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
    if (!redo.contains(key)) redo << key;
  }
  mnuRedo_ = AddCommand(solution, QObject::tr("R&edo"), "mnuRedo", &Form1::mnuRedo_Click, redo);
  mnuPencil_ = AddToggle(solution, QObject::tr("&Pencil"), "mnuPencil", &Form1::mnuPencil_Click, {QKeySequence(Qt::Key_F8)});
  mnuHideTimer_ = AddToggle(solution, QObject::tr("Hide &timer"), "mnuHideTimer", &Form1::mnuHideTimer_Click, {});
  commands_ = {mnuSolve, mnuprint, copyx, mnuOpen, mnuExportPdf, mnuExportSvg, mnuBooklet, mnuClassSet, mnuClassResults};

  QMenu* start = window.menuBar()->addMenu(QObject::tr("S&tarting Word"));
  mnuStart_ = AddGroup(start, {QObject::tr("&Random"), QObject::tr("&Input")}, "mnuStart", startItems_, &Form1::mnuStart_Click);
  MarkStart(StartItem::Random);

  QMenu* dictionary = window.menuBar()->addMenu(QObject::tr("&Dictionary"));
  mnuDictLevel_ = AddGroup(dictionary, {QObject::tr("&User"), QObject::tr("Level &1"), QObject::tr("Level &2"), QObject::tr("Level &3")}, "mnuDictLevel", dictItems_,
                           &Form1::mnuDictLevel_Click);
  mnuLanguage_ = AddGroup(dictionary->addMenu(QObject::tr("&Language")), LanguageItems(), "mnuLanguage", languageItems_,
                          &Form1::mnuLanguage_Click);
  dictionary->addSeparator();
  commands_.push_back(AddCommand(dictionary, QObject::tr("&Theme words…"), "mnuTheme", &Form1::mnuTheme_Click, Ctrl(Qt::Key_T)));

  QMenu* help = window.menuBar()->addMenu(QObject::tr("&Help"));
  AddCommand(help, QObject::tr("&User guide"), "mnuGuide", &Form1::mnuGuide_Click, {});
}

CompileOptions MainMenus::FillChoice() const {
  CompileOptions fill{mnuVaried_->isChecked(), mnuUnique_->isChecked()};
  const auto checked = std::ranges::find_if(difficultyItems_, [](const QAction* item) { return item->isChecked(); });
  if (checked != difficultyItems_.end()) fill.difficulty = static_cast<Difficulty>(checked - difficultyItems_.begin());
  return fill;
}

void MainMenus::Enable(const Offer& offer) {
  for (QAction* command : commands_) command->setEnabled(offer.commands);
  mnuStart_->setEnabled(offer.commands);
  mnuDictLevel_->setEnabled(offer.commands);
  mnuLanguage_->setEnabled(offer.commands);
  mnuSave_->setEnabled(offer.puzzle);
  mnuExportWeb_->setEnabled(offer.puzzle);
  mnuExportPackage_->setEnabled(offer.puzzle);
  mnuSolveOnScreen_->setEnabled(offer.puzzle);
  mnuCheck_->setEnabled(offer.check);
  mnuReveal_->setEnabled(offer.reveal);
  mnuStartOver_->setEnabled(offer.solving);
  mnuPencil_->setEnabled(offer.solving);
  mnuUndo_->setEnabled(offer.undo);
  mnuRedo_->setEnabled(offer.redo);
}

void MainMenus::MarkSolving(const View& view) {
  mnuPencil_->setChecked(view.pencil);
  mnuHideTimer_->setChecked(view.clock.hidden);
  mnuHideTimer_->setEnabled(view.rules.timer);
}

void MainMenus::MarkChoices(const Choices& choices) {
  dictItems_[static_cast<std::size_t>(choices.level)]->setChecked(true);
  languageItems_[static_cast<std::size_t>(choices.language)]->setChecked(true);
  mnuVaried_->setChecked(choices.varied);
  mnuUnique_->setChecked(choices.unique);
  difficultyItems_[static_cast<std::size_t>(choices.difficulty)]->setChecked(true);
}

void MainMenus::MarkStart(StartItem item) { startItems_[static_cast<std::size_t>(item)]->setChecked(true); }

}  // namespace loopword
