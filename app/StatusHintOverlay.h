// SPDX-License-Identifier: MIT
#pragma once
// Shows the status bar's message whole: a message wider than the bar wraps onto
// lines that rise from the bar over the bottom of the window, without moving
// the pages, and the mouse passes through them to the control below.
#include <QLabel>

class QStatusBar;

class TStatusHintOverlay : public QLabel {
  Q_OBJECT
 public:
  explicit TStatusHintOverlay(QStatusBar* bar);

 private:
  void ShowMessage(const QString& message);

  QStatusBar* Bar;
};
