// SPDX-License-Identifier: MIT
#pragma once
// The text of vendor names as IEEE publishes them (UTF-8): read code point by
// code point, normalised, and folded for searching.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Every byte that is not part of a valid UTF-8 sequence (overlong forms
// included) is its own code point U+FFFD.
constexpr std::uint32_t ReplacementCharacter = 0xFFFD;
void ForEachCodePoint(std::string_view utf8, const std::function<void(std::uint32_t)>& visit);
bool IsUtf8(std::string_view text);

// NFC for Latin letters: a letter followed by a combining accent becomes the
// accented letter when Latin-1 or Latin Extended-A has it ("An\u0303adido"
// becomes "A\u00F1adido"); zero-width characters are dropped.
std::string NormalizedUtf8(std::string_view utf8);

// The text a search compares: letters lower case without their accents
// ("\u00DF" as "ss", "\u00E6" as "ae"), digits, and every other character
// outside ASCII as it is; spaces, punctuation and control characters dropped.
// "Kr\u00FCger & Gothe" gives "krugergothe".
std::string SearchFolded(std::string_view utf8);
void AppendSearchFolded(std::string& folded, std::string_view utf8);
