#include <gtest/gtest.h>

#include <QAction>
#include <QFocusEvent>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTest>
#include <climits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "latency/LatencyCalculator.h"
#include "latency/LatencyFormat.h"
#include "latency/PlimsolNetworkButton.h"

namespace {

class LatencyCalculator : public testing::Test {
 protected:
  void SetUp() override {
    Calculator = std::make_unique<TLatencyCalculator>(Loading, &EditCopyItem, nullptr);
    Loading = true;
    Calculator->InitLatencyCalculator();
    Loading = false;
  }

  QStringList Hints() const {
    QStringList hints;
    for (const TNetworkButton* e : Calculator->NetworkChain) hints << e->Hint();
    return hints;
  }

  TNetworkButton* At(int index) const { return Calculator->NetworkChain[index]; }

  QAction EditCopyItem;
  bool Loading = false;
  std::unique_ptr<TLatencyCalculator> Calculator;
};

TEST_F(LatencyCalculator, StartsWithTheSampleChain) {
  EXPECT_EQ(Hints(), (QStringList{"Client (64 B pkt.)", "Ethernet (10 Mbps)", "FDDI (100 Mbps)",
                                  "Frame Relay (1.544 Mbps, 5 ms prop. delay)", "Token Ring (16 Mbps)",
                                  "Server (1024 B pkt., 1 ms proc. time)"}));
  struct TCase {
    TNetworkButtonKind Kind;
    QPoint Position;  // on the 265 by 214 panel
    int TopologyIndex;
    bool Removable;
  };
  const std::vector<TCase> cases{
      {nbDesktopCPU, {8, 8}, -1, false},   {nbEthernet, {207, 8}, 4, true},
      {nbFDDI, {207, 82}, 5, true},        {nbFrameRelay, {8, 82}, 6, true},
      {nbTokenRing, {8, 156}, 12, true},   {nbTowerCPU, {207, 156}, -1, false},
  };
  ASSERT_EQ(Calculator->NetworkChain.size(), 6);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(At(i)->NetworkButtonKind(), cases[i].Kind);
    EXPECT_EQ(At(i)->pos(), cases[i].Position);
    EXPECT_EQ(At(i)->TopologyIndex(), cases[i].TopologyIndex);
    EXPECT_EQ(At(i)->RemoveEntry()->isVisible(), cases[i].Removable);
    EXPECT_EQ(At(i)->parentWidget(), Calculator->NetworkSetupPanel);
  }
  EXPECT_EQ(At(0), Calculator->DesktopNetworkButton);
  EXPECT_EQ(At(5), Calculator->TowerNetworkButton);
  EXPECT_EQ(At(0)->ProcessTime(), 0);
  EXPECT_EQ(Calculator->CurrentElement, At(4));
  EXPECT_TRUE(Calculator->ChainDirty);

  QTabWidget* pages = Calculator->findChild<QTabWidget*>("LatencyPageControl");
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->tabText(0), "Network Setup");
  EXPECT_EQ(pages->tabText(1), "Latency Statistics");
  EXPECT_EQ(pages->tabText(2), "Latency Graphs");
  EXPECT_EQ(pages->currentWidget(), Calculator->findChild<QWidget*>("NetworkSetupTabSheet"));
}

TEST_F(LatencyCalculator, RecomputesOnlyADirtyChain) {
  Calculator->RecomputeLatency();
  EXPECT_FALSE(Calculator->ChainDirty);
  EXPECT_EQ(FormatDelay(Calculator->TotalClientToServer, "."), "0.0054359");
  EXPECT_EQ(FormatDelay(Calculator->TotalServerToClient, "."), "0.0127348");
  EXPECT_EQ(FormatDelay(Calculator->TotalRoundTrip, "."), "0.0131707");
  EXPECT_EQ(FormatDelay(At(3)->ClientToServerDelay(), "."), "0.0053316");
  EXPECT_EQ(FormatPercent(At(3)->ClientToServerShare(), "."), "98.1%");

  // A change that did not mark the chain leaves the results alone.
  At(5)->SetProcessTime(100);
  Calculator->RecomputeLatency();
  EXPECT_EQ(FormatDelay(Calculator->TotalServerToClient, "."), "0.0127348");
  Calculator->ChainDirty = true;
  Calculator->RecomputeLatency();
  EXPECT_EQ(FormatDelay(At(5)->ServerToClientDelay(), "."), "0.1000000");
  EXPECT_FALSE(Calculator->ChainDirty);
}

TEST_F(LatencyCalculator, OverflowingPacketSizesKeepTheLastResults) {
  Calculator->RecomputeLatency();
  const float total = Calculator->TotalRoundTrip;
  const float share = At(1)->RoundTripShare();
  At(0)->SetPacketSize(INT_MAX);
  Calculator->ChainDirty = true;
  EXPECT_THROW(Calculator->RecomputeLatency(), std::overflow_error);
  EXPECT_TRUE(Calculator->ChainDirty);
  EXPECT_EQ(Calculator->TotalRoundTrip, total);
  EXPECT_EQ(At(1)->RoundTripShare(), share);
}

TEST_F(LatencyCalculator, InsertPutsANewNetworkBeforeTheSelection) {
  struct TCase {
    int Selected;
    int NewIndex;
    QPoint Place;  // the next free place of the grid
  };
  const std::vector<TCase> cases{
      {0, 1, {60, 60}},    // after the client when the client is selected
      {6, 6, {120, 60}},   // before the server
      {3, 3, {180, 60}},
      {5, 5, {207, 60}},   // the fourth column is pulled in from the right
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Selected);
    Calculator->SelectNetwork(At(c.Selected));
    Calculator->ChainDirty = false;
    TNetworkButton* network = Calculator->InsertNetwork();
    ASSERT_NE(network, nullptr);
    EXPECT_EQ(Calculator->NetworkChain.indexOf(network), c.NewIndex);
    EXPECT_EQ(Calculator->CurrentElement, network);
    EXPECT_EQ(network->pos(), c.Place);
    EXPECT_EQ(network->parentWidget(), Calculator->NetworkSetupPanel);
    EXPECT_EQ(network->NetworkButtonKind(), nbUnknownNetwork);
    EXPECT_TRUE(network->RemoveEntry()->isVisible());
    EXPECT_TRUE(Calculator->ChainDirty);
  }
  EXPECT_EQ(At(0), Calculator->DesktopNetworkButton);
  EXPECT_EQ(At(Calculator->NetworkChain.size() - 1), Calculator->TowerNetworkButton);
}

TEST_F(LatencyCalculator, ChainHoldsAtMostSixteenElements) {
  while (Calculator->NetworkChain.size() < 16) ASSERT_NE(Calculator->InsertNetwork(), nullptr);
  EXPECT_EQ(Calculator->InsertNetwork(), nullptr);
  EXPECT_EQ(Calculator->NetworkChain.size(), 16);
  EXPECT_EQ(Calculator->NetworkSetupPanel->findChildren<TNetworkButton*>().size(), 16);
}

TEST_F(LatencyCalculator, FullGridLeavesANewElementWhereItWasCreated) {
  // On a 100 by 100 panel every place of the grid clamps to (42, 42).
  Calculator->NetworkSetupPanel->resize(100, 100);
  EXPECT_EQ(Calculator->InsertNetwork()->pos(), QPoint(42, 42));
  EXPECT_EQ(Calculator->InsertNetwork()->pos(), QPoint(0, 0));
}

TEST_F(LatencyCalculator, RemovalKeepsTheLastNetwork) {
  QPointer<TNetworkButton> ethernet = At(1);
  TNetworkButton* fddi = At(2);
  Calculator->ChainDirty = false;
  Calculator->NetworkButtonRemove(ethernet);
  EXPECT_EQ(Calculator->NetworkChain.size(), 5);
  EXPECT_EQ(Calculator->CurrentElement, fddi);  // the successor
  EXPECT_TRUE(Calculator->ChainDirty);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ethernet.isNull());

  Calculator->NetworkButtonRemove(At(1));
  Calculator->NetworkButtonRemove(At(1));
  ASSERT_EQ(Calculator->NetworkChain.size(), 3);
  QPointer<TNetworkButton> last = At(1);
  EXPECT_EQ(last->NetworkName(), "Token Ring");
  EXPECT_FALSE(last->RemoveEntry()->isVisible());

  // Neither the last network nor a host leaves; the chain is still marked.
  for (TNetworkButton* element : {At(1), At(0), At(2)}) {
    Calculator->ChainDirty = false;
    Calculator->NetworkButtonRemove(element);
    EXPECT_EQ(Calculator->NetworkChain.size(), 3);
    EXPECT_TRUE(Calculator->ChainDirty);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(last.isNull());

  // A second network makes both removable again.
  Calculator->InsertNetwork();
  EXPECT_TRUE(At(1)->RemoveEntry()->isVisible());
  EXPECT_TRUE(At(2)->RemoveEntry()->isVisible());
}

TEST_F(LatencyCalculator, ElementsOwnRemoveEntryTakesItAway) {
  QPointer<TNetworkButton> fddi = At(2);
  fddi->RemoveEntry()->trigger();
  EXPECT_EQ(Calculator->NetworkChain.size(), 5);
  EXPECT_FALSE(Calculator->NetworkChain.contains(fddi.data()));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(fddi.isNull());
}

TEST_F(LatencyCalculator, PressSelectsAndRightPressOpensTheMenu) {
  Calculator->resize(400, 400);
  Calculator->show();
  struct TCase {
    int Index;
    Qt::MouseButton Button;
    QPoint At;
  };
  for (const TCase& c : {TCase{1, Qt::RightButton, {10, 20}}, TCase{0, Qt::LeftButton, {3, 4}},
                         TCase{5, Qt::RightButton, {40, 45}}}) {
    SCOPED_TRACE(c.Index);
    QTest::mousePress(At(c.Index), c.Button, {}, c.At);
    EXPECT_EQ(Calculator->CurrentElement, At(c.Index));
    EXPECT_EQ(Calculator->GrabOffsetX, c.At.x());
    EXPECT_EQ(Calculator->GrabOffsetY, c.At.y());
    EXPECT_EQ(At(c.Index)->ElementMenu()->isVisible(), c.Button == Qt::RightButton);
    At(c.Index)->ElementMenu()->hide();
    QTest::mouseRelease(At(c.Index), c.Button, {}, c.At);
  }
}

TEST_F(LatencyCalculator, TabbingToAnElementSelectsIt) {
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(At(2), &focus);
  EXPECT_EQ(Calculator->CurrentElement, At(2));
  QFocusEvent byProgram(QEvent::FocusIn, Qt::OtherFocusReason);
  QCoreApplication::sendEvent(At(1), &byProgram);
  EXPECT_EQ(Calculator->CurrentElement, At(2));
}

TEST_F(LatencyCalculator, ServerKeepsToTheCornerAndElementsStayOnThePanel) {
  QWidget* panel = Calculator->NetworkSetupPanel;
  // The sizes a hidden panel passes through move nothing.
  panel->resize(0, 0);
  QResizeEvent hidden(QSize(0, 0), QSize(265, 214));
  QCoreApplication::sendEvent(panel, &hidden);
  EXPECT_EQ(At(1)->pos(), QPoint(207, 8));
  EXPECT_EQ(Calculator->TowerNetworkButton->pos(), QPoint(207, 156));
  Calculator->resize(700, 600);
  Calculator->show();
  struct TCase {
    QSize Panel;
    QPoint Server, Ethernet, TokenRing;
  };
  const std::vector<TCase> cases{
      {{400, 300}, {342, 242}, {207, 8}, {8, 156}},   // growing leaves the others
      {{200, 180}, {142, 122}, {142, 8}, {8, 122}},   // shrinking pulls them in
      {{500, 500}, {442, 442}, {142, 8}, {8, 122}},   // and they stay pulled in
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Panel.width());
    panel->resize(c.Panel);
    EXPECT_EQ(Calculator->TowerNetworkButton->pos(), c.Server);
    EXPECT_EQ(At(1)->pos(), c.Ethernet);
    EXPECT_EQ(At(4)->pos(), c.TokenRing);
  }
}

}  // namespace
