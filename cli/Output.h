// SPDX-License-Identifier: MIT
#pragma once
// What a command answers, printed as aligned text, one JSON object or CSV, to
// standard output through one buffer. A reader that goes away (a closed pipe)
// ends the program quietly.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class OutputFormat { Text, Json, Csv };

// Standard output, buffered.
class OutputStream {
 public:
  static OutputStream& Standard();
  void Write(std::string_view text);
  void Flush();

 private:
  std::string buffer_;
};

// One answer: a stable key, the caption shown beside it, and its text, or
// nothing where it does not apply ("none" in text, null in JSON). A number's
// text is written bare in JSON; a list is a JSON array.
struct Field {
  Field(std::string key, std::string caption, std::optional<std::string> text, bool number = false)
      : Key(std::move(key)), Caption(std::move(caption)), Text(std::move(text)), Number(number) {}
  Field(std::string key, std::string caption, std::vector<std::string> list)
      : Key(std::move(key)), Caption(std::move(caption)), List(std::move(list)) {}
  std::string Key;
  std::string Caption;
  std::optional<std::string> Text;
  bool Number = false;
  std::optional<std::vector<std::string>> List;
};

struct Column {
  Column(std::string key, std::string caption, std::size_t width, bool number = false)
      : Key(std::move(key)), Caption(std::move(caption)), Width(width), Number(number) {}
  std::string Key;
  std::string Caption;
  std::size_t Width = 0;  // at least as wide as every text of the column
  bool Number = false;    // right-aligned in text, bare in JSON
};

// The cells of one table row, appended one after the other.
class RowCells {
 public:
  void Clear();
  void Add(std::string_view text);
  // Room for `size` characters at the end of the current cell, which End closes at `end`.
  char* Room(std::size_t size);
  void End(const char* end);
  // A cell that `append` writes to the end of a string.
  template <typename Append>
  void AddWith(Append append) {
    append(text_);
    ends_.push_back(text_.size());
  }
  std::size_t Count() const { return ends_.size(); }
  std::string_view Cell(std::size_t index) const;

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

// Rows made one at a time, so that no table is held whole: Next fills the
// next row's cells and says whether there was one.
struct Table {
  std::string Key;
  std::vector<Column> Columns;
  std::function<bool(RowCells&)> Next;
};

struct Report {
  std::vector<Field> Fields;
  std::optional<Table> Rows;
};

void PrintReport(Report& report, OutputFormat format);
