// SPDX-License-Identifier: MIT
#include "latency/PlimsolRainbowBar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>
#include <map>
#include <stdexcept>
#include <string>

#include "latency/LatencyFormat.h"

void TRainbowStripe::SetColor(const QColor& color) {
  if (color == FColor) return;
  FColor = color;
  if (OnChange) OnChange(this);
}

void TRainbowStripe::SetProportion(float proportion) {
  if (proportion == FProportion) return;
  FProportion = proportion;
  if (OnChange) OnChange(this);
}

namespace {
// A stripe as a screen reader meets it: what it stands for and its share.
class TStripeAccessible : public QAccessibleInterface {
 public:
  TStripeAccessible(TRainbowBar* bar, int index) : Bar(bar), Index(index) {}

  bool isValid() const override { return Bar && Index < Bar->NumStripes(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Parent() ? Parent()->window() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return Parent(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    // A stripe is seen only while its bar is: on a hidden page it is neither visible nor showing.
    s.invisible = !Bar || !Bar->isVisible();
    s.offscreen = s.invisible;
    return s;
  }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return QString();
    TRainbowStripe& stripe = Bar->Stripes(static_cast<std::uint8_t>(Index));
    const QString share = QString::fromStdString(
        FormatPercent(stripe.Proportion(), QLocale().decimalPoint().toStdString()));
    if (t == QAccessible::Value) return share;
    const std::string_view colour = RainbowPalette()[Index].Name;
    const QString what = stripe.Description().isEmpty() ? QString::fromUtf8(colour.data(), colour.size())
                                                        : stripe.Description();
    return what + QStringLiteral(": ") + share;
  }

  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect r = Bar->StripeRects()[Index].intersected(Bar->InnerRect());
    return QRect(Bar->mapToGlobal(r.topLeft()), r.size());
  }

 private:
  QAccessibleInterface* Parent() const { return Bar ? QAccessible::queryAccessibleInterface(Bar) : nullptr; }

  QPointer<TRainbowBar> Bar;
  int Index;
};

// The bar lists the stripes that have a share, top down.
class TRainbowBarAccessible : public QAccessibleWidget {
 public:
  explicit TRainbowBarAccessible(TRainbowBar* bar) : QAccessibleWidget(bar, QAccessible::List) {}
  ~TRainbowBarAccessible() override {
    for (const auto& [index, id] : Children) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(Visible().size()); }

  QAccessibleInterface* child(int index) const override {
    const std::vector<int> visible = Visible();
    if (index < 0 || index >= static_cast<int>(visible.size())) return nullptr;
    const int stripe = visible[index];
    auto found = Children.find(stripe);
    if (found == Children.end())
      found = Children.emplace(stripe, QAccessible::registerAccessibleInterface(
                                           new TStripeAccessible(Bar(), stripe))).first;
    return QAccessible::accessibleInterface(found->second);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description) return QAccessibleWidget::text(t);
    QStringList lines;
    for (int i = 0; i < childCount(); ++i) lines << child(i)->text(QAccessible::Name);
    return lines.join(QStringLiteral("; "));
  }

 private:
  TRainbowBar* Bar() const { return static_cast<TRainbowBar*>(widget()); }
  // The painted stripes with a share, also those too thin for a pixel.
  std::vector<int> Visible() const {
    std::vector<int> visible;
    for (int i = 0; i < Bar()->NumStripes(); ++i)
      if (Bar()->Stripes(static_cast<std::uint8_t>(i)).Proportion() > 0) visible.push_back(i);
    return visible;
  }

  mutable std::map<int, QAccessible::Id> Children;
};

QAccessibleInterface* RainbowBarAccessibleFactory(const QString&, QObject* object) {
  if (auto* bar = qobject_cast<TRainbowBar*>(object)) return new TRainbowBarAccessible(bar);
  return nullptr;
}
}  // namespace

TRainbowBar::TRainbowBar(QWidget* parent) : TKestCustomPanel(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(RainbowBarAccessibleFactory), true);
  (void)factoryInstalled;
  SetBevelOuter(bvNone);
  SetSingleBorder(true);
  SetColor(palette().color(QPalette::Base));
  for (TRainbowStripe& stripe : FStripes) stripe.OnChange = [this](TRainbowStripe*) { StripeChanged(); };
  resize(81, 185);
  ResetStripes();
}

TRainbowStripe& TRainbowBar::Stripes(std::uint8_t index) {
  if (index >= MaxStripes) throw std::out_of_range("Array index out of bounds: " + std::to_string(index));
  return FStripes[index];
}

void TRainbowBar::SetNumStripes(std::uint8_t count) {
  const std::uint8_t clamped = count == 0 ? 1 : count > MaxStripes ? MaxStripes : count;
  if (clamped == FNumStripes) return;
  FNumStripes = clamped;
  ResetStripes();
  StripeChanged();
}

void TRainbowBar::ResetStripes() {
  Notifying = false;
  for (int i = 0; i < FNumStripes; ++i) {
    const TRainbowColour& colour = RainbowPalette()[i];
    FStripes[i].SetColor(QColor(colour.Red, colour.Green, colour.Blue));
    FStripes[i].SetProportion(1.0f / FNumStripes);
  }
  Notifying = true;
  StripeChanged();
}

void TRainbowBar::StripeChanged() {
  if (!Notifying) return;
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (OnChange) OnChange(this);
}

std::vector<QRect> TRainbowBar::StripeRects() const {
  std::vector<float> proportions;
  for (int i = 0; i < FNumStripes; ++i) proportions.push_back(FStripes[i].Proportion());
  const QRect inner = InnerRect();
  std::vector<QRect> rects;
  int y = inner.top();
  for (int height : StripeHeights(inner.height(), proportions)) {
    rects.emplace_back(inner.left(), y, inner.width(), height);
    y += height;
  }
  return rects;
}

void TRainbowBar::Paint(TCanvas& canvas) {
  DrawFrame(canvas);
  {
    // Rounding may push the last stripe past the inner rectangle; it is cut there.
    canvas.Painter().save();
    canvas.Painter().setClipRect(InnerRect());
    const std::vector<QRect> rects = StripeRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
      if (rects[i].height() > 0) canvas.Painter().fillRect(rects[i], FStripes[i].Color());
    canvas.Painter().restore();
  }
  DrawCaption(canvas);
}
