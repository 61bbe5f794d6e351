// SPDX-License-Identifier: MIT
#pragma once
// The small flat button with a clipboard glyph that sits beside a field and copies it.
#include <QString>

class QToolButton;
class QWidget;

QToolButton* NewClipboardButton(QWidget* parent, const QString& objectName, const QString& hint);
