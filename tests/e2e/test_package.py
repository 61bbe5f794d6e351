# SPDX-License-Identifier: MIT
"""What a user learns of the program's licence."""

import pyatspi

import a11y
from harness import AppCase


class LicenceNotice(AppCase):
    def test_about_box_names_the_licence(self):
        self.app.select_calculator("Latency")  # the Radixer gives Alt+H to its hexadecimal field
        self.app.activate(self.app.window)
        self.app.keys("alt+h", "a")
        dialog = self.app.window_named("About the Orvane Calculator")
        notice = a11y.text(a11y.Finder(dialog).field("Distribution notice"))
        self.assertIn("released under the MIT licence", notice)
        self.assertIn("change it and give changed copies away", notice)
        self.app.click(a11y.Finder(dialog).find(pyatspi.ROLE_PUSH_BUTTON, "OK"))
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="OK to close the dialog")
