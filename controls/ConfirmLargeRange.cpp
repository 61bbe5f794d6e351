// SPDX-License-Identifier: MIT
#include "controls/ConfirmLargeRange.h"

#include "controls/KestSpinEdit.h"
#include "controls/RangeRules.h"
#include "platform/Dialogs.h"

bool ConfirmLargeRange(TBetterSpinEdit* FromEdit, TBetterSpinEdit* ToEdit, QObject* ChangedEdit,
                       std::int32_t& SavedFrom, std::int32_t& SavedTo, bool Loading) {
  const TRangeEnd changed = ChangedEdit == FromEdit ? TRangeEnd::From
                            : ChangedEdit == ToEdit ? TRangeEnd::To
                                                    : TRangeEnd::None;
  const TRowRange ordered = OrderRange({FromEdit->Value(), ToEdit->Value()}, changed);
  if (ordered.To != ToEdit->Value()) ToEdit->SetValue(ordered.To);
  if (ordered.From != FromEdit->Value()) FromEdit->SetValue(ordered.From);

  const TRowRange range{FromEdit->Value(), ToEdit->Value()};
  bool accepted = true;
  if (RangeTooLarge(range)) {
    // Refused even while loading: a table of billions of rows would exhaust the memory.
    if (!Loading)
      MessageBox(QString::fromStdString(RangeTooLargeText()), "Range too large", MB_OK | MB_ICONINFORMATION);
    accepted = false;
  } else if (RangeNeedsConfirmation(range) && !Loading) {
    accepted = MessageBox(QString::fromStdString(LargeRangeQuestion()), "Are you sure?",
                          MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
  }
  if (!accepted) {
    FromEdit->SetValue(SavedFrom);
    ToEdit->SetValue(SavedTo);
  }
  SavedFrom = FromEdit->Value();
  SavedTo = ToEdit->Value();
  return accepted;
}

bool ConfirmLargeCopy(std::int64_t rows) {
  if (rows > MaxRangeRows) {
    MessageBox(QString::fromStdString(CopyTooLargeText()), "Too many rows", MB_OK | MB_ICONINFORMATION);
    return false;
  }
  return rows <= LargeCopyRows ||
         MessageBox(QString::fromStdString(LargeCopyQuestion(rows)), "Are you sure?", MB_YESNO | MB_ICONEXCLAMATION) ==
             IDYES;
}
