// SPDX-License-Identifier: MIT
#include "radix/RadixerCalculator.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/KestLabel.h"
#include "controls/KestStringGrid.h"
#include "controls/KestNumberEdit.h"
#include "platform/Clipboard.h"
#include "platform/RadioGroup.h"

namespace {
class RadixerCalculatorTest : public testing::Test {
 protected:
  RadixerCalculatorTest() : Calculator(std::make_unique<TRadixerCalculator>(Loading, nullptr)) {
    Loading = true;
    Calculator->InitRadixerCalculator();
    Loading = false;
    Dec = Find<TNumberEdit>("DecNumberEdit");
    Hex = Find<TNumberEdit>("HexNumberEdit");
    Bin = Find<TNumberEdit>("BinNumberEdit");
    Oct = Find<TNumberEdit>("OctNumberEdit");
  }

  template <typename T>
  T* Find(const char* name) const {
    T* child = Calculator->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  void SelectWidth(int item) {
    QTest::mouseClick(Find<TRadioGroup>("NumberWidthGroup")->Item(item), Qt::LeftButton);
  }

  void Click(const char* button) { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }

  // The four fields' texts, decimal first.
  std::vector<std::string> Shown() const {
    return {Dec->text().toStdString(), Hex->text().toStdString(), Bin->text().toStdString(),
            Oct->text().toStdString()};
  }

  bool Loading = false;
  std::unique_ptr<TRadixerCalculator> Calculator;
  TNumberEdit* Dec;
  TNumberEdit* Hex;
  TNumberEdit* Bin;
  TNumberEdit* Oct;
};

using Texts = std::vector<std::string>;

TEST_F(RadixerCalculatorTest, StartsWithTheSampleNumberAt32Bits) {
  EXPECT_EQ(Shown(), (Texts{"1438715774", "55C10F7E", "01010101110000010000111101111110", "12560207576"}));
  EXPECT_EQ(Find<TRadioGroup>("NumberWidthGroup")->ItemIndex(), 2);
  for (TNumberEdit* edit : {Dec, Hex, Bin, Oct}) EXPECT_EQ(edit->ValueInteger(), 1438715774);

  const std::map<TNumberEdit*, QString> hints = {
      {Dec, "Enter a number between 0 and 4294967295"},
      {Hex, "Enter a number between 00000000 and FFFFFFFF"},
      {Bin, "Enter a number between " + QString(32, '0') + " and " + QString(32, '1')},
      {Oct, "Enter a number between 00000000000 and 37777777777"}};
  for (auto [edit, hint] : hints) {
    EXPECT_EQ(edit->toolTip(), hint) << edit->objectName().toStdString();
    EXPECT_EQ(edit->statusTip(), hint) << edit->objectName().toStdString();
  }
}

TEST_F(RadixerCalculatorTest, PagesInOrderWithTheConverterShown) {
  auto* pages = Find<QTabWidget>("RadixerPageControl");
  ASSERT_EQ(pages->count(), 6);
  const char* names[] = {"BaseConverterTabSheet", "BaseLookupTabSheet", "BitSwapperTabSheet", "OUIFinderTabSheet",
                         "MacAddressTabSheet", "BitWorkbenchTabSheet"};
  const char* captions[] = {"Base Converter", "Base Lookup", "Bit-Swapper", "OUI Finder", "MAC", "Bits"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
    EXPECT_EQ(pages->tabText(i), captions[i]);
  }
  EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(RadixerCalculatorTest, LookupTableHasItsTitlesAndWaitsToBeFilled) {
  auto* grid = Find<TSuperStringGrid>("LookupStringGrid");
  ASSERT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->FixedRows(), 1);
  const char* titles[] = {"Decimal", "Hexadecimal", "Binary", "Octal"};
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ(grid->Cells(column, 0), titles[column]);
    EXPECT_EQ(grid->ColumnAlignment(column), taRightJustify) << column;
  }
  EXPECT_TRUE(Calculator->LookupTableStale);
  EXPECT_EQ(grid->Cells(0, 1), "") << "not filled while the converter is shown";
}

TEST_F(RadixerCalculatorTest, WidthKeepsTheLowBitsAndPadsTheFixedBases) {
  struct Step {
    int Item;
    Texts Expected;
    std::vector<int> MaxLengths;
    const char* HexHint;
    bool ByCode = false;  // checked by code or assistive technology instead of a click
  };
  const std::vector<Step> steps = {
      {0, {"126", "7E", "01111110", "176"}, {3, 2, 8, 3}, "Enter a number between 00 and FF"},
      {2,
       {"126", "0000007E", "00000000000000000000000001111110", "00000000176"},
       {10, 8, 32, 11},
       "Enter a number between 00000000 and FFFFFFFF"},
      {1, {"126", "007E", "0000000001111110", "000176"}, {5, 4, 16, 6}, "Enter a number between 0000 and FFFF", true},
  };
  for (const Step& step : steps) {
    if (step.ByCode)
      Find<TRadioGroup>("NumberWidthGroup")->Item(step.Item)->setChecked(true);
    else
      SelectWidth(step.Item);
    EXPECT_EQ(Shown(), step.Expected) << "item " << step.Item;
    EXPECT_EQ((std::vector<int>{Dec->MaxLength(), Hex->MaxLength(), Bin->MaxLength(), Oct->MaxLength()}),
              step.MaxLengths)
        << "item " << step.Item;
    EXPECT_EQ(Hex->toolTip(), step.HexHint) << "item " << step.Item;
    EXPECT_EQ(Dec->Digits(), -1);
  }
}

TEST_F(RadixerCalculatorTest, SixteenBitsFromTheStart) {
  SelectWidth(1);
  EXPECT_EQ(Shown(), (Texts{"3966", "0F7E", "0000111101111110", "007576"}));
  EXPECT_EQ(Oct->toolTip(), "Enter a number between 000000 and 177777");
}

TEST_F(RadixerCalculatorTest, TypedValueAboveTheWidthIsClamped) {
  SelectWidth(0);
  Dec->selectAll();
  QTest::keyClicks(Dec, "300");
  EXPECT_EQ(Shown(), (Texts{"255", "FF", "11111111", "377"}));

  SelectWidth(2);
  Hex->selectAll();
  QTest::keyClicks(Hex, "1ff");
  EXPECT_EQ(Shown(), (Texts{"511", "000001FF", "00000000000000000000000111111111", "00000000777"}));
}

TEST_F(RadixerCalculatorTest, TypingIntoAPaddedFieldShiftsItsDigits) {
  SelectWidth(1);
  Hex->end(false);
  QTest::keyClicks(Hex, "A");
  EXPECT_EQ(Shown(), (Texts{"63466", "F7EA", "1111011111101010", "173752"}));
  QTest::keyClicks(Hex, "B");
  EXPECT_EQ(Hex->text(), "F7EA") << "a full field takes no more digits";
}

TEST_F(RadixerCalculatorTest, InvertAndClear) {
  Click("InvertButton");
  EXPECT_EQ(Shown(), (Texts{"2856251521", "AA3EF081", "10101010001111101111000010000001", "25217570201"}));
  Click("InvertButton");
  EXPECT_EQ(Dec->text(), "1438715774") << "inverting twice gives the value back";

  Click("ClearButton");
  EXPECT_EQ(Shown(), (Texts{"0", "00000000", std::string(32, '0'), std::string(11, '0')}));
  Click("InvertButton");
  EXPECT_EQ(Shown(), (Texts{"4294967295", "FFFFFFFF", std::string(32, '1'), "37777777777"}));

  SelectWidth(0);
  Dec->SetValueInteger(126);
  Click("InvertButton");
  EXPECT_EQ(Dec->text(), "129");
  SelectWidth(1);
  Dec->SetValueInteger(3966);
  Click("InvertButton");
  EXPECT_EQ(Dec->text(), "61569");
}

TEST_F(RadixerCalculatorTest, ArrowKeysStepWithinTheWidth) {
  SelectWidth(0);
  for (TNumberEdit* edit : {Dec, Hex, Bin, Oct}) {
    const std::string name = edit->objectName().toStdString();
    Dec->SetValueInteger(255);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(Dec->text(), "255") << name << ": up at the maximum";
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(Dec->text(), "254") << name;
    Click("ClearButton");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(Shown(), (Texts{"1", "01", "00000001", "001"})) << name << ": down at 0";
    QTest::keyClick(edit, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Dec->text(), "2") << name << ": shift is not looked at";
  }

  Oct->setReadOnly(true);
  QTest::keyClick(Oct, Qt::Key_Up);
  EXPECT_EQ(Dec->text(), "3") << "also when read-only";
}

TEST_F(RadixerCalculatorTest, AChangeInBinaryReachesEveryOtherFieldOnce) {
  std::map<std::string, int> changes;
  for (TNumberEdit* edit : {Dec, Hex, Bin, Oct}) {
    edit->OnChangeValue = [&, edit, original = edit->OnChangeValue](QObject* sender) {
      ++changes[edit->objectName().toStdString()];
      original(sender);
    };
  }
  Bin->end(false);
  QTest::keyClicks(Bin, "1");
  EXPECT_EQ(changes, (std::map<std::string, int>{
                         {"BinNumberEdit", 1}, {"DecNumberEdit", 1}, {"HexNumberEdit", 1}, {"OctNumberEdit", 1}}));
  EXPECT_EQ(Shown(), (Texts{"2877431549", "AB821EFD", "10101011100000100001111011111101", "25340417375"}));
  EXPECT_FALSE(Calculator->ConverterUpdating);
}

TEST_F(RadixerCalculatorTest, ClipboardButtonsCopyTheFieldAsShown) {
  const std::map<const char*, TNumberEdit*> buttons = {
      {"DecClipboardButton", Dec},
      {"HexClipboardButton", Hex},
      {"BinClipboardButton", Bin},
      {"OctClipboardButton", Oct},
      {"BitOriginalClipboardButton", Find<TNumberEdit>("BitOriginalNumberEdit")},
      {"BitReversedByteClipboardButton", Find<TNumberEdit>("BitReversedByteNumberEdit")},
      {"BitReversedBufClipboardButton", Find<TNumberEdit>("BitReversedBufNumberEdit")},
      {"OUIClipboardButton", Find<TNumberEdit>("OUINumberEdit")}};
  for (auto [button, edit] : buttons) {
    edit->setSelection(0, 2);
    ClipboardSetText("before");
    Click(button);
    EXPECT_FALSE(edit->text().isEmpty()) << button;
    EXPECT_EQ(ClipboardText(), edit->text()) << button;
  }
  ClipboardSetText("before");
  Calculator->NumClipboardButtonClick(Dec);
  EXPECT_EQ(ClipboardText(), "before") << "any other sender copies nothing";
}

TEST_F(RadixerCalculatorTest, LabelsNameTheirFields) {
  const std::map<const char*, std::pair<const char*, QString>> labels = {
      {"DecLabel", {"DecNumberEdit", "Decimal (base 10)"}},
      {"HexLabel", {"HexNumberEdit", "Hexadecimal (base 16)"}},
      {"BinLabel", {"BinNumberEdit", "Binary (base 2)"}},
      {"OctLabel", {"OctNumberEdit", "Octal (base 8)"}}};
  for (auto [labelName, field] : labels) {
    auto* label = Find<TKestLabel>(labelName);
    auto* edit = Find<TNumberEdit>(field.first);
    EXPECT_EQ(label->FocusControl(), edit) << labelName;
    EXPECT_EQ(label->Caption().remove('&'), field.second) << labelName;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), field.second) << labelName;
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Find<TRadioGroup>("NumberWidthGroup"))->text(QAccessible::Name),
            "Number Width");
}

TEST_F(RadixerCalculatorTest, KeyboardReachesEveryControlInOrder) {
  Calculator->resize(297, 360);
  Calculator->show();
  QApplication::setActiveWindow(Calculator.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Calculator.get()));

  auto* widths = Find<TRadioGroup>("NumberWidthGroup");
  widths->Item(2)->setFocus();
  const std::vector<QWidget*> order = {Dec, Hex, Bin, Oct, Find<QWidget>("ClearButton"), Find<QWidget>("InvertButton")};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
  }

  const std::vector<std::pair<Qt::Key, QWidget*>> accelerators = {
      {Qt::Key_D, Dec}, {Qt::Key_H, Hex}, {Qt::Key_B, Bin}, {Qt::Key_O, Oct}, {Qt::Key_W, widths->Item(2)}};
  for (auto [key, expected] : accelerators) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
  }

  // A button's accelerator clicks it after a short press animation.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Dec->text() == "2856251521"; })) << "Alt+I inverts";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Dec->text() == "0"; })) << "Alt+L clears";

  widths->Item(2)->setFocus();
  QTest::keyClick(widths->Item(2), Qt::Key_Left);
  EXPECT_EQ(widths->ItemIndex(), 1) << "arrow keys choose the width";
  EXPECT_EQ(Hex->text(), "0000");
}

TEST_F(RadixerCalculatorTest, EveryControlFitsAtTheSmallestWindow) {
  Calculator->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Calculator.get()));
  // The widest text of each field.
  Click("ClearButton");
  Click("InvertButton");
  QWidget* page = Find<QWidget>("BaseConverterTabSheet");
  std::vector<QWidget*> controls;
  for (const char* name : {"NumberWidthGroup", "DecLabel", "DecNumberEdit", "DecClipboardButton", "HexLabel",
                           "HexNumberEdit", "HexClipboardButton", "BinLabel", "BinNumberEdit", "BinClipboardButton",
                           "OctLabel", "OctNumberEdit", "OctClipboardButton", "ClearButton", "InvertButton"})
    controls.push_back(Find<QWidget>(name));

  // The smallest main window gives the calculator about 290 by 330 pixels.
  for (QSize size : {QSize(290, 330), QSize(297, 360)}) {
    Calculator->resize(size);
    QApplication::processEvents();
    const std::string at = std::to_string(size.width()) + "x" + std::to_string(size.height()) + ": ";
    auto placed = [page](QWidget* control) { return QRect(control->mapTo(page, QPoint(0, 0)), control->size()); };
    for (std::size_t i = 0; i < controls.size(); ++i) {
      QWidget* control = controls[i];
      const std::string name = at + control->objectName().toStdString();
      EXPECT_TRUE(page->rect().contains(placed(control))) << name;
      if (control->minimumSize() != control->maximumSize()) {  // not of a fixed size
        EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name;
        EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name;
      }
      for (std::size_t j = i + 1; j < controls.size(); ++j)
        EXPECT_FALSE(placed(control).intersects(placed(controls[j])))
            << name << " and " << controls[j]->objectName().toStdString();
    }
    for (int i = 0; i < 3; ++i) {
      QRadioButton* item = Find<TRadioGroup>("NumberWidthGroup")->Item(i);
      EXPECT_GE(item->width(), item->sizeHint().width()) << at << item->text().toStdString();
    }
    // The text needs its width plus the frame and the margins inside it.
    for (TNumberEdit* edit : {Dec, Hex, Bin, Oct})
      EXPECT_LT(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 12)
          << at << edit->objectName().toStdString();
  }
}
}  // namespace
