// SPDX-License-Identifier: MIT
#include "app/WindowPlacement.h"

namespace {

void PutInt32(std::uint8_t* out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) out[k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

std::int32_t Int32At(std::span<const std::uint8_t> record, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int k = 0; k < 4; ++k) bits |= static_cast<std::uint32_t>(record[offset + k]) << (8 * k);
  return static_cast<std::int32_t>(bits);
}

// One axis: [low, high) on a screen of `extent` pixels.
void FitSpan(std::int32_t& low, std::int32_t& high, std::int32_t extent) {
  // 64-bit, so that no stored edge can overflow the arithmetic
  std::int64_t first = low;
  std::int64_t last = high;
  if (last - first > extent) last = first + extent;
  std::int64_t shift = 0;
  if (first < 0)
    shift = -first;
  else if (last > extent)
    shift = extent - last;
  low = static_cast<std::int32_t>(first + shift);
  high = static_cast<std::int32_t>(last + shift);
}

}  // namespace

std::array<std::uint8_t, WindowPlacementSize> EncodeWindowPlacement(const TWindowPlacement& placement) {
  std::array<std::uint8_t, WindowPlacementSize> record{};
  PutInt32(&record[0], placement.Bounds.Left);
  PutInt32(&record[4], placement.Bounds.Top);
  PutInt32(&record[8], placement.Bounds.Right);
  PutInt32(&record[12], placement.Bounds.Bottom);
  record[16] = static_cast<std::uint8_t>(placement.State);
  return record;
}

std::optional<TWindowPlacement> DecodeWindowPlacement(std::span<const std::uint8_t> record) {
  if (record.size() != WindowPlacementSize || record[16] > static_cast<std::uint8_t>(TWindowState::wsMaximized))
    return std::nullopt;
  const TWindowPlacement placement{{Int32At(record, 0), Int32At(record, 4), Int32At(record, 8), Int32At(record, 12)},
                                   static_cast<TWindowState>(record[16])};
  if (placement.Bounds.Right < placement.Bounds.Left || placement.Bounds.Bottom < placement.Bounds.Top)
    return std::nullopt;
  return placement;
}

TWindowRect FitWindowToScreen(const TWindowRect& bounds, std::int32_t screenWidth, std::int32_t screenHeight) {
  TWindowRect fitted = bounds;
  FitSpan(fitted.Left, fitted.Right, screenWidth);
  FitSpan(fitted.Top, fitted.Bottom, screenHeight);
  return fitted;
}
