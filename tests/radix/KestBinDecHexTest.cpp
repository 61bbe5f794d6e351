// SPDX-License-Identifier: MIT
#include "radix/KestBinDecHex.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {
constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();

std::string Repeat(char c, int count) { return std::string(static_cast<std::size_t>(count), c); }

struct ParseCase {
  const char* Name;
  std::function<std::int64_t(const std::string&)> Parse;
  std::string Text;
  std::int64_t Expected;
};

TEST(KestBinDecHexTest, ParsersShiftDigitsInAndNeverFail) {
  const std::vector<ParseCase> cases = {
      {"bin empty", BinStrToInt, "", 0},
      {"bin 101", BinStrToInt, "101", 5},
      {"bin 64 ones", BinStrToInt, Repeat('1', 64), -1},
      {"bin one and 64 zeros", BinStrToInt, "1" + Repeat('0', 64), 0},
      {"bin other characters count as 0", BinStrToInt, "102", 4},
      {"bin top bit", BinStrToInt, "1" + Repeat('0', 63), Int64Min},
      {"hex empty", HexStrToInt, "", 0},
      {"hex leading zeros", HexStrToInt, "0000AA", 170},
      {"hex lower case", HexStrToInt, "ff", 255},
      {"hex non-digit counts as 0", HexStrToInt, "1G", 16},
      {"hex largest", HexStrToInt, "7" + Repeat('f', 15), Int64Max},
      {"hex 17 digits keep the low 64 bits", HexStrToInt, Repeat('F', 17), -1},
      {"hex mixed case", HexStrToInt, "55c10F7e", 0x55C10F7E},
      {"oct empty", OctStrToInt, "", 0},
      {"oct 377", OctStrToInt, "377", 255},
      {"oct all bits", OctStrToInt, "1" + Repeat('7', 21), -1},
      {"oct 12560207576", OctStrToInt, "12560207576", 1438715774},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Parse(c.Text), c.Expected) << c.Name;
}

TEST(KestBinDecHexTest, HexDigitValueOfEveryCharacter) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    int expected = 0;
    if (c >= '0' && c <= '9') expected = c - '0';
    if (c >= 'A' && c <= 'F') expected = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') expected = c - 'a' + 10;
    EXPECT_EQ(HexDigitValue(c), expected) << "code " << code;
  }
}

struct FormatCase {
  const char* Name;
  std::string Actual;
  std::string Expected;
};

TEST(KestBinDecHexTest, FormattersPadButNeverCut) {
  const std::vector<FormatCase> cases = {
      {"bin 8 digits", IntToBinStr(8, 5), "00000101"},
      {"bin never cut", IntToBinStr(2, 5), "101"},
      {"bin zero without digits is empty", IntToBinStr(0, 0), ""},
      {"bin zero with negative digits is empty", IntToBinStr(-1, 0), ""},
      {"bin zero padded", IntToBinStr(4, 0), "0000"},
      {"bin negative shows all 64 bits", IntToBinStr(0, -1), Repeat('1', 64)},
      {"bin smallest", IntToBinStr(0, Int64Min), "1" + Repeat('0', 63)},
      {"oct 377", IntToOctStr(3, 255), "377"},
      {"oct 32-bit maximum", IntToOctStr(11, 4294967295), "3" + Repeat('7', 10)},
      {"oct negative shows 22 digits", IntToOctStr(0, -1), "1" + Repeat('7', 21)},
      {"oct padded", IntToOctStr(6, 8), "000010"},
      {"dec no padding", IntToDecStr(-1, 1438715774), "1438715774"},
      {"dec padded", IntToDecStr(5, 42), "00042"},
      {"dec zeros go before the sign", IntToDecStr(4, -5), "00-5"},
      {"dec smallest", IntToDecStr(0, Int64Min), "-9223372036854775808"},
      {"hex padded", IntToHex(std::int64_t{255}, 8), "000000FF"},
      {"hex zero without digits", IntToHex(std::int64_t{0}, 0), "0"},
      {"hex never cut", IntToHex(std::int64_t{0x55C10F7E}, 2), "55C10F7E"},
      {"hex 64-bit negative", IntToHex(std::int64_t{-1}, 0), Repeat('F', 16)},
      {"hex 32-bit negative", IntToHex(std::int32_t{-1}, 0), Repeat('F', 8)},
      {"hex 32-bit padded", IntToHex(std::int32_t{0x7E}, 4), "007E"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Actual, c.Expected) << c.Name;
}

TEST(KestBinDecHexTest, FormattersAndParsersRoundTrip) {
  const std::vector<std::int64_t> values = {0, 1, 7, 8, 255, 256, 1438715774, 4294967295, Int64Max, Int64Min, -2};
  for (std::int64_t v : values) {
    EXPECT_EQ(BinStrToInt(IntToBinStr(0, v)), v) << v;
    EXPECT_EQ(OctStrToInt(IntToOctStr(0, v)), v) << v;
    EXPECT_EQ(HexStrToInt(IntToHex(v, 0)), v) << v;
    EXPECT_EQ(StrToInt64(IntToDecStr(-1, v)), v) << v;
  }
}

TEST(KestBinDecHexTest, PadWithZeros) {
  struct Case {
    std::string Text;
    int Width;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      {"", 300, Repeat('0', 200)}, {"7", 3, "007"},  {"7", 1, "7"},  {"abc", 2, "abc"},
      {"7", -3, "7"},              {"", 0, ""},      {"1", 201, Repeat('0', 200) + "1"},
  };
  for (auto c : cases) {
    const std::string original = c.Text;
    PadWithZeros(c.Text, c.Width);
    EXPECT_EQ(c.Text, c.Expected) << "'" << original << "' to " << c.Width;
  }
}

TEST(KestBinDecHexTest, StrToInt64AcceptsOnlySignedDecimalIntegers) {
  struct Good {
    const char* Text;
    std::int64_t Expected;
  };
  for (const Good& c : std::vector<Good>{{"0", 0},
                                         {"+5", 5},
                                         {"-5", -5},
                                         {"007", 7},
                                         {"9223372036854775807", Int64Max},
                                         {"-9223372036854775808", Int64Min}})
    EXPECT_EQ(StrToInt64(c.Text), c.Expected) << c.Text;

  for (const char* text : {"", "+", "-", "+-5", "--5", " 5", "5 ", "1e3", "0x10", "12a", "1.0"})
    EXPECT_THROW(StrToInt64(text), std::invalid_argument) << "'" << text << "'";
  for (const char* text : {"9223372036854775808", "-9223372036854775809", "99999999999999999999"})
    EXPECT_THROW(StrToInt64(text), std::out_of_range) << text;
}

TEST(KestBinDecHexTest, BitReverseTable) {
  const std::vector<std::pair<int, int>> examples = {{0x01, 0x80}, {0x55, 0xAA}, {0xC1, 0x83}, {0x0F, 0xF0},
                                                     {0x7E, 0x7E}, {0x00, 0x00}, {0xFF, 0xFF}};
  for (auto [in, out] : examples) EXPECT_EQ(BitReverseTable[in], out) << in;
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(BitReverseTable[BitReverseTable[i]], i) << i;
    for (int bit = 0; bit < 8; ++bit)
      EXPECT_EQ((i >> bit) & 1, (BitReverseTable[i] >> (7 - bit)) & 1) << i << " bit " << bit;
  }
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

bool BitOf(const std::vector<std::uint8_t>& bytes, std::size_t k) { return (bytes[k / 8] >> (k % 8)) & 1; }

TEST(KestBinDecHexTest, ReverseBitsOfAValue) {
  // 0x55C10F7E, least significant byte first.
  auto bytes = Bytes({0x7E, 0x0F, 0xC1, 0x55});
  ReverseBitsInBytes(bytes.data(), 4);
  EXPECT_EQ(bytes, Bytes({0x7E, 0xF0, 0x83, 0xAA}));  // 0xAA83F07E

  bytes = Bytes({0x7E, 0x0F, 0xC1, 0x55});
  ReverseBitsInBuffer(bytes.data(), 4);
  EXPECT_EQ(bytes, Bytes({0xAA, 0x83, 0xF0, 0x7E}));  // 0x7EF083AA

  bytes = Bytes({0x01, 0x02, 0x03});
  ReverseBitsInBuffer(bytes.data(), 3);
  EXPECT_EQ(bytes, Bytes({0xC0, 0x40, 0x80}));
}

TEST(KestBinDecHexTest, ReverseBitsInBufferMirrorsTheBitString) {
  for (int n = 1; n <= 9; ++n) {
    std::vector<std::uint8_t> original;
    for (int i = 0; i < n; ++i) original.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    auto reversed = original;
    ReverseBitsInBuffer(reversed.data(), n);
    const auto bits = static_cast<std::size_t>(8 * n);
    for (std::size_t k = 0; k < bits; ++k)
      ASSERT_EQ(BitOf(reversed, bits - 1 - k), BitOf(original, k)) << "count " << n << " bit " << k;
    ReverseBitsInBuffer(reversed.data(), n);
    EXPECT_EQ(reversed, original) << "twice, count " << n;

    auto perByte = original;
    ReverseBitsInBytes(perByte.data(), n);
    ReverseBitsInBytes(perByte.data(), n);
    EXPECT_EQ(perByte, original) << "bytes twice, count " << n;
  }
}

TEST(KestBinDecHexTest, NoCountLeavesTheBufferAlone) {
  for (int count : {0, -1, -2, -3}) {
    auto bytes = Bytes({0x01, 0x02, 0x03});
    ReverseBitsInBytes(bytes.data(), count);
    EXPECT_EQ(bytes, Bytes({0x01, 0x02, 0x03})) << "bytes, count " << count;
    ReverseBitsInBuffer(bytes.data(), count);
    EXPECT_EQ(bytes, Bytes({0x01, 0x02, 0x03})) << "buffer, count " << count;
  }
}
}  // namespace
