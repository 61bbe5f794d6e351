// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

#include "app/MainForm.h"
#include "controls/KestIPAddrEdit.h"
#include "controls/KestNumberEdit.h"
#include "controls/KestStringGrid.h"
#include "latency/LatencyCalculator.h"
#include "platform/Clipboard.h"
#include "platform/Registry.h"
#include "platform/ValueComboBox.h"
#include "radix/RadixerCalculator.h"
#include "subnet/SubnetCalculator.h"

namespace {

class EditMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(RegistryFilePath());
    Form.FormCreate();
    Form.show();
    QApplication::setActiveWindow(&Form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  }

  // Shows the calculator and page holding `control` and gives it the focus.
  void Focus(int calculator, QTabWidget* pages, QWidget* page, QWidget* control) {
    Form.SelectCalculator(calculator);
    if (pages) pages->setCurrentWidget(page);
    control->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), control);
  }

  void OpenEditMenu() {
    Form.EditMenu->popup(QPoint());
    Form.EditMenu->close();
  }

  TMainForm Form;
  TRadixerCalculator& Radixer = *Form.RadixerCalculator;
  TSubnetCalculator& Subnet = *Form.SubnetCalculator;
  TLatencyCalculator& Latency = *Form.LatencyCalculator;
};

TEST_F(EditMenuTest, ItemsFollowTheFocusedControlWhenTheMenuOpens) {
  EXPECT_TRUE(Form.EditCopyItem->isEnabled());
  EXPECT_TRUE(Form.EditPasteItem->isEnabled());
  struct Case {
    const char* Control;
    std::function<void()> Focus;
    bool ClipboardText;
    bool Copy;
    bool Paste;
  };
  const Case cases[] = {
      {"combo box", [&] { Focus(1, Subnet.IPSubnetPageControl, Subnet.IPSubnetPageControl->widget(1),
                                Subnet.SubnetMaskComboBox); }, true, false, false},
      {"address field", [&] { Focus(1, nullptr, nullptr, Subnet.IPAddressEdit); }, true, true, false},
      {"address field, menu bar reached with Alt",
       [&] {
         Focus(1, nullptr, nullptr, Subnet.IPAddressEdit);
         QTest::keyClick(Subnet.IPAddressEdit, Qt::Key_Alt);
         ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(Form.menuBar()));
       },
       true, true, false},
      {"number edit", [&] { Focus(0, nullptr, nullptr, Radixer.HexNumberEdit); }, true, true, true},
      {"number edit, empty clipboard", [&] { Focus(0, nullptr, nullptr, Radixer.HexNumberEdit); }, false, true,
       false},
      {"table", [&] { Focus(2, Latency.LatencyPageControl, Latency.LatencyStatsTabSheet,
                            Latency.LatencyStatsStringGrid); }, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Control);
    c.Focus();
    if (c.ClipboardText)
      ClipboardSetText("12");
    else
      QGuiApplication::clipboard()->clear();
    OpenEditMenu();
    EXPECT_EQ(Form.EditCopyItem->isEnabled(), c.Copy);
    EXPECT_EQ(Form.EditPasteItem->isEnabled(), c.Paste);
  }
}

TEST_F(EditMenuTest, CopyAndPasteReachTheFocusedControl) {
  Focus(0, nullptr, nullptr, Radixer.HexNumberEdit);
  Radixer.DecNumberEdit->SetValueInteger(0xABCD);
  Radixer.HexNumberEdit->setSelection(4, 2);
  Form.EditCopyItem->trigger();
  EXPECT_EQ(ClipboardText(), "AB") << "an edit box copies its selection";
  ClipboardSetText("ff");
  Radixer.HexNumberEdit->setSelection(4, 4);
  Form.EditPasteItem->trigger();
  EXPECT_EQ(Radixer.HexNumberEdit->text(), "000000FF");
  EXPECT_EQ(Radixer.DecNumberEdit->ValueInteger(), 255);

  Focus(1, nullptr, nullptr, Subnet.IPAddressEdit);
  Form.EditCopyItem->trigger();
  EXPECT_EQ(ClipboardText(), "128.15.10.5") << "the address field copies the whole address";

  Focus(2, Latency.LatencyPageControl, Latency.LatencyStatsTabSheet, Latency.LatencyStatsStringGrid);
  Latency.LatencyStatsStringGrid->CopyToClipboard();
  const QString table = ClipboardText();
  ClipboardSetText("before");
  Form.EditCopyItem->trigger();
  EXPECT_EQ(ClipboardText(), table) << "a table copies as its own copy button does";
}

TEST_F(EditMenuTest, ShortcutsNeverTakeTheKeyFromAControlThatAnswersIt) {
  Focus(1, nullptr, nullptr, Subnet.IPAddressEdit);
  OpenEditMenu();
  ASSERT_FALSE(Form.EditPasteItem->isEnabled());
  ClipboardSetText("10.1.2.3");
  QTest::keyClick(Subnet.IPAddressEdit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Subnet.IPAddressEdit->AddressString(), "10.1.2.3");

  Focus(0, nullptr, nullptr, Radixer.HexNumberEdit);
  OpenEditMenu();
  int pasted = 0;
  QObject::connect(Form.EditPasteItem, &QAction::triggered, [&] { ++pasted; });
  ClipboardSetText("1");
  Radixer.HexNumberEdit->selectAll();
  QTest::keyClick(Radixer.HexNumberEdit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Radixer.HexNumberEdit->text(), "00000001");
  EXPECT_EQ(pasted, 0) << "the edit takes Ctrl+V itself";
}

TEST_F(EditMenuTest, TheStatisticsPageEnablesCopyUntilTheFocusLeavesIt) {
  Focus(1, Subnet.IPSubnetPageControl, Subnet.IPSubnetPageControl->widget(1), Subnet.SubnetMaskComboBox);
  OpenEditMenu();
  ASSERT_FALSE(Form.EditCopyItem->isEnabled());
  Focus(2, Latency.LatencyPageControl, Latency.LatencyStatsTabSheet, Latency.LatencyStatsStringGrid);
  EXPECT_TRUE(Form.EditCopyItem->isEnabled());
  Form.GotoWebsiteButton->setFocus();
  EXPECT_FALSE(Form.EditCopyItem->isEnabled());
}

}  // namespace
