// SPDX-License-Identifier: MIT
#include "latency/PlimsolRainbowBar.h"

#include <QImage>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(RainbowBarTest, StripeCountIsKeptBetweenOneAndSixteen) {
  struct TCase {
    int Set, Expected;
  };
  for (const TCase& c : {TCase{0, 1}, TCase{200, 16}, TCase{7, 7}, TCase{16, 16}}) {
    SCOPED_TRACE(c.Set);
    TRainbowBar bar;
    bar.SetNumStripes(static_cast<std::uint8_t>(c.Set));
    ASSERT_EQ(bar.NumStripes(), c.Expected);
    for (int i = 0; i < c.Expected; ++i) {
      const TRainbowColour& colour = RainbowPalette()[i];
      EXPECT_EQ(bar.Stripes(i).Color(), QColor(colour.Red, colour.Green, colour.Blue)) << i;
      EXPECT_EQ(bar.Stripes(i).Proportion(), 1.0f / c.Expected) << i;
    }
  }
  TRainbowBar bar;
  EXPECT_EQ(bar.NumStripes(), 5);
  EXPECT_EQ(bar.size(), QSize(81, 185));
  EXPECT_NO_THROW(bar.Stripes(15));
  try {
    bar.Stripes(16);
    ADD_FAILURE() << "no error for index 16";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "Array index out of bounds: 16");
  }
}

TEST(RainbowBarTest, StripeChangesNotifyOnlyWhenTheValueChanges) {
  TRainbowBar bar;
  int changes = 0;
  bar.OnChange = [&](QObject* sender) {
    EXPECT_EQ(sender, &bar);
    ++changes;
  };
  bar.Stripes(1).SetProportion(0.2f);  // as it is
  bar.Stripes(1).SetColor(QColor(255, 255, 0));
  EXPECT_EQ(changes, 0);
  bar.Stripes(1).SetProportion(0.5f);
  bar.Stripes(9).SetColor(Qt::black);  // beyond the painted ones, still a change
  EXPECT_EQ(changes, 2);
}

TEST(RainbowBarTest, PaintsStripesTopDownInRoundedHeights) {
  TRainbowBar bar;
  bar.resize(38, 214);  // inner height 212: five stripes of 42.4, rounded to 42
  const QImage image = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect inner = bar.InnerRect();
  ASSERT_EQ(inner.height(), 212);
  for (int i = 0; i < 5; ++i) {
    const TRainbowColour& c = RainbowPalette()[i];
    for (int y : {inner.top() + 42 * i, inner.top() + 42 * i + 41})
      EXPECT_EQ(image.pixel(inner.center().x(), y), qRgb(c.Red, c.Green, c.Blue)) << i << " " << y;
  }
  // The two rows left over stay background.
  EXPECT_EQ(image.pixel(inner.center().x(), inner.bottom()), bar.Color().rgb());

  // A bar whose shares are all 0 shows only its background.
  for (int i = 0; i < 5; ++i) bar.Stripes(i).SetProportion(0);
  const QImage empty = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = inner.top(); y <= inner.bottom(); y += 7) EXPECT_EQ(empty.pixel(inner.center().x(), y), bar.Color().rgb());
}

}  // namespace
