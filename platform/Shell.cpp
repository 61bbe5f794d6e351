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

QPixmap LoadBitmapResource(const QString& name) {
  return QPixmap(QStringLiteral(":/resources/%1.png").arg(name));
}
