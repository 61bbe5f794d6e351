// SPDX-License-Identifier: MIT
// The latency formats on any number: no crash, and the text is a number in
// the user's notation, never longer than a double can need.
#include "fuzz/FuzzInput.h"
#include "latency/LatencyFormat.h"

namespace {
void CheckNumberText(const std::string& text, char separator) {
  FUZZ_CHECK(!text.empty() && text.size() < 400);
  for (const char c : text)
    FUZZ_CHECK((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'E' || c == separator || c == '%' ||
               c == 'I' || c == 'N' || c == 'F' || c == 'A' || c == 'n' || c == 'f' || c == 'a' || c == 'i');
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const auto value = input.Take<double>();
  const auto single = input.Take<float>();
  const int precision = input.Take<std::uint8_t>() % 19 + 1;
  const int digits = input.Take<std::uint8_t>() % 19 + 1;
  const char separator = input.Take<std::uint8_t>() % 2 ? ',' : '.';
  const std::string_view sep(&separator, 1);

  CheckNumberText(FormatFixed(value, precision, digits, sep), separator);
  CheckNumberText(FormatGeneral(value, precision, sep), separator);
  CheckNumberText(FormatDelay(single, sep), separator);
  CheckNumberText(FormatPercent(single, sep), separator);
  return 0;
}
