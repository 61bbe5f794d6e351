// SPDX-License-Identifier: MIT
#pragma once
// A bar divided from the top down into up to sixteen coloured stripes, each
// as high as its proportion of the bar.
#include <QColor>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "controls/KestPanels.h"
#include "latency/RainbowStripes.h"

class TRainbowStripe {
 public:
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);
  float Proportion() const { return FProportion; }
  void SetProportion(float proportion);
  // What the stripe stands for, read out by a screen reader.
  QString Description() const { return FDescription; }
  void SetDescription(const QString& description) { FDescription = description; }

  std::function<void(TRainbowStripe* sender)> OnChange;

 private:
  QColor FColor;
  float FProportion = 0;
  QString FDescription;
};

class TRainbowBar : public TKestCustomPanel {
  Q_OBJECT
 public:
  explicit TRainbowBar(QWidget* parent = nullptr);

  // Any of the sixteen stripes, also those beyond NumStripes; throws
  // std::out_of_range for an index above 15.
  TRainbowStripe& Stripes(std::uint8_t index);
  std::uint8_t NumStripes() const { return FNumStripes; }
  // 0 becomes 1 and more than 16 becomes 16; a new count resets the stripes.
  void SetNumStripes(std::uint8_t count);
  // The painted stripes in palette colours, each an equal share of the bar.
  void ResetStripes();
  // The pixel rows of each painted stripe inside InnerRect, from the top.
  std::vector<QRect> StripeRects() const;

  TNotifyEvent OnChange;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void StripeChanged();

  bool Notifying = true;  // off while ResetStripes sets every stripe
  std::uint8_t FNumStripes = 5;
  std::array<TRainbowStripe, MaxStripes> FStripes;
};
