// SPDX-License-Identifier: MIT
#pragma once
// The colouring of the bit maps: which characters of a dotted bit string are
// network, subnet and host bits, and the coloured legend of their captions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "subnet/SubnetMath.h"

// bpPlain is the separators and the rest of the captions, in the control's font colour.
enum TBitMapPart : std::uint8_t { bpNetwork, bpSubnet, bpHost, bpPlain };

struct TBitMapColour {
  const char* Legend;
  std::uint8_t Red, Green, Blue;
};

// Indexed by the coloured parts bpNetwork, bpSubnet and bpHost.
inline constexpr TBitMapColour BitMapColours[] = {
    {"n=network", 0, 0, 128},
    {"s=subnet", 128, 0, 0},
    {"h=host", 0, 128, 0},
};

// Characters [Start, Start + Length) of the text, drawn as Part.
struct TBitMapRun {
  std::size_t Start;
  std::size_t Length;
  TBitMapPart Part;
};

// The runs that colour a text of `length` characters shaped like
// FormatDottedBinary, walking it by position: `networkBits` (a multiple of 8),
// then `subnetBits`, then `hostBits`, each "." plain. Runs past the end are
// left out and a run reaching it is cut, so any text is safe; a negative count
// counts as 0.
std::vector<TBitMapRun> BitMapRuns(std::size_t length, int networkBits, int subnetBits, int hostBits);

// The map of a prefix `networkBits` long among `width` bits (32 or 128): an
// "n" per network bit and an "h" per host bit, in octets joined by "." (32
// bits) or in groups of 16 joined by ":".
std::string PrefixBitMapText(int width, int networkBits);
// The runs of a piece of such a map whose first bit is bit `firstBit`: bits
// before `networkBits` are network, the rest host, "." and ":" plain.
std::vector<TBitMapRun> PrefixBitMapRuns(std::string_view text, int firstBit, int networkBits);

struct TBitMapPiece {
  std::string Text;
  TBitMapPart Part;
};

// "Class B Bit Map (" and the like; "Subnet Bit Map (" for the subnet bit map.
std::string ClassBitMapTitle(AddressClass c);
inline constexpr const char* SubnetBitMapTitle = "Subnet Bit Map (";
inline constexpr const char* PrefixBitMapTitle = "Prefix Bit Map (";

// The caption of a bit-map label piece by piece: the title, then the legend
// of the network, (only `withSubnet`) subnet and host bits in parentheses.
std::vector<TBitMapPiece> BitMapLegendPieces(const std::string& title, bool withSubnet);
// The pieces joined: the caption as read.
std::string BitMapLegendText(const std::string& title, bool withSubnet);
