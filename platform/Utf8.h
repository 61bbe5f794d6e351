// SPDX-License-Identifier: MIT
#pragma once
// Text written as UTF-8 a code point at a time.
#include <string>

// Appends `code` (a Unicode scalar value) to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t code);
