// SPDX-License-Identifier: MIT
#include "controls/CursorStack.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
// A screen that shows one cursor, driven through the stack as the busy cursor does.
class TScreen {
 public:
  void Push(const std::string& name, char cursor) {
    Handles[name] = Stack.Push(Shown);
    Shown = cursor;
  }
  void Pop(const std::string& name) {
    if (auto restored = Stack.Pop(Handles.at(name))) Shown = *restored;
  }

  char Shown = 'a';  // the arrow
  TCursorStack<char> Stack;

 private:
  std::map<std::string, std::size_t> Handles;
};

struct Step {
  bool Push;
  const char* Name;
  char Cursor;    // pushed cursor
  char Expected;  // cursor shown after the step
  std::size_t Count;
};

constexpr char Hourglass = 'h';
constexpr char Cross = 'x';

Step Push(const char* name, char cursor, char expected, std::size_t count) {
  return {true, name, cursor, expected, count};
}
Step Pop(const char* name, char expected, std::size_t count) { return {false, name, 0, expected, count}; }

TEST(CursorStackTest, CursorReturnsWhenEveryLaterPushIsReleased) {
  struct Case {
    const char* Name;
    std::vector<Step> Steps;
  };
  const std::vector<Case> cases = {
      {"one push", {Push("A", Hourglass, Hourglass, 1), Pop("A", 'a', 0)}},
      {"released in order of pushing",
       {Push("A", Hourglass, Hourglass, 1), Push("B", Hourglass, Hourglass, 2), Pop("A", Hourglass, 2),
        Pop("B", 'a', 0)}},
      {"released last first",
       {Push("A", Hourglass, Hourglass, 1), Push("B", Cross, Cross, 2), Pop("B", Hourglass, 1), Pop("A", 'a', 0)}},
      {"middle released first",
       {Push("A", Hourglass, Hourglass, 1), Push("B", Cross, Cross, 2), Push("C", Hourglass, Hourglass, 3),
        Pop("B", Hourglass, 3), Pop("C", Hourglass, 1), Pop("A", 'a', 0)}},
      {"releasing twice changes nothing",
       {Push("A", Hourglass, Hourglass, 1), Push("B", Cross, Cross, 2), Pop("A", Cross, 2), Pop("A", Cross, 2),
        Pop("B", 'a', 0)}},
  };
  for (const auto& c : cases) {
    TScreen screen;
    for (std::size_t i = 0; i < c.Steps.size(); ++i) {
      const Step& step = c.Steps[i];
      if (step.Push)
        screen.Push(step.Name, step.Cursor);
      else
        screen.Pop(step.Name);
      EXPECT_EQ(screen.Shown, step.Expected) << c.Name << ", step " << i;
      EXPECT_EQ(screen.Stack.Count(), step.Count) << c.Name << ", step " << i;
    }
  }
}

TEST(CursorStackTest, UnknownHandleChangesNothing) {
  TCursorStack<char> stack;
  EXPECT_FALSE(stack.Pop(0).has_value());
  const std::size_t handle = stack.Push('a');
  EXPECT_FALSE(stack.Pop(handle + 1).has_value());
  EXPECT_EQ(stack.Count(), 1u);
  EXPECT_EQ(stack.Pop(handle), 'a');
}
}  // namespace
