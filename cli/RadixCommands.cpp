// SPDX-License-Identifier: MIT
// conv, swap and float: the Radixer's answers for one word.
#include <cstdio>

#include "cli/Command.h"
#include "radix/BitWord.h"
#include "radix/Ieee754.h"

namespace {
WordShape ShapeOf(const Arguments& arguments) {
  WordShape shape{32, arguments.Has("--signed")};
  if (const std::string* width = arguments.Value("--width")) {
    if (*width != "8" && *width != "16" && *width != "32" && *width != "64")
      throw InputError("--width", "'" + *width + "' is not 8, 16, 32 or 64");
    shape.Width = std::stoi(*width);
  }
  return shape;
}

// A number typed in decimal, or in another base after 0x, 0o or 0b.
std::uint64_t ParseValue(const std::string& text, WordShape shape) {
  const WordParse parsed = ParseWord(text, 10, shape);
  if (!parsed.Ok) throw InputError("VALUE", "'" + text + "': " + parsed.Error);
  return parsed.Bits;
}

Report Convert(const Arguments& arguments) {
  const WordShape shape = ShapeOf(arguments);
  const std::uint64_t bits = ParseValue(arguments.Positional[0], shape);
  Report report;
  report.Fields = {
      {"width", "Width", std::to_string(shape.Width), true},
      {"signed", "Signed", shape.Signed ? "true" : "false", true},
      {"hex", "Hexadecimal", FormatWord(bits, shape, 16)},
      {"dec", "Decimal", FormatWord(bits, shape, 10), true},
      {"oct", "Octal", FormatWord(bits, shape, 8)},
      {"bin", "Binary", FormatWord(bits, shape, 2, true)},
      {"characters", "Characters", WordCharacters(bits, shape.Width)},
  };
  return report;
}

Report Swap(const Arguments& arguments) {
  const WordShape shape = ShapeOf(arguments);
  const std::uint64_t bits = ParseValue(arguments.Positional[0], shape);
  const int width = shape.Width;
  auto hex = [&](std::uint64_t value) { return "0x" + FormatWord(value, shape, 16); };
  Report report;
  report.Fields = {
      {"value", "Value", hex(bits)},
      {"byte_swapped", "Bytes Swapped", hex(ByteSwap(bits, width))},
      {"bits_reversed", "Bits Reversed (LSB <-> MSB)", hex(ReverseWordBits(bits, width))},
      {"byte_bits_reversed", "Bits Reversed in Each Byte", hex(ReverseBitsOfEachByte(bits, width))},
  };
  return report;
}

FloatFormat FormatOf(const Arguments& arguments) {
  const std::string* name = arguments.Value("--format");
  if (!name || *name == "single") return FloatFormat::Single;
  if (*name == "half") return FloatFormat::Half;
  if (*name == "double") return FloatFormat::Double;
  throw InputError("--format", "'" + *name + "' is not half, single or double");
}

// The fraction field in as many hexadecimal digits as its bits need.
std::string FractionText(std::uint64_t fraction, FloatFormat format) {
  const int bits = format == FloatFormat::Half ? 10 : format == FloatFormat::Single ? 23 : 52;
  char text[24];
  std::snprintf(text, sizeof text, "0x%0*llX", (bits + 3) / 4, static_cast<unsigned long long>(fraction));
  return text;
}

Report Float(const Arguments& arguments) {
  const FloatFormat format = FormatOf(arguments);
  const WordShape shape{FloatWidth(format), false};
  const std::string& text = arguments.Positional[0];
  std::uint64_t bits = 0;
  std::string note = "exact";
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X' || text[1] == 'b' || text[1] == 'B')) {
    const WordParse parsed = ParseWord(text, 16, shape);
    if (!parsed.Ok) throw InputError("BITS", "'" + text + "': " + parsed.Error);
    bits = parsed.Bits;
  } else {
    const FloatEncoding encoded = EncodeFloat(text, format);
    if (!encoded.Ok) throw InputError("VALUE", "'" + text + "': " + encoded.Error);
    bits = encoded.Bits;
    if (encoded.Overflow) note = "overflow: rounded to infinity";
    else if (encoded.Inexact) note = "rounded to the nearest";
  }
  const FloatFields fields = DecodeFloat(bits, format);
  Report report;
  report.Fields = {
      {"bits", "Bits", "0x" + FormatWord(bits, shape, 16)},
      {"binary", "Binary", FormatWord(bits, shape, 2, true)},
      {"sign", "Sign", fields.Negative ? "-" : "+"},
      {"exponent_bits", "Exponent Bits", std::to_string(fields.ExponentRaw), true},
      {"exponent", "Exponent", std::to_string(fields.Exponent), true},
      {"fraction", "Fraction", FractionText(fields.Fraction, format)},
      {"kind", "Kind", FloatKindName(fields.Kind)},
      {"exact", "Exact Value", fields.Exact},
      {"shortest", "Shortest", fields.Shortest},
      {"rounding", "Rounding", note},
  };
  return report;
}

const Option WidthOptions[] = {{"--width", "8|16|32|64", "the word's width in bits (32)"}};

const Command Commands[] = {
    {"conv", "VALUE [--width 8|16|32|64] [--signed]",
     "A number (decimal, or 0x, 0o, 0b) in every base at a word width.", "orvane conv 0xff --width 8 --signed",
     {WidthOptions[0], {"--signed", nullptr, "read the word as two's complement"}}, 1, 1, false, Convert},
    {"swap", "VALUE [--width 8|16|32|64]", "A word with its bytes swapped and its bits reversed.",
     "orvane swap 0x12345678", {WidthOptions[0]}, 1, 1, false, Swap},
    {"float", "VALUE|BITS [--format half|single|double]",
     "A number as an IEEE 754 binary float, or the float that BITS (0x or 0b) hold.", "orvane float 0.1",
     {{"--format", "half|single|double", "the float's format (single)"}}, 1, 1, false, Float},
};
}  // namespace

std::span<const Command> RadixCommands() { return Commands; }
