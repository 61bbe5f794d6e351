// SPDX-License-Identifier: MIT
#pragma once
// The properties dialog of a chain element: topology, bandwidth and
// propagation delay for a network, processing time and packet size for the
// client or the server. One instance, modeless and on top, following the
// selection while it is open.
#include <QDialog>

#include "controls/KestGlobal.h"
#include "latency/NetworkKinds.h"
#include "platform/EditComboBox.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TBetterSpinEdit;
class TValueComboBox;
class TNetworkButton;

class TNetworkButtonForm : public QDialog {
  Q_OBJECT
 public:
  explicit TNetworkButtonForm(QWidget* owner);

  // Sets the dialog up for the kind's fields and bandwidths; nothing for the kind it has.
  void SetKind(TNetworkButtonKind kind);
  void FillBandwidthList(TNetworkButtonKind kind);
  // Loads the element and shows the dialog, or brings it forward.
  void ShowFor(TNetworkButton* element);
  // OK and Apply store the values (OK then closes); Cancel closes. Throws
  // std::invalid_argument, storing nothing, for a bandwidth that is no number.
  void ButtonClick(QObject* sender);
  void DoApply();

  void TopologyComboBoxChange();
  void TopologyComboBoxExit();
  void BandwidthComboBoxExit();
  // Fills the topology (a name of the user's own), bandwidth and delay from the chosen preset.
  void PresetComboBoxClick();
  // The propagation delay for the distance over the medium, with its exact figure.
  void DistanceChange();

  TNetworkButton* Element = nullptr;
  TNetworkButtonKind CurrentKind = nb56Switched;
  // After OK or Apply stored values into Element.
  TNotifyEvent OnApply;

  QWidget* NetworkPanel;
  QLabel* Label1;
  TEditComboBox* TopologyComboBox;
  QLabel* Label2;
  TEditComboBox* BandwidthComboBox;
  QLabel* PropDelayLabel;
  TBetterSpinEdit* PropDelaySpinEdit;
  QWidget* StationPanel;
  QLabel* ProcessTimeLabel;
  TBetterSpinEdit* ProcessTimeSpinEdit;
  QLabel* PacketSizeLabel;
  TBetterSpinEdit* PacketSizeSpinEdit;
  // Beside the network fields: links of today, and the delay from a distance.
  QWidget* LinkPanel;
  QLabel* PresetLabel;
  TValueComboBox* PresetComboBox;
  QLabel* MediumLabel;
  TValueComboBox* MediumComboBox;
  QLabel* DistanceLabel;
  TBetterSpinEdit* DistanceSpinEdit;
  QLineEdit* ExactDelayEdit;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QPushButton* ApplyButton;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  // Places the buttons and sizes the form for the network or the host fields.
  void ArrangeFor(bool host);
  // The topology list's entry that the text names, ignoring case, or -1.
  int SelectedTopology() const;
  // Selects the bandwidth text, appending it to the list when it is not there.
  void SelectBandwidth(const QString& text);

  // The entry the fields were last set up for, so that leaving the list sets
  // up an entry that completion filled in.
  int ChangedTopology = -1;
};

// The dialog, created first when `create` is true and there is none (owned
// by `owner`); nullptr when there is none and `create` is false.
TNetworkButtonForm* GetNetworkButtonForm(bool create, QWidget* owner = nullptr);
