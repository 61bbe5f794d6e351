// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <vector>

#include "latency/PlimsolNetworkButton.h"
#include "platform/Shell.h"

namespace {

QImage GlyphImage(const char* name) { return LoadBitmapResource(name).toImage(); }

TEST(NetworkButton, StartsAsAnUnknownNetwork) {
  TNetworkButton button;
  EXPECT_EQ(button.NetworkButtonKind(), nbUnknownNetwork);
  EXPECT_EQ(button.NetworkName(), "<Unknown Topology>");
  EXPECT_EQ(button.PacketSize(), 512);
  EXPECT_EQ(button.TopologyIndex(), -1);
  EXPECT_EQ(button.Bandwidth(), 0.0);
  EXPECT_EQ(button.PropDelay(), 0);
  EXPECT_EQ(button.ProcessTime(), 0);
  EXPECT_EQ(button.size(), QSize(50, 50));
  EXPECT_TRUE(button.text().isEmpty());
  EXPECT_EQ(button.toolTip(), "<Unknown Topology>");
  EXPECT_EQ(button.statusTip(), "<Unknown Topology>");
  ASSERT_FALSE(GlyphImage("UNKNOWNNETWORK").isNull());
  EXPECT_EQ(button.Glyph().toImage(), GlyphImage("UNKNOWNNETWORK"));
  EXPECT_EQ(button.iconSize(), QSize(40, 40));

  const QList<QAction*> entries = button.ElementMenu()->actions();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(entries[0]->text(), "Properties...");
  EXPECT_TRUE(entries[0]->isEnabled());
  EXPECT_TRUE(entries[1]->isSeparator());
  EXPECT_TRUE(entries[1]->isVisible());
  EXPECT_EQ(entries[2]->text(), "Remove");
  EXPECT_TRUE(entries[2]->isVisible());
}

struct THintCase {
  TNetworkButtonKind Kind;
  const char* Name;
  double Bandwidth;
  int PropDelay, PacketSize, ProcessTime;
  const char* English;
  const char* German;
};

TEST(NetworkButton, HintIsTheDescriptionLineInTheUsersNotation) {
  const std::vector<THintCase> cases{
      {nbFrameRelay, "Frame Relay", 1.544, 5, 512, 0, "Frame Relay (1.544 Mbps, 5 ms prop. delay)",
       "Frame Relay (1,544 Mbps, 5 ms prop. delay)"},
      {nbTokenRing, "Token Ring", 16, 0, 512, 0, "Token Ring (16 Mbps)", "Token Ring (16 Mbps)"},
      {nbATM, "ATM", 155.52, 1, 512, 0, "ATM (155.52 Mbps, 1 ms prop. delay)", "ATM (155,52 Mbps, 1 ms prop. delay)"},
      {nb56Switched, "56-Switched", 0.056, 0, 512, 0, "56-Switched (0.056 Mbps)", "56-Switched (0,056 Mbps)"},
      {nbTowerCPU, "Server", 0, 0, 1024, 1, "Server (1024 B pkt., 1 ms proc. time)",
       "Server (1024 B pkt., 1 ms proc. time)"},
      {nbDesktopCPU, "Client", 0, 0, 64, 0, "Client (64 B pkt.)", "Client (64 B pkt.)"},
  };
  const QLocale saved;
  for (const auto& [locale, german] : {std::pair{QLocale::English, false}, std::pair{QLocale::German, true}}) {
    QLocale::setDefault(QLocale(locale));
    for (const THintCase& c : cases) {
      TNetworkButton button;
      button.SetNetworkButtonKind(c.Kind);
      button.SetNetworkName(c.Name);
      button.SetBandwidth(c.Bandwidth);
      button.SetPropDelay(c.PropDelay);
      button.SetPacketSize(c.PacketSize);
      button.SetProcessTime(c.ProcessTime);
      EXPECT_EQ(button.Hint(), "<Unknown Topology>") << "only UpdateHint rebuilds it";
      button.UpdateHint();
      const QString expected = german ? c.German : c.English;
      EXPECT_EQ(button.Hint(), expected);
      EXPECT_EQ(button.toolTip(), expected);
      EXPECT_EQ(button.statusTip(), expected);
      EXPECT_EQ(button.accessibleName(), expected);
    }
  }
  QLocale::setDefault(saved);
}

TEST(NetworkButton, KindReloadsTheGlyphAndTheRemoveEntries) {
  struct TCase {
    TNetworkButtonKind Kind;
    const char* Glyph;
    bool Network;
  };
  const std::vector<TCase> cases{
      {nbEthernet, "ETHERNET", true},   {nbDesktopCPU, "DESKTOPCPU", false},
      {nbFrameRelay, "OTHER", true},    {nbTowerCPU, "TOWERCPU", false},
      {nbTokenRing, "TOKENRING", true}, {nbSatellite, "SATELLITE", true},
      {nbATM, "ATM", true},             {nbSMDS, "DQDB", true},
      {nbHIPPI, "HIPPI", true},         {nbFDDI, "FDDI", true},
      {nbTCarrier, "TCARRIER", true},   {nbX25, "X25", true},
      {nbUnknownNetwork, "UNKNOWNNETWORK", true},
  };
  TNetworkButton button;
  const QList<QAction*> entries = button.ElementMenu()->actions();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Glyph);
    button.SetNetworkButtonKind(c.Kind);
    EXPECT_EQ(button.NetworkButtonKind(), c.Kind);
    ASSERT_FALSE(GlyphImage(c.Glyph).isNull());
    EXPECT_EQ(button.Glyph().toImage(), GlyphImage(c.Glyph));
    EXPECT_EQ(button.icon().pixmap(40, 40).toImage(), GlyphImage(c.Glyph));
    EXPECT_EQ(entries[1]->isVisible(), c.Network);
    EXPECT_EQ(entries[2]->isVisible(), c.Network);
  }
}

TEST(NetworkButton, SameKindAgainChangesNothing) {
  for (TNetworkButtonKind kind : {nbEthernet, nbTowerCPU}) {
    TNetworkButton button;
    button.SetNetworkButtonKind(kind);
    const qint64 glyph = button.Glyph().cacheKey();
    const bool visible = button.RemoveEntry()->isVisible();
    button.SetRemoveEntriesVisible(!visible);
    button.SetNetworkButtonKind(kind);
    EXPECT_EQ(button.Glyph().cacheKey(), glyph);
    EXPECT_EQ(button.RemoveEntry()->isVisible(), !visible);
  }
}

struct TPress {
  Qt::MouseButton Button;
  int X, Y;
  bool MenuOpenAlready;
};

TEST(NetworkButton, PressFiresOnMouseDownThenRightButtonOpensTheMenuThere) {
  QWidget window;
  window.resize(300, 300);
  auto* button = new TNetworkButton(&window);
  button->move(40, 40);
  window.show();
  std::vector<TPress> presses;
  button->OnMouseDown = [&](TNetworkButton* sender, Qt::MouseButton pressed, Qt::KeyboardModifiers, int x,
                            int y) {
    EXPECT_EQ(sender, button);
    presses.push_back({pressed, x, y, button->ElementMenu()->isVisible()});
  };

  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 7));
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0].Button, Qt::LeftButton);
  EXPECT_EQ(presses[0].X, 5);
  EXPECT_EQ(presses[0].Y, 7);
  EXPECT_FALSE(button->ElementMenu()->isVisible());

  QTest::mousePress(button, Qt::RightButton, {}, QPoint(20, 30));
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[1].Button, Qt::RightButton);
  EXPECT_EQ(presses[1].X, 20);
  EXPECT_EQ(presses[1].Y, 30);
  EXPECT_FALSE(presses[1].MenuOpenAlready);
  EXPECT_TRUE(button->ElementMenu()->isVisible());
  EXPECT_EQ(button->ElementMenu()->pos(), button->mapToGlobal(QPoint(20, 30)));
  button->ElementMenu()->hide();
}

TEST(NetworkButton, MenuKeyOpensTheMenuOnTheElement) {
  QWidget window;
  window.resize(300, 300);
  auto* button = new TNetworkButton(&window);
  button->move(40, 40);
  window.show();
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), button->mapToGlobal(QPoint(0, 0)));
  QCoreApplication::sendEvent(button, &event);
  EXPECT_TRUE(button->ElementMenu()->isVisible());
  EXPECT_EQ(button->ElementMenu()->pos(), button->mapToGlobal(button->rect().center()));
  button->ElementMenu()->hide();
}

TEST(NetworkButton, RemoveEntryAsksItsOwner) {
  QPointer<TNetworkButton> button = new TNetworkButton;
  std::vector<TNetworkButton*> removed;
  button->OnRemove = [&](TNetworkButton* sender) { removed.push_back(sender); };
  button->RemoveEntry()->trigger();
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0], button.data());
  // The owner decides what happens to the element; unanswered, it stays.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(button.isNull());
  delete button.data();
}

}  // namespace
