// SPDX-License-Identifier: MIT
#pragma once
// What a command answers, printed as aligned text, one JSON object or CSV, to
// standard output through one buffer. A reader that goes away (a closed pipe)
// ends the program quietly.
#include <cstddef>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class OutputFormat { Text, Json, Csv };

// Standard output, buffered. Write is inline: a table of millions of rows
// writes a few cells each.
class OutputStream {
 public:
  static OutputStream& Standard();
  void Write(std::string_view text) {
    if (text.size() > sizeof buffer_ - used_) {
      Flush();
      if (text.size() > sizeof buffer_) return WriteOut(text);
    }
    std::memcpy(buffer_ + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Flush();

 private:
  void WriteOut(std::string_view text);
  char buffer_[1 << 16];
  std::size_t used_ = 0;
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

// Text: left-aligned, a JSON string, quoted in CSV where it must be.
// Number: right-aligned, bare in JSON. Plain: a text that never holds a
// comma, quote or line break (an address), so CSV need not look.
enum class ColumnKind { Text, Number, Plain };

struct Column {
  Column(std::string key, std::string caption, std::size_t width, ColumnKind kind = ColumnKind::Text)
      : Key(std::move(key)), Caption(std::move(caption)), Width(width), Kind(kind) {}
  std::string Key;
  std::string Caption;
  std::size_t Width = 0;  // at least as wide as every text of the column
  ColumnKind Kind = ColumnKind::Text;
};

// The cells of one table row, kept one after the other joined by commas, so
// that a row of plain cells is its CSV line.
class RowCells {
 public:
  void Clear() {
    text_.clear();
    ends_.clear();
  }
  void Add(std::string_view text) {
    Open();
    text_.append(text);
    ends_.push_back(text_.size());
  }
  // Room for `size` characters in a new cell, which End closes at `end`.
  char* Room(std::size_t size) {
    Open();
    const std::size_t start = text_.size();
    text_.resize(start + size);
    return text_.data() + start;
  }
  void End(const char* end) {
    text_.resize(static_cast<std::size_t>(end - text_.data()));
    ends_.push_back(text_.size());
  }
  // A cell that `append` writes to the end of a string.
  template <typename Append>
  void AddWith(Append append) {
    Open();
    append(text_);
    ends_.push_back(text_.size());
  }
  std::size_t Count() const { return ends_.size(); }
  std::string_view Cell(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : ends_[index - 1] + 1;
    return std::string_view(text_).substr(start, ends_[index] - start);
  }
  // The cells joined by commas.
  std::string_view Joined() const { return text_; }

 private:
  void Open() {
    if (!ends_.empty()) text_.push_back(',');
  }
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
