// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// Breaks `text` into lines of at most `maxCol` columns for a message box: a line
// ends after its last space, tab, LF, VT or FF that keeps it within the limit;
// longer words are never split, existing CR LF line ends are kept, and text in
// single or double quotes is never broken.
std::string WrapMessage(const std::string& text, int maxCol);
