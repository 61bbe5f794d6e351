// SPDX-License-Identifier: MIT
#include "controls/GridCellStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {
// The plain model the store must behave like.
struct TModel {
  int Cols = 0;
  int Rows = 0;
  std::vector<std::vector<std::string>> Texts;  // [col][row]

  void SetSize(int cols, int rows) {
    Texts.resize(static_cast<std::size_t>(cols));
    for (auto& column : Texts) column.resize(static_cast<std::size_t>(rows));
    Cols = cols;
    Rows = rows;
  }
};

void ExpectSame(const TGridCellStore& store, const TModel& model, const std::string& step) {
  ASSERT_EQ(store.ColCount(), model.Cols) << step;
  ASSERT_EQ(store.RowCount(), model.Rows) << step;
  for (int col = 0; col < model.Cols; ++col) {
    store.ForEachText(col, 0, model.Rows - 1, [&](int row, std::string_view text) {
      ASSERT_EQ(text, model.Texts[col][row]) << step << " at " << col << "," << row;
      ASSERT_EQ(store.Text(col, row), text) << step;
    });
  }
}

TEST(GridCellStore, WritesInAnyOrderReadBack) {
  struct TWrite {
    int Col, Row;
    const char* Text;
  };
  const struct {
    const char* Name;
    std::vector<TWrite> Writes;
  } cases[] = {
      {"in order", {{0, 0, "a"}, {1, 0, "b"}, {0, 1, "c"}, {1, 1, "d"}}},
      {"rows skipped stay empty", {{0, 5, "far"}, {0, 2, "near"}}},
      {"last row rewritten longer and shorter", {{0, 0, "x"}, {0, 1, "yy"}, {0, 1, "a longer text"}, {0, 1, ""}}},
      {"earlier row edited then restored", {{1, 0, "one"}, {1, 1, "two"}, {1, 0, "uno"}, {1, 0, "one"}}},
      {"empty texts keep their rows", {{0, 0, ""}, {0, 1, ""}, {0, 2, "z"}}},
      {"multibyte text", {{0, 3, "Gr\xC3\xB6\xC3\x9F" "e"}, {0, 1, "\xC2\xB5s"}}},
      {"outside the grid ignored", {{-1, 0, "no"}, {2, 0, "no"}, {0, -1, "no"}, {0, 8, "no"}, {0, 0, "yes"}}},
  };
  for (const auto& c : cases) {
    TGridCellStore store;
    store.SetSize(2, 8);
    TModel model;
    model.SetSize(2, 8);
    for (const TWrite& w : c.Writes) {
      store.SetText(w.Col, w.Row, w.Text);
      if (w.Col >= 0 && w.Col < 2 && w.Row >= 0 && w.Row < 8) model.Texts[w.Col][w.Row] = w.Text;
    }
    ExpectSame(store, model, c.Name);
  }
}

TEST(GridCellStore, ResizingKeepsTheTextsInside) {
  TGridCellStore store;
  store.SetSize(3, 4);
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 4; ++row) store.SetText(col, row, std::to_string(col * 10 + row));
  store.SetText(1, 1, "edited");
  store.SetSize(2, 2);
  store.SetSize(3, 5);
  EXPECT_EQ(store.Text(0, 1), "1");
  EXPECT_EQ(store.Text(1, 1), "edited");
  EXPECT_EQ(store.Text(1, 0), "10");
  for (int row = 0; row < 5; ++row) EXPECT_EQ(store.Text(2, row), "") << row;
  for (int col = 0; col < 3; ++col) EXPECT_EQ(store.Text(col, 2), "") << col;
}

TEST(GridCellStore, MovesColumnsAndRowsWithTheirTexts) {
  const struct {
    bool Column;
    int From, To;
    std::vector<std::string> Expected;  // column 0 after a row move, row 1 after a column move
  } cases[] = {
      {false, 1, 3, {"r0", "r2", "r3", "r1", "r4"}},
      {false, 4, 0, {"r4", "r0", "r1", "r2", "r3"}},
      {false, 2, 2, {"r0", "r1", "r2", "r3", "r4"}},
      {true, 0, 2, {"c1", "c2", "c0"}},
      {true, 2, 1, {"c0", "c2", "c1"}},
  };
  for (const auto& c : cases) {
    TGridCellStore store;
    store.SetSize(3, 5);
    if (c.Column) {
      for (int col = 0; col < 3; ++col) store.SetText(col, 1, "c" + std::to_string(col));
      store.MoveColumn(c.From, c.To);
      for (int col = 0; col < 3; ++col) EXPECT_EQ(store.Text(col, 1), c.Expected[col]) << c.From << "->" << c.To;
    } else {
      for (int row = 0; row < 5; ++row) store.SetText(0, row, "r" + std::to_string(row));
      store.SetText(0, 2, "r2");  // the same text again, through the edited-cell path
      store.MoveRow(c.From, c.To);
      for (int row = 0; row < 5; ++row) EXPECT_EQ(store.Text(0, row), c.Expected[row]) << c.From << "->" << c.To;
    }
  }
}

TEST(GridCellStore, AgreesWithAPlainModelUnderRandomEdits) {
  // Enough edits above the last written row to merge the edited cells back
  // into the buffers several times.
  std::mt19937 random(7);
  TGridCellStore store;
  TModel model;
  store.SetSize(3, 20000);
  model.SetSize(3, 20000);
  auto text = [&random] {
    std::string t(random() % 12, 'a');
    for (char& ch : t) ch = static_cast<char>('a' + random() % 26);
    return t;
  };
  for (int step = 0; step < 60000; ++step) {
    const unsigned kind = random() % 1000;
    if (kind < 2) {
      const int cols = 1 + static_cast<int>(random() % 4);
      const int rows = 1 + static_cast<int>(random() % 25000);
      store.SetSize(cols, rows);
      model.SetSize(cols, rows);
    } else if (kind < 4) {
      const int from = static_cast<int>(random() % model.Rows);
      const int to = static_cast<int>(random() % model.Rows);
      store.MoveRow(from, to);
      for (auto& column : model.Texts) MoveItem(column, from, to);
    } else if (kind < 6) {
      const int top = static_cast<int>(random() % model.Rows);
      const int bottom = std::min(model.Rows - 1, top + static_cast<int>(random() % 9000));
      const int left = static_cast<int>(random() % model.Cols);
      store.Clear({left, top, model.Cols - 1, bottom});
      for (int col = left; col < model.Cols; ++col)
        for (int row = top; row <= bottom; ++row) model.Texts[col][row].clear();
    } else {
      const int col = static_cast<int>(random() % model.Cols);
      const int row = static_cast<int>(random() % model.Rows);
      const std::string t = text();
      store.SetText(col, row, t);
      model.Texts[col][row] = t;
    }
    if (step % 5000 == 0) ExpectSame(store, model, "step " + std::to_string(step));
  }
  ExpectSame(store, model, "end");
}

TEST(GridCellStore, HoldsABigTableInLittleMoreThanItsText) {
  // Four columns as in the largest subnet table: the texts plus four bytes of
  // offset per cell, with no slack left once every column is filled.
  const int rows = 200000;
  TGridCellStore store;
  store.SetSize(4, rows);
  std::size_t textBytes = 0;
  for (int row = 0; row < rows; ++row) {
    const std::string number = std::to_string(row);
    const std::string address = "10.255.255." + std::to_string(row % 256);
    const std::string range = address + " - " + address;
    for (const std::string* t : {&number, &address, &range, &address}) textBytes += t->size();
    store.SetText(0, row, number);
    store.SetText(1, row, address);
    store.SetText(2, row, range);
    store.SetText(3, row, address);
  }
  const std::size_t overhead = store.AllocatedBytes() - textBytes;
  EXPECT_LE(overhead, static_cast<std::size_t>(rows) * 4 * 4 + 4096);
  EXPECT_EQ(store.Text(2, rows - 1), "10.255.255.63 - 10.255.255.63");
}
}  // namespace

namespace {
TEST(GridCellStore, RefillingFromTheTopRebuildsInsteadOfEditing) {
  const int rows = 50000;
  TGridCellStore store;
  store.SetSize(1, rows);
  for (int row = 0; row < rows; ++row) store.SetText(0, row, "old " + std::to_string(row));
  const std::size_t filled = store.AllocatedBytes();
  store.SetText(0, 0, "Heading");
  for (int row = 1; row < rows / 2; ++row) store.SetText(0, row, "new " + std::to_string(row));
  // Half way: the rows not yet written still read as before.
  EXPECT_EQ(store.Text(0, rows / 2 - 1), "new " + std::to_string(rows / 2 - 1));
  EXPECT_EQ(store.Text(0, rows / 2), "old " + std::to_string(rows / 2));
  EXPECT_EQ(store.Text(0, rows - 1), "old " + std::to_string(rows - 1));
  for (int row = rows / 2; row < rows; ++row) store.SetText(0, row, "new " + std::to_string(row));
  EXPECT_EQ(store.Text(0, 0), "Heading");
  EXPECT_EQ(store.Text(0, rows - 1), "new " + std::to_string(rows - 1));
  EXPECT_LE(store.AllocatedBytes(), filled + 64);
}
}  // namespace
