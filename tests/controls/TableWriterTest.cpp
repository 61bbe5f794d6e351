// SPDX-License-Identifier: MIT
#include "controls/TableWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {
using TRows = std::vector<std::vector<std::string>>;

TAppendTableCell CellsOf(const TRows& rows) {
  return [&rows](TGridRowNumber row, int col, std::string& out) { out += rows[static_cast<std::size_t>(row)][col]; };
}

std::string Written(TTableFormat format, const std::vector<std::string>& headings, const TRows& rows) {
  std::string file;
  const bool done = TableWriter(format, headings).Write(rows.size(), CellsOf(rows), [&](std::string_view bytes, TGridRowNumber) {
    file += bytes;
    return true;
  });
  EXPECT_TRUE(done);
  return file;
}

TEST(TableWriter, QuotesCsvFieldsAsRfc4180Says) {
  const struct {
    const char* Text;
    const char* Field;
  } cases[] = {
      {"10.0.0.1 - 10.0.0.2", "10.0.0.1 - 10.0.0.2"},
      {"", ""},
      {"0,0123", "\"0,0123\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"\"", "\"\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"cr\ronly", "\"cr\ronly\""},
      {"lf\nonly", "\"lf\nonly\""},
      {" spaces kept ", " spaces kept "},
      {"tab\there", "tab\there"},
      {"Größe µs", "Größe µs"},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendCsvField(out, c.Text);
    EXPECT_EQ(out, c.Field) << c.Text;
  }
}

TEST(TableWriter, EscapesJsonStrings) {
  const struct {
    std::string Text;
    const char* Json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"", "\"\""},
      {"a \"quote\" and \\", "\"a \\\"quote\\\" and \\\\\""},
      {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
      {std::string("nul\0.", 5), "\"nul\\u0000.\""},
      {"\x01\x1f\x7f", "\"\\u0001\\u001f\x7f\""},
      {"/ stays", "\"/ stays\""},
      {"Größe µs ∞ 😀", "\"Größe µs ∞ 😀\""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonString(out, c.Text);
    EXPECT_EQ(out, c.Json) << c.Text;
  }
}

TEST(TableWriter, MakesEveryJsonKeyDifferent) {
  const struct {
    std::vector<std::string> Headings;
    std::vector<std::string> Keys;
  } cases[] = {
      {{"#", "Subnet ID", "Host Range"}, {"#", "Subnet ID", "Host Range"}},
      {{"Host", "Host", "Host"}, {"Host", "Host 2", "Host 3"}},
      {{"A", "A", "A 2"}, {"A", "A 3", "A 2"}},
      {{"", "Name", ""}, {"Column 1", "Name", "Column 3"}},
      {{"Column 2", ""}, {"Column 2", "Column 2 2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(TableWriter::UniqueKeys(c.Headings), c.Keys);
}

TEST(TableWriter, WritesWholeTables) {
  const std::vector<std::string> headings = {"#", "Delay (sec)", "Delay (sec)"};
  const struct {
    const char* Name;
    TTableFormat Format;
    TRows Rows;
    const char* File;
  } cases[] = {
      {"CSV", TTableFormat::tfCsv, {{"1", "0,5", "x"}, {"2", "", "\"y\""}},
       "#,Delay (sec),Delay (sec)\r\n1,\"0,5\",x\r\n2,,\"\"\"y\"\"\"\r\n"},
      {"CSV without rows", TTableFormat::tfCsv, {}, "#,Delay (sec),Delay (sec)\r\n"},
      {"JSON", TTableFormat::tfJson, {{"1", "0,5", "x"}, {"2", "", "\"y\""}},
       "[\n"
       "  {\"#\": \"1\", \"Delay (sec)\": \"0,5\", \"Delay (sec) 2\": \"x\"},\n"
       "  {\"#\": \"2\", \"Delay (sec)\": \"\", \"Delay (sec) 2\": \"\\\"y\\\"\"}\n"
       "]\n"},
      {"JSON without rows", TTableFormat::tfJson, {}, "[]\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Written(c.Format, headings, c.Rows), c.File) << c.Name;
}

TEST(TableWriter, StreamsInBoundedPiecesAndStopsWhenTheSinkFails) {
  // Rows of about 40 bytes, as the largest subnet table has.
  const TGridRowNumber rows = 100'000;
  const TAppendTableCell cell = [](TGridRowNumber row, int, std::string& out) {
    out += "10.0.0." + std::to_string(static_cast<unsigned>(row % 256)) + " - 10.255.255.254";
  };
  const TableWriter writer(TTableFormat::tfCsv, {"Host Range", "Subnet"});
  std::size_t total = 0, largest = 0, pieces = 0;
  TGridRowNumber lastDone = 0;
  EXPECT_TRUE(writer.Write(rows, cell, [&](std::string_view bytes, TGridRowNumber done) {
    EXPECT_GE(done, lastDone);
    lastDone = done;
    total += bytes.size();
    largest = std::max(largest, bytes.size());
    ++pieces;
    return true;
  }));
  EXPECT_EQ(lastDone, rows);
  EXPECT_GT(pieces, 10u);
  EXPECT_LT(largest, TableWriter::PieceSize + 1024);

  // A sink that fails, as a full disk does, ends the writing at once.
  std::size_t calls = 0;
  EXPECT_FALSE(writer.Write(rows, cell, [&](std::string_view, TGridRowNumber) { return ++calls < 3; }));
  EXPECT_EQ(calls, 3u);
}

TEST(TableWriter, RefusesTablesAboveTheLimit) {
  const TAppendTableCell none = [](TGridRowNumber, int, std::string&) { FAIL() << "no row is read"; };
  const TTableSink sink = [](std::string_view, TGridRowNumber) { return true; };
  const TableWriter writer(TTableFormat::tfJson, {"Prefix"});
  EXPECT_THROW(writer.Write(TableWriter::MaxRows + 1, none, sink), std::length_error);
  EXPECT_THROW(writer.Write(~TGridRowNumber(0), none, sink), std::length_error);
}
}  // namespace
