// SPDX-License-Identifier: MIT
// The message wrap only ever adds line ends: without them, the text is the same.
#include <algorithm>

#include "app/WrapMessage.h"
#include "fuzz/FuzzInput.h"

namespace {
std::string WithoutLineEnds(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const int maxCol = input.Take<std::uint8_t>() % 100;
  const std::string text = input.Rest();
  const std::string wrapped = WrapMessage(text, maxCol);
  FUZZ_CHECK(wrapped.size() >= text.size());
  FUZZ_CHECK(WithoutLineEnds(wrapped) == WithoutLineEnds(text));
  return 0;
}
