// SPDX-License-Identifier: MIT
#pragma once
// A control's hint: its tool tip, and the status bar's text while the mouse is over it.
#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

inline void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
}

// Clears the status bar of `widget`'s window, as leaving a control with a hint does.
inline void ClearStatusHint(QWidget* widget) {
  QStatusTipEvent tip{QString()};
  QCoreApplication::sendEvent(widget->window(), &tip);
}
