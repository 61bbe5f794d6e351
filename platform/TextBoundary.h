// SPDX-License-Identifier: MIT
#pragma once
// The characters, words, sentences and lines of a text around an offset, as a
// screen reader asks for them when it moves through a field. Offsets count
// UTF-16 code units, as the accessibility interfaces do.
#include <string_view>

enum class TTextUnit { Character, Word, Sentence, Line, Paragraph, Whole };

// Which unit is wanted: the one at the offset, or the one just before or after it.
enum class TTextSide { Before, At, After };

struct TTextSpan {
  int Start;
  int End;
  bool operator==(const TTextSpan&) const = default;
};

// The units split the text without gaps: a word runs from its first letter or
// digit to the next word's (so it carries the spaces and punctuation after it;
// what comes before the first word is a unit of its own), a sentence ends
// after ".", "!" or "?" and the spaces that follow, or after a line break, and
// a line or paragraph ends after its line break. The end of the text belongs
// to the last unit, except for characters, where it is the empty span there;
// offset -1 stands for the end. Before the first unit and after the last the
// answer is the empty span at that edge. An offset outside the text gets
// {-1, -1}. The answer never takes longer than a pass over the text.
TTextSpan TextUnitSpan(std::u16string_view text, TTextUnit unit, TTextSide side, int offset);
