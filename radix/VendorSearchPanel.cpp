// SPDX-License-Identifier: MIT
#include "radix/VendorSearchPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <memory>

#include "controls/ClipboardButton.h"
#include "controls/KestStringGrid.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Hint.h"
#include "radix/VendorRegistryFile.h"
#include "radix/VendorRegistrySource.h"
#include "radix/VendorRows.h"

namespace {
QString CountText(std::size_t count) { return QLocale(QLocale::C).toString(static_cast<qulonglong>(count)); }
}  // namespace

TVendorSearchPanel::TVendorSearchPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("VendorSearchPanel");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  VendorEdit = new QLineEdit(this);
  VendorEdit->setObjectName("VendorEdit");
  SetHint(VendorEdit, "Type part of a vendor's name to list its blocks");
  auto* caption = new QLabel("&Vendor Name", this);
  caption->setBuddy(VendorEdit);
  layout->addWidget(caption);
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(VendorEdit, 1);
  VendorTableClipboardButton = NewClipboardButton(this, "VendorTableClipboardButton", "Copy vendor table to clipboard");
  VendorTableClipboardButton->setFocusPolicy(Qt::NoFocus);  // the table copies through the Edit menu too
  row->addWidget(VendorTableClipboardButton);
  layout->addLayout(row);

  VendorStringGrid = new TSuperStringGrid(this);
  VendorStringGrid->setObjectName("VendorStringGrid");
  VendorStringGrid->setAccessibleName("Vendor table");
  VendorStringGrid->SetColCount(TVendorRows::Columns);
  VendorStringGrid->SetRowCount(2);
  VendorStringGrid->SetFixedCols(0);
  VendorStringGrid->SetAutoHeight(false);
  VendorStringGrid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                               goDrawFocusSelected | goColSizing | goThumbTracking);
  for (int column = 0; column < TVendorRows::Columns; ++column)
    VendorStringGrid->SetCells(column, 0, TVendorRows::Titles[column]);
  VendorStringGrid->SetColumnAlignment(1, taRightJustify);
  VendorStringGrid->AutoSizeColumns();
  // Rows enough to read a vendor's blocks; the page scrolls to them in a small window.
  VendorStringGrid->setMinimumHeight(8 * QFontMetrics(VendorStringGrid->font()).height());
  layout->addWidget(VendorStringGrid, 1);

  VendorListLabel = new QLabel(this);
  VendorListLabel->setObjectName("VendorListLabel");
  VendorListLabel->setWordWrap(true);
  layout->addWidget(VendorListLabel);
  UpdateVendorListButton = new QPushButton("&Update Vendor List...", this);
  UpdateVendorListButton->setObjectName("UpdateVendorListButton");
  SetHint(UpdateVendorListButton, "Read newer vendor lists downloaded from IEEE (CSV or text)");
  layout->addWidget(UpdateVendorListButton, 0, Qt::AlignLeft);

  connect(VendorEdit, &QLineEdit::textChanged, this, Guarded([this] { VendorEditChange(); }));
  connect(VendorTableClipboardButton, &QToolButton::clicked, this,
          Guarded([this] { VendorStringGrid->CopyToClipboard(); }));
  connect(UpdateVendorListButton, &QPushButton::clicked, this, Guarded([this] { UpdateVendorListButtonClick(); }));
  setTabOrder(VendorEdit, VendorStringGrid);
  setTabOrder(VendorStringGrid, UpdateVendorListButton);
}

void TVendorSearchPanel::ShowVendorList() {
  const TVendorRegistry* registry = CurrentVendorRegistry();
  VendorListLabel->setText(registry ? QString("Vendor list of %1: %2 blocks")
                                         .arg(QString::fromStdString(registry->Date()), CountText(registry->Count()))
                                   : QString("No vendor list is installed."));
}

void TVendorSearchPanel::VendorEditChange() {
  const TVendorRegistry* registry = CurrentVendorRegistry();
  std::vector<TVendorBlock> blocks = registry ? registry->Search(VendorEdit->text().toStdString()) : std::vector<TVendorBlock>{};
  if (blocks.empty()) {
    VendorStringGrid->SetRowSource(nullptr);
    VendorStringGrid->SetRowCount(2);
    for (int column = 0; column < TVendorRows::Columns; ++column) VendorStringGrid->SetCells(column, 1, "");
  } else {
    VendorStringGrid->SetRowSource(std::make_shared<TRowSourceOf<TVendorRows>>(TVendorRows(std::move(blocks))));
  }
  VendorStringGrid->AutoSizeColumns();
}

void TVendorSearchPanel::UpdateVendorListButtonClick() {
  // IEEE's lists are downloaded from its site: start where downloads go.
  const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  const QStringList paths = GetOpenFileNames("Update Vendor List", QDir(downloads).exists() ? downloads : QDir::homePath(),
                                             {"IEEE registry lists (*.csv *.txt)", "All files (*)"});
  if (!paths.isEmpty()) ImportVendorLists(paths);
}

void TVendorSearchPanel::ImportVendorLists(const QStringList& paths) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  const TVendorRegistry* current = CurrentVendorRegistry();
  std::string error;
  std::optional<TVendorRegistry> updated =
      ImportIeeeLists(current ? current->Entries() : std::vector<TVendorEntry>{}, files, error);
  if (!updated || !SaveVendorRegistry(*updated, UserVendorRegistryPath(), error)) {
    MessageBox(QString::fromStdString(error) + "\n\nThe vendor list in use is kept.", "Update Vendor List",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const QString done = QString("The vendor list now holds %1 blocks of %2.")
                           .arg(CountText(updated->Count()), QString::fromStdString(updated->Date()));
  ReplaceVendorRegistry(std::move(*updated));
  ShowVendorList();
  VendorEditChange();
  MessageBox(done, "Update Vendor List", MB_OK | MB_ICONINFORMATION);
}
