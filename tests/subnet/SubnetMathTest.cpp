// SPDX-License-Identifier: MIT
#include "subnet/SubnetMath.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t Dotted(int a, int b, int c, int d) {
  return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
         static_cast<std::uint32_t>(c) << 8 | static_cast<std::uint32_t>(d);
}

struct FirstOctetCase {
  int Value;
  std::uint32_t Address;
  AddressClass Class;
  int Corrected;
  const char* MessageStart;  // nullptr when the value is accepted silently
};

TEST(ValidateFirstOctet, CorrectsReservedValuesWithTheirMessage) {
  const FirstOctetCase cases[] = {
      {0, 0, acClassA, 1, "The IP Address 0.0.0.0 is a reserved source address"},
      {0, Dotted(0, 1, 2, 3), acClassA, 1, "The IP Address 0.x.x.x is a reserved destination address"},
      {1, Dotted(1, 0, 0, 0), acClassA, 1, nullptr},
      {126, Dotted(126, 0, 0, 1), acClassA, 126, nullptr},
      {127, Dotted(127, 0, 0, 1), acClassA, 126, "The IP Address 127.x.x.x is a reserved loopback"},
      {128, Dotted(128, 0, 0, 1), acClassB, 128, nullptr},
      {191, Dotted(191, 0, 0, 1), acClassB, 191, nullptr},
      {192, Dotted(192, 0, 0, 1), acClassC, 192, nullptr},
      {223, Dotted(223, 0, 0, 1), acClassC, 223, nullptr},
      {224, Dotted(224, 0, 0, 5), acClassC, 223, "The Class D IP Addresses in the range 224.0.0.0 - 239"},
      {239, Dotted(239, 1, 1, 1), acClassC, 223, "The Class D IP Addresses"},
      {255, 0xFFFFFFFFu, acClassC, 223, "The IP Address 255.255.255.255 is a reserved destination broadcast"},
      {255, Dotted(255, 0, 0, 0), acClassC, 223, "The Class E IP Addresses in the range 224.0.0.0 - 255"},
      {240, Dotted(240, 1, 2, 3), acClassC, 223, "The Class E IP Addresses"},
  };
  for (const FirstOctetCase& c : cases) {
    SCOPED_TRACE(c.Value);
    const TFirstOctetVerdict verdict = ValidateFirstOctet(static_cast<std::uint8_t>(c.Value), c.Address);
    EXPECT_EQ(verdict.Class, c.Class);
    EXPECT_EQ(verdict.Value, c.Corrected);
    ASSERT_EQ(verdict.Message.has_value(), c.MessageStart != nullptr);
    if (c.MessageStart) {
      EXPECT_EQ(verdict.Message->rfind(c.MessageStart, 0), 0u) << *verdict.Message;
    }
  }
}

TEST(ValidateFirstOctet, MessagesReadExactly) {
  EXPECT_EQ(*ValidateFirstOctet(255, 0xFFFFFFFFu).Message,
            "The IP Address 255.255.255.255 is a reserved destination broadcast address meaning \"all hosts on "
            "this network\" and canot be subnetted.");
  EXPECT_EQ(*ValidateFirstOctet(127, 0).Message,
            "The IP Address 127.x.x.x is a reserved loopback source/destination address meaning \"local "
            "host\" and cannot be subnetted.");
}

TEST(ClampFirstOctetToClass, MovesIntoTheClassRange) {
  EXPECT_EQ(ClampFirstOctetToClass(10, acClassB), 128);
  EXPECT_EQ(ClampFirstOctetToClass(200, acClassA), 126);
  EXPECT_EQ(ClampFirstOctetToClass(1, acClassC), 192);
  EXPECT_EQ(ClampFirstOctetToClass(0, acClassA), 1);
  EXPECT_EQ(ClampFirstOctetToClass(255, acClassC), 223);
  EXPECT_EQ(ClampFirstOctetToClass(150, acClassB), 150);
}

TEST(AddressRenderings, HaveFixedShapes) {
  EXPECT_EQ(FormatDottedDecimal(0x800F0A05u), "128.15.10.5");
  EXPECT_EQ(FormatDottedDecimal(0), "0.0.0.0");
  EXPECT_EQ(FormatDottedBinary(0x800F0A05u), "10000000.00001111.00001010.00000101");
  EXPECT_EQ(FormatDottedBinary(Dotted(1, 2, 3, 4)), "00000001.00000010.00000011.00000100");
  EXPECT_EQ(FormatDottedHex(0x800F0A05u), "80.0F.0A.05");
  EXPECT_EQ(FormatDottedHex(Dotted(1, 2, 3, 4)), "01.02.03.04");
  EXPECT_EQ(FormatDottedHex(0xFFFFFFFFu), "FF.FF.FF.FF");
}

TEST(ClassProperties, FollowTheClassfulRules) {
  EXPECT_EQ(ClassBitMapPattern(acClassA), "0nnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh");
  EXPECT_EQ(ClassBitMapPattern(acClassB), "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
  EXPECT_EQ(ClassBitMapPattern(acClassC), "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
  EXPECT_EQ(ClassNetworkMask(acClassA), 0xFF000000u);
  EXPECT_EQ(ClassNetworkMask(acClassB), 0xFFFF0000u);
  EXPECT_EQ(ClassNetworkMask(acClassC), 0xFFFFFF00u);
  EXPECT_EQ(AddressClassOf(5), acClassC);
  EXPECT_EQ(AddressClassOf(-1), acClassC);
  EXPECT_EQ(ClassItemText(acClassA), "Class A:   1.0.0.0 -- 126.255.255.255");
}

}  // namespace
