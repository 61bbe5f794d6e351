// SPDX-License-Identifier: MIT
#include "platform/AccessibleText.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QAccessibleTextInterface* TextOf(QWidget& edit) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
  return accessible ? accessible->textInterface() : nullptr;
}

// Qt's own line edit loops for ever when asked for the word or sentence at the end of its text.
TEST(LineEditAccessibility, AnswersEveryUnitAtTheEnd) {
  QLineEdit edit("10.1.2.3");
  QAccessibleTextInterface* text = TextOf(edit);
  ASSERT_NE(text, nullptr);
  struct Case {
    QAccessible::TextBoundaryType Boundary;
    const char* At;
    const char* Before;
  };
  const Case cases[] = {{QAccessible::CharBoundary, "", "3"},          {QAccessible::WordBoundary, "3", "2."},
                        {QAccessible::SentenceBoundary, "10.1.2.3", ""}, {QAccessible::ParagraphBoundary, "10.1.2.3", ""},
                        {QAccessible::LineBoundary, "10.1.2.3", ""},     {QAccessible::NoBoundary, "10.1.2.3", ""}};
  for (const Case& c : cases) {
    int start = 0;
    int end = 0;
    EXPECT_EQ(c.At, text->textAtOffset(8, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ(c.Before, text->textBeforeOffset(8, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ("", text->textAfterOffset(8, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ(8, end) << c.Boundary;
  }
}

TEST(LineEditAccessibility, EditsAsQtsOwnDoes) {
  QLineEdit edit("10.1.2.3");
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
  EXPECT_TRUE(accessible->state().editable);
  accessible->editableTextInterface()->replaceText(0, 2, "172");
  EXPECT_EQ("172.1.2.3", edit.text());
  edit.setReadOnly(true);
  EXPECT_TRUE(accessible->state().readOnly);
  EXPECT_FALSE(accessible->state().editable);
  edit.setEchoMode(QLineEdit::Password);
  int start = 0;
  int end = 0;
  EXPECT_EQ("", accessible->textInterface()->textAtOffset(0, QAccessible::NoBoundary, &start, &end))
      << "a password is not read out";
}

// Each character is found where it is shown, also when the text is scrolled.
TEST(LineEditAccessibility, CharactersLieWhereTheyAreShown) {
  for (const int width : {200, 40}) {
    QLineEdit edit("192.168.100.1");
    edit.resize(width, 30);
    edit.show();
    edit.setCursorPosition(int(edit.text().size()));
    QAccessibleTextInterface* text = TextOf(edit);
    const QRect inside(edit.mapToGlobal(QPoint(0, 0)), edit.size());
    int found = 0;
    for (int offset = 0; offset < edit.text().size(); ++offset) {
      const QRect rect = text->characterRect(offset);
      if (rect.isEmpty()) continue;
      ++found;
      EXPECT_TRUE(inside.contains(rect)) << width << " " << offset;
      EXPECT_EQ(offset, text->offsetAtPoint(rect.center())) << width << " " << offset;
      EXPECT_EQ(offset, edit.cursorPositionAt(edit.mapFromGlobal(QPoint(rect.left() + 1, rect.center().y()))))
          << "the line edit puts the caret before the character there";
    }
    EXPECT_GT(found, 2) << width;
    EXPECT_EQ(-1, text->offsetAtPoint(inside.topLeft() - QPoint(5, 5)));
  }
}

// Qt's own plain text box answers past the end of its text with its first character.
TEST(PlainTextEditAccessibility, AnswersEveryUnitAtAndPastTheEnd) {
  QPlainTextEdit edit("10.0.0.0/8\n2001:db8::/32");
  QAccessibleTextInterface* text = TextOf(edit);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(24, text->characterCount());
  struct Case {
    QAccessible::TextBoundaryType Boundary;
    const char* At;
    const char* Before;
  };
  const Case cases[] = {{QAccessible::CharBoundary, "", "2"},
                        {QAccessible::WordBoundary, "32", "db8::/"},
                        {QAccessible::LineBoundary, "2001:db8::/32", "10.0.0.0/8\n"},
                        {QAccessible::NoBoundary, "10.0.0.0/8\n2001:db8::/32", ""}};
  for (const Case& c : cases) {
    int start = 0;
    int end = 0;
    EXPECT_EQ(c.At, text->textAtOffset(24, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ(c.Before, text->textBeforeOffset(24, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ("", text->textBeforeOffset(25, c.Boundary, &start, &end)) << c.Boundary;
    EXPECT_EQ(-1, start) << c.Boundary;
  }
}

TEST(PlainTextEditAccessibility, EditsUnlessReadOnlyAndSelects) {
  QPlainTextEdit edit("10.0.0.0/8\n192.0.2.0/24");
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
  EXPECT_TRUE(accessible->state().editable);
  EXPECT_TRUE(accessible->state().multiLine);
  accessible->editableTextInterface()->replaceText(11, 14, "198");
  EXPECT_EQ("10.0.0.0/8\n198.0.2.0/24", edit.toPlainText());
  accessible->textInterface()->setSelection(0, 11, 99);
  EXPECT_EQ("198.0.2.0/24", edit.textCursor().selectedText());
  edit.setReadOnly(true);
  EXPECT_TRUE(accessible->state().readOnly);
  EXPECT_FALSE(accessible->state().editable);
  accessible->editableTextInterface()->deleteText(0, 11);
  EXPECT_EQ("10.0.0.0/8\n198.0.2.0/24", edit.toPlainText());
}

// Each character is found where it is shown, on every line and where a narrow box wraps one.
TEST(PlainTextEditAccessibility, CharactersLieWhereTheyAreShown) {
  QPlainTextEdit edit("2001:db8:85a3::8a2e:370:7334/128\n10.0.0.0/8");
  edit.resize(120, 120);
  edit.show();
  QAccessibleTextInterface* text = TextOf(edit);
  const QRect inside(edit.viewport()->mapToGlobal(QPoint(0, 0)), edit.viewport()->size());
  int lines = 0;
  int previousTop = -1;
  for (int offset = 0; offset < text->characterCount(); ++offset) {
    const QRect rect = text->characterRect(offset);
    ASSERT_FALSE(rect.isEmpty()) << offset;
    EXPECT_TRUE(inside.contains(rect)) << offset;
    EXPECT_EQ(offset, text->offsetAtPoint(rect.center())) << offset;
    lines += rect.top() > previousTop;
    previousTop = rect.top();
  }
  EXPECT_GE(lines, 3) << "the first line wraps";
  EXPECT_EQ(-1, text->offsetAtPoint(inside.topLeft() - QPoint(5, 5)));
  EXPECT_EQ(QRect(), text->characterRect(text->characterCount()));
}

}  // namespace
