// SPDX-License-Identifier: MIT
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

void ClipboardSetImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

QImage ClipboardImage() { return QGuiApplication::clipboard()->image(); }
