// SPDX-License-Identifier: MIT
#include "platform/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

Qt::CursorShape ScreenCursor() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor ? cursor->shape() : Qt::ArrowCursor;
}

void SetScreenCursor(Qt::CursorShape cursor) {
  // Qt keeps a stack of override cursors; we keep exactly one, or none for the arrow.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  if (cursor != Qt::ArrowCursor) QGuiApplication::setOverrideCursor(QCursor(cursor));
}

void ProcessMessages() { QCoreApplication::processEvents(); }

void OpenDocument(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void Beep() { QApplication::beep(); }

QPixmap LoadBitmapResource(const QString& name, qreal devicePixelRatio) {
  // Above 1, the picture drawn at twice the size is scaled down, not the plain one up.
  if (devicePixelRatio > 1) {
    QPixmap sharp(QStringLiteral(":/resources/%1@2x.png").arg(name));
    if (!sharp.isNull()) {
      sharp.setDevicePixelRatio(2);
      return sharp;
    }
  }
  return QPixmap(QStringLiteral(":/resources/%1.png").arg(name));
}

QPixmap LoadBitmapResource(const QString& name) { return LoadBitmapResource(name, qApp->devicePixelRatio()); }
