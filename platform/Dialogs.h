// SPDX-License-Identifier: MIT
#pragma once
// Modal message boxes with the classic flag values, and a hook that lets tests
// answer every box instead of a person.
#include <QString>
#include <QStringList>
#include <functional>

enum : unsigned {
  MB_OK = 0x00,
  MB_OKCANCEL = 0x01,
  MB_YESNO = 0x04,
  MB_ICONHAND = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
};

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows `text` as plain text (CR LF become line breaks) and returns the button pressed.
int MessageBox(const QString& text, const QString& caption, unsigned flags);

using MessageBoxResponder =
    std::function<int(const QString& text, const QString& caption, unsigned flags)>;

// While a responder is installed, MessageBox calls it instead of showing a box.
void SetMessageBoxResponder(MessageBoxResponder responder);

// Asks for the name of a file to save to in the standard dialog, which asks
// before replacing a file. `path` is the proposed file; `filters` are such as
// "CSV (*.csv)", each with one extension, which a name typed without one gets;
// `filter` is the one shown first and, on return, the one chosen. Empty when
// the user cancels.
QString GetSaveFileName(const QString& caption, const QString& path, const QStringList& filters, QString& filter);

using SaveFileNameResponder =
    std::function<QString(const QString& caption, const QString& path, const QStringList& filters, QString& filter)>;

// While a responder is installed, GetSaveFileName calls it instead of showing a dialog.
void SetSaveFileNameResponder(SaveFileNameResponder responder);

// Asks for one or more existing files to open in the standard dialog, starting
// in `folder`; `filters` are such as "CSV (*.csv)". Empty when the user cancels.
QStringList GetOpenFileNames(const QString& caption, const QString& folder, const QStringList& filters);

using OpenFileNamesResponder =
    std::function<QStringList(const QString& caption, const QString& folder, const QStringList& filters)>;

// While a responder is installed, GetOpenFileNames calls it instead of showing a dialog.
void SetOpenFileNamesResponder(OpenFileNamesResponder responder);
