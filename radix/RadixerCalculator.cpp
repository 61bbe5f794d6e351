#include "radix/RadixerCalculator.h"

TRadixerCalculator::TRadixerCalculator(const bool& loading, QWidget* parent)
    : QWidget(parent), Loading(loading) {
  setObjectName("RadixerCalculator");
}

void TRadixerCalculator::InitRadixerCalculator() {}
