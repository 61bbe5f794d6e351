// SPDX-License-Identifier: MIT
#pragma once
// Keeps the range of a table fixed while the table is filled.
#include <QPointer>
#include <QWidget>

class TBetterSpinEdit;

// Guards a range's two spin edits while a fill runs. A fill lets pending events
// through only by ProcessMessages: the edits are disabled from the first such
// call on, so that those events cannot change the range, and enabled again when
// the lock ends, also when an exception passes. A fill that never lets events
// through leaves the edits, and the focus, alone. An edit that had the focus
// gets it back, unless the user has put it elsewhere meanwhile, so that
// stepping with the keys goes on.
class TRangeFillLock {
 public:
  TRangeFillLock(TBetterSpinEdit* fromEdit, TBetterSpinEdit* toEdit);
  ~TRangeFillLock();
  TRangeFillLock(const TRangeFillLock&) = delete;
  TRangeFillLock& operator=(const TRangeFillLock&) = delete;

  // Disables the edits, when not yet done, then processes pending events.
  void ProcessMessages();

 private:
  QPointer<TBetterSpinEdit> FromEdit;
  QPointer<TBetterSpinEdit> ToEdit;
  bool Locked = false;
  QPointer<QWidget> Focused;
  QPointer<QWidget> FocusAfterLock;
};
