// SPDX-License-Identifier: MIT
#pragma once
// The clipboard: every copy replaces its whole content.
#include <QImage>
#include <QString>

void ClipboardSetText(const QString& text);
QString ClipboardText();
bool ClipboardHasText();
void ClipboardSetImage(const QImage& image);
QImage ClipboardImage();
