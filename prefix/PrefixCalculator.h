// SPDX-License-Identifier: MIT
#pragma once
// The prefix calculator: one input line with an address or prefix of either
// family, and the pages of what it is and what it holds.
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "prefix/Address.h"
#include "prefix/PrefixFacts.h"
#include "subnet/SubnetPageControls.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class TKestLabel;
class TBetterSpinEdit;
class TSuperStringGrid;

class TPrefixCalculator : public QWidget {
  Q_OBJECT
 public:
  explicit TPrefixCalculator(QWidget* parent);

  // The last good input below the program's settings key; the default when absent or unreadable.
  void LoadSettings(const QString& settingsKey);
  void SaveSettings(const QString& settingsKey) const;

  // Shows the results of the input as typed, or what is wrong with it while
  // the last good results stay, marked stale.
  void InputEditChange();
  void ShowAddress(const AddressInput& input);
  void ShowPrefix(const IpPrefix& prefix);
  bool Stale() const { return stale_; }
  // The input whose results are shown.
  const QString& ShownInput() const { return shownInput_; }

  QLabel* InputLabel;
  QLineEdit* InputEdit;
  QLabel* InputErrorLabel;
  QTabWidget* PrefixPageControl;
  QWidget* AddressTabSheet;
  QWidget* PrefixTabSheet;
  QWidget* SplitTabSheet;

  // Address page
  TOutputBox* CanonicalTextBox;
  TOutputBox* FullTextBox;
  TOutputBox* IntegerTextBox;
  TOutputBox* HexTextBox;
  TOutputBox* BinaryTextBox;
  TOutputBox* ReverseDnsTextBox;
  TOutputBox* KindTextBox;
  TOutputBox* ScopeTextBox;
  TOutputBox* EmbeddedTextBox;
  TOutputBox* MacTextBox;
  TOutputBox* VendorTextBox;
  TOutputBox* SolicitedNodeTextBox;

  // Prefix page
  TOutputBox* NetworkTextBox;
  TOutputBox* FirstTextBox;
  TOutputBox* LastTextBox;
  TOutputBox* MaskTextBox;
  TOutputBox* WildcardTextBox;
  TOutputBox* BroadcastTextBox;
  TOutputBox* UsableHostsTextBox;
  TOutputBox* AddressCountTextBox;
  TOutputBox* PowerOfTwoTextBox;
  TKestLabel* PrefixBitMapLabel;
  // One box per 32 bits: one for IPv4, four for IPv6.
  std::vector<TOutputBox*> PrefixBitMapTextBoxes;
  TOutputBox* EnclosingTextBox;

  // Split page
  QLabel* SplitLengthLabel;
  TBetterSpinEdit* SplitLengthSpinEdit;
  TOutputBox* SplitCountTextBox;
  QLineEdit* SplitGoToEdit;
  QLabel* SplitGoToErrorLabel;
  TSuperStringGrid* SplitStringGrid;
  // Shows the split of `prefix` into subnets of the length chosen, kept
  // longer than the prefix's own.
  void ShowSplit(const IpPrefix& prefix);
  // Goes to the row whose number, or an address in whose subnet, is typed in
  // SplitGoToEdit, or says why it cannot.
  void SplitGoTo();
  // Sets page: a list, what it merges to and holds, and the list less a second one.
  QWidget* SetsTabSheet;
  QPlainTextEdit* SetListEdit;
  QPlainTextEdit* SetExcludeEdit;
  QPlainTextEdit* SetErrorsTextBox;
  QPlainTextEdit* MergedTextBox;
  QPlainTextEdit* CoveringTextBox;
  QPlainTextEdit* OverlapsTextBox;
  QPlainTextEdit* ExcludedTextBox;
  QPlainTextEdit* RangeBlocksTextBox;
  // Shows the results of the lists as typed (a moment after the last key).
  void ShowSets();

  // Plan page: needs of hosts carved out of a parent prefix.
  QWidget* PlanTabSheet;
  QLineEdit* PlanParentEdit;
  QPlainTextEdit* PlanNeedsEdit;
  QPlainTextEdit* PlanErrorsTextBox;
  TSuperStringGrid* PlanStringGrid;
  QPlainTextEdit* FreeBlocksTextBox;
  void ShowPlan();

  // Reverse page: the reverse DNS zones of the input's prefix.
  QWidget* ReverseTabSheet;
  QPlainTextEdit* ReverseZonesTextBox;
  QPlainTextEdit* ReverseCnamesTextBox;
  void ShowReverseZones(const IpPrefix& prefix);

 private:
  // A page of the calculator: a scrolling column of captioned result boxes.
  QWidget* NewPage(const QString& caption, const char* name);
  TOutputBox* AddResult(QWidget* page, const char* name, const QString& caption);
  void CreateAddressPage();
  void CreatePrefixPage();
  void CreateSplitPage();
  void ShowGoToError(const std::string& error);
  void SetStale(bool stale);
  // As many characters as a result box shows in the narrowest window.
  static constexpr std::size_t ResultLineWidth = 35;
  // Shows `text` in `box`, in as many lines as the narrowest window needs.
  static void ShowResult(TOutputBox* box, const std::string& text);
  // Shows `lines` in `box`, as high as they need.
  static void ShowLines(TOutputBox* box, const std::string& lines);

  void CreateSetsPage();
  void CreatePlanPage();
  void CreateReversePage();
  // A list the user types or pastes, showing `example` while empty; a paste that
  // makes it longer than the core reads is refused, saying so in the box `refusals` names.
  QPlainTextEdit* AddListInput(QWidget* page, const char* name, const QString& caption, const QString& hint,
                               const QString& example, QPlainTextEdit* TPrefixCalculator::*refusals);
  // A read-only box of result lines, `lines` high, scrolling beyond them.
  QPlainTextEdit* AddListResult(QWidget* page, const char* name, const QString& caption, int lines);
  // A timer that calls `show` a moment after it was last started.
  QTimer* NewSettleTimer(void (TPrefixCalculator::*show)());

  bool stale_ = false;
  QString shownInput_;
  // The prefix length the bit map shows.
  int bitMapNetworkBits_ = 0;
  // The subnet length last chosen, shown as near as the input's prefix allows.
  std::int32_t splitLength_ = 64;
  IpPrefix splitParent_;
  PrefixSplit split_;
  // Set while ShowSplit moves the length's bounds.
  bool splitChanging_ = false;
  QTimer* setsTimer_ = nullptr;
  QTimer* planTimer_ = nullptr;
};
