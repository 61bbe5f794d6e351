// SPDX-License-Identifier: MIT
#include "platform/AccessibleText.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextLayout>
#include <QValidator>
#include <algorithm>
#include <vector>

namespace {
TTextUnit Unit(QAccessible::TextBoundaryType boundary) {
  switch (boundary) {
    case QAccessible::CharBoundary:
      return TTextUnit::Character;
    case QAccessible::WordBoundary:
      return TTextUnit::Word;
    case QAccessible::SentenceBoundary:
      return TTextUnit::Sentence;
    case QAccessible::LineBoundary:
      return TTextUnit::Line;
    case QAccessible::ParagraphBoundary:
      return TTextUnit::Paragraph;
    case QAccessible::NoBoundary:
      break;
  }
  return TTextUnit::Whole;
}

// A text field as assistive technology reads and edits it, as Qt's own does,
// but with text units that end: Qt's line edit loops for ever at the end of
// its text, and its plain text box answers past the end with the first character.
class TTextFieldAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(int startOffset, int endOffset) const override {
    return ReadableText().mid(startOffset, endOffset - startOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                           int* endOffset) const override {
    return AccessibleTextUnit(ReadableText(), boundary, TTextSide::Before, offset, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                       int* endOffset) const override {
    return AccessibleTextUnit(ReadableText(), boundary, TTextSide::At, offset, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                          int* endOffset) const override {
    return AccessibleTextUnit(ReadableText(), boundary, TTextSide::After, offset, startOffset, endOffset);
  }
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }

 protected:
  // The text as it may be read out.
  virtual QString ReadableText() const = 0;
  QAccessible::State FieldState(bool readOnly) const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = readOnly;
    state.editable = !readOnly;
    state.selectableText = true;
    return state;
  }
};

// A line edit; a password reads as nothing.
class TLineEditAccessible : public TTextFieldAccessible {
 public:
  explicit TLineEditAccessible(QLineEdit* edit) : TTextFieldAccessible(edit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
  }

  using TTextFieldAccessible::text;
  QString text(QAccessible::Text kind) const override {
    QString result;
    if (kind == QAccessible::Value) result = Readable() ? Edit()->text() : Edit()->displayText();
    if (result.isEmpty()) result = QAccessibleWidget::text(kind);
    if (result.isEmpty() && kind == QAccessible::Description) result = Edit()->placeholderText();
    return result;
  }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value) {
      QAccessibleWidget::setText(kind, text);
      return;
    }
    QString checked = text;
    int position = 0;
    if (Edit()->validator() && Edit()->validator()->validate(checked, position) != QValidator::Acceptable) return;
    Edit()->setText(checked);
  }
  QAccessible::State state() const override {
    QAccessible::State state = FieldState(Edit()->isReadOnly());
    state.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
    return state;
  }

  void selection(int index, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (index != 0 || !Edit()->hasSelectedText()) return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void removeSelection(int index) override {
    if (index == 0) Edit()->deselect();
  }
  void setSelection(int index, int startOffset, int endOffset) override {
    if (index == 0) Edit()->setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
  QRect characterRect(int offset) const override {
    const std::vector<QRect> rects = CharacterRects();
    if (offset < 0 || offset >= int(rects.size())) return {};
    return {Edit()->mapToGlobal(rects[std::size_t(offset)].topLeft()), rects[std::size_t(offset)].size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = Edit()->mapFromGlobal(point);
    const std::vector<QRect> rects = CharacterRects();
    const auto hit = std::find_if(rects.begin(), rects.end(), [&](const QRect& r) { return r.contains(local); });
    return hit == rects.end() ? -1 : int(hit - rects.begin());
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    Edit()->setCursorPosition(endIndex);
    Edit()->setCursorPosition(startIndex);
  }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    Edit()->setText(Edit()->text().replace(startOffset, endOffset - startOffset, text));
  }

 private:
  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
  // Where each character is shown, in the line edit's coordinates, cut to the
  // line edit where it scrolled the text out of sight.
  std::vector<QRect> CharacterRects() const {
    const QString shown = Edit()->displayText();
    QTextLayout layout(shown, Edit()->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // The caret's rectangle starts a fixed 5 pixels before the caret, which
    // puts the text's origin where the line edit scrolled it to.
    const QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal origin = caret.left() + 5 - line.cursorToX(Edit()->cursorPosition());
    const int height = QFontMetrics(Edit()->font()).height();
    std::vector<QRect> rects;
    rects.reserve(std::size_t(shown.size()));
    for (int offset = 0; offset < shown.size(); ++offset) {
      // Both edges rounded, so that neighbours neither overlap nor leave a gap.
      const int left = qRound(origin + std::min(line.cursorToX(offset), line.cursorToX(offset + 1)));
      const int right = qRound(origin + std::max(line.cursorToX(offset), line.cursorToX(offset + 1)));
      rects.push_back(QRect(left, caret.top(), right - left, height).intersected(Edit()->rect()));
    }
    return rects;
  }
  bool Readable() const { return Edit()->echoMode() == QLineEdit::Normal; }
  QString ReadableText() const override { return Readable() ? Edit()->text() : QString(); }
};

// A plain text box of lines, read-only or not. Lines are the text's own, not
// where a narrow box wraps them.
class TPlainTextEditAccessible : public TTextFieldAccessible {
 public:
  explicit TPlainTextEditAccessible(QPlainTextEdit* edit) : TTextFieldAccessible(edit, QAccessible::EditableText) {}

  using TTextFieldAccessible::text;
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Edit()->toPlainText();
    QString result = QAccessibleWidget::text(kind);
    if (result.isEmpty() && kind == QAccessible::Description) result = Edit()->placeholderText();
    return result;
  }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value)
      QAccessibleWidget::setText(kind, text);
    else if (!Edit()->isReadOnly())
      Edit()->setPlainText(text);
  }
  QAccessible::State state() const override {
    QAccessible::State state = FieldState(Edit()->isReadOnly());
    state.multiLine = true;
    return state;
  }

  void selection(int index, int* startOffset, int* endOffset) const override {
    const QTextCursor cursor = Edit()->textCursor();
    *startOffset = *endOffset = 0;
    if (index != 0 || !cursor.hasSelection()) return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
  }
  int selectionCount() const override { return Edit()->textCursor().hasSelection() ? 1 : 0; }
  void removeSelection(int index) override {
    if (index != 0) return;
    QTextCursor cursor = Edit()->textCursor();
    cursor.clearSelection();
    Edit()->setTextCursor(cursor);
  }
  void setSelection(int index, int startOffset, int endOffset) override {
    if (index == 0) Edit()->setTextCursor(Spanning(startOffset, endOffset));
  }
  int cursorPosition() const override { return Edit()->textCursor().position(); }
  void setCursorPosition(int position) override { Edit()->setTextCursor(Spanning(position, position)); }
  // The document counts one more character than its text has.
  int characterCount() const override { return Edit()->document()->characterCount() - 1; }
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount()) return {};
    const QRect caret = Edit()->cursorRect(Spanning(offset, offset));
    const QRect next = Edit()->cursorRect(Spanning(offset + 1, offset + 1));
    // The last character of a line (a line break, or where the box wraps) has no caret after it on its line.
    const int width = next.top() == caret.top() && next.left() > caret.left()
                          ? next.left() - caret.left()
                          : std::max(1, QFontMetrics(Edit()->font()).horizontalAdvance(text(offset, offset + 1)));
    const QRect shown = QRect(caret.left(), caret.top(), width, caret.height()).intersected(Edit()->viewport()->rect());
    return shown.isEmpty() ? QRect() : QRect(Edit()->viewport()->mapToGlobal(shown.topLeft()), shown.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = Edit()->viewport()->mapFromGlobal(point);
    if (!Edit()->viewport()->rect().contains(local)) return -1;
    // The caret nearest the point stands before or after the character there.
    const int caret = Edit()->cursorForPosition(local).position();
    for (const int offset : {caret, caret - 1})
      if (characterRect(offset).contains(point)) return offset;
    return -1;
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    setCursorPosition(endIndex);
    Edit()->ensureCursorVisible();
    setCursorPosition(startIndex);
    Edit()->ensureCursorVisible();
  }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (!Edit()->isReadOnly()) Spanning(startOffset, endOffset).insertText(text);
  }

 private:
  QPlainTextEdit* Edit() const { return static_cast<QPlainTextEdit*>(widget()); }
  QString ReadableText() const override { return Edit()->toPlainText(); }
  // A cursor over the document from `anchor` to `position`, both kept inside it.
  QTextCursor Spanning(int anchor, int position) const {
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(std::clamp(anchor, 0, characterCount()));
    cursor.setPosition(std::clamp(position, 0, characterCount()), QTextCursor::KeepAnchor);
    return cursor;
  }
};

QAccessibleInterface* TextFieldAccessibleFactory(const QString&, QObject* object) {
  if (auto* edit = qobject_cast<QLineEdit*>(object)) return new TLineEditAccessible(edit);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(object)) return new TPlainTextEditAccessible(edit);
  return nullptr;
}
}  // namespace

QString AccessibleTextUnit(const QString& text, QAccessible::TextBoundaryType boundary, TTextSide side, int offset,
                           int* startOffset, int* endOffset) {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
  const TTextSpan span = TextUnitSpan(units, Unit(boundary), side, offset);
  *startOffset = span.Start;
  *endOffset = span.End;
  return span.Start < 0 ? QString() : text.mid(span.Start, span.End - span.Start);
}

void InstallTextFieldAccessibility() {
  static const bool installed = (QAccessible::installFactory(TextFieldAccessibleFactory), true);
  (void)installed;
}
