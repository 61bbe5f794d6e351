// SPDX-License-Identifier: MIT
#pragma once
// The error handler: an exception thrown by a handler is shown in an error box
// and the program goes on. It is caught where the program's code is entered from
// Qt's (a slot, a control raising its event), never across Qt's own frames: Qt
// is built without exception support, and unwinding its frames leaks what they hold.
#include <QApplication>
#include <concepts>
#include <exception>
#include <functional>
#include <utility>

// The last resort for an exception that no guard caught lower down: shown, and
// the program goes on.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `handler` on the event loop after SIGTERM, SIGINT or SIGHUP (a session
// ending, Ctrl+C, kill), instead of ending the process on the spot. Call once,
// after the application object exists.
void OnTerminationSignal(std::function<void()> handler);

// Shows the message of the exception in flight (call only inside a catch block).
void ShowCurrentException();

// Runs `action`; an exception it throws is shown in an error box instead of
// propagating. Returns false when one was thrown.
bool RunGuarded(const std::function<void()>& action);

// `handler` as a slot for QObject::connect, run as RunGuarded runs an action. It
// takes as many of the signal's arguments as the handler does.
template <typename Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)]<typename... Args>(Args&&... args) -> void
    requires std::invocable<const Handler&, Args...>
  { RunGuarded([&] { handler(std::forward<Args>(args)...); }); };
}
