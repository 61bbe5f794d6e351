// SPDX-License-Identifier: MIT
#pragma once
// Small services of the desktop: the screen cursor, pending events, the
// browser, the beep and the pictures compiled into the program.
#include <QPixmap>
#include <QString>
#include <Qt>

// The cursor shown over every window of the program (Qt::ArrowCursor when none is forced).
Qt::CursorShape ScreenCursor();
void SetScreenCursor(Qt::CursorShape cursor);

// Lets the event loop handle what is pending, during long work.
void ProcessMessages();

// Opens a document or web address in the desktop's default program; the result is ignored.
void OpenDocument(const QString& url);

void Beep();

// A picture of the program's resources by name ("ORVANECALCLOGO"); a null pixmap when absent.
// On a high-density screen it has twice the pixels at the same size on screen.
QPixmap LoadBitmapResource(const QString& name);
QPixmap LoadBitmapResource(const QString& name, qreal devicePixelRatio);
