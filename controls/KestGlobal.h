#pragma once
// Shared services of the controls: the busy-cursor stack and the character tests.
#include <Qt>
#include <cstddef>

#include "controls/CharTests.h"

// Shows `cursor` until the handle is popped; pushes nest and may be popped in any order.
std::size_t PushScreenCursor(Qt::CursorShape cursor);
// Releases a push; returns the cursor now shown.
Qt::CursorShape PopScreenCursor(std::size_t handle);

// Shows the hourglass for the lifetime of the object, also when an exception passes.
class TBusyCursor {
 public:
  TBusyCursor() : Handle(PushScreenCursor(Qt::WaitCursor)) {}
  ~TBusyCursor() { PopScreenCursor(Handle); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  std::size_t Handle;
};
