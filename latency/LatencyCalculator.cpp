#include "latency/LatencyCalculator.h"

TLatencyCalculator::TLatencyCalculator(const bool& loading, QWidget* parent)
    : QWidget(parent), Loading(loading) {
  setObjectName("LatencyCalculator");
}

void TLatencyCalculator::InitLatencyCalculator() {}
