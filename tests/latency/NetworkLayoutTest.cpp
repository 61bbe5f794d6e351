// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "latency/NetworkLayout.h"
#include "latency/SampleChain.h"

namespace {

TEST(NetworkLayout, ClampKeepsEightPixelsFree) {
  struct TCase {
    int Value, GrabOffset, Extent, Expected;
  };
  const std::vector<TCase> cases{
      {60, 0, 265, 60},   {8, 0, 265, 8},     {7, 0, 265, 8},      {-40, 0, 265, 8},
      {207, 0, 265, 207}, {208, 0, 265, 207}, {900, 0, 265, 207},  {60, 10, 265, 50},
      {20, 15, 265, 8},   {230, 20, 265, 207},
      {30, 0, 60, 2},     // too narrow for both bounds: the upper one wins
      {3, 0, 60, 8},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ClampElementPosition(c.Value, c.GrabOffset, c.Extent), c.Expected)
        << c.Value << " grabbed at " << c.GrabOffset << " on " << c.Extent;
}

TEST(NetworkLayout, FreePlaceIsSearchedRowByRow) {
  std::vector<TElementPlace> visited;
  const auto none = FindFreePlace(0, 0, 400, 400, [&](TElementPlace p) {
    visited.push_back(p);
    return true;
  });
  EXPECT_FALSE(none);
  ASSERT_EQ(visited.size(), 16u);
  EXPECT_EQ(visited[0], (TElementPlace{60, 60}));
  EXPECT_EQ(visited[1], (TElementPlace{120, 60}));
  EXPECT_EQ(visited[4], (TElementPlace{60, 120}));
  EXPECT_EQ(visited[15], (TElementPlace{240, 240}));
}

TEST(NetworkLayout, FreePlaceSkipsTakenPlaces) {
  struct TCase {
    const char* Name;
    int GrabX, GrabY, Width, Height;
    std::set<std::pair<int, int>> Taken;
    TElementPlace Expected;
  };
  const std::vector<TCase> cases{
      {"empty panel", 0, 0, 265, 214, {}, {60, 60}},
      {"first taken", 0, 0, 265, 214, {{60, 60}}, {120, 60}},
      {"first row taken", 0, 0, 400, 400, {{60, 60}, {120, 60}, {180, 60}, {240, 60}}, {60, 120}},
      // On a narrow panel the last columns clamp onto one place.
      {"narrow panel", 0, 0, 150, 214, {{60, 60}, {92, 60}}, {60, 120}},
      {"grab offset shifts the grid", 10, 5, 265, 214, {}, {50, 55}},
  };
  for (const TCase& c : cases) {
    const auto place = FindFreePlace(c.GrabX, c.GrabY, c.Width, c.Height, [&](TElementPlace p) {
      return c.Taken.contains({p.Left, p.Top});
    });
    ASSERT_TRUE(place) << c.Name;
    EXPECT_EQ(*place, c.Expected) << c.Name;
  }
}

TEST(NetworkLayout, SampleChainLaysOutAroundThePanel) {
  struct TCase {
    TPanelAnchor Anchor;
    TElementPlace Even, Odd;  // on 263 by 212 and 264 by 213
  };
  const std::vector<TCase> cases{
      {ClientAnchor, {8, 8}, {8, 8}},
      {SampleNetworks()[0].Anchor, {205, 8}, {206, 8}},
      {SampleNetworks()[1].Anchor, {205, 81}, {206, 81}},
      {SampleNetworks()[2].Anchor, {8, 81}, {8, 81}},
      {SampleNetworks()[3].Anchor, {8, 154}, {8, 155}},
      {ServerAnchor, {205, 154}, {206, 155}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(AnchoredPlace(c.Anchor, 263, 212), c.Even) << int(c.Anchor);
    EXPECT_EQ(AnchoredPlace(c.Anchor, 264, 213), c.Odd) << int(c.Anchor);
  }
}

}  // namespace
