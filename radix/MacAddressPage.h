// SPDX-License-Identifier: MIT
#pragma once
// The Radixer's MAC Address page: one address in any notation, its forms,
// its vendor and its bit-swapped form's, what its flag bits say, and the
// EUI-64 and IPv6 link-local address made from it; below, the search by vendor.
#include <QScrollArea>

#include "subnet/SubnetPageControls.h"

class QLineEdit;
class TVendorSearchPanel;

class TMacAddressPage : public QScrollArea {
  Q_OBJECT
 public:
  explicit TMacAddressPage(QWidget* parent);

  QLineEdit* MacEdit;
  QLabel* MacErrorLabel;
  TOutputBox* NotationsTextBox;
  TOutputBox* VendorTextBox;
  TOutputBox* SwappedTextBox;
  TOutputBox* SwappedVendorTextBox;
  TOutputBox* GroupTextBox;
  TOutputBox* LocalTextBox;
  TOutputBox* Eui64TextBox;
  TOutputBox* LinkLocalTextBox;
  TVendorSearchPanel* VendorSearch;

  // Shows what the field holds; a text that is no address says so and greys the last results.
  void MacEditChange();

 protected:
  // The vendor list is read when the page is first shown, not while the program starts.
  void showEvent(QShowEvent* event) override;

 private:
  bool Shown = false;
};
