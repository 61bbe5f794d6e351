// SPDX-License-Identifier: MIT
#include "prefix/ResultLines.h"

#include <gtest/gtest.h>

TEST(BreakLines, BreaksAfterTheLastSeparatorThatFitsElseAtTheWidth) {
  struct Case {
    const char* Text;
    std::size_t Width;
    const char* Expected;
  };
  const Case cases[] = {
      {"2001:db8::1", 32, "2001:db8::1"},
      {"0000:1111:2222:3333", 10, "0000:1111:\n2222:3333"},
      {"1.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa", 16, "1.0.0.0.0.0.0.0.\n8.b.d.0.1.0.0.2.\nip6.arpa"},
      {"340282366920938463463374607431768211455", 16, "3402823669209384\n6346337460743176\n8211455"},
      {"abcd:ef", 4, "abcd\n:ef"},
      {"", 8, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(BreakLines(c.Text, c.Width, ".:"), c.Expected) << c.Text;
}
