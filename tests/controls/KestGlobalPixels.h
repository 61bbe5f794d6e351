// SPDX-License-Identifier: MIT
#pragma once
// Pixel helpers for drawing tests: a palette whose system colours are all
// different, a font drawn without anti-aliasing (so text pixels carry exactly
// the text colour), and the search for pixels of a colour.
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <vector>

namespace pixels {

inline const QColor Face(0xC0, 0xC0, 0xC0);
inline const QColor Highlight(0xFF, 0xFF, 0xF0);
inline const QColor Light3D(0xE0, 0xE0, 0xD0);
inline const QColor Shadow(0x80, 0x70, 0x80);
inline const QColor DarkShadow(0x10, 0x20, 0x10);
inline const QColor Text(0x00, 0x00, 0x00);
inline const QColor Window(0xFF, 0xFF, 0xFF);

inline QPalette TestPalette() {
  QPalette p;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Button, Face);
    p.setColor(group, QPalette::Light, Highlight);
    p.setColor(group, QPalette::Midlight, Light3D);
    p.setColor(group, QPalette::Dark, Shadow);
    p.setColor(group, QPalette::Shadow, DarkShadow);
    p.setColor(group, QPalette::WindowText, Text);
    p.setColor(group, QPalette::Base, Window);
    p.setColor(group, QPalette::Window, Face);
  }
  return p;
}

inline QFont CrispFont(int pointSize = 12) {
  QFont font;
  font.setPointSize(pointSize);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

inline bool Is(const QImage& image, int x, int y, const QColor& color) {
  return image.rect().contains(x, y) && image.pixelColor(x, y).rgb() == color.rgb();
}

// The smallest rectangle holding every pixel of `color` (null when there is none).
inline QRect BoundsOf(const QImage& image, const QColor& color) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Is(image, x, y, color)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

inline std::vector<QPoint> PixelsOf(const QImage& image, const QColor& color) {
  std::vector<QPoint> found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Is(image, x, y, color)) found.emplace_back(x, y);
  return found;
}

// The embossed look: every highlight-coloured pixel has a shadow-coloured
// one up and to the left of it (the shadow copy lies one pixel above and left
// of the highlight copy, and on top of it).
inline ::testing::AssertionResult IsEmbossed(const QImage& image, const QColor& highlight, const QColor& shadow) {
  const auto lit = PixelsOf(image, highlight);
  const auto dark = PixelsOf(image, shadow);
  if (lit.empty() || dark.empty())
    return ::testing::AssertionFailure() << lit.size() << " highlight and " << dark.size() << " shadow pixels";
  for (const QPoint& p : lit)
    if (!Is(image, p.x() - 1, p.y() - 1, shadow))
      return ::testing::AssertionFailure() << "highlight pixel at " << p.x() << "," << p.y()
                                           << " has no shadow pixel up and left of it";
  for (const QPoint& p : dark)
    if (!Is(image, p.x() + 1, p.y() + 1, shadow) && !Is(image, p.x() + 1, p.y() + 1, highlight))
      return ::testing::AssertionFailure() << "shadow pixel at " << p.x() << "," << p.y()
                                           << " has no copy down and right of it";
  return ::testing::AssertionSuccess();
}

}  // namespace pixels
