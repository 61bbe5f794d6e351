// SPDX-License-Identifier: MIT
#include "app/StatusHintOverlay.h"

#include <QStatusBar>

namespace {
constexpr int TextMargin = 4;  // about what the bar keeps free left of its message
}  // namespace

TStatusHintOverlay::TStatusHintOverlay(QStatusBar* bar) : QLabel(bar->window()), Bar(bar) {
  setObjectName("StatusHintOverlay");
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  setMargin(TextMargin);
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) { ShowMessage(message); });
}

void TStatusHintOverlay::ShowMessage(const QString& message) {
  if (message.isEmpty() || Bar->fontMetrics().horizontalAdvance(message) <= Bar->width() - 3 * TextMargin) {
    hide();
    return;
  }
  setText(message);
  const QRect bar = Bar->geometry();
  const int height = std::max(heightForWidth(bar.width()), bar.height());
  setGeometry(bar.left(), bar.bottom() + 1 - height, bar.width(), height);
  raise();
  show();
}
