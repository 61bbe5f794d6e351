# SPDX-License-Identifier: MIT
"""The Radixer's Bits page: a word in every base, pasted, swapped, toggled bit by bit and read as a float."""

import subprocess
import time

import pyatspi

import a11y
from harness import AppCase

BASES = {"Hexadecimal": "alt+h", "Decimal": "alt+d", "Octal": "alt+o", "Binary": "alt+b"}


class Bits(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("Bits")
        self.choose("32", signed=False)

    def choose(self, width, signed):
        a11y.do_action(self.app.find(pyatspi.ROLE_RADIO_BUTTON, width), "toggle", "press")
        box = self.app.find(pyatspi.ROLE_CHECK_BOX, "Signed (two's complement)")
        if a11y.has_state(box, pyatspi.STATE_CHECKED) != signed:
            a11y.do_action(box, "toggle", "press")
        a11y.wait_until(lambda: a11y.has_state(box, pyatspi.STATE_CHECKED) == signed, what="the sign choice")

    def enter(self, name, text, accelerator=None):
        """Replaces the text of the field named `name`, reached by its label's
        accelerator, by typing `text`, and leaves the field."""
        self.app.focus(accelerator or BASES[name], name)
        self.app.keys("ctrl+a")
        if text.startswith("-"):  # xdotool would read it as an option
            self.app.keys("minus")
            text = text[1:]
        self.app.type(text)
        self.app.keys("Tab")

    def test_a_number_typed_in_any_base_shows_in_all_four(self):
        cases = [
            ("Hexadecimal", "abcd", {"Hexadecimal": "00 00 AB CD", "Decimal": "43981", "Octal": "00000125715",
                                     "Binary": "0000 0000 0000 0000 1010 1011 1100 1101"}),
            ("Decimal", "4294967295", {"Hexadecimal": "FF FF FF FF", "Octal": "37777777777"}),
            ("Octal", "0o777", {"Decimal": "511", "Hexadecimal": "00 00 01 FF"}),
            ("Binary", "1010_0101", {"Decimal": "165", "Characters": "...\u00a5"}),
        ]
        for name, typed, expected in cases:
            with self.subTest(field=name, typed=typed):
                self.enter(name, typed)
                self.assertAllRead(expected)
        self.choose("8", signed=True)
        self.enter("Decimal", "-128")
        self.assertAllRead({"Hexadecimal": "80", "Binary": "1000 0000", "Decimal": "-128"})
        self.app.focus("alt+d", "Decimal")
        self.app.keys("ctrl+a")
        self.app.type("128")
        self.assertReads("Decimal error", "Out of range for signed 8 bits: -128 to 127")
        self.app.keys("Tab")
        self.assertReads("Decimal", "-128")

    def test_a_pasted_number_with_prefix_and_separator(self):
        # xclip serves the clipboard until the program has read it; it is ended with the case.
        server = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], env=self.app.desktop.env,
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            server.stdin.write(b"0xDEAD_BEEF")
            server.stdin.close()
            a11y.wait_until(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                                   env=self.app.desktop.env, capture_output=True,
                                                   timeout=5).stdout == b"0xDEAD_BEEF",
                            what="the clipboard to offer the number")
            self.app.focus("alt+h", "Hexadecimal")
            self.app.keys("ctrl+a", "ctrl+v", "Tab")
            self.assertAllRead({"Hexadecimal": "DE AD BE EF", "Decimal": "3735928559",
                                "Characters": "\u00de.\u00be\u00ef"})
        finally:
            server.terminate()
            server.wait(timeout=5)

    def test_byte_swap_and_counts(self):
        self.enter("Hexadecimal", "12345678")
        a11y.do_action(self.app.find(pyatspi.ROLE_PUSH_BUTTON, "Byte swap"), "press")
        self.assertAllRead({"Hexadecimal": "78 56 34 12", "Counts": "13 set, 1 leading zeros, 1 trailing zeros"})

    def test_a_bit_toggled_from_the_keyboard(self):
        self.enter("Hexadecimal", "1")
        top = self.app.find(pyatspi.ROLE_CHECK_BOX, "bit 31")
        self.app.keys("alt+t")
        a11y.wait_until(lambda: a11y.has_state(top, pyatspi.STATE_FOCUSED), what="bit 31 to have the focus")
        self.app.keys("space", "Right", "Return")
        self.assertAllRead({"Hexadecimal": "C0 00 00 01"})
        self.assertTrue(a11y.has_state(top, pyatspi.STATE_CHECKED), "bit 31 reads as set")
        self.assertFalse(a11y.has_state(self.app.find(pyatspi.ROLE_CHECK_BOX, "bit 29"), pyatspi.STATE_CHECKED))

    def test_a_float_typed_and_its_bits_read(self):
        self.enter("Decimal number", "-1.5", accelerator="alt+m")
        self.assertAllRead({"Hexadecimal": "BF C0 00 00", "Sign": "1 (negative)", "Exponent": "127 raw, 0 unbiased",
                            "Kind": "normal", "Exact value": "-1.5"})
        self.choose("64", signed=False)
        self.enter("Decimal number", "0.1", accelerator="alt+m")
        self.assertAllRead({"Hexadecimal": "3F B9 99 99 99 99 99 9A", "Shortest value": "0.1",
                            "Exact value": "0.1000000000000000055511151231257827021181583404541015625"})
        self.assertReads("Rounding", "Inexact: rounded to the nearest, ties to even")
