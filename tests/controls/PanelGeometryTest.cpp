// SPDX-License-Identifier: MIT
#include "controls/PanelGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelGeometryTest, InnerRectLeavesOutBorderAndBevels) {
  struct TCase {
    TPanelFrame Frame;
    int Inset;
  };
  const TCase cases[] = {
      {{bvLowered, bvNone, 1, 0, false}, 1},
      {{bvLowered, bvRaised, 1, 0, false}, 2},
      {{bvNone, bvNone, 1, 0, true}, 1},
      {{bvRaised, bvLowered, 2, 3, true}, 8},
      {{bvNone, bvNone, 5, 0, false}, 0},
  };
  const TRect client{0, 0, 100, 60};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Inset);
    EXPECT_EQ(PanelInnerRect(client, c.Frame), (TRect{c.Inset, c.Inset, 100 - c.Inset, 60 - c.Inset}));
  }
}

TEST(PanelGeometryTest, AnchoredRectFollowsTheAnchoredEdges) {
  struct TCase {
    TAnchors Anchors;
    TRect Expected;
  };
  const TRect design{10, 20, 40, 60};
  const TCase cases[] = {
      {akLeft | akTop, {10, 20, 40, 60}},
      {akLeft | akTop | akRight | akBottom, {10, 20, 45, 67}},
      {akTop | akRight, {15, 20, 45, 60}},
      {akLeft | akTop | akBottom, {10, 20, 40, 67}},
      {akRight | akBottom, {15, 27, 45, 67}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.Anchors));
    EXPECT_EQ(AnchoredRect(design, c.Anchors, 5, 7), c.Expected);
  }
}

}  // namespace
