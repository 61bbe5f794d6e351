// SPDX-License-Identifier: MIT
#pragma once
// A page laid out in pixels for the window's minimum size: each widget keeps
// its designed place there and, as the window grows beyond it, follows the
// edges it is anchored to.
#include <QLayout>
#include <QList>

#include "controls/PanelGeometry.h"

class TDesignLayout : public QLayout {
  Q_OBJECT
 public:
  // `designSize`: the page's size at the window's minimum size.
  TDesignLayout(QWidget* page, QSize designSize);
  ~TDesignLayout() override;

  void AddWidget(QWidget* widget, const QRect& design, TAnchors anchors);
  // How far the page has grown beyond its designed size: the window's growth
  // beyond its minimum, but never more than the page has room for (a page
  // outside a window with a minimum size simply fills itself).
  QSize Growth(const QRect& page) const;

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override { return static_cast<int>(Items.size()); }
  QSize sizeHint() const override { return DesignSize; }
  QSize minimumSize() const override { return QSize(0, 0); }
  void setGeometry(const QRect& rect) override;

 private:
  struct TItem {
    QLayoutItem* Item;
    QRect Design;
    TAnchors Anchors;
  };
  QList<TItem> Items;
  QSize DesignSize;
};
