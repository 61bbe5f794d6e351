// SPDX-License-Identifier: MIT
// The Base Lookup page: a range of numbers listed in four bases.
#include <QBoxLayout>
#include <QFontDatabase>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>

#include "controls/ClipboardButton.h"
#include "controls/ConfirmLargeRange.h"
#include "controls/KestLabel.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "controls/RangeFillLock.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/Shell.h"
#include "radix/LookupRows.h"
#include "radix/RadixerCalculator.h"

namespace {
// Rows filled between two looks at pending events, so the window keeps painting.
constexpr int RowsPerMessageCheck = 500;
}  // namespace

void TRadixerCalculator::CreateBaseLookupPage() {
  QWidget* page = BaseLookupTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* range = new QHBoxLayout;
  range->setSpacing(4);
  layout->addLayout(range);

  auto addRangeEdit = [&](TKestLabel*& label, const char* labelName, const QString& caption,
                          TBetterSpinEdit*& edit, const char* editName) {
    label = new TKestLabel(page);
    label->setObjectName(labelName);
    label->SetCaption(caption);
    label->SetAlignment(taRightJustify);
    label->SetTransparent(true);
    edit = new TBetterSpinEdit(page);
    edit->setObjectName(editName);
    edit->SetMaxValue(2147483647);
    edit->SetAlignment(taRightJustify);
    edit->setAccessibleName(QString(caption).remove('&'));
    SetHint(edit, "Enter a number between 0 and 2147483647");
    edit->OnChange = [this](QObject* sender) { HexLookupSpinEditChange(sender); };
    label->SetFocusControl(edit);
    range->addWidget(label);
    range->addWidget(edit, 1);
  };
  addRangeEdit(Label2, "Label2", "&From", HexLookupFromSpinEdit, "HexLookupFromSpinEdit");
  addRangeEdit(Label4, "Label4", "&To", HexLookupToSpinEdit, "HexLookupToSpinEdit");
  range->addStretch(1);
  BaseLookupTableClipboardButton =
      NewClipboardButton(page, "BaseLookupTableClipboardButton", "Copy lookup table to clipboard");
  // Flat, as the table copies through the Edit menu from the keyboard.
  BaseLookupTableClipboardButton->setFocusPolicy(Qt::NoFocus);
  connect(BaseLookupTableClipboardButton, &QToolButton::clicked, this,
          Guarded([this] { BaseLookupTableClipboardButtonClick(BaseLookupTableClipboardButton); }));
  range->addWidget(BaseLookupTableClipboardButton, 0, Qt::AlignTop);

  LookupStringGrid = new TSuperStringGrid(page);
  LookupStringGrid->setObjectName("LookupStringGrid");
  LookupStringGrid->setAccessibleName("Base lookup table");
  LookupStringGrid->SetColCount(4);
  LookupStringGrid->SetFixedCols(0);
  LookupStringGrid->SetDefaultColWidth(17);
  LookupStringGrid->SetAutoWidth(false);
  LookupStringGrid->SetAutoHeight(false);
  LookupStringGrid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                               goDrawFocusSelected | goColSizing | goThumbTracking);
  QFont cellFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  cellFont.setPixelSize(13);
  LookupStringGrid->setFont(cellFont);
  QFont headingFont = page->font();
  headingFont.setPixelSize(11);
  LookupStringGrid->SetFixedFont(headingFont);
  layout->addWidget(LookupStringGrid, 1);

  setTabOrder(HexLookupFromSpinEdit, HexLookupToSpinEdit);
  setTabOrder(HexLookupToSpinEdit, LookupStringGrid);
  connect(RadixerPageControl, &QTabWidget::currentChanged, this,
          Guarded([this] { RadixerPageControlChange(RadixerPageControl); }));
}

void TRadixerCalculator::InitLookupTable() {
  const char* titles[] = {"Decimal", "Hexadecimal", "Binary", "Octal"};
  for (int column = 0; column < 4; ++column) {
    LookupStringGrid->SetColumnAlignment(column, taRightJustify);
    LookupStringGrid->SetCells(column, 0, titles[column]);
  }
  LookupTableStale = true;
}

void TRadixerCalculator::HexLookupSpinEditChange(QObject* sender) {
  if (LookupRangeUpdating) return;
  const QScopedValueRollback<bool> updating(LookupRangeUpdating, true);
  if (ConfirmLargeRange(HexLookupFromSpinEdit, HexLookupToSpinEdit, sender, LookupSavedFrom, LookupSavedTo,
                        Loading)) {
    LookupTableStale = true;
    FillLookupTable();
  }
}

void TRadixerCalculator::RadixerPageControlChange(QObject*) {
  if (RadixerPageControl->currentWidget() == BaseLookupTabSheet) FillLookupTable();
}

void TRadixerCalculator::BaseLookupTableClipboardButtonClick(QObject*) { LookupStringGrid->CopyToClipboard(); }

void TRadixerCalculator::FillLookupTable() {
  if (LookupFilling || !LookupTableStale || RadixerPageControl->currentWidget() != BaseLookupTabSheet || Loading)
    return;
  const QScopedValueRollback<bool> filling(LookupFilling, true);
  const TBusyCursor busy;
  ProcessMessages();
  TRangeFillLock locked(HexLookupFromSpinEdit, HexLookupToSpinEdit);

  const std::int32_t from = HexLookupFromSpinEdit->Value();
  const std::int32_t to = HexLookupToSpinEdit->Value();
  LookupStringGrid->SetRowCount(LookupRowCount(from, to));
  int row = 1;
  TLookupRowText texts;
  for (const TLookupBand& band : LookupBands(from, to)) {
    for (std::int64_t n = band.Low; n <= band.High; ++n) {
      texts.Format(static_cast<std::int32_t>(n), band);
      LookupStringGrid->SetRowUtf8(row++, {texts.Decimal(), texts.Hexadecimal(), texts.Binary(), texts.Octal()});
      if (!band.First && row % RowsPerMessageCheck == 0) locked.ProcessMessages();
    }
  }
  LookupStringGrid->AutoSizeColumns();
  LookupTableStale = false;
}
