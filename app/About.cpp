// SPDX-License-Identifier: MIT
#include "app/About.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/MainForm.h"
#include "controls/KestLabel.h"
#include "platform/Application.h"
#include "platform/Shell.h"

namespace {
// The controls are placed for this client area (a 345 by 345 window less its
// frame); those anchored to the right or bottom keep their distance to that edge.
constexpr int DesignWidth = 337;
constexpr int DesignHeight = 318;

QPlainTextEdit* NewMemo(QWidget* parent, const char* name, const char* accessibleName) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setAccessibleName(accessibleName);
  memo->setReadOnly(true);
  memo->setFocusPolicy(Qt::ClickFocus);
  memo->viewport()->setCursor(Qt::ArrowCursor);
  return memo;
}
}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutForm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  // A window takes no font from its parent unless told to: this one uses the main window's.
  setAttribute(Qt::WA_WindowPropagation);
  setModal(false);
  setMinimumSize(345, 345);
  resize(345, 345);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setAutoFillBackground(true);
  // White with dark text on every desktop, as the picture is drawn for white.
  Panel1->setPalette(QPalette(QColor(Qt::white)));
  AboutImage = new QLabel(Panel1);
  AboutImage->setObjectName("AboutImage");
  AboutImage->setAlignment(Qt::AlignCenter);
  AboutImage->setAccessibleName("Orvane Calculator picture");
  AboutImage->setAccessibleDescription("A calculator above the program's name; double-click it to see the credits");
  AboutImage->installEventFilter(this);
  VantorLabel = new TKestLabel(Panel1);
  VantorLabel->setObjectName("VantorLabel");
  VantorLabel->SetAutoSize(false);
  VantorLabel->SetAlignment(taCenter);
  VantorLabel->SetLayout(tlCenter);
  VantorLabel->SetTransparent(true);
  VantorLabel->hide();
  VantorLabel->OnClick = [this](QObject* sender) { VantorLabelClick(sender); };
  auto* panelLayout = new QGridLayout(Panel1);
  panelLayout->setContentsMargins(Panel1->frameWidth(), Panel1->frameWidth(), Panel1->frameWidth(),
                                  Panel1->frameWidth());
  panelLayout->addWidget(AboutImage, 0, 0);
  panelLayout->addWidget(VantorLabel, 0, 0);

  InfoMemo = NewMemo(this, "InfoMemo", "Program information");
  InfoMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AboutMemo = NewMemo(this, "AboutMemo", "Distribution notice");
  AboutMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  OKButton = new TOKButton(this);
  OKButton->setObjectName("OKButton");
  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(OKButton); }));

  FormCreate();
}

void TAboutForm::FormCreate() {
  setWindowTitle(QStringLiteral("About the ") + TMainForm::ApplicationTitle);
  AboutImage->setPixmap(LoadBitmapResource("CALCABOUTBOX"));
  VantorLabel->SetCaption("Programmed by\r\nOrvane developers");
  InfoMemo->setPlainText(QStringList{TMainForm::ApplicationTitle, "Release 3.01", "", "Kest Group",
                                     TMainForm::WebsiteAddress}
                             .join(u'\n'));
  AboutMemo->setPlainText(
      "This program is free software: you may copy it and give it away to others, provided that it is not "
      "changed in any way.\n\n"
      "It is provided as it is, without warranty of any kind. You use it at your own risk.\n\n"
      "It is released under the MIT licence, whose terms prevail over the lines above: they also let you "
      "change it and give changed copies away, provided that the copyright and licence notices go with them.");
}

void TAboutForm::resizeEvent(QResizeEvent* event) {
  const int wider = width() - DesignWidth;
  const int taller = height() - DesignHeight;
  Panel1->setGeometry(8, 8, 129, 137);
  InfoMemo->setGeometry(144, 8, 186 + wider, 137);
  AboutMemo->setGeometry(8, 152, 321 + wider, 121 + taller);
  OKButton->setGeometry(131, 285 + taller, 75 + wider, 25);
  QDialog::resizeEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == AboutImage && event->type() == QEvent::MouseButtonDblClick) AboutImageDblClick(AboutImage);
  return QDialog::eventFilter(watched, event);
}

void TAboutForm::AboutImageDblClick(QObject*) {
  AboutImage->hide();
  VantorLabel->show();
}

void TAboutForm::VantorLabelClick(QObject*) {
  VantorLabel->hide();
  AboutImage->show();
}

void TAboutForm::OKButtonClick(QObject*) { close(); }
