// SPDX-License-Identifier: MIT
#include "controls/RangeRules.h"

#include "app/WrapMessage.h"

TRowRange OrderRange(TRowRange range, TRangeEnd changed) {
  if (changed == TRangeEnd::From && range.From > range.To) range.To = range.From;
  if (changed == TRangeEnd::To && range.To < range.From) range.From = range.To;
  return range;
}

std::string LargeRangeQuestion() {
  return WrapMessage(
      "You have chosen to show a large number of items which could take a long time to process and/or a lot of "
      "memory to display.\r\n\r\nDo you want to continue with this operation?",
      80);
}

std::string RangeTooLargeText() {
  const std::string rows = std::to_string(MaxRangeRows);
  return WrapMessage("You have chosen to show more items than can be displayed.\r\n\r\nThe largest range that "
                     "can be shown has " +
                         rows + " items, for example from 0 to " + std::to_string(MaxRangeRows - 1) + ".",
                     80);
}

std::string LargeCopyQuestion(std::int64_t rows) {
  return WrapMessage("You have chosen to copy " + std::to_string(rows) +
                         " rows, which could take a long time and a lot of memory.\r\n\r\nDo you want to "
                         "continue with this operation?",
                     80);
}

std::string CopyTooLargeText() {
  return WrapMessage("You have chosen to copy more rows than the clipboard can take.\r\n\r\nThe most rows that "
                     "can be copied at once are " +
                         std::to_string(MaxRangeRows) + ".",
                     80);
}
