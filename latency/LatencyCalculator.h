// SPDX-License-Identifier: MIT
#pragma once
// The latency calculator: a chain of networks between a client and a server,
// and the delays a request, a reply and a round trip meet on it.
#include <QList>
#include <QPair>
#include <QWidget>
#include <functional>

#include "latency/NetworkKinds.h"

class QAction;
class QFrame;
class QLabel;
class QKeyEvent;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class TCanvas;
class TCanvasPanel;
class TKestCustomPanel;
class TKestLabel;
class TNetworkButton;
class TRadioGroup;
class TRainbowBar;
class TSuperStringGrid;

class TLatencyCalculator : public QWidget {
  Q_OBJECT
 public:
  // Read at start-up when present; the program never creates or writes it.
  static constexpr const char* LatencySettingsKey =
      "Software\\Kest Group\\Plimsol Calculator\\3.01\\3.01\\LatencyCalc";

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

  // Repaints the panel with the line joining the elements' centres in chain order.
  void DrawConnections();
  // Reads the networks' topologies and bandwidths into the properties dialog's
  // lists when the optional "LatencyCalc" key says how many to read.
  void LoadLatencySettings();

  // Selects the element; a left press on a network may start dragging it.
  void NetworkButtonMouseDown(TNetworkButton* sender, Qt::MouseButton button,
                              Qt::KeyboardModifiers shift, int x, int y);
  void NetworkButtonStartDrag(TNetworkButton* sender);
  // The pointer at (x, y) inside `sender` while `source` is dragged.
  void NetworkButtonDragOver(TNetworkButton* sender, QObject* source, int x, int y);
  void NetworkButtonEndDrag(TNetworkButton* sender);
  // The dragged element follows the pointer at (x, y) on the panel, keeping
  // the point where it was grabbed under it.
  void NetworkSetupPanelDragOver(QObject* source, int x, int y);
  void NetworkSetupPanelCustomDraw(QObject* sender, const QRect& rect, bool& defaultDraw);
  // Takes a network out of the chain and frees it, unless it is the last one.
  void NetworkButtonRemove(TNetworkButton* sender);
  void NetworkSetupPanelResize();
  // Swaps the selected network with its neighbour: left for MoveNetworkLeftButton.
  void MoveNetworkButtonClick(QObject* sender);
  void NewNetworkButtonClick();
  // Back to the hosts and one network.
  void ResetNetworkButtonClick();
  // Numbers the Remove submenu's entries and makes the selection's the default.
  void RemoveNetworkItemClick();
  void RemoveSubmenuClick(QAction* entry);
  void CopyNetworkSetupButtonClick();
  // The properties dialog stored values: the results are stale.
  void NetworkButtonFormApply();
  void NetworkSetupTabSheetEnter();
  void NetworkSetupTabSheetExit();

  // Legend and bars for the chain as it is now.
  void LatencyGraphsTabSheetEnter();
  void LatencyGraphsTabSheetExit();
  // The page's picture without the copy button.
  void CopyLatencyGraphsButtonClick();

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
  QToolBar* NetworkSetupToolBar;
  QToolButton* MoveNetworkLeftButton;
  QToolButton* NewNetworkButton;
  QToolButton* ResetNetworkButton;
  QToolButton* MoveNetworkRightButton;
  QToolButton* CopyNetworkSetupButton;
  TCanvasPanel* NetworkSetupPanel;
  QMenu* NetworkSetupPopupMenu;
  QAction* NewNetworkItem;
  QAction* RemoveNetworkItem;
  QMenu* RemoveNetworkMenu;
  TNetworkButton* DesktopNetworkButton;
  TNetworkButton* TowerNetworkButton;
  TRadioGroup* PacketDirRadioGroup;
  QToolButton* CopyLatencyStatsButton;
  TSuperStringGrid* LatencyStatsStringGrid;
  // Under the table: the slowest network, and the TCP window the path needs.
  QLabel* BottleneckLabel;
  QLabel* WindowLabel;
  TCanvasPanel* LatencyGraphsCanvasPanel;
  QFrame* Bevel1;
  TKestLabel* Label42;
  TKestLabel* Label43;
  TKestLabel* Label44;
  TRainbowBar* RainbowBarA;
  TRainbowBar* RainbowBarB;
  TRainbowBar* RainbowBarAB;
  QToolButton* CopyLatencyGraphsButton;
  TKestCustomPanel* Panel1;
  // The legend's rows: label and colour panel, in palette order.
  QList<QPair<TKestLabel*, TKestCustomPanel*>> LegendPairs;

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
  void CreateNetworkSetupPage();
  void CreateLatencyGraphsPage();
  void CreateLatencyStatsPage();
  // Tab goes through the elements in chain order, and each tells a screen
  // reader its place in the chain (so a move in the chain is heard).
  void ChainOrderChanged();
  // Shift and an arrow key move a network on the panel, as dragging does.
  bool MoveByKey(TNetworkButton* element, const QKeyEvent* key);
  // After a change of the selection or of the chain.
  void UpdateToolBar();
  void SetEditCopyEnabled(bool enabled);
  // Mouse moves and the release of a press that may drag DragCandidate;
  // true when the event was used by the drag.
  bool DragFilter(TNetworkButton* element, QEvent* event);
  // Headings and alignments of the statistics table.
  void InitLatencyStats();
  // The bottleneck and its bandwidth-delay product for the results as they are.
  void ShowBottleneck();

  const bool& Loading;
  // The network a left press may start dragging, and whether it has started.
  TNetworkButton* DragCandidate = nullptr;
  QPoint DragStart;
  bool Dragging = false;
  QAction* EditCopyItem;
};
