// SPDX-License-Identifier: MIT
#include "controls/TableWriter.h"

#include <set>
#include <stdexcept>
#include <utility>

namespace {
// A plain loop: find_first_of searches the set once per character, several times slower.
bool NeedsCsvQuotes(std::string_view text) {
  for (char c : text)
    if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
  return false;
}
}  // namespace

void AppendCsvField(std::string& out, std::string_view text) {
  if (!NeedsCsvQuotes(text)) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += Hex[byte >> 4];
          out += Hex[byte & 0xF];
        } else {
          out += c;  // UTF-8 passes through as it is
        }
    }
  }
  out += '"';
}

std::vector<std::string> TableWriter::UniqueKeys(const std::vector<std::string>& headings) {
  std::vector<std::string> keys;
  for (std::size_t col = 0; col < headings.size(); ++col)
    keys.push_back(headings[col].empty() ? "Column " + std::to_string(col + 1) : headings[col]);
  // A repeated key takes the first number that no heading already has.
  std::set<std::string> used(keys.begin(), keys.end());
  std::set<std::string> seen;
  for (std::string& key : keys) {
    if (seen.insert(key).second) continue;
    std::string numbered;
    for (int n = 2; !used.insert(numbered = key + " " + std::to_string(n)).second; ++n) {
    }
    key = std::move(numbered);
  }
  return keys;
}

TableWriter::TableWriter(TTableFormat format, std::vector<std::string> headings)
    : Format(format), Headings(std::move(headings)) {
  if (Format != TTableFormat::tfJson) return;
  for (const std::string& key : UniqueKeys(Headings)) {
    std::string quoted;
    AppendJsonString(quoted, key);
    Keys.push_back(quoted + ": ");
  }
}

void TableWriter::AppendCsvRecord(std::string& out, TGridRowNumber row, const TAppendTableCell& cell,
                                  std::string& text) const {
  for (std::size_t col = 0; col < Headings.size(); ++col) {
    if (col > 0) out += ',';
    // Straight into the record; the rare field that needs quotes is written again.
    const std::size_t start = out.size();
    cell(row, static_cast<int>(col), out);
    if (!NeedsCsvQuotes(std::string_view(out).substr(start))) continue;
    text.assign(out, start);
    out.resize(start);
    AppendCsvField(out, text);
  }
  out += "\r\n";
}

void TableWriter::AppendJsonObject(std::string& out, TGridRowNumber row, const TAppendTableCell& cell,
                                   std::string& text) const {
  out += row == 0 ? "\n  {" : ",\n  {";
  for (std::size_t col = 0; col < Keys.size(); ++col) {
    if (col > 0) out += ", ";
    out += Keys[col];
    text.clear();
    cell(row, static_cast<int>(col), text);
    AppendJsonString(out, text);
  }
  out += '}';
}

bool TableWriter::Write(TGridRowNumber rowCount, const TAppendTableCell& cell, const TTableSink& sink) const {
  if (rowCount > MaxRows) throw std::length_error("too many rows to write");
  std::string out;
  out.reserve(PieceSize + PieceSize / 4);
  std::string text;
  if (Format == TTableFormat::tfCsv) {
    for (std::size_t col = 0; col < Headings.size(); ++col) {
      if (col > 0) out += ',';
      AppendCsvField(out, Headings[col]);
    }
    out += "\r\n";
  } else {
    out += '[';
  }
  for (TGridRowNumber row = 0; row < rowCount; ++row) {
    if (Format == TTableFormat::tfCsv)
      AppendCsvRecord(out, row, cell, text);
    else
      AppendJsonObject(out, row, cell, text);
    if (out.size() >= PieceSize) {
      if (!sink(out, row + 1)) return false;
      out.clear();
    }
  }
  if (Format == TTableFormat::tfJson) out += rowCount == 0 ? "]\n" : "\n]\n";
  return sink(out, rowCount);
}
