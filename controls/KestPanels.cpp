// SPDX-License-Identifier: MIT
#include "controls/KestPanels.h"

#include <QEvent>
#include <QPainter>

#include "platform/Clipboard.h"

namespace {
TRect ToTRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// `width` rings of one pixel, the top and left sides in one colour and the
// bottom and right sides in the other; `rect` shrinks past them.
void DrawRings(QPainter& painter, QRect& rect, int width, const QColor& topLeft, const QColor& bottomRight) {
  for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    rect.adjust(1, 1, -1, -1);
  }
}

void DrawBevel(TCanvas& canvas, QRect& rect, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  const QColor shadow = canvas.SystemColor(ecBtnShadow);
  const QColor highlight = canvas.SystemColor(ecBtnHighlight);
  if (cut == bvLowered)
    DrawRings(canvas.Painter(), rect, width, shadow, highlight);
  else
    DrawRings(canvas.Painter(), rect, width, highlight, shadow);
}
}  // namespace

TKestCustomPanel::TKestCustomPanel(QWidget* parent) : QWidget(parent) {}

void TKestCustomPanel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  update();
}

void TKestCustomPanel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  update();
}

void TKestCustomPanel::SetCaptionPadding(std::uint16_t padding) {
  if (padding == FCaptionPadding) return;
  FCaptionPadding = padding;
  update();
}

void TKestCustomPanel::SetVerticalAlignment(TVerticalAlignment alignment) {
  if (alignment == FVerticalAlignment) return;
  FVerticalAlignment = alignment;
  update();
}

void TKestCustomPanel::SetVerticalCaptionPadding(std::uint16_t padding) {
  if (padding == FVerticalCaptionPadding) return;
  FVerticalCaptionPadding = padding;
  update();
}

void TKestCustomPanel::SetBevelOuter(TBevelCut cut) {
  if (cut == FFrame.BevelOuter) return;
  FFrame.BevelOuter = cut;
  update();
}

void TKestCustomPanel::SetBevelInner(TBevelCut cut) {
  if (cut == FFrame.BevelInner) return;
  FFrame.BevelInner = cut;
  update();
}

void TKestCustomPanel::SetBevelWidth(int width) {
  if (width == FFrame.BevelWidth) return;
  FFrame.BevelWidth = width;
  update();
}

void TKestCustomPanel::SetBorderWidth(int width) {
  if (width == FFrame.BorderWidth) return;
  FFrame.BorderWidth = width;
  update();
}

void TKestCustomPanel::SetSingleBorder(bool single) {
  if (single == FFrame.SingleBorder) return;
  FFrame.SingleBorder = single;
  update();
}

QColor TKestCustomPanel::Color() const { return FColor.value_or(palette().color(QPalette::Button)); }

void TKestCustomPanel::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

QRect TKestCustomPanel::InnerRect() const { return ToQRect(PanelInnerRect(ToTRect(rect()), FFrame)); }

void TKestCustomPanel::DoCustomDraw(const QRect& rect, bool& defaultDraw) {
  if (OnCustomDraw) OnCustomDraw(this, rect, defaultDraw);
}

void TKestCustomPanel::DrawFrame(TCanvas& canvas) {
  QRect r = rect();
  if (FFrame.SingleBorder) {
    const QColor line = canvas.SystemColor(ecBtnShadow);
    DrawRings(canvas.Painter(), r, 1, line, line);
  }
  DrawBevel(canvas, r, FFrame.BevelOuter, FFrame.BevelWidth);
  DrawRings(canvas.Painter(), r, FFrame.BorderWidth, Color(), Color());
  DrawBevel(canvas, r, FFrame.BevelInner, FFrame.BevelWidth);
  if (r.isValid()) canvas.Painter().fillRect(r, Color());
}

void TKestCustomPanel::DrawCaption(TCanvas& canvas) {
  if (FCaption.isEmpty()) return;
  QRect r = InnerRect().adjusted(FCaptionPadding, FVerticalCaptionPadding, -FCaptionPadding,
                                 -FVerticalCaptionPadding);
  canvas.Brush = QBrush(Color(), Qt::NoBrush);
  canvas.Font = font();
  canvas.FontColor = palette().color(QPalette::WindowText);
  TDrawTextFormat format;
  format.Alignment = FAlignment;
  format.Layout = FVerticalAlignment == vaTop ? tlTop : FVerticalAlignment == vaBottom ? tlBottom : tlCenter;
  format.SingleLine = true;
  format.ExpandTabs = true;
  format.Transparent = true;
  format.Disabled = !isEnabled();
  QString text = FCaption;
  DrawTextFormatted(canvas, r, text, format);
}

void TKestCustomPanel::Paint(TCanvas& canvas) {
  DrawFrame(canvas);
  bool defaultDraw = true;
  DoCustomDraw(InnerRect(), defaultDraw);
  if (defaultDraw) DrawCaption(canvas);
}

void TKestCustomPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter, palette());
  CurrentCanvas = &canvas;
  Paint(canvas);
  CurrentCanvas = nullptr;
}

void TKestCustomPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

void TCanvasPanel::PaintNow() { repaint(); }

void TCanvasPanel::CopyImageToClipboard(const QRect& rect) { ClipboardSetImage(grab(rect).toImage()); }
