#pragma once
// The latency calculator: its page of the main window.
#include <QWidget>

class TLatencyCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag.
  TLatencyCalculator(const bool& loading, QWidget* parent);

  void InitLatencyCalculator();

 private:
  const bool& Loading;
};
