// SPDX-License-Identifier: MIT
#include "latency/PlimsolNetworkButtonForm.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>

#include <memory>

#include "controls/KestSpinEdit.h"
#include "latency/LatencyCalculator.h"
#include "latency/LinkDistance.h"
#include "latency/PlimsolNetworkButton.h"
#include "platform/ValueComboBox.h"
#include "platform/Registry.h"
#include "tests/support/MessageRecorder.h"

#include "tests/latency/LatencyFixture.h"

namespace {

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

class NetworkButtonForm : public TLatencyFixture {
 protected:
  void SetUp() override {
    TLatencyFixture::SetUp();
    Form = GetNetworkButtonForm(false);
  }

  TNetworkButton* At(int index) const { return Calculator->NetworkChain[index]; }
  QString Text(const char* text) const { return QString(text).replace('.', QLocale().decimalPoint()); }

  TNetworkButtonForm* Form = nullptr;
};

TEST_F(NetworkButtonForm, ShowsTheFieldsOfTheElementsKind) {
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->windowTitle(), "Properties");
  struct TCase {
    int Index;
    QString Caption;
    bool Host;
    QStringList Bandwidths;
    QString Bandwidth, Topology;
    bool DelayEnabled;
    int Delay;
    int ButtonTop;
  };
  const QStringList carriers{"0.064", "0.128", "0.256", "0.512", "1.024", "1.544", "6.312", "44.736", "274.176"};
  const std::vector<TCase> cases{
      {1, "Ethernet Properties", false, {"10", "100", "1000"}, "10", "Ethernet", false, 0, 136},
      {3, "Frame Relay Properties", false, carriers, "1.544", "Frame Relay", true, 5, 136},
      {0, "Client Properties", true, {}, "", "", false, 0, 104},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Caption.toStdString());
    At(c.Index)->PropertiesEntry()->trigger();
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->windowTitle(), c.Caption);
    EXPECT_EQ(Form->StationPanel->isVisibleTo(Form), c.Host);
    EXPECT_EQ(Form->NetworkPanel->isVisibleTo(Form), !c.Host);
    EXPECT_EQ(Form->OKButton->y(), c.ButtonTop);
    if (c.Host) {
      EXPECT_EQ(Form->PacketSizeSpinEdit->Value(), 64);
      EXPECT_EQ(Form->ProcessTimeSpinEdit->Value(), 0);
      continue;
    }
    QStringList expected;
    for (const QString& b : c.Bandwidths) expected << Text(b.toLatin1());
    EXPECT_EQ(Items(Form->BandwidthComboBox), expected);
    EXPECT_EQ(Form->BandwidthComboBox->currentText(), Text(c.Bandwidth.toLatin1()));
    EXPECT_EQ(Form->TopologyComboBox->currentText(), c.Topology);
    EXPECT_EQ(Form->PropDelaySpinEdit->isEnabled(), c.DelayEnabled);
    EXPECT_EQ(Form->PropDelaySpinEdit->Value(), c.Delay);
  }

  // An open dialog follows the selection.
  Calculator->SelectNetwork(At(4));
  EXPECT_EQ(Form->windowTitle(), "Token Ring Properties");
  EXPECT_EQ(Form->Element, At(4));
}

TEST_F(NetworkButtonForm, ListFieldsAreNamedByTheirLabels) {
  const std::pair<QComboBox*, QString> lists[] = {{Form->TopologyComboBox, "Topology"},
                                                  {Form->BandwidthComboBox, "Bandwidth (Mbps)"}};
  for (const auto& [list, name] : lists) {
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(list->lineEdit());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), name);
    // The list itself too, not after the text it holds.
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(whole->text(QAccessible::Name), name);
    EXPECT_EQ(whole->text(QAccessible::Value), list->currentText());
    EXPECT_EQ(whole->indexOfChild(field), 1);
    EXPECT_EQ(field->parent(), whole);
  }
}

TEST_F(NetworkButtonForm, TypedTopologyIsTheEntryItSpellsWhateverTheCase) {
  struct TCase {
    const char* Typed;
    QString Completed;  // as the list's completion finishes the typed letters
    TNetworkButtonKind Kind;
    QString Entry;
  };
  for (const TCase& c : {TCase{"Token", "Token Ring", nbTokenRing, "Token Ring"},
                         TCase{"tok", "token Ring", nbTokenRing, "Token Ring"}, TCase{"x.25", "x.25", nbX25, "X.25"}}) {
    SCOPED_TRACE(c.Typed);
    At(1)->PropertiesEntry()->trigger();
    const int entries = Form->TopologyComboBox->count();
    Form->TopologyComboBox->lineEdit()->clear();
    QTest::keyClicks(Form->TopologyComboBox, c.Typed);
    Form->TopologyComboBox->lineEdit()->setText(c.Completed);
    QTest::keyClick(Form->TopologyComboBox, Qt::Key_Return);
    EXPECT_EQ(Form->CurrentKind, c.Kind);
    EXPECT_EQ(Form->TopologyComboBox->count(), entries);
    EXPECT_EQ(Form->TopologyComboBox->currentText(), c.Entry);
  }
}

TEST_F(NetworkButtonForm, PresetFillsANetworkOfTheUsersOwn) {
  At(3)->PropertiesEntry()->trigger();
  const int entries = Form->TopologyComboBox->count();
  // Down on the list chooses its first preset.
  QTest::keyClick(Form->PresetComboBox, Qt::Key_Down);
  EXPECT_EQ(Form->TopologyComboBox->currentText(), "Ethernet 1 Gb/s");
  EXPECT_EQ(Form->TopologyComboBox->currentIndex(), entries);
  EXPECT_EQ(Form->CurrentKind, nbOther);
  EXPECT_EQ(Form->BandwidthComboBox->currentText(), "1000");
  EXPECT_EQ(Form->PropDelaySpinEdit->Value(), 0);
  EXPECT_EQ(Form->windowTitle(), "Ethernet 1 Gb/s Properties");

  Form->PresetComboBox->SetItemIndex(22);
  Form->PresetComboBoxClick();
  Form->ApplyButton->click();
  EXPECT_EQ(At(3)->Hint(), "GEO satellite hop (50 Mbps, 239 ms prop. delay)");
  EXPECT_EQ(At(3)->NetworkButtonKind(), nbOther);
  EXPECT_EQ(At(3)->TopologyIndex(), entries + 1);
}

TEST_F(NetworkButtonForm, DistanceGivesTheDelayInWholeMilliseconds) {
  At(3)->PropertiesEntry()->trigger();
  struct TCase {
    TMedium Medium;
    int Km;
    int Delay;
    QString Exact;
  };
  for (const TCase& c : {TCase{TMedium::Fibre, 1000, 5, "= 4.900 ms"}, TCase{TMedium::Copper, 100, 1, "= 0.500 ms"},
                         TCase{TMedium::Satellite, 35786, 239, "= 238.738 ms"}}) {
    SCOPED_TRACE(c.Km);
    Form->MediumComboBox->SetItemIndex(static_cast<int>(c.Medium));
    Form->DistanceSpinEdit->SetValue(c.Km);
    EXPECT_EQ(Form->PropDelaySpinEdit->Value(), c.Delay);
    EXPECT_EQ(Form->ExactDelayEdit->text(), Text(c.Exact.toLatin1()));
  }
  // Another element starts without a distance, with its own delay.
  At(1)->PropertiesEntry()->trigger();
  EXPECT_EQ(Form->DistanceSpinEdit->Value(), 0);
  EXPECT_TRUE(Form->ExactDelayEdit->text().isEmpty());
  // Ethernet has no propagation delay to give.
  EXPECT_FALSE(Form->DistanceSpinEdit->isEnabled());
  EXPECT_FALSE(Form->MediumComboBox->isEnabled());
}

TEST_F(NetworkButtonForm, TypedBandwidthIsFilteredAndApplied) {
  At(3)->PropertiesEntry()->trigger();
  // Typed keys go to the list, which has the focus, not to its field.
  QComboBox* list = Form->BandwidthComboBox;
  QLineEdit* edit = list->lineEdit();
  edit->clear();
  QTest::keyClicks(list, "1x");
  QTest::keyClicks(list, QString(QLocale().decimalPoint()) + "a5");
  EXPECT_EQ(edit->text(), Text("1.5"));
  Calculator->ChainDirty = false;
  Form->ApplyButton->click();
  EXPECT_EQ(At(3)->Bandwidth(), 1.5);
  EXPECT_EQ(At(3)->Hint(), Text("Frame Relay (1.5 Mbps, 5 ms prop. delay)"));
  EXPECT_TRUE(Calculator->ChainDirty);
  EXPECT_TRUE(Form->isVisible());

  // Enter in an empty field makes it 0 at once, without pressing OK.
  edit->clear();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "0");
  EXPECT_TRUE(Form->isVisible());
}

TEST_F(NetworkButtonForm, BandwidthThatIsNoNumberIsReportedAndNothingStored) {
  At(1)->PropertiesEntry()->trigger();
  const QString bad = Text("1..5");
  Form->BandwidthComboBox->setEditText(bad);
  Form->TopologyComboBox->setEditText("Mine");
  TMessageRecorder recorder;
  Form->OKButton->click();
  ASSERT_EQ(recorder.Messages.size(), 1u);
  EXPECT_EQ(recorder.Messages[0].Text, "'" + bad + "' is not a valid floating point value");
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(At(1)->Bandwidth(), 10);
  EXPECT_EQ(At(1)->NetworkName(), "Ethernet");
}

TEST_F(NetworkButtonForm, ApplyOnTheClientUpdatesItsDescription) {
  At(0)->PropertiesEntry()->trigger();
  Form->PacketSizeSpinEdit->SetValue(128);
  Calculator->ChainDirty = false;
  Form->ApplyButton->click();
  EXPECT_EQ(At(0)->Hint(), "Client (128 B pkt.)");
  EXPECT_TRUE(Calculator->ChainDirty);
  EXPECT_TRUE(Form->isVisible());
  Form->CancelButton->click();
  EXPECT_FALSE(Form->isVisible());
}

TEST_F(NetworkButtonForm, ChoosingATopologySetsItsDefaults) {
  At(1)->PropertiesEntry()->trigger();
  struct TCase {
    QString Topology;
    QString Bandwidth;
    bool DelayEnabled;
    int Delay;
  };
  for (const TCase& c : {TCase{"Satellite", "0.512", true, 270}, TCase{"T3", "44.736", true, 5},
                         TCase{"HIPPI", "800", false, 0}}) {
    SCOPED_TRACE(c.Topology.toStdString());
    Form->TopologyComboBox->setCurrentText(c.Topology);
    Form->TopologyComboBoxChange();
    EXPECT_EQ(Form->BandwidthComboBox->currentText(), Text(c.Bandwidth.toLatin1()));
    EXPECT_EQ(Form->PropDelaySpinEdit->isEnabled(), c.DelayEnabled);
    EXPECT_EQ(Form->PropDelaySpinEdit->Value(), c.Delay);
    EXPECT_EQ(Form->windowTitle(), c.Topology + " Properties");
  }
  // A name of the user's own is an "other" network.
  Form->TopologyComboBox->setEditText("Campus");
  Form->TopologyComboBoxChange();
  Form->TopologyComboBoxExit();
  EXPECT_EQ(Form->CurrentKind, nbOther);
  EXPECT_EQ(Form->TopologyComboBox->currentIndex(), 15);
  Form->BandwidthComboBox->setEditText("2");
  Form->OKButton->click();
  EXPECT_EQ(At(1)->Hint(), "Campus (2 Mbps, 10 ms prop. delay)");
  EXPECT_EQ(At(1)->TopologyIndex(), 15);
  EXPECT_FALSE(Form->isVisible());
}

TEST(LatencySettings, CountIsClampedAndAValueOfAnotherTypeReadsNothing) {
  struct TCase {
    bool Integer;
    int Count;
    TNetworkButtonKind Kind;  // the dialog is last set up for
  };
  for (const TCase& c : {TCase{true, 99, nbTokenRing}, TCase{true, 2, nbFDDI}, TCase{false, 0, nb56Switched}}) {
    SCOPED_TRACE(c.Count);
    {
      TRegistry registry;
      ASSERT_TRUE(registry.OpenKey(TLatencyCalculator::LatencySettingsKey, true));
      if (c.Integer)
        registry.WriteInteger("NumNetworks", c.Count);
      else
        registry.WriteString("NumNetworks", "4");
    }
    bool loading = true;
    QAction copy("&Copy");
    TLatencyCalculator calculator(loading, &copy, nullptr);
    calculator.InitLatencyCalculator();
    EXPECT_EQ(GetNetworkButtonForm(false)->CurrentKind, c.Kind);
    EXPECT_EQ(calculator.NetworkChain.size(), 6);
  }
  // The other tests start without the key, as a normal start does.
  QFile::remove(RegistryFilePath());
}

}  // namespace
