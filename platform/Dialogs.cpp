#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxResponder& Responder() {
  static MessageBoxResponder responder;
  return responder;
}

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}
}  // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) { Responder() = std::move(responder); }

int MessageBox(const QString& text, const QString& caption, unsigned flags) {
  if (Responder()) return Responder()(text, caption, flags);
  QMessageBox box(IconOf(flags), caption, QString(text).replace("\r\n", "\n"), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  switch (flags & 0x0F) {
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MB_OKCANCEL:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
  }
}
