// SPDX-License-Identifier: MIT
// Every text of every page shows whole in the smallest window, in the font the
// program is given: captions, buttons, result boxes, legends, table columns and hints.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "controls/KestLabel.h"
#include "controls/KestStringGrid.h"
#include "platform/Registry.h"
#include "prefix/PrefixCalculator.h"
#include "radix/MacAddressPage.h"
#include "radix/VendorRegistrySource.h"
#include "radix/VendorSearchPanel.h"

namespace {

int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split('\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

QString WithoutMnemonics(QString text) {
  return text.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// How wide `widget` shows on screen: its own width, less what its parents cut off.
int ShownWidth(const QWidget* widget) {
  QRect shown = widget->rect();
  for (const QWidget* w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
    shown.translate(w->pos());
    const QWidget* parent = w->parentWidget();
    // A page that scrolls up and down brings every row into view: only its sides cut.
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        area && area->viewport() == parent)
      shown = QRect(shown.left(), 0, shown.width(), std::min(shown.height(), parent->height()));
    shown &= parent->rect();
  }
  return shown.width();
}

struct TTextNeed {
  int Needed = 0;  // pixels the text takes, its margins included
  int Given = 0;   // pixels the widget has for it
};

// What a widget's text needs and what it is given; Needed 0 for a widget without text to show.
TTextNeed NeedOf(const QWidget* widget) {
  const QFontMetrics metrics = widget->fontMetrics();
  if (const auto* label = qobject_cast<const TKestCustomLabel*>(widget)) {
    if (label->ShownCaption().isEmpty()) return {};
    if (label->WordWrap()) {
      const QRect wrapped = metrics.boundingRect(QRect(0, 0, label->width(), 0), Qt::TextWordWrap, label->ShownCaption());
      return {std::max(wrapped.width(), wrapped.height() > label->height() ? label->width() + 1 : 0),
              ShownWidth(widget)};
    }
    int frame = 0;
    if (const auto* box = qobject_cast<const TKestCustomTextBox*>(widget)) frame = 2 * (1 + box->BorderWidth());
    return {WidestLine(metrics, label->ShownCaption()) + frame, ShownWidth(widget)};
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->wordWrap() || label->text().isEmpty()) return {};
    const int margins = label->contentsMargins().left() + label->contentsMargins().right() + 2 * label->margin();
    return {WidestLine(metrics, WithoutMnemonics(label->text())) + margins, std::min(ShownWidth(widget), label->width())};
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    if (button->text().isEmpty()) return {};
    // A tool button draws its text centred without the padding a push button asks for.
    if (qobject_cast<const QToolButton*>(widget))
      return {WidestLine(metrics, WithoutMnemonics(button->text())) + 4, ShownWidth(widget)};
    return {button->sizeHint().width(), ShownWidth(widget)};
  }
  return {};
}

std::string Describe(const QWidget* widget) {
  const QString text = widget->accessibleName().isEmpty() ? widget->objectName() : widget->accessibleName();
  return (widget->metaObject()->className() + QString(" ") + text).toStdString();
}

// Empty when the status bar shows `hint` whole, in one line or wrapped over the
// window's bottom; else what it lacks.
std::string HintShownWhole(QStatusBar* statusBar, const QString& hint) {
  statusBar->showMessage(hint);
  const int room = statusBar->width() - 12;
  const int needed = statusBar->fontMetrics().horizontalAdvance(hint);
  const auto* overlay = statusBar->window()->findChild<QLabel*>("StatusHintOverlay");
  std::string lacks;
  if (!overlay || !overlay->isVisible() || overlay->text() != hint) {
    if (needed > room) lacks = "needs " + std::to_string(needed) + ", has " + std::to_string(room);
  } else if (overlay->height() < overlay->heightForWidth(overlay->width()) ||
             !statusBar->window()->rect().contains(overlay->geometry())) {
    lacks = "wrapped lines cut";
  }
  statusBar->clearMessage();
  return lacks;
}

// Each clipped text of the shown page, with what it needs and what it has.
std::vector<std::string> ClippedTexts(QWidget* page, QStatusBar* statusBar) {
  std::vector<std::string> clipped;
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    const TTextNeed need = NeedOf(widget);
    if (need.Needed > need.Given)
      clipped.push_back(Describe(widget) + ": needs " + std::to_string(need.Needed) + ", has " +
                        std::to_string(need.Given));
    if (!widget->statusTip().isEmpty()) {
      const std::string shown = HintShownWhole(statusBar, widget->statusTip());
      if (!shown.empty()) clipped.push_back(Describe(widget) + " hint in the status bar: " + shown);
    }
    if (const auto* grid = qobject_cast<const TSuperStringGrid*>(widget)) {
      // A table wider than the window scrolls sideways; each column shows its texts whole.
      const QFontMetrics cells = grid->fontMetrics();
      const QFontMetrics headings(grid->FixedFont());
      const int rows = std::min(grid->RowCount(), 64);
      for (int column = 0; column < grid->ColCount(); ++column) {
        int widest = 0;
        for (int row = 0; row < rows; ++row)
          widest = std::max(widest, (row < grid->FixedRows() ? headings : cells).horizontalAdvance(grid->Cells(column, row)));
        if (widest + 4 > grid->ColWidths(column))
          clipped.push_back(Describe(widget) + " column " + std::to_string(column) + ": needs " +
                            std::to_string(widest + 4) + ", has " + std::to_string(grid->ColWidths(column)));
      }
    }
  }
  return clipped;
}

TEST(TextFitTest, EveryTextOfEveryPageShowsWholeInTheSmallestWindow) {
  QFile::remove(RegistryFilePath());
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  QApplication::processEvents();
  ASSERT_EQ(form.size(), QSize(TMainForm::MinimumWidth, TMainForm::MinimumHeight));
  // The prefix calculator's list pages with results in them, the plan's table too.
  TPrefixCalculator* prefix = form.PrefixCalculator;
  prefix->PlanParentEdit->setText("192.168.0.0/22");
  prefix->PlanNeedsEdit->setPlainText("Sales floor 500\nLink /31\nHuge 5000\nOne 1\nwrong");
  prefix->ShowPlan();
  prefix->SetListEdit->setPlainText("10.0.0.0/8, 2001:db8::/32\nip route 10.0.0.0 255.0.0.0\n10.0.0.0 - 10.0.0.9");
  prefix->ShowSets();
  std::vector<std::string> clipped = ClippedTexts(form.centralWidget(), form.statusBar());
  for (int calculator = 0; calculator < TMainForm::CalculatorCount; ++calculator) {
    form.SelectCalculator(calculator);
    for (QTabWidget* pages : form.MainPageControl->widget(calculator)->findChildren<QTabWidget*>()) {
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        form.FormActivate();
        QApplication::processEvents();
        for (const std::string& text : ClippedTexts(pages->widget(i), form.statusBar()))
          clipped.push_back(pages->tabText(i).toStdString() + ": " + text);
      }
    }
  }
  std::sort(clipped.begin(), clipped.end());
  clipped.erase(std::unique(clipped.begin(), clipped.end()), clipped.end());
  EXPECT_TRUE(clipped.empty()) << testing::PrintToString(clipped);
}

TEST(TextFitTest, TheMacAddressPageShowsLongResultsWhole) {
  QFile::remove(RegistryFilePath());
  ReplaceVendorRegistry(TVendorRegistry(
      {{TVendorRegistryKind::MAL, 0x3C22FB, "Shenzhen Longest-Named Intelligent Electronic Technology Co., Ltd."},
       {TVendorRegistryKind::MAS, 0x3C44DF482, "Guangzhou Bit-Swapped Communication Equipment Manufacturing Ltd."}},
      "2026-12-01"));
  TMainForm form;
  form.FormCreate();
  form.show();
  QApplication::setActiveWindow(&form);
  TMacAddressPage* page = nullptr;
  for (int calculator = 0; calculator < TMainForm::CalculatorCount && !page; ++calculator) {
    form.SelectCalculator(calculator);
    page = form.MainPageControl->widget(calculator)->findChild<TMacAddressPage*>();
  }
  ASSERT_NE(page, nullptr);
  form.findChild<QTabWidget*>("RadixerPageControl")->setCurrentWidget(page);
  std::vector<std::string> clipped;
  for (const char* mac : {"3c:22:fb:12:34:56", "3c22.fb01.0212.3456", "2001:db8::3e22:fb01:0212:3456", "3C22FB",
                          "3e:22:fb:12:34:56", "not an address at all, and a long one"}) {
    page->MacEdit->setText(mac);
    page->VendorSearch->VendorEdit->setText("ltd");
    QApplication::processEvents();
    for (const std::string& text : ClippedTexts(page, form.statusBar())) clipped.push_back(mac + (": " + text));
  }
  EXPECT_TRUE(clipped.empty()) << testing::PrintToString(clipped);
}

}  // namespace
