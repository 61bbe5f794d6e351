// SPDX-License-Identifier: MIT
#include "app/EditTarget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "controls/KestIPAddrEdit.h"
#include "controls/KestStringGrid.h"

TEditTarget EditTargetOf(QWidget* focus) {
  for (QWidget* w = focus; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
      return {TEditTarget::EditBox, w};
    if (qobject_cast<TSuperStringGrid*>(w)) return {TEditTarget::Grid, w};
    if (qobject_cast<TCustomIPAddressEdit*>(w)) return {TEditTarget::AddressEdit, w};
  }
  return {};
}
