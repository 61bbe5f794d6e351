// SPDX-License-Identifier: MIT
#include "controls/KestNumberEdit.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Clipboard.h"

#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// Records the number edit's events in order, with what the edit shows at each.
struct TEventLog {
  explicit TEventLog(TNumberEdit& edit) {
    edit.OnChangingValueInteger = [this, &edit](QObject* sender, std::int64_t& value) {
      EXPECT_EQ(sender, &edit);
      Events.push_back("changing " + std::to_string(value) + " from " + std::to_string(edit.ValueInteger()) +
                       " text " + edit.text().toStdString());
      if (Alter) Alter(value);
    };
    edit.OnChangingValueFloat = [this, &edit](QObject*, double& value) {
      Events.push_back("changing float " + std::to_string(value) + " from " + std::to_string(edit.ValueFloat()));
    };
    edit.OnChangeValue = [this, &edit](QObject* sender) {
      EXPECT_EQ(sender, &edit);
      Events.push_back("change " + std::to_string(edit.ValueInteger()) + " text " + edit.text().toStdString());
    };
  }
  std::vector<std::string> Events;
  std::function<void(std::int64_t&)> Alter;
};

using Strings = std::vector<std::string>;

TEST(KestNumberEditTest, StartsAsRightAlignedDecimalZero) {
  TNumberEdit edit;
  EXPECT_EQ(edit.text(), "0");
  EXPECT_EQ(edit.ValueInteger(), 0);
  EXPECT_EQ(edit.NumberStyle(), nsDecimal);
  EXPECT_EQ(edit.Digits(), -1);
  EXPECT_TRUE(edit.AllowNegative());
  EXPECT_TRUE(edit.AllowImmediateValueChange());
  EXPECT_EQ(edit.CharCase(), ecUpperCase);
  EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
}

TEST(KestNumberEditTest, DigitsPadTheText) {
  TNumberEdit edit;
  edit.SetNumberStyle(nsHexadecimal);
  edit.SetDigits(8);
  edit.SetValueInteger(255);
  EXPECT_EQ(edit.text(), "000000FF");

  TNumberEdit binary;
  binary.SetNumberStyle(nsBinary);
  EXPECT_EQ(binary.text(), "") << "0 has no binary digits";
  binary.SetDigits(4);
  EXPECT_EQ(binary.text(), "0000");
}

TEST(KestNumberEditTest, NumberStyleReformatsWithoutChangingTheValue) {
  TNumberEdit edit;
  edit.SetValueInteger(126);
  TEventLog log(edit);
  const std::vector<std::pair<TNumberStyle, const char*>> styles = {
      {nsHexadecimal, "7E"}, {nsBinary, "1111110"}, {nsOctal, "176"}, {nsDecimal, "126"}};
  for (auto [style, expected] : styles) {
    edit.SetNumberStyle(style);
    EXPECT_EQ(edit.text(), expected);
    EXPECT_EQ(edit.ValueInteger(), 126);
  }
  EXPECT_EQ(log.Events, Strings{});
}

TEST(KestNumberEditTest, ValueChangeRunsChangingThenStoreThenTextThenChange) {
  TNumberEdit edit;
  TEventLog log(edit);
  edit.SetValueInteger(5);
  EXPECT_EQ(log.Events, (Strings{"changing 5 from 0 text 0", "change 5 text 5"}));
  EXPECT_EQ(edit.ValueFloat(), 5.0);

  log.Events.clear();
  edit.SetValueInteger(5);
  EXPECT_EQ(log.Events, Strings{}) << "the value it already holds";
}

TEST(KestNumberEditTest, ChangingHandlerMayAlterOrCancel) {
  TNumberEdit edit;
  edit.SetValueInteger(10);
  TEventLog log(edit);

  log.Alter = [&](std::int64_t& value) { value = edit.ValueInteger(); };
  edit.SetValueInteger(20);
  EXPECT_EQ(edit.ValueInteger(), 10);
  EXPECT_EQ(edit.text(), "10");
  EXPECT_EQ(log.Events, (Strings{"changing 20 from 10 text 10"}));

  log.Events.clear();
  log.Alter = [](std::int64_t& value) { value = std::min<std::int64_t>(value, 255); };
  edit.SetValueInteger(300);
  EXPECT_EQ(edit.ValueInteger(), 255);
  EXPECT_EQ(edit.text(), "255");
  EXPECT_EQ(log.Events, (Strings{"changing 300 from 10 text 10", "change 255 text 255"}));
}

TEST(KestNumberEditTest, FloatAndIntegerDescribeTheSameNumber) {
  TNumberEdit edit;
  edit.SetValueFloat(-2.75);
  EXPECT_EQ(edit.ValueInteger(), -2);
  EXPECT_EQ(edit.text(), "-2");
  edit.SetValueInteger(7);
  EXPECT_EQ(edit.ValueFloat(), 7.0);
  EXPECT_THROW(edit.SetValueFloat(1e30), std::overflow_error);
  EXPECT_EQ(edit.ValueInteger(), 7) << "a failed assignment changes nothing";
  EXPECT_EQ(edit.ValueFloat(), 7.0);
}

TEST(KestNumberEditTest, WithoutNegativesTheMagnitudeIsTaken) {
  TNumberEdit edit;
  edit.SetAllowNegative(false);
  edit.SetValueInteger(-5);
  EXPECT_EQ(edit.ValueInteger(), 5);
  EXPECT_EQ(edit.text(), "5");
  EXPECT_THROW(edit.SetValueInteger(std::numeric_limits<std::int64_t>::min()), std::overflow_error);
  EXPECT_EQ(edit.ValueInteger(), 5);

  TNumberEdit fractional;
  fractional.SetValueFloat(-2.5);
  fractional.SetAllowNegative(false);
  EXPECT_EQ(fractional.ValueFloat(), 2.5);
  EXPECT_EQ(fractional.ValueInteger(), 2);
}

TEST(KestNumberEditTest, DigitsAreKeptInRange) {
  struct Case {
    TNumberStyle Style;
    int Set;
    int Expected;
  };
  for (const Case& c : std::vector<Case>{{nsFloat, 25, 18}, {nsHexadecimal, 25, 25}, {nsDecimal, -7, -1},
                                         {nsFloat, -7, -1}, {nsBinary, 0, 0}}) {
    TNumberEdit edit;
    edit.SetNumberStyle(c.Style);
    edit.SetDigits(c.Set);
    EXPECT_EQ(edit.Digits(), c.Expected) << "style " << c.Style << " set " << c.Set;
  }
}

TEST(KestNumberEditTest, ReformattingKeepsTheCaretsDistanceFromTheEnd) {
  TNumberEdit edit;
  edit.SetValueInteger(1234);
  edit.setCursorPosition(2);
  edit.SetValueInteger(99999);
  EXPECT_EQ(edit.text(), "99999");
  EXPECT_EQ(edit.cursorPosition(), 3);

  edit.setCursorPosition(0);
  edit.SetValueInteger(7);
  EXPECT_EQ(edit.cursorPosition(), 0) << "never before the start";
}

TEST(KestNumberEditTest, TextThatDoesNotParseRevertsSilently) {
  struct Case {
    TNumberStyle Style;
    const char* Pasted;
  };
  for (const Case& c : std::vector<Case>{{nsDecimal, "-"}, {nsDecimal, "12x"}, {nsDecimal, "99999999999999999999"},
                                         {nsFloat, "+"}, {nsFloat, "1e"}, {nsFloat, "1E999"}}) {
    TNumberEdit edit;
    edit.SetNumberStyle(c.Style);
    edit.SetValueInteger(42);
    TEventLog log(edit);
    edit.setText(c.Pasted);
    EXPECT_EQ(edit.ValueInteger(), 42) << c.Pasted;
    EXPECT_EQ(edit.text(), "42") << c.Pasted;
    EXPECT_EQ(log.Events, Strings{}) << c.Pasted;
  }

  TNumberEdit edit;
  edit.setText("");
  EXPECT_EQ(edit.ValueInteger(), 0) << "empty text is 0";
}

TEST(KestNumberEditTest, ExceptionFromTheOwnerWhileParsingRevertsSilently) {
  TNumberEdit edit;
  edit.SetValueInteger(1);
  edit.OnChangeValue = [&](QObject*) {
    if (edit.ValueInteger() == 13) throw std::runtime_error("unlucky");
  };
  QTest::keyClicks(&edit, "3");
  EXPECT_EQ(edit.ValueInteger(), 1);
  EXPECT_EQ(edit.text(), "1");
}

TEST(KestNumberEditTest, TypingIsFilteredToTheStyle) {
  struct Case {
    TNumberStyle Style;
    bool AllowNegative;
    const char* Typed;
    const char* Text;
    std::int64_t Value;
  };
  const std::vector<Case> cases = {
      {nsBinary, true, "1021x", "101", 5},
      {nsDecimal, false, "+-7a.", "7", 7},
      {nsDecimal, true, "5", "5", 5},
      {nsHexadecimal, true, "agb", "AB", 0xAB},
      {nsHexadecimal, true, "ff", "FF", 255},
      {nsOctal, true, "789", "7", 7},
      // A lone exponent sign does not parse, so the text falls back to 2.5.
      {nsFloat, true, "2.5e1x", "2.51", 2},
  };
  QLocale::setDefault(QLocale::c());
  for (const auto& c : cases) {
    TNumberEdit edit;
    edit.SetNumberStyle(c.Style);
    edit.SetAllowNegative(c.AllowNegative);
    QTest::keyClicks(&edit, c.Typed);
    EXPECT_EQ(edit.text().toStdString(), c.Text) << c.Typed;
    EXPECT_EQ(edit.ValueInteger(), c.Value) << c.Typed;
  }

  TNumberEdit negative;
  QTest::keyClicks(&negative, "5");
  negative.setCursorPosition(0);
  QTest::keyClicks(&negative, "-");
  EXPECT_EQ(negative.ValueInteger(), -5) << "a sign typed before the digits";
}

TEST(KestNumberEditTest, TypingAndPastingIntoAZeroPaddedField) {
  // An eight-digit hexadecimal field; the edit replaces `SelectLength`
  // characters from `SelectStart` (none: the caret stands there).
  struct Case {
    std::int64_t Value;
    int SelectStart;
    int SelectLength;
    const char* Typed;
    const char* Pasted;
    const char* Text;
    int Caret;
  };
  const std::vector<Case> cases = {
      {0xABCD, 8, 0, "A", nullptr, "000ABCDA", 8},   // the digits shift left
      {0x1, 0, 6, "A", nullptr, "00000A01", 6},      // the selection goes, the zeros before it stay
      {0xABCDA, 3, 2, "7", nullptr, "00007CDA", 5},  // padded again the field is full: a zero goes too
      {0x7CDA, 0, 8, "7", nullptr, "00000007", 8},
      {0xFFFFFFFF, 8, 0, "1", nullptr, "FFFFFFFF", 8},
      {0x1, 0, 8, nullptr, "123456789abc", "12345678", 8},  // what fits of a paste
      {0x1, 0, 2, nullptr, "fedc", "FE000001", 2},
      {0x1, 8, 0, nullptr, "FF", "00000001", 8},
      {0x1, 0, 8, nullptr, " 3C:22:FB:12:34:56", "3C22FB12", 8},  // separators go, not read as zeros
      {0x1, 0, 8, nullptr, "0xDEAD_BEEF", "DEADBEEF", 8},
      {0x1, 0, 8, nullptr, "3C:22:zz", "00000001", 8},  // refused with a beep
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    TNumberEdit edit;
    edit.SetNumberStyle(nsHexadecimal);
    edit.SetDigits(8);
    edit.SetMaxLength(8);
    edit.SetValueInteger(c.Value);
    if (c.SelectLength)
      edit.setSelection(c.SelectStart, c.SelectLength);
    else
      edit.setCursorPosition(c.SelectStart);
    if (c.Typed) QTest::keyClicks(&edit, c.Typed);
    if (c.Pasted) {
      ClipboardSetText(c.Pasted);
      QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(edit.text(), c.Text);
    EXPECT_EQ(edit.ValueInteger(), edit.text().toLongLong(nullptr, 16));
    EXPECT_EQ(edit.cursorPosition(), c.Caret);
  }
}

TEST(KestNumberEditTest, BackspaceInAZeroPaddedField) {
  TNumberEdit edit;
  edit.SetNumberStyle(nsBinary);
  edit.SetDigits(8);
  edit.SetValueInteger(7);
  ASSERT_EQ(edit.text(), "00000111");
  edit.end(false);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "00000011");
  EXPECT_EQ(edit.ValueInteger(), 3);
}

TEST(KestNumberEditTest, MaxLengthLimitsTypingButNotTheProgram) {
  TNumberEdit edit;
  edit.SetMaxLength(3);
  QTest::keyClicks(&edit, "1234");
  EXPECT_EQ(edit.text(), "123");
  EXPECT_EQ(edit.ValueInteger(), 123);

  edit.SetValueInteger(123456);
  EXPECT_EQ(edit.text(), "123456");

  TNumberEdit full;
  full.SetNumberStyle(nsHexadecimal);
  full.SetMaxLength(8);
  full.SetValueInteger(0xFFFFFFFF);
  QTest::keyClicks(&full, "1");
  EXPECT_EQ(full.text(), "FFFFFFFF") << "no leading zero to drop";
  EXPECT_EQ(full.ValueInteger(), 0xFFFFFFFF);
}

TEST(KestNumberEditTest, ReadOnlyBlocksTypingButNotTheProgramNorKeyDown) {
  TNumberEdit edit;
  edit.SetValueInteger(12);
  edit.setReadOnly(true);
  std::vector<int> keys;
  edit.OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) { keys.push_back(key); };
  QTest::keyClicks(&edit, "34");
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "12");
  EXPECT_EQ(edit.ValueInteger(), 12);
  EXPECT_EQ(keys, (std::vector<int>{Qt::Key_3, Qt::Key_4, Qt::Key_Backspace}));

  edit.SetValueInteger(99);
  EXPECT_EQ(edit.text(), "99");
}

TEST(KestNumberEditTest, KeyDownHandlerCanStopAKey) {
  TNumberEdit edit;
  edit.OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_5) key = 0;
  };
  QTest::keyClicks(&edit, "456");
  EXPECT_EQ(edit.text(), "46");
}

TEST(KestNumberEditTest, DeferredParsingWaitsForEnterOrFocusLoss) {
  TNumberEdit edit;
  edit.SetAllowImmediateValueChange(false);
  TEventLog log(edit);
  QTest::keyClicks(&edit, "42");
  EXPECT_EQ(edit.text(), "42");
  EXPECT_EQ(edit.ValueInteger(), 0);
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(edit.ValueInteger(), 42);

  QTest::keyClicks(&edit, "7");
  EXPECT_EQ(edit.ValueInteger(), 42);
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&edit, &focusOut);
  EXPECT_EQ(edit.ValueInteger(), 427);
  EXPECT_EQ(log.Events, (Strings{"changing 42 from 0 text 42", "change 42 text 42", "changing 427 from 42 text 427",
                                 "change 427 text 427"}));

  QTest::keyClicks(&edit, "1");
  edit.SetAllowImmediateValueChange(true);
  EXPECT_EQ(edit.ValueInteger(), 4271) << "switching to immediate parses the text";
}

TEST(KestNumberEditTest, FocusFromAnywhereButTheMouseSelectsTheWholeText) {
  // A page with a field, the label and number edit after it; another page.
  QTabWidget pages;
  auto* page = new QWidget;
  auto* before = new QLineEdit(page);
  auto* label = new QLabel("&Number", page);
  auto* edit = new TNumberEdit(page);
  label->setBuddy(edit);
  auto* layout = new QVBoxLayout(page);
  for (QWidget* widget : {static_cast<QWidget*>(before), static_cast<QWidget*>(label), static_cast<QWidget*>(edit)})
    layout->addWidget(widget);
  pages.addTab(page, "Here");
  pages.addTab(new QLineEdit, "There");
  edit->SetNumberStyle(nsHexadecimal);
  edit->SetDigits(6);
  edit->SetValueInteger(12);
  pages.show();
  pages.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&pages));

  const struct {
    const char* Way;
    std::function<void()> Enter;
    bool Selected;
  } cases[] = {
      {"Tab", [&] { QTest::keyClick(before, Qt::Key_Tab); }, true},
      {"label accelerator", [&] { QTest::keyClick(before, Qt::Key_N, Qt::AltModifier); }, true},
      {"program", [&] { edit->setFocus(); }, true},
      {"page switch",
       [&] {
         edit->setFocus();
         edit->deselect();
         pages.setCurrentIndex(1);
         pages.setCurrentIndex(0);
       },
       true},
      {"mouse click", [&] { QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center()); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Way);
    before->setFocus();
    c.Enter();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), c.Selected ? "00000C" : "");
  }
}
}  // namespace
