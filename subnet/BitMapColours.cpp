// SPDX-License-Identifier: MIT
#include "subnet/BitMapColours.h"

#include <algorithm>

namespace {

class TRunWalker {
 public:
  explicit TRunWalker(std::size_t length) : Length(length) {}

  void Take(int count, TBitMapPart part) {
    const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    const std::size_t taken = std::min(wanted, Length - std::min(Position, Length));
    if (taken > 0) Runs.push_back({Position, taken, part});
    Position += wanted;
  }
  // A "." and then a group of `count` bits.
  void TakeGroup(int count, TBitMapPart part) {
    Take(1, bpPlain);
    Take(count, part);
  }

  std::vector<TBitMapRun> Runs;

 private:
  std::size_t Length;
  std::size_t Position = 0;
};

}  // namespace

std::vector<TBitMapRun> BitMapRuns(std::size_t length, int networkBits, int subnetBits, int hostBits) {
  subnetBits = std::max(subnetBits, 0);
  hostBits = std::max(hostBits, 0);
  TRunWalker walker(length);
  walker.Take(8, bpNetwork);
  for (int i = 1; i < networkBits / 8; ++i) walker.TakeGroup(8, bpNetwork);
  for (int i = 0; i < subnetBits / 8; ++i) walker.TakeGroup(8, bpSubnet);
  if (subnetBits % 8 != 0) walker.TakeGroup(subnetBits % 8, bpSubnet);
  // A partial host group continues the subnet group without a separator.
  if (hostBits % 8 != 0) walker.Take(hostBits % 8, bpHost);
  for (int i = 0; i < hostBits / 8; ++i) walker.TakeGroup(8, bpHost);
  return walker.Runs;
}

std::string PrefixBitMapText(int width, int networkBits) {
  const int group = width == 32 ? 8 : 16;
  std::string text;
  for (int bit = 0; bit < width; ++bit) {
    if (bit > 0 && bit % group == 0) text += width == 32 ? '.' : ':';
    text += bit < networkBits ? 'n' : 'h';
  }
  return text;
}

std::vector<TBitMapRun> PrefixBitMapRuns(std::string_view text, int firstBit, int networkBits) {
  std::vector<TBitMapRun> runs;
  int bit = firstBit;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool isBit = text[i] != '.' && text[i] != ':';
    const TBitMapPart part = !isBit ? bpPlain : bit < networkBits ? bpNetwork : bpHost;
    if (isBit) ++bit;
    if (!runs.empty() && runs.back().Part == part)
      ++runs.back().Length;
    else
      runs.push_back({i, 1, part});
  }
  return runs;
}

std::string ClassBitMapTitle(AddressClass c) {
  return std::string("Class ") + static_cast<char>('A' + static_cast<int>(c)) + " Bit Map (";
}

std::vector<TBitMapPiece> BitMapLegendPieces(const std::string& title, bool withSubnet) {
  std::vector<TBitMapPiece> pieces{{title, bpPlain}, {BitMapColours[bpNetwork].Legend, bpNetwork}, {"; ", bpPlain}};
  if (withSubnet) {
    pieces.push_back({BitMapColours[bpSubnet].Legend, bpSubnet});
    pieces.push_back({"; ", bpPlain});
  }
  pieces.push_back({BitMapColours[bpHost].Legend, bpHost});
  pieces.push_back({")", bpPlain});
  return pieces;
}

std::string BitMapLegendText(const std::string& title, bool withSubnet) {
  std::string text;
  for (const TBitMapPiece& piece : BitMapLegendPieces(title, withSubnet)) text += piece.Text;
  return text;
}
