// SPDX-License-Identifier: MIT
// The Base Lookup page: a range of numbers listed in four bases.
#include <QBoxLayout>
#include <QFontDatabase>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

#include "controls/ClipboardButton.h"
#include "controls/ConfirmLargeRange.h"
#include "controls/KestLabel.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/Shell.h"
#include "radix/LookupRows.h"
#include "radix/RadixerCalculator.h"

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
  if (!LookupTableStale || RadixerPageControl->currentWidget() != BaseLookupTabSheet || Loading) return;
  LookupStringGrid->SetRowSource(std::make_shared<TRowSourceOf<TLookupRows>>(
      TLookupRows(HexLookupFromSpinEdit->Value(), HexLookupToSpinEdit->Value())));
  LookupStringGrid->AutoSizeColumns();
  LookupTableStale = false;
}
