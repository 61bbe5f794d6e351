// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"

namespace {

TEST(DialogsTest, RecorderAnswersAndRecordsEveryBox) {
  for (int answer : {IDOK, IDYES, IDNO, IDCANCEL}) {
    TMessageRecorder recorder(answer);
    EXPECT_EQ(MessageBox("first", "Invalid IP Address", MB_OK | MB_ICONINFORMATION), answer);
    EXPECT_EQ(MessageBox("Are you sure?", "Confirm", MB_YESNO | MB_ICONEXCLAMATION), answer);
    ASSERT_EQ(recorder.Messages.size(), 2u);
    EXPECT_EQ(recorder.Messages[0].Text, "first");
    EXPECT_EQ(recorder.Messages[0].Caption, "Invalid IP Address");
    EXPECT_EQ(recorder.Messages[0].Flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(recorder.Messages[1].Flags, MB_YESNO | MB_ICONEXCLAMATION);
  }
}

struct TShownBox {
  QString Text;
  QString Title;
  Qt::TextFormat Format = Qt::AutoText;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
  bool WordWrap = true;
  QSize TextSize;
  QFont TextFont;
  QRect Frame;
};

// Shows a real box and presses `press` in it once it is up.
int ShowAndPress(const QString& text, unsigned flags, QMessageBox::StandardButton press, TShownBox& shown) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box is shown";
      return;
    }
    shown.Text = box->text();
    shown.Title = box->windowTitle();
    shown.Format = box->textFormat();
    shown.Icon = box->icon();
    shown.Buttons = box->standardButtons();
    if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
      shown.WordWrap = label->wordWrap();
      shown.TextSize = label->contentsRect().size();
      shown.TextFont = label->font();
    }
    shown.Frame = box->frameGeometry();
    box->button(press)->click();
  });
  SetMessageBoxResponder(nullptr);
  const int answer = MessageBox(text, "Caption", flags);
  InstallUnexpectedMessageBoxCheck();
  return answer;
}

TEST(DialogsTest, ShowsPlainTextWithTheRequestedButtonsAndIcon) {
  struct TCase {
    unsigned Flags;
    QMessageBox::StandardButton Press;
    int Answer;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButtons Buttons;
  };
  const TCase cases[] = {
      {MB_OK | MB_ICONINFORMATION, QMessageBox::Ok, IDOK, QMessageBox::Information, QMessageBox::Ok},
      {MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::Yes, IDYES, QMessageBox::Warning,
       QMessageBox::Yes | QMessageBox::No},
      {MB_YESNO | MB_ICONQUESTION, QMessageBox::No, IDNO, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
      {MB_OKCANCEL | MB_ICONHAND, QMessageBox::Cancel, IDCANCEL, QMessageBox::Critical,
       QMessageBox::Ok | QMessageBox::Cancel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Flags);
    TShownBox shown;
    EXPECT_EQ(ShowAndPress("<b>one</b>\r\ntwo", c.Flags, c.Press, shown), c.Answer);
    EXPECT_EQ(shown.Text, "<b>one</b>\ntwo");
    EXPECT_EQ(shown.Title, "Caption");
    EXPECT_EQ(shown.Format, Qt::PlainText);
    EXPECT_EQ(shown.Icon, c.Icon);
    EXPECT_EQ(shown.Buttons, c.Buttons);
  }
}

TEST(DialogsTest, ShowsTheLinesAsGivenWithoutWrappingThemAgain) {
  const QString first = "The Class D IP Addresses in the range 224.0.0.0 - 239.255.255.255 are reserved ";
  const QString second = "for multicasting and cannot be subnetted.";
  TShownBox shown;
  ShowAndPress(first + "\r\n" + second, MB_OK | MB_ICONINFORMATION, QMessageBox::Ok, shown);
  EXPECT_FALSE(shown.WordWrap);
  const QFontMetrics metrics(shown.TextFont);
  EXPECT_GE(shown.TextSize.width(), metrics.horizontalAdvance(first.trimmed())) << "the longest line fits";
  EXPECT_GE(shown.TextSize.height(), 2 * metrics.height());
  EXPECT_LT(shown.TextSize.height(), 3 * metrics.lineSpacing()) << "two lines, not three";
}

TEST(DialogsTest, OpensOverTheMiddleOfTheMainWindowEvenWhenNoWindowIsActive) {
  QMainWindow main;
  main.setGeometry(300, 200, 297, 455);
  main.show();
  ASSERT_EQ(QApplication::activeWindow(), nullptr);
  TShownBox shown;
  ShowAndPress("Are you sure?", MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::No, shown);
  EXPECT_LE((shown.Frame.center() - main.frameGeometry().center()).manhattanLength(), 8)
      << "box at " << shown.Frame.x() << "," << shown.Frame.y();
}

}  // namespace
