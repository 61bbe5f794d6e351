#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
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
};

// Shows a real box and presses `press` in it once it is up.
int ShowAndPress(const QString& text, unsigned flags, QMessageBox::StandardButton press, TShownBox& shown) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box is shown";
      return;
    }
    shown = {box->text(), box->windowTitle(), box->textFormat(), box->icon(), box->standardButtons()};
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

}  // namespace
