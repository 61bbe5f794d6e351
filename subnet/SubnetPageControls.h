// SPDX-License-Identifier: MIT
#pragma once
// Building blocks shared by the subnet calculator's pages.
#include <QLabel>
#include <QString>

#include "controls/KestLabel.h"

class QGridLayout;
class TValueComboBox;

using TOutputBox = TTextBox;

// A caption label, the focus target of its accelerator being `buddy`.
QLabel* NewCaption(QWidget* parent, const QString& caption, QWidget* buddy = nullptr);
// A read-only box showing one result in the fixed-pitch font; `caption` names
// it, for assistive technology too, as its buddy.
TOutputBox* NewOutputBox(QWidget* parent, const char* name, QLabel* caption);
// A pick-only list with its caption above it in `column` of `row` and `row + 1` of `grid`.
TValueComboBox* NewMaskList(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                            const QString& caption, const QString& hint);
