// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <vector>

#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "platform/RadioGroup.h"
#include "tests/radix/RadixerFixture.h"

namespace {
using Texts = std::vector<std::string>;

class BitSwapperPageTest : public RadixerFixture {
 protected:
  BitSwapperPageTest() { Calculator->RadixerPageControl->setCurrentWidget(Calculator->BitSwapperTabSheet); }

  // Original, byte by byte, whole value.
  Texts Shown() const {
    return {Original->text().toStdString(), Bytes->text().toStdString(), Whole->text().toStdString()};
  }
  void SelectBase(int item) { Bases->Item(item)->click(); }
  void Type(const QString& text) {
    Original->selectAll();
    QTest::keyClicks(Original, text);
  }

  TRadioGroup* Bases = Find<TRadioGroup>("NumberStyleRadioGroup");
  TNumberEdit* Original = Find<TNumberEdit>("BitOriginalNumberEdit");
  TNumberEdit* Bytes = Find<TNumberEdit>("BitReversedByteNumberEdit");
  TNumberEdit* Whole = Find<TNumberEdit>("BitReversedBufNumberEdit");
};

TEST_F(BitSwapperPageTest, EveryBaseShowsTheSameValues) {
  struct Step {
    int Item;
    Texts Expected;
    const char* Hint;
    int MaxLength;  // 0: none
  };
  // Hex first: the start-up state.
  const std::vector<Step> steps = {
      {1, {"55C10F7E", "AA83F07E", "7EF083AA"}, "Enter a number between 00000000 and FFFFFFFF", 8},
      {0, {"1438715774", "2860773502", "2129691562"}, "Enter a number between 0 and 4294967295", 0},
      {2,
       {"01010101110000010000111101111110", "10101010100000111111000001111110", "01111110111100001000001110101010"},
       "Enter a number between 00000000000000000000000000000000 and 11111111111111111111111111111111",
       32},
      {3, {"12560207576", "25240770176", "17674101652"}, "Enter a number between 00000000000 and 37777777777", 11},
  };
  for (const Step& step : steps) {
    SelectBase(step.Item);
    EXPECT_EQ(Shown(), step.Expected) << "item " << step.Item;
    EXPECT_EQ(Original->toolTip(), step.Hint) << "item " << step.Item;
    for (TNumberEdit* edit : {Original, Bytes, Whole}) EXPECT_EQ(edit->MaxLength(), step.MaxLength) << step.Item;
    EXPECT_EQ(Original->ValueInteger(), 1438715774) << "the base changes no value";
  }
  Bases->SetItemIndex(-1);
  EXPECT_EQ(Shown(), (Texts{"55C10F7E", "AA83F07E", "7EF083AA"})) << "no choice shows hexadecimal";
}

TEST_F(BitSwapperPageTest, TypedValuesAreSwapped) {
  struct Case {
    int Base;
    const char* Typed;
    Texts Expected;
  };
  const std::vector<Case> cases = {
      {1, "1", {"00000001", "00000080", "80000000"}},
      {1, "80000000", {"80000000", "01000000", "00000001"}},
      {1, "12345678", {"12345678", "482C6A1E", "1E6A2C48"}},
      {1, "ffffffff", {"FFFFFFFF", "FFFFFFFF", "FFFFFFFF"}},
      {0, "0", {"0", "0", "0"}},
      {2, "11", {std::string(30, '0') + "11", std::string(24, '0') + "11" + std::string(6, '0'),
                 "11" + std::string(30, '0')}},
      // Above 32 bits the value is shown whole and its low 32 bits are swapped.
      {0, "4294967296", {"4294967296", "0", "0"}},
      {0, "4294967297", {"4294967297", "128", "2147483648"}},
      {3, "77777777777", {"77777777777", "37777777777", "37777777777"}},
  };
  for (const Case& c : cases) {
    SelectBase(c.Base);
    Type(c.Typed);
    EXPECT_EQ(Shown(), c.Expected) << c.Typed;
  }
  SelectBase(1);
  EXPECT_EQ(Shown(), (Texts{"1FFFFFFFF", "FFFFFFFF", "FFFFFFFF"})) << "the whole value, nine digits";
}

TEST_F(BitSwapperPageTest, ArrowKeysStepTheOriginal) {
  Original->SetValueInteger(0);
  EXPECT_EQ(Shown(), (Texts{"00000000", "00000000", "00000000"}));
  QTest::keyClick(Original, Qt::Key_Down);
  EXPECT_EQ(Shown(), (Texts{"00000001", "00000080", "80000000"})) << "down at 0 shows 1";
  QTest::keyClick(Original, Qt::Key_Up);
  EXPECT_EQ(Shown(), (Texts{"00000002", "00000040", "40000000"}));
  Original->SetValueInteger(0xFFFFFFFF);
  QTest::keyClick(Original, Qt::Key_Up);
  EXPECT_EQ(Shown(), (Texts{"100000000", "00000000", "00000000"})) << "no cap at 32 bits";
}

TEST_F(BitSwapperPageTest, LabelsNameTheFieldsAndTheKeyboardReachesThem) {
  const std::vector<std::pair<const char*, TNumberEdit*>> labels = {
      {"SwapLabel", Original}, {"Label18", Bytes}, {"Label19", Whole}};
  const QString names[] = {"Original Value", "Bit-swapped Value (Byte by Byte)", "Bit-swapped value (LSB <-> MSB)"};
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto* label = Find<TKestLabel>(labels[i].first);
    EXPECT_EQ(label->FocusControl(), labels[i].second);
    EXPECT_EQ(StripAccelChars(label->Caption()), names[i]);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(labels[i].second)->text(QAccessible::Name), names[i]);
  }
  EXPECT_EQ(Bases->toolTip(), "Select a base for entering a value and bit-reversal");
  EXPECT_EQ(Bytes->statusTip(), "This value is found by bit-reversing each individual byte");
  EXPECT_TRUE(Bytes->isReadOnly() && Whole->isReadOnly() && !Original->isReadOnly());

  Calculator->resize(297, 360);
  Calculator->show();
  QApplication::setActiveWindow(Calculator.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Calculator.get()));
  Bases->Item(1)->setFocus();
  for (QWidget* expected : std::vector<QWidget*>{Original, Bytes, Whole}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Original);
}
}  // namespace
