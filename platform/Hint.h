#pragma once
// A control's hint: its tool tip, and the status bar's text while the mouse is over it.
#include <QWidget>

inline void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
}
