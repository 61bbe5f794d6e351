#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

void ClipboardSetImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

QImage ClipboardImage() { return QGuiApplication::clipboard()->image(); }
