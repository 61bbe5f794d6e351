// SPDX-License-Identifier: MIT
#include "prefix/PrefixCalculator.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Clipboard.h"
#include "platform/Registry.h"
#include "prefix/InputLines.h"
#include "tests/support/MessageRecorder.h"

namespace {

constexpr const char* SettingsKey = "Software\\Test\\Prefix";

class PrefixCalculatorTest : public testing::Test {
 protected:
  PrefixCalculatorTest() : Calculator(nullptr) {
    QFile::remove(RegistryFilePath());
    Calculator.LoadSettings(SettingsKey);
  }

  // Types `keys` over the whole input, one key at a time.
  void Type(const char* keys) {
    Calculator.InputEdit->selectAll();
    QTest::keyClicks(Calculator.InputEdit, keys);
  }

  // The caption of `page`'s tab; the page sits in its scroller's viewport.
  QString TabText(QWidget* page) const {
    return Calculator.PrefixPageControl->tabText(
        Calculator.PrefixPageControl->indexOf(page->parentWidget()->parentWidget()));
  }

  // A box's text as read: the lines it is broken into joined again.
  static std::string Read(const TOutputBox* box) { return box->Caption().remove('\n').toStdString(); }

  TMessageRecorder Messages;
  TPrefixCalculator Calculator;
};

TEST_F(PrefixCalculatorTest, ResultsFollowEachGoodKeystrokeAndAMistakeLeavesThemStale) {
  EXPECT_EQ(Calculator.InputEdit->text(), "2001:db8::1/64") << "the first start's example";
  Type("10.1.2.3/22");
  EXPECT_FALSE(Calculator.Stale());
  EXPECT_EQ(Read(Calculator.NetworkTextBox), "10.1.0.0/22");
  EXPECT_EQ(Read(Calculator.BroadcastTextBox), "10.1.3.255");
  EXPECT_EQ(Read(Calculator.UsableHostsTextBox), "10.1.0.1 - 10.1.3.254 (1022)");
  EXPECT_EQ(Calculator.PrefixBitMapTextBoxes[0]->Caption(), "nnnnnnnn.nnnnnnnn.nnnnnnhh.hhhhhhhh");

  QTest::keyClick(Calculator.InputEdit, Qt::Key_0);  // 10.1.2.3/220
  EXPECT_TRUE(Calculator.Stale());
  EXPECT_EQ(Calculator.InputErrorLabel->text(), "prefix length 220 is above 32");
  EXPECT_EQ(Calculator.PrefixPageControl->tabText(0), "Address (stale)");
  EXPECT_FALSE(Calculator.NetworkTextBox->isEnabled()) << "greyed";
  EXPECT_EQ(Read(Calculator.NetworkTextBox), "10.1.0.0/22") << "the last good results stay";
  EXPECT_EQ(Calculator.ShownInput(), "10.1.2.3/22");

  QTest::keyClick(Calculator.InputEdit, Qt::Key_Backspace);
  EXPECT_FALSE(Calculator.Stale());
  EXPECT_TRUE(Calculator.InputErrorLabel->text().isEmpty());
  EXPECT_EQ(Calculator.PrefixPageControl->tabText(0), "Address");
  EXPECT_TRUE(Calculator.NetworkTextBox->isEnabled());
  EXPECT_TRUE(Messages.Messages.empty()) << "nothing pops up while typing";
}

TEST_F(PrefixCalculatorTest, EveryBoxShowsItsResult) {
  struct Case {
    const char* Input;
    std::vector<std::pair<TOutputBox* TPrefixCalculator::*, const char*>> Boxes;
  };
  using C = TPrefixCalculator;
  const Case cases[] = {
      {"fe80::21b:63ff:fe84:45e6%eth0/64",
       {{&C::CanonicalTextBox, "fe80::21b:63ff:fe84:45e6%eth0"},
        {&C::FullTextBox, "fe80:0000:0000:0000:021b:63ff:fe84:45e6"},
        {&C::KindTextBox, "link-local (Link-Local Unicast, RFC 4291)"},
        {&C::MacTextBox, "00:1b:63:84:45:e6"},
        {&C::SolicitedNodeTextBox, "ff02::1:ff84:45e6"},
        {&C::NetworkTextBox, "fe80::/64"},
        {&C::LastTextBox, "fe80::ffff:ffff:ffff:ffff"},
        {&C::MaskTextBox, "ffff:ffff:ffff:ffff::"},
        {&C::WildcardTextBox, "::ffff:ffff:ffff:ffff"},
        {&C::UsableHostsTextBox, "none"},
        {&C::AddressCountTextBox, "18446744073709551616"},
        {&C::PowerOfTwoTextBox, "2^64"}}},
      {"2001:0:4136:e378:8000:63bf:3fff:fdd2",
       {{&C::EmbeddedTextBox, "Teredo server 65.54.227.120, client 192.0.2.45, port 40000"},
        {&C::MacTextBox, "none"}}},
      {"192.0.2.1 255.255.255.254",
       {{&C::HexTextBox, "0xc0000201"},
        {&C::IntegerTextBox, "3221225985"},
        {&C::BinaryTextBox, "11000000.00000000.00000010.00000001"},
        {&C::ReverseDnsTextBox, "1.2.0.192.in-addr.arpa"},
        {&C::ScopeTextBox, "not globally reachable"},
        {&C::WildcardTextBox, "0.0.0.1"},
        {&C::BroadcastTextBox, "none"},
        {&C::UsableHostsTextBox, "192.0.2.0 - 192.0.2.1 (2)"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Input);
    Type(c.Input);
    ASSERT_FALSE(Calculator.Stale()) << Calculator.InputErrorLabel->text().toStdString();
    for (const auto& [box, expected] : c.Boxes)
      EXPECT_EQ(Read(Calculator.*box), expected) << (Calculator.*box)->objectName().toStdString();
  }
  // The last case: a /31 inside its enclosing prefixes down to /0, one a line.
  const QStringList chain = Calculator.EnclosingTextBox->Caption().split('\n');
  EXPECT_EQ(chain.size(), 32);
  EXPECT_EQ(chain.front(), "192.0.2.0/31");
  EXPECT_EQ(chain.back(), "0.0.0.0/0");
}

TEST_F(PrefixCalculatorTest, LongResultsBreakIntoLinesThatTheBoxIsHighFor) {
  Type("2001:db8:85a3:8d3:1319:8a2e:370:7348/77");
  const QString binary = Calculator.BinaryTextBox->Caption();
  EXPECT_EQ(binary.count('\n'), 3);
  EXPECT_GT(Calculator.BinaryTextBox->height(), 3 * Calculator.HexTextBox->height() / 2);
  int shown = 0;
  for (const TOutputBox* box : Calculator.PrefixBitMapTextBoxes) shown += !box->isHidden();
  EXPECT_EQ(shown, 4);
  EXPECT_EQ(Calculator.PrefixBitMapTextBoxes[2]->Caption(), "nnnnnnnnnnnnnhhh:hhhhhhhhhhhhhhhh:");
}

TEST_F(PrefixCalculatorTest, TheLastGoodInputComesBackAfterARestart) {
  Type("10.9.8.7/12");
  QTest::keyClick(Calculator.InputEdit, Qt::Key_X);
  ASSERT_TRUE(Calculator.Stale());
  Calculator.SaveSettings(SettingsKey);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly(QString(SettingsKey) + "\\Prefix Calculator"));
  EXPECT_EQ(registry.ReadString("Input"), "10.9.8.7/12");

  TPrefixCalculator restarted(nullptr);
  restarted.LoadSettings(SettingsKey);
  EXPECT_EQ(restarted.InputEdit->text(), "10.9.8.7/12");
  EXPECT_EQ(restarted.NetworkTextBox->Caption(), "10.0.0.0/12");

  registry.CloseKey();
  ASSERT_TRUE(registry.OpenKey(QString(SettingsKey) + "\\Prefix Calculator", true));
  registry.WriteString("Input", "10.9.8.7/33");
  registry.CloseKey();
  TPrefixCalculator edited(nullptr);
  edited.LoadSettings(SettingsKey);
  EXPECT_EQ(edited.InputEdit->text(), "2001:db8::1/64") << "an unreadable value gives the example";
  EXPECT_FALSE(edited.Stale());
}

// The Split page: length bounds follow the input, the count is exact, any row
// is reached by number or address, bad entries say why, large copies ask.
class PrefixSplitTest : public PrefixCalculatorTest {
 protected:
  void Split(const char* input, int length) {
    Type(input);
    Calculator.SplitLengthSpinEdit->SetValue(length);
  }
  void GoTo(const char* text) {
    Calculator.SplitGoToEdit->setText(text);
    Calculator.SplitGoTo();
  }
  std::string Cell(int col) const {
    const TSuperStringGrid& grid = *Calculator.SplitStringGrid;
    return grid.Cells(col, grid.Selection().Top).toStdString();
  }
};

TEST_F(PrefixSplitTest, CountsRowsExactlyAndGoesToAnyRowByNumberOrAddress) {
  struct Case {
    const char* Input;
    int Length;
    const char* Count;
    const char* GoTo;
    const char* Number;  // of the row gone to
    const char* Subnet;
  };
  const Case cases[] = {
      {"10.0.0.0/8", 24, "65,536 (2^16)", "10.20.30.40", "5151", "10.20.30.0/24"},
      {"2001:db8::/32", 64, "4,294,967,296 (2^32)", "4294967296", "4294967296", "2001:db8:ffff:ffff::/64"},
      {"::/0", 128, "340,282,366,920,938,463,463,374,607,431,768,211,456 (2^128)", "18446744073709551621",
       "18446744073709551621", "::1:0:0:0:4/128"},
      {"::/0", 128, "340,282,366,920,938,463,463,374,607,431,768,211,456 (2^128)",
       "340282366920938463463374607431768211456", "340282366920938463463374607431768211456",
       "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128"},
      {"2001:db8::/32", 48, "65,536 (2^16)", "2001:db8:1234::9", "4661", "2001:db8:1234::/48"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.GoTo);
    Split(c.Input, c.Length);
    EXPECT_EQ(Read(Calculator.SplitCountTextBox), c.Count);
    GoTo(c.GoTo);
    EXPECT_TRUE(Calculator.SplitGoToErrorLabel->text().isEmpty());
    EXPECT_EQ(Cell(0), c.Number);
    EXPECT_EQ(Cell(1), c.Subnet);
  }
}

TEST_F(PrefixSplitTest, LengthStaysLongerThanThePrefixAndBadEntriesSayWhy) {
  Split("10.0.0.0/8", 4);
  EXPECT_EQ(Calculator.SplitLengthSpinEdit->Value(), 9);
  Split("10.0.0.0/8", 40);
  EXPECT_EQ(Calculator.SplitLengthSpinEdit->Value(), 32);
  Type("2001:db8::/48");
  EXPECT_EQ(Calculator.SplitLengthSpinEdit->Value(), 49);
  EXPECT_EQ(Calculator.SplitStringGrid->ColCount(), 4) << "IPv6 has no broadcast or host range";
  const std::pair<const char*, const char*> cases[] = {
      {"0", "row numbers start at 1"},
      {"3", "row 3 is past the last row, 2"},
      {"12x", "'12x' is not an address"},
      {"2001:db9::1", "address 2001:db9::1 is not in 2001:db8::/48"},
      {"10.0.0.1", "address 10.0.0.1 is not in 2001:db8::/48"},
  };
  for (const auto& [typed, error] : cases) {
    GoTo(typed);
    EXPECT_EQ(Calculator.SplitGoToErrorLabel->text().toStdString(), error);
    EXPECT_EQ(Calculator.SplitGoToEdit->accessibleDescription().toStdString(), error) << "read out too";
  }
}

TEST_F(PrefixSplitTest, ACopyOfOverAMillionRowsAsksAndOneTooLargeIsRefused) {
  Split("10.0.0.0/8", 32);
  TSuperStringGrid& grid = *Calculator.SplitStringGrid;
  struct Case {
    int Rows;
    std::size_t Messages;
  };
  Messages.Answer = IDNO;
  for (const Case c : {Case{1000000, 0}, Case{1000001, 1}, Case{4194305, 1}}) {
    Messages.Messages.clear();
    grid.SetSelection({1, 1, 1, c.Rows});
    ClipboardSetText("before");
    grid.copy();
    EXPECT_EQ(Messages.Messages.size(), c.Messages) << c.Rows;
    EXPECT_EQ(ClipboardText() == "before", c.Messages > 0) << c.Rows;
  }
}

TEST_F(PrefixSplitTest, TheLengthIsRememberedWithTheInput) {
  Split("10.0.0.0/8", 20);
  Calculator.SaveSettings(SettingsKey);
  TPrefixCalculator restarted(nullptr);
  restarted.LoadSettings(SettingsKey);
  EXPECT_EQ(restarted.SplitLengthSpinEdit->Value(), 20);
  EXPECT_EQ(Read(restarted.SplitCountTextBox), "4,096 (2^12)");
}

// The pages with lists of their own stay usable while the input is wrong; the
// reverse zones follow the input.
TEST_F(PrefixCalculatorTest, OnlyThePagesOfTheInputGoStale) {
  Type("192.0.2.0/25");
  EXPECT_EQ(Calculator.ReverseZonesTextBox->toPlainText(), "0/25.2.0.192.in-addr.arpa");
  QTest::keyClick(Calculator.InputEdit, Qt::Key_0);  // 192.0.2.0/250
  EXPECT_EQ(TabText(Calculator.ReverseTabSheet), "Reverse (stale)");
  EXPECT_FALSE(Calculator.ReverseZonesTextBox->isEnabled());
  EXPECT_EQ(Calculator.ReverseZonesTextBox->toPlainText(), "0/25.2.0.192.in-addr.arpa");
  for (QWidget* page : {Calculator.SetsTabSheet, Calculator.PlanTabSheet}) {
    EXPECT_EQ(TabText(page), page == Calculator.SetsTabSheet ? "Sets" : "Plan");
    EXPECT_TRUE(page->isEnabled());
  }
}

TEST_F(PrefixCalculatorTest, ThePlanKeepsItsHeadingsThroughAnEmptyPlan) {
  struct Case {
    const char* Needs;
    const char* FirstName;
    int Rows;
  };
  TStringGrid* grid = Calculator.PlanStringGrid;
  Calculator.PlanParentEdit->setText("10.0.0.0/24");
  for (const Case& c : {Case{"A 50\nB 20", "A", 3}, Case{"", "", 2}, Case{"B 20", "B", 2}}) {
    Calculator.PlanNeedsEdit->setPlainText(c.Needs);
    Calculator.ShowPlan();
    EXPECT_EQ(grid->FixedRows(), 1) << c.Needs;
    EXPECT_EQ(grid->Cells(0, 0), "Name") << c.Needs;
    EXPECT_EQ(grid->Cells(0, 1), c.FirstName) << c.Needs;
    EXPECT_EQ(grid->RowCount(), c.Rows) << c.Needs;
  }
}

TEST_F(PrefixCalculatorTest, APasteLongerThanTheListsReadIsRefusedSayingSo) {
  ClipboardSetText(QString(static_cast<qsizetype>(MaxListBytes) + 1, ' '));
  Calculator.SetListEdit->paste();
  EXPECT_TRUE(Calculator.SetListEdit->toPlainText().isEmpty());
  EXPECT_EQ(Calculator.SetErrorsTextBox->toPlainText(), "Not pasted: the list has 1025 KiB; at most 1024 KiB is taken");

  ClipboardSetText("10.0.0.0/25, 10.0.0.128/25");
  Calculator.SetListEdit->paste();
  Calculator.ShowSets();
  EXPECT_EQ(Calculator.SetErrorsTextBox->toPlainText(), "none");
  EXPECT_EQ(Calculator.MergedTextBox->toPlainText(), "10.0.0.0/24");
}

}  // namespace
