// SPDX-License-Identifier: MIT
#pragma once
// Writes a table to a file as CSV or JSON, a row at a time: the rows come from
// a function of their number and the text goes to a sink in pieces of bounded
// size, so a table of any length is written without being held in memory.
//
// CSV follows RFC 4180: UTF-8, the headings as the first record, CR LF after
// every record, and a field quoted (its quotes doubled) when it holds a comma,
// a quote, CR or LF. JSON is an array of one object per row, keyed by the
// headings; empty headings become "Column <n>" and repeated ones get " 2",
// " 3", ... so that every key is different.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/GridRowSource.h"

enum class TTableFormat { tfCsv, tfJson };

// Appends the text of column `col` of row `row` (0 is the first row below the headings) to `out`.
using TAppendTableCell = std::function<void(TGridRowNumber row, int col, std::string& out)>;
// Takes the next piece of the file, with the number of rows written up to its
// end; false stops the writing (a failed write, or the user cancelled).
using TTableSink = std::function<bool(std::string_view bytes, TGridRowNumber rowsWritten)>;

class TableWriter {
 public:
  // The most rows a table may have to be written.
  static constexpr TGridRowNumber MaxRows = 100'000'000;
  // The size the sink's pieces grow to before they are handed on.
  static constexpr std::size_t PieceSize = 256 * 1024;

  TableWriter(TTableFormat format, std::vector<std::string> headings);

  // Writes the headings and rows 0 to rowCount - 1. False when the sink
  // stopped the writing. Throws std::length_error above MaxRows rows.
  bool Write(TGridRowNumber rowCount, const TAppendTableCell& cell, const TTableSink& sink) const;

  // The JSON keys for `headings`.
  static std::vector<std::string> UniqueKeys(const std::vector<std::string>& headings);

 private:
  void AppendCsvRecord(std::string& out, TGridRowNumber row, const TAppendTableCell& cell, std::string& text) const;
  void AppendJsonObject(std::string& out, TGridRowNumber row, const TAppendTableCell& cell, std::string& text) const;

  TTableFormat Format;
  std::vector<std::string> Headings;
  std::vector<std::string> Keys;  // JSON only: each unique key, escaped and quoted, with its colon
};

// Appends `text` to `out` as a CSV field.
void AppendCsvField(std::string& out, std::string_view text);
// Appends `text` to `out` as a JSON string, quotes included.
void AppendJsonString(std::string& out, std::string_view text);
