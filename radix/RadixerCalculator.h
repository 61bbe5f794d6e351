#pragma once
// The Radixer calculator: one number in decimal, hexadecimal, binary and
// octal at 8, 16 or 32 bits, and the pages that build on it.
#include <QWidget>
#include <cstdint>

class QPushButton;
class QTabWidget;
class QToolButton;
class TBetterSpinEdit;
class TKestLabel;
class TNumberEdit;
class TRadioGroup;
class TSuperStringGrid;

class TRadixerCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag.
  TRadixerCalculator(const bool& loading, QWidget* parent);

  // Start-up values of every page; run once while the main window is created.
  void InitRadixerCalculator();

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

  // True while NumberEditChangeValue copies the number to the other fields.
  bool ConverterUpdating = false;
  // True when the lookup table must be filled again before it is shown.
  bool LookupTableStale = false;
  // True while HexLookupSpinEditChange runs, so that the changes it makes do not re-enter it.
  bool LookupRangeUpdating = false;
  // The last accepted lookup range.
  std::int32_t LookupSavedFrom = 0;
  std::int32_t LookupSavedTo = 0;

  QTabWidget* RadixerPageControl;
  QWidget* BaseConverterTabSheet;
  QWidget* BaseLookupTabSheet;
  QWidget* BitSwapperTabSheet;
  QWidget* OUIFinderTabSheet;

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

 private:
  void CreateBaseConverterPage();
  void CreateBaseLookupPage();
  // The lookup table's column alignments and titles.
  void InitLookupTable();

  const bool& Loading;
  // True while FillLookupTable runs. A fill lets pending events run; one of
  // them (a page change, the window's activation) must not start a second fill
  // inside the first, which would enable the range fields half-way.
  bool LookupFilling = false;
};
