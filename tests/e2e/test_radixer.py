"""The Radixer's base converter: one number in four bases, at three widths."""

import pyatspi

import a11y
from harness import AppCase

BASES = ["Decimal (base 10)", "Hexadecimal (base 16)", "Binary (base 2)", "Octal (base 8)"]
# The accelerators of the fields' labels.
ACCELERATORS = dict(zip(BASES, ["alt+d", "alt+h", "alt+b", "alt+o"]))


def shown(decimal, hexadecimal, binary, octal):
    return dict(zip(BASES, [decimal, hexadecimal, binary, octal]))


class BaseConverter(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Converter")

    def choose_width(self, width):
        a11y.do_action(self.app.find(pyatspi.ROLE_RADIO_BUTTON, width), "toggle", "press")

    def enter(self, base, digits):
        """Replaces the number in the field of `base`, reached by its label's
        accelerator, by `digits` and leaves the field."""
        self.app.focus(ACCELERATORS[base], base)
        self.app.type(digits)
        self.app.keys("Tab")

    def test_a_number_typed_in_any_base_shows_in_all_four(self):
        self.choose_width("32 Bits")
        cases = [
            ("Decimal (base 10)", "3966",
             shown("3966", "00000F7E", "00000000000000000000111101111110", "00000007576")),
            ("Hexadecimal (base 16)", "ABCD",
             shown("43981", "0000ABCD", "00000000000000001010101111001101", "00000125715")),
            ("Binary (base 2)", "101010",
             shown("42", "0000002A", "00000000000000000000000000101010", "00000000052")),
            ("Octal (base 8)", "777",
             shown("511", "000001FF", "00000000000000000000000111111111", "00000000777")),
        ]
        for base, digits, expected in cases:
            with self.subTest(base=base, typed=digits):
                self.enter(base, digits)
                self.assertAllRead(expected)

    def test_the_width_chosen_through_its_action_narrows_the_number(self):
        cases = [
            ("8 Bits", shown("126", "7E", "01111110", "176")),
            ("16 Bits", shown("3966", "0F7E", "0000111101111110", "007576")),
            ("32 Bits", shown("1438715774", "55C10F7E", "01010101110000010000111101111110", "12560207576")),
        ]
        for width, expected in cases:
            with self.subTest(width=width):
                self.choose_width("32 Bits")
                self.enter("Decimal (base 10)", "1438715774")
                self.choose_width(width)
                self.assertAllRead(expected)
