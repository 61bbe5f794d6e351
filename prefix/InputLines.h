// SPDX-License-Identifier: MIT
#pragma once
// Lists typed or pasted by the user: one item a line, '#' starting a comment,
// each line known by its number so that what is not understood can be named.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// A line that was not understood, numbered from 1, and why.
struct LineError {
  std::size_t Line = 0;
  std::string Error;
  bool operator==(const LineError&) const = default;
};

// "line 3: 'ip' is not an address".
std::string LineErrorText(const LineError& error);

// The longest list a window's list box takes: a longer paste is refused whole,
// with ListTooLongText, since a text box lays out a list of a million lines
// for tens of seconds. Reading a list has no limit: it takes a second for a
// million lines.
constexpr std::size_t MaxListBytes = std::size_t{1} << 20;
// Empty when a list of `bytes` is short enough, else what to tell the user.
std::string ListTooLongText(std::size_t bytes);

// Calls `visit` with the number and the text of each line that holds more than
// a comment and blanks: the comment, a carriage return and the blanks around cut off.
void ForEachInputLine(std::string_view text, const std::function<void(std::size_t, std::string_view)>& visit);
