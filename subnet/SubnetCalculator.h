// SPDX-License-Identifier: MIT
#pragma once
// The subnet calculator: an IPv4 address, its class, and the pages derived from them.
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "subnet/BitMapColours.h"
#include "subnet/SubnetMath.h"
#include "subnet/SubnetPageControls.h"
#include "subnet/SubnetTable.h"

class QAction;
class QLabel;
class QTabWidget;
class QToolButton;
class TBetterSpinEdit;
class TIPAddressEdit;
class TRadioGroup;
class TSuperStringGrid;
class TValueComboBox;

class TSubnetCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag; `allow1SubnetBitItem` its
  // Options menu item, which the Subnet Info page follows.
  TSubnetCalculator(const bool& loading, QAction* allow1SubnetBitItem, QWidget* parent);

  // The calculator's values below the program's settings key; absent or
  // unreadable values give the defaults.
  void LoadSettings(const QString& settingsKey);
  void SaveSettings(const QString& settingsKey) const;

  void IPAddressEditFieldChanged(QObject* sender, int fieldIndex, std::uint8_t& value);
  // Recomputes every page while the user types, when the address needs no
  // correction; returns whether it did. A correction, with its message, waits
  // until the user is done with the field.
  bool IPAddressEditAddressTyped(QObject* sender);
  // Picks the mask pasted with an address, when the address's class offers it.
  void IPAddressEditMaskPasted(QObject* sender, int maskBits);
  void AddressTypeRadioGroupClick(QObject* sender);
  void IPAddressClipboardButtonClick(QObject* sender);
  void UpdateAddressInfo();
  // Fills the subnet and host table when it is stale and shown.
  void IPSubnetPageControlChange(QObject* sender);

  void UpdateSubnetInfo();
  void SubnetComboBoxClick(QObject* sender);
  void OptionsAllow1SubnetBitItemClick(QObject* sender);
  // Each -1 while its list has no item selected.
  std::int64_t SelectedSubnetBits() const;
  std::int64_t SelectedMaskBits() const;
  std::int64_t SelectedHostBits() const;
  std::int64_t SelectedSubnetMask() const;
  std::int64_t SelectedSubnetCount() const;

  // Sets the range's bounds and hints, and fills the table when it is stale,
  // shown and the program is not starting up.
  void UpdateSubnetHostTable();
  void SubnetSpinEditChange(QObject* sender);
  void SubnetHostTableClipboardButtonClick(QObject* sender);

  void UpdateSupernetInfo();
  void SupernetComboBoxClick(QObject* sender);
  std::int64_t SelectedSupernetMaskBits() const;
  std::int64_t SelectedSupernetMask() const;

  AddressClass CurrentClass() const;

  // The bit-map labels and boxes, drawn piece by piece in the colours of
  // network, subnet and host bits.
  void BitMapLabelCustomDraw(QObject* Sender, const QRect& ARect, bool& DefaultDraw);
  void BitMapTextBoxCustomDraw(QObject* Sender, const QRect& ARect, bool& DefaultDraw);
  // Where BitMapTextBoxCustomDraw puts each character of the box's caption.
  std::vector<QRect> BitMapTextBoxCharacterRects(const TKestCustomTextBox& box, const QRect& ARect) const;
  // The box's caption in runs of network, subnet and host bits.
  std::vector<TBitMapRun> BitMapTextBoxRuns(const TKestCustomTextBox& box) const;

  bool SubnetTableStale = true;
  // True while SubnetSpinEditChange runs, so that the range changes it makes are not handled again.
  bool SubnetSpinChanging = false;
  // The last accepted range, brought back when the user declines a large one.
  std::int32_t LastSubnetFrom = 0;
  std::int32_t LastSubnetTo = 0;

  QLabel* IPAddressLabel;
  TIPAddressEdit* IPAddressEdit;
  QToolButton* IPAddressClipboardButton;
  QTabWidget* IPSubnetPageControl;
  QWidget* AddressInfoTab;
  QWidget* SubnetInfoTab;
  QWidget* SubnetHostTabSheet;
  QWidget* CIDRTabSheet;

  // Address Info page
  TRadioGroup* AddressTypeRadioGroup;
  TKestLabel* ClassBitMapLabel;
  TOutputBox* ClassBitMapTextBox;
  QLabel* BinAddressLabel;
  TOutputBox* BinAddressTextBox;
  QLabel* HexAddressLabel;
  TOutputBox* HexAddressTextBox;

  // Subnet Info page
  TValueComboBox* SubnetBitsComboBox;
  TValueComboBox* SubnetMaskBitsComboBox;
  TValueComboBox* SubnetMaskComboBox;
  TValueComboBox* SubnetCountComboBox;
  TValueComboBox* SubnetHostCountComboBox;
  TKestLabel* SubnetBitMapLabel;
  TOutputBox* SubnetBitMapTextBox;
  TOutputBox* SubnetAddressRangeTextBox;
  TOutputBox* SubnetIDTextBox;
  TOutputBox* SubnetBroadcastTextBox;

  // Subnets/Hosts page
  TBetterSpinEdit* SubnetFromSpinEdit;
  TBetterSpinEdit* SubnetToSpinEdit;
  QToolButton* SubnetHostTableClipboardButton;
  TSuperStringGrid* SubnetHostStringGrid;

  // CIDR page
  TValueComboBox* SupernetMaskBitsComboBox;
  TValueComboBox* SupernetMaskComboBox;
  TValueComboBox* SupernetCountComboBox;
  TValueComboBox* SupernetAddressCountComboBox;
  TOutputBox* SupernetAddressRangeTextBox;

 private:
  void CreateAddressInfoPage();
  void CreateSubnetInfoPage();
  void CreateSubnetHostPage();
  void CreateSupernetPage();
  // The table's column alignments and headings; the table is then stale.
  void InitSubnetHostTable();
  TSubnetTableInputs SubnetTableInputs() const;
  void FillSubnetHostTable();
  std::array<TValueComboBox*, 5> SubnetLists() const;
  std::array<TValueComboBox*, 4> SupernetLists() const;

  const bool& Loading;
  QAction* OptionsAllow1SubnetBitItem;
};
