// Reads the window's figure as a screen reader does, through Qt's accessibility interfaces, and follows the events it is sent.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QTimer>
#include <tuple>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vector>

#include "app/qt_toolkit.h"
#include "app/translations.h"
#include "board/hint_cells.h"
#include "display/sheet_view.h"
#include "support/window_test.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace loopword {
namespace {

/// One event a screen reader was sent, with the name its object had then (an alert's: the names of all its parts).
struct SentEvent { QAccessible::Event type; QObject* object; int child; QString name; };

QString NamesWithin(const QAccessibleInterface& part) {
  QString names = part.text(QAccessible::Name);
  for (int i = 0; i < part.childCount(); ++i) names += "|" + NamesWithin(*part.child(i));
  return names;
}

std::vector<SentEvent>& Sent() {
  static std::vector<SentEvent> sent;
  return sent;
}

void RecordEvent(QAccessibleEvent* event) {
  const QAccessibleInterface* about = event->accessibleInterface();
  QString name;
  if (about) name = event->type() == QAccessible::Alert ? NamesWithin(*about) : about->text(QAccessible::Name);
  Sent().push_back({event->type(), event->object(), event->child(), name});
}

/// A window test with accessibility on, as under a screen reader, recording every event it would send.
class FigureAccessTest : public testing::WindowTest {
 protected:
  FigureAccessTest() {
    QAccessible::installUpdateHandler(RecordEvent);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
  }
  ~FigureAccessTest() override {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    Sent().clear();
  }

  static QAccessibleInterface* Table(const Form1& window) { return QAccessible::queryAccessibleInterface(window.findChild<PictureBox*>()); }
  static QAccessibleInterface* Cell(const Form1& window, RingCell cell) {
    return Table(window)->tableInterface()->cellAt(cell.square - 1, cell.position - 1);
  }
  static QString CellName(const Form1& window, RingCell cell) { return Cell(window, cell)->text(QAccessible::Name); }
  static char Solution(const Form1& window, RingCell cell) { return window.CurrentView().puzzle->puzzle.board.SquareWord[cell.square][cell.position - 1]; }

  /// Whether an event of `type` about `object` (its child `child`, -1 itself) was sent since the events were last cleared.
  static bool WasSent(QAccessible::Event type, const QObject* object, int child = -1) {
    return std::any_of(Sent().begin(), Sent().end(), [&](const SentEvent& e) { return e.type == type && e.object == object && e.child == child; });
  }
};

TEST_F(FigureAccessTest, TheFigureIsATableBesideTheViewButtonEachSheetNamesItsLettersAndWordsScreenReadersFollowSolvingAndAlerts) {
  auto window = CompiledWindow();
  QAccessibleInterface* table = Table(*window);
  ASSERT_NE(table, nullptr);
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(std::tuple(table->role(), table->tableInterface()->rowCount(), table->tableInterface()->columnCount()), std::tuple(QAccessible::Table, 23, 8));
  EXPECT_TRUE(table->tableInterface()->cellAt(23, 0) == nullptr && table->tableInterface()->cellAt(0, 8) == nullptr) << "no cell beyond them";
  ASSERT_EQ(table->childCount(), 23 * 8 + 1);
  QAccessibleInterface* button = table->child(23 * 8);
  EXPECT_EQ(button->object(), window->Command1());
  EXPECT_EQ(table->indexOfChild(button), 23 * 8);
  EXPECT_EQ(button->text(QAccessible::Name), window->Caption());

  QAccessibleInterface* cell = Cell(*window, {5, 3});
  EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell) << "the cell lies where it is drawn";
  window->show();  // a hidden widget has no place on screen
  EXPECT_EQ(table->childAt(button->rect().center().x(), button->rect().center().y()), button);

  const auto letter = [&](RingCell cell) { return QString(QChar::fromLatin1(Solution(*window, cell))); };
  // the solution sheet: every cell's letter, its row and column, its square as the row's header
  EXPECT_EQ(Table(*window)->text(QAccessible::Name), "Solution sheet");
  int wrong = 0;
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      const QString expected = QString("Square %1, cell %2: %3").arg(square).arg(position).arg(letter({square, position}));
      QAccessibleInterface* at = Cell(*window, {square, position});
      const QAccessibleTableCellInterface* place = at->tableCellInterface();
      wrong += at->text(QAccessible::Name) != expected || at->parent() != table || place == nullptr ||
               table->child(table->indexOfChild(at)) != at || place->rowIndex() != square - 1 ||
               place->columnIndex() != position - 1 ||
               place->rowHeaderCells().value(0)->text(QAccessible::Name) != QString("Square %1").arg(square);
    }
  }
  EXPECT_EQ(wrong, 0);

  // a screen reader's press shows the puzzle sheet: square 12's word and hint cells, read from either square they share
  QAccessibleActionInterface* actions = button->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  for (int wait = 0; wait < 100 && window->Caption() == "Show Puzzle"; ++wait) QTest::qWait(10);  // the press is shown first
  EXPECT_EQ(window->Caption(), "Show Solution");
  ASSERT_EQ(window->CurrentView().puzzle->puzzle.hints, std::nullopt) << "a classic compile gives the standard hint cells";
  EXPECT_EQ(Table(*window)->text(QAccessible::Name), "Puzzle sheet");
  const struct { RingCell cell; bool hint; const char* why; } cells[] = {
      {{12, 1}, true, "square 12's word"},
      {{1, 5}, true, "square 1's cell shared with square 12"},
      {HintCells[0], true, "a hint cell"},
      {{1, 1}, false, "a cell of square 1, which has no hint"},
      {{23, 8}, false, "a cell of square 23"},
      {{HintCells[0].square, HintCells[0].position % 8 + 1}, false, "the cell after a hint"},
  };
  for (const auto& [cell, hint, why] : cells) {
    const QString content = hint ? "hint " + letter(cell) : QString("empty");
    EXPECT_EQ(CellName(*window, cell), QString("Square %1, cell %2: %3").arg(cell.square).arg(cell.position).arg(content)) << why;
  }
  QStringList words;
  for (const std::string& word : SortedWords(window->CurrentView().puzzle->puzzle)) words << QString::fromStdString(word);
  EXPECT_EQ(Table(*window)->text(QAccessible::Description), "Words: " + words.join(", "));
  EXPECT_EQ(Table(*window)->tableInterface()->selectedCellCount(), 0) << "nothing is selected on a sheet";
  QTest::mouseClick(window->Command1(), Qt::LeftButton);
  EXPECT_EQ(window->Caption(), "Show Puzzle") << "a mouse click still presses the button once";

  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto* picture = window->findChild<PictureBox*>();
  const auto child = [&](RingCell cell) { return Table(*window)->indexOfChild(Cell(*window, cell)); };

  Sent().clear();
  window->MenuItem("mnuSolveOnScreen")->trigger();
  QCoreApplication::processEvents();  // the focus passes on to the selected cell after the picture takes it
  ASSERT_TRUE(picture->hasFocus());
  EXPECT_EQ(Table(*window)->text(QAccessible::Name), "Puzzle being solved");
  const RingCell first = *window->CurrentView().reading.current;
  EXPECT_TRUE(WasSent(QAccessible::NameChanged, picture)) << "the picture's name says a puzzle is being solved";
  EXPECT_TRUE(WasSent(QAccessible::Selection, picture, child(first)));
  ASSERT_FALSE(Sent().empty());
  EXPECT_EQ(Sent().back().type, QAccessible::Focus) << "the selected cell has the focus last";
  EXPECT_EQ(Sent().back().child, child(first));
  EXPECT_EQ(Sent().back().name, CellName(*window, first));

  const char wrongLetter = Solution(*window, first) == 'Q' ? 'R' : 'Q';
  enum class Changed { None, CellLeft, CellReached };  // whose letter the step changed
  // moves: the selection moves on; the cell selected after the step, and only it, is selected and focused
  const struct { const char* what; std::function<void()> step; bool moves; Changed changed; } steps[] = {
      {"a wrong letter typed", [&] { QTest::keyClick(picture, wrongLetter == 'Q' ? 'q' : 'r'); }, true, Changed::CellLeft},
      {"an arrow key", [&] { QTest::keyClick(picture, Qt::Key_Right); }, true, Changed::None},
      {"a letter typed", [&] { QTest::keyClick(picture, 'q'); }, true, Changed::CellLeft},
      {"Backspace clears the cell it moves back to", [&] { QTest::keyClick(picture, Qt::Key_Backspace); }, true, Changed::CellReached},
      {"Reveal letter fills the selected cell", [&] { window->MenuItem("mnuReveal")->trigger(); }, false, Changed::CellLeft},
  };
  for (const auto& [what, step, moves, changed] : steps) {
    const RingCell before = *window->CurrentView().reading.current;
    Sent().clear();
    step();
    const RingCell after = *window->CurrentView().reading.current;
    ASSERT_EQ(after != before, moves) << what;
    const QAccessible::State state = Cell(*window, after)->state();
    EXPECT_TRUE(state.selected && state.focused && table->focusChild() == Cell(*window, after)) << what;
    EXPECT_EQ(table->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{Cell(*window, after)}) << what;
    EXPECT_EQ(WasSent(QAccessible::Selection, picture, child(after)), moves) << what;
    EXPECT_EQ(WasSent(QAccessible::Focus, picture, child(after)), moves) << what;
    EXPECT_EQ(WasSent(QAccessible::NameChanged, picture, child(before)), changed == Changed::CellLeft) << what;
    EXPECT_EQ(moves && WasSent(QAccessible::NameChanged, picture, child(after)), changed == Changed::CellReached) << what;
  }
  const QString typedName = QString("Square %1, cell %2: %3").arg(first.square).arg(first.position).arg(wrongLetter);
  EXPECT_EQ(CellName(*window, first), typedName);
  window->MenuItem("mnuCheck")->trigger();
  EXPECT_EQ(CellName(*window, first), typedName + ", wrong");
  const QString solvingWords = Table(*window)->text(QAccessible::Description);
  const std::string crossingWord = window->CurrentView().puzzle->puzzle.placements.at(kCrossingSquare - 1).word;
  EXPECT_TRUE(solvingWords.startsWith("Words: ")) << solvingWords.toStdString();
  EXPECT_TRUE(solvingWords.contains(QString::fromStdString(crossingWord) + " (found)")) << "square 12's word is given whole";
  EXPECT_EQ(solvingWords.count("(found)"), 1) << "no other word is complete yet";

  const RingCell lastSelected = *window->CurrentView().reading.current;
  Sent().clear();
  toolkit.yesNoReplies = {true};
  QTest::mouseClick(window->Command1(), Qt::LeftButton);
  ASSERT_EQ(window->Caption(), "Show Puzzle");
  EXPECT_TRUE(WasSent(QAccessible::NameChanged, window->Command1())) << "the view button's new caption";
  EXPECT_TRUE(WasSent(QAccessible::NameChanged, picture)) << "the picture's name says the solution is on show";
  EXPECT_TRUE(WasSent(QAccessible::SelectionRemove, picture, child(lastSelected))) << "no cell is selected on a sheet";

  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  closer.start(10);
  QtToolkit().ShowMessage(Message(Phrase("Done")));
  const auto alert = std::find_if(Sent().begin(), Sent().end(), [](const SentEvent& e) { return e.type == QAccessible::Alert; });
  ASSERT_NE(alert, Sent().end());
  EXPECT_TRUE(alert->name.split('|').contains("Done")) << alert->name.toStdString();
}

TEST_F(FigureAccessTest, UnderAGermanLocaleTheButtonAndTheFigureAreGermanAndTheSheetsSpeakThePuzzlesLanguage) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const Translations german(LOOPWORD_PROGRAM_DIR);
  for (const char* file : {"loopword_de.qm", "de-L1words.txt"}) {
    std::filesystem::copy_file(std::filesystem::path(LOOPWORD_PROGRAM_DIR) / file, program.Path() / file);
  }
  auto window = CompiledWindow();  // German lists on a German desktop; its German menus: the Help and guide test
  EXPECT_EQ(window->Caption().toStdString(), "R\u00E4tsel zeigen");  // German sheets from German lists: the compile tool's tests
  QTest::mouseClick(window->Command1(), Qt::LeftButton);
  EXPECT_EQ(Table(*window)->text(QAccessible::Name).toStdString(), "R\u00E4tselblatt");
  EXPECT_TRUE(Table(*window)->text(QAccessible::Description).startsWith(QString::fromUtf8("W\u00F6rter: ")));
  EXPECT_EQ(CellName(*window, {12, 1}), QString("Quadrat 12, Feld 1: Hinweis %1").arg(Solution(*window, {12, 1})));
  EXPECT_EQ(CellName(*window, {1, 1}), "Quadrat 1, Feld 1: leer");
  EXPECT_EQ(Cell(*window, {5, 3})->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), "Quadrat 5");
  window->MenuItem("mnuLanguage0")->trigger();  // an English puzzle on the German desktop
  window->mnuSolve_Click();
  testing::FinishCompile(*window);
  EXPECT_EQ(window->CurrentView().picture.texts.solutionHeading, "SOLUTION");
}

}  // namespace
}  // namespace loopword
