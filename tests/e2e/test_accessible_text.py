# SPDX-License-Identifier: MIT
"""Text objects as a screen reader moves through them: words and sentences at
every offset, where each character is drawn, and which fields take typing."""

import pyatspi
from gi.repository import GLib

import a11y
from harness import AppCase

BOUNDARIES = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_WORD_END,
              pyatspi.TEXT_BOUNDARY_SENTENCE_START, pyatspi.TEXT_BOUNDARY_SENTENCE_END,
              pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_LINE_END]

# Each kind of text object: the calculator and page it is on, and its name.
TEXT_OBJECTS = [
    ("a number field", "Radixer", "Base Converter", "Decimal (base 10)"),
    ("a spin edit", "Subnet", "Subnets/Hosts", "From"),
    ("the address control", "Subnet", "Address Info", "IP Address"),
    ("a field of the address control", "Subnet", "Address Info", "IP Address field 1"),
    ("a result box", "Subnet", "Address Info", "Binary"),
    ("the prefix input", "Prefix", "Address", "Address or Prefix"),
    ("a result box of several lines", "Prefix", "Address", "Full Form"),
    ("a word field", "Radixer", "Bits", "Binary"),
    ("a characters box", "Radixer", "Bits", "Characters"),
    ("the split's count", "Prefix", "Split", "Number of Subnets"),
    ("the MAC address field", "Radixer", "MAC", "MAC Address"),
    ("a MAC result box", "Radixer", "MAC", "Vendor"),
    ("a list page's result box", "Prefix", "Sets", "Lines Not Understood"),
    ("a box of zones", "Prefix", "Reverse", "Zones to Delegate"),
]


def answered(what, call):
    """The answer of `call`; the bus gives up on a program that does not answer
    within its time limit, and so does the case."""
    try:
        return call()
    except GLib.GError as error:
        raise AssertionError(f"no answer to {what}: {error}") from None


class AccessibleText(AppCase):
    def show(self, calculator, page):
        self.app.select_calculator(calculator)
        self.app.select_page(page)

    def test_text_units_at_every_offset(self):
        """A screen reader asks for the word at the end of a field when it moves past it."""
        self.show("Subnet", "Address Info")
        self.app.enter_address("172.16.5.4")
        for kind, calculator, page, name in TEXT_OBJECTS:
            with self.subTest(kind):
                self.show(calculator, page)
                text = self.app.field(name).queryText()
                whole = text.getText(0, -1)
                self.assertTrue(whole, f"{name} reads empty")
                for offset in range(-1, len(whole) + 2):
                    for boundary in BOUNDARIES:
                        for side in ("getTextBeforeOffset", "getTextAtOffset", "getTextAfterOffset"):
                            what = f"{side}({offset}, {boundary}) of {name!r} ({whole!r})"
                            unit, start, end = answered(what, lambda: getattr(text, side)(offset, boundary))
                            if offset > len(whole):
                                self.assertEqual(("", -1, -1), (unit, start, end), what)
                                continue
                            self.assertTrue(0 <= start <= end <= len(whole), f"{what} gave {start}..{end}")
                            self.assertEqual(whole[start:end], unit, what)
                            if side == "getTextAtOffset" and boundary == pyatspi.TEXT_BOUNDARY_CHAR \
                                    and 0 <= offset < len(whole):
                                self.assertEqual(whole[offset], unit, what)

    def test_result_boxes_tell_where_each_character_is(self):
        """Flat review finds a result by the characters it shows on the screen."""
        self.show("Subnet", "Address Info")
        self.app.enter_address("192.168.100.1")
        box = self.app.field("Binary")
        x, y, width, height = a11y.extents(box)
        text = box.queryText()
        whole = text.getText(0, -1)
        self.assertEqual("11000000.10101000.01100100.00000001", whole)
        previous_right = x
        for offset in range(len(whole)):
            left, top, w, h = text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
            what = f"character {offset} ({whole[offset]!r}) at {left},{top} {w}x{h} in the box at {x},{y} {width}x{height}"
            self.assertTrue(w > 0 and h > 0, what)
            self.assertTrue(x <= left and left + w <= x + width and y <= top and top + h <= y + height, what)
            self.assertGreaterEqual(left, previous_right, what)
            previous_right = left + w
            self.assertEqual(offset, text.getOffsetAtPoint(left + w // 2, top + h // 2, pyatspi.DESKTOP_COORDS), what)

    def test_boxes_of_lines_tell_where_each_character_is(self):
        """Flat review moves through a box of several lines by the characters it shows."""
        self.show("Prefix", "Reverse")
        self.app.replace_text("Address or Prefix", "2001:db8:abcd:10::/62")  # four zones, wider than the box
        box = self.app.field("Zones to Delegate")
        a11y.wait_until(lambda: a11y.text(box).count("\n") == 3, what="the four zones")
        x, y, width, height = a11y.extents(box)
        text = box.queryText()
        whole = text.getText(0, -1)
        tops = set()
        for offset, character in enumerate(whole):
            left, top, w, h = text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
            what = f"character {offset} ({character!r}) at {left},{top} {w}x{h} in the box at {x},{y} {width}x{height}"
            if w == 0:  # scrolled out of sight
                continue
            self.assertTrue(x <= left and left + w <= x + width and y <= top and top + h <= y + height, what)
            self.assertEqual(offset, text.getOffsetAtPoint(left + w // 2, top + h // 2, pyatspi.DESKTOP_COORDS), what)
            tops.add(top)
        self.assertGreaterEqual(len(tops), 2, f"{whole!r} shows on one line")

    def test_only_fields_that_take_typing_are_editable(self):
        self.show("Subnet", "Address Info")
        expected = {name: True for name in ["IP Address"] + [f"IP Address field {i}" for i in range(1, 5)]}
        expected["Binary"] = False
        for name, editable in expected.items():
            with self.subTest(name):
                field = self.app.field(name)
                self.assertEqual(editable, a11y.has_state(field, pyatspi.STATE_EDITABLE))
                self.assertEqual(not editable, a11y.has_state(field, pyatspi.STATE_READ_ONLY))

    def test_check_and_radio_menu_items_say_whether_checked(self):
        """Each item tells that it can be checked (as a radio button or check box) and whether it is."""
        self.app.select_calculator("Latency")
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("alt+c")
            menu = popups.next("the Calculator menu")
            items = {item.name: (item.getRole(), a11y.has_state(item, pyatspi.STATE_CHECKED))
                     for item in a11y.children(menu)}
        self.app.keys("Escape")
        radio = pyatspi.ROLE_RADIO_BUTTON
        self.assertEqual({"Radixer Calculator": (radio, False), "Orvane Calculator": (radio, False),
                          "Latency Calculator": (radio, True), "Prefix Calculator": (radio, False)}, items)
