// SPDX-License-Identifier: MIT
// The Latency Graphs page: each element's share of the delay as stripes of
// three bars, one per direction, beside a legend naming the elements.
#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/ClipboardButton.h"
#include "controls/DesignLayout.h"
#include "controls/KestLabel.h"
#include "controls/KestPanels.h"
#include "latency/LatencyCalculator.h"
#include "latency/PlimsolNetworkButton.h"
#include "latency/PlimsolRainbowBar.h"
#include "platform/Application.h"

namespace {
constexpr QSize PageDesignSize(265, 246);
constexpr int LegendRowTops[MaxStripes] = {0, 18, 36, 54, 71, 89, 107, 125, 143, 161, 179, 197, 214, 232, 250, 268};
constexpr int TitleWidth = 38;
constexpr int TitleHeight = 13;
constexpr int SwatchSize = 13;
constexpr int LegendLabelLeft = 16;
constexpr int LegendRowGap = 4;

QString ColourName(int index) {
  const std::string_view name = RainbowPalette()[index].Name;
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
}  // namespace

void TLatencyCalculator::CreateLatencyGraphsPage() {
  auto* pageLayout = new QVBoxLayout(LatencyGraphsTabSheet);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  LatencyGraphsCanvasPanel = new TCanvasPanel(LatencyGraphsTabSheet);
  LatencyGraphsCanvasPanel->setObjectName("LatencyGraphsCanvasPanel");
  LatencyGraphsCanvasPanel->setAccessibleName("Latency graphs");
  LatencyGraphsCanvasPanel->SetBevelOuter(bvNone);
  pageLayout->addWidget(LatencyGraphsCanvasPanel);
  auto* layout = new TDesignLayout(LatencyGraphsCanvasPanel, PageDesignSize);

  Bevel1 = new QFrame(LatencyGraphsCanvasPanel);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameShape(QFrame::VLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  layout->AddWidget(Bevel1, QRect(151, 0, 2, PageDesignSize.height()), akLeft | akTop | akBottom);

  struct TColumn {
    const char* TitleName;
    const char* Title;
    const char* BarName;
    int Left;
  };
  const TColumn columns[] = {{"Label42", "C->S", "RainbowBarA", 8},
                             {"Label43", "C<-S", "RainbowBarB", 56},
                             {"Label44", "C<->S", "RainbowBarAB", 104}};
  TKestLabel** titles[] = {&Label42, &Label43, &Label44};
  TRainbowBar** bars[] = {&RainbowBarA, &RainbowBarB, &RainbowBarAB};
  for (int i = 0; i < 3; ++i) {
    auto* title = new TKestLabel(LatencyGraphsCanvasPanel);
    title->setObjectName(columns[i].TitleName);
    title->SetAutoSize(false);
    title->SetAlignment(taCenter);
    title->SetTransparent(true);
    title->SetCaption(columns[i].Title);
    layout->AddWidget(title, QRect(columns[i].Left, 0, TitleWidth, TitleHeight), akLeft | akTop);
    auto* bar = new TRainbowBar(LatencyGraphsCanvasPanel);
    bar->setObjectName(columns[i].BarName);
    bar->setAccessibleName(columns[i].Title);
    bar->SetNumStripes(MaxStripes);
    bar->SetVerticalAlignment(vaBottom);
    title->SetFocusControl(bar);
    layout->AddWidget(bar, QRect(columns[i].Left, 16, TitleWidth, 225), akLeft | akTop | akBottom);
    *titles[i] = title;
    *bars[i] = bar;
  }

  CopyLatencyGraphsButton = NewClipboardButton(LatencyGraphsCanvasPanel, "CopyLatencyGraphsButton",
                                               "Copy latency graphs to clipboard");
  CopyLatencyGraphsButton->setFixedSize(25, 25);
  connect(CopyLatencyGraphsButton, &QToolButton::clicked, this, Guarded([this] { CopyLatencyGraphsButtonClick(); }));
  layout->AddWidget(CopyLatencyGraphsButton, QRect(240, 0, 25, 25), akTop | akRight);

  Panel1 = new TKestCustomPanel(LatencyGraphsCanvasPanel);
  Panel1->setObjectName("Panel1");
  Panel1->setAccessibleName("Legend");
  Panel1->SetBevelOuter(bvNone);
  layout->AddWidget(Panel1, QRect(160, 25, 105, 221), akLeft | akTop | akRight | akBottom);
  for (int i = 0; i < MaxStripes; ++i) {
    const TRainbowColour& colour = RainbowPalette()[i];
    const QString name = ColourName(i);
    auto* swatch = new TKestCustomPanel(Panel1);
    swatch->setObjectName(name + "Panel");
    swatch->setAccessibleName(name.toLower());
    swatch->SetColor(QColor(colour.Red, colour.Green, colour.Blue));
    swatch->setGeometry(0, LegendRowTops[i], SwatchSize, SwatchSize);
    auto* label = new TKestLabel(Panel1);
    label->setObjectName(name + "Label");
    label->setAccessibleDescription(name.toLower());
    label->SetTransparent(true);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->move(LegendLabelLeft, LegendRowTops[i]);
    LegendPairs.append({label, swatch});
  }
}

void TLatencyCalculator::LatencyGraphsTabSheetEnter() {
  SetEditCopyEnabled(true);
  RecomputeLatency();
  const int n = static_cast<int>(NetworkChain.size());
  // A name longer than the legend is wide wraps, and pushes the rows below it down.
  const int labelWidth = Panel1->width() - LegendLabelLeft;
  int top = 0;
  for (int i = 0; i < MaxStripes; ++i) {
    const auto& [label, swatch] = LegendPairs[i];
    label->SetCaption(i < n ? NetworkChain[i]->Hint() : QString());
    label->setVisible(i < n);
    swatch->setVisible(i < n);
    top = std::max(top, LegendRowTops[i]);
    const int height =
        label->fontMetrics().boundingRect(QRect(0, 0, labelWidth, 0), Qt::TextWordWrap, label->ShownCaption()).height();
    label->setGeometry(LegendLabelLeft, top, labelWidth, std::max(height, SwatchSize));
    swatch->move(0, top);
    top = label->geometry().bottom() + 1 + LegendRowGap;
  }
  for (TRainbowBar* bar : {RainbowBarA, RainbowBarB, RainbowBarAB}) bar->SetNumStripes(static_cast<std::uint8_t>(n));
  for (int i = 0; i < n; ++i) {
    const TNetworkButton* element = NetworkChain[i];
    const auto index = static_cast<std::uint8_t>(i);
    RainbowBarA->Stripes(index).SetProportion(element->ClientToServerShare());
    RainbowBarB->Stripes(index).SetProportion(element->ServerToClientShare());
    RainbowBarAB->Stripes(index).SetProportion(element->RoundTripShare());
    for (TRainbowBar* bar : {RainbowBarA, RainbowBarB, RainbowBarAB}) bar->Stripes(index).SetDescription(element->Hint());
  }
}

void TLatencyCalculator::LatencyGraphsTabSheetExit() { SetEditCopyEnabled(false); }

void TLatencyCalculator::CopyLatencyGraphsButtonClick() {
  CopyLatencyGraphsButton->hide();
  LatencyGraphsCanvasPanel->CopyImageToClipboard(LatencyGraphsCanvasPanel->rect());
  CopyLatencyGraphsButton->show();
}
