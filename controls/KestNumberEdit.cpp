// SPDX-License-Identifier: MIT
#include "controls/KestNumberEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Shell.h"

namespace {
// Applies the case and length rules to every text the edit is about to show.
class TTextRule : public QValidator {
 public:
  TTextRule(QObject* parent, std::function<State(QString&, int&)> rule) : QValidator(parent), Rule(std::move(rule)) {}
  State validate(QString& input, int& caret) const override { return Rule(input, caret); }

 private:
  std::function<State(QString&, int&)> Rule;
};

// Keys that reach KeyPress: plain characters, Backspace and Enter. Everything
// else (caret movement, Delete, shortcuts such as Ctrl+V) is the edit's own.
bool IsKeyPressKey(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;
    default:
      break;
  }
  const QString text = event->text();
  return text.size() == 1 && text[0].isPrint();
}
}  // namespace

TCustomNumberEdit::TCustomNumberEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setValidator(new TTextRule(this, [this](QString& input, int& caret) {
    if (FCharCase == ecUpperCase) input = input.toUpper();
    if (FCharCase == ecLowerCase) input = input.toLower();
    const int excess = static_cast<int>(input.size()) - FMaxLength;
    if (FMaxLength <= 0 || excess <= 0 || SettingText) return QValidator::Acceptable;
    // The user's edit ends at the caret and its characters come just before it:
    // what does not fit is cut from them, as a text field does with a paste.
    // When even the text kept from before is too long, the edit is refused.
    if (ShownLength > FMaxLength || excess > caret) return QValidator::Invalid;
    input.remove(caret - excess, excess);
    caret -= excess;
    return QValidator::Acceptable;
  }));
  connect(this, &QLineEdit::textChanged, this, Guarded([this] {
    ShownLength = static_cast<int>(text().size());
    if (FAllowImmediateValueChange) ParseValueText();
  }));
  FormatValueText();
}

void TCustomNumberEdit::SetAllowImmediateValueChange(bool allow) {
  if (allow == FAllowImmediateValueChange) return;
  FAllowImmediateValueChange = allow;
  ParseValueText();
}

void TCustomNumberEdit::SetAllowNegative(bool allow) {
  if (allow == FAllowNegative) return;
  FAllowNegative = allow;
  if (!allow && FValueFloat < 0) SetValueFloat(-FValueFloat);
}

void TCustomNumberEdit::SetDigits(int digits) {
  digits = std::max(digits, -1);
  if (FNumberStyle == nsFloat) digits = std::min(digits, 18);
  if (digits == FDigits) return;
  FDigits = digits;
  FormatValueText();
}

void TCustomNumberEdit::SetNumberStyle(TNumberStyle style) {
  if (style == FNumberStyle) return;
  FNumberStyle = style;
  FormatValueText();
}

void TCustomNumberEdit::SetValueInteger(std::int64_t value) {
  if (!FAllowNegative && value < 0) {
    if (value == std::numeric_limits<std::int64_t>::min()) throw std::overflow_error("Integer overflow");
    value = -value;
  }
  if (value == FValueInteger) return;
  if (OnChangingValueInteger) OnChangingValueInteger(this, value);
  if (value == FValueInteger) return;
  FValueInteger = value;
  FValueFloat = static_cast<double>(value);
  FormatValueText();
  if (OnChangeValue) OnChangeValue(this);
}

void TCustomNumberEdit::SetValueFloat(double value) {
  if (!FAllowNegative && value < 0) value = -value;
  if (value == FValueFloat) return;
  if (OnChangingValueFloat) OnChangingValueFloat(this, value);
  if (value == FValueFloat) return;
  const std::int64_t integer = TruncateToInt64(value);
  FValueFloat = value;
  FValueInteger = integer;
  FormatValueText();
  if (OnChangeValue) OnChangeValue(this);
}

void TCustomNumberEdit::SetCharCase(TEditCharCase charCase) { FCharCase = charCase; }

void TCustomNumberEdit::SetMaxLength(int length) { FMaxLength = std::max(length, 0); }

bool TCustomNumberEdit::IsValidNumberChar(char c) const {
  return ::IsValidNumberChar(FNumberStyle, FAllowNegative, DecimalPoint(), c);
}

void TCustomNumberEdit::FormatValueText() {
  const QString before = text();
  const int fromEnd = CaretFromEnd();
  try {
    SetTextKeepingCaret(QString::fromStdString(
                            FormatNumberText(FNumberStyle, FDigits, FValueInteger, FValueFloat, DecimalPoint())),
                        fromEnd);
  } catch (...) {
    SetTextKeepingCaret(before, fromEnd);
    ParseValueText();
  }
}

void TCustomNumberEdit::ParseValueText() {
  const double savedFloat = FValueFloat;
  const std::int64_t savedInteger = FValueInteger;
  try {
    const std::string typed = text().toLatin1().toStdString();
    if (typed.empty())
      SetValueInteger(0);
    else if (FNumberStyle == nsFloat)
      SetValueFloat(ParseFloatText(typed, DecimalPoint()));
    else
      SetValueInteger(ParseIntegerText(FNumberStyle, typed));
  } catch (...) {
    // Text that does not parse is not reported: the field shows its last value
    // again. An integer goes back through its own setter, exact beyond 2^53.
    try {
      if (FNumberStyle == nsFloat)
        SetValueFloat(savedFloat);
      else
        SetValueInteger(savedInteger);
    } catch (...) {
    }
    FormatValueText();
  }
}

void TCustomNumberEdit::KeyPress(QKeyEvent* event) {
  if (isReadOnly()) {
    event->ignore();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Backspace:
      QLineEdit::keyPressEvent(event);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!FAllowImmediateValueChange) ParseValueText();
      event->accept();
      return;
    default:
      break;
  }
  const char16_t typed = event->text().at(0).unicode();
  if (typed > 127 || !IsValidNumberChar(static_cast<char>(typed))) {
    event->accept();
    return;
  }
  // Typing into a zero-padded field drops its leading zero, so the digits
  // shift left instead of the text growing. A selection typed over goes
  // instead; only when the field, padded again without it, is full does a
  // zero go as well, or the typed character would be refused.
  int fromEnd = CaretFromEnd();
  // A character typed over the whole text replaces it, as in any field: the
  // emptied text would otherwise be formatted as 0 first and keep that zero.
  if (selectedText() == text()) return QLineEdit::keyPressEvent(event);
  if (hasSelectedText()) {
    const int length = static_cast<int>(selectedText().size());
    SetTextKeepingCaret(text().remove(selectionStart(), length), fromEnd - length);
    fromEnd -= length;
    if (FMaxLength > 0 && text().size() >= FMaxLength && text().startsWith('0'))
      SetTextKeepingCaret(text().mid(1), fromEnd);
  } else if (text().startsWith('0')) {
    SetTextKeepingCaret(text().mid(1), fromEnd);
  }
  QLineEdit::keyPressEvent(event);
}

void TCustomNumberEdit::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) {
    int key = event->key();
    // A handler that fails takes the key.
    if (!RunGuarded([&] { OnKeyDown(this, key, event->modifiers()); })) key = 0;
    if (key == 0) {
      event->accept();
      return;
    }
  }
  if (event->matches(QKeySequence::Paste)) {
    RunGuarded([this] { paste(); });
    event->accept();
  } else if (IsKeyPressKey(event)) {
    KeyPress(event);
  } else {
    QLineEdit::keyPressEvent(event);
  }
}

void TCustomNumberEdit::paste() {
  if (isReadOnly()) return;
  const std::optional<std::string> taken =
      PastedNumberText(FNumberStyle, FAllowNegative, DecimalPoint(), ClipboardText().toStdString());
  if (!taken) return Beep();
  insert(QString::fromStdString(*taken));
}

void TCustomNumberEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (SelectsAllOnFocus(event->reason())) selectAll();
}

void TCustomNumberEdit::focusOutEvent(QFocusEvent* event) {
  if (!FAllowImmediateValueChange) ParseValueText();
  QLineEdit::focusOutEvent(event);
}

void TCustomNumberEdit::SetTextKeepingCaret(const QString& text, int fromEnd) {
  {
    const QScopedValueRollback<bool> programText(SettingText, true);
    setText(text);
  }
  setCursorPosition(std::max(0, static_cast<int>(this->text().size()) - fromEnd));
}

int TCustomNumberEdit::CaretFromEnd() const {
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  return static_cast<int>(text().size()) - start;
}

char TCustomNumberEdit::DecimalPoint() const {
  const QString point = locale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}
