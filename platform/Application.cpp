// SPDX-License-Identifier: MIT
#include "platform/Application.h"

#include <QProxyStyle>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/AccessibleText.h"
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
// The signal handler may only write: a byte on this socket wakes the event
// loop, which runs the handler there.
int SignalSocket[2] = {-1, -1};

void WriteSignalByte(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(SignalSocket[0], &byte, 1);
  errno = saved;
}
}  // namespace

void OnTerminationSignal(std::function<void()> handler) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalSocket) != 0) return;
  auto* notifier = new QSocketNotifier(SignalSocket[1], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, [handler = std::move(handler)] {
    char byte;
    if (::read(SignalSocket[1], &byte, 1) == 1) RunGuarded(handler);
  });
  struct sigaction action {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setStyle(new TCompactTabStyle);
  InstallTextFieldAccessibility();
}

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
