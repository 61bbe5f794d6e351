// SPDX-License-Identifier: MIT
#include "subnet/SubnetCalculator.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "controls/KestIPAddrEdit.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Clipboard.h"
#include "platform/RadioGroup.h"
#include "platform/ValueComboBox.h"
#include "tests/support/MessageRecorder.h"

namespace {

constexpr std::uint32_t Dotted(int a, int b, int c, int d) {
  return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
         static_cast<std::uint32_t>(c) << 8 | static_cast<std::uint32_t>(d);
}

class SubnetCalculatorTest : public testing::Test {
 protected:
  SubnetCalculatorTest() : Option("Allow &1 Subnet Bit (RFC 1878)"), Calculator(Loading, &Option, nullptr) {
    Option.setCheckable(true);
    Loading = true;
    Calculator.LoadSettings("Software\\Test\\Absent");
    Loading = false;
  }

  // Enters `value` into field 0 as the user does, the field already holding it.
  void EnterFirstOctet(std::uint32_t address) {
    Calculator.IPAddressEdit->SetAddress(address);
    std::uint8_t value = Calculator.IPAddressEdit->GetField(0);
    Calculator.IPAddressEditFieldChanged(Calculator.IPAddressEdit, 0, value);
  }

  QString Address() const { return Calculator.IPAddressEdit->AddressString(); }
  int ClassIndex() const { return Calculator.AddressTypeRadioGroup->ItemIndex(); }
  void Pick(TValueComboBox* list, int index) {
    list->setCurrentIndex(index);
    list->OnClick(list);
  }
  void ExpectRow(const char* mask, const char* maskBits, const char* subnetBits, const char* subnets,
                 const char* hosts) {
    EXPECT_EQ(Calculator.SubnetMaskComboBox->currentText(), mask);
    EXPECT_EQ(Calculator.SubnetMaskBitsComboBox->currentText(), maskBits);
    EXPECT_EQ(Calculator.SubnetBitsComboBox->currentText(), subnetBits);
    EXPECT_EQ(Calculator.SubnetCountComboBox->currentText(), subnets);
    EXPECT_EQ(Calculator.SubnetHostCountComboBox->currentText(), hosts);
  }

  // Types a number into a range field and commits it with Enter.
  static void Type(TBetterSpinEdit* edit, int value) {
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void SetRange(int from, int to) {
    Type(Calculator.SubnetFromSpinEdit, from);
    Type(Calculator.SubnetToSpinEdit, to);
  }
  void ShowTablePage() { Calculator.IPSubnetPageControl->setCurrentWidget(Calculator.SubnetHostTabSheet); }
  QString Cell(int col, int row) const { return Calculator.SubnetHostStringGrid->Cells(col, row); }
  QString Row(int row) const {
    return QStringList{Cell(0, row), Cell(1, row), Cell(2, row), Cell(3, row)}.join(" | ");
  }

  bool Loading = false;
  QAction Option;
  TSubnetCalculator Calculator;
};

TEST_F(SubnetCalculatorTest, StartsWithTheDefaultAddress) {
  EXPECT_EQ(Address(), "128.15.10.5");
  EXPECT_EQ(ClassIndex(), 1);
  EXPECT_EQ(Calculator.ClassBitMapTextBox->Caption(), "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
  EXPECT_EQ(Calculator.BinAddressTextBox->Caption(), "10000000.00001111.00001010.00000101");
  EXPECT_EQ(Calculator.HexAddressTextBox->Caption(), "80.0F.0A.05");
  EXPECT_EQ(Calculator.IPSubnetPageControl->currentIndex(), 0);
}

TEST_F(SubnetCalculatorTest, ReservedFirstOctetsAreCorrectedWithAMessage) {
  struct Case {
    std::uint32_t Entered;
    const char* Result;
    int Class;
    const char* MessageStart;
  };
  const Case cases[] = {
      {0, "1.0.0.0", 0, "The IP Address 0.0.0.0 is"},
      {Dotted(0, 1, 2, 3), "1.1.2.3", 0, "The IP Address 0.x.x.x is"},
      {Dotted(127, 0, 0, 1), "126.0.0.1", 0, "The IP Address 127.x.x.x is"},
      {Dotted(224, 0, 0, 5), "223.0.0.5", 2, "The Class D IP Addresses"},
      {Dotted(239, 1, 1, 1), "223.1.1.1", 2, "The Class D IP Addresses"},
      {0xFFFFFFFFu, "223.255.255.255", 2, "The IP Address 255.255.255.255"},
      {Dotted(255, 0, 0, 0), "223.0.0.0", 2, "The Class E IP Addresses"},
      {Dotted(240, 1, 2, 3), "223.1.2.3", 2, "The Class E IP Addresses"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Result);
    TMessageRecorder messages;
    EnterFirstOctet(c.Entered);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Text.startsWith(c.MessageStart)) << messages.Messages[0].Text.toStdString();
    EXPECT_EQ(messages.Messages[0].Caption, "Invalid IP Address");
    EXPECT_EQ(messages.Messages[0].Flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(Address(), c.Result);
    EXPECT_EQ(ClassIndex(), c.Class);
  }
}

TEST_F(SubnetCalculatorTest, LongMessagesAreWrappedAtEightyColumns) {
  TMessageRecorder messages;
  EnterFirstOctet(Dotted(127, 0, 0, 1));
  ASSERT_EQ(messages.Messages.size(), 1u);
  for (const QString& line : messages.Messages[0].Text.split("\r\n")) EXPECT_LE(line.size(), 80);
  EXPECT_TRUE(messages.Messages[0].Text.contains("\r\n"));
}

TEST_F(SubnetCalculatorTest, ValidFirstOctetsChooseTheClassSilently) {
  const std::pair<int, int> cases[] = {{126, 0}, {128, 1}, {191, 1}, {192, 2}, {223, 2}, {1, 0}};
  for (auto [octet, expectedClass] : cases) {
    EnterFirstOctet(Dotted(octet, 1, 2, 3));
    EXPECT_EQ(ClassIndex(), expectedClass) << octet;
    EXPECT_EQ(Calculator.IPAddressEdit->GetField(0), octet);
  }
}

TEST_F(SubnetCalculatorTest, OtherFieldsRecomputeWithoutMessages) {
  Calculator.SubnetTableStale = false;
  Calculator.IPAddressEdit->SetAddress(Dotted(128, 15, 99, 5));
  std::uint8_t value = 99;
  Calculator.IPAddressEditFieldChanged(Calculator.IPAddressEdit, 2, value);
  EXPECT_TRUE(Calculator.SubnetTableStale);
  EXPECT_EQ(Calculator.HexAddressTextBox->Caption(), "80.0F.63.05");
  EXPECT_EQ(Calculator.SubnetIDTextBox->Caption(), "128.15.99.0");
}

TEST_F(SubnetCalculatorTest, NoMessageWhileLoading) {
  Loading = true;
  EnterFirstOctet(Dotted(127, 0, 0, 1));
  Loading = false;
  EXPECT_EQ(Address(), "126.0.0.1");
  EXPECT_EQ(ClassIndex(), 0);
}

TEST_F(SubnetCalculatorTest, ChoosingAClassMovesTheFirstOctetIntoIt) {
  struct Case {
    std::uint32_t Address;
    int Class;
    const char* Result;
    std::function<void(QRadioButton*)> Choose;
  };
  const auto click = [](QRadioButton* item) { item->click(); };
  const auto check = [](QRadioButton* item) { item->setChecked(true); };
  const auto toggleAction = [](QRadioButton* item) {
    QAccessible::queryAccessibleInterface(item)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
  };
  const Case cases[] = {{Dotted(10, 1, 2, 3), 1, "128.1.2.3", click},
                        {Dotted(200, 1, 2, 3), 0, "126.1.2.3", click},
                        {Dotted(1, 2, 3, 4), 2, "192.2.3.4", click},
                        {Dotted(150, 1, 2, 3), 1, "150.1.2.3", click},
                        {Dotted(200, 1, 2, 3), 0, "126.1.2.3", check},
                        {Dotted(10, 1, 2, 3), 2, "192.1.2.3", toggleAction}};
  for (const Case& c : cases) {
    EnterFirstOctet(c.Address);
    c.Choose(Calculator.AddressTypeRadioGroup->Item(c.Class));
    EXPECT_EQ(Address(), c.Result);
    EXPECT_EQ(ClassIndex(), c.Class);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Calculator.ClassBitMapTextBox)
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Class %1 Bit Map").arg(QChar('A' + c.Class))))
        << c.Result;
  }
}

TEST_F(SubnetCalculatorTest, CopiesTheAddress) {
  EnterFirstOctet(Dotted(10, 20, 30, 40));
  Calculator.IPAddressClipboardButtonClick(Calculator.IPAddressClipboardButton);
  EXPECT_EQ(ClipboardText(), "10.20.30.40");
}

TEST_F(SubnetCalculatorTest, DefaultSubnetInfo) {
  Pick(Calculator.SubnetMaskComboBox, 6);
  ExpectRow("255.255.255.0", "24", "8", "254", "254");
  EXPECT_EQ(Calculator.SubnetIDTextBox->Caption(), "128.15.10.0");
  EXPECT_EQ(Calculator.SubnetBroadcastTextBox->Caption(), "128.15.10.255");
  EXPECT_EQ(Calculator.SubnetAddressRangeTextBox->Caption(), "128.15.10.1 - 128.15.10.254");
  EXPECT_EQ(Calculator.SubnetBitMapTextBox->Caption(), "10nnnnnn.nnnnnnnn.ssssssss.hhhhhhhh");
  for (TValueComboBox* list : {Calculator.SubnetBitsComboBox, Calculator.SubnetCountComboBox}) {
    EXPECT_EQ(list->count(), 13);
    EXPECT_EQ(list->maxVisibleItems(), 13);
  }
}

TEST_F(SubnetCalculatorTest, TheOptionKeepsTheSubnetBits) {
  Pick(Calculator.SubnetMaskComboBox, 6);
  Option.trigger();
  EXPECT_TRUE(Option.isChecked());
  EXPECT_EQ(Calculator.SubnetMaskComboBox->currentIndex(), 7);
  EXPECT_EQ(Calculator.SubnetMaskComboBox->count(), 14);
  ExpectRow("255.255.255.0", "24", "8", "256", "254");
  Pick(Calculator.SubnetBitsComboBox, 0);
  ExpectRow("255.255.128.0", "17", "1", "2", "32766");
  Option.trigger();
  ExpectRow("255.255.192.0", "18", "2", "2", "16382");
}

TEST_F(SubnetCalculatorTest, ClassChangesClampTheSubnetAndSupernetBits) {
  EnterFirstOctet(Dotted(10, 1, 2, 3));
  Pick(Calculator.SubnetBitsComboBox, 8);  // s = 10
  Pick(Calculator.SupernetMaskBitsComboBox, 0);  // p = 1
  EXPECT_EQ(Calculator.SupernetAddressRangeTextBox->Caption(), "0.0.0.0 - 127.255.255.255");
  EXPECT_EQ(Calculator.SupernetAddressCountComboBox->currentText(), "2147483646");
  EnterFirstOctet(Dotted(200, 1, 2, 3));
  EXPECT_EQ(Calculator.SubnetBitsComboBox->currentText(), "6");
  EXPECT_EQ(Calculator.SubnetBitsComboBox->currentIndex(), Calculator.SubnetBitsComboBox->count() - 1);
  EXPECT_EQ(Calculator.SupernetMaskBitsComboBox->currentText(), "3");
  Pick(Calculator.SupernetMaskBitsComboBox, 17);  // p = 20
  EnterFirstOctet(Dotted(10, 1, 2, 3));
  EXPECT_EQ(Calculator.SubnetBitsComboBox->currentText(), "6");
  EXPECT_EQ(Calculator.SupernetMaskBitsComboBox->currentText(), "8");
}

TEST_F(SubnetCalculatorTest, PickingInOneListPicksTheRowInAll) {
  EnterFirstOctet(Dotted(10, 1, 2, 3));
  Pick(Calculator.SubnetHostCountComboBox, Calculator.SubnetHostCountComboBox->findText("2"));
  ExpectRow("255.255.255.252", "30", "22", "4194302", "2");
  EXPECT_EQ(Calculator.SubnetIDTextBox->Caption(), "10.1.2.0");
  EXPECT_EQ(Calculator.SubnetBroadcastTextBox->Caption(), "10.1.2.3");
  EXPECT_EQ(Calculator.SubnetAddressRangeTextBox->Caption(), "10.1.2.1 - 10.1.2.2");
  Calculator.SubnetTableStale = false;
  Pick(Calculator.SubnetCountComboBox, 0);
  EXPECT_TRUE(Calculator.SubnetTableStale);
  ExpectRow("255.192.0.0", "10", "2", "2", "4194302");
}

TEST_F(SubnetCalculatorTest, SupernetsOfTheDefaultAddress) {
  Pick(Calculator.SupernetMaskComboBox, 6);
  EXPECT_EQ(Calculator.SupernetMaskBitsComboBox->currentText(), "8");
  EXPECT_EQ(Calculator.SupernetMaskComboBox->currentText(), "255.0.0.0");
  EXPECT_EQ(Calculator.SupernetCountComboBox->currentText(), "256");
  EXPECT_EQ(Calculator.SupernetAddressCountComboBox->currentText(), "16777214");
  EXPECT_EQ(Calculator.SupernetAddressRangeTextBox->Caption(), "128.0.0.0 - 128.255.255.255");
  EnterFirstOctet(Dotted(200, 1, 2, 3));
  Pick(Calculator.SupernetCountComboBox, Calculator.SupernetCountComboBox->findText("4"));
  EXPECT_EQ(Calculator.SupernetMaskBitsComboBox->currentText(), "22");
  EXPECT_EQ(Calculator.SupernetAddressCountComboBox->currentText(), "1022");
  EXPECT_EQ(Calculator.SupernetAddressRangeTextBox->Caption(), "200.1.0.0 - 200.1.3.255");
}

TEST_F(SubnetCalculatorTest, EveryValueReadsAsItsLabelNamesIt) {
  Pick(Calculator.SubnetMaskComboBox, 6);
  Pick(Calculator.SupernetMaskComboBox, 6);
  const struct {
    const char* Control;
    const char* Name;
    const char* Text;  // nullptr for a control that shows no text of its own
  } cases[] = {
      {"IPAddressEdit", "IP Address", nullptr},
      {"AddressTypeRadioGroup", "Address Type", nullptr},
      {"ClassBitMapTextBox", "Class B Bit Map (n=network; h=host)", "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"},
      {"BinAddressTextBox", "Binary", "10000000.00001111.00001010.00000101"},
      {"HexAddressTextBox", "Hexadecimal", "80.0F.0A.05"},
      {"SubnetBitsComboBox", "Subnet Bits", "8"},
      {"SubnetMaskBitsComboBox", "Mask Bits", "24"},
      {"SubnetMaskComboBox", "Subnet Mask", "255.255.255.0"},
      {"SubnetCountComboBox", "Max # of Subnets", "254"},
      {"SubnetHostCountComboBox", "Max # of Hosts/Subnet", "254"},
      {"SubnetBitMapTextBox", "Subnet Bit Map (n=network; s=subnet; h=host)", "10nnnnnn.nnnnnnnn.ssssssss.hhhhhhhh"},
      {"SubnetAddressRangeTextBox", "Subnet Host Address Range", "128.15.10.1 - 128.15.10.254"},
      {"SubnetIDTextBox", "Subnet ID", "128.15.10.0"},
      {"SubnetBroadcastTextBox", "Subnet Broadcast", "128.15.10.255"},
      {"SupernetMaskBitsComboBox", "Mask Bits", "8"},
      {"SupernetMaskComboBox", "Supernet Mask", "255.0.0.0"},
      {"SupernetCountComboBox", "Max # of Supernets", "256"},
      {"SupernetAddressCountComboBox", "Max # of Addresses", "16777214"},
      {"SupernetAddressRangeTextBox", "Supernet Address Range", "128.0.0.0 - 128.255.255.255"},
  };
  for (const auto& c : cases) {
    auto* control = Calculator.findChild<QWidget*>(c.Control);
    ASSERT_NE(control, nullptr) << c.Control;
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
    EXPECT_EQ(read->text(QAccessible::Name), c.Name) << c.Control;
    if (!c.Text) continue;
    QAccessibleTextInterface* text = read->textInterface();
    ASSERT_NE(text, nullptr) << c.Control;
    EXPECT_EQ(text->text(0, text->characterCount()), c.Text) << c.Control;
  }
}

TEST_F(SubnetCalculatorTest, TheTableListsTheChosenSubnets) {
  struct Case {
    std::uint32_t Address;
    bool Option;
    int HostCountIndex;  // -1: the last, two hosts
    int From, To;
    const char* Hint;
    const char* FirstRow;
    const char* LastRow;
  };
  const Case cases[] = {
      {Dotted(128, 15, 10, 5), false, 6, 1, 254, "Enter a number between 1 and 254",
       "1 | 128.15.1.0 | 128.15.1.1 - 128.15.1.254 | 128.15.1.255",
       "254 | 128.15.254.0 | 128.15.254.1 - 128.15.254.254 | 128.15.254.255"},
      {Dotted(128, 15, 99, 1), false, 6, 1, 254, "Enter a number between 1 and 254",
       "1 | 128.15.1.0 | 128.15.1.1 - 128.15.1.254 | 128.15.1.255",
       "254 | 128.15.254.0 | 128.15.254.1 - 128.15.254.254 | 128.15.254.255"},
      {Dotted(128, 15, 99, 1), true, 7, 0, 255, "Enter a number between 0 and 255",
       "0 | 128.15.0.0 | 128.15.0.1 - 128.15.0.254 | 128.15.0.255",
       "255 | 128.15.255.0 | 128.15.255.1 - 128.15.255.254 | 128.15.255.255"},
      {Dotted(10, 0, 0, 1), false, -1, 1, 2, "Enter a number between 1 and 4194302",
       "1 | 10.0.0.4 | 10.0.0.5 - 10.0.0.6 | 10.0.0.7", "2 | 10.0.0.8 | 10.0.0.9 - 10.0.0.10 | 10.0.0.11"},
      {Dotted(200, 1, 2, 3), false, 0, 2, 2, "Enter a number between 1 and 2",
       "2 | 200.1.2.128 | 200.1.2.129 - 200.1.2.190 | 200.1.2.191", nullptr},
  };
  ShowTablePage();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.FirstRow);
    EnterFirstOctet(c.Address);
    if (Option.isChecked() != c.Option) Option.trigger();
    TValueComboBox* hosts = Calculator.SubnetHostCountComboBox;
    Pick(hosts, c.HostCountIndex < 0 ? hosts->count() - 1 : c.HostCountIndex);
    SetRange(c.From, c.To);
    EXPECT_EQ(Calculator.SubnetFromSpinEdit->toolTip(), c.Hint);
    EXPECT_EQ(Calculator.SubnetToSpinEdit->statusTip(), c.Hint);
    const int rows = c.To - c.From + 1;
    ASSERT_EQ(Calculator.SubnetHostStringGrid->RowCount(), rows + 1);
    EXPECT_EQ(Row(0), "# | Subnet ID | Host Range | Subnet Broadcast");
    EXPECT_EQ(Row(1), c.FirstRow);
    if (c.LastRow) {
      EXPECT_EQ(Row(rows), c.LastRow);
    }
    EXPECT_FALSE(Calculator.SubnetTableStale);
  }
  Calculator.SubnetHostStringGrid->SetSelection({1, 1, 3, 1});
  Calculator.SubnetHostTableClipboardButton->click();
  EXPECT_EQ(ClipboardText(),
            "#\tSubnet ID\tHost Range\tSubnet Broadcast\r\n2\t200.1.2.128\t200.1.2.129 - 200.1.2.190\t200.1.2.191\r\n");
}

TEST_F(SubnetCalculatorTest, TheTableWaitsForItsPage) {
  Calculator.IPSubnetPageControl->setCurrentWidget(Calculator.SubnetInfoTab);
  Pick(Calculator.SubnetMaskComboBox, 5);  // 255.255.254.0: 126 subnets
  SetRange(1, 126);
  EXPECT_TRUE(Calculator.SubnetTableStale);
  EXPECT_EQ(Calculator.SubnetHostStringGrid->Cells(1, 1), "");
  ShowTablePage();
  EXPECT_FALSE(Calculator.SubnetTableStale);
  EXPECT_EQ(Row(126), "126 | 128.15.252.0 | 128.15.252.1 - 128.15.253.254 | 128.15.253.255");
  EXPECT_TRUE(Calculator.SubnetFromSpinEdit->isEnabled());
}

TEST_F(SubnetCalculatorTest, TypedAddressIsComputedAtOnceAndCorrectedWhenDone) {
  TMessageRecorder messages;
  TIPAddressEdit* edit = Calculator.IPAddressEdit;
  EnterFirstOctet(Dotted(10, 1, 1, 1));
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, "200");
  EXPECT_EQ(Calculator.BinAddressTextBox->Caption(), "00001010.00000001.00000001.11001000");
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, "127");  // needs correcting: the pages keep showing 12.1.1.200
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(Address(), "127.1.1.200");
  EXPECT_EQ(Calculator.BinAddressTextBox->Caption(), "00001100.00000001.00000001.11001000");
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_TRUE(messages.Messages[0].Text.startsWith("The IP Address 127.x.x.x is"));
  EXPECT_EQ(Address(), "126.1.1.200");
  EXPECT_EQ(Calculator.BinAddressTextBox->Caption(), "01111110.00000001.00000001.11001000");
}

TEST_F(SubnetCalculatorTest, ARangeMovedIntoNewBoundsAsksNothing) {
  ShowTablePage();
  EnterFirstOctet(Dotted(10, 0, 0, 1));
  Pick(Calculator.SubnetHostCountComboBox, Calculator.SubnetHostCountComboBox->count() - 1);  // 30 mask bits
  SetRange(4193000, 4193019);
  TMessageRecorder messages;
  EnterFirstOctet(Dotted(172, 16, 5, 9));  // class B: subnets 1 to 16382
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(Calculator.SubnetFromSpinEdit->Value(), 16382);
  EXPECT_EQ(Calculator.SubnetToSpinEdit->Value(), 16382);
  ASSERT_EQ(Calculator.SubnetHostStringGrid->RowCount(), 2);
  EXPECT_EQ(Row(1), "16382 | 172.16.255.248 | 172.16.255.249 - 172.16.255.250 | 172.16.255.251");
}

// Counts the events of the given types that reach an object.
class TEventCounter : public QObject {
 public:
  TEventCounter(QObject* target, std::initializer_list<QEvent::Type> types) : Types(types) {
    target->installEventFilter(this);
  }
  int Count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (Types.contains(event->type())) ++Count;
    return false;
  }

 private:
  QList<QEvent::Type> Types;
};

TEST_F(SubnetCalculatorTest, SteppingTheRangeKeepsTheFocusAndTheFieldEnabled) {
  Calculator.show();
  Calculator.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Calculator));
  ShowTablePage();
  TBetterSpinEdit* from = Calculator.SubnetFromSpinEdit;
  from->setFocus();
  const TEventCounter flicker(from, {QEvent::EnabledChange, QEvent::FocusOut});
  QTest::keyClick(from, Qt::Key_Up);
  QTest::keyClick(from, Qt::Key_Up);
  EXPECT_EQ(Row(1), "3 | 128.15.3.0 | 128.15.3.1 - 128.15.3.254 | 128.15.3.255");
  EXPECT_TRUE(from->hasFocus());
  EXPECT_EQ(flicker.Count, 0);
}

TEST_F(SubnetCalculatorTest, APastedMaskIsChosenWhenTheClassOffersIt) {
  const struct {
    const char* Clipboard;
    const char* Address;
    int Class;
    const char* MaskBits;
  } cases[] = {
      {"10.1.2.3/12", "10.1.2.3", 0, "12"},
      {"172.16.0.1 255.255.255.240", "172.16.0.1", 1, "28"},
      {"10.1.2.3/8", "10.1.2.3", 0, "20"},         // no subnets in a /8: the 12 subnet bits stay
      {"192.168.7.9/24", "192.168.7.9", 2, "30"},  // nor in a class C /24: the last row, as the class allows
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Clipboard);
    ClipboardSetText(c.Clipboard);
    QTest::keyClick(Calculator.IPAddressEdit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Address(), c.Address);
    EXPECT_EQ(ClassIndex(), c.Class);
    EXPECT_EQ(Calculator.SubnetMaskBitsComboBox->currentText(), c.MaskBits);
  }
}
}  // namespace
