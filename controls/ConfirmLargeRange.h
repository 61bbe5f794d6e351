// SPDX-License-Identifier: MIT
#pragma once
// The range check shared by the tables that show a From/To range of rows.
#include <QObject>
#include <cstdint>

class TBetterSpinEdit;

// Keeps FromEdit not above ToEdit (moving the edit that ChangedEdit is not),
// refuses a range of more rows than the largest table, and asks before a large
// one (never while `Loading`). A refused or declined range puts both edits
// back to SavedFrom and SavedTo. SavedFrom and SavedTo then take the edits'
// values. Returns whether the range may be shown. The value changes made here
// raise the edits' OnChange again: the caller's handler must ignore them.
bool ConfirmLargeRange(TBetterSpinEdit* FromEdit, TBetterSpinEdit* ToEdit, QObject* ChangedEdit,
                       std::int32_t& SavedFrom, std::int32_t& SavedTo, bool Loading);

// Whether a copy of `rows` rows may go ahead: asks first about a large one,
// and refuses, saying so, one larger than the clipboard can take.
bool ConfirmLargeCopy(std::int64_t rows);
