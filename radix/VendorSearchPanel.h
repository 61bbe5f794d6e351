// SPDX-License-Identifier: MIT
#pragma once
// The vendor search of the Radixer's MAC Address page: every block of every
// vendor whose name holds a text, in a table; which vendor list is in use;
// and its update from newer lists downloaded from IEEE.
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TSuperStringGrid;

class TVendorSearchPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TVendorSearchPanel(QWidget* parent);

  QLineEdit* VendorEdit;
  QToolButton* VendorTableClipboardButton;
  TSuperStringGrid* VendorStringGrid;
  QLabel* VendorListLabel;
  QPushButton* UpdateVendorListButton;

  void VendorEditChange();
  // Asks for the files and imports them.
  void UpdateVendorListButtonClick();
  // Reads IEEE's lists in `paths` into the user's vendor list and says what
  // came of it; a damaged file changes nothing.
  void ImportVendorLists(const QStringList& paths);
  // Names the vendor list in use.
  void ShowVendorList();
};
