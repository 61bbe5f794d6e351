// SPDX-License-Identifier: MIT
#include "subnet/SubnetRows.h"

#include <gtest/gtest.h>

namespace {

TEST(SubnetRows, ClassBWithoutTheOneBitOption) {
  const auto rows = SubnetRows(acClassB, false);
  ASSERT_EQ(rows.size(), 13u);
  const std::uint32_t subnets[] = {2, 6, 14, 30, 62, 126, 254, 510, 1022, 2046, 4094, 8190, 16382};
  const std::uint32_t hosts[] = {16382, 8190, 4094, 2046, 1022, 510, 254, 126, 62, 30, 14, 6, 2};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].MaskBits, 18 + i);
    EXPECT_EQ(rows[i].SubnetBits, 2 + i);
    EXPECT_EQ(rows[i].SubnetCount, subnets[i]);
    EXPECT_EQ(rows[i].HostCount, hosts[i]);
  }
  EXPECT_EQ(FormatDottedDecimal(rows[0].Mask), "255.255.192.0");
  EXPECT_EQ(FormatDottedDecimal(rows[6].Mask), "255.255.255.0");
  EXPECT_EQ(FormatDottedDecimal(rows[12].Mask), "255.255.255.252");
}

TEST(SubnetRows, TheOneBitOptionAddsARowAndCountsEverySubnet) {
  const auto rows = SubnetRows(acClassB, true);
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(FormatDottedDecimal(rows[0].Mask), "255.255.128.0");
  EXPECT_EQ(rows[0].SubnetCount, 2u);
  EXPECT_EQ(rows[0].HostCount, 32766u);
  EXPECT_EQ(rows[7].SubnetBits, 8u);
  EXPECT_EQ(rows[7].SubnetCount, 256u);
  EXPECT_EQ(rows[13].SubnetCount, 16384u);
}

TEST(SubnetRows, ExtremesOfClassesAAndC) {
  struct Case {
    AddressClass Class;
    bool Option;
    std::size_t Count;
    const char* FirstMask;
    std::uint32_t FirstSubnets, FirstHosts, LastSubnets;
  };
  const Case cases[] = {
      {acClassA, true, 22, "255.128.0.0", 2, 8388606, 4194304},
      {acClassA, false, 21, "255.192.0.0", 2, 4194302, 4194302},
      {acClassC, true, 6, "255.255.255.128", 2, 126, 64},
      {acClassC, false, 5, "255.255.255.192", 2, 62, 62},
  };
  for (const Case& c : cases) {
    const auto rows = SubnetRows(c.Class, c.Option);
    ASSERT_EQ(rows.size(), c.Count);
    EXPECT_EQ(FormatDottedDecimal(rows.front().Mask), c.FirstMask);
    EXPECT_EQ(rows.front().SubnetCount, c.FirstSubnets);
    EXPECT_EQ(rows.front().HostCount, c.FirstHosts);
    EXPECT_EQ(rows.back().SubnetCount, c.LastSubnets);
    EXPECT_EQ(rows.back().HostCount, 2u);
    EXPECT_EQ(FormatDottedDecimal(rows.back().Mask), "255.255.255.252");
  }
}

TEST(KeptRowIndex, KeepsTheNumberOfBitsClampedIntoTheRows) {
  const auto classB = SubnetRows(acClassB, false);
  EXPECT_EQ(KeptRowIndex(classB, &TSubnetRow::SubnetBits, -1), 0);
  EXPECT_EQ(KeptRowIndex(classB, &TSubnetRow::SubnetBits, 8), 6);
  EXPECT_EQ(KeptRowIndex(SubnetRows(acClassB, true), &TSubnetRow::SubnetBits, 8), 7);
  EXPECT_EQ(KeptRowIndex(classB, &TSubnetRow::SubnetBits, 1), 0);  // s = 1 without the option becomes 2
  const auto classC = SubnetRows(acClassC, false);
  EXPECT_EQ(KeptRowIndex(classC, &TSubnetRow::SubnetBits, 10), 4);  // clamped to the last row, s = 6
  const auto supernetsA = SupernetRows(acClassA);
  EXPECT_EQ(KeptRowIndex(supernetsA, &TSupernetRow::MaskBits, 20), 7);
  EXPECT_EQ(KeptRowIndex(SupernetRows(acClassC), &TSupernetRow::MaskBits, 1), 0);
}

TEST(SubnetBitMapPattern, LinesUpWithTheBinaryAddress) {
  EXPECT_EQ(SubnetBitMapPattern(acClassB, 2, 14), "10nnnnnn.nnnnnnnn.sshhhhhh.hhhhhhhh");
  EXPECT_EQ(SubnetBitMapPattern(acClassB, 8, 8), "10nnnnnn.nnnnnnnn.ssssssss.hhhhhhhh");
  EXPECT_EQ(SubnetBitMapPattern(acClassA, 22, 2), "0nnnnnnn.ssssssss.ssssssss.sssssshh");
  EXPECT_EQ(SubnetBitMapPattern(acClassC, 2, 6), "110nnnnn.nnnnnnnn.nnnnnnnn.sshhhhhh");
  EXPECT_EQ(SubnetBitMapPattern(acClassB, -1, -1), "10nnnnnn.nnnnnnnn");
}

TEST(SupernetRows, TellingRows) {
  struct Case {
    AddressClass Class;
    std::size_t Index;
    std::uint32_t Bits;
    const char* Mask;
    std::uint32_t Supernets, Addresses;
  };
  const Case cases[] = {
      {acClassA, 0, 1, "128.0.0.0", 128, 2147483646},  {acClassA, 7, 8, "255.0.0.0", 1, 16777214},
      {acClassB, 0, 2, "192.0.0.0", 16384, 1073741822}, {acClassB, 6, 8, "255.0.0.0", 256, 16777214},
      {acClassB, 14, 16, "255.255.0.0", 1, 65534},      {acClassC, 0, 3, "224.0.0.0", 2097152, 536870910},
      {acClassC, 6, 9, "255.128.0.0", 32768, 8388606}, {acClassC, 19, 22, "255.255.252.0", 4, 1022},
      {acClassC, 21, 24, "255.255.255.0", 1, 254},
  };
  EXPECT_EQ(SupernetRows(acClassA).size(), 8u);
  EXPECT_EQ(SupernetRows(acClassB).size(), 15u);
  EXPECT_EQ(SupernetRows(acClassC).size(), 22u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Mask);
    const TSupernetRow row = SupernetRows(c.Class).at(c.Index);
    EXPECT_EQ(row.MaskBits, c.Bits);
    EXPECT_EQ(FormatDottedDecimal(row.Mask), c.Mask);
    EXPECT_EQ(row.SupernetCount, c.Supernets);
    EXPECT_EQ(row.AddressCount, c.Addresses);
  }
}

TEST(AddressRanges, SubnetHostsAndWholeSupernets) {
  EXPECT_EQ(SubnetHostRange(0x800F0A05u, 0xFFFFFF00u), "128.15.10.1 - 128.15.10.254");
  EXPECT_EQ(SubnetHostRange(0x0A010203u, 0xFFFFFFFCu), "10.1.2.1 - 10.1.2.2");
  EXPECT_EQ(SupernetAddressRange(0x800F0A05u, 0xFF000000u), "128.0.0.0 - 128.255.255.255");
  EXPECT_EQ(SupernetAddressRange(0xC8010203u, MaskOfBits(22)), "200.1.0.0 - 200.1.3.255");
  EXPECT_EQ(SupernetAddressRange(0x0A010203u, MaskOfBits(1)), "0.0.0.0 - 127.255.255.255");
}

}  // namespace
