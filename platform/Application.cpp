// SPDX-License-Identifier: MIT
#include "platform/Application.h"

#include <QProxyStyle>

#include "platform/Dialogs.h"

namespace {
// The desktop's style with narrower page tabs, so that every page control's
// captions fit the window's small minimum width.
class TCompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) { setStyle(new TCompactTabStyle); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void ShowCurrentException() {
  QString text;
  try {
    throw;
  } catch (const std::exception& e) {
    text = QString::fromLocal8Bit(e.what());
  } catch (...) {
    text = QStringLiteral("An unexpected error occurred.");
  }
  MessageBox(text, QApplication::applicationDisplayName(), MB_OK | MB_ICONHAND);
}

bool RunGuarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (...) {
    ShowCurrentException();
    return false;
  }
}
