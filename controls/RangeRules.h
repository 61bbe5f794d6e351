// SPDX-License-Identifier: MIT
#pragma once
// The rules of a From/To range of table rows chosen with two spin edits: the
// ends stay in order, a large range is confirmed first, and a range beyond the
// largest table is refused.
#include <cstdint>
#include <string>

struct TRowRange {
  std::int32_t From;
  std::int32_t To;
};

enum class TRangeEnd { None, From, To };

// A span To - From above this asks the user first (15001 rows are shown without a question).
constexpr std::int64_t LargeRangeSpan = 15000;
// The most rows a range may have: the largest subnet table.
constexpr std::int64_t MaxRangeRows = 4194304;

// Raising From drags To up; lowering To drags From down. An end that did not
// change is the one that moves.
TRowRange OrderRange(TRowRange range, TRangeEnd changed);

inline std::int64_t RangeRows(TRowRange range) { return std::int64_t{range.To} - range.From + 1; }
inline bool RangeTooLarge(TRowRange range) { return RangeRows(range) > MaxRangeRows; }
inline bool RangeNeedsConfirmation(TRowRange range) {
  return std::int64_t{range.To} - range.From > LargeRangeSpan;
}

// The question before a large range, and the explanation of a refused one,
// both wrapped for a message box.
std::string LargeRangeQuestion();
std::string RangeTooLargeText();

// A copy of more rows than this asks the user first; one of more than
// MaxRangeRows rows is refused, its text being too large for the clipboard.
constexpr std::int64_t LargeCopyRows = 1000000;
std::string LargeCopyQuestion(std::int64_t rows);
std::string CopyTooLargeText();
