// SPDX-License-Identifier: MIT
#pragma once
// Shared services of the controls: the busy-cursor stack, the character tests
// and the drawing of formatted text and edges.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <cstddef>
#include <functional>
#include <vector>

#include "controls/CharTests.h"
#include "controls/DrawFormat.h"

class QObject;

// Shows `cursor` until the handle is popped; pushes nest and may be popped in any order.
std::size_t PushScreenCursor(Qt::CursorShape cursor);
// Releases a push; returns the cursor now shown.
Qt::CursorShape PopScreenCursor(std::size_t handle);

// Shows the hourglass for the lifetime of the object, also when an exception passes.
class TBusyCursor {
 public:
  TBusyCursor() : Handle(PushScreenCursor(Qt::WaitCursor)) {}
  ~TBusyCursor() { PopScreenCursor(Handle); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  std::size_t Handle;
};

// A control's drawing surface while it paints: the painter plus the drawing
// state that text and line drawing use (text is drawn in Font and FontColor,
// backgrounds in Brush; a brush of style Qt::NoBrush draws no background but
// keeps its colour), and the palette the system colours come from.
class TCanvas {
 public:
  TCanvas(QPainter& painter, const QPalette& palette);

  QPainter& Painter() const { return *PainterRef; }
  const QPalette& Palette() const { return SystemPalette; }
  // A system colour (button face, highlight, shadow...) from the palette.
  QColor SystemColor(TEdgeColor color) const;

  // Fills with Brush; does nothing when the brush is clear.
  void FillRect(const QRect& rect);
  int TextWidth(const QString& text) const;
  void MoveTo(int x, int y);
  // Draws a line with Pen from PenPos to (x, y), which becomes the new PenPos.
  void LineTo(int x, int y);

  QBrush Brush{Qt::white};
  QFont Font;
  QColor FontColor{Qt::black};
  QPen Pen{Qt::black};
  QPoint PenPos;
  QPainter::CompositionMode CopyMode = QPainter::CompositionMode_SourceOver;

 private:
  QPainter* PainterRef;
  QPalette SystemPalette;
};

// The plain event of a control.
using TNotifyEvent = std::function<void(QObject* sender)>;

// Sender is the control, ARect the rectangle it hands over for drawing; a
// handler sets DefaultDraw to false to suppress the control's own drawing.
using TCustomDrawEvent = std::function<void(QObject* Sender, const QRect& ARect, bool& DefaultDraw)>;

// Draws `text` in `rect` as `format` says. With CalcRect it draws nothing and
// replaces `rect` by the rectangle the text needs. With ModifyString a text
// shortened by an ellipsis is written back into `text`. Transparent sets the
// canvas brush to clear.
void DrawTextFormatted(TCanvas& canvas, QRect& rect, QString& text, const TDrawTextFormat& format);

// Where DrawTextFormatted puts each character of `text` in `rect`, taken as
// shown (without accelerator prefixes): one rectangle per UTF-16 unit, a line
// break empty at its line's end.
std::vector<QRect> DrawnCharacterRects(const QFont& font, const QRect& rect, const QString& text,
                                       TDrawTextFormat format);

// Draws the border that `format` describes on the edge pixels of `rect`, in
// the palette's colours; with Adjust, `rect` becomes the interior.
void DrawEdgeFormatted(TCanvas& canvas, QRect& rect, const TDrawEdgeFormat& format);

// The rectangle DrawEdgeFormatted leaves `rect` as: its interior with Adjust, else itself.
QRect EdgeInteriorRect(const QRect& rect, const TDrawEdgeFormat& format);

void AlignRect(QRect& rect, const QRect& reference, int hPos, int vPos);

// A caption as shown with accelerator prefixes: "&&" shows "&", any other "&" nothing.
QString StripAccelChars(const QString& caption);

// Whether a text field that the focus enters for `reason` selects its whole
// text, so that typing replaces it: yes from the keyboard, a page switch or the
// program; no after a mouse click, which places the caret, nor when a menu or
// another window hands the focus back.
bool SelectsAllOnFocus(Qt::FocusReason reason);

// Copies brush, copy mode, font, font colour, pen and pen position.
void CopyCanvasState(TCanvas& destination, const TCanvas& source);
