// SPDX-License-Identifier: MIT
#pragma once
// The text of a control as assistive technology reads it: plain, read-only,
// without selections. Controls that are not line edits provide their text
// through this, so Qt's AT-SPI bridge offers it as the Text interface.
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QString>

#include "platform/TextBoundary.h"

// The unit of `text` at, before or after `offset` that a screen reader asks
// for, with its span in `startOffset` and `endOffset`. Qt's own answer loops
// for ever at the end of a text.
QString AccessibleTextUnit(const QString& text, QAccessible::TextBoundaryType boundary, TTextSide side, int offset,
                           int* startOffset, int* endOffset);

// Makes every QLineEdit and QPlainTextEdit of the program answer through AccessibleTextUnit.
void InstallTextFieldAccessibility();

class TReadOnlyAccessibleText : public QAccessibleTextInterface {
 public:
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return AccessibleCaret(); }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return AccessibleText().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(AccessibleText().size()); }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                           int* endOffset) const override {
    return AccessibleTextUnit(AccessibleText(), boundary, TTextSide::Before, offset, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                       int* endOffset) const override {
    return AccessibleTextUnit(AccessibleText(), boundary, TTextSide::At, offset, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                          int* endOffset) const override {
    return AccessibleTextUnit(AccessibleText(), boundary, TTextSide::After, offset, startOffset, endOffset);
  }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 protected:
  virtual QString AccessibleText() const = 0;
  virtual int AccessibleCaret() const { return 0; }
};

// A widget read as such text: its value and its text are AccessibleText().
class TAccessibleTextWidget : public QAccessibleWidget, public TReadOnlyAccessibleText {
 public:
  TAccessibleTextWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  using TReadOnlyAccessibleText::text;
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? AccessibleText() : QAccessibleWidget::text(kind);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
};
