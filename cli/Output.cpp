// SPDX-License-Identifier: MIT
#include "cli/Output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "controls/TableWriter.h"

namespace {

// As the window's Save Table As writes them.
std::string JsonString(std::string_view text) {
  std::string quoted;
  AppendJsonString(quoted, text);
  return quoted;
}

std::string CsvCell(std::string_view text) {
  std::string cell;
  AppendCsvField(cell, text);
  return cell;
}

// Characters on screen: UTF-8 continuation bytes take no room.
std::size_t TextWidth(std::string_view text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

void Pad(OutputStream& out, std::size_t count) {
  static const std::string Spaces(256, ' ');
  while (count > 0) {
    const std::size_t now = count < Spaces.size() ? count : Spaces.size();
    out.Write(std::string_view(Spaces).substr(0, now));
    count -= now;
  }
}

std::string JsonValue(const Field& field) {
  if (field.List) {
    std::string array = "[";
    for (const std::string& item : *field.List) array += (array.size() > 1 ? ", " : "") + JsonString(item);
    return array + "]";
  }
  if (!field.Text) return "null";
  return field.Number ? *field.Text : JsonString(*field.Text);
}

void PrintText(Report& report, OutputStream& out) {
  std::size_t captionWidth = 0;
  for (const Field& field : report.Fields) captionWidth = std::max(captionWidth, TextWidth(field.Caption) + 1);
  for (const Field& field : report.Fields) {
    out.Write(field.Caption);
    out.Write(":");
    Pad(out, captionWidth - TextWidth(field.Caption) + 1);
    if (field.List) {
      for (std::size_t i = 0; i < field.List->size(); ++i) {
        if (i > 0) Pad(out, captionWidth + 2);
        out.Write((*field.List)[i]);
        out.Write("\n");
      }
      if (field.List->empty()) out.Write("none\n");  // as the window says of an empty list
    } else {
      // A text of several lines goes on under itself.
      std::string_view text = field.Text ? std::string_view(*field.Text) : "none";
      for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
        out.Write(text.substr(0, end + 1));
        Pad(out, captionWidth + 2);
      }
      out.Write(text);
      out.Write("\n");
    }
  }
  if (!report.Rows) return;
  Table& table = *report.Rows;
  if (!report.Fields.empty()) out.Write("\n");
  std::vector<std::size_t> widths;
  for (const Column& column : table.Columns) widths.push_back(std::max(column.Width, TextWidth(column.Caption)));
  auto writeRow = [&](auto cell) {
    for (std::size_t i = 0; i < table.Columns.size(); ++i) {
      const std::string_view text = cell(i);
      const std::size_t room = widths[i] > TextWidth(text) ? widths[i] - TextWidth(text) : 0;
      const bool last = i + 1 == table.Columns.size();
      if (table.Columns[i].Kind == ColumnKind::Number) Pad(out, room);
      out.Write(text);
      if (table.Columns[i].Kind != ColumnKind::Number && !last) Pad(out, room);
      out.Write(last ? "\n" : "  ");
    }
  };
  writeRow([&](std::size_t i) { return std::string_view(table.Columns[i].Caption); });
  RowCells cells;
  while ((cells.Clear(), table.Next(cells))) writeRow([&](std::size_t i) { return cells.Cell(i); });
}

void PrintJson(Report& report, OutputStream& out) {
  out.Write("{");
  const char* separator = "\n  ";
  for (const Field& field : report.Fields) {
    out.Write(separator);
    out.Write(JsonString(field.Key) + ": " + JsonValue(field));
    separator = ",\n  ";
  }
  if (report.Rows) {
    Table& table = *report.Rows;
    out.Write(separator);
    out.Write(JsonString(table.Key) + ": [");
    std::vector<std::string> keys;
    for (const Column& column : table.Columns) keys.push_back(JsonString(column.Key) + ": ");
    RowCells cells;
    const char* rowSeparator = "\n    {";
    while ((cells.Clear(), table.Next(cells))) {
      out.Write(rowSeparator);
      for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) out.Write(", ");
        out.Write(keys[i]);
        out.Write(table.Columns[i].Kind == ColumnKind::Number ? std::string(cells.Cell(i)) : JsonString(cells.Cell(i)));
      }
      out.Write("}");
      rowSeparator = ",\n    {";
    }
    out.Write(std::string_view(rowSeparator) == "\n    {" ? "]" : "\n  ]");
  }
  out.Write("\n}\n");
}

void PrintCsv(Report& report, OutputStream& out) {
  Table& table = *report.Rows;
  for (std::size_t i = 0; i < table.Columns.size(); ++i) out.Write((i > 0 ? "," : "") + CsvCell(table.Columns[i].Key));
  out.Write("\n");
  RowCells cells;
  const bool plain = std::ranges::none_of(table.Columns, [](const Column& c) { return c.Kind == ColumnKind::Text; });
  while ((cells.Clear(), table.Next(cells))) {
    if (plain) {
      out.Write(cells.Joined());
    } else {
      for (std::size_t i = 0; i < cells.Count(); ++i) out.Write((i > 0 ? "," : "") + CsvCell(cells.Cell(i)));
    }
    out.Write("\n");
  }
}
}  // namespace

OutputStream& OutputStream::Standard() {
  static OutputStream stream;
  return stream;
}

void OutputStream::Flush() {
  WriteOut({buffer_, used_});
  used_ = 0;
}

void OutputStream::WriteOut(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno == EPIPE) std::_Exit(0);  // the reader has all it wanted
    if (written < 0) {
      std::fprintf(stderr, "orvane: standard output: %s\n", std::strerror(errno));
      std::_Exit(1);
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void PrintReport(Report& report, OutputFormat format) {
  OutputStream& out = OutputStream::Standard();
  switch (format) {
    case OutputFormat::Text: PrintText(report, out); break;
    case OutputFormat::Json: PrintJson(report, out); break;
    case OutputFormat::Csv: PrintCsv(report, out); break;
  }
  out.Flush();
}
