// SPDX-License-Identifier: MIT
#pragma once
// Where elements go on the network setup panel: every element is a 50 by 50
// square kept 8 pixels inside the panel's edges.
#include <functional>
#include <optional>

inline constexpr int NetworkChainCapacity = 16;  // client, server and up to 14 networks
inline constexpr int ElementSize = 50;
inline constexpr int ElementMargin = 8;

struct TElementPlace {
  int Left = 0;
  int Top = 0;
  bool operator==(const TElementPlace&) const = default;
};

// A dragged or placed element's left (or top) for the mouse at `value`,
// grabbed `grabOffset` pixels inside it, on a panel `extent` pixels wide (or
// high): at least 8, and at most extent - 58 when that is not below 8.
int ClampElementPosition(int value, int grabOffset, int extent);

// The first free place of a 4 by 4 grid of steps of 60 pixels, row by row,
// each clamped as a drag would be; nothing when all sixteen are taken.
std::optional<TElementPlace> FindFreePlace(int grabOffsetX, int grabOffsetY, int width, int height,
                                           const std::function<bool(TElementPlace)>& isPositionTaken);

// Places relative to the panel's corners and middles, for the sample chain.
enum class TPanelAnchor { TopLeft, TopRight, MiddleRight, MiddleLeft, BottomLeft, BottomRight };

TElementPlace AnchoredPlace(TPanelAnchor anchor, int width, int height);
