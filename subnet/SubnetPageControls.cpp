// SPDX-License-Identifier: MIT
#include "subnet/SubnetPageControls.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <algorithm>

#include "platform/Hint.h"
#include "platform/ValueComboBox.h"

QLabel* NewCaption(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  if (buddy) label->setBuddy(buddy);
  return label;
}

TOutputBox* NewOutputBox(QWidget* parent, const char* name, QLabel* caption) {
  auto* box = new TOutputBox(parent);
  box->setObjectName(name);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  // Small enough for a 35-character bit map in the narrowest window.
  font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
  box->setFont(font);
  box->setFixedHeight(QFontMetrics(font).height() + 6);
  caption->setBuddy(box);
  return box;
}

TValueComboBox* NewMaskList(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                            const QString& caption, const QString& hint) {
  auto* list = new TValueComboBox(parent);
  list->setObjectName(name);
  SetHint(list, hint);
  grid->addWidget(NewCaption(parent, caption, list), row, column);
  grid->addWidget(list, row + 1, column);
  return list;
}
