#pragma once
// The Radixer calculator: its page of the main window.
#include <QWidget>

class TRadixerCalculator : public QWidget {
  Q_OBJECT
 public:
  // `loading` is the main window's start-up flag.
  TRadixerCalculator(const bool& loading, QWidget* parent);

  void InitRadixerCalculator();

 private:
  const bool& Loading;
};
