// SPDX-License-Identifier: MIT
#include "platform/TextBoundary.h"

namespace {
bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' || c == 0x00A0 ||
         (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x3000;
}

bool IsLineBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029; }

// Letters and digits; any character beyond ASCII that is no space counts as a letter.
bool IsWordCharacter(char16_t c) {
  if (c < 0x80) return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
  return !IsSpace(c) && c != 0x2026;
}

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool EndsSentence(char16_t c) { return c == u'.' || c == u'!' || c == u'?'; }

// Whether a unit starts at `i`, for 0 < i < size.
bool StartsUnit(std::u16string_view text, TTextUnit unit, std::size_t i) {
  const char16_t previous = text[i - 1];
  const char16_t current = text[i];
  switch (unit) {
    case TTextUnit::Character:
      return !(IsHighSurrogate(previous) && IsLowSurrogate(current));
    case TTextUnit::Word:
      return IsWordCharacter(current) && !IsWordCharacter(previous);
    case TTextUnit::Sentence: {
      if (IsSpace(current) || !IsSpace(previous)) return false;
      std::size_t j = i;
      while (j > 0 && IsSpace(text[j - 1])) {
        if (IsLineBreak(text[j - 1])) return true;
        --j;
      }
      return j > 0 && EndsSentence(text[j - 1]);
    }
    case TTextUnit::Line:
    case TTextUnit::Paragraph:
      return (previous == u'\r' && current != u'\n') || (IsLineBreak(previous) && previous != u'\r');
    case TTextUnit::Whole:
      break;
  }
  return false;
}

// The unit holding the character at `offset` (0 <= offset < size).
TTextSpan UnitHolding(std::u16string_view text, TTextUnit unit, int offset) {
  int start = offset;
  while (start > 0 && !StartsUnit(text, unit, static_cast<std::size_t>(start))) --start;
  const int size = static_cast<int>(text.size());
  int end = offset + 1;
  while (end < size && !StartsUnit(text, unit, static_cast<std::size_t>(end))) ++end;
  return {start, end};
}

TTextSpan UnitAt(std::u16string_view text, TTextUnit unit, int offset) {
  const int size = static_cast<int>(text.size());
  if (size == 0) return {0, 0};
  if (unit == TTextUnit::Whole) return {0, size};
  if (offset == size) return unit == TTextUnit::Character ? TTextSpan{size, size} : UnitHolding(text, unit, size - 1);
  return UnitHolding(text, unit, offset);
}
}  // namespace

TTextSpan TextUnitSpan(std::u16string_view text, TTextUnit unit, TTextSide side, int offset) {
  const int size = static_cast<int>(text.size());
  if (offset == -1) offset = size;
  if (offset < 0 || offset > size) return {-1, -1};
  const TTextSpan at = UnitAt(text, unit, offset);
  switch (side) {
    case TTextSide::At:
      return at;
    case TTextSide::Before:
      return at.Start == 0 ? TTextSpan{0, 0} : UnitHolding(text, unit, at.Start - 1);
    case TTextSide::After:
      return at.End == size ? TTextSpan{size, size} : UnitHolding(text, unit, at.End);
  }
  return at;
}
