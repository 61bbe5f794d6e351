// SPDX-License-Identifier: MIT
#pragma once
// Comparison of texts as the user's locale orders them.
#include <string_view>

// Compares two single-byte (Latin-1) texts, case-sensitive, under the
// collation of the user's locale: negative when `a` sorts before `b`, 0 when
// they are equal, positive after.
int CompareLocaleText(std::string_view a, std::string_view b);
