// SPDX-License-Identifier: MIT
#pragma once
// The Radixer calculator: one number in decimal, hexadecimal, binary and
// octal at 8, 16 or 32 bits, and the pages that build on it.
#include <QWidget>
#include <cstdint>
#include <optional>

#include "radix/OUIList.h"

class QPushButton;
class QTabWidget;
class QToolButton;
class TBetterSpinEdit;
class TBitWorkbenchPage;
class TMacAddressPage;
class TKestLabel;
class TNumberEdit;
class TRadioGroup;
class TSuperStringGrid;
class TTextBox;

class TRadixerCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag.
  TRadixerCalculator(const bool& loading, QWidget* parent);

  // Start-up values of every page; run once while the main window is created.
  void InitRadixerCalculator();
  // The bit workbench's history, below the main window's settings key.
  void LoadSettings(const QString& settingsKey);
  void SaveSettings(const QString& settingsKey) const;

  // Copies the text of the field beside a clipboard button, as it is shown.
  void NumClipboardButtonClick(QObject* sender);
  // Up and Down step the sender's value by one; other keys pass unchanged.
  void NumberEditKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift);

  // Base Converter page
  void NumberWidthGroupClick(QObject* sender);
  void NumberEditChangingValueInteger(QObject* sender, std::int64_t& newValueInteger);
  void NumberEditChangeValue(QObject* sender);
  void ClearButtonClick(QObject* sender);
  void InvertButtonClick(QObject* sender);

  // Base Lookup page
  void HexLookupSpinEditChange(QObject* sender);
  void RadixerPageControlChange(QObject* sender);
  void BaseLookupTableClipboardButtonClick(QObject* sender);
  // Fills the lookup table when it is stale, its page is shown and the main window is not loading.
  void FillLookupTable();
  // Bit-Swapper page
  void NumberStyleRadioGroupClick(QObject* sender);
  void BitOriginalNumberEditChangeValue(QObject* sender);

  // OUI Finder page
  void OUISearchButtonClick(QObject* sender);
  // Enter searches, whether or not the search button is enabled; the key passes unchanged.
  void OUINumberEditKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers shift);

  // True while NumberEditChangeValue copies the number to the other fields.
  bool ConverterUpdating = false;
  // True when the lookup table must be filled again before it is shown.
  bool LookupTableStale = false;
  // True while HexLookupSpinEditChange runs, so that the changes it makes do not re-enter it.
  bool LookupRangeUpdating = false;
  // The last accepted lookup range.
  std::int32_t LookupSavedFrom = 0;
  std::int32_t LookupSavedTo = 0;
  // The lines of OUI.txt, from the first search that could read it to the end of the run.
  std::optional<TOUIList> OUIList;
  // Without OUI.txt: the same list made from the vendor registry, and the registry's generation it is made of.
  std::optional<TOUIList> RegistryOUIList;
  std::uint64_t RegistryOUIListGeneration = 0;

  QTabWidget* RadixerPageControl;
  QWidget* BaseConverterTabSheet;
  QWidget* BaseLookupTabSheet;
  QWidget* BitSwapperTabSheet;
  QWidget* OUIFinderTabSheet;
  TMacAddressPage* MacAddressTabSheet;
  TBitWorkbenchPage* BitWorkbenchTabSheet;

  // Base Converter page
  TRadioGroup* NumberWidthGroup;
  TKestLabel* DecLabel;
  TNumberEdit* DecNumberEdit;
  QToolButton* DecClipboardButton;
  TKestLabel* HexLabel;
  TNumberEdit* HexNumberEdit;
  QToolButton* HexClipboardButton;
  TKestLabel* BinLabel;
  TNumberEdit* BinNumberEdit;
  QToolButton* BinClipboardButton;
  TKestLabel* OctLabel;
  TNumberEdit* OctNumberEdit;
  QToolButton* OctClipboardButton;
  QPushButton* ClearButton;
  QPushButton* InvertButton;

  // Base Lookup page
  TKestLabel* Label2;
  TBetterSpinEdit* HexLookupFromSpinEdit;
  TKestLabel* Label4;
  TBetterSpinEdit* HexLookupToSpinEdit;
  QToolButton* BaseLookupTableClipboardButton;
  TSuperStringGrid* LookupStringGrid;

  // Bit-Swapper page
  TRadioGroup* NumberStyleRadioGroup;
  TKestLabel* SwapLabel;
  TNumberEdit* BitOriginalNumberEdit;
  QToolButton* BitOriginalClipboardButton;
  TKestLabel* Label18;
  TNumberEdit* BitReversedByteNumberEdit;
  QToolButton* BitReversedByteClipboardButton;
  TKestLabel* Label19;
  TNumberEdit* BitReversedBufNumberEdit;
  QToolButton* BitReversedBufClipboardButton;

  // OUI Finder page
  TKestLabel* Label28;
  TNumberEdit* OUINumberEdit;
  QToolButton* OUIClipboardButton;
  QPushButton* OUISearchButton;
  TKestLabel* Label15;
  TTextBox* AbrevTextBox;
  TKestLabel* Label17;
  TTextBox* OrganizationTextBox;
  TKestLabel* Label23;
  TTextBox* BitSwappedOUITextBox;
  TKestLabel* Label24;
  TTextBox* BitSwappedAbrevTextBox;
  TKestLabel* Label25;
  TTextBox* BitSwappedOrganizationTextBox;

 private:
  void CreateBaseConverterPage();
  void CreateBaseLookupPage();
  void CreateBitSwapperPage();
  void CreateOUIFinderPage();
  // The list the OUI finder searches: OUI.txt when it can be read, else the vendor registry's; none without either.
  const TOUIList* OUIFinderList();
  // The lookup table's column alignments and titles.
  void InitLookupTable();

  const bool& Loading;
};
