// SPDX-License-Identifier: MIT
// The Latency Statistics page: every element's delay and share for one
// direction of travel, with the chain's total.
#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QToolButton>
#include <string>
#include <vector>

#include "controls/ClipboardButton.h"
#include "controls/KestStringGrid.h"
#include "latency/Bottleneck.h"
#include "latency/LatencyCalculator.h"
#include "latency/LatencyFormat.h"
#include "latency/PlimsolNetworkButton.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"

namespace {
enum TPacketDirection { pdClientToServer, pdServerToClient, pdRoundTrip };

constexpr int CopyButtonSize = 25;
constexpr int ElementColumnWidth = 145;
constexpr int DelayColumnWidth = 60;
constexpr int PercentColumnWidth = 40;
}  // namespace

void TLatencyCalculator::CreateLatencyStatsPage() {
  auto* layout = new QVBoxLayout(LatencyStatsTabSheet);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  PacketDirRadioGroup = new TRadioGroup("Packet &Direction", {"Clt -> Svr", "Clt <- Svr", "Clt <-> Svr"},
                                        LatencyStatsTabSheet);
  PacketDirRadioGroup->setObjectName("PacketDirRadioGroup");
  SetHint(PacketDirRadioGroup, "Select a packet transmission direction to show statistics for");
  // The three directions side by side, tight enough to fit the narrowest window.
  auto* items = static_cast<QBoxLayout*>(PacketDirRadioGroup->layout());
  items->setDirection(QBoxLayout::LeftToRight);
  items->setContentsMargins(4, CopyButtonSize / 2, 4, 2);
  items->setSpacing(4);
  PacketDirRadioGroup->SetItemIndex(pdClientToServer);
  PacketDirRadioGroup->OnClick = [this](QObject*) { LatencyStatsTabSheetEnter(); };

  CopyLatencyStatsButton = NewClipboardButton(LatencyStatsTabSheet, "CopyLatencyStatsButton",
                                              "Copy latancy statistics table to clipboard");
  CopyLatencyStatsButton->setFixedSize(CopyButtonSize, CopyButtonSize);
  connect(CopyLatencyStatsButton, &QToolButton::clicked, this, Guarded([this] { CopyLatencyStatsButtonClick(); }));

  // The button shares the group's caption line, so the group keeps the page's whole width.
  auto* top = new QGridLayout;
  top->addWidget(PacketDirRadioGroup, 0, 0);
  top->addWidget(CopyLatencyStatsButton, 0, 0, Qt::AlignTop | Qt::AlignRight);
  layout->addLayout(top);

  LatencyStatsStringGrid = new TSuperStringGrid(LatencyStatsTabSheet);
  LatencyStatsStringGrid->setObjectName("LatencyStatsStringGrid");
  LatencyStatsStringGrid->setAccessibleName("Latency statistics table");
  LatencyStatsStringGrid->SetColCount(3);
  LatencyStatsStringGrid->SetFixedCols(0);
  LatencyStatsStringGrid->SetAutoWidth(false);
  LatencyStatsStringGrid->SetAutoHeight(false);
  LatencyStatsStringGrid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                                     goDrawFocusSelected | goColSizing);
  LatencyStatsStringGrid->SetColWidths(0, ElementColumnWidth);
  LatencyStatsStringGrid->SetColWidths(1, DelayColumnWidth);
  LatencyStatsStringGrid->SetColWidths(2, PercentColumnWidth);
  LatencyStatsStringGrid->SetFixedFont(LatencyStatsTabSheet->font());
  layout->addWidget(LatencyStatsStringGrid, 1);

  for (auto [label, name] : {std::pair{&BottleneckLabel, "BottleneckLabel"}, std::pair{&WindowLabel, "WindowLabel"}}) {
    *label = new QLabel(LatencyStatsTabSheet);
    (*label)->setObjectName(name);
    (*label)->setWordWrap(true);
    (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(*label);
  }
}

void TLatencyCalculator::InitLatencyStats() {
  LatencyStatsStringGrid->SetColumnAlignment(1, taRightJustify);
  LatencyStatsStringGrid->SetColumnAlignment(2, taRightJustify);
  LatencyStatsStringGrid->SetCells(0, 0, "Network Element");
  LatencyStatsStringGrid->SetCells(1, 0, "Delay (sec)");
  LatencyStatsStringGrid->SetCells(2, 0, "Percent");
}

void TLatencyCalculator::LatencyStatsTabSheetEnter() {
  SetEditCopyEnabled(true);
  RecomputeLatency();
  const std::string separator = QLocale().decimalPoint().toStdString();
  const int direction = PacketDirRadioGroup->ItemIndex();
  const auto delay = [direction](const TNetworkButton* element) {
    switch (direction) {
      case pdServerToClient: return element->ServerToClientDelay();
      case pdRoundTrip: return element->RoundTripDelay();
      default: return element->ClientToServerDelay();
    }
  };
  const auto share = [direction](const TNetworkButton* element) {
    switch (direction) {
      case pdServerToClient: return element->ServerToClientShare();
      case pdRoundTrip: return element->RoundTripShare();
      default: return element->ClientToServerShare();
    }
  };
  const float total = direction == pdServerToClient ? TotalServerToClient
                      : direction == pdRoundTrip    ? TotalRoundTrip
                                                    : TotalClientToServer;

  const int rows = static_cast<int>(NetworkChain.size()) + 2;
  LatencyStatsStringGrid->SetRowCount(rows);
  for (int i = 0; i < NetworkChain.size(); ++i) {
    const TNetworkButton* element = NetworkChain[i];
    LatencyStatsStringGrid->SetCells(0, i + 1, element->Hint());
    LatencyStatsStringGrid->SetCellsUtf8(1, i + 1, FormatDelay(delay(element), separator));
    LatencyStatsStringGrid->SetCellsUtf8(2, i + 1, FormatPercent(share(element), separator));
  }
  LatencyStatsStringGrid->SetCells(0, rows - 1, "Totals:");
  LatencyStatsStringGrid->SetCellsUtf8(1, rows - 1, FormatDelay(total, separator));
  // The rounded shares need not add up to it.
  LatencyStatsStringGrid->SetCells(2, rows - 1, "100.0%");
  LatencyStatsStringGrid->AutoSizeColumns();
  ShowBottleneck();
}

void TLatencyCalculator::ShowBottleneck() {
  std::vector<const TNetworkElement*> chain;
  for (const TNetworkButton* element : NetworkChain) chain.push_back(&element->Element());
  const std::optional<TBottleneck> bottleneck = FindBottleneck(chain, TotalRoundTrip);
  if (!bottleneck) {
    BottleneckLabel->setText("Bottleneck: none, no network has a bandwidth");
    WindowLabel->setText("Bandwidth-delay product: none");
    return;
  }
  const std::string separator = QLocale().decimalPoint().toStdString();
  BottleneckLabel->setText("Bottleneck: " + NetworkChain[static_cast<qsizetype>(bottleneck->Index)]->Hint());
  WindowLabel->setText("Bandwidth-delay product: " +
                       QString::fromStdString(FormatGeneral(bottleneck->WindowBytes, 15, separator)) + " bytes over a " +
                       QString::fromStdString(FormatDelay(TotalRoundTrip, separator)) + " s round trip");
}

void TLatencyCalculator::LatencyStatsTabSheetExit() { SetEditCopyEnabled(false); }

void TLatencyCalculator::LatencyPageControlChange() {
  QWidget* page = LatencyPageControl->currentWidget();
  if (page == NetworkSetupTabSheet) {
    NetworkSetupTabSheetEnter();
  } else if (page == LatencyStatsTabSheet) {
    LatencyStatsTabSheetEnter();
  } else if (page == LatencyGraphsTabSheet) {
    LatencyGraphsTabSheetEnter();
  }
}

void TLatencyCalculator::CopyLatencyStatsButtonClick() { LatencyStatsStringGrid->CopyToClipboard(); }
