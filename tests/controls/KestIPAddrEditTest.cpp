// SPDX-License-Identifier: MIT
#include "controls/KestIPAddrEdit.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/Clipboard.h"
#include "tests/support/MessageRecorder.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using TEvents = std::vector<std::pair<int, int>>;  // field index, value

// A line edit, the address edit and another line edit, with the focus on the first.
struct TForm {
  TForm() {
    auto* layout = new QHBoxLayout(&Window);
    layout->addWidget(Label);
    layout->addWidget(Before);
    layout->addWidget(Edit);
    layout->addWidget(After);
    Edit->OnFieldChanged = [this](QObject* sender, int index, std::uint8_t& value) {
      EXPECT_EQ(sender, Edit);
      Events.emplace_back(index, value);
      if (Handler) Handler(index, value);
    };
    Edit->OnChange = [this](QObject* sender) {
      EXPECT_EQ(sender, Edit);
      ++Changes;
    };
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    Before->setFocus();
  }

  // What the fields show, as assistive technology reads it ("" when blank).
  QString Shown() const { return QAccessible::queryAccessibleInterface(Edit)->text(QAccessible::Value); }

  QAccessibleInterface* Field(int index) const { return QAccessible::queryAccessibleInterface(Edit)->child(index); }
  QPoint FieldCenter(int index) const { return Edit->mapFromGlobal(Field(index)->rect().center()); }

  void EnterByTab() {
    QTest::keyClick(Before, Qt::Key_Tab);
    EXPECT_TRUE(Edit->hasFocus());
  }

  // Sends a script to the focused widget: ← → ↖ ↘ are Left, Right, Home, End;
  // ⇤ is Shift+Left, ⌫ Backspace, ⌦ Delete, ⇥ Tab, ⏎ Enter, ⇧ a lone Shift; anything else is typed.
  void Press(const QString& script) {
    for (const QChar c : script) {
      QWidget* target = QApplication::focusWidget();
      ASSERT_NE(target, nullptr);
      switch (c.unicode()) {
        case u'←': QTest::keyClick(target, Qt::Key_Left); break;
        case u'→': QTest::keyClick(target, Qt::Key_Right); break;
        case u'↖': QTest::keyClick(target, Qt::Key_Home); break;
        case u'↘': QTest::keyClick(target, Qt::Key_End); break;
        case u'⇤': QTest::keyClick(target, Qt::Key_Left, Qt::ShiftModifier); break;
        case u'⌫': QTest::keyClick(target, Qt::Key_Backspace); break;
        case u'⌦': QTest::keyClick(target, Qt::Key_Delete); break;
        case u'⇥': QTest::keyClick(target, Qt::Key_Tab); break;
        case u'⏎': QTest::keyClick(target, Qt::Key_Return); break;
        case u'⇧': QTest::keyClick(target, Qt::Key_Shift); break;
        default: QTest::keyClicks(target, QString(c));
      }
    }
  }

  TEvents Events;
  int Changes = 0;
  std::function<void(int, std::uint8_t&)> Handler;
  QWidget Window;  // destroyed before the records above
  QLabel* Label = new QLabel(QStringLiteral("&Host"));
  QLineEdit* Before = new QLineEdit;
  TIPAddressEdit* Edit = new TIPAddressEdit;
  QLineEdit* After = new QLineEdit;
};

TEST(IPAddressEdit, NewControlIsBlankAndOneFocusStop) {
  TForm form;
  EXPECT_TRUE(form.Edit->IsBlank());
  EXPECT_EQ(form.Edit->Address(), 0u);
  EXPECT_EQ(form.Edit->AddressString(), "0.0.0.0");
  EXPECT_EQ(form.Shown(), "");
  EXPECT_EQ(TIPAddressEdit().size(), QSize(121, 21));

  form.EnterByTab();
  form.Press("1→→");  // inside the control, in its third field
  QTest::keyClick(form.Edit, Qt::Key_Tab);
  EXPECT_TRUE(form.After->hasFocus());
  QTest::keyClick(form.After, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_TRUE(form.Edit->hasFocus());
  QTest::keyClick(form.Edit, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_TRUE(form.Before->hasFocus());
}

TEST(IPAddressEdit, AddressConversions) {
  const struct {
    QString Text;
    std::uint32_t Address;
    QString Shown;
  } cases[] = {
      {"0.0.0.0", 0, "0.0.0.0"},
      {"10.1.2.3", 0x0A010203, "10.1.2.3"},
      {"128.15.10.5", 0x800F0A05, "128.15.10.5"},
      {"not an address", 0xFFFFFFFF, "255.255.255.255"},
      {"256.1.1.1", 0xFFFFFFFF, "255.255.255.255"},
      {QString("1.2.3.4") + QChar(u'\0') + "junk", 0xFFFFFFFF, "255.255.255.255"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    TIPAddressEdit edit;
    edit.SetAddressString(c.Text);
    EXPECT_FALSE(edit.IsBlank());
    EXPECT_EQ(edit.Address(), c.Address);
    EXPECT_EQ(edit.NetworkAddress(), htonl(c.Address));
    EXPECT_EQ(edit.AddressString(), c.Shown);
    EXPECT_EQ(edit.GetField(0), c.Address >> 24);
    EXPECT_EQ(edit.GetField(3), c.Address & 0xFF);
  }
  TIPAddressEdit edit;
  edit.SetNetworkAddress(htonl(0xC0A80001));
  EXPECT_EQ(edit.AddressString(), "192.168.0.1");
}

TEST(IPAddressEdit, ProgrammaticChangesRaiseNoFieldEvent) {
  TForm form;
  TIPAddressEdit& edit = *form.Edit;
  edit.SetField(1, 7);  // a blank control takes the whole address
  EXPECT_EQ(form.Shown(), "0.7.0.0");
  edit.SetAddressString("127.0.0.1");
  edit.SetField(0, 126);
  EXPECT_EQ(edit.AddressString(), "126.0.0.1");
  EXPECT_EQ(edit.GetField(3), 1);
  edit.SetField(4, 9);
  edit.SetAddress(0x7E000001);  // unchanged
  EXPECT_EQ(edit.AddressString(), "126.0.0.1");
  edit.SetNetworkAddress(htonl(0x0A000001));
  EXPECT_EQ(form.Changes, 4);
  EXPECT_TRUE(form.Events.empty());
}

TEST(IPAddressEdit, TypingRaisesOneEventPerChangedFieldWhenDone) {
  const struct {
    QString Keys;
    QString Shown;
    TEvents Events;
  } cases[] = {
      {"127⇥", "127...", {{0, 127}}},
      {"12⇥", "12...", {{0, 12}}},
      {"1.2.3.4⇥", "1.2.3.4", {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
      {"10.1.2.3", "10.1.2.3", {}},  // still in the control
      {"10.1.2.3⏎", "10.1.2.3", {{0, 10}, {1, 1}, {2, 2}, {3, 3}}},
      {"300⇥", "255...", {{0, 255}}},
      {"1.2.3.999", "1.2.3.255", {}},  // clamped while still in the field
      {"4.999⇥", "4.255..", {{0, 4}, {1, 255}}},
      {"1a2-b ,x⇥", "12...", {{0, 12}}},
      {"12345⇥", "123.45..", {{0, 123}, {1, 45}}},
      {"007⇥", "7...", {{0, 7}}},
      {"1⌫2⇥", "2...", {{0, 2}}},
      {"..", "", {}},
      {"255255255255⇥", "255.255.255.255", {{0, 255}, {1, 255}, {2, 255}, {3, 255}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys.toStdString());
    TForm form;
    form.EnterByTab();
    form.Press(c.Keys);
    EXPECT_EQ(form.Shown(), c.Shown);
    EXPECT_EQ(form.Events, c.Events);
  }
}

TEST(IPAddressEdit, NavigationKeys) {
  const struct {
    QString Keys;
    QString Shown;
  } cases[] = {
      {"9", "9.2.3.4"},           // entering selects the first field
      {"→→9", "1.92.3.4"},        // Right at the end goes to the start of the next field
      {"↘9", "1.2.3.49"},         // End: end of the last field
      {"↘↖9", "91.2.3.4"},        // Home: start of the first field
      {"↘←←9", "1.2.39.4"},       // Left at the start goes to the end of the previous field
      {"↘⌫⌫9", "1.2.39."},        // Backspace in an empty field goes back
      {"↘←⌫9", "1.2.39.4"},       // ... and so does Backspace at a field's start
      {"↖⌦7", "7.2.3.4"},
      {"↘⇤9", "1.2.3.9"},
      {"→←9", "91.2.3.4"},
      {"..⌫9", "1.2.9.4"},
      {"123←←4", "123.4.3.4"},     // a full field hands further digits on
      {"123←←←5", "123.2.3.4"},    // ... but takes none in its middle
      {"123..4", "123.2.4.4"},     // one "." after an automatic advance is swallowed, not two
      {"123⇧.9", "123.9.3.4"},     // ... also when Shift is pressed for it
      {"123←.9", "123.2.9.4"},     // any other key ends the advance
      {"1234.5", "123.4.5.4"},     // ... and so does a digit typed into the new field
      {"12.345.6", "12.255.6.4"},  // a field clamped on its third digit advances the same way
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys.toStdString());
    TForm form;
    form.Edit->SetAddressString("1.2.3.4");
    form.EnterByTab();
    form.Press(c.Keys);
    EXPECT_EQ(form.Shown(), c.Shown);
  }
  TForm form;
  form.Edit->SetAddressString("1.2.3.4");
  form.After->setFocus();
  QTest::keyClick(form.After, Qt::Key_Tab, Qt::ShiftModifier);  // from behind: the last field
  form.Press("9");
  EXPECT_EQ(form.Shown(), "1.2.3.9");
}

TEST(IPAddressEdit, TypedDottedAddressReplacesWhatTheFieldsHeld) {
  const QString previous[] = {"", "10.1.2.3", "1.15.7.99", "192.168.100.1"};
  const QString typed[] = {"192.168.100.1", "172.16.5.4", "10.200.3.4", "10.1.2.3"};
  const struct {
    const char* Name;
    std::function<void(TForm&)> Enter;
  } entries[] = {
      {"Tab", [](TForm& f) { f.EnterByTab(); }},
      {"label accelerator", [](TForm& f) { QTest::keyClick(f.Before, Qt::Key_H, Qt::AltModifier); }},
  };
  for (const auto& entry : entries) {
    for (const QString& start : previous) {
      for (const QString& address : typed) {
        SCOPED_TRACE(std::string(entry.Name) + " over \"" + start.toStdString() + "\": " + address.toStdString());
        TForm form;
        form.Label->setBuddy(form.Edit);
        if (!start.isEmpty()) form.Edit->SetAddressString(start);
        entry.Enter(form);
        ASSERT_TRUE(form.Edit->hasFocus());
        form.Press(address + "⇥");
        EXPECT_EQ(form.Shown(), address);
        EXPECT_TRUE(form.After->hasFocus());
        // One event for each field whose value the typing changed.
        const QStringList before = start.split('.');
        const QStringList after = address.split('.');
        TEvents expected;
        for (int index = 0; index < 4; ++index)
          if (start.isEmpty() || before[index] != after[index]) expected.emplace_back(index, after[index].toInt());
        EXPECT_EQ(form.Events, expected);
      }
    }
  }
}

TEST(IPAddressEdit, LeavingTheControlOrEnterRaisesTheEventsMovingBetweenFieldsNone) {
  const struct {
    const char* Name;
    std::function<void(TForm&)> Leave;
    bool Done;
  } cases[] = {
      {"Tab", [](TForm& f) { f.Press("⇥"); }, true},
      {"Shift+Tab", [](TForm& f) { QTest::keyClick(f.Edit, Qt::Key_Tab, Qt::ShiftModifier); }, true},
      {"click elsewhere", [](TForm& f) { QTest::mouseClick(f.After, Qt::LeftButton); }, true},
      {"Enter", [](TForm& f) { f.Press("⏎"); }, true},
      {"click another field", [](TForm& f) { QTest::mouseClick(f.Edit, Qt::LeftButton, {}, f.FieldCenter(2)); }, false},
      {"Right", [](TForm& f) { f.Press("→"); }, false},
      {"dot", [](TForm& f) { f.Press("."); }, false},
      {"End", [](TForm& f) { f.Press("↘"); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TForm form;
    form.EnterByTab();
    form.Press("012");
    EXPECT_TRUE(form.Events.empty());
    c.Leave(form);
    EXPECT_EQ(form.Shown(), "12...");
    EXPECT_EQ(form.Events, (c.Done ? TEvents{{0, 12}} : TEvents{}));
  }

  TForm form;  // clicking a field puts the caret there
  form.Edit->SetAddressString("1.2.3.4");
  QTest::mouseClick(form.Edit, Qt::LeftButton, {}, form.FieldCenter(2) + QPoint(10, 0));
  EXPECT_TRUE(form.Edit->hasFocus());
  form.Press("9");
  EXPECT_EQ(form.Shown(), "1.2.39.4");
}

TEST(IPAddressEdit, UnchangedOrEmptiedFieldRaisesNoEvent) {
  TForm form;
  form.Edit->SetAddressString("1.2.3.4");
  form.EnterByTab();
  form.Press("1→⌦⇥");
  EXPECT_EQ(form.Shown(), "1..3.4");
  EXPECT_EQ(form.Edit->Address(), 0x01000304u);
  EXPECT_FALSE(form.Edit->IsBlank());
  EXPECT_TRUE(form.Events.empty());
}

TEST(IPAddressEdit, HandlerMayCorrectTheValue) {
  TForm form;
  form.Handler = [](int index, std::uint8_t& value) {
    if (index == 0) value = 223;
  };
  form.EnterByTab();
  form.Press("127⏎");
  EXPECT_EQ(form.Shown(), "223...");
  form.Press("5");  // the caret went on to the next field
  EXPECT_EQ(form.Shown(), "223.5..");
}

TEST(IPAddressEdit, HandlerMaySetTheAddressAndMoveTheFocus) {
  TForm form;
  form.Edit->SetAddressString("10.0.0.1");
  form.Handler = [&form](int index, std::uint8_t& value) {
    if (index != 0 || value != 127) return;
    form.After->setFocus();  // as a message box explaining the correction would
    form.Edit->SetField(0, 126);
    value = 126;
  };
  form.EnterByTab();
  form.Press("127⏎");
  EXPECT_EQ(form.Edit->AddressString(), "126.0.0.1");
  EXPECT_EQ(form.Events, (TEvents{{0, 127}}));
  EXPECT_TRUE(form.After->hasFocus());
}

TEST(IPAddressEdit, FailingHandlerLeavesLaterEventsWorking) {
  for (const bool byMouse : {false, true}) {
    SCOPED_TRACE(byMouse ? "control left by a click" : "Enter");
    TMessageRecorder recorder;
    TForm form;
    form.Handler = [&form](int, std::uint8_t&) {
      if (form.Events.size() == 1) throw std::runtime_error("handler failed");
    };
    const auto finish = [&] {
      if (byMouse) {
        QTest::mouseClick(form.After, Qt::LeftButton);
        QTest::mouseClick(form.Edit, Qt::LeftButton, {}, form.FieldCenter(0));
        form.Press("↖→");
      } else {
        form.Press("⏎");
      }
    };
    form.EnterByTab();
    form.Press("1");
    finish();  // the caret is at the end of the first field
    form.Press("2");
    finish();
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_EQ(recorder.Messages[0].Text, "handler failed");
    EXPECT_EQ(form.Events, (TEvents{{0, 1}, {0, 12}}));
  }
}

TEST(IPAddressEdit, TypingTellsTheOwnerOfEachCompleteAddress) {
  // The owner takes every address but one whose first field reads 127.
  const struct {
    QString Keys;
    QString TypedMeanwhile;  // by the owner's first handling, as a key let through
    QStringList Typed;
    TEvents Changed;  // on leaving
  } cases[] = {
      {"10.20⇥", "", {"10.2.3.4", "10.20.3.4"}, {}},  // typing 1 over 1 changes no value
      {"127.5⇥", "", {"12.2.3.4", "127.2.3.4", "127.5.3.4"}, {{0, 127}, {1, 5}}},
      {"127←←⌫⇥", "", {"12.2.3.4", "127.2.3.4", "12.2.3.4"}, {}},
      {"↘⌫9⇥", "", {"1.2.3.9"}, {}},  // an emptied field leaves the address incomplete
      {"10⇥", "5", {"10.2.3.4", "105.2.3.4"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys.toStdString());
    TForm form;
    form.Edit->SetAddressString("1.2.3.4");
    QStringList typed;
    form.Edit->OnAddressTyped = [&](QObject* sender) {
      EXPECT_EQ(sender, form.Edit);
      typed << form.Edit->AddressString();
      if (typed.size() == 1) QTest::keyClicks(form.Edit, c.TypedMeanwhile);
      return form.Edit->GetField(0) != 127;
    };
    form.EnterByTab();
    form.Press(c.Keys);
    EXPECT_EQ(typed, c.Typed);
    EXPECT_EQ(form.Events, c.Changed);
  }
}

TEST(IPAddressEdit, Paste) {
  const struct {
    QString Clipboard;
    QString Start;  // "" for a blank control
    QString Shown;
    TEvents Events;
    std::vector<int> Masks;  // mask bits reported after the fields
  } cases[] = {
      {"10.20.30.40", "", "10.20.30.40", {{0, 10}, {1, 20}, {2, 30}, {3, 40}}, {}},
      {" 10.1.2.3\r\n", "10.1.9.3", "10.1.2.3", {{2, 2}}, {}},
      {"10.1.2.3", "10.1.2.3", "10.1.2.3", {}, {}},
      {"192.168.7.9/24", "192.168.1.9", "192.168.7.9", {{2, 7}}, {24}},
      {"10.1.2.3 255.255.0.0", "10.1.2.3", "10.1.2.3", {}, {16}},
      {"12", "", "12...", {}, {}},
      {"1.2.3", "", "", {}, {}},
      {"1.2.3.400", "", "", {}, {}},
      {"1.2.3.4/40", "", "", {}, {}},
      {"1234", "", "", {}, {}},
      {"abc", "", "", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Clipboard.toStdString());
    TForm form;
    std::vector<int> masks;
    form.Edit->OnMaskPasted = [&](QObject*, int maskBits) {
      EXPECT_EQ(form.Events, c.Events) << "the fields come first";
      masks.push_back(maskBits);
    };
    if (!c.Start.isEmpty()) form.Edit->SetAddressString(c.Start);
    ClipboardSetText(c.Clipboard);
    form.EnterByTab();
    QTest::keyClick(form.Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Shown(), c.Shown);
    EXPECT_EQ(form.Events, c.Events);
    EXPECT_EQ(masks, c.Masks);
  }
}

TEST(IPAddressEdit, ContextMenuPastesAndCopies) {
  TForm form;
  ClipboardSetText("172.16.0.9");
  form.EnterByTab();
  const auto choose = [&form](const QString& item) {
    QTimer::singleShot(0, [item] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions())
        if (action->text() == item && action->isEnabled()) action->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, form.FieldCenter(0), form.Edit->mapToGlobal(form.FieldCenter(0)));
    QApplication::sendEvent(form.Edit, &event);
  };
  choose("&Paste");
  EXPECT_EQ(form.Edit->Address(), 0xAC100009u);
  ClipboardSetText("");
  form.Edit->SetField(3, 10);
  choose("&Copy");
  EXPECT_EQ(ClipboardText(), "172.16.0.10");
}

TEST(IPAddressEdit, CopyPutsTheWholeAddressOnTheClipboard) {
  TForm form;
  form.Edit->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "0.0.0.0");
  form.Edit->SetAddressString("192.168.1.20");
  form.EnterByTab();
  QTest::keyClick(form.Edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), "192.168.1.20");
}

TEST(IPAddressEdit, RecreatingKeepsTheAddressOrTheBlankState) {
  for (const QString start : {"", "0.0.0.0", "10.1.2.3"}) {
    SCOPED_TRACE(start.toStdString());
    TForm form;
    if (!start.isEmpty()) form.Edit->SetAddressString(start);
    const int changes = form.Changes;
    form.Edit->RecreateWnd();
    EXPECT_EQ(form.Edit->IsBlank(), start.isEmpty());
    EXPECT_EQ(form.Shown(), start);
    EXPECT_EQ(form.Changes, changes);
  }
  TForm form;  // a value still being typed is reported and kept
  form.EnterByTab();
  form.Press("12");
  form.Edit->RecreateWnd();
  EXPECT_EQ(form.Events, (TEvents{{0, 12}}));
  EXPECT_EQ(form.Edit->AddressString(), "12.0.0.0");
  form.Press("9");
  EXPECT_EQ(form.Shown(), "129.0.0.0");
}

TEST(IPAddressEdit, AccessibleFieldsAndText) {
  TForm form;
  QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(form.Edit);
  ASSERT_EQ(edit->childCount(), 4);
  EXPECT_EQ(edit->child(0)->text(QAccessible::Name), "IP address field 1");
  form.Label->setBuddy(form.Edit);
  EXPECT_EQ(edit->child(3)->text(QAccessible::Name), "Host field 4");
  form.Edit->setAccessibleName("Gateway");
  EXPECT_EQ(edit->child(1)->text(QAccessible::Name), "Gateway field 2");
  EXPECT_EQ(edit->indexOfChild(edit->child(2)), 2);
  EXPECT_EQ(edit->child(2)->parent(), edit);

  form.Edit->SetAddressString("10.20.30.40");
  EXPECT_EQ(edit->child(1)->text(QAccessible::Value), "20");
  EXPECT_EQ(edit->child(1)->textInterface()->text(0, 2), "20");
  EXPECT_EQ(edit->textInterface()->text(0, 11), "10.20.30.40");
  form.EnterByTab();
  EXPECT_TRUE(edit->child(0)->state().focused);
  EXPECT_EQ(edit->focusChild(), edit->child(0));
}

TEST(IPAddressEdit, FollowsTheParentFontAndSpreadsItsFields) {
  TForm form;
  QFont large = form.Window.font();
  large.setPointSize(large.pointSize() * 3);
  form.Window.setFont(large);
  EXPECT_EQ(form.Edit->font(), large);
  EXPECT_GT(form.Edit->sizeHint().width(), 121);
  for (const int width : {121, 200, 403}) {
    SCOPED_TRACE(width);
    form.Edit->resize(width, form.Edit->height());
    int previousRight = -1;
    for (int index = 0; index < 4; ++index) {
      const QRect field = form.Field(index)->rect();
      EXPECT_NEAR(field.width(), form.Field(0)->rect().width(), 1);
      EXPECT_GT(field.left(), previousRight);
      previousRight = field.right();
    }
  }
}

}  // namespace
