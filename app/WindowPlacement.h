// SPDX-License-Identifier: MIT
#pragma once
// The stored position of a window: a 17-byte little-endian record of its edges
// (left, top, right, bottom as signed 32-bit numbers, right and bottom exclusive)
// and its state, and the rule that brings a stored rectangle back onto the screen.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

enum class TWindowState : std::uint8_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

struct TWindowRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool operator==(const TWindowRect&) const = default;
};

struct TWindowPlacement {
  TWindowRect Bounds;
  TWindowState State = TWindowState::wsNormal;
  bool operator==(const TWindowPlacement&) const = default;
};

constexpr std::size_t WindowPlacementSize = 17;

std::array<std::uint8_t, WindowPlacementSize> EncodeWindowPlacement(const TWindowPlacement& placement);

// Nothing unless the record has exactly 17 bytes, a known state and edges that
// are not inverted (right before left or bottom above top).
std::optional<TWindowPlacement> DecodeWindowPlacement(std::span<const std::uint8_t> record);

// Cuts a rectangle larger than the screen to the screen's size, keeping its left
// and top edges, then shifts it so that it starts at 0 when it starts before the
// screen, or ends at the screen's edge when it ends beyond it.
TWindowRect FitWindowToScreen(const TWindowRect& bounds, std::int32_t screenWidth, std::int32_t screenHeight);
