// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFontMetrics>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Clipboard.h"
#include "radix/RadixerCalculator.h"
#include "tests/support/MessageRecorder.h"

namespace {
using Texts = std::vector<std::string>;

class BaseLookupPageTest : public testing::Test {
 protected:
  BaseLookupPageTest() : Calculator(std::make_unique<TRadixerCalculator>(Loading, nullptr)) {
    Loading = true;
    Calculator->InitRadixerCalculator();
    Loading = false;
    From = Calculator->HexLookupFromSpinEdit;
    To = Calculator->HexLookupToSpinEdit;
    Grid = Calculator->LookupStringGrid;
  }

  void ShowPage() { Calculator->RadixerPageControl->setCurrentWidget(Calculator->BaseLookupTabSheet); }

  // Types a value into a range field and presses Enter, as a user would.
  static void Enter(TBetterSpinEdit* edit, std::int32_t value) {
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(edit, Qt::Key_Return);
  }

  Texts Row(int row) const {
    Texts texts;
    for (int column = 0; column < 4; ++column) texts.push_back(Grid->Cells(column, row).toStdString());
    return texts;
  }

  // The range shown by the fields and the table's first and last numbers.
  Texts Shown() const {
    return {From->text().toStdString(), To->text().toStdString(), Row(1)[0], Row(Grid->RowCount() - 1)[0]};
  }

  bool Loading = false;
  std::unique_ptr<TRadixerCalculator> Calculator;
  TBetterSpinEdit* From;
  TBetterSpinEdit* To;
  TSuperStringGrid* Grid;
};

TEST_F(BaseLookupPageTest, StartUpRangeIsFilledWhenThePageIsFirstShown) {
  EXPECT_EQ(From->Value(), 0);
  EXPECT_EQ(To->Value(), 31);
  EXPECT_EQ(From->toolTip(), "Enter a number between 0 and 2147483647");
  EXPECT_EQ(Grid->Cells(0, 1), "") << "not filled while the converter is shown";
  ShowPage();
  ASSERT_EQ(Grid->RowCount(), 33);
  EXPECT_FALSE(Calculator->LookupTableStale);
  EXPECT_TRUE(From->isEnabled() && To->isEnabled());
  const std::vector<std::pair<int, Texts>> rows = {{1, {"0", "0", "0000", "00"}},
                                                   {11, {"10", "A", "1010", "12"}},
                                                   {16, {"15", "F", "1111", "17"}},
                                                   {17, {"16", "10", "00010000", "020"}},
                                                   {32, {"31", "1F", "00011111", "037"}}};
  for (const auto& [row, texts] : rows) EXPECT_EQ(Row(row), texts) << row;

  QTest::mouseClick(Calculator->BaseLookupTableClipboardButton, Qt::LeftButton);
  EXPECT_EQ(ClipboardText().toStdString(), "Decimal\r\n0\r\n") << "the heading and the current cell";
}

TEST_F(BaseLookupPageTest, RangesAcrossBandsGrowTheDigitCounts) {
  ShowPage();
  Enter(From, 250);
  Enter(To, 260);
  ASSERT_EQ(Grid->RowCount(), 12);
  const std::vector<std::pair<int, Texts>> rows = {{1, {"250", "FA", "11111010", "372"}},
                                                   {6, {"255", "FF", "11111111", "377"}},
                                                   {7, {"256", "0100", "0000000100000000", "000400"}},
                                                   {11, {"260", "0104", "0000000100000100", "000404"}}};
  for (const auto& [row, texts] : rows) EXPECT_EQ(Row(row), texts) << row;
  const QFontMetrics cells(Grid->font());
  EXPECT_GT(Grid->ColWidths(2), cells.horizontalAdvance("0000000100000100")) << "columns fit their widest text";

  Enter(To, 7);
  EXPECT_EQ(Grid->RowCount(), 2) << "From equal to To: one row";
  EXPECT_EQ(Row(1), (Texts{"7", "7", "0111", "07"}));
}

TEST_F(BaseLookupPageTest, EachEndDragsTheOther) {
  ShowPage();
  Enter(From, 40);
  EXPECT_EQ(Shown(), (Texts{"40", "40", "40", "40"}));
  Enter(To, 60);
  Enter(From, 20);
  Enter(To, 10);
  EXPECT_EQ(Shown(), (Texts{"10", "10", "10", "10"}));

  Calculator->show();
  Calculator->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Calculator.get()));
  To->setFocus();
  for (int step = 0; step < 2; ++step) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(To->hasFocus()) << "the field keeps the focus through the fill its step starts";
  EXPECT_EQ(Shown(), (Texts{"10", "12", "10", "12"}));
}

TEST_F(BaseLookupPageTest, LargeRangeIsShownOnlyWhenTheUserAgrees) {
  ShowPage();
  TMessageRecorder recorder(IDNO);
  Enter(To, 15000);
  EXPECT_TRUE(recorder.Messages.empty()) << "15001 rows need no question";
  EXPECT_EQ(Shown(), (Texts{"0", "15000", "0", "15000"}));

  Enter(To, 15001);
  ASSERT_EQ(recorder.Messages.size(), 1u);
  EXPECT_EQ(recorder.Messages[0].Caption, "Are you sure?");
  EXPECT_EQ(recorder.Messages[0].Flags, MB_YESNO | MB_ICONEXCLAMATION);
  EXPECT_EQ(recorder.Messages[0].Text.toStdString(),
            "You have chosen to show a large number of items which could take a long time to \r\n"
            "process and/or a lot of memory to display.\r\n\r\nDo you want to continue with this operation?");
  EXPECT_EQ(Shown(), (Texts{"0", "15000", "0", "15000"})) << "No brings back the range and the table";

  recorder.Answer = IDYES;
  Enter(From, 3);
  Enter(To, 15004);
  EXPECT_EQ(recorder.Messages.size(), 2u);
  EXPECT_EQ(Shown(), (Texts{"3", "15004", "3", "15004"}));
}

TEST_F(BaseLookupPageTest, RangeBeyondTheLargestTableIsRefused) {
  ShowPage();
  const Texts before = Shown();
  TMessageRecorder recorder(IDYES);
  for (std::int32_t to : {2147483647, 4194304}) {
    Enter(To, to);
    EXPECT_EQ(Shown(), before) << "both fields go back to the last range shown";
    EXPECT_EQ(Grid->RowCount(), 33);
  }
  ASSERT_EQ(recorder.Messages.size(), 2u);
  EXPECT_EQ(recorder.Messages[0].Caption, "Range too large");
  EXPECT_EQ(recorder.Messages[0].Flags, MB_OK | MB_ICONINFORMATION);
  EXPECT_NE(recorder.Messages[0].Text.indexOf("4194304"), -1) << recorder.Messages[0].Text.toStdString();
}

TEST_F(BaseLookupPageTest, NothingIsAskedOrFilledWhileLoading) {
  ShowPage();
  Loading = true;
  Enter(To, 20000);
  Calculator->FillLookupTable();
  EXPECT_TRUE(Calculator->LookupTableStale);
  EXPECT_EQ(Grid->RowCount(), 33);
  Loading = false;
  Calculator->FillLookupTable();
  EXPECT_EQ(Grid->RowCount(), 20002);
}
}  // namespace
