// SPDX-License-Identifier: MIT
#include "radix/RadixerPageParts.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

#include "controls/ClipboardButton.h"
#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "radix/NumberWidth.h"

TRadioGroup* NewRadixRadioGroup(QWidget* page, const char* name, const QString& caption, const QStringList& items,
                                const QString& hint) {
  auto* group = new TRadioGroup(caption, items, page);
  group->setObjectName(name);
  if (auto* buttons = qobject_cast<QBoxLayout*>(group->layout())) buttons->setDirection(QBoxLayout::LeftToRight);
  SetHint(group, hint);
  for (int i = 0; i < group->ItemCount(); ++i) SetHint(group->Item(i), hint);
  return group;
}

void SetNumberEditHint(TNumberEdit* edit, int bits) {
  SetHint(edit, QString::fromStdString(RangeHint(edit->NumberStyle(), bits)));
}

TNumberFieldRow AddNumberFieldRow(QVBoxLayout* layout, QWidget* page, const char* labelName, const QString& caption,
                                  const char* editName, const char* buttonName, const QString& buttonHint) {
  TNumberFieldRow field;
  field.Label = new TKestLabel(page);
  field.Label->setObjectName(labelName);
  field.Label->SetCaption(caption);
  field.Label->SetTransparent(true);
  field.Edit = new TNumberEdit(page);
  field.Edit->setObjectName(editName);
  field.Edit->SetAllowNegative(false);
  // Fixed-pitch digits line up across the fields, and 32 of them fit the narrowest window.
  field.Edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  field.Label->SetFocusControl(field.Edit);
  // A flat button, as the field copies through the Edit menu from the keyboard.
  field.ClipboardButton = NewClipboardButton(page, buttonName, buttonHint);
  field.ClipboardButton->setFocusPolicy(Qt::NoFocus);

  field.Row = new QHBoxLayout;
  field.Row->setSpacing(2);
  field.Row->addWidget(field.Edit, 1);
  field.Row->addWidget(field.ClipboardButton);
  layout->addWidget(field.Label);
  layout->addLayout(field.Row);
  layout->addSpacing(4);
  return field;
}

QVBoxLayout* NewScrollingPageColumn(QScrollArea* area, const char* name) {
  area->setObjectName(name);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(new QWidget);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  return layout;
}
