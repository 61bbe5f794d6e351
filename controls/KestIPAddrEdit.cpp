// SPDX-License-Identifier: MIT
#include "controls/KestIPAddrEdit.h"

#include <arpa/inet.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>

#include "controls/AddressText.h"
#include "controls/CharTests.h"
#include "platform/AccessibleText.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Shell.h"

namespace {

int Octet(std::uint32_t address, int index) { return (address >> (8 * (3 - index))) & 0xFF; }

// The C conversions stop at a NUL, which would let "1.2.3.4\0junk" pass: such text is no address.
std::optional<QByteArray> AddressBytes(const QString& text) {
  if (text.contains(QChar(u'\0'))) return std::nullopt;
  return text.toLatin1();
}

int DotWidth(const QFontMetrics& metrics) { return metrics.horizontalAdvance(u'.') + 2; }

QStyleOptionFrame FrameOption(const QWidget* widget) {
  QStyleOptionFrame option;
  option.initFrom(widget);
  option.lineWidth = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, widget);
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  return option;
}

bool IsEditingKey(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      return true;
    default:
      return !event->text().isEmpty() && event->text().at(0).isPrint();
  }
}
}  // namespace

// One field of the control, as assistive technology sees it.
class TIPAddressFieldAccessible : public QAccessibleInterface, public TReadOnlyAccessibleText {
 public:
  TIPAddressFieldAccessible(TCustomIPAddressEdit* edit, int index) : Edit(edit), Index(index) {}

  bool isValid() const override { return Edit && Edit->Window; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Edit ? Edit->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Edit); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  using TReadOnlyAccessibleText::text;
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return AccessibleText();
    if (kind != QAccessible::Name) return {};
    QString owner;
    if (QAccessibleInterface* edit = parent()) owner = edit->text(QAccessible::Name);
    if (owner.isEmpty()) owner = TCustomIPAddressEdit::tr("IP address");
    return TCustomIPAddressEdit::tr("%1 field %2").arg(owner).arg(Index + 1);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect field = Edit->Window->FieldRect[Index];
    return {Edit->mapToGlobal(field.topLeft()), field.size()};
  }
  QAccessible::Role role() const override { return QAccessible::EditableText; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.focusable = true;
    state.editable = true;
    state.focused = IsFocused();
    state.disabled = !Edit->isEnabled();
    state.invisible = !Edit->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
  }

 private:
  bool IsFocused() const { return Edit->hasFocus() && Edit->Window->Current == Index; }
  QString AccessibleText() const override { return isValid() ? Edit->Window->Text[Index] : QString(); }
  int AccessibleCaret() const override { return isValid() && IsFocused() ? Edit->Window->Cursor : 0; }

  QPointer<TCustomIPAddressEdit> Edit;
  int Index;
};

// The whole control: its text is the address as shown, its children the four fields.
class TIPAddressEditAccessible : public TAccessibleTextWidget {
 public:
  explicit TIPAddressEditAccessible(TCustomIPAddressEdit* edit)
      : TAccessibleTextWidget(edit, QAccessible::EditableText) {}
  ~TIPAddressEditAccessible() override {
    for (const QAccessible::Id id : FieldIds)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    return state;
  }
  int childCount() const override { return 4; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index > 3) return nullptr;
    if (!FieldIds[index])
      FieldIds[index] = QAccessible::registerAccessibleInterface(new TIPAddressFieldAccessible(Edit(), index));
    return QAccessible::accessibleInterface(FieldIds[index]);
  }
  int indexOfChild(const QAccessibleInterface* field) const override {
    for (int index = 0; index < 4; ++index)
      if (FieldIds[index] && QAccessible::accessibleInterface(FieldIds[index]) == field) return index;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Edit()->mapFromGlobal(QPoint(x, y));
    return Edit()->rect().contains(local) ? child(Edit()->FieldAt(local.x())) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Edit()->hasFocus() ? child(Edit()->Window->Current) : nullptr;
  }

 private:
  TCustomIPAddressEdit* Edit() const { return static_cast<TCustomIPAddressEdit*>(widget()); }
  QString AccessibleText() const override { return Edit()->DisplayText(); }

  mutable std::array<QAccessible::Id, 4> FieldIds{};
};

namespace {
QAccessibleInterface* IPAddressEditAccessibleFactory(const QString& key, QObject* object) {
  if (key != QLatin1String("TCustomIPAddressEdit")) return nullptr;
  auto* edit = qobject_cast<TCustomIPAddressEdit*>(object);
  return edit ? new TIPAddressEditAccessible(edit) : nullptr;
}
}  // namespace

TCustomIPAddressEdit::TCustomIPAddressEdit(QWidget* parent) : QWidget(parent) {
  static const bool accessibleFactoryInstalled =
      (QAccessible::installFactory(IPAddressEditAccessibleFactory), true);
  (void)accessibleFactoryInstalled;
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  CreateWnd();
  resize(121, 21);
}

// --- the fields' window -------------------------------------------------

void TCustomIPAddressEdit::CreateWnd() {
  CreatingWindow = true;
  Window = std::make_unique<TFieldWindow>();
  if (!StoredBlank) ShowAddress(StoredAddress);
  LayoutFields();
  CreatingWindow = false;
}

void TCustomIPAddressEdit::DestroyWnd() {
  if (hasFocus()) CommitFields();
  StoredBlank = IsBlank();
  if (!StoredBlank) StoredAddress = Address();
  Window.reset();
}

void TCustomIPAddressEdit::RecreateWnd() {
  DestroyWnd();
  CreateWnd();
  if (hasFocus()) NotifyFocusedField();
}

void TCustomIPAddressEdit::LayoutFields() {
  if (!Window) return;
  const QStyleOptionFrame option = FrameOption(this);
  const QRect content = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const int dot = DotWidth(fontMetrics());
  const int fieldsWidth = std::max(0, content.width() - 3 * dot);
  int x = content.left();
  for (int index = 0; index < 4; ++index) {
    const int width = fieldsWidth / 4 + (index < fieldsWidth % 4 ? 1 : 0);
    Window->FieldRect[index] = QRect(x, content.top(), width, content.height());
    x += width;
    if (index < 3) {
      Window->DotRect[index] = QRect(x, content.top(), dot, content.height());
      x += dot;
    }
  }
  update();
}

// --- the address ----------------------------------------------------------

int TCustomIPAddressEdit::FieldValue(int index) const {
  const QString& text = Window->Text[index];
  return text.isEmpty() ? -1 : text.toInt();
}

std::uint32_t TCustomIPAddressEdit::Address() const {
  std::uint32_t address = 0;
  for (int index = 0; index < 4; ++index)
    address = (address << 8) | static_cast<std::uint32_t>(std::max(0, FieldValue(index)));
  return address;
}

void TCustomIPAddressEdit::SetAddress(std::uint32_t address) {
  for (int index = 0; index < 4; ++index) {
    if (Window->Text[index] != QString::number(Octet(address, index))) {
      ShowAddress(address);
      return;
    }
  }
}

void TCustomIPAddressEdit::ShowAddress(std::uint32_t address) {
  bool changed = false;
  for (int index = 0; index < 4; ++index) {
    changed = SetFieldText(index, QString::number(Octet(address, index))) || changed;
    Window->Committed[index] = Octet(address, index);
  }
  Window->Cursor = Window->Anchor = static_cast<int>(Window->Text[Window->Current].size());
  // Restoring the address into new fields is no change of the text the user sees.
  if (changed && !CreatingWindow) Change();
}

std::uint8_t TCustomIPAddressEdit::GetField(int index) const {
  if (index < 0 || index > 3) return 0;
  return static_cast<std::uint8_t>(Octet(Address(), index));
}

void TCustomIPAddressEdit::SetField(int index, std::uint8_t value) {
  if (index < 0 || index > 3) return;
  const int shift = 8 * (3 - index);
  SetAddress((Address() & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(value) << shift));
}

bool TCustomIPAddressEdit::IsBlank() const {
  return std::all_of(Window->Text.begin(), Window->Text.end(), [](const QString& text) { return text.isEmpty(); });
}

std::uint32_t TCustomIPAddressEdit::NetworkAddress() const { return htonl(Address()); }

void TCustomIPAddressEdit::SetNetworkAddress(std::uint32_t address) { SetAddress(ntohl(address)); }

QString TCustomIPAddressEdit::AddressString() const {
  in_addr address{};
  address.s_addr = NetworkAddress();
  return QString::fromLatin1(inet_ntoa(address));
}

void TCustomIPAddressEdit::SetAddressString(const QString& text) {
  const std::optional<QByteArray> bytes = AddressBytes(text);
  SetNetworkAddress(bytes ? inet_addr(bytes->constData()) : INADDR_NONE);
}

QString TCustomIPAddressEdit::DisplayText() const {
  if (IsBlank()) return {};
  const auto& text = Window->Text;
  return text[0] + u'.' + text[1] + u'.' + text[2] + u'.' + text[3];
}

// --- events of the control ------------------------------------------------

void TCustomIPAddressEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomIPAddressEdit::FieldChanged(TIPAddressEditFieldIndex fieldIndex, std::uint8_t& value) {
  if (OnFieldChanged) OnFieldChanged(this, fieldIndex, value);
}

bool TCustomIPAddressEdit::SetFieldText(int index, const QString& text) {
  TFieldWindow& window = *Window;
  if (window.Text[index] == text) return false;
  const QString oldField = window.Text[index];
  const QString oldDisplay = DisplayText();
  window.Text[index] = text;
  if (index == window.Current) {
    window.Cursor = std::min(window.Cursor, static_cast<int>(text.size()));
    window.Anchor = std::min(window.Anchor, static_cast<int>(text.size()));
  }
  update();
  if (QAccessible::isActive() && !CreatingWindow) {
    QAccessibleTextUpdateEvent whole(this, 0, oldDisplay, DisplayText());
    QAccessible::updateAccessibility(&whole);
    if (QAccessibleInterface* field = QAccessible::queryAccessibleInterface(this)->child(index)) {
      QAccessibleTextUpdateEvent update(field, 0, oldField, text);
      QAccessible::updateAccessibility(&update);
    }
  }
  return true;
}

void TCustomIPAddressEdit::CommitFields() {
  for (int index = 0; index < 4; ++index) CommitField(index);
}

void TCustomIPAddressEdit::TidyField(int index) {
  const int value = FieldValue(index);
  if (value >= 0 && SetFieldText(index, QString::number(value))) Change();
}

void TCustomIPAddressEdit::CommitField(int index) {
  if (InFieldNotify) return;
  const int value = FieldValue(index);
  if (value < 0 || value == Window->Committed[index]) {
    Window->Committed[index] = value;
    TidyField(index);
    return;
  }
  InFieldNotify = true;
  const auto done = qScopeGuard([this] { InFieldNotify = false; });
  auto byte = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  FieldChanged(index, byte);
  Window->Committed[index] = byte;
  if (SetFieldText(index, QString::number(byte))) Change();
}

void TCustomIPAddressEdit::MoveToField(int index, int cursor, bool selectAll) {
  if (index != Window->Current) {
    TidyField(Window->Current);
    Window->Current = index;
    NotifyFocusedField();
  }
  TFieldWindow& window = *Window;
  const int length = static_cast<int>(window.Text[index].size());
  window.AutoAdvanced = false;
  window.Cursor = cursor < 0 || selectAll ? length : std::min(cursor, length);
  window.Anchor = selectAll ? 0 : window.Cursor;
  RestartCaret();
}

bool TCustomIPAddressEdit::HasSelection() const { return Window->Cursor != Window->Anchor; }

void TCustomIPAddressEdit::ReplaceSelection(const QString& insert) {
  TFieldWindow& window = *Window;
  const QString& old = window.Text[window.Current];
  const int from = std::min(window.Cursor, window.Anchor);
  const int to = std::max(window.Cursor, window.Anchor);
  const int oldValue = FieldValue(window.Current);
  QString text = old.left(from) + insert + old.mid(to);
  int cursor = from + static_cast<int>(insert.size());
  if (text.toInt() > 255) {
    text = QStringLiteral("255");
    cursor = 3;
    Beep();
  }
  const bool changed = SetFieldText(window.Current, text);
  window.Cursor = window.Anchor = cursor;
  RestartCaret();
  if (!changed) return;
  Change();
  if (FieldValue(window.Current) != oldValue) AddressTyped();
}

void TCustomIPAddressEdit::AddressTyped() {
  if (!OnAddressTyped) return;
  // The owner's work may let later keys in (a long table fill processes
  // pending events): the address they make is handed over when it is done.
  if (InFieldNotify) {
    TypedMeanwhile = true;
    return;
  }
  InFieldNotify = true;
  const auto done = qScopeGuard([this] { InFieldNotify = false; });
  do {
    TypedMeanwhile = false;
    std::array<int, 4> values{};
    for (int field = 0; field < 4; ++field) values[field] = FieldValue(field);
    if (std::find(values.begin(), values.end(), -1) != values.end()) return;
    if (OnAddressTyped(this)) Window->Committed = values;
  } while (TypedMeanwhile);
}

void TCustomIPAddressEdit::TypeDigit(QChar digit) {
  Window->AutoAdvanced = false;
  if (!HasSelection() && Window->Text[Window->Current].size() >= 3) {
    // A full field takes no more digits; at its end the digit goes on into the next one.
    if (Window->Cursor < 3 || Window->Current == 3) return;
    MoveToField(Window->Current + 1, -1, true);
  }
  ReplaceSelection(QString(digit));
  if (Window->Text[Window->Current].size() == 3 && Window->Current < 3) {
    MoveToField(Window->Current + 1, -1, true);
    Window->AutoAdvanced = true;
  }
}

void TCustomIPAddressEdit::CopyToClipboard() { ClipboardSetText(AddressString()); }

void TCustomIPAddressEdit::PasteFromClipboard() {
  const QString text = ClipboardText().trimmed();
  if (const std::optional<TAddressText> pasted = ParseAddressText(text.toStdString())) {
    const std::uint32_t address = pasted->Address;
    bool changed = false;
    for (int index = 0; index < 4; ++index)
      changed = SetFieldText(index, QString::number(Octet(address, index))) || changed;
    Window->Anchor = 0;
    Window->Cursor = static_cast<int>(Window->Text[Window->Current].size());
    if (changed) Change();
    // A pasted address is complete: every field it changed is reported at once, then its mask.
    CommitFields();
    if (pasted->MaskBits && OnMaskPasted) OnMaskPasted(this, *pasted->MaskBits);
  } else if (!text.isEmpty() && text.size() <= 3 &&
             std::all_of(text.begin(), text.end(), [](QChar c) { return IsDecimalChar(c.toLatin1()); })) {
    for (const QChar digit : text) TypeDigit(digit);
  } else {
    Beep();
  }
}

// --- focus, keys and mouse -----------------------------------------------

void TCustomIPAddressEdit::NotifyFocusedField() {
  if (!hasFocus() || !QAccessible::isActive()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(Window->Current);
  QAccessible::updateAccessibility(&focus);
}

void TCustomIPAddressEdit::RestartCaret() {
  CaretShown = true;
  const int flashTime = QApplication::cursorFlashTime();
  if (hasFocus() && flashTime > 0) CaretTimer.start(flashTime / 2, this);
  update();
}

void TCustomIPAddressEdit::timerEvent(QTimerEvent* event) {
  if (event->timerId() != CaretTimer.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  CaretShown = !CaretShown;
  update();
}

// The key, mouse and focus handlers are where Qt enters the control: an
// exception from the owner's handler of a field's change ends the handler's work
// there and is shown, without unwinding Qt's frames.

void TCustomIPAddressEdit::focusInEvent(QFocusEvent* event) {
  // Arriving from the keyboard selects a whole end field, so that an address typed next replaces the old one.
  RunGuarded([&] {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::ShortcutFocusReason)
      MoveToField(0, -1, true);
    else if (event->reason() == Qt::BacktabFocusReason)
      MoveToField(3, -1, true);
  });
  QWidget::focusInEvent(event);
  RestartCaret();
  NotifyFocusedField();
}

void TCustomIPAddressEdit::focusOutEvent(QFocusEvent* event) {
  // While a menu pops up or another window is active, the control keeps the
  // focus of its window: the user has not left the field.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
    RunGuarded([this] { CommitFields(); });
  CaretTimer.stop();
  QWidget::focusOutEvent(event);
}

bool TCustomIPAddressEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
        key->matches(QKeySequence::SelectAll) || IsEditingKey(key)) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void TCustomIPAddressEdit::keyPressEvent(QKeyEvent* event) {
  RunGuarded([&] { KeyPress(event); });
}

void TCustomIPAddressEdit::KeyPress(QKeyEvent* event) {
  // Only a "." typed straight after an automatic advance is swallowed; any other key ends that state.
  const bool autoAdvanced = std::exchange(Window->AutoAdvanced, false);
  if (event->matches(QKeySequence::Copy)) return CopyToClipboard();
  if (event->matches(QKeySequence::Paste)) return PasteFromClipboard();
  TFieldWindow& window = *Window;
  const int length = static_cast<int>(window.Text[window.Current].size());
  if (event->matches(QKeySequence::SelectAll)) return MoveToField(window.Current, -1, true);
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  switch (event->key()) {
    case Qt::Key_Left:
      if (HasSelection() && !shift) window.Cursor = window.Anchor = std::min(window.Cursor, window.Anchor);
      else if (window.Cursor > 0) window.Cursor -= 1;
      else if (!shift && window.Current > 0) return MoveToField(window.Current - 1, -1, false);
      if (!shift) window.Anchor = window.Cursor;
      return RestartCaret();
    case Qt::Key_Right:
      if (HasSelection() && !shift) window.Cursor = window.Anchor = std::max(window.Cursor, window.Anchor);
      else if (window.Cursor < length) window.Cursor += 1;
      else if (!shift && window.Current < 3) return MoveToField(window.Current + 1, 0, false);
      if (!shift) window.Anchor = window.Cursor;
      return RestartCaret();
    case Qt::Key_Home:
      return MoveToField(0, 0, false);
    case Qt::Key_End:
      return MoveToField(3, -1, false);
    case Qt::Key_Backspace:
      if (!HasSelection()) {
        if (window.Cursor == 0) {
          if (window.Current > 0) MoveToField(window.Current - 1, -1, false);
          return;
        }
        window.Anchor = window.Cursor - 1;
      }
      return ReplaceSelection({});
    case Qt::Key_Delete:
      if (!HasSelection()) {
        if (window.Cursor == length) return;
        window.Anchor = window.Cursor + 1;
      }
      return ReplaceSelection({});
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return CommitFields();
    default:
      break;
  }
  // Keys the control does not take (a lone Shift, say) and refused characters leave that state as it was.
  Window->AutoAdvanced = autoAdvanced;
  if (!IsEditingKey(event)) return QWidget::keyPressEvent(event);
  // Any other printable character is taken and refused.
  for (const QChar c : event->text()) {
    if (IsDecimalChar(c.toLatin1())) TypeDigit(c);
    else if (c == u'.' && !std::exchange(Window->AutoAdvanced, false) && Window->Current < 3)
      MoveToField(Window->Current + 1, -1, true);
  }
}

int TCustomIPAddressEdit::FieldAt(int x) const {
  for (int index = 0; index < 3; ++index)
    if (x < Window->DotRect[index].center().x()) return index;
  return 3;
}

int TCustomIPAddressEdit::TextLeft(int index) const {
  const QRect& field = Window->FieldRect[index];
  return field.left() + (field.width() - fontMetrics().horizontalAdvance(Window->Text[index])) / 2;
}

int TCustomIPAddressEdit::CursorAt(int index, int x) const {
  const QString& text = Window->Text[index];
  const int left = TextLeft(index);
  int best = 0;
  int bestDistance = INT_MAX;
  for (int position = 0; position <= text.size(); ++position) {
    const int distance = std::abs(left + fontMetrics().horizontalAdvance(text.left(position)) - x);
    if (distance < bestDistance) {
      best = position;
      bestDistance = distance;
    }
  }
  return best;
}

void TCustomIPAddressEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int x = event->position().toPoint().x();
  const int index = FieldAt(x);
  RunGuarded([&] { MoveToField(index, CursorAt(index, x), false); });
}

void TCustomIPAddressEdit::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  Window->Cursor = CursorAt(Window->Current, event->position().toPoint().x());
  RestartCaret();
}

void TCustomIPAddressEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  RunGuarded([&] { MoveToField(FieldAt(event->position().toPoint().x()), -1, true); });
}

void TCustomIPAddressEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(tr("&Copy"), this, Guarded([this] { CopyToClipboard(); }));
  copy->setShortcut(QKeySequence::Copy);
  QAction* paste = menu.addAction(tr("&Paste"), this, Guarded([this] { PasteFromClipboard(); }));
  paste->setShortcut(QKeySequence::Paste);
  paste->setEnabled(!ClipboardText().isEmpty());
  menu.exec(event->globalPos());
}

// --- size and painting ------------------------------------------------------

QSize TCustomIPAddressEdit::minimumSizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  return {4 * (metrics.horizontalAdvance(QStringLiteral("000")) + 2) + 3 * DotWidth(metrics) + frame,
          metrics.height() + frame + 2};
}

QSize TCustomIPAddressEdit::sizeHint() const { return minimumSizeHint().expandedTo(QSize(121, 21)); }

void TCustomIPAddressEdit::resizeEvent(QResizeEvent* event) {
  if (!CreatingWindow) LayoutFields();
  QWidget::resizeEvent(event);
}

void TCustomIPAddressEdit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    LayoutFields();
    updateGeometry();
  }
  QWidget::changeEvent(event);
}

void TCustomIPAddressEdit::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QStyleOptionFrame option = FrameOption(this);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

  const TFieldWindow& window = *Window;
  const QFontMetrics metrics = fontMetrics();
  const QPalette::ColorGroup group =
      !isEnabled() ? QPalette::Disabled : (isActiveWindow() ? QPalette::Active : QPalette::Inactive);
  const int top = window.FieldRect[0].top() + (window.FieldRect[0].height() - metrics.height()) / 2;
  const int baseline = top + metrics.ascent();
  painter.setPen(palette().color(group, QPalette::Text));
  for (const QRect& dot : window.DotRect)
    painter.drawText(QPoint(dot.left() + (dot.width() - metrics.horizontalAdvance(u'.')) / 2, baseline),
                     QStringLiteral("."));
  for (int index = 0; index < 4; ++index)
    painter.drawText(QPoint(TextLeft(index), baseline), window.Text[index]);
  if (!hasFocus()) return;

  const QString& text = window.Text[window.Current];
  const int left = TextLeft(window.Current);
  if (HasSelection()) {
    const int from = std::min(window.Cursor, window.Anchor);
    const int to = std::max(window.Cursor, window.Anchor);
    const QRect selection(left + metrics.horizontalAdvance(text.left(from)), top,
                          metrics.horizontalAdvance(text.mid(from, to - from)), metrics.height());
    painter.fillRect(selection, palette().color(group, QPalette::Highlight));
    painter.setClipRect(selection);
    painter.setPen(palette().color(group, QPalette::HighlightedText));
    painter.drawText(QPoint(left, baseline), text);
  } else if (CaretShown) {
    painter.fillRect(QRect(left + metrics.horizontalAdvance(text.left(window.Cursor)), top, 1, metrics.height()),
                     palette().color(group, QPalette::Text));
  }
}
