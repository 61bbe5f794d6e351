#pragma once
// The latency calculator: a chain of networks between a client and a server,
// and the delays a request, a reply and a round trip meet on it.
#include <QList>
#include <QWidget>

#include "latency/NetworkKinds.h"

class QAction;
class QTabWidget;
class QToolButton;
class TNetworkButton;
class TRadioGroup;
class TSuperStringGrid;

class TLatencyCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag; the statistics pages enable
  // and disable the main window's `editCopyItem`.
  TLatencyCalculator(const bool& loading, QAction* editCopyItem, QWidget* parent);

  // Builds the sample chain; called once while the main window starts.
  void InitLatencyCalculator();
  void BuildSampleChain();

  void SelectNetwork(TNetworkButton* element);
  // A new network just before the selected element (just after the client when
  // the client is selected), now selected; nullptr when the chain is full.
  TNetworkButton* InsertNetwork();
  // Puts `element` on the first free place of the panel's grid, if there is one.
  void PlaceNewElement(TNetworkButton* element);
  int ClampElementPosition(int value, bool vertical) const;
  bool IsPositionTaken(int left, int top) const;
  // Brings the elements' results and the totals up to date when the chain has
  // changed. Throws when the hosts' packet sizes overflow; the results are then
  // left as they were and the chain stays dirty.
  void RecomputeLatency();

  void NetworkButtonMouseDown(TNetworkButton* sender, Qt::MouseButton button,
                              Qt::KeyboardModifiers shift, int x, int y);
  // Takes a network out of the chain and frees it, unless it is the last one.
  void NetworkButtonRemove(TNetworkButton* sender);
  void NetworkSetupPanelResize();

  // Enables Copy, brings the results up to date and lists the chosen direction in the table.
  void LatencyStatsTabSheetEnter();
  // Disables Copy as the focus leaves the statistics or the graphs page.
  void LatencyStatsTabSheetExit();
  // Refreshes the page that has just become current.
  void LatencyPageControlChange();
  void CopyLatencyStatsButtonClick();

  QTabWidget* LatencyPageControl;
  QWidget* NetworkSetupTabSheet;
  QWidget* LatencyStatsTabSheet;
  QWidget* LatencyGraphsTabSheet;
  QWidget* NetworkSetupPanel;
  TNetworkButton* DesktopNetworkButton;
  TNetworkButton* TowerNetworkButton;
  TRadioGroup* PacketDirRadioGroup;
  QToolButton* CopyLatencyStatsButton;
  TSuperStringGrid* LatencyStatsStringGrid;

  // Client first, server last, the networks between them in path order.
  QList<TNetworkButton*> NetworkChain;
  TNetworkButton* CurrentElement = nullptr;
  bool ChainDirty = false;
  float TotalClientToServer = 0;
  float TotalRoundTrip = 0;
  float TotalServerToClient = 0;
  // Where the last press hit the pressed element, from its top left corner.
  int GrabOffsetX = 0;
  int GrabOffsetY = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TNetworkButton* CreateHost(TNetworkButtonKind kind, const char* objectName, const QString& name);
  // Presses and keyboard focus on the element select it.
  void BindElement(TNetworkButton* element);
  void PlaceServer();
  void CreateLatencyStatsPage();
  // Headings and alignments of the statistics table.
  void InitLatencyStats();

  const bool& Loading;
  QAction* EditCopyItem;
};
