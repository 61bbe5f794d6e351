// SPDX-License-Identifier: MIT
#include "radix/BitGrid.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "platform/Application.h"

namespace {
// A byte a row: the narrowest window holds it, and the rows read as the hexadecimal digits' bytes.
constexpr int BitsPerRow = 8;
// Grid columns: a position label, then each bit, with a gap column after every nibble.
int ColumnOf(int indexInRow) { return 1 + indexInRow + indexInRow / 4; }
}  // namespace

TBitGrid::TBitGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setHorizontalSpacing(0);
  layout->setVerticalSpacing(2);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int position = 0; position < 64; ++position) {
    auto* button = new QToolButton(this);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setFont(fixed);
    button->setFixedWidth(QFontMetrics(fixed).horizontalAdvance('0') * 2 + 10);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(QString("bit %1").arg(position));
    button->setToolTip(QString("bit %1").arg(position));
    button->installEventFilter(this);
    // Space, Enter and assistive technology toggle the button itself; the word follows it.
    connect(button, &QAbstractButton::toggled, this, [this, position](bool checked) {
      if (Showing || ((Value >> position) & 1) == std::uint64_t{checked}) return;
      DragState = checked;
      DragFrom = DragTo = position;
      SetBit(position, checked);
      FinishDrag();
    });
    Buttons[static_cast<std::size_t>(position)] = button;
  }
  Rebuild();
}

void TBitGrid::SetWidth(int width) {
  if (width == BitCount) return;
  BitCount = width;
  Value &= width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
  Rebuild();
}

void TBitGrid::SetBits(std::uint64_t bits) {
  Value = bits;
  ShowBits();
}

void TBitGrid::Rebuild() {
  auto* grid = static_cast<QGridLayout*>(layout());
  while (QLayoutItem* item = grid->takeAt(0)) {
    if (auto* label = qobject_cast<QLabel*>(item->widget())) label->deleteLater();
    delete item;
  }
  for (auto* button : Buttons) button->hide();
  const int rows = (BitCount + BitsPerRow - 1) / BitsPerRow;
  const int perRow = std::min(BitCount, BitsPerRow);
  for (int row = 0; row < rows; ++row) {
    const int top = BitCount - 1 - row * perRow;
    auto* label = new QLabel(QString::number(top), this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("63 "));
    grid->addWidget(label, row, 0);
    for (int i = 0; i < perRow; ++i) {
      QAbstractButton* button = Buttons[static_cast<std::size_t>(top - i)];
      grid->addWidget(button, row, ColumnOf(i));
      button->show();
    }
  }
  // A gap between the nibbles; the bytes are the rows.
  for (int i = 1; i < perRow / 4; ++i) grid->setColumnMinimumWidth(ColumnOf(i * 4) - 1, 8);
  grid->setColumnStretch(ColumnOf(perRow), 1);
  ShowBits();
  // A label naming the grid gives the focus to the top bit, without toggling it as it would a button of its own.
  setFocusProxy(Buttons[static_cast<std::size_t>(BitCount - 1)]);
  // The keyboard goes through the bits from the most significant.
  for (int p = BitCount - 1; p > 0; --p)
    setTabOrder(Buttons[static_cast<std::size_t>(p)], Buttons[static_cast<std::size_t>(p - 1)]);
}

void TBitGrid::ShowBits() {
  Showing = true;
  for (int p = 0; p < 64; ++p) {
    QAbstractButton* button = Buttons[static_cast<std::size_t>(p)];
    const bool set = p < BitCount && ((Value >> p) & 1) != 0;
    button->setChecked(set);
    button->setText(set ? "1" : "0");
  }
  Showing = false;
}

int TBitGrid::PositionOf(QObject* button) const {
  const auto found = std::find(Buttons.begin(), Buttons.end(), button);
  return found == Buttons.end() ? -1 : static_cast<int>(found - Buttons.begin());
}

void TBitGrid::SetBit(int position, bool set) {
  const std::uint64_t bit = std::uint64_t{1} << position;
  Value = set ? Value | bit : Value & ~bit;
  ShowBits();
}

void TBitGrid::FinishDrag() {
  Dragging = false;
  const auto [low, high] = std::minmax(DragFrom, DragTo);
  const std::string state = DragState ? "set" : "cleared";
  const std::string how = low == high ? "bit " + std::to_string(low) + " " + state
                                      : "bits " + std::to_string(low) + " to " + std::to_string(high) + " " + state;
  if (OnChange) RunGuarded([&] { OnChange(Value, how); });
}

bool TBitGrid::eventFilter(QObject* watched, QEvent* event) {
  const int position = PositionOf(watched);
  if (position < 0) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
      Buttons[static_cast<std::size_t>(position)]->setFocus(Qt::MouseFocusReason);
      Dragging = true;
      DragState = ((Value >> position) & 1) == 0;
      DragFrom = DragTo = position;
      SetBit(position, DragState);
      return true;
    case QEvent::MouseMove: {
      if (!Dragging) return true;
      // The pressed toggle keeps the mouse: find the one under the pointer.
      const QPoint at = mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      const int over = PositionOf(childAt(at));
      if (over >= 0 && over < BitCount) {
        const auto [low, high] = std::minmax(DragFrom, over);
        for (int p = low; p <= high; ++p) SetBit(p, DragState);
        DragTo = over;
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (Dragging) FinishDrag();
      return true;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      int target = position;
      switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
          // As Space does by itself: the toggle's click reaches the word through its toggled signal.
          if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) Buttons[static_cast<std::size_t>(position)]->click();
          return true;
        case Qt::Key_Left: target = position + 1; break;
        case Qt::Key_Right: target = position - 1; break;
        case Qt::Key_Up: target = position + BitsPerRow; break;
        case Qt::Key_Down: target = position - BitsPerRow; break;
        case Qt::Key_Home: target = BitCount - 1; break;
        case Qt::Key_End: target = 0; break;
        default: return false;
      }
      if (target >= 0 && target < BitCount) Buttons[static_cast<std::size_t>(target)]->setFocus(Qt::TabFocusReason);
      return true;
    }
    default:
      return false;
  }
}
