// SPDX-License-Identifier: MIT
#include "radix/VendorText.h"

#include <algorithm>
#include <iterator>

#include "platform/Utf8.h"

namespace {
struct TComposition {
  char16_t Composed;
  char Base;
  char16_t Mark;
};

// The accented Latin letters made of one ASCII letter and one combining mark.
constexpr TComposition Compositions[] = {
    {0x00C0, 'A', 0x300}, {0x00C1, 'A', 0x301}, {0x00C2, 'A', 0x302}, {0x00C3, 'A', 0x303}, {0x00C4, 'A', 0x308},
    {0x00C5, 'A', 0x30A}, {0x00C7, 'C', 0x327}, {0x00C8, 'E', 0x300}, {0x00C9, 'E', 0x301}, {0x00CA, 'E', 0x302},
    {0x00CB, 'E', 0x308}, {0x00CC, 'I', 0x300}, {0x00CD, 'I', 0x301}, {0x00CE, 'I', 0x302}, {0x00CF, 'I', 0x308},
    {0x00D1, 'N', 0x303}, {0x00D2, 'O', 0x300}, {0x00D3, 'O', 0x301}, {0x00D4, 'O', 0x302}, {0x00D5, 'O', 0x303},
    {0x00D6, 'O', 0x308}, {0x00D9, 'U', 0x300}, {0x00DA, 'U', 0x301}, {0x00DB, 'U', 0x302}, {0x00DC, 'U', 0x308},
    {0x00DD, 'Y', 0x301}, {0x00E0, 'a', 0x300}, {0x00E1, 'a', 0x301}, {0x00E2, 'a', 0x302}, {0x00E3, 'a', 0x303},
    {0x00E4, 'a', 0x308}, {0x00E5, 'a', 0x30A}, {0x00E7, 'c', 0x327}, {0x00E8, 'e', 0x300}, {0x00E9, 'e', 0x301},
    {0x00EA, 'e', 0x302}, {0x00EB, 'e', 0x308}, {0x00EC, 'i', 0x300}, {0x00ED, 'i', 0x301}, {0x00EE, 'i', 0x302},
    {0x00EF, 'i', 0x308}, {0x00F1, 'n', 0x303}, {0x00F2, 'o', 0x300}, {0x00F3, 'o', 0x301}, {0x00F4, 'o', 0x302},
    {0x00F5, 'o', 0x303}, {0x00F6, 'o', 0x308}, {0x00F9, 'u', 0x300}, {0x00FA, 'u', 0x301}, {0x00FB, 'u', 0x302},
    {0x00FC, 'u', 0x308}, {0x00FD, 'y', 0x301}, {0x00FF, 'y', 0x308}, {0x0100, 'A', 0x304}, {0x0101, 'a', 0x304},
    {0x0102, 'A', 0x306}, {0x0103, 'a', 0x306}, {0x0104, 'A', 0x328}, {0x0105, 'a', 0x328}, {0x0106, 'C', 0x301},
    {0x0107, 'c', 0x301}, {0x0108, 'C', 0x302}, {0x0109, 'c', 0x302}, {0x010A, 'C', 0x307}, {0x010B, 'c', 0x307},
    {0x010C, 'C', 0x30C}, {0x010D, 'c', 0x30C}, {0x010E, 'D', 0x30C}, {0x010F, 'd', 0x30C}, {0x0112, 'E', 0x304},
    {0x0113, 'e', 0x304}, {0x0114, 'E', 0x306}, {0x0115, 'e', 0x306}, {0x0116, 'E', 0x307}, {0x0117, 'e', 0x307},
    {0x0118, 'E', 0x328}, {0x0119, 'e', 0x328}, {0x011A, 'E', 0x30C}, {0x011B, 'e', 0x30C}, {0x011C, 'G', 0x302},
    {0x011D, 'g', 0x302}, {0x011E, 'G', 0x306}, {0x011F, 'g', 0x306}, {0x0120, 'G', 0x307}, {0x0121, 'g', 0x307},
    {0x0122, 'G', 0x327}, {0x0123, 'g', 0x327}, {0x0124, 'H', 0x302}, {0x0125, 'h', 0x302}, {0x0128, 'I', 0x303},
    {0x0129, 'i', 0x303}, {0x012A, 'I', 0x304}, {0x012B, 'i', 0x304}, {0x012C, 'I', 0x306}, {0x012D, 'i', 0x306},
    {0x012E, 'I', 0x328}, {0x012F, 'i', 0x328}, {0x0130, 'I', 0x307}, {0x0134, 'J', 0x302}, {0x0135, 'j', 0x302},
    {0x0136, 'K', 0x327}, {0x0137, 'k', 0x327}, {0x0139, 'L', 0x301}, {0x013A, 'l', 0x301}, {0x013B, 'L', 0x327},
    {0x013C, 'l', 0x327}, {0x013D, 'L', 0x30C}, {0x013E, 'l', 0x30C}, {0x0143, 'N', 0x301}, {0x0144, 'n', 0x301},
    {0x0145, 'N', 0x327}, {0x0146, 'n', 0x327}, {0x0147, 'N', 0x30C}, {0x0148, 'n', 0x30C}, {0x014C, 'O', 0x304},
    {0x014D, 'o', 0x304}, {0x014E, 'O', 0x306}, {0x014F, 'o', 0x306}, {0x0150, 'O', 0x30B}, {0x0151, 'o', 0x30B},
    {0x0154, 'R', 0x301}, {0x0155, 'r', 0x301}, {0x0156, 'R', 0x327}, {0x0157, 'r', 0x327}, {0x0158, 'R', 0x30C},
    {0x0159, 'r', 0x30C}, {0x015A, 'S', 0x301}, {0x015B, 's', 0x301}, {0x015C, 'S', 0x302}, {0x015D, 's', 0x302},
    {0x015E, 'S', 0x327}, {0x015F, 's', 0x327}, {0x0160, 'S', 0x30C}, {0x0161, 's', 0x30C}, {0x0162, 'T', 0x327},
    {0x0163, 't', 0x327}, {0x0164, 'T', 0x30C}, {0x0165, 't', 0x30C}, {0x0168, 'U', 0x303}, {0x0169, 'u', 0x303},
    {0x016A, 'U', 0x304}, {0x016B, 'u', 0x304}, {0x016C, 'U', 0x306}, {0x016D, 'u', 0x306}, {0x016E, 'U', 0x30A},
    {0x016F, 'u', 0x30A}, {0x0170, 'U', 0x30B}, {0x0171, 'u', 0x30B}, {0x0172, 'U', 0x328}, {0x0173, 'u', 0x328},
    {0x0174, 'W', 0x302}, {0x0175, 'w', 0x302}, {0x0176, 'Y', 0x302}, {0x0177, 'y', 0x302}, {0x0178, 'Y', 0x308},
    {0x0179, 'Z', 0x301}, {0x017A, 'z', 0x301}, {0x017B, 'Z', 0x307}, {0x017C, 'z', 0x307}, {0x017D, 'Z', 0x30C},
    {0x017E, 'z', 0x30C}, {0x0218, 'S', 0x326}, {0x0219, 's', 0x326}, {0x021A, 'T', 0x326}, {0x021B, 't', 0x326},
};

bool IsCombiningMark(std::uint32_t code) { return code >= 0x300 && code <= 0x36F; }

bool IsZeroWidth(std::uint32_t code) {
  return (code >= 0x200B && code <= 0x200D) || code == 0x2060 || code == 0xFEFF;
}

std::uint32_t Composed(std::uint32_t base, std::uint32_t mark) {
  for (const TComposition& c : Compositions)
    if (static_cast<unsigned char>(c.Base) == base && c.Mark == mark) return c.Composed;
  return 0;
}

// The ASCII letter of an accented Latin letter, or 0.
char BaseLetter(std::uint32_t code) {
  const auto found = std::find_if(std::begin(Compositions), std::end(Compositions),
                                  [code](const TComposition& c) { return c.Composed == code; });
  return found == std::end(Compositions) ? 0 : found->Base;
}

// Latin letters that no combining mark makes, as the ASCII letters people type for them.
std::string_view Spelled(std::uint32_t code) {
  switch (code) {
    case 0xDF: return "ss";
    case 0xC6: case 0xE6: return "ae";
    case 0x152: case 0x153: return "oe";
    case 0xD8: case 0xF8: return "o";
    case 0xD0: case 0xF0: case 0x110: case 0x111: return "d";
    case 0x141: case 0x142: return "l";
    case 0xDE: case 0xFE: return "th";
    case 0x131: return "i";
    default: return {};
  }
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The code point of the UTF-8 sequence at `at` and its length; 0 when it is not one.
std::size_t DecodeAt(std::string_view utf8, std::size_t at, std::uint32_t& code) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || at + length > utf8.size()) return 0;
  code = length == 1 ? lead : lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr std::uint32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
  return code >= Least[length] && code <= 0x10FFFF ? length : 0;  // no overlong forms
}
}  // namespace

void ForEachCodePoint(std::string_view utf8, const std::function<void(std::uint32_t)>& visit) {
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint32_t code = 0;
    const std::size_t length = DecodeAt(utf8, i, code);
    visit(length > 0 ? code : ReplacementCharacter);
    i += length > 0 ? length : 1;
  }
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t code = 0;
    const std::size_t length = DecodeAt(text, i, code);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string NormalizedUtf8(std::string_view utf8) {
  std::string text;
  std::uint32_t pending = 0;  // the last code point, held back while a mark may follow
  bool holding = false;
  ForEachCodePoint(utf8, [&](std::uint32_t code) {
    if (IsZeroWidth(code)) return;
    if (holding && IsCombiningMark(code)) {
      if (const std::uint32_t composed = Composed(pending, code)) {
        pending = composed;
        return;
      }
    }
    if (holding) AppendUtf8(text, pending);
    pending = code;
    holding = true;
  });
  if (holding) AppendUtf8(text, pending);
  return text;
}

void AppendSearchFolded(std::string& folded, std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const char c = LowerAscii(utf8[i]);
    if (static_cast<unsigned char>(c) < 0x80) {  // most names are ASCII: no decoding
      if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) folded += c;
      ++i;
      continue;
    }
    std::uint32_t code = ReplacementCharacter;
    const std::size_t length = DecodeAt(utf8, i, code);
    i += length > 0 ? length : 1;
    if (const char base = BaseLetter(code)) {
      folded += LowerAscii(base);
    } else if (const std::string_view spelled = Spelled(code); !spelled.empty()) {
      folded += spelled;
    } else if (!IsCombiningMark(code) && !IsZeroWidth(code) && !(code >= 0x80 && code < 0xC0) &&
               !(code >= 0x2000 && code <= 0x206F) && !(code >= 0x3000 && code <= 0x303F) &&
               !(code >= 0xFF00 && code <= 0xFF0F)) {
      AppendUtf8(folded, code);
    }
  }
}

std::string SearchFolded(std::string_view utf8) {
  std::string folded;
  AppendSearchFolded(folded, utf8);
  return folded;
}
