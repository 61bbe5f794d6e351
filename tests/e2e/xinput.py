# SPDX-License-Identifier: MIT
"""Real key presses and mouse clicks on the private display, through xdotool.

Keys go to the window that has the keyboard focus, as a user's keys do; the
names are xdotool's (X keysym names): "Tab", "alt+i", "ctrl+h", "period".
Nothing else presses keys on this display, so no modifiers are cleared first:
clearing them races with the release of the previous chord and can leave Alt
held down.
"""

import subprocess
import time

# The delay between typed characters, in milliseconds: short, but long enough
# for the program to take each key as a separate press.
TYPE_DELAY_MS = 12


class Input:
    def __init__(self, env):
        self.env = env

    def _run(self, *args):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=30)
        if result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def key(self, *keys):
        """Presses and releases each key or chord in turn."""
        self._run("key", "--delay", str(TYPE_DELAY_MS), *keys)

    def type(self, text):
        """Types `text` character by character."""
        self._run("type", "--delay", str(TYPE_DELAY_MS), text)

    def click(self, x, y, count=1, button=1):
        # No --sync: it waits for a motion event, which never comes when the pointer is already there.
        self._run("mousemove", str(x), str(y), "click", "--repeat", str(count), str(button))

    def move(self, x, y):
        self._run("mousemove", str(x), str(y))

    def focus_window_named(self, pid, name, timeout=5.0):
        """Gives the keyboard focus to the visible window of process `pid` titled
        `name`, waiting for the title to reach the display."""
        deadline = time.monotonic() + timeout
        while True:
            windows = self._run("search", "--onlyvisible", "--pid", str(pid), "").split()
            # Qt adds the program's name to a title that lacks it.
            named = [window for window in windows
                     if self._run("getwindowname", window).rstrip("\n") in (name, f"{name} \u2014 Orvane Calculator")]
            if named:
                self._run("windowfocus", "--sync", named[-1])
                return
            if time.monotonic() > deadline:
                raise RuntimeError(f"no visible window titled {name!r} after {timeout:.0f} s")
            time.sleep(0.05)

    def focus_window_of(self, pid):
        """Gives the keyboard focus to the visible top-level window of process `pid`
        (there is no window manager to do it on a click)."""
        windows = self._run("search", "--sync", "--onlyvisible", "--pid", str(pid), "").split()
        self._run("windowfocus", "--sync", windows[-1])
