# SPDX-License-Identifier: MIT
"""The main window's shell: the Edit menu, the clipboard and the About dialog."""

import subprocess

import pyatspi

import a11y
from harness import AppCase


class Clipboard(AppCase):
    def clipboard(self):
        reply = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.app.desktop.env,
                               capture_output=True, text=True, timeout=10)
        self.assertEqual(0, reply.returncode, f"xclip: {reply.stderr}")
        return reply.stdout

    def edit_menu(self):
        """Opens the Edit menu with Alt+E and reads its items, then closes it."""
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("alt+e")
            items = a11y.menu_items(popups.next("the Edit menu"))
        self.app.keys("Escape")
        return dict(items)

    def focus_mask_list(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("Subnet Info")
        self.app.focus("alt+b", "Mask Bits")

    def focus_address(self):
        self.app.select_calculator("Subnet")
        field = self.app.find(pyatspi.ROLE_TEXT, "IP Address field 1")
        self.app.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the address to have the focus")

    def focus_table(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("Subnets/Hosts")
        table = self.app.find(pyatspi.ROLE_TABLE, "Subnet and host table")
        self.app.click(table)
        a11y.wait_until(lambda: a11y.has_state(table, pyatspi.STATE_FOCUSED), what="the table to have the focus")

    def focus_number_after_copying(self):
        self.show_bit_swapper()
        self.app.click(self.app.find(pyatspi.ROLE_PUSH_BUTTON, "Copy original value to clipboard"))
        self.app.focus("alt+v", "Original Value")

    def show_bit_swapper(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Bit-Swapper")
        a11y.do_action(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "Hex"), "toggle", "press")

    def test_edit_menu_follows_the_focus(self):
        cases = [
            ("a drop-down list", self.focus_mask_list, {"Copy": False, "Paste": False}),
            ("the address", self.focus_address, {"Copy": True, "Paste": False}),
            ("a table", self.focus_table, {"Copy": True, "Paste": False}),
            ("a number with text on the clipboard", self.focus_number_after_copying, {"Copy": True, "Paste": True}),
        ]
        for focus, setup, expected in cases:
            with self.subTest(focus=focus):
                setup()
                self.assertEqual(expected, self.edit_menu())

    def test_copy_buttons_copy_their_field(self):
        self.show_bit_swapper()
        self.app.focus("alt+v", "Original Value")
        self.app.type("ABCDEF01")
        self.app.keys("Tab")
        for button, text in [("Copy original value to clipboard", "ABCDEF01"),
                             ("Copy byte by byte bit-swapped value to clipboard", "D5B3F780")]:
            with self.subTest(button=button):
                self.app.click(self.app.find(pyatspi.ROLE_PUSH_BUTTON, button))
                self.assertEqual(text, a11y.settle(self.clipboard, text))


class AboutDialog(AppCase):
    CAPTION = "About the Orvane Calculator"

    def open(self):
        """Help, About..., from the keyboard of the main window."""
        self.app.activate(self.app.window)
        self.app.keys("alt+h", "a")
        return self.app.window_named(self.CAPTION)

    def test_one_dialog_with_the_release(self):
        self.app.select_calculator("Latency")  # the Radixer gives Alt+H to its hexadecimal field
        dialog = self.open()
        information = a11y.Finder(dialog).field("Program information")
        self.assertEqual(["Orvane Calculator", "Release 3.01"], a11y.text(information).splitlines()[:2])
        self.app.click(a11y.Finder(dialog).find(pyatspi.ROLE_PUSH_BUTTON, "OK"))
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="OK to close the dialog")

        self.open()
        self.open()
        dialogs = [w for w in a11y.children(self.app.application) if w.name == self.CAPTION]
        self.assertEqual(1, len(dialogs), "About dialogs")
        self.app.click(a11y.Finder(dialogs[0]).find(pyatspi.ROLE_PUSH_BUTTON, "OK"))
        a11y.wait_until(lambda: not a11y.is_showing(dialogs[0]), what="OK to close the dialog")
