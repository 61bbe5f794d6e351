// SPDX-License-Identifier: MIT
#pragma once
// The Radixer's bit workbench: one word of 8 to 64 bits, signed or not, in
// every base, as characters and as toggles; operations on it; its IEEE-754
// reading; and the last values, kept across runs.
#include <QScrollArea>
#include <array>
#include <cstdint>
#include <optional>

#include "radix/BitHistory.h"
#include "radix/BitWord.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class TBitGrid;
class TKestLabel;
class TRadioGroup;

class TBitWorkbenchPage : public QScrollArea {
  Q_OBJECT
 public:
  explicit TBitWorkbenchPage(QWidget* parent);
  ~TBitWorkbenchPage() override;

  std::uint64_t Bits() const { return Value; }
  // Sets the word, shows it everywhere and keeps it in the history with `how`.
  void SetWord(std::uint64_t bits, std::string how);
  const BitHistory& History() const { return Recent; }

  // The history below `settingsKey`; loading restores its newest word.
  void LoadSettings(const QString& settingsKey);
  void SaveSettings(const QString& settingsKey) const;

  // One field of the word in a base.
  struct TBaseField {
    int Base;
    const char* Name;  // "hexadecimal", for the history and the error line
    TKestLabel* Label;
    QLineEdit* Edit;
    QToolButton* ClipboardButton;
    QLineEdit* Error;  // why the text typed is refused
  };
  std::array<TBaseField, 4> Fields{};

  TRadioGroup* WidthGroup;
  QCheckBox* SignedCheckBox;
  TRadioGroup* GroupingGroup;
  QCheckBox* CopyGroupedCheckBox;
  QLineEdit* CharactersEdit;
  TBitGrid* BitGrid;
  QLineEdit* OperandEdit;
  QLineEdit* OperandErrorLine;
  QSpinBox* CountSpinBox;
  QLineEdit* CountsEdit;
  QLineEdit* FloatFormatEdit;
  QLineEdit* FloatSignEdit;
  QLineEdit* FloatExponentEdit;
  QLineEdit* FloatFractionEdit;
  QLineEdit* FloatKindEdit;
  QLineEdit* FloatExactEdit;
  QLineEdit* FloatShortestEdit;
  QLineEdit* FloatInputEdit;
  QLineEdit* FloatNoteLabel;
  QListWidget* HistoryList;
  QPushButton* RestoreButton;
  QPushButton* CopyEntryButton;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* NewOperationButtons(QWidget* page);
  void AddOperation(QWidget* page, class QGridLayout* grid, int index, const QString& caption, const QString& hint,
                    std::uint64_t (*operation)(std::uint64_t bits, int width, int count, std::uint64_t operand),
                    bool needsOperand);
  void WidthOrSignChanged();
  void FieldEdited(const TBaseField& field);
  // A field or the decimal number was left: a valid edit goes into the history, another is undone.
  void EditLeft();
  void FloatEdited();
  void ShowWord(const QObject* source);
  void ShowFloat(const QObject* source);
  void ShowHistory();
  void RestoreEntry(int row);
  // Shows the width and sign of `shape` without running their handlers.
  void ApplyShape(WordShape shape);
  // A field's text as copied: without the grouping spaces unless asked.
  QString CopiedText(const QString& shown) const;

  WordShape Current{32, false};
  std::uint64_t Value = 0;
  BitHistory Recent;
  // While a field is being typed in: the word before, whether the text reads as a
  // word now, and how it was made, kept in the history when the field is left.
  std::optional<std::uint64_t> EditStart;
  bool EditValid = false;
  std::string PendingHow;
};
