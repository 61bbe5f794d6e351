// SPDX-License-Identifier: MIT
#include "controls/KestStringGridAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <algorithm>

#include "controls/KestStringGridBase.h"
#include "platform/AccessibleEvents.h"

namespace {
// Listing the selected cells of a huge selection would create an interface
// for each; assistive technology gets the first ones.
constexpr int MaxListedCells = 4096;

bool Contains(const TGridRect& rect, int col, int row) {
  return col >= rect.Left && col <= rect.Right && row >= rect.Top && row <= rect.Bottom;
}

class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TGridAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~TGridAccessible() override {
    for (QAccessible::Id id : std::as_const(FCells)) QAccessible::deleteAccessibleInterface(id);
  }

  TStringGrid* Grid() const { return static_cast<TStringGrid*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  int childCount() const override { return Grid()->RowCount() * Grid()->ColCount(); }

  QAccessibleInterface* child(int index) const override {
    const int cols = Grid()->ColCount();
    if (index < 0 || index >= childCount()) return nullptr;
    return cellAt(index / cols, index % cols);
  }

  int indexOfChild(const QAccessibleInterface* child) const override;

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint point = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const TGridCoord cell = Grid()->MouseCoord(point.x(), point.y());
    return cell.X < 0 ? nullptr : cellAt(cell.Y, cell.X);
  }

  QAccessibleInterface* focusChild() const override {
    return Grid()->hasFocus() ? cellAt(Grid()->Row(), Grid()->Col()) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;

  int selectedCellCount() const override {
    const TGridRect s = Grid()->Selection();
    return (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
  }

  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    const TGridRect s = Grid()->Selection();
    for (int row = s.Top; row <= s.Bottom && cells.size() < MaxListedCells; ++row)
      for (int col = s.Left; col <= s.Right && cells.size() < MaxListedCells; ++col) cells.append(cellAt(row, col));
    return cells;
  }

  QString columnDescription(int column) const override {
    QStringList texts;
    for (int row = 0; row < Grid()->FixedRows(); ++row) texts.append(Grid()->Cells(column, row));
    return texts.join(QLatin1Char(' '));
  }

  QString rowDescription(int row) const override {
    QStringList texts;
    for (int col = 0; col < Grid()->FixedCols(); ++col) texts.append(Grid()->Cells(col, row));
    return texts.join(QLatin1Char(' '));
  }

  int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  int columnCount() const override { return Grid()->ColCount(); }
  int rowCount() const override { return Grid()->RowCount(); }

  QList<int> selectedColumns() const override {
    QList<int> columns;
    const TGridRect s = Grid()->Selection();
    if (isColumnSelected(s.Left))
      for (int col = s.Left; col <= s.Right; ++col) columns.append(col);
    return columns;
  }

  QList<int> selectedRows() const override {
    QList<int> rows;
    const TGridRect s = Grid()->Selection();
    if (isRowSelected(s.Top))
      for (int row = s.Top; row <= s.Bottom && rows.size() < MaxListedCells; ++row) rows.append(row);
    return rows;
  }

  bool isColumnSelected(int column) const override {
    const TGridRect s = Grid()->Selection();
    return column >= s.Left && column <= s.Right && s.Top == Grid()->FixedRows() && s.Bottom == Grid()->RowCount() - 1;
  }

  bool isRowSelected(int row) const override {
    const TGridRect s = Grid()->Selection();
    return row >= s.Top && row <= s.Bottom && s.Left == Grid()->FixedCols() && s.Right == Grid()->ColCount() - 1;
  }

  bool selectColumn(int column) override {
    if (column < Grid()->FixedCols() || column >= Grid()->ColCount()) return false;
    Grid()->SetSelection({column, Grid()->FixedRows(), column, Grid()->RowCount() - 1});
    return true;
  }

  bool selectRow(int row) override {
    if (row < Grid()->FixedRows() || row >= Grid()->RowCount()) return false;
    Grid()->SetSelection({Grid()->FixedCols(), row, Grid()->ColCount() - 1, row});
    return true;
  }

  // The selection is one rectangle: a row or column cannot be taken out of it.
  bool unselectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }

  // Cell interfaces are found by row and column, so they outlive any change.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable QHash<quint64, QAccessible::Id> FCells;
};

class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TGridCellAccessible(TStringGrid* grid, int row, int col) : FGrid(grid), FRow(row), FCol(col) {}

  bool isValid() const override { return FGrid && FRow < FGrid->RowCount() && FCol < FGrid->ColCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FGrid ? FGrid->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FGrid.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FGrid->Cells(FCol, FRow);
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect cell = FGrid->CellRect(FCol, FRow);
    if (cell.isNull()) return {};
    return {FGrid->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
  }

  QAccessible::Role role() const override {
    if (!isValid()) return QAccessible::Cell;
    if (FRow < FGrid->FixedRows()) return QAccessible::ColumnHeader;
    if (FCol < FGrid->FixedCols()) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.invisible = FGrid->CellRect(FCol, FRow).isNull();
    s.readOnly = !(FGrid->Options() & goEditing);
    if (FRow >= FGrid->FixedRows() && FCol >= FGrid->FixedCols()) {
      s.selectable = true;
      s.focusable = true;
      s.selected = isSelected();
      s.focused = FGrid->hasFocus() && FGrid->Col() == FCol && FGrid->Row() == FRow;
    }
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return isValid() && Contains(FGrid->Selection(), FCol, FRow); }

  // The heading cells of the column, for a heading cell too: Qt's bridge
  // answers a request for a column's header with those of the cell in row 0.
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QList<QAccessibleInterface*> cells;
    if (!isValid()) return cells;
    for (int row = 0; row < FGrid->FixedRows(); ++row) cells.append(Table()->cellAt(row, FCol));
    return cells;
  }

  QList<QAccessibleInterface*> rowHeaderCells() const override {
    QList<QAccessibleInterface*> cells;
    if (!isValid() || FCol < FGrid->FixedCols()) return cells;
    for (int col = 0; col < FGrid->FixedCols(); ++col) cells.append(Table()->cellAt(FRow, col));
    return cells;
  }

  int columnIndex() const override { return FCol; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QAccessibleTableInterface* Table() const { return parent()->tableInterface(); }

  QPointer<TStringGrid> FGrid;
  int FRow;
  int FCol;
};

int TGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child || child->parent() != this) return -1;
  auto* cell = static_cast<const TGridCellAccessible*>(child);
  return cell->rowIndex() * Grid()->ColCount() + cell->columnIndex();
}

QAccessibleInterface* TGridAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= Grid()->RowCount() || column < 0 || column >= Grid()->ColCount()) return nullptr;
  const quint64 key = (quint64(quint32(row)) << 32) | quint32(column);
  auto found = FCells.constFind(key);
  if (found != FCells.constEnd()) return QAccessible::accessibleInterface(*found);
  auto* cell = new TGridCellAccessible(Grid(), row, column);
  FCells.insert(key, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
  if (auto* grid = qobject_cast<TStringGrid*>(object)) return new TGridAccessible(grid);
  return nullptr;
}
}  // namespace

void InstallStringGridAccessibility() {
  static const bool installed = (QAccessible::installFactory(GridFactory), true);
  (void)installed;
}

void StringGridStructureChanged(TStringGrid* grid) {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

void StringGridSelectionChanged(TStringGrid* grid) { AccessibleSelectionChanged(grid); }

void StringGridFilled(TStringGrid* grid) { AccessibleModelChanged(grid); }

void StringGridFocusMoved(TStringGrid* grid) {
  if (!QAccessible::isActive() || !grid->hasFocus()) return;
  QAccessibleEvent event(grid, QAccessible::Focus);
  event.setChild(grid->Row() * grid->ColCount() + grid->Col());
  QAccessible::updateAccessibility(&event);
}
