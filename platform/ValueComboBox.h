// SPDX-License-Identifier: MIT
#pragma once
// A drop-down list the user can only pick from, each item carrying a 32-bit
// value, with one click handler that runs when the user picks an item.
#include <QComboBox>
#include <cstdint>
#include <functional>

class TValueComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TValueComboBox(QWidget* parent = nullptr);

  void AddItem(const QString& text, std::uint32_t value);
  std::uint32_t ItemValue(int index) const;
  // The value of the selected item, or -1 when none is selected.
  std::int64_t SelectedValue() const;
  // Selects an index without running the click handler; one outside the items clears the selection.
  void SetItemIndex(int index);

  std::function<void(QObject* sender)> OnClick;

 private:
  QString ShownText;  // the text before a change, for assistive technology
};
