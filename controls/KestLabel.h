// SPDX-License-Identifier: MIT
#pragma once
// Static text that draws through DrawTextFormatted: a label, a bordered
// read-only text box, and the default OK button of a dialog.
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <vector>

#include "controls/KestGlobal.h"

// A label whose caption is drawn with alignment, vertical layout, ellipsis,
// line-end and tab handling, and the embossed look when disabled. Its owner
// can draw it instead through OnCustomDraw, on Canvas(). The caption is also
// the text that assistive technology reads; an "&" in it marks the accelerator
// that focuses FocusControl.
class TKestCustomLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TKestCustomLabel(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  // The caption as drawn: without the accelerator marks when they are shown as such.
  QString ShownCaption() const;
  void SetCaption(const QString& caption);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout layout);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool show);
  QWidget* FocusControl() const { return buddy(); }
  void SetFocusControl(QWidget* control);
  // The background; the palette's button face colour unless set.
  QColor Color() const;
  void SetColor(const QColor& color);
  TDrawTextEllipsis Ellipsis() const { return FEllipsis; }
  void SetEllipsis(TDrawTextEllipsis ellipsis);
  bool ExpandReturns() const { return FExpandReturns; }
  void SetExpandReturns(bool expand);
  bool ExpandTabs() const { return FExpandTabs; }
  void SetExpandTabs(bool expand);

  TDrawTextFormat GetDrawTextFormat() const;
  // Where each character of ShownCaption() is drawn, in the control's coordinates.
  std::vector<QRect> CharacterRects() const;
  // The surface the control is painting on: set only while it paints, so
  // valid inside OnCustomDraw, with the brush and font already set up.
  TCanvas* Canvas() const { return FCanvas; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Called after the background is filled and before the caption is drawn.
  TCustomDrawEvent OnCustomDraw;
  // Where an OnCustomDraw that draws the caption itself puts each character
  // of ShownCaption() in the client rectangle ARect; unset, where the
  // caption's own drawing puts them.
  std::function<std::vector<QRect>(const TKestCustomLabel& Sender, const QRect& ARect)> OnCharacterRects;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  // Draws the content into `rect`, the client rectangle.
  virtual void DrawContent(QRect rect);
  // The part of the client rectangle `rect` that the caption is drawn in.
  virtual QRect CaptionRect(const QRect& rect) const { return rect; }
  virtual void Paint();
  // Resizes an auto-sized control to its caption, keeping the edge or centre
  // that its alignment and layout anchor.
  virtual void AdjustBounds();
  // The size the caption needs, starting from `bounds`.
  virtual QRect MeasureCaption(const QRect& bounds) const;

  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void UpdateAccessibleText(const QString& shownBefore);

  QString FCaption;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  std::optional<QColor> FColor;
  TDrawTextEllipsis FEllipsis = dteNone;
  bool FExpandReturns = true;
  bool FExpandTabs = true;
  TCanvas* FCanvas = nullptr;
};

class TKestLabel : public TKestCustomLabel {
  Q_OBJECT
 public:
  using TKestCustomLabel::TKestCustomLabel;
};

// A label inside a border with a margin: the read-only output field.
class TKestCustomTextBox : public TKestCustomLabel {
  Q_OBJECT
 public:
  explicit TKestCustomTextBox(QWidget* parent = nullptr);

  TEdgeBorders EdgeBorders() const { return FEdgeFormat.EdgeBorders; }
  void SetEdgeBorders(TEdgeBorders borders);
  TEdgeStyle EdgeInner() const { return FEdgeFormat.EdgeInner; }
  void SetEdgeInner(TEdgeStyle style);
  TEdgeStyle EdgeOuter() const { return FEdgeFormat.EdgeOuter; }
  void SetEdgeOuter(TEdgeStyle style);
  TDrawEdgeStyle EdgeStyle() const { return FEdgeFormat.EdgeStyle; }
  void SetEdgeStyle(TDrawEdgeStyle style);
  // Pixels between the edge and the text.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);

  // The border as DrawEdgeFormatted takes it (it shrinks the rectangle to the inside).
  const TDrawEdgeFormat& EdgeFormat() const { return FEdgeFormat; }

 protected:
  void DrawContent(QRect rect) override;
  QRect CaptionRect(const QRect& rect) const override;
  QRect MeasureCaption(const QRect& bounds) const override;

 private:
  TDrawEdgeFormat FEdgeFormat{ebAll, esNone, esLowered, desDefault, true, false};
  int FBorderWidth = 1;
};

class TTextBox : public TKestCustomTextBox {
  Q_OBJECT
 public:
  using TKestCustomTextBox::TKestCustomTextBox;
};

// The default button of a dialog: "OK", pressed by Enter, closing a modal
// dialog with ModalResult.
class TOKButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TOKButton(QWidget* parent = nullptr);

  bool Default() const { return isDefault(); }
  void SetDefault(bool value) { setDefault(value); }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }

 private:
  int FModalResult = 1;
};
