// SPDX-License-Identifier: MIT
#include "controls/TableSave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QWidget>

#include "app/WrapMessage.h"
#include "controls/KestStringGridBase.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace {
constexpr const char* SaveCaption = "Save Table As";
constexpr const char* SavedTablesKey = "\\Saved Tables";
constexpr const char* CsvFilter = "CSV, comma-separated values (*.csv)";
constexpr const char* JsonFilter = "JSON (*.json)";

// The rows below the headings; more than TableWriter::MaxRows reads as MaxRows + 1.
TGridRowNumber TableRows(const TStringGrid& grid) {
  if (const TGridRowSource* source = grid.RowSource())
    return source->LastRow() < TableWriter::MaxRows ? source->LastRow() + 1 : TableWriter::MaxRows + 1;
  return static_cast<TGridRowNumber>(grid.RowCount() - grid.FixedRows());
}

QString FolderOfLastSave(const QString& settingsKey) {
  TRegistry key;
  if (key.OpenKeyReadOnly(settingsKey + SavedTablesKey) && key.GetDataType("Folder") == TRegDataType::rdString) {
    const QString folder = key.ReadString("Folder");
    if (QFileInfo(folder).isDir()) return folder;
  }
  return QDir::homePath();
}

// A file name made of the table's name, which may hold a slash ("Subnets/Hosts").
QString DefaultFileName(const TStringGrid& grid) {
  const QString name = grid.accessibleName().trimmed().replace('/', '-');
  return name.isEmpty() ? QStringLiteral("Table") : name;
}

void ShowSaveError(const QString& text) {
  MessageBox(QString::fromStdString(WrapMessage(text.toStdString(), 80)), SaveCaption, MB_OK | MB_ICONHAND);
}
}  // namespace

TStringGrid* ShownTable(const QWidget* page, QWidget* focus) {
  for (QWidget* w = focus; w; w = w->parentWidget())
    if (auto* grid = qobject_cast<TStringGrid*>(w); grid && page->isAncestorOf(grid) && grid->isVisible()) return grid;
  for (TStringGrid* grid : page->findChildren<TStringGrid*>())
    if (grid->isVisible()) return grid;
  return nullptr;
}

TSaveOutcome SaveTableToFile(const TStringGrid& grid, const QString& path, TTableFormat format,
                             const TSaveProgress& progress, QString& error) {
  const int headingRow = grid.FixedRows() - 1;
  std::vector<std::string> headings;
  for (int col = 0; col < grid.ColCount(); ++col) headings.push_back(grid.CellsUtf8(col, headingRow));
  TAppendTableCell cell;
  if (const TGridRowSource* source = grid.RowSource())
    cell = [source](TGridRowNumber row, int col, std::string& out) { source->AppendText(row, col, out); };
  else
    cell = [&grid, first = grid.FixedRows()](TGridRowNumber row, int col, std::string& out) {
      grid.AppendCellText(col, first + static_cast<int>(row), out);
    };
  const TGridRowNumber rows = TableRows(grid);

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString();
    return TSaveOutcome::soFailed;
  }
  bool cancelled = false;
  const bool written =
      TableWriter(format, std::move(headings)).Write(rows, cell, [&](std::string_view bytes, TGridRowNumber done) {
        if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
          return false;
        cancelled = !progress(rows == 0 ? 100 : static_cast<int>(done * 100 / rows));
        return !cancelled;
      });
  if (cancelled) return TSaveOutcome::soCancelled;  // the temporary file goes with `file`
  if (written && file.commit()) return TSaveOutcome::soSaved;
  error = file.errorString();
  return TSaveOutcome::soFailed;
}

void SaveTableAs(const TStringGrid& grid, const QString& settingsKey) {
  if (TableRows(grid) > TableWriter::MaxRows) {
    ShowSaveError("This table has more than 100,000,000 rows, more than can be saved to a file. Choose a smaller "
                  "range and save it again.");
    return;
  }
  QString filter = CsvFilter;
  const QString path = GetSaveFileName(SaveCaption,
                                       QDir(FolderOfLastSave(settingsKey)).filePath(DefaultFileName(grid) + ".csv"),
                                       {CsvFilter, JsonFilter}, filter);
  if (path.isEmpty()) return;
  // The name's own extension decides the format; without one, the filter chosen.
  const QString suffix = QFileInfo(path).suffix().toLower();
  const TTableFormat format = suffix == "json" || (suffix != "csv" && filter == JsonFilter) ? TTableFormat::tfJson
                                                                                            : TTableFormat::tfCsv;

  // Modal from the start, so that nothing changes the table while it is written.
  QProgressDialog dialog("Saving " + QFileInfo(path).fileName() + "...", "Cancel", 0, 100, grid.window());
  dialog.setWindowTitle(SaveCaption);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setMinimumDuration(0);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.show();
  QElapsedTimer sinceEvents;
  sinceEvents.start();
  QString error;
  const TSaveOutcome outcome = SaveTableToFile(grid, path, format, [&](int percent) {
    dialog.setValue(percent);
    if (sinceEvents.elapsed() >= 50) {
      ProcessMessages();
      sinceEvents.restart();
    }
    return !dialog.wasCanceled();
  }, error);
  dialog.hide();
  if (outcome == TSaveOutcome::soFailed) {
    ShowSaveError("The table could not be saved to \"" + QDir::toNativeSeparators(path) + "\": " + error + ".");
    return;
  }
  if (outcome != TSaveOutcome::soSaved) return;
  TRegistry key;
  if (key.OpenKey(settingsKey + SavedTablesKey, true)) {
    try {
      key.WriteString("Folder", QFileInfo(path).absolutePath());
    } catch (const ERegistryException&) {
      // The table is saved; a folder that cannot be remembered is only proposed less well next time.
    }
  }
}
