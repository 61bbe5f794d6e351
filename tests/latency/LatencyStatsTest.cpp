// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/KestStringGrid.h"
#include "latency/LatencyCalculator.h"
#include "latency/PlimsolNetworkButton.h"
#include "platform/Clipboard.h"
#include "platform/RadioGroup.h"

#include "tests/latency/LatencyFixture.h"

namespace {

struct TRow {
  QString Delay;
  QString Percent;
};

class LatencyStats : public TLatencyFixture {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    TLatencyFixture::SetUp();
    Grid = Calculator->findChild<TSuperStringGrid*>("LatencyStatsStringGrid");
    Directions = Calculator->findChild<TRadioGroup*>("PacketDirRadioGroup");
    ASSERT_NE(Grid, nullptr);
    ASSERT_NE(Directions, nullptr);
  }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }

  void ShowPage(QWidget* page) { Calculator->LatencyPageControl->setCurrentWidget(page); }
  void OpenStats() {
    ShowPage(Calculator->NetworkSetupTabSheet);
    ShowPage(Calculator->LatencyStatsTabSheet);
  }
  void ChooseDirection(int index) { QTest::mouseClick(Directions->Item(index), Qt::LeftButton); }

  std::vector<TRow> Rows() const {
    std::vector<TRow> rows;
    for (int row = 1; row < Grid->RowCount(); ++row) rows.push_back({Grid->Cells(1, row), Grid->Cells(2, row)});
    return rows;
  }

  TSuperStringGrid* Grid = nullptr;
  TRadioGroup* Directions = nullptr;
};

void ExpectRows(const std::vector<TRow>& actual, const std::vector<TRow>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(actual[i].Delay, expected[i].Delay);
    EXPECT_EQ(actual[i].Percent, expected[i].Percent);
  }
}

TEST_F(LatencyStats, PageIsLaidOutForUse) {
  EXPECT_EQ(Directions->title(), "Packet &Direction");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Directions)->text(QAccessible::Name), "Packet Direction");
  ASSERT_EQ(Directions->ItemCount(), 3);
  EXPECT_EQ(Directions->Item(0)->text(), "Clt -> Svr");
  EXPECT_EQ(Directions->Item(1)->text(), "Clt <- Svr");
  EXPECT_EQ(Directions->Item(2)->text(), "Clt <-> Svr");
  EXPECT_EQ(Directions->ItemIndex(), 0);
  EXPECT_EQ(Directions->toolTip(), "Select a packet transmission direction to show statistics for");
  EXPECT_EQ(Directions->Item(0)->y(), Directions->Item(2)->y()) << "items side by side";

  auto* copy = Calculator->findChild<QToolButton*>("CopyLatencyStatsButton");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->toolTip(), "Copy latancy statistics table to clipboard");
  EXPECT_EQ(copy->statusTip(), copy->toolTip());
  EXPECT_EQ(copy->size(), QSize(25, 25));

  EXPECT_EQ(Grid->ColCount(), 3);
  EXPECT_EQ(Grid->FixedCols(), 0);
  EXPECT_EQ(Grid->FixedRows(), 1);
  EXPECT_FALSE(Grid->AutoWidth());
  EXPECT_FALSE(Grid->AutoHeight());
  const QStringList headings{"Network Element", "Delay (sec)", "Percent"};
  const std::vector<int> widths{145, 60, 40};
  const std::vector<TAlignment> alignments{taLeftJustify, taRightJustify, taRightJustify};
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(column);
    EXPECT_EQ(Grid->Cells(column, 0), headings[column]);
    EXPECT_EQ(Grid->ColWidths(column), widths[column]);
    EXPECT_EQ(Grid->ColumnAlignment(column), alignments[column]);
  }
  EXPECT_TRUE(Grid->Options() & goRangeSelect);
  EXPECT_TRUE(Grid->Options() & goColSizing);
}

TEST_F(LatencyStats, ListsTheSampleChainForEachDirection) {
  struct TCase {
    int Direction;
    std::vector<TRow> Rows;  // client, networks, server, totals
    bool ByCode = false;     // checked by code or assistive technology instead of a click
  };
  const std::vector<TCase> cases{
      {0,
       {{"0.0000000", "0.0%"}, {"0.0000672", "1.2%"}, {"0.0000051", "0.1%"}, {"0.0053316", "98.1%"},
        {"0.0000320", "0.6%"}, {"0.0000000", "0.0%"}, {"0.0054359", "100.0%"}}},
      {1,
       {{"0.0000000", "0.0%"}, {"0.0008352", "6.6%"}, {"0.0000819", "0.6%"}, {"0.0103057", "80.9%"},
        {"0.0005120", "4.0%"}, {"0.0010000", "7.9%"}, {"0.0127348", "100.0%"}},
       true},
      {2,
       {{"0.0000000", "0.0%"}, {"0.0009024", "6.9%"}, {"0.0000870", "0.7%"}, {"0.0106373", "80.8%"},
        {"0.0005440", "4.1%"}, {"0.0010000", "7.6%"}, {"0.0131707", "100.0%"}}},
  };
  OpenStats();
  // Back from the last direction to the first, so every case is a real change.
  ChooseDirection(2);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Direction);
    if (c.ByCode)
      Directions->Item(c.Direction)->setChecked(true);
    else
      ChooseDirection(c.Direction);
    ASSERT_EQ(Directions->ItemIndex(), c.Direction);
    ExpectRows(Rows(), c.Rows);
    ASSERT_EQ(Grid->RowCount(), 8);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Grid->Cells(0, i + 1), Calculator->NetworkChain[i]->Hint());
    EXPECT_EQ(Grid->Cells(0, 7), "Totals:");
  }
}

TEST_F(LatencyStats, WritesTheUsersDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  OpenStats();
  EXPECT_EQ(Grid->Cells(1, 4), "0,0053316");
  EXPECT_EQ(Grid->Cells(2, 4), "98,1%");
  EXPECT_EQ(Grid->Cells(1, 7), "0,0054359");
  EXPECT_EQ(Grid->Cells(2, 7), "100.0%");
}

TEST_F(LatencyStats, ComputesOnlyWhenTheChainHasChanged) {
  OpenStats();
  EXPECT_FALSE(Calculator->ChainDirty);
  TNetworkButton* ethernet = Calculator->NetworkChain[1];
  // A change that does not mark the chain dirty shows whether the page recomputes.
  ethernet->SetBandwidth(100);
  OpenStats();
  EXPECT_EQ(Grid->Cells(1, 2), "0.0000672");
  ChooseDirection(1);
  EXPECT_EQ(Grid->Cells(1, 2), "0.0008352");

  Calculator->ChainDirty = true;
  OpenStats();
  EXPECT_FALSE(Calculator->ChainDirty);
  EXPECT_EQ(Grid->Cells(1, 2), "0.0000835");  // 1024 B at 100 Mbps plus 160 framing bits
}

TEST_F(LatencyStats, TableFollowsTheChainLength) {
  OpenStats();
  Calculator->SelectNetwork(Calculator->TowerNetworkButton);
  ASSERT_NE(Calculator->InsertNetwork(), nullptr);
  OpenStats();
  ASSERT_EQ(Grid->RowCount(), 9);
  EXPECT_EQ(Grid->Cells(0, 6), Calculator->NetworkChain[5]->Hint());
  EXPECT_EQ(Grid->Cells(0, 8), "Totals:");
}

TEST_F(LatencyStats, ZeroTotalShowsNoShares) {
  for (TNetworkButton* element : Calculator->NetworkChain) {
    element->SetBandwidth(0);
    element->SetPropDelay(0);
    element->SetProcessTime(0);
  }
  OpenStats();
  for (int direction : {0, 1, 2}) {
    SCOPED_TRACE(direction);
    ChooseDirection(direction);
    std::vector<TRow> expected(6, {"0.0000000", "0.0%"});
    expected.push_back({"0.0000000", "100.0%"});
    ExpectRows(Rows(), expected);
  }
}

TEST_F(LatencyStats, NamesTheBottleneckAndTheWindowItNeeds) {
  struct TCase {
    const char* Chain;
    QString Bottleneck, Window;
  };
  const std::vector<TCase> cases{
      {"sample", "Bottleneck: Frame Relay (1.544 Mbps, 5 ms prop. delay)",
       "Bandwidth-delay product: 2542 bytes over a 0.0131707 s round trip"},
      {"larger reply", "Bottleneck: Frame Relay (1.544 Mbps, 5 ms prop. delay)",
       "Bandwidth-delay product: 6432 bytes over a 0.0333272 s round trip"},
      {"no bandwidths", "Bottleneck: none, no network has a bandwidth", "Bandwidth-delay product: none"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Chain);
    if (QString(c.Chain) == "larger reply") Calculator->TowerNetworkButton->SetPacketSize(4096);
    if (QString(c.Chain) == "no bandwidths")
      for (TNetworkButton* element : Calculator->NetworkChain) element->SetBandwidth(0);
    Calculator->ChainDirty = true;
    OpenStats();
    EXPECT_EQ(Calculator->BottleneckLabel->text(), c.Bottleneck);
    EXPECT_EQ(Calculator->WindowLabel->text(), c.Window);
  }
}

TEST_F(LatencyStats, OverflowKeepsTheTable) {
  OpenStats();
  const std::vector<TRow> before = Rows();
  Calculator->DesktopNetworkButton->SetPacketSize(INT_MAX);
  Calculator->ChainDirty = true;
  EXPECT_THROW(Calculator->LatencyStatsTabSheetEnter(), std::overflow_error);
  EXPECT_TRUE(Calculator->ChainDirty);
  ExpectRows(Rows(), before);
}

TEST_F(LatencyStats, CopyButtonCopiesTheSelection) {
  OpenStats();
  Grid->SetSelection(TGridRect{0, 4, 2, 7});
  ClipboardSetText("stale");
  QTest::mouseClick(Calculator->findChild<QToolButton*>("CopyLatencyStatsButton"), Qt::LeftButton);
  EXPECT_EQ(ClipboardText(),
            "Network Element\tDelay (sec)\tPercent\r\n"
            "Frame Relay (1.544 Mbps, 5 ms prop. delay)\t0.0053316\t98.1%\r\n"
            "Token Ring (16 Mbps)\t0.0000320\t0.6%\r\n"
            "Server (1024 B pkt., 1 ms proc. time)\t0.0000000\t0.0%\r\n"
            "Totals:\t0.0054359\t100.0%\r\n");
}

}  // namespace
