// SPDX-License-Identifier: MIT
// Updating the vendor list from IEEE's files: the MAC Address page and the OUI
// finder use the new list at once; a damaged file changes nothing.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "platform/Dialogs.h"
#include "radix/MacAddressPage.h"
#include "radix/VendorRegistryFile.h"
#include "radix/VendorSearchPanel.h"
#include "tests/radix/RadixerFixture.h"
#include "tests/support/MessageRecorder.h"

namespace {
class VendorListUpdateTest : public RadixerFixture {
 protected:
  VendorListUpdateTest() : Previous(QDir::currentPath()) {
    QDir::setCurrent(Directory.path());  // no OUI.txt here
    Calculator->RadixerPageControl->setCurrentWidget(Calculator->MacAddressTabSheet);
  }
  ~VendorListUpdateTest() override { QDir::setCurrent(Previous); }

  QString Write(const char* name, const QByteArray& text) const {
    const QString path = Directory.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    return path;
  }

  // As one line: the page breaks long results for the narrowest window.
  std::string Vendor() const {
    return Calculator->MacAddressTabSheet->VendorTextBox->Caption().simplified().toStdString();
  }

  QTemporaryDir Directory;
  QString Previous;
};

TEST_F(VendorListUpdateTest, ANewListIsUsedAtOnceAndADamagedOneChangesNothing) {
  TMacAddressPage* page = Calculator->MacAddressTabSheet;
  const QString good = Write("oui.csv",
                             "Registry,Assignment,Organization Name,Organization Address\n"
                             "MA-L,08005A,IBM Corp,Research Triangle Park\n");
  const QString damaged = Write("mam.csv",
                                "Registry,Assignment,Organization Name,Organization Address\n"
                                "MA-M,741AE09,Private,\n"
                                "MA-M,741AE,Short,\n");
  QString asked;
  QString folder;
  QStringList chosen;
  SetOpenFileNamesResponder([&](const QString& caption, const QString& start, const QStringList&) {
    asked = caption;
    folder = start;
    return chosen;
  });
  {
    TMessageRecorder recorder;
    page->VendorSearch->UpdateVendorListButton->click();  // and cancelled
    EXPECT_EQ(asked, "Update Vendor List");
    EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
    EXPECT_TRUE(recorder.Messages.empty());
    chosen = {good};
    page->VendorSearch->UpdateVendorListButton->click();
    SetOpenFileNamesResponder(nullptr);
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_TRUE(recorder.Messages[0].Text.startsWith("The vendor list now holds 1 blocks of "))
        << recorder.Messages[0].Text.toStdString();
  }
  page->MacEdit->setText("08-00-5a-12-34-56");
  EXPECT_EQ(Vendor(), "IBM Corp 08-00-5A/24, MA-L, 16,777,216 addresses");
  Calculator->OUINumberEdit->SetValueInteger(0x08005A);
  Calculator->OUISearchButtonClick(nullptr);
  EXPECT_EQ(Calculator->OrganizationTextBox->Caption(), "IBM Corp");

  const QString userList = QString::fromStdString(UserVendorRegistryPath());
  QFile before(userList);
  ASSERT_TRUE(before.open(QIODevice::ReadOnly));
  const QByteArray bytes = before.readAll();
  {
    TMessageRecorder recorder;
    page->VendorSearch->ImportVendorLists({damaged});
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_TRUE(recorder.Messages[0].Text.startsWith("mam.csv: line 3: ")) << recorder.Messages[0].Text.toStdString();
    EXPECT_TRUE(recorder.Messages[0].Text.endsWith("The vendor list in use is kept."));
  }
  QFile after(userList);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), bytes);
  page->MacEdit->setText("08005a123457");
  EXPECT_EQ(Vendor(), "IBM Corp 08-00-5A/24, MA-L, 16,777,216 addresses");
}
}  // namespace
