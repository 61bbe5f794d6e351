#include "controls/GridTextWidth.h"

#include <string>
#include <utility>

namespace {
// Longer texts are measured whole, so a layout that treats long runs
// differently can never make a sum of parts wrong.
constexpr std::size_t MaxSummedLength = 256;

int RoundedPixels(std::int64_t sixtyFourths) { return static_cast<int>((sixtyFourths + 32) >> 6); }
}  // namespace

TTextWidthCache::TTextWidthCache(TMeasure measure, TCountGlyphs countGlyphs)
    : Measurer(std::move(measure)), GlyphCounter(std::move(countGlyphs)) {
  Single.fill(Unknown);
  Steps.fill(Unknown);
}

std::int64_t TTextWidthCache::Measure(std::string_view utf8) {
  ++MeasureCount;
  return Measurer(utf8);
}

int TTextWidthCache::MeasuredWhole(std::string_view utf8) { return RoundedPixels(Measure(utf8)); }

std::int32_t TTextWidthCache::Step(int previous, int current) {
  std::int32_t& step = Steps[static_cast<std::size_t>((previous + 1) * Count + current)];
  if (step != Unknown) return step;
  auto single = [this](int index) {
    std::int64_t& width = Single[static_cast<std::size_t>(index)];
    if (width == Unknown) {
      const char text = static_cast<char>(First + index);
      const std::string_view one(&text, 1);
      width = GlyphCounter(one) == 1 ? Measure(one) : Joined;
    }
    return width;
  };
  if (previous < 0) {
    const std::int64_t width = single(current);
    step = width == Joined ? Joined : static_cast<std::int32_t>(width);
    return step;
  }
  const std::int64_t before = single(previous);
  const char pair[2] = {static_cast<char>(First + previous), static_cast<char>(First + current)};
  const std::string_view two(pair, 2);
  if (before == Joined || single(current) == Joined || GlyphCounter(two) != 2)
    step = Joined;
  else
    step = static_cast<std::int32_t>(Measure(two) - before);
  return step;
}

int TTextWidthCache::Width(std::string_view utf8) {
  if (utf8.empty()) return 0;
  if (utf8.size() > MaxSummedLength) return MeasuredWhole(utf8);
  std::int64_t sum = 0;
  int previous = -1;
  for (const char byte : utf8) {
    const int current = static_cast<unsigned char>(byte) - First;
    if (static_cast<unsigned>(current) >= static_cast<unsigned>(Count)) return MeasuredWhole(utf8);
    std::int32_t step = Steps[static_cast<std::size_t>((previous + 1) * Count + current)];
    if (step <= Joined) {  // Unknown or Joined
      step = Step(previous, current);
      if (step == Joined) return MeasuredWhole(utf8);
    }
    sum += step;
    previous = current;
  }
  return RoundedPixels(sum);
}
