// SPDX-License-Identifier: MIT
#pragma once
// Bookkeeping of the nestable busy cursor: handles may be released in any
// order, and the cursor from before the oldest open push comes back only when
// every later push has been released.
#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

template <typename Cursor>
class TCursorStack {
 public:
  // Records that `shown` was on screen before a push; returns the push's handle.
  std::size_t Push(Cursor shown) {
    std::lock_guard lock(Mutex);
    Entries.push_back({true, shown});
    return Entries.size() - 1;
  }

  // Releases a handle. Returns the cursor to show again when this release ends
  // a run of released pushes at the top of the stack, otherwise nothing.
  std::optional<Cursor> Pop(std::size_t handle) {
    std::lock_guard lock(Mutex);
    if (handle >= Entries.size() || !Entries[handle].InUse) return std::nullopt;
    Entries[handle].InUse = false;
    if (handle != Entries.size() - 1) return std::nullopt;
    while (Entries.size() > 1 && !Entries[Entries.size() - 2].InUse) Entries.pop_back();
    Cursor restored = Entries.back().Saved;
    Entries.pop_back();
    return restored;
  }

  std::size_t Count() const {
    std::lock_guard lock(Mutex);
    return Entries.size();
  }

 private:
  struct Entry {
    bool InUse;
    Cursor Saved;
  };
  mutable std::mutex Mutex;
  std::vector<Entry> Entries;
};
