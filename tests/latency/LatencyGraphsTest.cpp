// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QImage>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <QAction>

#include <memory>

#include "controls/KestLabel.h"
#include "controls/KestPanels.h"
#include "latency/LatencyCalculator.h"
#include "latency/PlimsolNetworkButton.h"
#include "latency/PlimsolRainbowBar.h"
#include "platform/Clipboard.h"

#include "tests/latency/LatencyFixture.h"

namespace {

class LatencyGraphs : public TLatencyFixture {
 protected:
  void SetUp() override {
    TLatencyFixture::SetUp();
    Calculator->resize(265, 270);
    Calculator->show();
    Calculator->LatencyPageControl->setCurrentWidget(Calculator->LatencyGraphsTabSheet);
  }

};

TEST_F(LatencyGraphs, LegendNamesTheSampleChainInPaletteColours) {
  const QStringList names{"Client (64 B pkt.)",  "Ethernet (10 Mbps)",
                          "FDDI (100 Mbps)",     "Frame Relay (1.544 Mbps, 5 ms prop. delay)",
                          "Token Ring (16 Mbps)", "Server (1024 B pkt., 1 ms proc. time)"};
  const QStringList colours{"Red", "Yellow", "Lime", "Blue", "Purple", "Black"};
  ASSERT_EQ(Calculator->LegendPairs.size(), 16);
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(i);
    const auto& [label, swatch] = Calculator->LegendPairs[i];
    EXPECT_EQ(label->isVisibleTo(Calculator.get()), i < 6);
    EXPECT_EQ(swatch->isVisibleTo(Calculator.get()), i < 6);
    if (i >= 6) continue;
    EXPECT_EQ(label->Caption(), names[i]);
    EXPECT_EQ(label->objectName(), colours[i] + "Label");
    EXPECT_EQ(swatch->objectName(), colours[i] + "Panel");
    const TRainbowColour& c = RainbowPalette()[i];
    EXPECT_EQ(swatch->Color(), QColor(c.Red, c.Green, c.Blue));
  }
}

TEST_F(LatencyGraphs, BarsShowEachDirectionsSharesToAScreenReader) {
  struct TCase {
    TRainbowBar* Bar;
    QStringList Stripes;  // the visible ones, top down
  };
  const std::vector<TCase> cases{
      {Calculator->RainbowBarA,
       {"Ethernet (10 Mbps): 1.2%", "FDDI (100 Mbps): 0.1%", "Frame Relay (1.544 Mbps, 5 ms prop. delay): 98.1%",
        "Token Ring (16 Mbps): 0.6%"}},
      {Calculator->RainbowBarB,
       {"Ethernet (10 Mbps): 6.6%", "FDDI (100 Mbps): 0.6%", "Frame Relay (1.544 Mbps, 5 ms prop. delay): 80.9%",
        "Token Ring (16 Mbps): 4.0%", "Server (1024 B pkt., 1 ms proc. time): 7.9%"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Bar->objectName().toStdString());
    EXPECT_EQ(c.Bar->NumStripes(), 6);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(c.Bar);
    ASSERT_NE(bar, nullptr);
    QStringList read;
    for (int i = 0; i < bar->childCount(); ++i) read << bar->child(i)->text(QAccessible::Name);
    EXPECT_EQ(read, c.Stripes);
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Calculator->RainbowBarA)->text(QAccessible::Name), "C->S");
}

TEST_F(LatencyGraphs, StripesOfAHiddenPageAreNeitherVisibleNorShowing) {
  QAccessibleInterface* stripe = QAccessible::queryAccessibleInterface(Calculator->RainbowBarA)->child(0);
  ASSERT_NE(stripe, nullptr);
  EXPECT_FALSE(stripe->state().invisible);
  Calculator->LatencyPageControl->setCurrentWidget(Calculator->NetworkSetupTabSheet);
  EXPECT_TRUE(stripe->state().invisible);
  EXPECT_TRUE(stripe->state().offscreen);
}

TEST_F(LatencyGraphs, CopyIsThePageWithoutTheCopyButton) {
  TCanvasPanel* page = Calculator->LatencyGraphsCanvasPanel;
  Calculator->CopyLatencyGraphsButton->hide();
  const QImage expected = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
  Calculator->CopyLatencyGraphsButton->show();
  const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_NE(shown, expected);  // the button is in the way while shown

  Calculator->CopyLatencyGraphsButton->click();
  const QImage copied = ClipboardImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied.size(), page->size());
  EXPECT_EQ(copied, expected);
  EXPECT_TRUE(Calculator->CopyLatencyGraphsButton->isVisible());
}

}  // namespace
