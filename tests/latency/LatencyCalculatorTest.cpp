// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTest>
#include <climits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/KestPanels.h"
#include "latency/LatencyCalculator.h"
#include "controls/KestStringGrid.h"
#include "latency/LatencyFormat.h"
#include "platform/Clipboard.h"
#include "latency/PlimsolNetworkButton.h"
#include "latency/PlimsolNetworkButtonForm.h"

#include "tests/latency/LatencyFixture.h"

namespace {

class LatencyCalculator : public TLatencyFixture {
 protected:
  QStringList Hints() const {
    QStringList hints;
    for (const TNetworkButton* e : Calculator->NetworkChain) hints << e->Hint();
    return hints;
  }

  TNetworkButton* At(int index) const { return Calculator->NetworkChain[index]; }
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

TEST_F(LatencyCalculator, DraggingANetworkKeepsItEightPixelsInside) {
  Calculator->resize(300, 300);
  Calculator->show();
  QWidget* panel = Calculator->NetworkSetupPanel;
  const int right = panel->width() - 58;
  const int bottom = panel->height() - 58;
  struct TCase {
    QPoint Pointer;  // on the panel
    QPoint Expected;
  };
  const std::vector<TCase> cases{
      {{0, 0}, {8, 8}},
      {{100, 90}, {80, 70}},  // the grabbed point stays under the pointer
      {{5000, 5000}, {right, bottom}},
      {{27, 5000}, {8, bottom}},
  };
  TNetworkButton* fddi = At(2);
  const QPoint grab(20, 20);
  QTest::mousePress(fddi, Qt::LeftButton, {}, grab);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Pointer.x());
    const QPoint local = c.Pointer - fddi->pos();
    QMouseEvent move(QEvent::MouseMove, local, fddi->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(fddi, &move);
    EXPECT_EQ(fddi->pos(), c.Expected);
  }
  QTest::mouseRelease(fddi, Qt::LeftButton, {}, grab);
  EXPECT_EQ(Calculator->NetworkChain.indexOf(fddi), 2);

  // The hosts stay where they are.
  TNetworkButton* client = At(0);
  QTest::mousePress(client, Qt::LeftButton, {}, grab);
  QMouseEvent move(QEvent::MouseMove, QPoint(120, 120), client->mapToGlobal(QPoint(120, 120)), Qt::NoButton,
                   Qt::LeftButton, {});
  QCoreApplication::sendEvent(client, &move);
  QTest::mouseRelease(client, Qt::LeftButton, {}, grab);
  EXPECT_EQ(client->pos(), QPoint(8, 8));
}

TEST_F(LatencyCalculator, MovingANetworkRightSwapsPlacesAndTableRows) {
  Calculator->show();
  EXPECT_TRUE(Calculator->MoveNetworkLeftButton->isEnabled());  // Token Ring
  EXPECT_FALSE(Calculator->MoveNetworkRightButton->isEnabled());
  TNetworkButton* ethernet = At(1);
  TNetworkButton* fddi = At(2);
  const QPoint ethernetPlace = ethernet->pos();
  const QPoint fddiPlace = fddi->pos();
  QTest::mouseClick(ethernet, Qt::LeftButton);
  EXPECT_FALSE(Calculator->MoveNetworkLeftButton->isEnabled());
  ASSERT_TRUE(Calculator->MoveNetworkRightButton->isEnabled());
  Calculator->ChainDirty = false;
  Calculator->MoveNetworkRightButton->click();
  EXPECT_EQ(At(1), fddi);
  EXPECT_EQ(At(2), ethernet);
  EXPECT_EQ(ethernet->pos(), fddiPlace);
  EXPECT_EQ(fddi->pos(), ethernetPlace);
  EXPECT_EQ(Calculator->CurrentElement, ethernet);
  EXPECT_FALSE(Calculator->ChainDirty);
  EXPECT_TRUE(Calculator->MoveNetworkLeftButton->isEnabled());

  Calculator->ChainDirty = true;
  Calculator->LatencyStatsTabSheetEnter();
  EXPECT_EQ(Calculator->LatencyStatsStringGrid->Cells(0, 2), "FDDI (100 Mbps)");
  EXPECT_EQ(Calculator->LatencyStatsStringGrid->Cells(0, 3), "Ethernet (10 Mbps)");

  // Next to a host nothing moves.
  Calculator->SelectNetwork(At(4));
  Calculator->MoveNetworkButtonClick(Calculator->MoveNetworkRightButton);
  Calculator->SelectNetwork(At(0));
  Calculator->MoveNetworkButtonClick(Calculator->MoveNetworkRightButton);
  EXPECT_EQ(At(4)->NetworkName(), "Token Ring");
  EXPECT_EQ(At(0), Calculator->DesktopNetworkButton);
}

TEST_F(LatencyCalculator, RemoveSubmenuNumbersTheNetworksAndMarksTheSelection) {
  const auto captions = [this] {
    Calculator->RemoveNetworkItemClick();
    QStringList texts;
    for (const QAction* entry : Calculator->RemoveNetworkMenu->actions()) texts << entry->text();
    return texts;
  };
  EXPECT_TRUE(Calculator->RemoveNetworkItem->isVisible());
  EXPECT_EQ(captions(), (QStringList{"1.  Ethernet (10 Mbps)", "2.  FDDI (100 Mbps)",
                                     "3.  Frame Relay (1.544 Mbps, 5 ms prop. delay)", "4.  Token Ring (16 Mbps)"}));
  EXPECT_EQ(Calculator->RemoveNetworkMenu->defaultAction(), Calculator->RemoveNetworkMenu->actions()[3]);

  Calculator->SelectNetwork(At(2));
  Calculator->NewNetworkButton->click();
  EXPECT_EQ(At(2)->NetworkName(), "<Unknown Topology>");
  EXPECT_EQ(captions()[1], "2.  <Unknown Topology>");
  EXPECT_EQ(Calculator->RemoveNetworkMenu->defaultAction(), Calculator->RemoveNetworkMenu->actions()[1]);

  Calculator->RemoveNetworkMenu->actions()[0]->trigger();
  EXPECT_EQ(captions(), (QStringList{"1.  <Unknown Topology>", "2.  FDDI (100 Mbps)",
                                     "3.  Frame Relay (1.544 Mbps, 5 ms prop. delay)", "4.  Token Ring (16 Mbps)"}));

  // Reset leaves the hosts and one network, and the table follows.
  Calculator->ResetNetworkButton->click();
  ASSERT_EQ(Calculator->NetworkChain.size(), 3);
  EXPECT_EQ(captions(), QStringList{"1.  Token Ring (16 Mbps)"});
  EXPECT_FALSE(Calculator->RemoveNetworkItem->isVisible());
  Calculator->LatencyStatsTabSheetEnter();
  EXPECT_EQ(Calculator->LatencyStatsStringGrid->RowCount(), 5);
  EXPECT_EQ(Calculator->LatencyStatsStringGrid->Cells(1, 4), "0.0000320");

  // A full chain takes no more.
  while (Calculator->NetworkChain.size() < 16) Calculator->NewNetworkButton->click();
  EXPECT_FALSE(Calculator->NewNetworkButton->isEnabled());
  EXPECT_FALSE(Calculator->NewNetworkItem->isEnabled());
  EXPECT_EQ(captions().size(), 14);
  Calculator->RemoveNetworkMenu->actions()[13]->trigger();
  EXPECT_TRUE(Calculator->NewNetworkButton->isEnabled());
}

TEST_F(LatencyCalculator, ChainCanBeEditedFromTheKeyboard) {
  QMainWindow window;
  window.setCentralWidget(Calculator.release());
  TLatencyCalculator* calculator = static_cast<TLatencyCalculator*>(window.centralWidget());
  window.resize(400, 400);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  TNetworkButton* fddi = calculator->NetworkChain[2];
  calculator->NetworkChain[1]->setFocus();
  QTest::keyClick(calculator->NetworkChain[1], Qt::Key_Tab);
  EXPECT_EQ(calculator->CurrentElement, fddi);

  QTest::keyClick(fddi, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(calculator->NetworkChain.indexOf(fddi), 3);
  QTest::keyClick(fddi, Qt::Key_Insert);
  EXPECT_EQ(calculator->NetworkChain.size(), 7);
  EXPECT_EQ(calculator->NetworkChain.indexOf(fddi), 4);
  EXPECT_EQ(QApplication::focusWidget(), calculator->NetworkChain[3]);

  TNetworkButton* inserted = calculator->NetworkChain[3];
  QTest::keyClick(inserted, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(inserted->ElementMenu()->isVisible());
  inserted->ElementMenu()->hide();

  // Removing the element under the mouse takes its hint off the status bar.
  window.statusBar()->showMessage(inserted->Hint());
  inserted->setAttribute(Qt::WA_UnderMouse);
  inserted->RemoveEntry()->trigger();
  EXPECT_EQ(calculator->NetworkChain.size(), 6);
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
}

TEST_F(LatencyCalculator, ElementKeysOpenPropertiesMoveItAndTellItsPlace) {
  Calculator->resize(300, 300);
  Calculator->show();
  TNetworkButton* ethernet = At(1);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    GetNetworkButtonForm(true)->hide();
    QTest::keyClick(ethernet, key);
    EXPECT_TRUE(GetNetworkButtonForm(false)->isVisible());
    EXPECT_EQ(GetNetworkButtonForm(false)->Element, ethernet);
  }
  GetNetworkButtonForm(false)->hide();

  // Shift and an arrow move a network on the panel, kept inside as a drag keeps it; never a host.
  const QPoint start = ethernet->pos();
  QTest::keyClick(ethernet, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(ethernet->pos(), start - QPoint(8, 0));
  QTest::keyClick(ethernet, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(ethernet->pos(), start - QPoint(8, 0));  // already 8 from the top
  for (int i = 0; i < 100; ++i) QTest::keyClick(ethernet, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(ethernet->y(), Calculator->NetworkSetupPanel->height() - 58);
  EXPECT_EQ(Calculator->NetworkChain.indexOf(ethernet), 1);
  QTest::keyClick(At(0), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(At(0)->pos(), QPoint(8, 8));

  // Each element tells its place in the chain, so a move in it is heard.
  EXPECT_EQ(ethernet->accessibleDescription(), "Network 1 of 4 in the chain");
  Calculator->SelectNetwork(ethernet);
  Calculator->MoveNetworkRightButton->click();
  EXPECT_EQ(ethernet->accessibleDescription(), "Network 2 of 4 in the chain");
  EXPECT_EQ(At(1)->accessibleDescription(), "Network 1 of 4 in the chain");
  EXPECT_EQ(At(0)->accessibleDescription(), "Start of the chain");
  EXPECT_EQ(At(5)->accessibleDescription(), "End of the chain");
}

TEST_F(LatencyCalculator, CopyHoldsThePanelInsideItsBorder) {
  Calculator->show();
  Calculator->CopyNetworkSetupButton->click();
  const QImage copied = ClipboardImage();
  EXPECT_EQ(copied.size(), Calculator->NetworkSetupPanel->size() - QSize(2, 2));
  // The line joins the client to Ethernet across the top.
  const QColor line = Calculator->palette().color(QPalette::Highlight);
  EXPECT_EQ(copied.pixelColor(Calculator->NetworkSetupPanel->width() / 2, 8 + 25 - 1), line);
}

}  // namespace
