// SPDX-License-Identifier: MIT
#include "latency/PlimsolNetworkButton.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>

#include "latency/LatencyFormat.h"
#include "latency/LatencyModel.h"
#include "latency/NetworkLayout.h"
#include "latency/PlimsolNetworkButtonForm.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/Shell.h"

namespace {
constexpr int GlyphSize = 40;
}  // namespace

TNetworkButton::TNetworkButton(QWidget* parent)
    : QPushButton(parent), Menu(new QMenu(this)) {
  setFixedSize(ElementSize, ElementSize);
  setIconSize(QSize(GlyphSize, GlyphSize));
  PropertiesAction = Menu->addAction("Properties...");
  PropertiesAction->setObjectName("PropertiesEntry");
  connect(PropertiesAction, &QAction::triggered, this,
          Guarded([this] { GetNetworkButtonForm(true, window())->ShowFor(this); }));
  RemoveSeparator = Menu->addSeparator();
  RemoveAction = Menu->addAction("Remove");
  RemoveAction->setObjectName("RemoveEntry");
  connect(RemoveAction, &QAction::triggered, this, Guarded([this] { DoRemove(); }));
  LoadGlyph();
  SetHint(this, NetworkName());
  setAccessibleName(NetworkName());
}

void TNetworkButton::SetNetworkButtonKind(TNetworkButtonKind kind) {
  if (kind == Data.NetworkButtonKind) return;
  Data.NetworkButtonKind = kind;
  LoadGlyph();
  SetRemoveEntriesVisible(!IsHostKind(kind));
}

void TNetworkButton::SetNetworkName(const QString& name) { Data.NetworkName = name.toStdString(); }
void TNetworkButton::SetBandwidth(double megabitsPerSecond) { Data.Bandwidth = megabitsPerSecond; }
void TNetworkButton::SetPacketSize(std::int32_t bytes) { Data.PacketSize = bytes; }
void TNetworkButton::SetProcessTime(std::int32_t milliseconds) { Data.ProcessTime = milliseconds; }
void TNetworkButton::SetPropDelay(std::int32_t milliseconds) { Data.PropDelay = milliseconds; }
void TNetworkButton::SetTopologyIndex(std::int16_t index) { Data.TopologyIndex = index; }

void TNetworkButton::UpdateHint() {
  const QString line =
      QString::fromStdString(DescriptionLine(Data, QLocale().decimalPoint().toStdString()));
  SetHint(this, line);
  setAccessibleName(line);
}

float TNetworkButton::Delay(std::int32_t packetSize) const { return ::Delay(Data, packetSize); }

void TNetworkButton::SetRemoveEntriesVisible(bool visible) {
  RemoveSeparator->setVisible(visible);
  RemoveAction->setVisible(visible);
}

void TNetworkButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  if (OnMouseDown && !RunGuarded([&] { OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y()); }))
    return;
  if (event->button() == Qt::RightButton) {
    event->accept();
    Menu->popup(mapToGlobal(at));
  }
}

void TNetworkButton::contextMenuEvent(QContextMenuEvent* event) {
  // A right press has opened the menu already; the menu key opens it on the element.
  if (event->reason() == QContextMenuEvent::Keyboard) Menu->popup(mapToGlobal(rect().center()));
  event->accept();
}

void TNetworkButton::keyPressEvent(QKeyEvent* event) {
  // Shift+F10 opens the menu as the menu key does.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    Menu->popup(mapToGlobal(rect().center()));
    event->accept();
    return;
  }
  // Enter and Space open the properties, as the menu's first entry does.
  const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
  if (activates && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    PropertiesAction->trigger();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void TNetworkButton::DoRemove() {
  if (OnRemove) OnRemove(this);
}

void TNetworkButton::LoadGlyph() {
  const std::string_view glyph = KindInfo(Data.NetworkButtonKind).GlyphName;
  GlyphPixmap = LoadBitmapResource(QString::fromUtf8(glyph.data(), glyph.size()));
  setIcon(GlyphPixmap);
}
