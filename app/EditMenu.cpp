// SPDX-License-Identifier: MIT
// The Edit menu: copy from and paste into the focused control.
#include <QAction>
#include <QMenuBar>

#include "app/EditTarget.h"
#include "app/MainForm.h"
#include "controls/KestIPAddrEdit.h"
#include "platform/Clipboard.h"

namespace {
// Hands `request` ("copy" or "paste") to the control that answers the Edit menu
// for `focus`; the address field answers it with `addressAnswer`.
void SendEditRequest(QWidget* focus, const char* request, void (TCustomIPAddressEdit::*addressAnswer)()) {
  const TEditTarget target = EditTargetOf(focus);
  if (target.Kind == TEditTarget::AddressEdit)
    (static_cast<TCustomIPAddressEdit*>(target.Control)->*addressAnswer)();
  else if (target.Kind != TEditTarget::None)
    QMetaObject::invokeMethod(target.Control, request, Qt::DirectConnection);
}
}  // namespace

QWidget* TMainForm::EditFocus() const {
  QWidget* focus = focusWidget();
  return focus == menuBar() ? FocusBeforeMenuBar.data() : focus;
}

void TMainForm::EditMenuClick() {
  const TEditTarget target = EditTargetOf(EditFocus());
  EditCopyItem->setEnabled(target.Kind != TEditTarget::None);
  EditPasteItem->setEnabled(target.Kind == TEditTarget::EditBox && ClipboardHasText());
}

void TMainForm::EditCopyItemClick() {
  SendEditRequest(EditFocus(), "copy", &TCustomIPAddressEdit::CopyToClipboard);
}

void TMainForm::EditPasteItemClick() {
  SendEditRequest(EditFocus(), "paste", &TCustomIPAddressEdit::PasteFromClipboard);
}
