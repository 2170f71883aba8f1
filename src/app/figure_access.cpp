// The picture box's accessible table, its cells and row headers, and the events that keep screen readers up to date.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_access.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <array>

#include "app/picture_box.h"
#include "app/translations.h"
#include "play/cells.h"

namespace loopword {

namespace {

constexpr int kCellsInTable = kSquareCount * kRingSize;

/// The table's child index of a ring cell: squares are rows, ring positions columns.
int ChildIndex(RingCell cell) { return (cell.square - 1) * kRingSize + cell.position - 1; }
RingCell CellOfChild(int index) { return {index / kRingSize + 1, index % kRingSize + 1}; }

QString SheetName(const FigureReading& reading) {
  if (reading.filling) return QCoreApplication::translate("Accessibility", "Figure being filled");
  switch (reading.sheet) {
    case Sheet::Puzzle: return QCoreApplication::translate("Accessibility", "Puzzle sheet");
    case Sheet::Solution: return QCoreApplication::translate("Accessibility", "Solution sheet");
    case Sheet::Solving: return QCoreApplication::translate("Accessibility", "Puzzle being solved");
    case Sheet::Figure: break;
  }
  return QCoreApplication::translate("Accessibility", "Empty figure");
}

/// The sheet's word list in one line, the words found so far marked.
QString WordListText(const std::vector<ListedWord>& words) {
  if (words.empty()) return {};
  QStringList shown;
  for (const ListedWord& listed : words) shown << ShownText(WordSaid(listed));
  return QCoreApplication::translate("Accessibility", "Words: %1").arg(shown.join(QStringLiteral(", ")));
}

QString RowName(int square) { return QCoreApplication::translate("Accessibility", "Square %1").arg(square); }

/// The ring cell's square on screen, in pixels of `picture`.
QRect CellPixels(const PictureBox& picture, RingCell cell) {
  const TwipPoint letter = CellPoint(cell.square, cell.position);
  const TwipPoint inCell = LetterPointUnder({0, 0});  // where a letter point lies in its cell
  return picture.PixelsOf({letter.x - inCell.x, letter.y - inCell.y}, kCellSide, kCellSide);
}

/// What cells and row headers share: a part of the picture's table, valid while the picture lives.
class FigurePart : public QAccessibleInterface {
 public:
  explicit FigurePart(PictureBox* picture) : picture_(picture) {}

  bool isValid() const override { return !picture_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Table() ? Table()->window() : nullptr; }
  QAccessibleInterface* parent() const override { return Table(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  [[nodiscard]] QAccessibleInterface* Table() const { return picture_ ? QAccessible::queryAccessibleInterface(picture_) : nullptr; }
  [[nodiscard]] QRect OnScreen(const QRect& pixels) const {
    return picture_ ? QRect(picture_->mapToGlobal(pixels.topLeft()), pixels.size()) : QRect();
  }

  QPointer<PictureBox> picture_;
};

/// "Square 5": the header of a square's row.
class RowHeader final : public FigurePart {
 public:
  RowHeader(PictureBox* picture, int square) : FigurePart(picture), square_(square) {}

  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? RowName(square_) : QString(); }
  QRect rect() const override {
    QRect ring;
    if (!picture_) return {};
    for (int position = 1; position <= kRingSize; ++position) ring |= CellPixels(*picture_, {square_, position});
    return OnScreen(ring);
  }
  QAccessible::Role role() const override { return QAccessible::RowHeader; }
  QAccessible::State state() const override { return {}; }

 private:
  int square_;
};

/// One ring cell: "Square 5, cell 3: hint A", selected and focused while it is the cell being typed into.
class RingCellPart final : public FigurePart, public QAccessibleTableCellInterface {
 public:
  RingCellPart(PictureBox* picture, RingCell cell) : FigurePart(picture), cell_(cell) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !picture_) return {};
    return ShownText(CellSaid(cell_, picture_->Reading().cells[cell_.square][cell_.position]));
  }
  QRect rect() const override { return picture_ ? OnScreen(CellPixels(*picture_, cell_)) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!picture_) return state;
    const FigureReading& reading = picture_->Reading();
    state.readOnly = reading.sheet != Sheet::Solving || reading.cells[cell_.square][cell_.position].shows == CellShows::Hint;
    state.selectable = reading.sheet == Sheet::Solving;
    state.focusable = state.selectable;
    state.selected = isSelected();
    state.focused = state.selected && picture_->hasFocus();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return picture_ && picture_->Reading().current == cell_; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return cell_.position - 1; }
  int rowIndex() const override { return cell_.square - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return Table(); }

 private:
  RingCell cell_;
};

/// The picture box as a table of 23 rows (squares) by 8 columns (ring positions), named after the
/// sheet on show and described by its word list; the view button follows the cells among its children.
class FigureTable final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit FigureTable(PictureBox* picture) : QAccessibleWidget(picture, QAccessible::Table), picture_(picture) {}
  ~FigureTable() override {
    for (const QAccessible::Id id : cellIds_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    for (const QAccessible::Id id : headerIds_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return SheetName(picture_->Reading());
    if (t == QAccessible::Description) return WordListText(picture_->Reading().words);
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    return state;
  }
  int childCount() const override { return kCellsInTable + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    return index < kCellsInTable ? Cell(CellOfChild(index)) : QAccessibleWidget::child(index - kCellsInTable);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface(); cell && child->parent() == this) {
      return cell->rowIndex() * kRingSize + cell->columnIndex();
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : kCellsInTable + index;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int index = 0; index < QAccessibleWidget::childCount(); ++index) {  // the view button over the picture
      QAccessibleInterface* widget = QAccessibleWidget::child(index);
      if (widget->rect().contains(x, y)) return widget;
    }
    const QPoint point = picture_->mapFromGlobal(QPoint(x, y));
    if (!picture_->rect().contains(point)) return nullptr;
    const TwipPoint onSheet = picture_->SheetPointAt(point);
    if (onSheet.x < 0 || onSheet.y < 0) return nullptr;  // beside the sheet, where the window is wider than it
    const TwipPoint letter = LetterPointUnder(onSheet);
    const std::vector<RingCell> under = RingCellsAt(letter);
    if (under.empty()) return nullptr;
    const std::optional<RingCell>& current = picture_->Reading().current;
    const bool currentUnder = current && std::find(under.begin(), under.end(), *current) != under.end();
    return Cell(currentUnder ? *current : under.front());
  }
  QAccessibleInterface* focusChild() const override {
    const std::optional<RingCell>& current = picture_->Reading().current;
    return current && picture_->hasFocus() ? Cell(*current) : QAccessibleWidget::focusChild();
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kSquareCount || column < 0 || column >= kRingSize) return nullptr;
    return Cell({row + 1, column + 1});
  }
  int selectedCellCount() const override { return picture_->Reading().current ? 1 : 0; }
  QList<QAccessibleInterface*> selectedCells() const override {
    const std::optional<RingCell>& current = picture_->Reading().current;
    return current ? QList<QAccessibleInterface*>{Cell(*current)} : QList<QAccessibleInterface*>{};
  }
  QString columnDescription(int column) const override {
    return QCoreApplication::translate("Accessibility", "Cell %1").arg(column + 1);
  }
  QString rowDescription(int row) const override { return RowName(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kRingSize; }
  int rowCount() const override { return kSquareCount; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  /// The header of `square`'s row, made the first time it is asked for.
  [[nodiscard]] QAccessibleInterface* Header(int square) const {
    return Registered(headerIds_[static_cast<std::size_t>(square - 1)], [&] { return new RowHeader(picture_, square); });
  }

 private:
  [[nodiscard]] QAccessibleInterface* Cell(RingCell cell) const {
    return Registered(cellIds_[static_cast<std::size_t>(ChildIndex(cell))], [&] { return new RingCellPart(picture_, cell); });
  }
  /// The part registered under `id`, made by `make` and registered the first time.
  template <typename Make>
  static QAccessibleInterface* Registered(QAccessible::Id& id, const Make& make) {
    if (id == 0) id = QAccessible::registerAccessibleInterface(make());
    return QAccessible::accessibleInterface(id);
  }

  PictureBox* picture_;
  mutable std::array<QAccessible::Id, kCellsInTable> cellIds_{};
  mutable std::array<QAccessible::Id, kSquareCount> headerIds_{};
};

QList<QAccessibleInterface*> RingCellPart::rowHeaderCells() const {
  auto* table = static_cast<FigureTable*>(Table());
  return table ? QList<QAccessibleInterface*>{table->Header(cell_.square)} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* FigureTableFor(const QString&, QObject* object) {
  auto* picture = qobject_cast<PictureBox*>(object);
  return picture ? new FigureTable(picture) : nullptr;
}

/// Sends an event of `type` about `picture`, or about its cell `cell`.
void Send(PictureBox& picture, QAccessible::Event type, std::optional<RingCell> cell = std::nullopt) {
  QAccessibleEvent event(&picture, type);
  if (cell) event.setChild(ChildIndex(*cell));
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallFigureAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(FigureTableFor);
    return true;
  }();
  (void)installed;
}

void AnnounceFigureChange(PictureBox& picture, const FigureReading& before) {
  if (!QAccessible::isActive()) return;
  const FigureReading& after = picture.Reading();
  if (SheetName(after) != SheetName(before)) Send(picture, QAccessible::NameChanged);
  if (after.words != before.words) Send(picture, QAccessible::DescriptionChanged);
  for (int square = 1; square <= kSquareCount; ++square) {
    for (int position = 1; position <= kRingSize; ++position) {
      if (after.cells[square][position] != before.cells[square][position]) Send(picture, QAccessible::NameChanged, RingCell{square, position});
    }
  }
  if (after.current == before.current) return;
  if (!after.current) {
    Send(picture, QAccessible::SelectionRemove, before.current);
    return;
  }
  Send(picture, QAccessible::Selection, after.current);  // the one selected cell from now on
  AnnounceFocusedCell(picture);
}

void AnnounceFocusedCell(PictureBox& picture) {
  if (picture.hasFocus() && picture.Reading().current) Send(picture, QAccessible::Focus, picture.Reading().current);
}

}  // namespace loopword
