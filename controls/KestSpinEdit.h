// SPDX-License-Identifier: MIT
#pragma once
// A field for a signed 32-bit number with a pair of arrow buttons at its right
// edge. The value stays within MinValue and MaxValue (when they differ) and
// changes in steps: Increment for the arrows and the Up and Down keys,
// FastIncrement for Page Up and Page Down. Typed text becomes the value on
// Enter, when the focus leaves and before every step. OnChange reports changes
// of Value, never mere changes of the text. Instead of a number the field can
// show the infinity sign, which freezes the value.
#include <QLineEdit>
#include <cstdint>

#include "controls/KestGlobal.h"

class QToolButton;

class TBetterSpinEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TBetterSpinEdit(QWidget* parent = nullptr);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  // false: the text cannot be typed into, cut or pasted; only steps change the value.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool enabled) { FEditorEnabled = enabled; }
  std::int32_t FastIncrement() const { return FFastIncrement; }
  void SetFastIncrement(std::int32_t increment) { FFastIncrement = increment; }
  std::int32_t Increment() const { return FIncrement; }
  void SetIncrement(std::int32_t increment) { FIncrement = increment; }
  bool Infinity() const { return FInfinity; }
  void SetInfinity(bool infinity);
  // When the bounds are equal there is no range.
  std::int32_t MinValue() const { return FMinValue; }
  void SetMinValue(std::int32_t value);
  std::int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(std::int32_t value);
  std::int32_t Value() const { return FValue; }
  // Clamps into the range, reports a changed value through OnChange while the
  // text still shows the old one, then always rewrites the text.
  void SetValue(std::int32_t value);

  // The value the text stands for (the value itself when the text is empty).
  std::int32_t ReadTypedValue() const;
  // The smallest height at which the font's text fits.
  int MinimumHeight() const;

  // Steps throw std::overflow_error beyond the signed 32-bit range. On a
  // read-only field they only beep; the before and after events fire all the same.
  virtual void StepUp(QObject* sender);
  virtual void StepDown(QObject* sender);
  void FastStepUp(QObject* sender);
  void FastStepDown(QObject* sender);

  // The selected text; and the clipboard's text at the caret, only when the field is editable.
  void CopyToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;
  TNotifyEvent OnUpClicking;
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClicking;
  TNotifyEvent OnDownClick;

 protected:
  // Whether a typed character (by its code) reaches the text.
  virtual bool AcceptsChar(char16_t key) const;

  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool CanEditText() const { return FEditorEnabled && !isReadOnly(); }
  void Step(QObject* sender, std::int32_t increment, const TNotifyEvent& before, const TNotifyEvent& after);
  void CutToClipboard();
  void PlaceButtons();

  TAlignment FAlignment = taLeftJustify;
  bool FEditorEnabled = true;
  std::int32_t FFastIncrement = 10;
  std::int32_t FIncrement = 1;
  bool FInfinity = false;
  std::int32_t FMinValue = 0;
  std::int32_t FMaxValue = 0;
  std::int32_t FValue = 0;
  bool SettingValue = false;
  QToolButton* UpButton;
  QToolButton* DownButton;
};
