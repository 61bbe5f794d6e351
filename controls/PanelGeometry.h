// SPDX-License-Identifier: MIT
#pragma once
// The geometry of a panel: the rings its frame is drawn in, the rectangle left
// inside them, and where a child anchored to some of its parent's edges goes
// when the parent grows.
#include <cstdint>

#include "controls/DrawFormat.h"

// The cut of a bevel ring.
enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

struct TPanelFrame {
  TBevelCut BevelOuter = bvLowered;
  TBevelCut BevelInner = bvNone;
  int BevelWidth = 1;
  int BorderWidth = 0;
  bool SingleBorder = false;  // a one-pixel line round the whole panel
};

// The client rectangle less the single border, the bevels and the border width.
TRect PanelInnerRect(const TRect& client, const TPanelFrame& frame);

// The edges of its parent that a child keeps its distance to.
enum TAnchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint8_t;

// `design` in a parent grown by (dx, dy) since design time: a child anchored
// to both opposite edges stretches, one anchored to the far edge only moves.
TRect AnchoredRect(const TRect& design, TAnchors anchors, int dx, int dy);
