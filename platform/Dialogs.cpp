// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace {
MessageBoxResponder& Responder() {
  static MessageBoxResponder responder;
  return responder;
}

SaveFileNameResponder& FileNameResponder() {
  static SaveFileNameResponder responder;
  return responder;
}

OpenFileNamesResponder& OpenResponder() {
  static OpenFileNamesResponder responder;
  return responder;
}

// The extension of a filter such as "CSV (*.csv)".
QString FilterSuffix(const QString& filter) {
  const qsizetype star = filter.lastIndexOf("*.");
  return star < 0 ? QString() : filter.mid(star + 2).section(')', 0, 0).section(' ', 0, 0);
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
// The program's messages come wrapped at 80 columns already. QMessageBox would
// wrap them again at about half the screen's width, each time it sizes itself,
// so after each time the box lays its text out line for line as given, as wide
// as its longest line, while that fits on the screen.
class TPreWrappedMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
      KeepLinesAsGiven();
      CentreOnOwner();
    }
    return handled;
  }

 private:
  void KeepLinesAsGiven() {
    auto* label = findChild<QLabel*>("qt_msgbox_label");
    if (!label || !label->wordWrap()) return;
    label->setWordWrap(false);
    layout()->activate();
    const QSize needed = layout()->totalMinimumSize();
    if (needed.width() > screen()->availableGeometry().width()) {
      label->setWordWrap(true);  // lines wider than the screen must wrap after all
    } else {
      setFixedSize(std::max(width(), needed.width()), needed.height());
    }
    // Sizing asks for another layout pass, which would wrap the text again.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
  }

  // Over the middle of the window it belongs to, kept whole on that window's
  // screen: a box without an owner would otherwise ask for the screen's corner.
  void CentreOnOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect screenArea = (owner ? owner->screen() : screen())->availableGeometry();
    const QPoint centre = owner ? owner->frameGeometry().center() : screenArea.center();
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(centre);
    placed.moveRight(std::min(placed.right(), screenArea.right()));
    placed.moveBottom(std::min(placed.bottom(), screenArea.bottom()));
    placed.moveLeft(std::max(placed.left(), screenArea.left()));
    placed.moveTop(std::max(placed.top(), screenArea.top()));
    move(placed.topLeft());
  }
};

// The window a box belongs to: the active one, else the program's main window.
QWidget* OwnerWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && qobject_cast<QMainWindow*>(window)) return window;
  return nullptr;
}
}  // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) { Responder() = std::move(responder); }

int MessageBox(const QString& text, const QString& caption, unsigned flags) {
  if (Responder()) return Responder()(text, caption, flags);
  TPreWrappedMessageBox box(IconOf(flags), caption, QString(text).replace("\r\n", "\n"), QMessageBox::NoButton,
                  OwnerWindow());
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

void SetSaveFileNameResponder(SaveFileNameResponder responder) { FileNameResponder() = std::move(responder); }

QString GetSaveFileName(const QString& caption, const QString& path, const QStringList& filters, QString& filter) {
  if (FileNameResponder()) return FileNameResponder()(caption, path, filters, filter);
  QFileDialog dialog(OwnerWindow(), caption);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filter);
  dialog.setDefaultSuffix(FilterSuffix(filter));
  QObject::connect(&dialog, &QFileDialog::filterSelected,
                   [&dialog](const QString& chosen) { dialog.setDefaultSuffix(FilterSuffix(chosen)); });
  dialog.selectFile(path);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  filter = dialog.selectedNameFilter();
  return dialog.selectedFiles().constFirst();
}

void SetOpenFileNamesResponder(OpenFileNamesResponder responder) { OpenResponder() = std::move(responder); }

QStringList GetOpenFileNames(const QString& caption, const QString& folder, const QStringList& filters) {
  if (OpenResponder()) return OpenResponder()(caption, folder, filters);
  QFileDialog dialog(OwnerWindow(), caption, folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}
