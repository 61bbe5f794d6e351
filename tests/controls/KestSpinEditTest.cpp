// SPDX-License-Identifier: MIT
#include "controls/KestSpinEdit.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "tests/support/MessageRecorder.h"

namespace {
using Strings = std::vector<std::string>;
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

// A window with a labelled spin edit between two plain fields, recording the
// spin edit's events with what it shows at each.
struct TSpinForm {
  TSpinForm() {
    auto* layout = new QHBoxLayout(&Window);
    auto* label = new QLabel("&From", &Window);
    label->setBuddy(Edit);
    layout->addWidget(label);
    layout->addWidget(Before);
    layout->addWidget(Edit);
    layout->addWidget(After);
    auto log = [this](const char* name) {
      return [this, name](QObject* sender) {
        EXPECT_TRUE(sender == Edit || sender == Up() || sender == Down()) << name;
        Events.push_back(name);
      };
    };
    Edit->OnChange = [this](QObject* sender) {
      EXPECT_EQ(sender, Edit);
      Events.push_back("change " + std::to_string(Edit->Value()) + " shown " + Edit->text().toStdString());
      if (Handler) Handler();
    };
    Edit->OnUpClicking = log("up clicking");
    Edit->OnUpClick = log("up click");
    Edit->OnDownClicking = log("down clicking");
    Edit->OnDownClick = log("down click");
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    Edit->setFocus();
  }

  void Range(std::int32_t min, std::int32_t max, std::int32_t value) {
    Edit->SetMinValue(min);
    Edit->SetMaxValue(max);
    Edit->SetValue(value);
    Events.clear();
  }

  // Replaces the text by typing, as a user would after selecting it all.
  void Type(const char* typed) {
    Edit->selectAll();
    QTest::keyClicks(Edit, typed);
  }

  QToolButton* Up() const { return Edit->findChild<QToolButton*>("SpinUpButton"); }
  QToolButton* Down() const { return Edit->findChild<QToolButton*>("SpinDownButton"); }

  QWidget Window;
  QLineEdit* Before = new QLineEdit(&Window);
  TBetterSpinEdit* Edit = new TBetterSpinEdit(&Window);
  QLineEdit* After = new QLineEdit(&Window);
  Strings Events;
  std::function<void()> Handler;
};

TEST(KestSpinEditTest, ValueIsClampedAndReportedBeforeTheTextChanges) {
  TSpinForm form;
  EXPECT_EQ(form.Edit->text(), "0");
  form.Edit->SetValue(-7);
  EXPECT_EQ(form.Edit->Value(), -7) << "equal bounds: no range";
  form.Range(0, 100, 0);
  form.Edit->SetValue(150);
  EXPECT_EQ(form.Events, Strings{"change 100 shown 0"});
  EXPECT_EQ(form.Edit->text(), "100");

  form.Events.clear();
  form.Type("7");
  form.Edit->SetValue(100);
  EXPECT_EQ(form.Events, Strings{}) << "the value it already holds";
  EXPECT_EQ(form.Edit->text(), "100") << "the text is rewritten all the same";

  form.Edit->SetMinValue(-10);
  form.Edit->SetMaxValue(20);
  EXPECT_EQ(form.Events, Strings{"change 20 shown 100"}) << "a new bound pulls the value in";
  EXPECT_EQ(form.Edit->text(), "20");
}

TEST(KestSpinEditTest, KeysAndTypedTextChangeTheValue) {
  struct Case {
    std::int32_t Value;
    std::int32_t Min;
    std::int32_t Max;
    const char* Typed;  // nullptr: nothing typed
    Qt::Key Key;
    std::int32_t Expected;
    const char* Shown;
    Strings Events;
  };
  const std::vector<Case> cases = {
      {10, 0, 100, "50", Qt::Key_Up, 51, "51", {"up clicking", "change 51 shown 50", "up click"}},
      {10, 0, 100, nullptr, Qt::Key_Down, 9, "9", {"down clicking", "change 9 shown 10", "down click"}},
      {0, 0, 100, nullptr, Qt::Key_Down, 0, "0", {"down clicking", "down click"}},
      {95, 0, 100, nullptr, Qt::Key_PageUp, 100, "100", {"up clicking", "change 100 shown 95", "up click"}},
      {50, 0, 100, nullptr, Qt::Key_PageDown, 40, "40", {"down clicking", "change 40 shown 50", "down click"}},
      {0, 0, 1000, "12-3", Qt::Key_Return, 123, "123", {"change 123 shown 12-3"}},
      {0, -100, 100, "--5", Qt::Key_Enter, -5, "-5", {"change -5 shown --5"}},
      {7, 0, 100, "4a.2 ", Qt::Key_Return, 42, "42", {"change 42 shown 42"}},
      {7, 0, 100, "7", Qt::Key_Return, 7, "7", {}},
      {30, 0, 100, "", Qt::Key_Up, 31, "31", {"up clicking", "change 31 shown ", "up click"}},
  };
  for (const Case& c : cases) {
    TSpinForm form;
    form.Range(c.Min, c.Max, c.Value);
    if (c.Typed) form.Type(c.Typed);
    if (c.Typed && !*c.Typed) QTest::keyClick(form.Edit, Qt::Key_Backspace);
    QTest::keyClick(form.Edit, c.Key);
    EXPECT_EQ(form.Edit->Value(), c.Expected) << c.Value << " " << (c.Typed ? c.Typed : "");
    EXPECT_EQ(form.Edit->text(), c.Shown) << c.Value << " " << (c.Typed ? c.Typed : "");
    EXPECT_EQ(form.Events, c.Events) << c.Value << " " << (c.Typed ? c.Typed : "");
  }
}

TEST(KestSpinEditTest, ArrowButtonsStepAndGiveTheFieldTheFocus) {
  TSpinForm form;
  form.Range(0, 100, 10);
  form.Edit->SetIncrement(5);
  form.After->setFocus();
  QTest::mouseClick(form.Up(), Qt::LeftButton);
  EXPECT_TRUE(form.Edit->hasFocus());
  QTest::mouseClick(form.Up(), Qt::LeftButton);
  QTest::mouseClick(form.Down(), Qt::LeftButton);
  EXPECT_EQ(form.Edit->Value(), 15);
  EXPECT_EQ(form.Events, (Strings{"up clicking", "change 15 shown 10", "up click", "up clicking",
                                  "change 20 shown 15", "up click", "down clicking", "change 15 shown 20",
                                  "down click"}));

  form.Events.clear();
  form.Edit->setReadOnly(true);
  QTest::keyClick(form.Edit, Qt::Key_Up);
  QTest::mouseClick(form.Down(), Qt::LeftButton);
  EXPECT_EQ(form.Edit->Value(), 15) << "a read-only field only beeps";
  EXPECT_EQ(form.Events, (Strings{"up clicking", "up click", "down clicking", "down click"}));
}

TEST(KestSpinEditTest, HeldArrowStopsWhenAStepOpensAModalBox) {
  TSpinForm form;
  form.Range(0, 100, 10);
  QDialog box(&form.Window);
  box.setModal(true);
  int steps = 0;
  form.Edit->OnUpClicking = [&](QObject*) {
    if (++steps == 1) box.show();
  };
  QTest::mousePress(form.Up(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Up()->isDown(); })) << "still repeating behind the box";
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(form.Edit->Value(), 11);
  box.hide();
}

TEST(KestSpinEditTest, StepPastTheThirtyTwoBitRangeIsAnError) {
  TSpinForm form;
  form.Range(0, Max32, Max32);
  EXPECT_THROW(form.Edit->StepUp(form.Edit), std::overflow_error);

  TMessageRecorder recorder;
  QTest::keyClick(form.Edit, Qt::Key_Up);
  QTest::mouseClick(form.Up(), Qt::LeftButton);
  ASSERT_EQ(recorder.Messages.size(), 2u);
  EXPECT_EQ(recorder.Messages[0].Text, "Integer overflow");
  EXPECT_EQ(form.Edit->Value(), Max32);
  EXPECT_EQ(form.Edit->text(), QString::number(Max32));
}

TEST(KestSpinEditTest, LeavingTheFieldCommitsUnlessTheSetterIsRunning) {
  TSpinForm form;
  form.Range(0, 100, 10);
  form.Type("60");
  QTest::keyClick(form.Edit, Qt::Key_Tab);
  EXPECT_TRUE(form.After->hasFocus());
  EXPECT_EQ(form.Events, Strings{"change 60 shown 60"});

  form.Edit->setFocus();
  form.Type("77");
  form.Events.clear();
  form.Handler = [&] { form.After->setFocus(); };
  form.Edit->SetValue(5);
  EXPECT_TRUE(form.After->hasFocus());
  EXPECT_EQ(form.Edit->Value(), 5);
  EXPECT_EQ(form.Edit->text(), "5");
  EXPECT_EQ(form.Events, Strings{"change 5 shown 77"}) << "the typed 77 is not committed on the way out";
}

TEST(KestSpinEditTest, OnlyAnEditableFieldTakesTypedCutOrPastedText) {
  struct Case {
    bool EditorEnabled;
    bool ReadOnly;
    const char* AfterTyping;
    const char* AfterPaste;
    std::int32_t AfterEnter;  // pasted text that is no number reads as 0, then the range applies
  };
  for (const Case& c : {Case{true, false, "37", "abc", 5}, Case{false, false, "12", "12", 12},
                        Case{true, true, "12", "12", 12}}) {
    TSpinForm form;
    form.Range(5, 100, 12);
    form.Edit->SetEditorEnabled(c.EditorEnabled);
    form.Edit->setReadOnly(c.ReadOnly);
    form.Type("37");
    EXPECT_EQ(form.Edit->text(), c.AfterTyping);
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) QTest::keyClick(form.Edit, key);
    form.Edit->SetValue(12);
    form.Edit->selectAll();
    ClipboardSetText("before");
    QTest::keyClick(form.Edit, Qt::Key_X, Qt::ControlModifier);
    const bool editable = c.EditorEnabled && !c.ReadOnly;
    EXPECT_EQ(form.Edit->text(), editable ? "" : "12");
    EXPECT_EQ(ClipboardText(), editable ? "12" : "before");

    ClipboardSetText("abc");
    form.Edit->selectAll();
    QTest::keyClick(form.Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Edit->text(), c.AfterPaste);
    form.Edit->selectAll();
    form.Edit->CopyToClipboard();
    EXPECT_EQ(ClipboardText(), c.AfterPaste);
    QTest::keyClick(form.Edit, Qt::Key_Return);
    EXPECT_EQ(form.Edit->Value(), c.AfterEnter);
  }
}

TEST(KestSpinEditTest, InfinityFreezesTheValue) {
  TSpinForm form;
  form.Range(0, 100, 12);
  const QFont font = form.Edit->font();
  form.Edit->SetInfinity(true);
  EXPECT_EQ(form.Edit->text(), QString(QChar(0x221E)));
  form.Edit->SetValue(50);
  QTest::keyClick(form.Edit, Qt::Key_Up);
  QTest::keyClick(form.Edit, Qt::Key_Return);
  EXPECT_EQ(form.Edit->Value(), 12);
  EXPECT_EQ(form.Edit->text(), QString(QChar(0x221E)));
  form.Edit->SetInfinity(false);
  EXPECT_EQ(form.Edit->text(), "12");
  EXPECT_EQ(form.Edit->font(), font);
  EXPECT_EQ(form.Events, (Strings{"up clicking", "up click"}));
}

TEST(KestSpinEditTest, LayoutKeepsTheTextClearOfTheButtons) {
  TBetterSpinEdit edit;
  edit.SetAlignment(taRightJustify);
  edit.SetValue(123456);
  edit.show();
  const auto up = edit.findChild<QToolButton*>("SpinUpButton");
  const auto down = edit.findChild<QToolButton*>("SpinDownButton");
  for (const QSize size : {QSize(20, 10), QSize(65, 21), QSize(157, 40)}) {
    edit.resize(size);
    EXPECT_EQ(edit.width(), std::max(33, size.width()));
    EXPECT_EQ(edit.height(), std::max(edit.MinimumHeight(), size.height()));
    edit.end(false);
    edit.grab();  // the line edit scrolls its text as it paints
    const QRect caret = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_LT(caret.right(), up->x()) << size.width();
    EXPECT_TRUE(edit.rect().contains(down->geometry())) << size.width();
    EXPECT_EQ(up->geometry().bottom() + 1, down->y());
  }
  const int smallHeight = edit.MinimumHeight();
  QFont big = edit.font();
  big.setPixelSize(30);
  edit.setFont(big);
  EXPECT_GT(edit.MinimumHeight(), smallHeight);
  EXPECT_GE(edit.height(), edit.MinimumHeight());
}

TEST(KestSpinEditTest, AssistiveTechnologyReadsTheLabelAndTheText) {
  TSpinForm form;
  form.Range(0, 100, 42);
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(form.Edit);
  EXPECT_EQ(field->text(QAccessible::Name), "From");
  ASSERT_NE(field->textInterface(), nullptr);
  EXPECT_EQ(field->textInterface()->text(0, field->textInterface()->characterCount()), "42");

  form.Before->setFocus();
  QTest::keyClick(form.Before, Qt::Key_Tab);
  EXPECT_TRUE(form.Edit->hasFocus());
  EXPECT_EQ(form.Edit->selectedText(), "42") << "entering by keyboard selects the text";
  QTest::keyClick(form.Edit, Qt::Key_Tab);
  EXPECT_TRUE(form.After->hasFocus()) << "the arrow buttons are no tab stops";
}
}  // namespace
