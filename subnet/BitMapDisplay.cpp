// SPDX-License-Identifier: MIT
// The bit maps in colour: the legend of the bit-map labels and the network,
// subnet and host bits of the bit-map boxes.
#include <QColor>
#include <QImage>
#include <QPainter>

#include "controls/ColourContrast.h"
#include "subnet/BitMapColours.h"
#include "subnet/BitMapDisplay.h"
#include "subnet/SubnetCalculator.h"

namespace {

// Every piece is one line, "&" standing for itself, placed as the control places its text.
TDrawTextFormat PieceFormat(const TKestCustomLabel& control) {
  TDrawTextFormat format;
  format.Alignment = control.Alignment();
  format.Layout = control.Layout();
  format.BiDiMode = control.BiDiMode();
  format.SingleLine = true;
  format.NoPrefix = true;
  return format;
}

// The part's colour, lightened as much as a dark background needs to keep it readable.
QColor PartColour(TBitMapPart part, const QColor& fontColour, const QColor& background) {
  if (part == bpPlain) return fontColour;
  const TBitMapColour& colour = BitMapColours[part];
  const auto channel = [](int value) { return static_cast<std::uint8_t>(value); };
  const TRgb readable = ReadableOn({colour.Red, colour.Green, colour.Blue},
                                   {channel(background.red()), channel(background.green()), channel(background.blue())});
  return QColor(readable.Red, readable.Green, readable.Blue);
}

// The rectangle's right edge moved onto its left edge, where the first piece starts.
QRect StartOfRun(const QRect& rect) { return QRect(rect.left(), rect.top(), 0, rect.height()); }

// The rectangle's next cell: `width` wide, right after where it was.
void NextCell(QRect& rect, int width) {
  rect.moveLeft(rect.left() + rect.width());
  rect.setWidth(width);
}

// Draws `text` right after the previous piece: `rect` moves on to the piece's
// cell, its top and bottom kept.
void DrawTextPiece(TCanvas& canvas, QRect& rect, const TDrawTextFormat& options, QString text) {
  NextCell(rect, canvas.TextWidth(text));
  DrawTextFormatted(canvas, rect, text, options);
}

}  // namespace

void DrawBitMapLegend(TKestCustomLabel& label, const QRect& ARect, const std::vector<TBitMapPiece>& pieces) {
  TCanvas& canvas = *label.Canvas();
  const QColor fontColour = canvas.FontColor;
  const TDrawTextFormat format = PieceFormat(label);
  QRect run = StartOfRun(ARect);
  for (const TBitMapPiece& piece : pieces) {
    canvas.FontColor = PartColour(piece.Part, fontColour, canvas.Brush.color());
    DrawTextPiece(canvas, run, format, QString::fromStdString(piece.Text));
  }
}

void DrawBitMapBox(TKestCustomTextBox& box, const QRect& ARect, const std::vector<TBitMapRun>& runs) {
  TCanvas& canvas = *box.Canvas();
  const QColor fontColour = canvas.FontColor;
  // The pieces start right inside the edge: unlike the plain caption, not inset by BorderWidth.
  QRect inside = ARect;
  DrawEdgeFormatted(canvas, inside, box.EdgeFormat());

  const QString text = box.Caption();
  const TDrawTextFormat format = PieceFormat(box);
  QRect run = StartOfRun(inside);
  for (const TBitMapRun& piece : runs) {
    canvas.FontColor = PartColour(piece.Part, fontColour, canvas.Brush.color());
    DrawTextPiece(canvas, run, format,
                  text.mid(static_cast<qsizetype>(piece.Start), static_cast<qsizetype>(piece.Length)));
  }
}

std::vector<QRect> BitMapBoxCharacterRects(const TKestCustomTextBox& box, const QRect& ARect,
                                           const std::vector<TBitMapRun>& runs) {
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TCanvas canvas(painter, box.palette());
  canvas.Font = box.font();
  const QString text = box.Caption();
  const TDrawTextFormat format = PieceFormat(box);
  QRect run = StartOfRun(EdgeInteriorRect(ARect, box.EdgeFormat()));
  std::vector<QRect> rects;
  for (const TBitMapRun& piece : runs) {
    const QString pieceText = text.mid(static_cast<qsizetype>(piece.Start), static_cast<qsizetype>(piece.Length));
    NextCell(run, canvas.TextWidth(pieceText));
    const std::vector<QRect> pieceRects = DrawnCharacterRects(canvas.Font, run, pieceText, format);
    rects.insert(rects.end(), pieceRects.begin(), pieceRects.end());
  }
  return rects;
}

void TSubnetCalculator::BitMapLabelCustomDraw(QObject* Sender, const QRect& ARect, bool& DefaultDraw) {
  DefaultDraw = false;
  auto* label = static_cast<TKestCustomLabel*>(Sender);
  const bool isSubnetLabel = label == SubnetBitMapLabel;
  const std::string title = isSubnetLabel ? SubnetBitMapTitle : ClassBitMapTitle(CurrentClass());
  DrawBitMapLegend(*label, ARect, BitMapLegendPieces(title, isSubnetLabel));
}

std::vector<TBitMapRun> TSubnetCalculator::BitMapTextBoxRuns(const TKestCustomTextBox& box) const {
  const int networkBits = ClassNetworkBits(CurrentClass());
  int subnetBits = 0;
  int hostBits = 32 - networkBits;
  if (&box == SubnetBitMapTextBox) {
    subnetBits = static_cast<int>(SelectedSubnetBits());
    hostBits = 32 - static_cast<int>(SelectedMaskBits());
  }
  return BitMapRuns(static_cast<std::size_t>(box.Caption().size()), networkBits, subnetBits, hostBits);
}

void TSubnetCalculator::BitMapTextBoxCustomDraw(QObject* Sender, const QRect& ARect, bool& DefaultDraw) {
  DefaultDraw = false;
  auto* box = static_cast<TKestCustomTextBox*>(Sender);
  DrawBitMapBox(*box, ARect, BitMapTextBoxRuns(*box));
}

std::vector<QRect> TSubnetCalculator::BitMapTextBoxCharacterRects(const TKestCustomTextBox& box,
                                                                  const QRect& ARect) const {
  return BitMapBoxCharacterRects(box, ARect, BitMapTextBoxRuns(box));
}
