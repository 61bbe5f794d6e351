// SPDX-License-Identifier: MIT
// The Network Setup page: the chain's elements on a panel joined by a line,
// the tool bar that edits the chain, and the panel's context menu.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "controls/ClipboardButton.h"
#include "controls/DesignLayout.h"
#include "controls/KestPanels.h"
#include "latency/LatencyCalculator.h"
#include "latency/NetworkLayout.h"
#include "latency/PlimsolNetworkButton.h"
#include "platform/Application.h"
#include "platform/Hint.h"

namespace {
// The page's size at the window's minimum size; the panel takes all of it
// below the tool bar's strip.
constexpr QSize PageDesignSize(265, 246);
constexpr int ToolBarStrip = 32;
constexpr int ConnectionWidth = 4;
// How far Shift and an arrow key move an element on the panel.
constexpr int KeyMoveStep = ElementMargin;

QToolButton* NewToolButton(QToolBar* bar, const char* objectName, const QString& caption, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setObjectName(objectName);
  button->setText(caption);
  button->setAutoRaise(true);
  // As wide as its caption needs in the font shown, at least the designed 35.
  button->setFixedSize(std::max(35, button->sizeHint().width()), 21);
  // Reachable by Tab as well as by its shortcut.
  button->setFocusPolicy(Qt::TabFocus);
  SetHint(button, hint);
  bar->addWidget(button);
  return button;
}
}  // namespace

void TLatencyCalculator::CreateNetworkSetupPage() {
  auto* layout = new TDesignLayout(NetworkSetupTabSheet, PageDesignSize);

  NetworkSetupToolBar = new QToolBar(NetworkSetupTabSheet);
  NetworkSetupToolBar->setObjectName("NetworkSetupToolBar");
  NetworkSetupToolBar->setMovable(false);
  NetworkSetupToolBar->setFloatable(false);
  NetworkSetupToolBar->setStyleSheet("QToolBar { border: 0px; }");
  MoveNetworkLeftButton = NewToolButton(NetworkSetupToolBar, "MoveNetworkLeftButton", "<<",
                                        "Move currently selected network left");
  NewNetworkButton = NewToolButton(NetworkSetupToolBar, "NewNetworkButton", "Insert",
                                   "Insert new network before currently selected network");
  ResetNetworkButton = NewToolButton(NetworkSetupToolBar, "ResetNetworkButton", "Reset", "Clear all networks");
  MoveNetworkRightButton = NewToolButton(NetworkSetupToolBar, "MoveNetworkRightButton", ">>",
                                         "Move currently selected network right");
  connect(MoveNetworkLeftButton, &QToolButton::clicked, this,
          Guarded([this] { MoveNetworkButtonClick(MoveNetworkLeftButton); }));
  connect(MoveNetworkRightButton, &QToolButton::clicked, this,
          Guarded([this] { MoveNetworkButtonClick(MoveNetworkRightButton); }));
  connect(NewNetworkButton, &QToolButton::clicked, this, Guarded([this] { NewNetworkButtonClick(); }));
  connect(ResetNetworkButton, &QToolButton::clicked, this, Guarded([this] { ResetNetworkButtonClick(); }));
  layout->AddWidget(NetworkSetupToolBar, QRect(0, 0, 237, 29), akLeft | akTop | akRight);

  // The chain can be edited without a mouse: the tool bar's commands have keys.
  const auto addShortcut = [this](const QKeySequence& keys, QToolButton* button) {
    auto* shortcut = new QShortcut(keys, NetworkSetupTabSheet);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
    SetHint(button, button->toolTip() + " (" + keys.toString(QKeySequence::NativeText) + ")");
  };
  addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), MoveNetworkLeftButton);
  addShortcut(QKeySequence(Qt::Key_Insert), NewNetworkButton);
  addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), MoveNetworkRightButton);

  CopyNetworkSetupButton = NewClipboardButton(NetworkSetupTabSheet, "CopyNetworkSetupButton",
                                              "Copy network setup to clipboard");
  CopyNetworkSetupButton->setFixedSize(25, 25);
  connect(CopyNetworkSetupButton, &QToolButton::clicked, this, Guarded([this] { CopyNetworkSetupButtonClick(); }));
  layout->AddWidget(CopyNetworkSetupButton, QRect(240, 0, 25, 25), akTop | akRight);

  NetworkSetupPanel = new TCanvasPanel(NetworkSetupTabSheet);
  NetworkSetupPanel->setObjectName("NetworkSetupPanel");
  NetworkSetupPanel->setAccessibleName("Network setup");
  NetworkSetupPanel->SetBevelOuter(bvNone);
  NetworkSetupPanel->SetSingleBorder(true);
  NetworkSetupPanel->SetColor(NetworkSetupPanel->palette().color(QPalette::Base));
  NetworkSetupPanel->resize(PageDesignSize.width(), PageDesignSize.height() - ToolBarStrip);
  NetworkSetupPanel->OnCustomDraw = [this](QObject* sender, const QRect& rect, bool& defaultDraw) {
    NetworkSetupPanelCustomDraw(sender, rect, defaultDraw);
  };
  NetworkSetupPanel->installEventFilter(this);
  layout->AddWidget(NetworkSetupPanel,
                    QRect(0, ToolBarStrip, PageDesignSize.width(), PageDesignSize.height() - ToolBarStrip),
                    akLeft | akTop | akRight | akBottom);

  NetworkSetupPopupMenu = new QMenu(NetworkSetupPanel);
  NetworkSetupPopupMenu->setObjectName("NetworkSetupPopupMenu");
  NewNetworkItem =
      NetworkSetupPopupMenu->addAction("&Insert Network", this, Guarded([this] { NewNetworkButtonClick(); }));
  NewNetworkItem->setObjectName("NewNetworkItem");
  RemoveNetworkMenu = NetworkSetupPopupMenu->addMenu("&Remove Network");
  RemoveNetworkMenu->setObjectName("RemoveNetworkMenu");
  RemoveNetworkItem = RemoveNetworkMenu->menuAction();
  RemoveNetworkItem->setObjectName("RemoveNetworkItem");
  RemoveNetworkItem->setVisible(false);
  connect(RemoveNetworkMenu, &QMenu::aboutToShow, this, Guarded([this] { RemoveNetworkItemClick(); }));
  connect(RemoveNetworkMenu, &QMenu::triggered, this, Guarded([this](QAction* entry) { RemoveSubmenuClick(entry); }));
  NetworkSetupPanel->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(NetworkSetupPanel, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { NetworkSetupPopupMenu->popup(NetworkSetupPanel->mapToGlobal(at)); });
}

void TLatencyCalculator::UpdateToolBar() {
  const qsizetype i = NetworkChain.indexOf(CurrentElement);
  const qsizetype n = NetworkChain.size();
  MoveNetworkLeftButton->setEnabled(i >= 2 && i != n - 1);
  MoveNetworkRightButton->setEnabled(i >= 1 && i < n - 2);
  NewNetworkButton->setEnabled(n < NetworkChainCapacity);
  NewNetworkItem->setEnabled(n < NetworkChainCapacity);
}

void TLatencyCalculator::ChainOrderChanged() {
  QWidget* previous = CopyNetworkSetupButton;
  for (TNetworkButton* element : NetworkChain) {
    QWidget::setTabOrder(previous, element);
    previous = element;
  }
  const qsizetype networks = NetworkChain.size() - 2;
  for (qsizetype i = 0; i < NetworkChain.size(); ++i) {
    const QString place = i == 0                         ? QStringLiteral("Start of the chain")
                          : i == NetworkChain.size() - 1 ? QStringLiteral("End of the chain")
                                                         : QStringLiteral("Network %1 of %2 in the chain").arg(i).arg(networks);
    NetworkChain[i]->setAccessibleDescription(place);
  }
}

bool TLatencyCalculator::MoveByKey(TNetworkButton* element, const QKeyEvent* key) {
  if (key->modifiers() != Qt::ShiftModifier || IsHostKind(element->NetworkButtonKind()) ||
      !NetworkChain.contains(element))
    return false;
  QPoint step;
  switch (key->key()) {
    case Qt::Key_Left: step = {-KeyMoveStep, 0}; break;
    case Qt::Key_Right: step = {KeyMoveStep, 0}; break;
    case Qt::Key_Up: step = {0, -KeyMoveStep}; break;
    case Qt::Key_Down: step = {0, KeyMoveStep}; break;
    default: return false;
  }
  const QPoint to = element->pos() + step;
  element->move(::ClampElementPosition(to.x(), 0, NetworkSetupPanel->width()),
                ::ClampElementPosition(to.y(), 0, NetworkSetupPanel->height()));
  DrawConnections();
  return true;
}

void TLatencyCalculator::DrawConnections() { NetworkSetupPanel->PaintNow(); }

void TLatencyCalculator::NetworkSetupPanelCustomDraw(QObject*, const QRect&, bool&) {
  TCanvas* canvas = NetworkSetupPanel->Canvas();
  if (!canvas || NetworkChain.isEmpty()) return;
  canvas->Pen = QPen(canvas->Palette().color(QPalette::Highlight), ConnectionWidth);
  const auto centre = [](const TNetworkButton* e) {
    return QPoint(e->x() + e->width() / 2, e->y() + e->height() / 2);
  };
  const QPoint start = centre(NetworkChain.first());
  canvas->MoveTo(start.x(), start.y());
  for (qsizetype i = 1; i < NetworkChain.size(); ++i) {
    const QPoint to = centre(NetworkChain[i]);
    canvas->LineTo(to.x(), to.y());
  }
}

void TLatencyCalculator::NetworkButtonStartDrag(TNetworkButton* sender) {
  sender->raise();
  sender->setCursor(Qt::ClosedHandCursor);
}

void TLatencyCalculator::NetworkButtonDragOver(TNetworkButton* sender, QObject* source, int x, int y) {
  sender->setCursor(Qt::ClosedHandCursor);
  NetworkSetupPanelDragOver(source, x + sender->x(), y + sender->y());
}

void TLatencyCalculator::NetworkSetupPanelDragOver(QObject* source, int x, int y) {
  auto* element = qobject_cast<TNetworkButton*>(source);
  if (!element) return;
  element->move(ClampElementPosition(x, false), ClampElementPosition(y, true));
  DrawConnections();
}

void TLatencyCalculator::NetworkButtonEndDrag(TNetworkButton* sender) {
  sender->unsetCursor();
  NetworkSetupPanel->update();
}

void TLatencyCalculator::MoveNetworkButtonClick(QObject* sender) {
  const qsizetype i = NetworkChain.indexOf(CurrentElement);
  if (i <= 0 || i >= NetworkChain.size() - 1) return;
  const qsizetype j = sender == MoveNetworkLeftButton ? i - 1 : i + 1;
  if (j <= 0 || j >= NetworkChain.size() - 1) return;
  TNetworkButton* other = NetworkChain[j];
  const QPoint place = CurrentElement->pos();
  CurrentElement->move(other->pos());
  other->move(place);
  NetworkChain.swapItemsAt(i, j);
  NetworkSetupPanel->update();
  ChainOrderChanged();
  SelectNetwork(CurrentElement);
}

void TLatencyCalculator::NewNetworkButtonClick() { InsertNetwork(); }

void TLatencyCalculator::ResetNetworkButtonClick() {
  while (NetworkChain.size() > 3) NetworkButtonRemove(NetworkChain[1]);
}

void TLatencyCalculator::RemoveNetworkItemClick() {
  const QList<QAction*> entries = RemoveNetworkMenu->actions();
  RemoveNetworkMenu->setDefaultAction(nullptr);
  for (qsizetype k = 0; k < entries.size() && k + 1 < NetworkChain.size(); ++k) {
    const TNetworkButton* element = NetworkChain[k + 1];
    // "&&" shows the description's own ampersands; the number is the accelerator.
    QString hint = element->Hint();
    entries[k]->setText(QString::number(k + 1) + ".  " + hint.replace('&', "&&"));
    if (element == CurrentElement) RemoveNetworkMenu->setDefaultAction(entries[k]);
  }
}

void TLatencyCalculator::RemoveSubmenuClick(QAction* entry) {
  const qsizetype position = RemoveNetworkMenu->actions().indexOf(entry);
  if (position >= 0 && position + 1 < NetworkChain.size()) NetworkButtonRemove(NetworkChain[position + 1]);
}

void TLatencyCalculator::CopyNetworkSetupButtonClick() {
  NetworkSetupPanel->CopyImageToClipboard(NetworkSetupPanel->InnerRect());
}

void TLatencyCalculator::NetworkSetupTabSheetEnter() { SetEditCopyEnabled(true); }

void TLatencyCalculator::NetworkSetupTabSheetExit() { SetEditCopyEnabled(false); }

void TLatencyCalculator::SetEditCopyEnabled(bool enabled) { EditCopyItem->setEnabled(enabled); }
