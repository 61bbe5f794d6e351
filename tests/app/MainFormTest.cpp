// SPDX-License-Identifier: MIT
#include "app/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/KestIPAddrEdit.h"
#include "controls/KestPanels.h"
#include "latency/LatencyCalculator.h"
#include "prefix/PrefixCalculator.h"
#include "latency/PlimsolNetworkButton.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/RadioGroup.h"
#include "platform/Registry.h"
#include "platform/ValueComboBox.h"
#include "radix/RadixerCalculator.h"
#include "subnet/SubnetCalculator.h"
#include "tests/support/MessageRecorder.h"

namespace {

class MainFormTest : public testing::Test {
 protected:
  void SetUp() override { QFile::remove(RegistryFilePath()); }
};

TEST_F(MainFormTest, FirstStartShowsTheSubnetCalculator) {
  TMainForm form;
  form.FormCreate();
  EXPECT_FALSE(QFile::exists(RegistryFilePath())) << "nothing is saved at start-up";
  EXPECT_EQ(form.windowTitle(), "Orvane Calculator");
  EXPECT_EQ(form.size(), QSize(297, 455));
  EXPECT_EQ(form.minimumSize(), QSize(297, 455));
  EXPECT_EQ(form.ActiveCalculator, 1);
  EXPECT_FALSE(form.Loading);
  EXPECT_TRUE(form.CalculatorIPSubnetItem->isChecked());
  EXPECT_TRUE(form.OptionsMenu->isEnabled());
  EXPECT_EQ(form.MainPageControl->currentWidget(), form.IPSubnetTabSheet);
  EXPECT_FALSE(form.MainPageControl->tabBar()->isVisibleTo(&form));
  EXPECT_FALSE(form.HelpTopicsItem->isVisible());
  EXPECT_FALSE(form.HelpSeparator1Item->isVisible());
  EXPECT_TRUE(form.GotoWebsiteButton->text().isEmpty());
  EXPECT_EQ(form.GotoWebsiteButton->toolTip(), "Click to visit Kest Group's website");
  const TSubnetCalculator* subnet = form.SubnetCalculator;
  EXPECT_EQ(subnet->IPAddressEdit->AddressString(), "128.15.10.5");
  EXPECT_EQ(subnet->AddressTypeRadioGroup->ItemIndex(), 1);
  EXPECT_EQ(subnet->BinAddressTextBox->Caption(), "10000000.00001111.00001010.00000101");
  EXPECT_EQ(subnet->HexAddressTextBox->Caption(), "80.0F.0A.05");
}

TEST_F(MainFormTest, TypingTheLoopbackOctetShowsOneMessageAndCorrectsIt) {
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  TIPAddressEdit* edit = form.SubnetCalculator->IPAddressEdit;
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_Delete);
  TMessageRecorder messages;
  QTest::keyClicks(edit, "12");
  EXPECT_TRUE(messages.Messages.empty()) << "no message while the value is still being typed";
  QTest::keyClick(edit, Qt::Key_7);  // the third digit moves on to the next field
  QTest::keyClick(edit, Qt::Key_Tab);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Caption, "Invalid IP Address");
  EXPECT_EQ(messages.Messages[0].Flags, MB_OK | MB_ICONINFORMATION);
  EXPECT_TRUE(messages.Messages[0].Text.startsWith("The IP Address 127.x.x.x"));
  EXPECT_EQ(edit->AddressString(), "126.15.10.5");
  EXPECT_EQ(form.SubnetCalculator->AddressTypeRadioGroup->ItemIndex(), 0);
}

TEST_F(MainFormTest, TheMenuBarCarriesEveryCommand) {
  TMainForm form;
  form.FormCreate();
  struct Item {
    QAction* Action;
    const char* Caption;
    const char* Shortcut;
  };
  const Item items[] = {
      {form.FileSaveTableItem, "&Save Table As...", "Ctrl+Shift+S"},
      {form.FileExitItem, "E&xit", ""},
      {form.EditCopyItem, "&Copy", "Ctrl+C"},
      {form.EditPasteItem, "&Paste", "Ctrl+V"},
      {form.CalculatorRadixerItem, "&Radixer Calculator", "Ctrl+H"},
      {form.CalculatorIPSubnetItem, "&Orvane Calculator", "Ctrl+I"},
      {form.CalculatorLatencyItem, "&Latency Calculator", "Ctrl+L"},
      {form.OptionsAllow1SubnetBitItem, "Allow &1 Subnet Bit (RFC 1878)", ""},
      {form.HelpContentsItem, "&Contents", "F1"},
      {form.HelpTopicsItem, "&Help Topics", "F1"},
      {form.HelpGotoWebsiteAction, "Visit Kest Group's &Website...", ""},
      {form.HelpAboutAction, "&About...", ""},
  };
  for (const Item& item : items) {
    EXPECT_EQ(item.Action->text(), item.Caption);
    EXPECT_EQ(item.Action->shortcut(), QKeySequence(item.Shortcut)) << item.Caption;
  }
  EXPECT_TRUE(form.OptionsAllow1SubnetBitItem->isCheckable());
  EXPECT_FALSE(form.OptionsAllow1SubnetBitItem->isChecked());
  EXPECT_EQ(form.HelpGotoWebsiteAction->property("category").toString(), "Help");
  EXPECT_EQ(form.HelpAboutAction->property("category").toString(), "Help");
}

// Takes the place of the browser: records each address it is asked to open.
class TUrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Opened;
 public slots:
  void Open(const QUrl& url) { Opened.append(url); }
};

TEST_F(MainFormTest, F1OpensTheUserGuideInTheBrowser) {
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  TUrlRecorder browser;
  QDesktopServices::setUrlHandler("file", &browser, "Open");
  QTest::keyClick(&form, Qt::Key_F1);
  QDesktopServices::unsetUrlHandler("file");
  ASSERT_EQ(browser.Opened.size(), 1);
  QFile guide(browser.Opened[0].toLocalFile());
  ASSERT_TRUE(guide.open(QIODevice::ReadOnly)) << browser.Opened[0].toString().toStdString();
  const QString text = QString::fromUtf8(guide.readAll());
  for (const char* calculator : {"Radixer Calculator", "Orvane Calculator", "Latency Calculator"})
    EXPECT_TRUE(text.contains(calculator)) << calculator;
}

TEST_F(MainFormTest, ShortcutsSwitchCalculators) {
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  struct Step {
    const char* Keys;
    int Calculator;
    QAction* Checked;
    bool OptionsEnabled;
  };
  const Step steps[] = {{"Ctrl+H", 0, form.CalculatorRadixerItem, false},
                        {"Ctrl+L", 2, form.CalculatorLatencyItem, false},
                        {"Ctrl+P", 3, form.CalculatorPrefixItem, false},
                        {"Ctrl+I", 1, form.CalculatorIPSubnetItem, true}};
  for (const Step& step : steps) {
    QTest::keySequence(&form, QKeySequence(step.Keys));
    EXPECT_EQ(form.ActiveCalculator, step.Calculator) << step.Keys;
    EXPECT_EQ(form.MainPageControl->currentIndex(), step.Calculator);
    for (QAction* item : {form.CalculatorRadixerItem, form.CalculatorIPSubnetItem, form.CalculatorLatencyItem,
                          form.CalculatorPrefixItem})
      EXPECT_EQ(item->isChecked(), item == step.Checked) << step.Keys;
    EXPECT_EQ(form.OptionsMenu->isEnabled(), step.OptionsEnabled);
  }
}

TEST_F(MainFormTest, ArrowButtonsCycleWithHintsNamingTheirTarget) {
  TMainForm form;
  form.FormCreate();
  // The three older calculators keep their cycle; the Prefix Calculator's arrows lead into it.
  const char* names[] = {"Radixer", "Orvane", "Latency", "Prefix"};
  const struct {
    int From, Up, Down;
  } arrows[] = {{0, 2, 1}, {1, 0, 2}, {2, 1, 0}, {3, 2, 0}};
  for (const auto& arrow : arrows) {
    for (QToolButton* button : {form.CalcImageUpButton, form.CalcImageDnButton}) {
      form.SelectCalculator(arrow.From);
      const int target = button == form.CalcImageUpButton ? arrow.Up : arrow.Down;
      EXPECT_EQ(button->toolTip(), QString("Click to change to the %1 Calculator").arg(names[target])) << arrow.From;
      EXPECT_EQ(button->statusTip(), button->toolTip());
      button->click();
      EXPECT_EQ(form.ActiveCalculator, target) << arrow.From;
      EXPECT_FALSE(form.CalcLogoImage->pixmap().isNull());
    }
  }
  form.CalcImageButtonClick(nullptr);
  EXPECT_EQ(form.ActiveCalculator, 1);
  form.SelectCalculator(0);
  EXPECT_EQ(form.CalcLogoPanel->toolTip(),
            "The Radixer Calculator performs useful functions with binary, decimal, hexadecimal, and octal numbers");
}

TEST_F(MainFormTest, ArrowButtonsSitInTheLogoCorners) {
  TMainForm form;
  form.FormCreate();
  form.show();
  for (int width : {297, 500}) {
    form.resize(width, 455);
    QApplication::processEvents();
    const QRect client = form.CalcLogoPanel->contentsRect();
    EXPECT_EQ(form.CalcImageUpButton->geometry(),
              QRect(client.right() + 1 - 17, client.top(), 17, 17));
    EXPECT_EQ(form.CalcImageDnButton->geometry().bottomRight(), client.bottomRight());
  }
}

TEST_F(MainFormTest, NetworkSetupPanelHasItsDesignedPlaceAtTheMinimumSize) {
  TMainForm form;
  form.FormCreate();
  form.show();
  form.SelectCalculator(2);
  QCoreApplication::processEvents();
  const TLatencyCalculator* latency = form.LatencyCalculator;
  QWidget* panel = latency->NetworkSetupPanel;
  EXPECT_EQ(panel->geometry(), QRect(0, 32, 265, 214));
  // The sample networks line up with the server in the bottom right corner.
  const TNetworkButton* server = latency->TowerNetworkButton;
  EXPECT_EQ(latency->NetworkChain[2]->x(), server->x());
  EXPECT_EQ(latency->NetworkChain[4]->y(), server->y());

  form.resize(397, 505);
  QCoreApplication::processEvents();
  EXPECT_EQ(panel->geometry(), QRect(0, 32, 365, 264));
}

TEST_F(MainFormTest, SettingsSurviveARestart) {
  auto pick = [](TValueComboBox* list, int index) {
    list->setCurrentIndex(index);
    list->OnClick(list);
  };
  {
    TMainForm form;
    form.FormCreate();
    TSubnetCalculator* subnet = form.SubnetCalculator;
    subnet->IPAddressEdit->SetAddressString("192.168.1.1");
    form.OptionsAllow1SubnetBitItem->trigger();
    pick(subnet->SubnetMaskComboBox, 3);  // 4 subnet bits: subnets 0 to 15
    subnet->SubnetToSpinEdit->SetValue(9);
    subnet->SubnetFromSpinEdit->SetValue(2);
    pick(subnet->SupernetMaskComboBox, 10);
    subnet->IPSubnetPageControl->setCurrentIndex(2);
    form.move(40, 30);
    form.resize(320, 500);
  }
  const std::pair<const char*, const char*> stored[] = {
      {"IPAddress", "-1062731519"}, {"ActivePageIndex", "2"}, {"Allow1SubnetBit", "1"}, {"SIItemIndex", "3"},
      {"SHFrom", "2"},              {"SHTo", "9"},            {"CIItemIndex", "10"},
  };
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Kest Group\\Plimsol Calculator\\3.01\\Orvane Calculator"));
  for (auto [name, text] : stored) EXPECT_EQ(registry.ReadString(name), text) << name;

  TMainForm form;
  form.FormCreate();
  const TSubnetCalculator* subnet = form.SubnetCalculator;
  EXPECT_EQ(subnet->IPAddressEdit->AddressString(), "192.168.1.1");
  EXPECT_EQ(subnet->AddressTypeRadioGroup->ItemIndex(), 2);
  EXPECT_EQ(subnet->IPSubnetPageControl->currentIndex(), 2);
  EXPECT_TRUE(form.OptionsAllow1SubnetBitItem->isChecked());
  EXPECT_EQ(subnet->SubnetMaskComboBox->currentText(), "255.255.255.240");
  EXPECT_EQ(subnet->SubnetFromSpinEdit->Value(), 2);
  EXPECT_EQ(subnet->SubnetToSpinEdit->Value(), 9);
  EXPECT_EQ(subnet->SupernetMaskComboBox->currentIndex(), 10);
  EXPECT_EQ(form.pos(), QPoint(40, 30));
  EXPECT_EQ(form.size(), QSize(320, 500));
  EXPECT_TRUE(subnet->SubnetTableStale) << "no table is filled while starting";

  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_FALSE(subnet->SubnetTableStale);
  EXPECT_EQ(subnet->SubnetHostStringGrid->RowCount(), 9);
  EXPECT_EQ(subnet->SubnetHostStringGrid->Cells(1, 1), "192.168.1.32");
}

TEST_F(MainFormTest, SettingsThatCannotBeSavedAreDroppedSilently) {
  QTemporaryDir config;
  QFile blocker(config.filePath("OrvaneCalculator"));  // a file where the settings folder belongs
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  TMessageRecorder messages;
  {
    TMainForm form;
    form.FormCreate();
  }
  qputenv("XDG_CONFIG_HOME", previous);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(MainFormTest, AStoredReservedAddressComesBackCorrectedSilently) {
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Kest Group\\Plimsol Calculator\\3.01\\Orvane Calculator", true));
    registry.WriteString("IPAddress", "2130706433");  // 127.0.0.1
    registry.WriteString("Allow1SubnetBit", "yes");
  }
  TMainForm form;
  form.FormCreate();
  EXPECT_EQ(form.SubnetCalculator->IPAddressEdit->AddressString(), "126.0.0.1");
  EXPECT_EQ(form.SubnetCalculator->AddressTypeRadioGroup->ItemIndex(), 0);
  EXPECT_FALSE(form.OptionsAllow1SubnetBitItem->isChecked());
}

TEST_F(MainFormTest, EachCalculatorOpensOnItsFirstFieldAndTabPassesNoDecoration) {
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.SubnetCalculator->IPAddressEdit->isAncestorOf(QApplication::focusWidget())) << "at start-up";
  const QWidget* first[] = {form.RadixerCalculator->NumberWidthGroup, form.SubnetCalculator->IPAddressEdit,
                            form.LatencyCalculator->DesktopNetworkButton, form.PrefixCalculator->InputEdit};
  const QWidget* decorations[] = {form.CalcImageUpButton, form.CalcImageDnButton, form.GotoWebsiteButton};
  for (int calculator = 0; calculator < TMainForm::CalculatorCount; ++calculator) {
    SCOPED_TRACE(calculator);
    form.SelectCalculator(calculator);
    QWidget* start = QApplication::focusWidget();
    ASSERT_TRUE(start && (start == first[calculator] || first[calculator]->isAncestorOf(start)));
    std::vector<QWidget*> visited;
    for (int tab = 0; tab < 50; ++tab) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      if (focus == start) break;
      ASSERT_TRUE(focus && focus->isVisible());
      visited.push_back(focus);
    }
    ASSERT_FALSE(visited.empty()) << "Tab leaves the first field";
    EXPECT_EQ(QApplication::focusWidget(), start) << "and comes back to it";
    for (const QWidget* decoration : decorations)
      EXPECT_EQ(std::count(visited.begin(), visited.end(), decoration), 0) << decoration->objectName().toStdString();
    QTest::keyClick(start, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), visited.back()) << "Shift+Tab goes the other way";
  }
}

TEST_F(MainFormTest, EveryPageTabShowsWholeInTheSmallestWindow) {
  TMainForm form;
  form.FormCreate();
  form.show();
  ASSERT_EQ(form.size(), QSize(297, 455));
  for (int calculator = 0; calculator < TMainForm::CalculatorCount; ++calculator) {
    form.SelectCalculator(calculator);
    QApplication::processEvents();
    for (QTabWidget* pages : form.MainPageControl->widget(calculator)->findChildren<QTabWidget*>()) {
      const QTabBar* bar = pages->tabBar();
      for (int i = 0; i < bar->count(); ++i) {
        SCOPED_TRACE(bar->tabText(i).toStdString());
        EXPECT_TRUE(pages->rect().contains(bar->geometry()));
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i)));
        EXPECT_LE(bar->fontMetrics().horizontalAdvance(bar->tabText(i)), bar->tabRect(i).width());
      }
    }
  }
}

}  // namespace

#include "MainFormTest.moc"
