// SPDX-License-Identifier: MIT
#pragma once
// Keeps the range of a table fixed while the table is filled.
#include <QPointer>
#include <QWidget>

class TBetterSpinEdit;

// Disables a range's two spin edits for its lifetime, so that the events a
// long fill lets through cannot change the range, and enables them again, also
// when an exception passes. An edit that had the focus gets it back, unless
// the user has put it elsewhere meanwhile, so that stepping with the keys goes on.
class TRangeFillLock {
 public:
  TRangeFillLock(TBetterSpinEdit* fromEdit, TBetterSpinEdit* toEdit);
  ~TRangeFillLock();
  TRangeFillLock(const TRangeFillLock&) = delete;
  TRangeFillLock& operator=(const TRangeFillLock&) = delete;

 private:
  QPointer<TBetterSpinEdit> FromEdit;
  QPointer<TBetterSpinEdit> ToEdit;
  QPointer<QWidget> Focused;
  QPointer<QWidget> FocusAfterLock;
};
