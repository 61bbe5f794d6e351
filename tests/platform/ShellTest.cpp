// SPDX-License-Identifier: MIT
#include "platform/Shell.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellTest, PicturesAreCompiledIn) {
  struct TCase {
    const char* Name;
    QSize Size;
  };
  const TCase cases[] = {
      {"RADIXERCALCLOGO", {150, 60}}, {"ORVANECALCLOGO", {150, 60}}, {"LATENCYCALCLOGO", {150, 60}},
      {"KESTGROUPLOGO", {64, 56}},    {"ARROWUP", {9, 9}},           {"ARROWDOWN", {9, 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QPixmap picture = LoadBitmapResource(c.Name);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), c.Size);
    EXPECT_TRUE(picture.hasAlphaChannel());
    // High-density screens get twice the pixels at the same size on screen.
    for (const qreal ratio : {1.5, 2.0}) {
      const QPixmap sharp = LoadBitmapResource(c.Name, ratio);
      EXPECT_EQ(sharp.size(), c.Size * 2);
      EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(c.Size));
    }
  }
  EXPECT_TRUE(LoadBitmapResource("NOSUCHPICTURE").isNull());
}

}  // namespace
