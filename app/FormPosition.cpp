// SPDX-License-Identifier: MIT
#include "app/FormPosition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/WindowPlacement.h"
#include "platform/Registry.h"

namespace {

QString PositionValueName(const QWidget* form, const QString& valueName) {
  if (!valueName.isEmpty()) return valueName;
  if (!form->objectName().isEmpty()) return form->objectName();
  return QStringLiteral("CustomFormPosition");
}

TWindowState StateOf(const QWidget* form) {
  if (form->isMinimized()) return TWindowState::wsMinimized;
  if (form->isMaximized()) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

Qt::WindowStates WindowStatesOf(TWindowState state) {
  switch (state) {
    case TWindowState::wsMinimized: return Qt::WindowMinimized;
    case TWindowState::wsMaximized: return Qt::WindowMaximized;
    case TWindowState::wsNormal: break;
  }
  return Qt::WindowNoState;
}

}  // namespace

// Left and top are the frame's position (what move() takes), right and bottom add
// the client size (what resize() takes), so a position restores exactly on a
// desktop that decorates its windows.
void SaveFormPosition(QWidget* form, const QString& keyPath, const QString& valueName) {
  TRegistry registry;
  if (!registry.OpenKey(keyPath, true)) return;
  const QPoint topLeft = form->pos();
  const auto record = EncodeWindowPlacement(
      {{topLeft.x(), topLeft.y(), topLeft.x() + form->width(), topLeft.y() + form->height()}, StateOf(form)});
  registry.WriteBinaryData(PositionValueName(form, valueName),
                           QByteArray(reinterpret_cast<const char*>(record.data()), record.size()));
}

bool LoadFormPosition(QWidget* form, const QString& keyPath, const QString& valueName) {
  TRegistry registry;
  const QString name = PositionValueName(form, valueName);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !registry.OpenKeyReadOnly(keyPath) || registry.GetDataType(name) != TRegDataType::rdBinary)
    return false;
  const QByteArray data = registry.ReadBinaryData(name);
  const auto placement = DecodeWindowPlacement(
      std::span(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())));
  if (!placement) return false;
  form->setWindowState(WindowStatesOf(placement->State));
  if (placement->State == TWindowState::wsMaximized) return true;
  const TWindowRect bounds = FitWindowToScreen(placement->Bounds, screen->size().width(), screen->size().height());
  form->move(bounds.Left, bounds.Top);
  form->resize(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
  return true;
}
