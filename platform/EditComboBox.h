// SPDX-License-Identifier: MIT
#pragma once
// A drop-down list whose text the user may also type. Assistive technology
// meets it under its own name (its label's), not under the text it holds.
#include <QComboBox>

class TEditComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TEditComboBox(QWidget* parent = nullptr);
};
