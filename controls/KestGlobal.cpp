#include "controls/KestGlobal.h"

#include "controls/CursorStack.h"
#include "platform/Shell.h"

namespace {
TCursorStack<Qt::CursorShape>& CursorStack() {
  static TCursorStack<Qt::CursorShape> stack;
  return stack;
}
}  // namespace

std::size_t PushScreenCursor(Qt::CursorShape cursor) {
  std::size_t handle = CursorStack().Push(ScreenCursor());
  SetScreenCursor(cursor);
  return handle;
}

Qt::CursorShape PopScreenCursor(std::size_t handle) {
  if (auto restored = CursorStack().Pop(handle)) SetScreenCursor(*restored);
  return ScreenCursor();
}
