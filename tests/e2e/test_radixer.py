# SPDX-License-Identifier: MIT
"""The Radixer: the base converter, the lookup table, the bit swapper and the OUI finder."""

import os

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


LOOKUP_HEADINGS = ["Decimal", "Hexadecimal", "Binary", "Octal"]


class BaseLookup(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.table = self.app.find(pyatspi.ROLE_TABLE, "Base lookup table")

    def set_range(self, first, last):
        """Types the range into To first, so that From never passes it on the way."""
        self.app.replace_text("To", str(last))
        self.app.replace_text("From", str(first))
        self.assertAllRead({"From": str(first), "To": str(last)})

    def assertRows(self, count, rows):
        """The table has `count` rows below its headings; `rows` maps row numbers to their cells."""
        read = a11y.settle(lambda: a11y.table_row_count(self.table), count + 1)
        self.assertEqual(count + 1, read, "rows of the lookup table, headings included")
        self.assertEqual(list(rows.values()), a11y.table_rows(self.table, list(rows)))

    def test_a_range_across_the_widths(self):
        self.set_range(250, 260)
        self.assertRows(11, {
            0: LOOKUP_HEADINGS,
            1: ["250", "FA", "11111010", "372"],
            6: ["255", "FF", "11111111", "377"],
            7: ["256", "0100", "0000000100000000", "000400"],
            11: ["260", "0104", "0000000100000100", "000404"],
        })

    def test_a_large_range_asks_first(self):
        self.set_range(0, 15000)
        last = ["15000", "3A98", "0011101010011000", "035230"]
        self.assertRows(15001, {-1: last})
        self.assertEqual([], self.app.close_other_windows(), "15001 rows are shown without a question")

        self.app.focus("alt+t", "To")
        self.app.keys("Up")
        question = self.app.window_named("Are you sure?")
        a11y.do_action(a11y.Finder(question).find(pyatspi.ROLE_PUSH_BUTTON, "No"), "press", "click")
        a11y.wait_until(lambda: not a11y.is_showing(question), what="the question to close")
        self.assertAllRead({"From": "0", "To": "15000"})
        self.assertRows(15001, {1: ["0", "0", "0000", "00"], -1: last})


class BitSwapper(AppCase):
    FIELDS = ["Original Value", "Bit-swapped Value (Byte by Byte)", "Bit-swapped value (LSB <-> MSB)"]
    # The base chosen, the value typed, and the three values shown.
    TYPED = [
        ("Hex", "12345678", ["12345678", "482C6A1E", "1E6A2C48"]),
        ("Dec", "1", ["1", "128", "2147483648"]),
        ("Bin", "10000000", ["00000000000000000000000010000000", "00000000000000000000000000000001",
                             "00000001000000000000000000000000"]),
        ("Oct", "77777777777", ["77777777777", "37777777777", "37777777777"]),
    ]

    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("Bit-Swapper")

    def test_a_value_typed_in_each_base(self):
        for base, typed, expected in self.TYPED:
            with self.subTest(base=base, typed=typed):
                a11y.do_action(self.app.find(pyatspi.ROLE_RADIO_BUTTON, base), "toggle", "press")
                self.app.focus("alt+v", "Original Value")
                self.app.type(typed)
                self.app.keys("Tab")
                self.assertAllRead(dict(zip(self.FIELDS, expected)))


class OUIFinder(AppCase):
    BOXES = ["Abreviation", "Organization", "Bit-swapped OUI (Ethernet <-> Token Ring/FDDI)",
             "Bit-swapped OUI Abreviation", "Bit-swapped OUI Organization"]
    # Sorted by OUI, with Windows line ends; an organization keeps its trailing spaces.
    LIST = ("00000C Cisco  CISCO SYSTEMS, INC.\r\n"
            "0000AA Xerox  XEROX CORPORATION\r\n"
            "08005A IBM    IBM CORPORATION  \r\n"
            "10005A IbmTR  IBM TOKEN-RING\r\n")
    NO_MATCH = "No matching OUI found."
    # The OUI searched, how the search is started, and the five boxes after it.
    SEARCHES = [
        ("08005A", "Return", ["IBM", "IBM CORPORATION  ", "10005A", "IbmTR", "IBM TOKEN-RING"]),
        ("00000C", "alt+s", ["Cisco", "CISCO SYSTEMS, INC.", "000030", NO_MATCH, NO_MATCH]),
        ("FFFFFF", "Return", [NO_MATCH, NO_MATCH, "FFFFFF", NO_MATCH, NO_MATCH]),
    ]

    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("OUI Finder")
        self.path = os.path.join(self.app.desktop.workdir, "OUI.txt")

    def search(self, oui, start):
        # Clicked: Alt+O is the disabled Options menu's as well, and every other press goes there.
        field = self.app.field("OUI")
        self.app.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the OUI field to have the focus")
        self.app.keys("ctrl+a")
        self.app.type(oui)
        self.app.keys(start)

    def test_search_without_and_with_the_list(self):
        self.assertFalse(os.path.exists(self.path))
        # Without OUI.txt the finder reads the vendor registry installed with the program.
        self.search("08005A", "Return")
        self.assertAllRead(dict(zip(self.BOXES, ["Ibm", "IBM Corp", "10005A", "Ibm", "IBM Corp"])))

        with open(self.path, "w", newline="") as oui_list:
            oui_list.write(self.LIST)
        for oui, start, expected in self.SEARCHES:
            with self.subTest(oui=oui, start=start):
                self.search(oui, start)
                self.assertAllRead(dict(zip(self.BOXES, expected)))
