// SPDX-License-Identifier: MIT
#pragma once
// The About dialog: the program's picture (a double-click swaps in the
// credits), its title, release and maker, and its distribution notice.
// Created on first use, kept for the run, shown without blocking the main
// window and only hidden when closed.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class TKestLabel;
class TOKButton;

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  void AboutImageDblClick(QObject* sender);
  void VantorLabelClick(QObject* sender);
  void OKButtonClick(QObject* sender);

  QFrame* Panel1;
  QLabel* AboutImage;
  TKestLabel* VantorLabel;
  QPlainTextEdit* InfoMemo;
  QPlainTextEdit* AboutMemo;
  TOKButton* OKButton;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormCreate();
};
