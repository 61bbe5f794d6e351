// SPDX-License-Identifier: MIT
#include "subnet/BitMapColours.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The runs as one letter per character: n, s, h, "." for plain, "-" for uncoloured.
std::string Letters(std::size_t length, int networkBits, int subnetBits, int hostBits) {
  std::string letters(length, '-');
  for (const TBitMapRun& run : BitMapRuns(length, networkBits, subnetBits, hostBits)) {
    EXPECT_LE(run.Start + run.Length, length);
    EXPECT_GT(run.Length, 0u);
    letters.replace(run.Start, run.Length, run.Length, "nsh."[run.Part]);
  }
  return letters;
}

struct RunsCase {
  std::size_t Length;
  int Network, Subnet, Host;
  const char* Expected;
};

TEST(BitMapRuns, ColourEveryCharacterByPosition) {
  const RunsCase cases[] = {
      {35, 16, 2, 14, "nnnnnnnn.nnnnnnnn.sshhhhhh.hhhhhhhh"},  // class B, 18 mask bits
      {35, 16, 8, 8, "nnnnnnnn.nnnnnnnn.ssssssss.hhhhhhhh"},   // whole subnet group
      {35, 16, 0, 16, "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"},  // class B address
      {35, 8, 0, 24, "nnnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh"},   // class A address
      {35, 24, 0, 8, "nnnnnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh"},   // class C address
      {35, 8, 10, 14, "nnnnnnnn.ssssssss.sshhhhhh.hhhhhhhh"},  // class A, subnet past a group
      {35, 24, 6, 2, "nnnnnnnn.nnnnnnnn.nnnnnnnn.sssssshh"},   // class C, 30 mask bits
      {35, 8, 22, 2, "nnnnnnnn.ssssssss.ssssssss.sssssshh"},   // class A, 30 mask bits
      {35, 16, -1, 16, "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"}, // no subnet chosen
      {12, 16, 2, 14, "nnnnnnnn.nnn"},                         // short text: cut at its end
      {20, 8, 0, 24, "nnnnnnnn.hhhhhhhh.hh"},
      {5, 24, 0, 8, "nnnnn"},
      {0, 16, 2, 14, ""},
  };
  for (const RunsCase& c : cases)
    EXPECT_EQ(Letters(c.Length, c.Network, c.Subnet, c.Host), c.Expected)
        << "length " << c.Length << ", bits " << c.Network << "/" << c.Subnet << "/" << c.Host;
}

TEST(BitMapRuns, LongerTextLeavesTheRestUncoloured) {
  EXPECT_EQ(Letters(38, 16, 2, 14), "nnnnnnnn.nnnnnnnn.sshhhhhh.hhhhhhhh---");
}

TEST(PrefixBitMap, LettersAndColoursFollowTheLength) {
  EXPECT_EQ(PrefixBitMapText(32, 22), "nnnnnnnn.nnnnnnnn.nnnnnnhh.hhhhhhhh");
  EXPECT_EQ(PrefixBitMapText(32, 0), "hhhhhhhh.hhhhhhhh.hhhhhhhh.hhhhhhhh");
  EXPECT_EQ(PrefixBitMapText(128, 20),
            "nnnnnnnnnnnnnnnn:nnnnhhhhhhhhhhhh:hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh:"
            "hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh");
  struct Case {
    const char* Text;
    int FirstBit, Network;
    const char* Expected;
  };
  // Colours by bit number, whatever the letters say: the pieces of an IPv6 map start past bit 0.
  const Case cases[] = {
      {"11000000.10101000.00000001.00000001", 0, 22, "nnnnnnnn.nnnnnnnn.nnnnnnhh.hhhhhhhh"},
      {"hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh:", 96, 64, "hhhhhhhhhhhhhhhh.hhhhhhhhhhhhhhhh."},
      {"hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh", 32, 40, "nnnnnnnnhhhhhhhh.hhhhhhhhhhhhhhhh"},
      {"0101", 0, 0, "hhhh"},
  };
  for (const Case& c : cases) {
    std::string letters(std::string_view(c.Text).size(), '-');
    for (const TBitMapRun& run : PrefixBitMapRuns(c.Text, c.FirstBit, c.Network))
      letters.replace(run.Start, run.Length, run.Length, "nsh."[run.Part]);
    EXPECT_EQ(letters, c.Expected) << c.Text << " from bit " << c.FirstBit;
  }
}

TEST(BitMapLegend, CaptionsAndTheirPieces) {
  EXPECT_EQ(BitMapLegendText(ClassBitMapTitle(acClassA), false), "Class A Bit Map (n=network; h=host)");
  EXPECT_EQ(BitMapLegendText(ClassBitMapTitle(acClassB), false), "Class B Bit Map (n=network; h=host)");
  EXPECT_EQ(BitMapLegendText(ClassBitMapTitle(AddressClassOf(7)), false), "Class C Bit Map (n=network; h=host)");
  EXPECT_EQ(BitMapLegendText(SubnetBitMapTitle, true), "Subnet Bit Map (n=network; s=subnet; h=host)");
  EXPECT_EQ(BitMapLegendText(PrefixBitMapTitle, false), "Prefix Bit Map (n=network; h=host)");

  const auto pieces = BitMapLegendPieces(SubnetBitMapTitle, true);
  std::string parts;
  for (const TBitMapPiece& piece : pieces) parts += "nsh."[piece.Part];
  EXPECT_EQ(parts, ".n.s.h.");
  EXPECT_EQ(pieces[1].Text, "n=network");
  EXPECT_EQ(pieces[3].Text, "s=subnet");
  EXPECT_EQ(pieces[5].Text, "h=host");
}

TEST(BitMapColours, NavyMaroonGreen) {
  auto rgb = [](TBitMapPart part) {
    const TBitMapColour& c = BitMapColours[part];
    return (c.Red << 16) | (c.Green << 8) | c.Blue;
  };
  EXPECT_EQ(rgb(bpNetwork), 0x000080);
  EXPECT_EQ(rgb(bpSubnet), 0x800000);
  EXPECT_EQ(rgb(bpHost), 0x008000);
}

}  // namespace
