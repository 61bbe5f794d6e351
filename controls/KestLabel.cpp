// SPDX-License-Identifier: MIT
#include "controls/KestLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/AccessibleText.h"
#include "platform/Application.h"

namespace {
QString EscapePrefixes(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

// A label reads as static text named by its caption as shown, and names its
// FocusControl.
class TLabelAccessible : public QAccessibleWidget {
 public:
  explicit TLabelAccessible(TKestCustomLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? Label()->ShownCaption() : widget()->accessibleName();
      case QAccessible::Value:
        return Label()->ShownCaption();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto found = QAccessibleWidget::relations(match);
    QWidget* control = Label()->FocusControl();
    if ((match & QAccessible::Labelled) && control)
      found.append({QAccessible::queryAccessibleInterface(control), QAccessible::Labelled});
    return found;
  }

 private:
  TKestCustomLabel* Label() const { return static_cast<TKestCustomLabel*>(widget()); }
};

// A text box reads as a read-only text field: named by the label whose
// FocusControl it is (or its own accessible name), its text the caption as shown.
class TTextBoxAccessible : public TAccessibleTextWidget {
 public:
  explicit TTextBoxAccessible(TKestCustomTextBox* box) : TAccessibleTextWidget(box, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }
  QRect characterRect(int offset) const override {
    const std::vector<QRect> rects = Box()->CharacterRects();
    if (offset < 0 || offset >= int(rects.size())) return {};
    // Text beyond the box is cut off where it is drawn.
    const QRect shown = rects[std::size_t(offset)].intersected(Box()->rect());
    return {Box()->mapToGlobal(shown.topLeft()), shown.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = Box()->mapFromGlobal(point);
    const std::vector<QRect> rects = Box()->CharacterRects();
    const auto hit = std::find_if(rects.begin(), rects.end(), [&](const QRect& r) { return r.contains(local); });
    return Box()->rect().contains(local) && hit != rects.end() ? int(hit - rects.begin()) : -1;
  }

 private:
  TKestCustomTextBox* Box() const { return static_cast<TKestCustomTextBox*>(widget()); }
  QString AccessibleText() const override { return Box()->ShownCaption(); }
};

QAccessibleInterface* LabelAccessibleFactory(const QString&, QObject* object) {
  if (auto* box = qobject_cast<TKestCustomTextBox*>(object)) return new TTextBoxAccessible(box);
  if (auto* label = qobject_cast<TKestCustomLabel*>(object)) return new TLabelAccessible(label);
  return nullptr;
}
}  // namespace

TKestCustomLabel::TKestCustomLabel(QWidget* parent) : QLabel(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(LabelAccessibleFactory), true);
  (void)factoryInstalled;
  setTextFormat(Qt::PlainText);
  resize(65, 17);
}

void TKestCustomLabel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  const QString shownBefore = ShownCaption();
  FCaption = caption;
  UpdateAccessibleText(shownBefore);
  AdjustBounds();
  update();
}

void TKestCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  update();
}

void TKestCustomLabel::SetLayout(TTextLayout layout) {
  if (layout == FLayout) return;
  FLayout = layout;
  update();
}

void TKestCustomLabel::SetBiDiMode(TBiDiMode mode) {
  if (mode == FBiDiMode) return;
  FBiDiMode = mode;
  AdjustBounds();
  update();
}

void TKestCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == FAutoSize) return;
  FAutoSize = autoSize;
  AdjustBounds();
  updateGeometry();
  update();
}

void TKestCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == FWordWrap) return;
  FWordWrap = wordWrap;
  AdjustBounds();
  update();
}

void TKestCustomLabel::SetTransparent(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  update();
}

void TKestCustomLabel::SetShowAccelChar(bool show) {
  if (show == FShowAccelChar) return;
  const QString shownBefore = ShownCaption();
  FShowAccelChar = show;
  UpdateAccessibleText(shownBefore);
  AdjustBounds();
  update();
}

void TKestCustomLabel::SetFocusControl(QWidget* control) {
  if (control == buddy()) return;
  setBuddy(control);
}

QString TKestCustomLabel::ShownCaption() const {
  return FShowAccelChar ? StripAccelChars(FCaption) : FCaption;
}

QColor TKestCustomLabel::Color() const {
  return FColor.value_or(palette().color(QPalette::Active, QPalette::Button));
}

void TKestCustomLabel::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

void TKestCustomLabel::SetEllipsis(TDrawTextEllipsis ellipsis) {
  if (ellipsis == FEllipsis) return;
  FEllipsis = ellipsis;
  update();
  AdjustBounds();
}

void TKestCustomLabel::SetExpandReturns(bool expand) {
  if (expand == FExpandReturns) return;
  FExpandReturns = expand;
  update();
  AdjustBounds();
}

void TKestCustomLabel::SetExpandTabs(bool expand) {
  if (expand == FExpandTabs) return;
  FExpandTabs = expand;
  update();
  AdjustBounds();
}

TDrawTextFormat TKestCustomLabel::GetDrawTextFormat() const {
  TDrawTextFormat format;
  format.Alignment = FAlignment;
  format.Layout = FLayout;
  format.BiDiMode = FBiDiMode;
  format.Ellipsis = FAutoSize ? dteNone : FEllipsis;
  format.Disabled = !isEnabled();
  format.SingleLine = !FExpandReturns;
  format.ExpandTabs = FExpandTabs;
  format.NoPrefix = !FShowAccelChar;
  format.Transparent = FTransparent;
  format.WordBreak = FWordWrap;
  return format;
}

QRect TKestCustomLabel::MeasureCaption(const QRect& bounds) const {
  TDrawTextFormat format = GetDrawTextFormat();
  format.CalcRect = true;
  QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TCanvas canvas(painter, palette());
  canvas.Font = font();
  QRect measured = bounds;
  DrawTextFormatted(canvas, measured, text, format);
  return measured;
}

void TKestCustomLabel::AdjustBounds() {
  if (!FAutoSize) return;
  const QRect bounds = geometry();
  QRect measured = MeasureCaption(bounds);
  const TAlignmentPositions positions = AlignmentPositions(EffectiveAlignment(GetDrawTextFormat()), FLayout);
  AlignRect(measured, bounds, positions.HPos, positions.VPos);
  setGeometry(measured);
  updateGeometry();
}

QSize TKestCustomLabel::sizeHint() const { return FAutoSize ? MeasureCaption(rect()).size() : size(); }

QSize TKestCustomLabel::minimumSizeHint() const { return FAutoSize ? sizeHint() : QSize(); }

void TKestCustomLabel::DrawContent(QRect rect) {
  QString text = FCaption;
  rect = CaptionRect(rect);
  DrawTextFormatted(*FCanvas, rect, text, GetDrawTextFormat());
}

std::vector<QRect> TKestCustomLabel::CharacterRects() const {
  if (OnCharacterRects) return OnCharacterRects(*this, rect());
  return DrawnCharacterRects(font(), CaptionRect(rect()), ShownCaption(), GetDrawTextFormat());
}

void TKestCustomLabel::Paint() {
  const QRect rect = this->rect();
  TCanvas& canvas = *FCanvas;
  canvas.Brush = QBrush(Color(), FTransparent ? Qt::NoBrush : Qt::SolidPattern);
  canvas.Font = font();
  canvas.FontColor = palette().color(QPalette::Active, QPalette::WindowText);
  canvas.FillRect(rect);
  bool defaultDraw = true;
  if (OnCustomDraw) OnCustomDraw(this, rect, defaultDraw);
  if (defaultDraw) DrawContent(rect);
}

void TKestCustomLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter, palette());
  // The canvas lives only for this paint, also when a handler throws.
  struct TCanvasScope {
    TCanvas*& Current;
    ~TCanvasScope() { Current = nullptr; }
  } scope{FCanvas};
  FCanvas = &canvas;
  Paint();
}

void TKestCustomLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  switch (event->type()) {
    case QEvent::FontChange:
      AdjustBounds();
      break;
    case QEvent::EnabledChange:  // the embossed look is a pixel larger
      AdjustBounds();
      update();
      break;
    default:
      break;
  }
}

void TKestCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    RunGuarded([this] { OnClick(this); });
}

void TKestCustomLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) RunGuarded([this] { OnDblClick(this); });
}

void TKestCustomLabel::UpdateAccessibleText(const QString& shownBefore) {
  // The label's text is what assistive technology and the accelerator see;
  // without accelerators every "&" stands for itself.
  setText(FShowAccelChar ? FCaption : EscapePrefixes(FCaption));
  // A label's name follows its text by itself; a control read as text also
  // tells what changed in it, so that a screen reader notices.
  if (!QAccessible::isActive() || ShownCaption() == shownBefore) return;
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(this);
  if (accessible && accessible->textInterface()) {
    QAccessibleTextUpdateEvent event(this, 0, shownBefore, ShownCaption());
    QAccessible::updateAccessibility(&event);
  }
}

TKestCustomTextBox::TKestCustomTextBox(QWidget* parent) : TKestCustomLabel(parent) {
  SetAutoSize(false);
  resize(121, 21);
  SetLayout(tlCenter);
  SetShowAccelChar(false);
}

void TKestCustomTextBox::SetEdgeBorders(TEdgeBorders borders) {
  if (borders == FEdgeFormat.EdgeBorders) return;
  FEdgeFormat.EdgeBorders = borders;
  update();
}

void TKestCustomTextBox::SetEdgeInner(TEdgeStyle style) {
  if (style == FEdgeFormat.EdgeInner) return;
  FEdgeFormat.EdgeInner = style;
  update();
}

void TKestCustomTextBox::SetEdgeOuter(TEdgeStyle style) {
  if (style == FEdgeFormat.EdgeOuter) return;
  FEdgeFormat.EdgeOuter = style;
  update();
}

void TKestCustomTextBox::SetEdgeStyle(TDrawEdgeStyle style) {
  if (style == FEdgeFormat.EdgeStyle) return;
  FEdgeFormat.EdgeStyle = style;
  update();
}

void TKestCustomTextBox::SetBorderWidth(int width) {
  if (width == FBorderWidth) return;
  FBorderWidth = width;
  update();
  AdjustBounds();
}

void TKestCustomTextBox::DrawContent(QRect rect) {
  QRect edge = rect;
  DrawEdgeFormatted(*Canvas(), edge, FEdgeFormat);
  TKestCustomLabel::DrawContent(rect);
}

QRect TKestCustomTextBox::CaptionRect(const QRect& rect) const {
  return EdgeInteriorRect(rect, FEdgeFormat).adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
}

QRect TKestCustomTextBox::MeasureCaption(const QRect& bounds) const {
  // The caption is measured in the room inside the margins, so that wrapped
  // text keeps its width when the box is sized again.
  const int margin = FBorderWidth + (FEdgeFormat.EdgeOuter != esNone) + (FEdgeFormat.EdgeInner != esNone);
  return TKestCustomLabel::MeasureCaption(bounds.adjusted(margin, margin, -margin, -margin))
      .adjusted(-margin, -margin, margin, margin);
}

TOKButton::TOKButton(QWidget* parent) : QPushButton(QStringLiteral("OK"), parent) {
  setDefault(true);
  connect(this, &QPushButton::clicked, this, [this] {
    auto* dialog = qobject_cast<QDialog*>(window());
    if (FModalResult != 0 && dialog && dialog->isModal()) dialog->done(FModalResult);
  });
}
