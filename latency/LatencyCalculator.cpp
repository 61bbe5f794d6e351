// SPDX-License-Identifier: MIT
#include "latency/LatencyCalculator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "controls/KestPanels.h"
#include "latency/LatencyModel.h"
#include "latency/NetworkLayout.h"
#include "latency/LatencyFormat.h"
#include "latency/PlimsolNetworkButton.h"
#include "latency/PlimsolNetworkButtonForm.h"
#include "latency/SampleChain.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/Registry.h"

TLatencyCalculator::TLatencyCalculator(const bool& loading, QAction* editCopyItem, QWidget* parent)
    : QWidget(parent), Loading(loading), EditCopyItem(editCopyItem) {
  setObjectName("LatencyCalculator");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  LatencyPageControl = new QTabWidget(this);
  LatencyPageControl->setObjectName("LatencyPageControl");
  layout->addWidget(LatencyPageControl);

  NetworkSetupTabSheet = new QWidget;
  NetworkSetupTabSheet->setObjectName("NetworkSetupTabSheet");
  LatencyStatsTabSheet = new QWidget;
  LatencyStatsTabSheet->setObjectName("LatencyStatsTabSheet");
  LatencyGraphsTabSheet = new QWidget;
  LatencyGraphsTabSheet->setObjectName("LatencyGraphsTabSheet");
  LatencyPageControl->addTab(NetworkSetupTabSheet, "Network Setup");
  LatencyPageControl->addTab(LatencyStatsTabSheet, "Latency Statistics");
  LatencyPageControl->addTab(LatencyGraphsTabSheet, "Latency Graphs");

  CreateNetworkSetupPage();
  DesktopNetworkButton = CreateHost(nbDesktopCPU, "DesktopNetworkButton", "Client");
  const TElementPlace client = AnchoredPlace(ClientAnchor, NetworkSetupPanel->width(),
                                             NetworkSetupPanel->height());
  DesktopNetworkButton->move(client.Left, client.Top);
  TowerNetworkButton = CreateHost(nbTowerCPU, "TowerNetworkButton", "Server");
  PlaceServer();

  CreateLatencyStatsPage();
  CreateLatencyGraphsPage();
  connect(LatencyPageControl, &QTabWidget::currentChanged, this, Guarded([this] { LatencyPageControlChange(); }));
  // A page is left when the focus moves out of it; a window losing the focus
  // to another program is no exit from a page.
  connect(qApp, &QApplication::focusChanged, this, Guarded([this](QWidget* old, QWidget* now) {
    const std::pair<QWidget*, void (TLatencyCalculator::*)()> exits[] = {
        {NetworkSetupTabSheet, &TLatencyCalculator::NetworkSetupTabSheetExit},
        {LatencyStatsTabSheet, &TLatencyCalculator::LatencyStatsTabSheetExit},
        {LatencyGraphsTabSheet, &TLatencyCalculator::LatencyGraphsTabSheetExit}};
    for (const auto& [page, exit] : exits)
      if (old && now && page->isAncestorOf(old) && !page->isAncestorOf(now)) (this->*exit)();
  }));
}

// The server keeps to the bottom right corner as the panel grows and shrinks.
void TLatencyCalculator::PlaceServer() {
  const TElementPlace server = AnchoredPlace(ServerAnchor, NetworkSetupPanel->width(),
                                             NetworkSetupPanel->height());
  TowerNetworkButton->move(server.Left, server.Top);
}

TNetworkButton* TLatencyCalculator::CreateHost(TNetworkButtonKind kind, const char* objectName,
                                               const QString& name) {
  auto* host = new TNetworkButton(NetworkSetupPanel);
  host->setObjectName(objectName);
  host->SetNetworkButtonKind(kind);
  host->SetNetworkName(name);
  BindElement(host);
  return host;
}

void TLatencyCalculator::BindElement(TNetworkButton* element) {
  element->OnMouseDown = [this](TNetworkButton* sender, Qt::MouseButton button,
                                Qt::KeyboardModifiers shift, int x, int y) {
    NetworkButtonMouseDown(sender, button, shift, x, y);
  };
  element->installEventFilter(this);
}

void TLatencyCalculator::InitLatencyCalculator() {
  NetworkChain.reserve(NetworkChainCapacity);
  NetworkChain.append(DesktopNetworkButton);
  NetworkChain.append(TowerNetworkButton);
  CurrentElement = TowerNetworkButton;
  BuildSampleChain();
  DesktopNetworkButton->SetPacketSize(SampleRequestSize);
  TowerNetworkButton->SetPacketSize(SampleReplySize);
  InitLatencyStats();
  ChainDirty = true;
  DesktopNetworkButton->UpdateHint();
  PlaceServer();
  TowerNetworkButton->UpdateHint();
  ChainOrderChanged();
  GetNetworkButtonForm(true, this);
  LoadLatencySettings();
  GetNetworkButtonForm(true, this)->OnApply = [this](QObject*) { NetworkButtonFormApply(); };
  LatencyPageControlChange();
}

void TLatencyCalculator::LoadLatencySettings() {
  TRegistry registry;
  if (!registry.OpenKeyReadOnly(LatencySettingsKey)) return;
  TNetworkButtonForm* form = GetNetworkButtonForm(true, this);
  // The key is optional and never written: a value of another type reads as
  // none, and a count beyond the chain stops at its last network.
  if (registry.GetDataType("NumNetworks") != TRegDataType::rdInteger) return;
  const qsizetype count = std::clamp<qsizetype>(registry.ReadInteger("NumNetworks"), 0, NetworkChain.size() - 2);
  for (qsizetype i = 1; i <= count; ++i) {
    TNetworkButton* element = NetworkChain[i];
    form->SetKind(element->NetworkButtonKind());
    QComboBox* topologies = form->TopologyComboBox;
    int index = topologies->findText(element->NetworkName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index == -1 && element->NetworkName() != "<Unknown Topology>") {
      topologies->addItem(element->NetworkName());
      index = topologies->count() - 1;
      topologies->setCurrentIndex(index);
    }
    element->SetTopologyIndex(static_cast<std::int16_t>(index));
    const QString bandwidth =
        QString::fromStdString(FormatGeneral(element->Bandwidth(), 6, QLocale().decimalPoint().toStdString()));
    QComboBox* bandwidths = form->BandwidthComboBox;
    if (bandwidths->findText(bandwidth, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0 && bandwidth != "0") {
      bandwidths->addItem(bandwidth);
      bandwidths->setCurrentIndex(bandwidths->count() - 1);
    }
  }
}

void TLatencyCalculator::NetworkButtonFormApply() { ChainDirty = true; }

void TLatencyCalculator::BuildSampleChain() {
  LatencyPageControl->setCurrentWidget(NetworkSetupTabSheet);
  for (std::size_t i = 0; i < SampleNetworks().size(); ++i) {
    SelectNetwork(TowerNetworkButton);
    InsertNetwork();
  }
  for (std::size_t i = 0; i < SampleNetworks().size(); ++i) {
    const TSampleNetwork& sample = SampleNetworks()[i];
    TNetworkButton* network = NetworkChain[i + 1];
    network->SetNetworkButtonKind(sample.Kind);
    network->SetNetworkName(QString::fromUtf8(sample.Name.data(), sample.Name.size()));
    network->SetBandwidth(sample.Bandwidth);
    network->SetPropDelay(sample.PropDelay);
    network->SetTopologyIndex(sample.TopologyIndex);
    const TElementPlace place =
        AnchoredPlace(sample.Anchor, NetworkSetupPanel->width(), NetworkSetupPanel->height());
    network->move(place.Left, place.Top);
    network->UpdateHint();
  }
  TowerNetworkButton->SetProcessTime(SampleServerProcessTime);
}

void TLatencyCalculator::SelectNetwork(TNetworkButton* element) {
  CurrentElement = element;
  // A hidden element cannot take the focus; it then stays where it is.
  if (!Loading && element->isVisible()) element->setFocus(Qt::OtherFocusReason);
  UpdateToolBar();
  // An open dialog follows the selection.
  TNetworkButtonForm* form = GetNetworkButtonForm(false);
  if (form && form->isVisible()) form->ShowFor(element);
}

TNetworkButton* TLatencyCalculator::InsertNetwork() {
  if (NetworkChain.size() >= NetworkChainCapacity) return nullptr;
  auto* network = new TNetworkButton;
  BindElement(network);
  network->OnRemove = [this](TNetworkButton* sender) { NetworkButtonRemove(sender); };
  PlaceNewElement(network);
  network->setParent(NetworkSetupPanel);
  network->show();
  const qsizetype current = NetworkChain.indexOf(CurrentElement);
  const qsizetype index = current <= 0 ? 1 : current;
  NetworkChain.insert(index, network);
  NetworkSetupPanel->update();
  SelectNetwork(network);
  // Entry k of the Remove submenu belongs to chain element k + 1.
  QAction* entry = new QAction(RemoveNetworkMenu);
  const QList<QAction*> entries = RemoveNetworkMenu->actions();
  RemoveNetworkMenu->insertAction(index - 1 < entries.size() ? entries[index - 1] : nullptr, entry);
  if (NetworkChain.size() == 3) {
    network->SetRemoveEntriesVisible(false);
  } else if (NetworkChain.size() == 4) {
    NetworkChain[1]->SetRemoveEntriesVisible(true);
    NetworkChain[2]->SetRemoveEntriesVisible(true);
    RemoveNetworkItem->setVisible(true);
  }
  ChainOrderChanged();
  ChainDirty = true;
  return network;
}

void TLatencyCalculator::PlaceNewElement(TNetworkButton* element) {
  const auto place = FindFreePlace(GrabOffsetX, GrabOffsetY, NetworkSetupPanel->width(),
                                   NetworkSetupPanel->height(), [this](TElementPlace p) {
                                     return IsPositionTaken(p.Left, p.Top);
                                   });
  if (place) element->move(place->Left, place->Top);
}

int TLatencyCalculator::ClampElementPosition(int value, bool vertical) const {
  return vertical ? ::ClampElementPosition(value, GrabOffsetY, NetworkSetupPanel->height())
                  : ::ClampElementPosition(value, GrabOffsetX, NetworkSetupPanel->width());
}

bool TLatencyCalculator::IsPositionTaken(int left, int top) const {
  for (const TNetworkButton* element : NetworkChain)
    if (element->x() == left && element->y() == top) return true;
  return false;
}

void TLatencyCalculator::RecomputeLatency() {
  if (!ChainDirty) return;
  std::vector<const TNetworkElement*> chain;
  for (const TNetworkButton* element : NetworkChain) chain.push_back(&element->Element());
  const TLatencyResults results = ComputeLatency(chain);
  for (qsizetype i = 0; i < NetworkChain.size(); ++i) NetworkChain[i]->SetResults(results.Elements[i]);
  TotalClientToServer = results.Totals.TotalClientToServer;
  TotalRoundTrip = results.Totals.TotalRoundTrip;
  TotalServerToClient = results.Totals.TotalServerToClient;
  ChainDirty = false;
}

void TLatencyCalculator::NetworkButtonMouseDown(TNetworkButton* sender, Qt::MouseButton button,
                                                Qt::KeyboardModifiers, int x, int y) {
  GrabOffsetX = x;
  GrabOffsetY = y;
  SelectNetwork(sender);
  // The hosts are never dragged; a network's drag starts once the mouse has moved far enough.
  const bool network = sender != NetworkChain.first() && sender != NetworkChain.last();
  DragCandidate = button == Qt::LeftButton && network ? sender : nullptr;
  DragStart = QPoint(x, y);
  Dragging = false;
}

bool TLatencyCalculator::DragFilter(TNetworkButton* element, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!Dragging && (at - DragStart).manhattanLength() < QApplication::startDragDistance()) return false;
    if (!Dragging) {
      Dragging = true;
      NetworkButtonStartDrag(element);
    }
    NetworkButtonDragOver(element, element, at.x(), at.y());
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const bool dragged = Dragging;
    DragCandidate = nullptr;
    Dragging = false;
    if (dragged) {
      NetworkButtonEndDrag(element);
      // A drag is not a click.
      element->setDown(false);
      return true;
    }
  }
  return false;
}

void TLatencyCalculator::NetworkButtonRemove(TNetworkButton* sender) {
  const qsizetype index = NetworkChain.indexOf(sender);
  // Only networks leave the chain, and never the last one.
  if (NetworkChain.size() > 3 && index >= 1 && index < NetworkChain.size() - 1) {
    delete RemoveNetworkMenu->actions().at(index - 1);
    if (sender == DragCandidate) DragCandidate = nullptr;
    // The status bar would keep showing the hint of the element under the mouse.
    if (sender->underMouse()) ClearStatusHint(this);
    sender->hide();
    NetworkChain.removeAt(index);
    // Its own menu may still be running the Remove entry.
    sender->deleteLater();
    NetworkSetupPanel->update();
    SelectNetwork(NetworkChain[index]);
    if (NetworkChain.size() == 3) {
      RemoveNetworkItem->setVisible(false);
      NetworkChain[1]->SetRemoveEntriesVisible(false);
    }
    ChainOrderChanged();
  }
  ChainDirty = true;
}

void TLatencyCalculator::NetworkSetupPanelResize() {
  const int right = NetworkSetupPanel->width() - ElementMargin;
  const int bottom = NetworkSetupPanel->height() - ElementMargin;
  for (TNetworkButton* element : NetworkChain) {
    if (element->x() > right - element->width()) element->move(right - element->width(), element->y());
    if (element->y() > bottom - element->height()) element->move(element->x(), bottom - element->height());
  }
  NetworkSetupPanel->update();
}

bool TLatencyCalculator::eventFilter(QObject* watched, QEvent* event) {
  // While hidden the panel passes through sizes of no meaning (0 by 0) that
  // would pull every element into its corner; it gets its real size when shown.
  if (watched == NetworkSetupPanel && event->type() == QEvent::Resize && NetworkSetupPanel->isVisible()) {
    PlaceServer();
    NetworkSetupPanelResize();
  } else if (watched == DragCandidate && DragFilter(static_cast<TNetworkButton*>(watched), event)) {
    return true;
  } else if (auto* element = qobject_cast<TNetworkButton*>(watched);
             element && event->type() == QEvent::KeyPress && MoveByKey(element, static_cast<QKeyEvent*>(event))) {
    return true;
  } else if (event->type() == QEvent::FocusIn) {
    // Tabbing to an element selects it, as a click does.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    auto* element = qobject_cast<TNetworkButton*>(watched);
    if (element && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
        NetworkChain.contains(element))
      SelectNetwork(element);
  }
  return QWidget::eventFilter(watched, event);
}
