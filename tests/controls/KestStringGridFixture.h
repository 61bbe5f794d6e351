// SPDX-License-Identifier: MIT
#pragma once
// Grids laid out like the program's tables, shown offscreen so that they
// paint and take mouse clicks.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <memory>

#include "controls/KestStringGrid.h"

// The subnet table: "#" column and heading row fixed, rows 1 to `dataRows`
// reading n, 128.15.n.0, 128.15.n.1 - 128.15.n.254, 128.15.n.255.
inline std::unique_ptr<TSuperStringGrid> NewSubnetGrid(int dataRows = 3) {
  auto grid = std::make_unique<TSuperStringGrid>();
  grid->SetColCount(4);
  grid->SetFixedCols(1);
  grid->SetRowCount(dataRows + 1);
  const QStringList headings = {"#", "Subnet ID", "Host Range", "Subnet Broadcast"};
  for (int col = 0; col < 4; ++col) grid->SetCells(col, 0, headings[col]);
  for (int n = 1; n <= dataRows; ++n) {
    const QString net = QString("128.15.%1.").arg(n);
    grid->SetCells(0, n, QString::number(n));
    grid->SetCells(1, n, net + "0");
    grid->SetCells(2, n, net + "1 - " + net + "254");
    grid->SetCells(3, n, net + "255");
  }
  return grid;
}

// Shows the grid at a size that has every row of a small table in view.
inline void Show(TSuperStringGrid& grid, QSize size = {640, 400}) {
  grid.resize(size);
  grid.show();
  QApplication::processEvents();
}

// The texts of a row, joined by "|".
inline QString RowText(const TSuperStringGrid& grid, int row) {
  QStringList texts;
  for (int col = 0; col < grid.ColCount(); ++col) texts << grid.Cells(col, row);
  return texts.join('|');
}
