// SPDX-License-Identifier: MIT
#pragma once
// A Radixer calculator as the main window leaves it after start-up.
#include <gtest/gtest.h>

#include <memory>

#include "radix/RadixerCalculator.h"

class RadixerFixture : public testing::Test {
 protected:
  RadixerFixture() { Restart(); }

  // A calculator of its own, as at program start.
  void Restart() {
    Calculator = std::make_unique<TRadixerCalculator>(Loading, nullptr);
    Loading = true;
    Calculator->InitRadixerCalculator();
    Loading = false;
  }

  template <typename T>
  T* Find(const char* name) const {
    T* child = Calculator->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  bool Loading = false;
  std::unique_ptr<TRadixerCalculator> Calculator;
};
