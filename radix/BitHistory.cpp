// SPDX-License-Identifier: MIT
#include "radix/BitHistory.h"

#include <charconv>

void BitHistory::Add(BitHistoryEntry entry) {
  for (char& c : entry.How)
    if (c == '\n' || c == '\r') c = ' ';
  entry.Bits &= WidthMask(entry.Shape.Width);
  if (!List.empty() && List.front().Bits == entry.Bits && List.front().Shape == entry.Shape) {
    List.front().How = entry.How;
    return;
  }
  List.insert(List.begin(), std::move(entry));
  if (List.size() > Capacity) List.resize(Capacity);
}

std::string BitHistory::Save() const {
  std::string text;
  for (const auto& e : List)
    text += std::to_string(e.Shape.Width) + (e.Shape.Signed ? " s " : " u ") +
            FormatWord(e.Bits, {e.Shape.Width, false}, 16) + " " + e.How + "\n";
  return text;
}

BitHistory BitHistory::Load(std::string_view text) {
  BitHistory history;
  while (!text.empty() && history.List.size() < Capacity) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    BitHistoryEntry entry;
    const char* at = line.data();
    const char* stop = line.data() + line.size();
    const auto [afterWidth, widthError] = std::from_chars(at, stop, entry.Shape.Width);
    const bool knownWidth = entry.Shape.Width == 8 || entry.Shape.Width == 16 || entry.Shape.Width == 32 ||
                            entry.Shape.Width == 64;
    if (widthError != std::errc{} || !knownWidth || stop - afterWidth < 4 || afterWidth[0] != ' ' ||
        (afterWidth[1] != 'u' && afterWidth[1] != 's') || afterWidth[2] != ' ')
      continue;
    entry.Shape.Signed = afterWidth[1] == 's';
    const std::string_view rest(afterWidth + 3, static_cast<std::size_t>(stop - afterWidth - 3));
    const auto space = rest.find(' ');
    const WordParse bits = ParseWord(rest.substr(0, space), 16, {entry.Shape.Width, false});
    if (!bits.Ok) continue;
    entry.Bits = bits.Bits;
    entry.How = space == std::string_view::npos ? std::string{} : std::string(rest.substr(space + 1));
    history.List.push_back(std::move(entry));
  }
  return history;
}
