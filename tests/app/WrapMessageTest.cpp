// SPDX-License-Identifier: MIT
#include "app/WrapMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(WrapMessage, LeavesShortTextAlone) {
  const std::string exactly80(80, 'x');
  EXPECT_EQ(WrapMessage(exactly80, 80), exactly80);
  EXPECT_EQ(WrapMessage("", 80), "");
  const std::string words = "a b c d";
  EXPECT_EQ(WrapMessage(words, 80), words);
}

TEST(WrapMessage, BreaksAfterTheLastSpaceThatFits) {
  EXPECT_EQ(WrapMessage("The Class D IP Addresses in the range 224.0.0.0 - 239.255.255.255 are reserved for "
                        "multicasting and cannot be subnetted.",
                        80),
            "The Class D IP Addresses in the range 224.0.0.0 - 239.255.255.255 are reserved \r\n"
            "for multicasting and cannot be subnetted.");
  EXPECT_EQ(WrapMessage("aaa bbb ccc", 5), "aaa \r\nbbb \r\nccc");
}

TEST(WrapMessage, KeepsExistingLineEndsAndBlankLines) {
  const std::string question =
      "You have chosen to show a large number of items which could take a long time to process and/or a "
      "lot of memory to display.\r\n\r\nDo you want to continue with this operation?";
  EXPECT_EQ(WrapMessage(question, 80),
            "You have chosen to show a large number of items which could take a long time to \r\n"
            "process and/or a lot of memory to display.\r\n\r\n"
            "Do you want to continue with this operation?");
  EXPECT_EQ(WrapMessage("one\r\ntwo", 80), "one\r\ntwo");
}

TEST(WrapMessage, NeverSplitsLongWordsOrQuotedText) {
  const std::string longWord(100, 'w');
  EXPECT_EQ(WrapMessage(longWord + " tail", 80), longWord + " \r\ntail");
  EXPECT_EQ(WrapMessage("ab \"cd ef gh\" ij", 6), "ab \r\n\"cd ef gh\" \r\nij");
}

TEST(WrapMessage, ReservedAddressMessagesFitEightyColumns) {
  const std::string message =
      "The IP Address 127.x.x.x is a reserved loopback source/destination address meaning \"local host\" "
      "and cannot be subnetted.";
  const std::string wrapped = WrapMessage(message, 80);
  std::size_t start = 0;
  for (std::size_t end; (end = wrapped.find("\r\n", start)) != std::string::npos; start = end + 2)
    EXPECT_LE(end - start, 80u);
  EXPECT_LE(wrapped.size() - start, 80u);
  std::string unwrapped = wrapped;
  for (std::size_t at; (at = unwrapped.find("\r\n")) != std::string::npos;) unwrapped.erase(at, 2);
  EXPECT_EQ(unwrapped, message);
}

}  // namespace
