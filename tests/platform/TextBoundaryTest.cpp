// SPDX-License-Identifier: MIT
#include "platform/TextBoundary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using enum TTextUnit;
using enum TTextSide;

std::u16string Part(std::u16string_view text, TTextSpan span) {
  if (span.Start < 0) return u"<none>";
  return std::u16string(text.substr(static_cast<std::size_t>(span.Start), static_cast<std::size_t>(span.End - span.Start)));
}

std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

struct TCase {
  std::u16string_view Text;
  TTextUnit Unit;
  TTextSide Side;
  int Offset;
  std::u16string_view Expected;
  TTextSpan Span;
};

TEST(TextBoundaryTest, FindsTheUnitAroundAnOffset) {
  const TCase cases[] = {
      {u"10.1.2.3", Character, At, 2, u".", {2, 3}},
      {u"10.1.2.3", Character, At, 8, u"", {8, 8}},
      {u"10.1.2.3", Character, Before, 8, u"3", {7, 8}},
      {u"10.1.2.3", Character, After, 7, u"", {8, 8}},
      {u"10.1.2.3", Character, At, -1, u"", {8, 8}},
      {u"a\U0001F600b", Character, At, 2, u"\U0001F600", {1, 3}},
      {u"a\U0001F600b", Character, After, 1, u"b", {3, 4}},
      {u"10.1.2.3", Word, At, 0, u"10.", {0, 3}},
      {u"10.1.2.3", Word, At, 2, u"10.", {0, 3}},
      {u"10.1.2.3", Word, At, 8, u"3", {7, 8}},
      {u"10.1.2.3", Word, At, -1, u"3", {7, 8}},
      {u"10.1.2.3", Word, Before, 8, u"2.", {5, 7}},
      {u"10.1.2.3", Word, After, 8, u"", {8, 8}},
      {u"10.1.2.3", Word, Before, 1, u"", {0, 0}},
      {u"  Class A", Word, At, 0, u"  ", {0, 2}},
      {u"  Class A", Word, After, 0, u"Class ", {2, 8}},
      {u"Host Bits: 8", Word, At, 11, u"8", {11, 12}},
      {u"Not valid. Try again!", Sentence, At, 3, u"Not valid. ", {0, 11}},
      {u"Not valid. Try again!", Sentence, At, 21, u"Try again!", {11, 21}},
      {u"Not valid. Try again!", Sentence, Before, 21, u"Not valid. ", {0, 11}},
      {u"Not valid. Try again!", Sentence, After, 21, u"", {21, 21}},
      {u"1.2.3.4 is fine", Sentence, At, 4, u"1.2.3.4 is fine", {0, 15}},
      {u"Class B\r\nPrivate", Sentence, At, 12, u"Private", {9, 16}},
      {u"Class B\r\nPrivate", Line, At, 0, u"Class B\r\n", {0, 9}},
      {u"Class B\r\nPrivate", Line, At, 8, u"Class B\r\n", {0, 9}},
      {u"Class B\r\nPrivate", Line, At, 16, u"Private", {9, 16}},
      {u"Class B\r\nPrivate", Paragraph, Before, 16, u"Class B\r\n", {0, 9}},
      {u"Class B\rPrivate\n", Line, After, 0, u"Private\n", {8, 16}},
      {u"Class B\rPrivate\n", Line, At, 16, u"Private\n", {8, 16}},
      {u"Class B", Whole, At, 3, u"Class B", {0, 7}},
      {u"Class B", Whole, Before, 3, u"", {0, 0}},
      {u"Class B", Whole, After, 3, u"", {7, 7}},
      {u"", Word, At, 0, u"", {0, 0}},
      {u"", Character, After, -1, u"", {0, 0}},
      {u"", Line, At, 1, u"<none>", {-1, -1}},
      {u"ab", Word, At, 3, u"<none>", {-1, -1}},
      {u"ab", Sentence, Before, -2, u"<none>", {-1, -1}},
  };
  for (const TCase& c : cases) {
    const TTextSpan span = TextUnitSpan(c.Text, c.Unit, c.Side, c.Offset);
    SCOPED_TRACE(Narrow(c.Text) + " unit " + std::to_string(int(c.Unit)) + " side " + std::to_string(int(c.Side)) +
                 " offset " + std::to_string(c.Offset));
    EXPECT_EQ(c.Span, span);
    EXPECT_EQ(c.Expected, Part(c.Text, span));
  }
}

// Every answer is a span inside the text, and the units at the offsets of the
// text cover it without gaps or overlaps.
TEST(TextBoundaryTest, UnitsTileTheText) {
  const std::u16string_view texts[] = {u"", u"x", u"10.1.2.3", u" Not valid.  Try\r\nagain! \n", u"a\U0001F600 b"};
  for (const std::u16string_view text : texts) {
    const int size = static_cast<int>(text.size());
    for (const TTextUnit unit : {Character, Word, Sentence, Line, Paragraph, Whole}) {
      SCOPED_TRACE(Narrow(text) + " unit " + std::to_string(int(unit)));
      TTextSpan previous{0, 0};
      while (previous.End < size) {
        const TTextSpan span = TextUnitSpan(text, unit, At, previous.End);
        ASSERT_EQ(previous.End, span.Start);
        ASSERT_GT(span.End, span.Start);
        EXPECT_EQ(span, TextUnitSpan(text, unit, At, span.End - 1));
        EXPECT_EQ(previous, TextUnitSpan(text, unit, Before, span.Start));
        if (span.Start > 0) {
          EXPECT_EQ(span, TextUnitSpan(text, unit, After, previous.Start));
        }
        previous = span;
      }
      for (int offset = -1; offset <= size; ++offset) {
        for (const TTextSide side : {Before, At, After}) {
          const TTextSpan span = TextUnitSpan(text, unit, side, offset);
          EXPECT_TRUE(0 <= span.Start && span.Start <= span.End && span.End <= size) << offset;
        }
      }
    }
  }
}

}  // namespace
