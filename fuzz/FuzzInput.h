// SPDX-License-Identifier: MIT
#pragma once
// Takes typed values off the front of a fuzzer's input, the rest staying text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class TFuzzInput {
 public:
  TFuzzInput(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}

  template <typename T>
  T Take() {
    T value{};
    const std::size_t n = Size < sizeof(T) ? Size : sizeof(T);
    std::memcpy(&value, Data, n);
    Data += n;
    Size -= n;
    return value;
  }
  std::string Rest() const { return std::string(reinterpret_cast<const char*>(Data), Size); }

 private:
  const std::uint8_t* Data;
  std::size_t Size;
};

// Stops the run with the fuzzer's crash report when a property fails.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
