// SPDX-License-Identifier: MIT
#include "controls/DesignLayout.h"

#include <QWidget>
#include <QWidgetItem>
#include <algorithm>

TDesignLayout::TDesignLayout(QWidget* page, QSize designSize) : QLayout(page), DesignSize(designSize) {
  setContentsMargins(0, 0, 0, 0);
}

TDesignLayout::~TDesignLayout() {
  for (const TItem& item : Items) delete item.Item;
}

void TDesignLayout::AddWidget(QWidget* widget, const QRect& design, TAnchors anchors) {
  addChildWidget(widget);
  Items.append({new QWidgetItem(widget), design, anchors});
  invalidate();
}

void TDesignLayout::addItem(QLayoutItem* item) { Items.append({item, QRect(), akLeft | akTop}); }

QLayoutItem* TDesignLayout::itemAt(int index) const {
  return index >= 0 && index < Items.size() ? Items[index].Item : nullptr;
}

QLayoutItem* TDesignLayout::takeAt(int index) {
  if (index < 0 || index >= Items.size()) return nullptr;
  return Items.takeAt(index).Item;
}

QSize TDesignLayout::Growth(const QRect& page) const {
  QSize room = page.size() - DesignSize;
  const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
  if (!window || window->minimumSize().isEmpty()) return room;
  const QSize grown = window->size() - window->minimumSize();
  return QSize(std::min(room.width(), grown.width()), std::min(room.height(), grown.height()));
}

void TDesignLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const QSize growth = Growth(rect);
  for (const TItem& item : Items) {
    const QRect& d = item.Design;
    const TRect placed = AnchoredRect({d.left(), d.top(), d.left() + d.width(), d.top() + d.height()},
                                      item.Anchors, growth.width(), growth.height());
    item.Item->setGeometry(QRect(rect.left() + placed.Left, rect.top() + placed.Top, placed.Width(),
                                 placed.Height()));
  }
}
