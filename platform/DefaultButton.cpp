// SPDX-License-Identifier: MIT
#include "platform/DefaultButton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
// Sees the Enter keys that the controls of its scope leave unhandled: Qt
// passes an ignored key event on to each parent in turn.
class TDefaultButtonFilter : public QObject {
 public:
  TDefaultButtonFilter(QPushButton* button, QObject* scope) : QObject(scope), Button(button) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain || !Button->isVisible() || !Button->isEnabled()) return false;
    Button->click();
    return true;
  }

 private:
  QPushButton* Button;
};
}  // namespace

void SetDefaultButton(QPushButton* button, QWidget* scope) {
  button->setDefault(true);
  scope->installEventFilter(new TDefaultButtonFilter(button, scope));
}
