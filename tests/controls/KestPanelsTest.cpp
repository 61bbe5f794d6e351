// SPDX-License-Identifier: MIT
#include "controls/KestPanels.h"

#include <QImage>
#include <gtest/gtest.h>

#include "platform/Clipboard.h"

namespace {

QImage Picture(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(KestPanelsTest, FrameRingsAndBackground) {
  struct TCase {
    TBevelCut Outer, Inner;
    int BorderWidth;
    bool Single;
    // Colours of the pixels on the diagonal from the top left corner, and at the bottom right corner.
    std::vector<QPalette::ColorRole> Diagonal;
    QPalette::ColorRole BottomRight;
  };
  const QPalette::ColorRole background = QPalette::NoRole;  // the panel's own colour
  const std::vector<TCase> cases{
      {bvLowered, bvNone, 0, false, {QPalette::Dark, background}, QPalette::Light},
      {bvRaised, bvNone, 0, false, {QPalette::Light, background}, QPalette::Dark},
      {bvLowered, bvRaised, 0, false, {QPalette::Dark, QPalette::Light, background}, QPalette::Light},
      {bvNone, bvLowered, 1, true, {QPalette::Dark, background, QPalette::Dark, background}, QPalette::Dark},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Diagonal.size());
    TKestCustomPanel panel;
    panel.resize(30, 20);
    panel.SetColor(Qt::red);
    panel.SetBevelOuter(c.Outer);
    panel.SetBevelInner(c.Inner);
    panel.SetBorderWidth(c.BorderWidth);
    panel.SetSingleBorder(c.Single);
    const QImage image = Picture(panel);
    const auto colour = [&](QPalette::ColorRole role) {
      return role == background ? QColor(Qt::red).rgb() : panel.palette().color(role).rgb();
    };
    for (int i = 0; i < static_cast<int>(c.Diagonal.size()); ++i) EXPECT_EQ(image.pixel(i, i), colour(c.Diagonal[i])) << i;
    EXPECT_EQ(image.pixel(29, 19), colour(c.BottomRight));
    EXPECT_EQ(panel.InnerRect().topLeft(), QPoint(int(c.Diagonal.size()) - 1, int(c.Diagonal.size()) - 1));
  }
}

TEST(KestPanelsTest, CustomDrawComesBetweenBackgroundAndCaption) {
  TCanvasPanel plain;
  plain.resize(60, 30);
  const QImage empty = Picture(plain);

  for (bool keepCaption : {false, true}) {
    SCOPED_TRACE(keepCaption);
    TCanvasPanel panel;
    panel.resize(60, 30);
    panel.SetCaption("Caption\nline");
    QRect handed;
    panel.OnCustomDraw = [&](QObject* sender, const QRect& rect, bool& defaultDraw) {
      EXPECT_EQ(sender, &panel);
      ASSERT_NE(panel.Canvas(), nullptr);
      handed = rect;
      defaultDraw = keepCaption;
    };
    EXPECT_EQ(Picture(panel) == empty, !keepCaption);
    EXPECT_EQ(handed, panel.InnerRect());
  }
}

TEST(KestPanelsTest, CopyHoldsTheChildrenShown) {
  TCanvasPanel panel;
  panel.resize(120, 80);
  panel.SetColor(Qt::white);
  QWidget child(&panel);
  child.setGeometry(10, 10, 20, 20);
  child.setAutoFillBackground(true);
  child.setPalette(QPalette(Qt::blue));
  panel.show();
  for (bool shown : {true, false}) {
    SCOPED_TRACE(shown);
    child.setVisible(shown);
    panel.CopyImageToClipboard(panel.rect());
    const QImage copied = ClipboardImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(120, 80));
    EXPECT_EQ(copied.pixel(15, 15), shown ? QColor(Qt::blue).rgb() : QColor(Qt::white).rgb());
  }
  panel.CopyImageToClipboard(panel.InnerRect());
  EXPECT_EQ(ClipboardImage().size(), QSize(118, 78));
}

}  // namespace
