// SPDX-License-Identifier: MIT
#pragma once
// Saving a grid's table to a file, as CSV or JSON (controls/TableWriter.h):
// the headings are the grid's last fixed row, the rows every row below it, all
// columns included. The file is written to a temporary file beside it and
// renamed over it at the end, so a failed or cancelled save leaves an older
// file as it was and no partial one.
#include <QString>
#include <functional>

#include "controls/TableWriter.h"

class QWidget;
class TStringGrid;

// The table File > Save Table As saves from `page`: the grid with the focus if
// it is on the page, else the first grid shown on it; null when none is shown.
TStringGrid* ShownTable(const QWidget* page, QWidget* focus);

// Told the percent written so far; false cancels the save.
using TSaveProgress = std::function<bool(int percent)>;

enum class TSaveOutcome { soSaved, soCancelled, soFailed };

// Writes the table to `path`. On soFailed `error` says why.
TSaveOutcome SaveTableToFile(const TStringGrid& grid, const QString& path, TTableFormat format,
                             const TSaveProgress& progress, QString& error);

// Asks for a file (in the folder of the last save, kept under `settingsKey`)
// and saves the table there with a progress dialog that can cancel it; a
// failure is explained in a message box.
void SaveTableAs(const TStringGrid& grid, const QString& settingsKey);
