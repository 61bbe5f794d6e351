// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "platform/Shell.h"
#include "tests/radix/RadixerFixture.h"

// Shows a text in a failure message; long texts by their length.
static void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << (text.size() > 80 ? QString("%1 characters").arg(text.size()) : text).toStdString() << '"';
}

namespace {
using Texts = std::vector<QString>;
const QString None = "No matching OUI found.";

const Texts Initial = {"Cmmssr", "COMMISSARIAT A L`ENERGIE ATOM", "0000AA", "Xerox", "XEROX CORPORATION"};

const QByteArray List =
    "000000 Xerox  XEROX CORPORATION\r\n"
    "000055 Cmmssr COMMISSARIAT A L`ENERGIE ATOM.\r\n"
    "0000AA Xerox  XEROX CORPORATION\r\n"
    "0000FF Pbl    PUBLIC  \r\n"
    "08005A Ibm    IBM Corp\r\n"
    "10005A Ibm    IBM Corp (bit-swapped)\r\n"
    "18187E Ss     SELF & <b>SWAPPED</b>\r\n"
    "aa0000 Lower  lower case\r\n";

class OUIFinderPageTest : public RadixerFixture {
 protected:
  OUIFinderPageTest() : Previous(QDir::currentPath()) {
    QDir::setCurrent(Directory.path());
    Calculator->RadixerPageControl->setCurrentWidget(Calculator->OUIFinderTabSheet);
  }
  ~OUIFinderPageTest() override { QDir::setCurrent(Previous); }

  static void WriteList(const QByteArray& text) {
    QFile file("OUI.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }

  // Abbreviation, organization, bit-swapped OUI, its abbreviation and organization.
  Texts Shown() const {
    Texts texts;
    for (const char* name : {"AbrevTextBox", "OrganizationTextBox", "BitSwappedOUITextBox", "BitSwappedAbrevTextBox",
                             "BitSwappedOrganizationTextBox"})
      texts.push_back(Find<TTextBox>(name)->Caption());
    return texts;
  }

  void Search(const QString& oui) {
    Edit()->selectAll();
    QTest::keyClicks(Edit(), oui);
    QTest::keyClick(Edit(), Qt::Key_Return);
  }

  TNumberEdit* Edit() const { return Find<TNumberEdit>("OUINumberEdit"); }
  QPushButton* Button() const { return Find<QPushButton>("OUISearchButton"); }

  QTemporaryDir Directory;
  QString Previous;
};

TEST_F(OUIFinderPageTest, StartsWithTheTextsOfItsFirstOUI) {
  EXPECT_EQ(Edit()->text(), "000055");
  EXPECT_EQ(Shown(), Initial);
  EXPECT_TRUE(Button()->isDefault());

  const std::vector<std::pair<const char*, QString>> labels = {
      {"Label15", "Abreviation"},
      {"Label17", "Organization"},
      {"Label23", "Bit-swapped OUI (Ethernet <-> Token Ring/FDDI)"},
      {"Label24", "Bit-swapped OUI Abreviation"},
      {"Label25", "Bit-swapped OUI Organization"}};
  for (const auto& [name, caption] : labels) {
    auto* label = Find<TKestLabel>(name);
    EXPECT_EQ(label->Caption(), caption);
    ASSERT_TRUE(qobject_cast<TTextBox*>(label->FocusControl())) << name;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label->FocusControl())->text(QAccessible::Name), caption);
  }
  EXPECT_EQ(Find<TKestLabel>("Label28")->FocusControl(), Edit());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Edit())->text(QAccessible::Name), "OUI");
}

TEST_F(OUIFinderPageTest, ReadsTheListOnTheFirstSearchThatFindsIt) {
  Button()->click();
  EXPECT_EQ(Shown(), Initial) << "without a list nothing changes";
  EXPECT_FALSE(Calculator->OUIList);

  WriteList(List);
  Button()->click();
  EXPECT_EQ(Shown(), (Texts{"Cmmssr", "COMMISSARIAT A L`ENERGIE ATOM.", "0000AA", "Xerox", "XEROX CORPORATION"}));
  EXPECT_EQ(ScreenCursor(), Qt::ArrowCursor) << "the busy cursor is gone";

  WriteList("000055 Other  OTHER\r\n");
  Search("55");
  EXPECT_EQ(Shown()[0], "Cmmssr") << "the list is read once a run";
}

TEST_F(OUIFinderPageTest, FindsTheOUIAndItsBitSwappedForm) {
  WriteList(List);
  const std::vector<std::pair<QString, Texts>> cases = {
      {"08005A", {"Ibm", "IBM Corp", "10005A", "Ibm", "IBM Corp (bit-swapped)"}},
      {"0000AA", {"Xerox", "XEROX CORPORATION", "000055", "Cmmssr", "COMMISSARIAT A L`ENERGIE ATOM."}},
      {"000000", {"Xerox", "XEROX CORPORATION", "000000", "Xerox", "XEROX CORPORATION"}},
      {"0000FF", {"Pbl", "PUBLIC  ", "0000FF", "Pbl", "PUBLIC  "}},
      {"18187E", {"Ss", "SELF & <b>SWAPPED</b>", "18187E", "Ss", "SELF & <b>SWAPPED</b>"}},
      {"FFFFFF", {None, None, "FFFFFF", None, None}},
      {"000001", {None, None, "000080", None, None}},
      {"AA0000", {None, None, "550000", None, None}},  // the list has it in lower case
  };
  for (const auto& [oui, expected] : cases) {
    Search(oui);
    EXPECT_EQ(Shown(), expected) << oui.toStdString();
  }
}

TEST_F(OUIFinderPageTest, EnterSearches) {
  WriteList(List);
  Calculator->resize(297, 420);
  Calculator->show();
  QApplication::setActiveWindow(Calculator.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Calculator.get()));

  Button()->setEnabled(false);
  Search("08005a");
  EXPECT_EQ(Shown()[0], "Ibm") << "from the field, also while the button is disabled";
  Button()->setEnabled(true);

  Edit()->setFocus();
  QTest::keyClick(Edit(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Button());
  Edit()->setText("000000");
  QTest::keyClick(Button(), Qt::Key_Return);
  EXPECT_EQ(Shown()[0], "Xerox") << "on the button";

  Edit()->setText("0000FF");
  QTest::keyClick(Calculator->RadixerPageControl, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Shown()[0], "Pbl") << "elsewhere in the calculator: the default button";

  Calculator->RadixerPageControl->setCurrentWidget(Calculator->BitSwapperTabSheet);
  Edit()->setText("000000");
  QTest::keyClick(Calculator->RadixerPageControl, Qt::Key_Return);
  EXPECT_EQ(Shown()[0], "Pbl") << "not while another page is shown";
}

TEST_F(OUIFinderPageTest, HostileFilesAreReadWithoutHarm) {
  auto latin1 = [](const QByteArray& bytes) { return QString::fromLatin1(bytes); };
  const QByteArray big(4 << 20, 'x');
  const std::vector<std::pair<QByteArray, Texts>> cases = {
      {QByteArray(3, '\0') + "\xFF\xFE\n\x01\n000055 Cmmssr " + QByteArray(1, '\0') + "NUL\r\n0000AA",
       {"Cmmssr", latin1(QByteArray("\0NUL", 4)), "0000AA", "", ""}},
      // A line of megabytes shows as much as a box can take at once.
      {"000055 Cmmssr " + big + "\r0000AA Xerox  " + big,
       {"Cmmssr", QString(1024, 'x'), "0000AA", "Xerox", QString(1024, 'x')}},
      {"0\r\n00\n\n000055\r0000AA X", {"", "", "0000AA", "X", ""}},
      {"000055 \xC9t\xE9\t\x01  Z\xFCrich\n", {latin1("\xC9t\xE9"), latin1("Z\xFCrich"), "0000AA", None, None}},
  };
  for (const auto& [text, expected] : cases) {
    Restart();
    WriteList(text);
    Find<QPushButton>("OUISearchButton")->click();
    EXPECT_EQ(Shown(), expected) << text.left(40).toStdString();
  }
}
}  // namespace
