// SPDX-License-Identifier: MIT
#include "radix/BitWorkbenchPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "platform/RadioGroup.h"
#include "radix/BitGrid.h"

namespace {
constexpr const char* Key = "Software\\Test\\Workbench";

class BitWorkbenchPageTest : public testing::Test {
 protected:
  BitWorkbenchPageTest() {
    Page.resize(400, 1600);
    Page.show();
    Page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Page));
  }
  QLineEdit* Field(int base) const {
    for (const auto& f : Page.Fields)
      if (f.Base == base) return f.Edit;
    return nullptr;
  }
  void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  QPushButton* Button(const QString& caption) const {
    for (auto* b : Page.findChildren<QPushButton*>())
      if (b->text() == caption) return b;
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
  }
  std::string Text(const QLineEdit* edit) const { return edit->text().toStdString(); }

  TBitWorkbenchPage Page{nullptr};
};

TEST_F(BitWorkbenchPageTest, ATypedNumberShowsInEveryBaseOrSaysWhyNot) {
  Type(Field(16), "0xDEAD_BEEF");
  EXPECT_EQ(Text(Field(10)), "3735928559");
  EXPECT_EQ(Text(Field(8)), "33653337357");
  EXPECT_EQ(Text(Field(2)), "1101 1110 1010 1101 1011 1110 1110 1111");
  EXPECT_EQ(Text(Page.CharactersEdit), "\xC3\x9E.\xC2\xBE\xC3\xAF");  // Þ, a dot for the soft hyphen, ¾, ï
  EXPECT_EQ(Text(Page.FloatKindEdit), "normal");
  EXPECT_EQ(Text(Page.FloatShortestEdit), "-6.2598534e+18");

  Type(Field(10), "4294967296");
  const std::string tooLarge = "Too large for 32 bits: at most 4294967295";
  QLineEdit* error = Page.Fields[1].Error;
  EXPECT_EQ(Text(error), tooLarge);
  EXPECT_TRUE(error->isVisible());
  QTest::keyClick(Field(10), Qt::Key_Tab);  // leaving gives back the word from before
  EXPECT_EQ(Text(Field(10)), "3735928559");
  EXPECT_EQ(Text(Field(16)), "DE AD BE EF");
  EXPECT_EQ(Text(error), tooLarge);
  Type(Field(10), "7");
  EXPECT_FALSE(error->isVisible());
  EXPECT_EQ(Page.History().Entries().front().How, "typed in hexadecimal");
}

TEST_F(BitWorkbenchPageTest, SignedWidthsAndOperations) {
  Page.findChild<TRadioGroup*>("BitWidthGroup")->Item(1)->click();  // 16 bits
  Page.SignedCheckBox->setChecked(true);
  Type(Field(10), "-2");
  EXPECT_EQ(Text(Field(16)), "FF FE");
  struct Step {
    const char* Button;
    const char* Hex;
  };
  const Step steps[] = {{"Byte swap", "FE FF"}, {"Arith. right", "FF 7F"}, {"Shift right", "7F BF"},
                        {"Rotate left", "FF 7E"}, {"NOT", "00 81"},       {"Negate", "FF 7F"},
                        {"AND", "00 7F"},         {"Reverse bits", "FE 00"}, {"Reverse in bytes", "7F 00"}};
  for (const auto& step : steps) {
    Button(step.Button)->click();
    EXPECT_EQ(Text(Field(16)), step.Hex) << step.Button;
  }
  EXPECT_EQ(Text(Field(10)), "32512");
  EXPECT_EQ(Text(Page.CountsEdit), "7 set, 1 leading zeros, 8 trailing zeros");
  EXPECT_EQ(Page.History().Entries().front().How, "Reverse in bytes");
  EXPECT_EQ(Page.History().Entries()[2].How, "AND 00FF");
}

TEST_F(BitWorkbenchPageTest, BitsToggleFromTheKeyboardAndTheMouse) {
  Page.SetWord(0, "start");
  QAbstractButton* top = Page.BitGrid->BitButton(31);
  EXPECT_EQ(top->accessibleName().toStdString(), "bit 31");
  top->setFocus();
  QTest::keyClick(top, Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Text(Field(16)), "C0 00 00 00");
  EXPECT_TRUE(top->isChecked());
  QTest::mouseClick(Page.BitGrid->BitButton(0), Qt::LeftButton);
  EXPECT_EQ(Text(Field(16)), "C0 00 00 01");
  EXPECT_EQ(Page.History().Entries().front().How, "bit 0 set");
  Page.BitGrid->BitButton(31)->toggle();  // as assistive technology does
  EXPECT_EQ(Text(Field(16)), "40 00 00 01");

  // Dragging from bit 4 to bit 1 sets the run; starting on a set bit clears one.
  auto centre = [this](int bit) { return Page.BitGrid->BitButton(bit)->rect().center(); };
  QTest::mousePress(Page.BitGrid->BitButton(4), Qt::LeftButton, {}, centre(4));
  QMouseEvent move(QEvent::MouseMove, centre(4), Page.BitGrid->BitButton(1)->mapToGlobal(centre(1)), Qt::NoButton,
                   Qt::LeftButton, {});
  QApplication::sendEvent(Page.BitGrid->BitButton(4), &move);
  QTest::mouseRelease(Page.BitGrid->BitButton(4), Qt::LeftButton, {}, centre(4));
  EXPECT_EQ(Text(Field(16)), "40 00 00 1F");
  EXPECT_EQ(Page.History().Entries().front().How, "bits 1 to 4 set");
}

TEST_F(BitWorkbenchPageTest, ADecimalBecomesItsNearestFloat) {
  Type(Page.FloatInputEdit, "0.1");
  EXPECT_EQ(Text(Field(16)), "3D CC CC CD");
  EXPECT_EQ(Page.FloatNoteLabel->text().toStdString(), "Inexact: rounded to the nearest, ties to even");
  Page.findChild<TRadioGroup*>("BitWidthGroup")->Item(1)->click();  // half precision
  Type(Page.FloatInputEdit, "1e6");
  EXPECT_EQ(Text(Field(16)), "7C 00");
  EXPECT_EQ(Page.FloatNoteLabel->text().toStdString(), "Out of range: rounded to infinity");
  Type(Page.FloatInputEdit, "1.5");
  EXPECT_EQ(Text(Field(16)), "3E 00");
  EXPECT_EQ(Text(Page.FloatExponentEdit), "15 raw, 0 unbiased");
  EXPECT_EQ(Page.FloatNoteLabel->text().toStdString(), "Exact");
}

TEST_F(BitWorkbenchPageTest, HistoryIsRestoredCopiedAndKeptAcrossRuns) {
  Page.SetWord(0x1234, "first");
  Page.SetWord(0x5678, "second");
  Page.HistoryList->setCurrentRow(1);
  Button("&Restore")->click();
  EXPECT_EQ(Text(Field(16)), "00 00 12 34");
  EXPECT_EQ(Page.History().Entries().front().How, "restored: first");
  Page.HistoryList->setCurrentRow(0);
  Button("Cop&y entry")->click();
  EXPECT_EQ(ClipboardText().toStdString(), "00 00 12 34  (32 bits): restored: first");
  Page.Fields[0].ClipboardButton->click();
  EXPECT_EQ(ClipboardText().toStdString(), "00001234");

  Page.SaveSettings(Key);
  TBitWorkbenchPage later(nullptr);
  later.LoadSettings(Key);
  EXPECT_EQ(later.History().Entries(), Page.History().Entries());
  EXPECT_EQ(later.Bits(), 0x1234u);
}
}  // namespace
