#pragma once
// The application object and the error handler behind it: no exception thrown
// by a handler ever crosses a Qt frame; each one is shown in an error box.
#include <QApplication>
#include <exception>
#include <functional>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message of the exception in flight (call only inside a catch block).
void ShowCurrentException();

// Runs `action`; an exception it throws is shown in an error box instead of
// propagating. Returns false when one was thrown.
bool RunGuarded(const std::function<void()>& action);
