// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>

#include "controls/KestGlobal.h"
#include "tests/controls/KestGlobalPixels.h"

namespace {
using namespace pixels;

const QColor Paper(0x40, 0x90, 0xC0);  // what was on the canvas before
const QColor Ink(0x00, 0x00, 0xFF);
const QColor Back(0xF0, 0xE0, 0x00);  // the canvas brush

// Draws on a fresh image as a control would: brush, font and text colour set.
QImage Draw(QSize size, const std::function<void(TCanvas&)>& draw) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Paper);
  QPainter painter(&image);
  TCanvas canvas(painter, TestPalette());
  canvas.Brush = QBrush(Back);
  canvas.Font = CrispFont();
  canvas.FontColor = Ink;
  draw(canvas);
  return image;
}

QImage DrawText(QSize size, QRect rect, QString text, const TDrawTextFormat& format) {
  return Draw(size, [&](TCanvas& c) { DrawTextFormatted(c, rect, text, format); });
}

TDrawTextFormat Format(const std::function<void(TDrawTextFormat&)>& set) {
  TDrawTextFormat f;
  set(f);
  return f;
}

int LineHeight() { return QFontMetrics(CrispFont()).height(); }
int TextWidth(const QString& text) {
  QPainter painter;
  TCanvas canvas(painter, TestPalette());
  canvas.Font = CrispFont();
  return canvas.TextWidth(text);
}

TEST(DrawTextFormatted, PlacesSingleLineTextByAlignmentAndLayout) {
  const QRect rect(10, 10, 180, 80);
  for (TAlignment a : {taLeftJustify, taCenter, taRightJustify})
    for (TTextLayout l : {tlTop, tlCenter, tlBottom}) {
      QImage image = DrawText({200, 100}, rect, "Hello", Format([&](auto& f) {
                                f.Alignment = a;
                                f.Layout = l;
                                f.SingleLine = true;
                              }));
      const QRect ink = BoundsOf(image, Ink);
      ASSERT_FALSE(ink.isNull()) << a << "," << l;
      EXPECT_TRUE(rect.contains(ink)) << a << "," << l;
      const int slack = 6;  // side bearings and the space above capitals
      if (a == taLeftJustify) {
        EXPECT_LT(ink.left() - rect.left(), slack);
      }
      if (a == taRightJustify) {
        EXPECT_LT(rect.right() - ink.right(), slack);
      }
      if (a == taCenter) {
        EXPECT_LE(std::abs(ink.center().x() - rect.center().x()), 2);
      }
      if (l == tlTop) {
        EXPECT_LT(ink.top() - rect.top(), LineHeight() / 2);
      }
      if (l == tlBottom) {
        EXPECT_LT(rect.bottom() - ink.bottom(), LineHeight() / 2);
      }
      if (l == tlCenter) {
        EXPECT_LE(std::abs(ink.center().y() - rect.center().y()), LineHeight() / 4);
      }
    }
}

TEST(DrawTextFormatted, PlacesMultiLineTextVerticallyThroughTheBitmap) {
  const QRect rect(0, 0, 200, 120);
  const QString text = "One\nTwo\nThree";
  const int block = 3 * LineHeight();
  struct Case {
    TTextLayout Layout;
    int ExpectedTop;
  };
  for (const Case& c : {Case{tlTop, 0}, Case{tlCenter, (120 - block) / 2}, Case{tlBottom, 120 - block}}) {
    QImage image = DrawText({200, 120}, rect, text, Format([&](auto& f) {
                              f.Alignment = taCenter;
                              f.Layout = c.Layout;
                            }));
    // The text's background is filled in the brush colour over exactly the text block.
    const QRect back = BoundsOf(image, Back) | BoundsOf(image, Ink);
    EXPECT_EQ(back.top(), c.ExpectedTop) << c.Layout;
    EXPECT_EQ(back.height(), block) << c.Layout;
    EXPECT_LE(std::abs(back.center().x() - rect.center().x()), 1) << c.Layout;
  }
}

TEST(DrawTextFormatted, TooLowRectangleShowsTheLinesTheLayoutPutsThere) {
  // Three lines of different widths in a box one line high: the narrow first
  // line at the top, the wide middle line when centred, the last when at the bottom.
  const QString text = "i\nWWWWWWWWWW\nWWW";
  const QFontMetrics metrics(CrispFont());
  const QRect rect(0, 0, 300, LineHeight());
  struct Case {
    TTextLayout Layout;
    QString Line;
  };
  for (const Case& c : {Case{tlTop, "i"}, Case{tlCenter, "WWWWWWWWWW"}, Case{tlBottom, "WWW"}}) {
    QImage image = DrawText({300, 40}, rect, text, Format([&](auto& f) { f.Layout = c.Layout; }));
    const QRect ink = BoundsOf(image, Ink);
    EXPECT_NEAR(ink.width(), metrics.boundingRect(c.Line).width(), 3) << c.Layout;
    EXPECT_TRUE(rect.contains(ink)) << c.Layout;
    EXPECT_TRUE(BoundsOf(image, Back).united(ink).bottom() < rect.bottom() + 1) << c.Layout;
  }
}

TEST(DrawTextFormatted, DisabledTextIsEmbossed) {
  struct Case {
    std::string Name;
    TDrawTextFormat Format;
  };
  const Case cases[] = {
      {"single line", Format([](auto& f) { f.SingleLine = true; f.Layout = tlCenter; })},
      {"right-aligned top", Format([](auto& f) { f.Alignment = taRightJustify; })},
      {"multi-line centred", Format([](auto& f) { f.Alignment = taCenter; f.Layout = tlCenter; })},
      {"multi-line bottom", Format([](auto& f) { f.Layout = tlBottom; })},
  };
  const QRect rect(5, 5, 150, 70);
  for (Case c : cases) {
    c.Format.Disabled = true;
    QImage image = DrawText({160, 80}, rect, "Ab&c\nxyz", c.Format);
    EXPECT_TRUE(IsEmbossed(image, Highlight, Shadow)) << c.Name;
    EXPECT_TRUE(PixelsOf(image, Ink).empty()) << c.Name;
    EXPECT_TRUE(rect.contains(BoundsOf(image, Highlight) | BoundsOf(image, Shadow))) << c.Name;
  }
}

TEST(DrawTextFormatted, MeasuresWithoutDrawing) {
  struct Case {
    std::string Name;
    QString Text;
    TDrawTextFormat Format;
    QRect Expected;
  };
  const QRect start(10, 20, 200, 100);
  const int w = TextWidth("Wide line");
  const int h = LineHeight();
  const Case cases[] = {
      {"one line", "Wide line", Format([](auto& f) { f.CalcRect = true; }), QRect(10, 20, w, h)},
      {"two lines", "Wide line\nab", Format([](auto& f) { f.CalcRect = true; }), QRect(10, 20, w, 2 * h)},
      {"line ends ignored on a single line", "Wide\nline",
       Format([](auto& f) { f.CalcRect = true; f.SingleLine = true; }), QRect(10, 20, w, h)},
      {"embossed is a pixel larger", "Wide line", Format([](auto& f) { f.CalcRect = true; f.Disabled = true; }),
       QRect(10, 20, w + 1, h + 1)},
      {"multi-line centred is placed in the rectangle", "Wide line\nab",
       Format([](auto& f) { f.CalcRect = true; f.Alignment = taCenter; f.Layout = tlCenter; }),
       QRect(10 + (200 - w) / 2, 20 + (100 - 2 * h) / 2, w, 2 * h)},
      {"multi-line at the bottom right, embossed", "Wide line\nab",
       Format([](auto& f) {
         f.CalcRect = true;
         f.Alignment = taRightJustify;
         f.Layout = tlBottom;
         f.Disabled = true;
       }),
       QRect(210 - w - 1, 120 - 2 * h - 1, w + 1, 2 * h + 1)},
  };
  for (const Case& c : cases) {
    QRect r = start;
    QString text = c.Text;
    QImage image = Draw({300, 200}, [&](TCanvas& canvas) { DrawTextFormatted(canvas, r, text, c.Format); });
    EXPECT_EQ(r, c.Expected) << c.Name;
    EXPECT_TRUE(PixelsOf(image, Ink).empty() && PixelsOf(image, Back).empty()) << c.Name;
  }
}

TEST(DrawTextFormatted, WordBreakWrapsAtTheRectangleWidth) {
  QRect r(0, 0, TextWidth("alpha beta"), 100);
  QString text = "alpha beta alpha beta";
  Draw({10, 10}, [&](TCanvas& c) {
    DrawTextFormatted(c, r, text, Format([](auto& f) { f.CalcRect = true; f.WordBreak = true; }));
  });
  EXPECT_EQ(r.height(), 2 * LineHeight());
}

TEST(DrawTextFormatted, EllipsisShortensTextThatDoesNotFit) {
  const QFontMetrics metrics(CrispFont());
  struct Case {
    TDrawTextEllipsis Ellipsis;
    QString Text;
    std::function<bool(const QString&)> Check;
  };
  const QString path = "/usr/share/documentation/orvane/file.txt";
  const Case cases[] = {
      {dteEnd, "The quick brown fox jumps over the lazy dog",
       [](const QString& s) { return s.startsWith("The qu") && s.endsWith(QChar(0x2026)); }},
      {dtePath, path, [](const QString& s) { return s.startsWith("/usr") && s.endsWith("\u2026/file.txt"); }},
      {dteWord, "The quick brown fox jumps over the lazy dog",
       [](const QString& s) {
         const QString words = s.chopped(1);
         return s.endsWith(QChar(0x2026)) &&
                QString("The quick brown fox jumps over the lazy dog").startsWith(words + " ");
       }},
  };
  const int width = metrics.horizontalAdvance(path) / 2;
  for (const Case& c : cases) {
    TDrawTextFormat format;
    format.Ellipsis = c.Ellipsis;
    format.SingleLine = true;
    format.ModifyString = true;
    QString text = c.Text;
    QRect rect(0, 0, width, 30);
    const QImage shortened = Draw({300, 30}, [&](TCanvas& canvas) { DrawTextFormatted(canvas, rect, text, format); });
    EXPECT_TRUE(c.Check(text)) << c.Ellipsis << ": " << text.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(text), width) << c.Ellipsis;
    // What is drawn is the shortened text.
    format.Ellipsis = dteNone;
    format.ModifyString = false;
    EXPECT_EQ(shortened, DrawText({300, 30}, QRect(0, 0, width, 30), text, format)) << c.Ellipsis;
  }
  // Text that fits, and text drawn while tabs are expanded, stay whole.
  for (bool tabs : {false, true}) {
    QString text = tabs ? QString("The quick brown fox jumps over the lazy dog") : QString("Fits");
    const QString before = text;
    QRect rect(0, 0, width, 30);
    Draw({300, 30}, [&](TCanvas& canvas) {
      DrawTextFormatted(canvas, rect, text, Format([&](auto& f) {
                          f.Ellipsis = dteEnd;
                          f.ExpandTabs = tabs;
                          f.ModifyString = true;
                        }));
    });
    EXPECT_EQ(text, before);
  }
}

TEST(DrawTextFormatted, PrefixCharacters) {
  const QRect rect(0, 0, 200, 30);
  const TDrawTextFormat prefix = Format([](auto& f) { f.SingleLine = true; });
  const TDrawTextFormat noPrefix = Format([](auto& f) { f.SingleLine = true; f.NoPrefix = true; });
  // "&&" draws one "&".
  EXPECT_EQ(DrawText({200, 30}, rect, "A&&B", prefix), DrawText({200, 30}, rect, "A&B", noPrefix));
  // "&O" draws O underlined: the same letters plus the underline.
  const QImage accel = DrawText({200, 30}, rect, "&Open", prefix);
  const QImage plain = DrawText({200, 30}, rect, "Open", noPrefix);
  for (const QPoint& p : PixelsOf(plain, Ink)) ASSERT_TRUE(Is(accel, p.x(), p.y(), Ink));
  QRect underline;
  for (const QPoint& p : PixelsOf(accel, Ink))
    if (!Is(plain, p.x(), p.y(), Ink)) underline |= QRect(p, QSize(1, 1));
  ASSERT_FALSE(underline.isNull());
  EXPECT_LE(underline.right(), QFontMetrics(CrispFont()).horizontalAdvance("O")) << "only the O is underlined";
  EXPECT_GT(underline.width(), 3);
}

TEST(DrawTextFormatted, TabsExpandToTabStops) {
  const QRect rect(0, 0, 400, 30);
  const int expanded = BoundsOf(DrawText({400, 30}, rect, "a\tb", Format([](auto& f) { f.ExpandTabs = true; })), Ink).width();
  const int unexpanded = BoundsOf(DrawText({400, 30}, rect, "a\tb", {}), Ink).width();
  EXPECT_GE(expanded, 8 * QFontMetrics(CrispFont()).averageCharWidth() - 2);
  EXPECT_LT(unexpanded, expanded);
}

TEST(DrawTextFormatted, ClipsToTheRectangleUnlessNoClip) {
  const QRect rect(0, 0, 20, 30);
  const TDrawTextFormat clipped = Format([](auto& f) { f.SingleLine = true; });
  const TDrawTextFormat unclipped = Format([](auto& f) { f.SingleLine = true; f.NoClip = true; });
  EXPECT_LE(BoundsOf(DrawText({200, 30}, rect, "Wide text here", clipped), Ink).right(), rect.right());
  EXPECT_GT(BoundsOf(DrawText({200, 30}, rect, "Wide text here", unclipped), Ink).right(), rect.right());
}

TEST(DrawTextFormatted, TransparentKeepsWhatIsBehindTheText) {
  for (TTextLayout layout : {tlTop, tlCenter}) {  // drawn directly and through the bitmap
    TDrawTextFormat format = Format([&](auto& f) {
      f.Layout = layout;
      f.Alignment = taCenter;
    });
    EXPECT_FALSE(PixelsOf(DrawText({100, 60}, {0, 0, 100, 60}, "Ab\ncd", format), Back).empty()) << layout;
    format.Transparent = true;
    const QImage image = DrawText({100, 60}, {0, 0, 100, 60}, "Ab\ncd", format);
    EXPECT_TRUE(PixelsOf(image, Back).empty()) << layout;
    EXPECT_FALSE(PixelsOf(image, Ink).empty()) << layout;
  }
}

TEST(DrawEdgeFormatted, DrawsEachRingInItsPaletteColours) {
  struct Case {
    std::string Name;
    TDrawEdgeFormat Format;
    QColor OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
  };
  const Case cases[] = {
      {"lowered outer", {ebAll, esNone, esLowered, desDefault}, Shadow, Highlight, Paper, Paper},
      {"raised outer", {ebAll, esNone, esRaised, desDefault}, Light3D, DarkShadow, Paper, Paper},
      {"raised", {ebAll, esRaised, esRaised, desDefault}, Light3D, DarkShadow, Highlight, Shadow},
      {"lowered", {ebAll, esLowered, esLowered, desDefault}, Shadow, Highlight, DarkShadow, Light3D},
      {"soft raised", {ebAll, esRaised, esRaised, desSoft}, Highlight, DarkShadow, Light3D, Shadow},
      {"flat", {ebAll, esLowered, esLowered, desFlat}, Shadow, Shadow, Face, Face},
      {"mono", {ebAll, esRaised, esLowered, desMono}, Text, Text, Window, Window},
  };
  for (const Case& c : cases) {
    const QImage image = Draw({20, 12}, [&](TCanvas& canvas) {
      QRect r(0, 0, 20, 12);
      DrawEdgeFormatted(canvas, r, c.Format);
    });
    EXPECT_TRUE(Is(image, 10, 0, c.OuterTopLeft)) << c.Name << " top";
    EXPECT_TRUE(Is(image, 0, 6, c.OuterTopLeft)) << c.Name << " left";
    EXPECT_TRUE(Is(image, 0, 0, c.OuterTopLeft)) << c.Name << " top left corner";
    EXPECT_TRUE(Is(image, 10, 11, c.OuterBottomRight)) << c.Name << " bottom";
    EXPECT_TRUE(Is(image, 19, 6, c.OuterBottomRight)) << c.Name << " right";
    EXPECT_TRUE(Is(image, 19, 0, c.OuterBottomRight)) << c.Name << " top right corner";
    EXPECT_TRUE(Is(image, 0, 11, c.OuterBottomRight)) << c.Name << " bottom left corner";
    EXPECT_TRUE(Is(image, 10, 1, c.InnerTopLeft)) << c.Name << " inner top";
    EXPECT_TRUE(Is(image, 1, 6, c.InnerTopLeft)) << c.Name << " inner left";
    EXPECT_TRUE(Is(image, 10, 10, c.InnerBottomRight)) << c.Name << " inner bottom";
    EXPECT_TRUE(Is(image, 18, 6, c.InnerBottomRight)) << c.Name << " inner right";
    EXPECT_TRUE(Is(image, 10, 6, Paper)) << c.Name << " inside untouched";
  }
}

TEST(DrawEdgeFormatted, AdjustMiddleAndBorders) {
  TDrawEdgeFormat format{ebTop | ebRight, esRaised, esLowered, desDefault, true, true};
  QRect r(0, 0, 20, 12);
  const QImage image = Draw({20, 12}, [&](TCanvas& canvas) { DrawEdgeFormatted(canvas, r, format); });
  EXPECT_EQ(r, QRect(0, 2, 18, 10));  // only the bordered sides move in
  EXPECT_TRUE(Is(image, 5, 0, Shadow));
  EXPECT_TRUE(Is(image, 5, 1, Highlight));
  EXPECT_TRUE(Is(image, 19, 5, Highlight));
  EXPECT_TRUE(Is(image, 18, 5, Shadow));
  EXPECT_TRUE(Is(image, 0, 5, Face)) << "no left border: the interior is filled to the edge";
  EXPECT_TRUE(Is(image, 5, 11, Face));
  EXPECT_TRUE(PixelsOf(image, Paper).empty());

  format.Adjust = false;
  format.Middle = false;
  QRect kept(0, 0, 20, 12);
  const QImage plain = Draw({20, 12}, [&](TCanvas& canvas) { DrawEdgeFormatted(canvas, kept, format); });
  EXPECT_EQ(kept, QRect(0, 0, 20, 12));
  EXPECT_TRUE(Is(plain, 5, 5, Paper));
}

TEST(Canvas, CopyStateAndLines) {
  const QImage image = Draw({20, 20}, [](TCanvas& source) {
    source.Pen = QPen(Ink, 1);
    source.PenPos = QPoint(2, 3);
    source.CopyMode = QPainter::CompositionMode_Source;
    QPainter painter;
    TCanvas copy(painter, source.Palette());
    CopyCanvasState(copy, source);
    EXPECT_EQ(copy.Brush, source.Brush);
    EXPECT_EQ(copy.Font, source.Font);
    EXPECT_EQ(copy.FontColor, source.FontColor);
    EXPECT_EQ(copy.Pen, source.Pen);
    EXPECT_EQ(copy.PenPos, source.PenPos);
    EXPECT_EQ(copy.CopyMode, source.CopyMode);
    source.MoveTo(2, 10);
    source.LineTo(15, 10);
    EXPECT_EQ(source.PenPos, QPoint(15, 10));
  });
  EXPECT_EQ(BoundsOf(image, Ink), QRect(2, 10, 14, 1));
}

TEST(AlignRect, QtRectanglesFollowTheSameRules) {
  QRect r(0, 0, 10, 4);
  AlignRect(r, QRect(10, 20, 100, 40), 1, 2);
  EXPECT_EQ(r, QRect(55, 56, 10, 4));
}
}  // namespace
