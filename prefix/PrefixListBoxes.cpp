// SPDX-License-Identifier: MIT
// The list boxes of the pages that read lists: inputs that refuse a paste
// longer than the address core reads, and read-only boxes of result lines.
#include <QFontDatabase>
#include <algorithm>
#include <functional>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Hint.h"
#include "prefix/InputLines.h"
#include "prefix/PrefixCalculator.h"

namespace {

class TListEdit : public QPlainTextEdit {
 public:
  TListEdit(QWidget* parent, std::function<QPlainTextEdit*()> refusals)
      : QPlainTextEdit(parent), refusals_(std::move(refusals)) {}

 protected:
  // A paste or drop that would make the list too long is refused whole, saying so.
  void insertFromMimeData(const QMimeData* source) override {
    // The document counts one more character than its text has.
    const auto kept =
        static_cast<std::size_t>(document()->characterCount() - 1 - textCursor().selectedText().size());
    const std::string tooLong = ListTooLongText(kept + static_cast<std::size_t>(source->text().size()));
    if (tooLong.empty()) return QPlainTextEdit::insertFromMimeData(source);
    refusals_()->setPlainText("Not pasted: " + QString::fromStdString(tooLong));
  }

 private:
  std::function<QPlainTextEdit*()> refusals_;
};

QFont ListFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
  return font;
}

// `box` under its caption on `page`, `lines` of its font high.
void AddCaptioned(QWidget* page, QPlainTextEdit* box, const char* name, const QString& caption, int lines) {
  box->setObjectName(name);
  box->setFont(ListFont());
  box->setTabChangesFocus(true);
  box->setFixedHeight(QFontMetrics(box->font()).lineSpacing() * lines + 2 * box->frameWidth() +
                      static_cast<int>(2 * box->document()->documentMargin()));
  QLabel* label = NewCaption(page, caption, box);
  auto* layout = static_cast<QVBoxLayout*>(page->layout());
  layout->addWidget(label);
  layout->addWidget(box);
  layout->addSpacing(2);
}

}  // namespace

QPlainTextEdit* TPrefixCalculator::AddListInput(QWidget* page, const char* name, const QString& caption,
                                                const QString& hint, const QString& example,
                                                QPlainTextEdit* TPrefixCalculator::*refusals) {
  auto* edit = new TListEdit(page, [this, refusals] { return this->*refusals; });
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  SetHint(edit, hint);
  // Shown while the box is empty: what a list looks like.
  edit->setPlaceholderText(example);
  AddCaptioned(page, edit, name, caption, 5);
  return edit;
}

QPlainTextEdit* TPrefixCalculator::AddListResult(QWidget* page, const char* name, const QString& caption, int lines) {
  auto* box = new QPlainTextEdit(page);
  box->setReadOnly(true);
  box->setUndoRedoEnabled(false);
  // Results are read in the narrowest window too; lists typed or pasted keep one item a line.
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Reached with Tab and selected from the keyboard too, to be copied.
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  AddCaptioned(page, box, name, caption, lines);
  return box;
}

QTimer* TPrefixCalculator::NewSettleTimer(void (TPrefixCalculator::*show)()) {
  // Long lists take a moment to read: they are read once typing pauses, not at every key.
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setInterval(250);
  connect(timer, &QTimer::timeout, this, Guarded([this, show] { (this->*show)(); }));
  return timer;
}
