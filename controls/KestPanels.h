// SPDX-License-Identifier: MIT
#pragma once
// Panels that paint themselves: a bevelled frame, a background, and a caption
// with padding, vertical alignment and an embossed look when disabled; the
// owner may draw between the background and the caption. The canvas panel
// also repaints at once and copies its picture to the clipboard.
#include <QWidget>
#include <cstdint>
#include <optional>

#include "controls/KestGlobal.h"
#include "controls/PanelGeometry.h"

enum TVerticalAlignment : std::uint8_t { vaBottom, vaMiddle, vaTop };

class TKestCustomPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TKestCustomPanel(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  std::uint16_t CaptionPadding() const { return FCaptionPadding; }
  void SetCaptionPadding(std::uint16_t padding);
  TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment alignment);
  std::uint16_t VerticalCaptionPadding() const { return FVerticalCaptionPadding; }
  void SetVerticalCaptionPadding(std::uint16_t padding);
  TBevelCut BevelOuter() const { return FFrame.BevelOuter; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut BevelInner() const { return FFrame.BevelInner; }
  void SetBevelInner(TBevelCut cut);
  int BevelWidth() const { return FFrame.BevelWidth; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return FFrame.BorderWidth; }
  void SetBorderWidth(int width);
  // A one-pixel line round the panel, inside its rectangle.
  bool SingleBorder() const { return FFrame.SingleBorder; }
  void SetSingleBorder(bool single);
  // The background; the palette's button face colour unless set.
  QColor Color() const;
  void SetColor(const QColor& color);

  // The client rectangle less border and bevels.
  QRect InnerRect() const;
  void DoCustomDraw(const QRect& rect, bool& defaultDraw);
  // The surface the panel is painting on: set only while it paints, so valid
  // inside OnCustomDraw.
  TCanvas* Canvas() const { return CurrentCanvas; }

  TCustomDrawEvent OnCustomDraw;

 protected:
  // Bevels, border and background.
  virtual void DrawFrame(TCanvas& canvas);
  virtual void DrawCaption(TCanvas& canvas);
  // Frame, the custom drawing, then the caption unless the handler declined it.
  virtual void Paint(TCanvas& canvas);

  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString FCaption;
  TAlignment FAlignment = taCenter;
  std::uint16_t FCaptionPadding = 2;
  TVerticalAlignment FVerticalAlignment = vaMiddle;
  std::uint16_t FVerticalCaptionPadding = 2;
  TPanelFrame FFrame;
  std::optional<QColor> FColor;
  TCanvas* CurrentCanvas = nullptr;
};

class TCanvasPanel : public TKestCustomPanel {
  Q_OBJECT
 public:
  using TKestCustomPanel::TKestCustomPanel;

  // Repaints the panel at once rather than when the event loop gets to it.
  void PaintNow();
  // Replaces the clipboard's content by the picture of `rect` as shown,
  // child controls included.
  void CopyImageToClipboard(const QRect& rect);
};
