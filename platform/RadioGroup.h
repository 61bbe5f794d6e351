// SPDX-License-Identifier: MIT
#pragma once
// A captioned group of radio buttons chosen by item index, with one click
// handler that runs on every change of the index, by the user or by code, and
// that an owner may detach while it changes the index itself. As on the
// desktop the group is one Tab stop, the chosen button (the first while none
// is), and the arrow keys move the choice whichever way the buttons are laid out.
#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

  int ItemIndex() const { return Index; }
  // -1 clears the choice; other values outside the items are ignored.
  void SetItemIndex(int index);
  int ItemCount() const { return static_cast<int>(Buttons.size()); }
  QRadioButton* Item(int index) const { return Buttons.at(static_cast<std::size_t>(index)); }

  std::function<void(QObject* sender)> OnClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateTabStop();

  QButtonGroup* Group;
  std::vector<QRadioButton*> Buttons;
  int Index = -1;
};

// Detaches a radio group's click handler for its lifetime and attaches it again
// afterwards, also when an exception passes.
class TDetachedClick {
 public:
  explicit TDetachedClick(TRadioGroup* group) : Group(group), Saved(std::move(group->OnClick)) {
    group->OnClick = nullptr;
  }
  ~TDetachedClick() { Group->OnClick = std::move(Saved); }
  TDetachedClick(const TDetachedClick&) = delete;
  TDetachedClick& operator=(const TDetachedClick&) = delete;

 private:
  TRadioGroup* Group;
  std::function<void(QObject*)> Saved;
};
