// SPDX-License-Identifier: MIT
#include "prefix/PrefixCalculator.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Hint.h"
#include "platform/Registry.h"
#include "prefix/ResultLines.h"

namespace {
constexpr const char* PrefixSettingsKey = "\\Prefix Calculator";
constexpr const char* DefaultInput = "2001:db8::1/64";
const QString StaleNote = QStringLiteral(" (stale)");
constexpr const char* SplitLengthValue = "Split Length";
}  // namespace

TPrefixCalculator::TPrefixCalculator(QWidget* parent) : QWidget(parent) {
  setObjectName("PrefixCalculator");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 0);
  layout->setSpacing(2);

  InputEdit = new QLineEdit(this);
  InputEdit->setObjectName("PrefixInputEdit");
  SetHint(InputEdit, "Type an IPv4 or IPv6 address, with a prefix length or an IPv4 mask if you like");
  InputLabel = new QLabel("&Address or Prefix", this);
  InputLabel->setBuddy(InputEdit);
  InputErrorLabel = new QLabel(this);
  InputErrorLabel->setObjectName("PrefixInputErrorLabel");
  InputErrorLabel->setWordWrap(true);
  InputErrorLabel->setMinimumHeight(QFontMetrics(InputErrorLabel->font()).height());
  layout->addWidget(InputLabel);
  layout->addWidget(InputEdit);
  layout->addWidget(InputErrorLabel);

  PrefixPageControl = new QTabWidget(this);
  PrefixPageControl->setObjectName("PrefixPageControl");
  AddressTabSheet = NewPage("Address", "AddressTabSheet");
  PrefixTabSheet = NewPage("Prefix", "PrefixTabSheet");
  SplitTabSheet = NewPage("Split", "SplitTabSheet");
  layout->addWidget(PrefixPageControl, 1);
  CreateAddressPage();
  CreatePrefixPage();
  CreateSplitPage();
  CreateSetsPage();
  CreatePlanPage();
  CreateReversePage();

  connect(InputEdit, &QLineEdit::textChanged, this, [this] { InputEditChange(); });
}

QWidget* TPrefixCalculator::NewPage(const QString& caption, const char* name) {
  // Long IPv6 results take more room than the narrowest window has: the page scrolls.
  auto* scroller = new QScrollArea(PrefixPageControl);
  scroller->setObjectName(QString(name) + "Scroller");
  scroller->setWidgetResizable(true);
  scroller->setFrameShape(QFrame::NoFrame);
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);
  scroller->setWidget(page);
  PrefixPageControl->addTab(scroller, caption);
  return page;
}

TOutputBox* TPrefixCalculator::AddResult(QWidget* page, const char* name, const QString& caption) {
  QLabel* label = NewCaption(page, caption);
  TOutputBox* box = NewOutputBox(page, name, label);
  auto* layout = static_cast<QVBoxLayout*>(page->layout());
  layout->addWidget(label);
  layout->addWidget(box);
  layout->addSpacing(2);
  return box;
}

void TPrefixCalculator::ShowResult(TOutputBox* box, const std::string& text) {
  ShowLines(box, BreakLines(text, ResultLineWidth, ".: "));
}

void TPrefixCalculator::ShowLines(TOutputBox* box, const std::string& lines) {
  const QString caption = QString::fromStdString(lines);
  box->SetCaption(caption);
  box->setFixedHeight(QFontMetrics(box->font()).height() * static_cast<int>(caption.count('\n') + 1) + 6);
}

void TPrefixCalculator::InputEditChange() {
  const Result<AddressInput> parsed = ParseAddressInput(InputEdit->text().toStdString());
  const QString error = QString::fromStdString(parsed.Error);
  InputErrorLabel->setText(error);
  InputEdit->setAccessibleDescription(error);
  if (parsed.Ok()) {
    shownInput_ = InputEdit->text().trimmed();
    ShowAddress(parsed.Value);
    ShowPrefix(InputPrefix(parsed.Value));
    ShowSplit(InputPrefix(parsed.Value));
    ShowReverseZones(InputPrefix(parsed.Value));
  }
  SetStale(!parsed.Ok());
}

void TPrefixCalculator::SetStale(bool stale) {
  stale_ = stale;
  // The last good results stay readable, greyed, their pages saying they are stale.
  // Pages with lists of their own do not follow the input.
  for (QWidget* page : {AddressTabSheet, PrefixTabSheet, SplitTabSheet, ReverseTabSheet}) {
    // The page sits in its scroller's viewport.
    const int i = PrefixPageControl->indexOf(page->parentWidget()->parentWidget());
    PrefixPageControl->setTabText(i, PrefixPageControl->tabText(i).remove(StaleNote) + (stale ? StaleNote : QString()));
    page->setEnabled(!stale);
  }
}

void TPrefixCalculator::LoadSettings(const QString& settingsKey) {
  TRegistry key;
  QString input = DefaultInput;
  const bool stored = key.OpenKeyReadOnly(settingsKey + PrefixSettingsKey);
  if (stored && key.GetDataType("Input") == TRegDataType::rdString) input = key.ReadString("Input");
  // Shown as near as the input allows.
  if (stored && key.GetDataType(SplitLengthValue) == TRegDataType::rdInteger)
    splitLength_ = key.ReadInteger(SplitLengthValue);
  InputEdit->setText(input);
  InputEditChange();
  // A value edited by hand into something unreadable gives the example instead.
  if (stale_) InputEdit->setText(DefaultInput);
}

void TPrefixCalculator::SaveSettings(const QString& settingsKey) const {
  // The input whose results were last shown: a restart never opens on a mistake.
  TRegistry key;
  if (!key.OpenKey(settingsKey + PrefixSettingsKey, true)) return;
  key.WriteString("Input", shownInput_);
  key.WriteInteger(SplitLengthValue, splitLength_);
}
