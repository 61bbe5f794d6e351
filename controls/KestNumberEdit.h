// SPDX-License-Identifier: MIT
#pragma once
// A one-line field that holds a number and shows it in binary, decimal,
// floating point, hexadecimal or octal. Typing is filtered to the style's
// characters, every text change is parsed into the value, every value change
// is formatted back into the text, and the owner is told before and after each
// value change and may alter or cancel it on the way in.
#include "controls/KestGlobal.h"
#include <QLineEdit>
#include <cstdint>
#include <functional>

#include "controls/NumberText.h"

using TNumberChangingValueFloatEvent = std::function<void(QObject* sender, double& newValueFloat)>;
using TNumberChangingValueIntegerEvent = std::function<void(QObject* sender, std::int64_t& newValueInteger)>;
// `key` is a Qt::Key; a handler that sets it to 0 stops the key.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomNumberEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TCustomNumberEdit(QWidget* parent = nullptr);

  // true: the text is parsed on every change; false: only on Enter and when the focus leaves.
  bool AllowImmediateValueChange() const { return FAllowImmediateValueChange; }
  void SetAllowImmediateValueChange(bool allow);
  // false: a negative value is replaced by its magnitude.
  bool AllowNegative() const { return FAllowNegative; }
  void SetAllowNegative(bool allow);
  // Least digit count of the text (nsFloat: digits after the point); -1 for none.
  int Digits() const { return FDigits; }
  void SetDigits(int digits);
  TNumberStyle NumberStyle() const { return FNumberStyle; }
  void SetNumberStyle(TNumberStyle style);
  double ValueFloat() const { return FValueFloat; }
  void SetValueFloat(double value);
  std::int64_t ValueInteger() const { return FValueInteger; }
  void SetValueInteger(std::int64_t value);
  // Case of the letters the user types or pastes.
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase charCase);
  // Longest text the user may type or paste; text the program sets is never cut.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int length);

  TNotifyEvent OnChangeValue;
  TNumberChangingValueFloatEvent OnChangingValueFloat;
  TNumberChangingValueIntegerEvent OnChangingValueInteger;
  TKeyEvent OnKeyDown;

 public slots:
  // Pastes the clipboard's text as PastedNumberText reads it, over the
  // selection; a text the field cannot take is refused with a beep.
  void paste();

 protected:
  bool IsValidNumberChar(char c) const;
  void FormatValueText();
  void ParseValueText();
  // A typed character, Backspace or Enter, before the edit inserts it.
  virtual void KeyPress(QKeyEvent* event);

  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // QLineEdit's own limit also cuts text set by the program, which would change the value.
  using QLineEdit::maxLength;
  using QLineEdit::setMaxLength;

  // Sets the text as the program's, not the user's, and puts the caret
  // `fromEnd` characters before the end of the text then shown.
  void SetTextKeepingCaret(const QString& text, int fromEnd);
  int CaretFromEnd() const;
  char DecimalPoint() const;

  bool FAllowImmediateValueChange = true;
  bool FAllowNegative = true;
  int FDigits = -1;
  TNumberStyle FNumberStyle = nsDecimal;
  double FValueFloat = 0;
  std::int64_t FValueInteger = 0;
  TEditCharCase FCharCase = ecUpperCase;
  int FMaxLength = 0;  // 0: no limit
  bool SettingText = false;
  int ShownLength = 0;  // of the text before the edit being checked
};

class TNumberEdit : public TCustomNumberEdit {
  Q_OBJECT
 public:
  using TCustomNumberEdit::TCustomNumberEdit;
};
