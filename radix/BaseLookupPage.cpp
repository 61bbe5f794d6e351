// The Base Lookup page: a range of numbers listed in four bases.
#include <QFontDatabase>
#include <QVBoxLayout>

#include "controls/KestStringGrid.h"
#include "radix/RadixerCalculator.h"

void TRadixerCalculator::CreateBaseLookupPage() {
  auto* layout = new QVBoxLayout(BaseLookupTabSheet);
  layout->setContentsMargins(4, 4, 4, 4);

  LookupStringGrid = new TSuperStringGrid(BaseLookupTabSheet);
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
  LookupStringGrid->SetFixedFont(BaseLookupTabSheet->font());
  layout->addWidget(LookupStringGrid, 1);
}

void TRadixerCalculator::InitLookupTable() {
  const char* titles[] = {"Decimal", "Hexadecimal", "Binary", "Octal"};
  for (int column = 0; column < 4; ++column) {
    LookupStringGrid->SetColumnAlignment(column, taRightJustify);
    LookupStringGrid->SetCells(column, 0, titles[column]);
  }
  LookupTableStale = true;
}
