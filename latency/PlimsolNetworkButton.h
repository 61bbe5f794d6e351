// SPDX-License-Identifier: MIT
#pragma once
// An element of the latency chain as a picture button on the network setup
// panel: the client, a network or the server, with its context menu.
#include <QPixmap>
#include <QPushButton>
#include <cstdint>
#include <functional>

#include "latency/NetworkElement.h"

class QAction;
class QMenu;

class TNetworkButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TNetworkButton(QWidget* parent = nullptr);

  TNetworkButtonKind NetworkButtonKind() const { return Data.NetworkButtonKind; }
  // Reloads the glyph and shows the Remove entries for a network, hides them for a host.
  void SetNetworkButtonKind(TNetworkButtonKind kind);
  QString NetworkName() const { return QString::fromStdString(Data.NetworkName); }
  void SetNetworkName(const QString& name);
  double Bandwidth() const { return Data.Bandwidth; }
  void SetBandwidth(double megabitsPerSecond);
  std::int32_t PacketSize() const { return Data.PacketSize; }
  void SetPacketSize(std::int32_t bytes);
  std::int32_t ProcessTime() const { return Data.ProcessTime; }
  void SetProcessTime(std::int32_t milliseconds);
  std::int32_t PropDelay() const { return Data.PropDelay; }
  void SetPropDelay(std::int32_t milliseconds);
  std::int16_t TopologyIndex() const { return Data.TopologyIndex; }
  void SetTopologyIndex(std::int16_t index);

  float ClientToServerDelay() const { return Data.Results.ClientToServerDelay; }
  float RoundTripDelay() const { return Data.Results.RoundTripDelay; }
  float ServerToClientDelay() const { return Data.Results.ServerToClientDelay; }
  float ClientToServerShare() const { return Data.Results.ClientToServerShare; }
  float RoundTripShare() const { return Data.Results.RoundTripShare; }
  float ServerToClientShare() const { return Data.Results.ServerToClientShare; }
  void SetResults(const TElementResults& results) { Data.Results = results; }

  const TNetworkElement& Element() const { return Data; }
  const QPixmap& Glyph() const { return GlyphPixmap; }

  // The description line, as last built by UpdateHint.
  QString Hint() const { return toolTip(); }
  void UpdateHint();

  // The delay in seconds this element adds to one packet of `packetSize` bytes.
  float Delay(std::int32_t packetSize) const;

  QMenu* ElementMenu() const { return Menu; }
  QAction* PropertiesEntry() const { return PropertiesAction; }
  QAction* RemoveEntry() const { return RemoveAction; }
  // Shows or hides the Remove entry together with its separator.
  void SetRemoveEntriesVisible(bool visible);

  // Fired by a mouse press before a right-button press opens the menu;
  // x and y are the press position inside the element.
  std::function<void(TNetworkButton* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     int x, int y)>
      OnMouseDown;
  // Fired by the Remove entry.
  std::function<void(TNetworkButton* sender)> OnRemove;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void DoRemove();
  void LoadGlyph();

  TNetworkElement Data;
  QPixmap GlyphPixmap;
  QMenu* Menu;
  QAction* PropertiesAction;
  QAction* RemoveSeparator;
  QAction* RemoveAction;
};
