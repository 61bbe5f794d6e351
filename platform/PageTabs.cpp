// SPDX-License-Identifier: MIT
#include "platform/PageTabs.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {
// A font narrower than this is hard to read; tabs that need more scroll as usual.
constexpr int NarrowestStretch = 66;
constexpr int StretchStep = 2;

class TPageTabsFitter : public QObject {
 public:
  explicit TPageTabsFitter(QTabWidget* pages) : QObject(pages), Pages(pages) {
    pages->installEventFilter(this);
    Fit();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Pages && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) Fit();
    return false;
  }

 private:
  void Fit() {
    QTabBar* bar = Pages->tabBar();
    QFont font = Pages->font();
    bar->setFont(font);
    const int available = Pages->width();
    for (int stretch = 100 - StretchStep;
         stretch >= NarrowestStretch && bar->sizeHint().width() > available; stretch -= StretchStep) {
      font.setStretch(stretch);
      bar->setFont(font);
    }
  }

  QTabWidget* Pages;
};
}  // namespace

void KeepPageTabsInView(QTabWidget* pages) { new TPageTabsFitter(pages); }
