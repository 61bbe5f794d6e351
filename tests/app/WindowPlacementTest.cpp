// SPDX-License-Identifier: MIT
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const std::array<std::uint8_t, WindowPlacementSize>& record) {
  return {record.begin(), record.end()};
}

TEST(WindowPlacementTest, RecordIsLittleEndianEdgesThenState) {
  const auto record = EncodeWindowPlacement({{-8, 16, 289, 0x01020304}, TWindowState::wsMaximized});
  const std::vector<std::uint8_t> expected = {0xF8, 0xFF, 0xFF, 0xFF, 0x10, 0x00, 0x00, 0x00, 0x21,
                                              0x01, 0x00, 0x00, 0x04, 0x03, 0x02, 0x01, 0x02};
  EXPECT_EQ(Bytes(record), expected);
}

TEST(WindowPlacementTest, DecodesWhatItEncodes) {
  const TWindowPlacement placements[] = {
      {{0, 0, 297, 455}, TWindowState::wsNormal},
      {{-100, -50, 200, 400}, TWindowState::wsMinimized},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TWindowState::wsMaximized},
      {{7, 7, 7, 7}, TWindowState::wsNormal},
  };
  for (const auto& placement : placements) {
    const auto record = EncodeWindowPlacement(placement);
    EXPECT_EQ(DecodeWindowPlacement(record), placement);
  }
}

TEST(WindowPlacementTest, RejectsRecordsThatAreNoWindowPosition) {
  const std::vector<std::uint8_t> valid = Bytes(EncodeWindowPlacement({{10, 20, 307, 475}, TWindowState::wsNormal}));
  struct TCase {
    const char* Name;
    std::vector<std::uint8_t> Record;
  };
  auto with = [&](std::size_t at, std::uint8_t byte) {
    auto record = valid;
    record[at] = byte;
    return record;
  };
  const TCase cases[] = {
      {"empty", {}},
      {"16 bytes", {valid.begin(), valid.end() - 1}},
      {"18 bytes", [&] { auto r = valid; r.push_back(0); return r; }()},
      {"unknown state", with(16, 3)},
      {"right before left", Bytes(EncodeWindowPlacement({{300, 0, 299, 10}, TWindowState::wsNormal}))},
      {"bottom above top", Bytes(EncodeWindowPlacement({{0, 300, 10, 299}, TWindowState::wsMinimized}))},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeWindowPlacement(c.Record).has_value()) << c.Name;
}

TEST(WindowPlacementTest, BringsWindowsBackOntoTheScreen) {
  struct TCase {
    const char* Name;
    TWindowRect Stored;
    TWindowRect Fitted;
  };
  const TCase cases[] = {
      {"inside", {10, 20, 307, 475}, {10, 20, 307, 475}},
      {"filling the screen", {0, 0, 800, 600}, {0, 0, 800, 600}},
      {"off the left", {-50, 20, 247, 475}, {0, 20, 297, 475}},
      {"off the top", {10, -30, 307, 425}, {10, 0, 307, 455}},
      {"off the right", {700, 20, 997, 475}, {503, 20, 800, 475}},
      {"off the bottom", {10, 500, 307, 955}, {10, 145, 307, 600}},
      {"wider than the screen", {100, 20, 1000, 475}, {0, 20, 800, 475}},
      {"wider and off the left", {-10, 0, 1000, 100}, {0, 0, 800, 100}},
      {"taller than the screen", {10, 50, 307, 750}, {10, 0, 307, 600}},
      {"far away", {INT_MIN, INT_MIN, INT_MIN + 297, INT_MIN + 455}, {0, 0, 297, 455}},
      {"far the other way", {INT_MAX - 297, INT_MAX - 455, INT_MAX, INT_MAX}, {503, 145, 800, 600}},
      {"huge", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 800, 600}},
  };
  for (const auto& c : cases) EXPECT_EQ(FitWindowToScreen(c.Stored, 800, 600), c.Fitted) << c.Name;
}

}  // namespace
