// SPDX-License-Identifier: MIT
#include "controls/KestGlobal.h"

#include <QFontMetrics>
#include <QImage>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "controls/CursorStack.h"
#include "platform/Shell.h"

namespace {
TCursorStack<Qt::CursorShape>& CursorStack() {
  static TCursorStack<Qt::CursorShape> stack;
  return stack;
}
}  // namespace

std::size_t PushScreenCursor(Qt::CursorShape cursor) {
  std::size_t handle = CursorStack().Push(ScreenCursor());
  SetScreenCursor(cursor);
  return handle;
}

Qt::CursorShape PopScreenCursor(std::size_t handle) {
  if (auto restored = CursorStack().Pop(handle)) SetScreenCursor(*restored);
  return ScreenCursor();
}

// ---- Drawing ----

namespace {
QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
TRect ToTRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

const QChar EllipsisChar(0x2026);

// A line as it is shown: its text without prefix characters, and the
// position of the character underlined as the accelerator (-1 for none).
struct TShownLine {
  QString Text;
  qsizetype Underline = -1;
  bool Shortened = false;
};

// "&&" shows one "&"; "&x" shows x underlined (the first such character); a
// closing lone "&" shows nothing.
TShownLine RemovePrefixes(const QString& line) {
  TShownLine shown;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == u'&') {
      if (++i == line.size()) break;
      if (line[i] != u'&' && shown.Underline < 0) shown.Underline = shown.Text.size();
    }
    shown.Text += line[i];
  }
  return shown;
}

QStringList SplitLines(const QString& text, bool singleLine) {
  if (text.isEmpty()) return {};
  QString joined = text;
  joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  if (singleLine) return {joined.replace(u'\n', u' ')};
  return joined.split(u'\n');
}

// Keeps the last path element whole and shortens what comes before it.
QString PathEllipsis(const QString& text, const QFontMetrics& metrics, int width) {
  qsizetype separator = std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
  if (separator <= 0) return metrics.elidedText(text, Qt::ElideMiddle, width);
  QString tail = text.mid(separator);
  int room = width - metrics.horizontalAdvance(tail);
  if (room <= metrics.horizontalAdvance(EllipsisChar))
    return metrics.elidedText(EllipsisChar + tail, Qt::ElideRight, width);
  return metrics.elidedText(text.left(separator), Qt::ElideRight, room) + tail;
}

// Ends the text after the last whole word that fits with the ellipsis.
QString WordEllipsis(const QString& text, const QFontMetrics& metrics, int width) {
  int room = width - metrics.horizontalAdvance(EllipsisChar);
  for (qsizetype end = text.lastIndexOf(u' '); end > 0; end = text.lastIndexOf(u' ', end - 1)) {
    QString words = text.left(end).trimmed();
    if (!words.isEmpty() && metrics.horizontalAdvance(words) <= room) return words + EllipsisChar;
  }
  return metrics.elidedText(text, Qt::ElideRight, width);
}

void Shorten(TShownLine& line, unsigned flags, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(line.Text) <= width) return;
  QString shortened = (flags & DT_END_ELLIPSIS)    ? metrics.elidedText(line.Text, Qt::ElideRight, width)
                      : (flags & DT_PATH_ELLIPSIS) ? PathEllipsis(line.Text, metrics, width)
                                                   : WordEllipsis(line.Text, metrics, width);
  if (shortened == line.Text) return;
  // The accelerator stays underlined only where the start of the line is kept.
  if ((flags & DT_PATH_ELLIPSIS) || line.Underline >= shortened.size() - 1) line.Underline = -1;
  line.Text = shortened;
  line.Shortened = true;
}

// The drawing of one text with a flag word: lines laid out once, then
// measured or drawn.
class TTextBlock {
 public:
  TTextBlock(const TCanvas& canvas, const QRect& rect, const QString& text, unsigned flags)
      : Flags(flags) {
    // DT_INTERNAL takes line height and tab stops from the desktop's UI font.
    QFontMetrics metrics((flags & DT_INTERNAL) ? QFont() : canvas.Font);
    Pitch = metrics.height() + ((flags & DT_EXTERNALLEADING) ? metrics.leading() : 0);
    QFontMetrics drawn(canvas.Font);
    const bool wrap = flags & DT_WORDBREAK;
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTextDirection((flags & DT_RTLREADING) ? Qt::RightToLeft : Qt::LeftToRight);
    option.setTabStopDistance(8 * metrics.averageCharWidth());

    for (const QString& paragraph : SplitLines(text, flags & DT_SINGLELINE)) {
      QString line = paragraph;
      if (!(flags & DT_EXPANDTABS)) line.replace(u'\t', u' ');
      TShownLine shown = (flags & DT_NOPREFIX) ? TShownLine{line} : RemovePrefixes(line);
      if ((flags & DT_ELLIPSES) && !wrap) Shorten(shown, flags, drawn, rect.width());
      Shortened = Shortened || shown.Shortened;
      Shown.push_back(shown);

      auto layout = std::make_unique<QTextLayout>(shown.Text, canvas.Font);
      layout->setTextOption(option);
      if (shown.Underline >= 0) {
        QTextLayout::FormatRange underline;
        underline.start = int(shown.Underline);
        underline.length = 1;
        underline.format.setFontUnderline(true);
        layout->setFormats({underline});
      }
      layout->beginLayout();
      for (QTextLine l = layout->createLine(); l.isValid(); l = layout->createLine()) {
        l.setLineWidth(std::max(rect.width(), 0));
        Lines.push_back(l);
        Width = std::max(Width, int(std::ceil(l.naturalTextWidth())));
      }
      layout->endLayout();
      Layouts.push_back(std::move(layout));
    }
  }

  QSize Size() const { return {Width, Pitch * int(Lines.size())}; }

  // The text as shown, when an ellipsis shortened a line.
  std::optional<QString> ShortenedText() const {
    if (!Shortened) return std::nullopt;
    QStringList lines;
    for (const TShownLine& line : Shown) {
      QString text = line.Text;
      lines << ((Flags & DT_NOPREFIX) ? text : text.replace(u'&', QStringLiteral("&&")));
    }
    return lines.join(QStringLiteral("\r\n"));
  }

  void Draw(TCanvas& canvas, const QRect& rect) const {
    QPainter& painter = canvas.Painter();
    painter.save();
    if (!(Flags & DT_NOCLIP)) painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(canvas.Font);
    painter.setPen(canvas.FontColor);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
      const QPoint origin = LineOrigin(i, rect);
      // An edit control shows no partly visible last line.
      if ((Flags & DT_EDITCONTROL) && i > 0 && origin.y() + Pitch > rect.top() + rect.height()) break;
      const QTextLine& line = Lines[i];
      if (canvas.Brush.style() != Qt::NoBrush)
        painter.fillRect(QRect(origin.x(), origin.y(), int(std::ceil(line.naturalTextWidth())), Pitch), canvas.Brush);
      line.draw(&painter, QPointF(origin.x() - line.naturalTextRect().left(), origin.y()));
    }
    painter.restore();
  }

  // Where Draw puts the character at `position` of line `paragraph` as
  // shown; past the shown text, an empty rectangle at the line's end.
  QRect CharacterRect(std::size_t paragraph, int position, const QRect& rect) const {
    if (paragraph >= Layouts.size()) return {};
    const QTextLayout& layout = *Layouts[paragraph];
    const int size = int(Shown[paragraph].Text.size());
    const int at = std::min(position, size);
    std::size_t first = 0;
    for (std::size_t p = 0; p < paragraph; ++p) first += std::size_t(Layouts[p]->lineCount());
    const QTextLine line = layout.lineForTextPosition(at == size && at > 0 ? at - 1 : at);
    if (!line.isValid()) return {LineOrigin(first, rect), QSize(0, Pitch)};
    const QPoint origin = LineOrigin(first + std::size_t(line.lineNumber()), rect);
    const qreal left = line.cursorToX(at) - line.naturalTextRect().left();
    const qreal right = at < size && at + 1 <= line.textStart() + line.textLength()
                            ? line.cursorToX(at + 1) - line.naturalTextRect().left()
                            : left;
    // Both edges rounded, so that neighbours neither overlap nor leave a gap.
    const int from = origin.x() + qRound(std::min(left, right));
    const int to = origin.x() + qRound(std::max(left, right));
    return {QPoint(from, origin.y()), QSize(to - from, Pitch)};
  }

 private:
  // The top left of line `i` drawn in `rect`.
  QPoint LineOrigin(std::size_t i, const QRect& rect) const {
    int y = rect.top() + Pitch * int(i);
    // Only single-line text is placed vertically; more lines start at the top.
    if (Flags & DT_SINGLELINE) {
      if (Flags & DT_VCENTER) y += (rect.height() - Size().height()) / 2;
      if (Flags & DT_BOTTOM) y += rect.height() - Size().height();
    }
    const int width = i < Lines.size() ? int(std::ceil(Lines[i].naturalTextWidth())) : 0;
    int x = rect.left();
    if (Flags & DT_RIGHT)
      x += rect.width() - width;
    else if (Flags & DT_CENTER)
      x += (rect.width() - width) / 2;
    return {x, y};
  }

  unsigned Flags;
  int Pitch = 0;
  int Width = 0;
  bool Shortened = false;
  std::vector<TShownLine> Shown;
  std::vector<std::unique_ptr<QTextLayout>> Layouts;
  std::vector<QTextLine> Lines;
};

// One call of the platform's text drawing with a flag word.
void PlainDrawText(TCanvas& canvas, QRect& rect, QString& text, unsigned flags) {
  TTextBlock block(canvas, rect, text, flags);
  if (flags & DT_CALCRECT) {
    rect.setSize(block.Size());
    return;
  }
  block.Draw(canvas, rect);
  if (flags & DT_MODIFYSTRING) {
    if (auto shortened = block.ShortenedText()) text = *shortened;
  }
}

// Draws plainly, or embossed: a highlight-coloured copy one pixel right of and
// below a shadow-coloured one.
void DrawTextLook(TCanvas& canvas, QRect& rect, QString& text, unsigned flags, const TDrawTextFormat& format) {
  if (!format.Disabled) {
    PlainDrawText(canvas, rect, text, flags);
    return;
  }
  QRect r = ToQRect(EmbossBase(ToTRect(rect), EffectiveAlignment(format), format.Layout));
  r.translate(1, 1);
  canvas.FontColor = canvas.SystemColor(ecBtnHighlight);
  PlainDrawText(canvas, r, text, flags);
  flags &= ~DT_MODIFYSTRING;
  r.translate(-1, -1);
  canvas.Brush.setStyle(Qt::NoBrush);
  canvas.FontColor = canvas.SystemColor(ecBtnShadow);
  if (flags & DT_CALCRECT) {
    rect = r.adjusted(0, 0, 1, 1);
    return;
  }
  PlainDrawText(canvas, r, text, flags);
}

// The off-screen picture that multi-line text with centre or bottom layout is
// drawn through; it only grows, and lives until the program ends.
QImage& OffscreenBitmap() {
  static QImage bitmap;
  return bitmap;
}

void DrawThroughBitmap(TCanvas& canvas, const QRect& rect, const QRect& measured, QString& text, unsigned flags,
                       const TDrawTextFormat& format, TAlignmentPositions positions) {
  if (measured.isEmpty()) return;
  const qreal ratio = canvas.Painter().device() ? canvas.Painter().device()->devicePixelRatioF() : 1.0;
  const QSize pixels(int(std::ceil(measured.width() * ratio)), int(std::ceil(measured.height() * ratio)));
  QImage& bitmap = OffscreenBitmap();
  if (bitmap.width() < pixels.width() || bitmap.height() < pixels.height())
    bitmap = QImage(std::max(bitmap.width(), pixels.width()), std::max(bitmap.height(), pixels.height()),
                    QImage::Format_ARGB32_Premultiplied);
  bitmap.setDevicePixelRatio(ratio);
  {
    QPainter painter(&bitmap);
    // A clear brush keeps the background: the picture is then transparent
    // around the text instead of filled.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(0, 0), measured.size()),
                     canvas.Brush.style() == Qt::NoBrush ? QColor(Qt::transparent) : canvas.Brush.color());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.translate(-measured.topLeft());
    TCanvas offscreen(painter, canvas.Palette());
    CopyCanvasState(offscreen, canvas);
    QRect target = measured;
    DrawTextLook(offscreen, target, text, flags, format);
  }
  TCopyRects copy = OffscreenCopyRects(ToTRect(rect), ToTRect(measured), positions, format.NoClip);
  copy.Source.Offset(-measured.left(), -measured.top());
  const QRect source = ToQRect(copy.Source);
  QPainter& painter = canvas.Painter();
  painter.save();
  painter.setCompositionMode(canvas.CopyMode);
  painter.drawImage(QRectF(ToQRect(copy.Dest)), bitmap,
                    QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
  painter.restore();
}

QPalette::ColorRole PaletteRole(TEdgeColor color) {
  switch (color) {
    case ecBtnHighlight:
      return QPalette::Light;
    case ec3DLight:
      return QPalette::Midlight;
    case ecBtnShadow:
      return QPalette::Dark;
    case ec3DDkShadow:
      return QPalette::Shadow;
    case ecWindow:
      return QPalette::Base;
    case ecWindowFrame:
      return QPalette::WindowText;
    case ecBtnFace:
    case ecNone:
      break;
  }
  return QPalette::Button;
}
}  // namespace

TCanvas::TCanvas(QPainter& painter, const QPalette& palette) : PainterRef(&painter), SystemPalette(palette) {}

QColor TCanvas::SystemColor(TEdgeColor color) const {
  return SystemPalette.color(QPalette::Active, PaletteRole(color));
}

void TCanvas::FillRect(const QRect& rect) {
  if (Brush.style() != Qt::NoBrush) PainterRef->fillRect(rect, Brush);
}

// Rounded up, as the text drawing measures lines, so a text drawn in a
// rectangle of its width is never cut.
int TCanvas::TextWidth(const QString& text) const {
  return int(std::ceil(QFontMetricsF(Font).horizontalAdvance(text)));
}

void TCanvas::MoveTo(int x, int y) { PenPos = QPoint(x, y); }

void TCanvas::LineTo(int x, int y) {
  PainterRef->save();
  PainterRef->setPen(Pen);
  PainterRef->drawLine(PenPos, QPoint(x, y));
  PainterRef->restore();
  PenPos = QPoint(x, y);
}

void CopyCanvasState(TCanvas& destination, const TCanvas& source) {
  destination.Brush = source.Brush;
  destination.CopyMode = source.CopyMode;
  destination.Font = source.Font;
  destination.FontColor = source.FontColor;
  destination.Pen = source.Pen;
  destination.PenPos = source.PenPos;
}

void AlignRect(QRect& rect, const QRect& reference, int hPos, int vPos) {
  TRect r = ToTRect(rect);
  AlignRect(r, ToTRect(reference), hPos, vPos);
  rect = ToQRect(r);
}

QString StripAccelChars(const QString& caption) { return RemovePrefixes(caption).Text; }

void DrawTextFormatted(TCanvas& canvas, QRect& rect, QString& text, const TDrawTextFormat& format) {
  const unsigned flags = DrawTextFlags(format);
  if (format.Transparent) canvas.Brush.setStyle(Qt::NoBrush);
  if (format.Layout == tlTop || format.SingleLine) {
    DrawTextLook(canvas, rect, text, flags, format);
    return;
  }
  // Multi-line text is placed vertically by hand: measured, then drawn off
  // screen and copied to where its layout puts it.
  QRect measured = rect;
  PlainDrawText(canvas, measured, text, (flags & ~DT_MODIFYSTRING) | DT_CALCRECT);
  const TAlignmentPositions positions = AlignmentPositions(EffectiveAlignment(format), format.Layout);
  TRect needed = ToTRect(measured);
  if (format.CalcRect) AlignRect(needed, ToTRect(rect), positions.HPos, positions.VPos);
  // The embossed copies need a pixel more, also in the bitmap.
  if (format.Disabled) WidenForEmboss(needed, EffectiveAlignment(format), format.Layout);
  if (format.CalcRect) {
    rect = ToQRect(needed);
    return;
  }
  DrawThroughBitmap(canvas, rect, ToQRect(needed), text, flags, format, positions);
}

std::vector<QRect> DrawnCharacterRects(const QFont& font, const QRect& rect, const QString& text,
                                       TDrawTextFormat format) {
  format.NoPrefix = true;
  const unsigned flags = DrawTextFlags(format) & ~(DT_CALCRECT | DT_MODIFYSTRING);
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TCanvas canvas(painter, QPalette());
  canvas.Font = font;
  const TTextBlock block(canvas, rect, text, flags);
  // Multi-line text placed by its layout is drawn at the top left of its own
  // size and then copied to where the layout puts it.
  QRect placed = rect;
  QPoint shift;
  if (!(format.Layout == tlTop || format.SingleLine)) {
    placed.setSize(block.Size());
    const TCopyRects copy = OffscreenCopyRects(ToTRect(rect), ToTRect(placed),
                                               AlignmentPositions(EffectiveAlignment(format), format.Layout),
                                               format.NoClip);
    shift = QPoint(copy.Dest.Left - copy.Source.Left, copy.Dest.Top - copy.Source.Top);
  }
  std::vector<QRect> rects;
  rects.reserve(std::size_t(text.size()));
  std::size_t paragraph = 0;
  int position = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool lineBreak = text[i] == u'\r' || text[i] == u'\n';
    const bool pair = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
    rects.push_back(block.CharacterRect(paragraph, position, placed).translated(shift));
    if (pair) rects.push_back(rects.back());
    i += pair;
    if (lineBreak && !format.SingleLine) {
      ++paragraph;
      position = 0;
    } else {
      ++position;
    }
  }
  return rects;
}

QRect EdgeInteriorRect(const QRect& rect, const TDrawEdgeFormat& format) {
  const unsigned flags = DrawEdgeFlags(format);
  return (flags & BF_ADJUST) ? ToQRect(EdgeInterior(ToTRect(rect), DrawEdgeKind(format), flags)) : rect;
}

void DrawEdgeFormatted(TCanvas& canvas, QRect& rect, const TDrawEdgeFormat& format) {
  const unsigned kind = DrawEdgeKind(format);
  const unsigned flags = DrawEdgeFlags(format);
  const TEdgeRings rings = EdgeRings(kind, flags);
  QPainter& painter = canvas.Painter();
  // Top and left first, so the bottom and right colours take the two off corners.
  auto drawRing = [&](const TRect& r, const TEdgeRing& ring) {
    if (!ring.Drawn()) return;
    const QColor topLeft = canvas.SystemColor(ring.TopLeft);
    const QColor bottomRight = canvas.SystemColor(ring.BottomRight);
    if (flags & BF_TOP) painter.fillRect(QRect(r.Left, r.Top, r.Width(), 1), topLeft);
    if (flags & BF_LEFT) painter.fillRect(QRect(r.Left, r.Top, 1, r.Height()), topLeft);
    if (flags & BF_BOTTOM) painter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), bottomRight);
    if (flags & BF_RIGHT) painter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), bottomRight);
  };
  const TRect outer = ToTRect(rect);
  drawRing(outer, rings.Outer);
  drawRing(EdgeInterior(outer, kind & BDR_OUTER, flags), rings.Inner);
  if (flags & BF_MIDDLE)
    painter.fillRect(ToQRect(EdgeInterior(outer, kind, flags)), canvas.SystemColor(EdgeMiddleColor(flags)));
  rect = EdgeInteriorRect(rect, format);
}

bool SelectsAllOnFocus(Qt::FocusReason reason) {
  return reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
