// SPDX-License-Identifier: MIT
#pragma once
// A latency calculator with its sample chain, built as the main window builds it.
#include <QAction>
#include <gtest/gtest.h>

#include <memory>

#include "latency/LatencyCalculator.h"

class TLatencyFixture : public testing::Test {
 protected:
  void SetUp() override {
    Calculator = std::make_unique<TLatencyCalculator>(Loading, &EditCopyItem, nullptr);
    Loading = true;
    Calculator->InitLatencyCalculator();
    Loading = false;
  }

  bool Loading = false;
  QAction EditCopyItem{"&Copy"};
  std::unique_ptr<TLatencyCalculator> Calculator;
};
