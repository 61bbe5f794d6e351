# SPDX-License-Identifier: MIT
"""Where the program's windows open, and what it keeps when it is told to stop."""

import os

import pyatspi

import a11y
from harness import AppCase


class MessageBoxPlace(AppCase):
    def test_a_message_opens_over_the_middle_of_the_main_window(self):
        self.app.select_calculator("Subnet")
        self.app.click(self.app.find(pyatspi.ROLE_TEXT, "IP Address field 1"), count=2)
        self.app.type("127")
        self.app.keys("Tab")
        box = self.app.window_named("Invalid IP Address")
        bx, by, bw, bh = a11y.extents(box)
        wx, wy, ww, wh = a11y.extents(self.app.window)
        a11y.do_action(a11y.Finder(box).find(pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
        a11y.wait_until(lambda: not a11y.is_showing(box), what="OK to close the message")
        # Centred on the window, but kept whole on the screen: the window sits at its left edge.
        where = f"box at {bx},{by} {bw}x{bh}, window at {wx},{wy} {ww}x{wh}"
        self.assertLessEqual(abs(bx - max(0, wx + ww // 2 - bw // 2)), 8, where)
        self.assertLessEqual(abs(by - max(0, wy + wh // 2 - bh // 2)), 8, where)

class StopBySignal(AppCase):
    def test_sigterm_keeps_a_changed_setting(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("CIDR")
        process = self.app.process
        settings = os.path.join(self.app.desktop.env["XDG_CONFIG_HOME"], "OrvaneCalculator", "registry.reg")
        try:
            self.app.stop()  # SIGTERM, as a session ending or `kill` sends it
            self.assertEqual(0, process.returncode, "the program closes as on File, Exit")
            with open(settings, encoding="utf-8") as file:
                self.assertIn('"ActivePageIndex"="3"', file.read())
        finally:
            self.app.start()
