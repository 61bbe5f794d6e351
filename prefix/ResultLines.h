// SPDX-License-Identifier: MIT
#pragma once
// Long result texts in lines short enough for the narrowest window.
#include <cstddef>
#include <string>
#include <string_view>

// `text` in lines of at most `width` characters joined by '\n', each broken
// right after the last of `separators` that keeps it short enough, or at
// `width` when none does. The lines joined again give `text`.
std::string BreakLines(std::string_view text, std::size_t width, std::string_view separators);

// A decimal number's digits in groups of three from the right, separated by
// commas: "4294967296" gives "4,294,967,296".
std::string GroupThousands(std::string_view digits);
