// SPDX-License-Identifier: MIT
#include "controls/KestSpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QValidator>
#include <algorithm>

#include "controls/SpinValue.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Shell.h"

namespace {
constexpr int ButtonWidth = 15;
// The desktop's thin border line, one pixel.
constexpr int BorderHeight = 1;
constexpr char16_t Backspace = 8;
constexpr char16_t Enter = 13;

// Refuses every change the user makes to the text while the field is not
// editable (typing, deleting, undo); text set by the program is never validated.
class TEditorGate : public QValidator {
 public:
  TEditorGate(QObject* parent, const bool& editorEnabled) : QValidator(parent), EditorEnabled(editorEnabled) {}
  State validate(QString&, int&) const override { return EditorEnabled ? Acceptable : Invalid; }

 private:
  const bool& EditorEnabled;
};

// The character a key types, as the classic key press event sees it; 0 for
// keys that type nothing and for shortcuts.
char16_t TypedChar(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Enter;
    case Qt::Key_Backspace:
      return Backspace;
    default:
      break;
  }
  const QString text = event->text();
  return text.size() == 1 ? text[0].unicode() : 0;
}
}  // namespace

TBetterSpinEdit::TBetterSpinEdit(QWidget* parent) : QLineEdit(parent) {
  auto newButton = [this](const char* name, const char* caption, Qt::ArrowType arrow,
                          void (TBetterSpinEdit::*step)(QObject*)) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    connect(button, &QToolButton::pressed, this, [this] {
      if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    });
    connect(button, &QToolButton::clicked, this, [this, button, step] {
      // A message box that a step shows (a question, an error) takes the
      // mouse: the button never sees its release and would go on stepping,
      // box upon box. Its repeats stop there, and it is let go afterwards.
      const QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal != window()) return button->setDown(false);
      RunGuarded([&] { (this->*step)(button); });
      if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) button->setDown(false);
    });
    return button;
  };
  UpButton = newButton("SpinUpButton", "Up", Qt::UpArrow, &TBetterSpinEdit::StepUp);
  DownButton = newButton("SpinDownButton", "Down", Qt::DownArrow, &TBetterSpinEdit::StepDown);
  setValidator(new TEditorGate(this, FEditorEnabled));
  setTextMargins(0, 0, ButtonWidth + 2, 0);
  setMinimumSize(33, MinimumHeight());
  resize(65, 21);
  setText("0");
}

void TBetterSpinEdit::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  const Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                                   : alignment == taCenter     ? Qt::AlignHCenter
                                                               : Qt::AlignLeft;
  setAlignment(horizontal | Qt::AlignVCenter);
}

void TBetterSpinEdit::SetInfinity(bool infinity) {
  if (infinity == FInfinity) return;
  FInfinity = infinity;
  setText(infinity ? QString(QChar(0x221E)) : QString::number(FValue));
}

void TBetterSpinEdit::SetMinValue(std::int32_t value) {
  if (value == FMinValue) return;
  FMinValue = value;
  SetValue(FValue);
}

void TBetterSpinEdit::SetMaxValue(std::int32_t value) {
  if (value == FMaxValue) return;
  FMaxValue = value;
  SetValue(FValue);
}

void TBetterSpinEdit::SetValue(std::int32_t value) {
  const QScopedValueRollback<bool> setting(SettingValue, true);
  if (FInfinity) return;
  if (FMinValue != FMaxValue) value = std::clamp(value, FMinValue, FMaxValue);
  if (value != FValue) {
    FValue = value;
    if (OnChange) OnChange(this);
  }
  setText(QString::number(FValue));
}

std::int32_t TBetterSpinEdit::ReadTypedValue() const {
  if (FInfinity || text().isEmpty()) return FValue;
  return ReadSpinText(text().toStdString());
}

int TBetterSpinEdit::MinimumHeight() const {
  const int own = QFontMetrics(font()).height();
  const int system = QFontMetrics(QApplication::font()).height();
  return own + std::min(system, own) / 4 + 4 * BorderHeight + 1;
}

void TBetterSpinEdit::Step(QObject* sender, std::int32_t increment, const TNotifyEvent& before,
                           const TNotifyEvent& after) {
  if (before) before(sender);
  if (isReadOnly()) {
    Beep();
  } else {
    // The typed text is adopted silently, so that only the step's result is reported.
    FValue = ReadTypedValue();
    SetValue(AddChecked(FValue, increment));
  }
  if (after) after(sender);
}

void TBetterSpinEdit::StepUp(QObject* sender) { Step(sender, FIncrement, OnUpClicking, OnUpClick); }
void TBetterSpinEdit::StepDown(QObject* sender) { Step(sender, -FIncrement, OnDownClicking, OnDownClick); }
void TBetterSpinEdit::FastStepUp(QObject* sender) { Step(sender, FFastIncrement, OnUpClicking, OnUpClick); }
void TBetterSpinEdit::FastStepDown(QObject* sender) { Step(sender, -FFastIncrement, OnDownClicking, OnDownClick); }

void TBetterSpinEdit::CopyToClipboard() {
  if (hasSelectedText()) ClipboardSetText(selectedText());
}

void TBetterSpinEdit::PasteFromClipboard() {
  if (CanEditText()) insert(ClipboardText());
}

void TBetterSpinEdit::CutToClipboard() {
  if (!CanEditText() || !hasSelectedText()) return;
  CopyToClipboard();
  del();
}

bool TBetterSpinEdit::AcceptsChar(char16_t key) const {
  const bool accepted = key == u'-' || (key >= u'0' && key <= u'9') || (key < 32 && key != Enter);
  if (!accepted || FEditorEnabled) return accepted;
  return key < 32 && key != Backspace;
}

void TBetterSpinEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
      RunGuarded([&] { FastStepUp(this); });
      break;
    case Qt::Key_PageDown:
      RunGuarded([&] { FastStepDown(this); });
      break;
    case Qt::Key_Up:
      RunGuarded([&] { StepUp(this); });
      break;
    case Qt::Key_Down:
      RunGuarded([&] { StepDown(this); });
      break;
    default:
      break;
  }
  if (event->matches(QKeySequence::Copy)) return CopyToClipboard();
  if (event->matches(QKeySequence::Cut)) return CutToClipboard();
  if (event->matches(QKeySequence::Paste)) return PasteFromClipboard();
  const char16_t key = TypedChar(event);
  if (key != 0 && !AcceptsChar(key)) {
    if (key == Enter) {
      RunGuarded([this] { SetValue(ReadTypedValue()); });
      // Left to the parent, so that a dialog's default button still answers Enter.
      event->ignore();
    } else {
      Beep();
      event->accept();
    }
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TBetterSpinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (SelectsAllOnFocus(event->reason())) selectAll();
}

void TBetterSpinEdit::focusOutEvent(QFocusEvent* event) {
  // A popup or another window taking the focus is not leaving the field.
  const Qt::FocusReason reason = event->reason();
  if (!SettingValue && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
    RunGuarded([this] { SetValue(ReadTypedValue()); });
  QLineEdit::focusOutEvent(event);
}

void TBetterSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceButtons();
}

void TBetterSpinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) setMinimumHeight(MinimumHeight());
}

void TBetterSpinEdit::PlaceButtons() {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect inner = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const int left = inner.right() + 1 - ButtonWidth;
  const int upHeight = inner.height() / 2;
  UpButton->setGeometry(left, inner.top(), ButtonWidth, upHeight);
  DownButton->setGeometry(left, inner.top() + upHeight, ButtonWidth, inner.height() - upHeight);
}
