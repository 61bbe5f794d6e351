// SPDX-License-Identifier: MIT
#include "platform/Clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardTest, TextRoundTrips) {
  for (const QString& text : {QString("192.168.1.1"), QString("#\tSubnet ID\r\n1\t10.0.0.0\r\n"),
                              QString::fromUtf8("Grüß 😀"), QString()}) {
    ClipboardSetText(text);
    EXPECT_EQ(ClipboardText(), text);
  }
}

TEST(ClipboardTest, ImageRoundTripsAndReplacesTheText) {
  QImage image(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
  ClipboardSetText("old text");
  ClipboardSetImage(image);
  EXPECT_EQ(ClipboardImage().convertToFormat(QImage::Format_RGB32), image);
  EXPECT_TRUE(ClipboardText().isEmpty());
  ClipboardSetText("new text");
  EXPECT_TRUE(ClipboardImage().isNull());
}

}  // namespace
