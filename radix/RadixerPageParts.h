// SPDX-License-Identifier: MIT
#pragma once
// Building blocks shared by the Radixer calculator's pages.
#include <QString>
#include <QStringList>

class QHBoxLayout;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TKestLabel;
class TNumberEdit;
class TRadioGroup;

// A choice of the page shown as one row of radio buttons, each with the group's hint.
TRadioGroup* NewRadixRadioGroup(QWidget* page, const char* name, const QString& caption, const QStringList& items,
                                const QString& hint);

// Sets a field's hint to the range of `bits` bits in the field's base.
void SetNumberEditHint(TNumberEdit* edit, int bits);

// A number field under its label, with its clipboard button at its right.
struct TNumberFieldRow {
  TKestLabel* Label;
  TNumberEdit* Edit;
  QToolButton* ClipboardButton;
  QHBoxLayout* Row;  // the field and its button
};

// Adds a field to `layout`: the label names the field for the keyboard and for
// assistive technology; the field takes no negative values and shows its
// digits in the fixed-pitch font.
TNumberFieldRow AddNumberFieldRow(QVBoxLayout* layout, QWidget* page, const char* labelName, const QString& caption,
                                  const char* editName, const char* buttonName, const QString& buttonHint);

// Makes `area` a frameless scrolling page named `name` and gives it a column
// to fill, whose layout is returned; the caller ends with area->setWidget on
// the layout's widget.
QVBoxLayout* NewScrollingPageColumn(QScrollArea* area, const char* name);
