// SPDX-License-Identifier: MIT
#pragma once
// A four-field IPv4 address entry: four fields of 0 to 255, a 32-bit address
// in host order (field 0 in the most significant byte), and a field-changed
// event whose handler may correct the value of a field the user changed.
//
// The control paints its fields itself and is one focus stop: while the user
// types in any field, the control is the focus widget. The field-changed event
// comes when the user is done: on leaving the control, on Enter, or for a
// pasted address, so that a handler's message never interrupts the typing.
// While the user types, the address-typed event lets the owner follow each
// complete address at once.
#include "controls/KestGlobal.h"
#include <QBasicTimer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

using TIPAddressEditFieldIndex = int;  // 0 to 3, left to right
using TIPAddressEditFieldValueChangedEvent =
    std::function<void(QObject* sender, TIPAddressEditFieldIndex fieldIndex, std::uint8_t& value)>;
// Raised after the user's typing changed the value of a field while all four
// fields hold one. The owner returns true when it takes the address as it
// stands: the fields then count as entered and raise no field-changed event
// for it; false leaves them to the field-changed event, with any correction it
// makes.
using TIPAddressEditAddressTypedEvent = std::function<bool(QObject* sender)>;
// Raised after a pasted address that came with a mask ("10.1.2.3/16" or
// "10.1.2.3 255.255.0.0") has been entered: the mask's number of one bits.
using TIPAddressEditMaskPastedEvent = std::function<void(QObject* sender, int maskBits)>;

class TCustomIPAddressEdit : public QWidget {
  Q_OBJECT
 public:
  explicit TCustomIPAddressEdit(QWidget* parent = nullptr);

  std::uint32_t Address() const;  // empty fields read as 0
  void SetAddress(std::uint32_t address);
  std::uint8_t GetField(int index) const;
  void SetField(int index, std::uint8_t value);
  bool IsBlank() const;
  std::uint32_t NetworkAddress() const;
  void SetNetworkAddress(std::uint32_t address);
  QString AddressString() const;
  // Text that does not parse as a dotted address sets 255.255.255.255.
  void SetAddressString(const QString& text);

  // Puts AddressString on the clipboard.
  void CopyToClipboard();
  // A dotted address on the clipboard, with or without a mask, fills all four
  // fields; a number of up to three digits is typed into the current field.
  void PasteFromClipboard();

  // Destroys the fields and builds them again; the address, or the blank
  // state, survives.
  void RecreateWnd();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  TNotifyEvent OnChange;
  TIPAddressEditFieldValueChangedEvent OnFieldChanged;
  TIPAddressEditAddressTypedEvent OnAddressTyped;
  TIPAddressEditMaskPastedEvent OnMaskPasted;

 protected:
  virtual void Change();
  virtual void FieldChanged(TIPAddressEditFieldIndex fieldIndex, std::uint8_t& value);

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  friend class TIPAddressEditAccessible;
  friend class TIPAddressFieldAccessible;

  // What the platform's address window would hold: the fields' texts and
  // the editing state. It exists from construction on, except inside RecreateWnd.
  struct TFieldWindow {
    std::array<QString, 4> Text;
    // Each field's value when the user last entered it, or when the program
    // last set it (-1 for empty): a field-changed event is due for a field
    // whose value differs from it when the user is done.
    std::array<int, 4> Committed{-1, -1, -1, -1};
    std::array<QRect, 4> FieldRect;
    std::array<QRect, 3> DotRect;
    int Current = 0;
    int Cursor = 0;
    int Anchor = 0;
    // The caret has just moved on by itself after a field's third digit and
    // nothing has been typed since: a "." the user types out of habit then
    // belongs to that move and is swallowed.
    bool AutoAdvanced = false;
  };

  void CreateWnd();
  void DestroyWnd();
  void LayoutFields();

  int FieldValue(int index) const;  // -1 for an empty field
  bool SetFieldText(int index, const QString& text);
  void ShowAddress(std::uint32_t address);

  // Raises the field-changed event for each field whose value the user changed, in field order.
  void CommitFields();
  void CommitField(int index);
  // Shows a field's value without leading zeros ("007" as 7).
  void TidyField(int index);
  // Hands the owner the address the user's typing changed.
  void AddressTyped();
  // Makes `index` the current field; the caret goes to `cursor`
  // (-1: the end), with the text selected when `selectAll`.
  void MoveToField(int index, int cursor, bool selectAll);
  void KeyPress(QKeyEvent* event);
  void TypeDigit(QChar digit);
  // Replaces the selection of the current field (or inserts at the caret);
  // a value above 255 becomes 255.
  void ReplaceSelection(const QString& text);
  bool HasSelection() const;
  int FieldAt(int x) const;
  int CursorAt(int index, int x) const;
  int TextLeft(int index) const;
  QString DisplayText() const;
  void NotifyFocusedField();
  void RestartCaret();

  std::unique_ptr<TFieldWindow> Window;
  std::uint32_t StoredAddress = 0;
  bool StoredBlank = true;
  bool CreatingWindow = false;
  bool InFieldNotify = false;
  // The user typed while the owner was busy with a previous address.
  bool TypedMeanwhile = false;
  bool CaretShown = true;
  QBasicTimer CaretTimer;
};

class TIPAddressEdit : public TCustomIPAddressEdit {
  Q_OBJECT
 public:
  using TCustomIPAddressEdit::TCustomIPAddressEdit;
};
