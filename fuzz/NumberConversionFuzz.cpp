// SPDX-License-Identifier: MIT
// The base conversions on any text and any value: no crash, and a value
// written in a base reads back as itself.
#include "fuzz/FuzzInput.h"
#include "radix/KestBinDecHex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const auto value = input.Take<std::int64_t>();
  const int digits = input.Take<std::uint8_t>() % 80 - 8;
  const std::string text = input.Rest();

  BinStrToInt(text);
  OctStrToInt(text);
  HexStrToInt(text);
  try {
    StrToInt64(text);
  } catch (const std::exception&) {
  }

  // Negative values are shown in their own ways (zeros before the sign, two's complement).
  if (value >= 0) {
    FUZZ_CHECK(BinStrToInt(IntToBinStr(digits, value)) == value);
    FUZZ_CHECK(OctStrToInt(IntToOctStr(digits, value)) == value);
    FUZZ_CHECK(HexStrToInt(IntToHex(value, digits)) == value);
    FUZZ_CHECK(StrToInt64(IntToDecStr(digits, value)) == value);
  }

  std::string buffer = text;
  auto* bytes = reinterpret_cast<std::uint8_t*>(buffer.data());
  const int count = static_cast<int>(buffer.size());
  ReverseBitsInBuffer(bytes, count);
  ReverseBitsInBuffer(bytes, count);
  FUZZ_CHECK(buffer == text);
  ReverseBitsInBytes(bytes, count);
  ReverseBitsInBytes(bytes, count);
  FUZZ_CHECK(buffer == text);
  return 0;
}
