# SPDX-License-Identifier: MIT
"""What a keyboard and screen reader user meets around the calculators: where the
focus goes, what the bus says is visible, the tables' headings and notices, the
Alt chords and the radio groups' keys."""

import pyatspi
from gi.repository import Atspi, GLib

import a11y
from harness import AppCase

DECORATIONS = {"Click to change to the Radixer Calculator", "Click to change to the Orvane Calculator",
               "Click to change to the Latency Calculator", "Kest Group's website"}


def focus_of(case):
    return a11y.wait_until(lambda: a11y.focused(case.app.window), what="an object with the focus")


class CalculatorFocus(AppCase):
    # Each calculator's first field, with its page shown: role and name.
    FIRST_FIELDS = {
        "Radixer": ("Base Converter", pyatspi.ROLE_RADIO_BUTTON, "32 Bits"),
        "Latency": ("Network Setup", pyatspi.ROLE_PUSH_BUTTON, "Client (64 B pkt.)"),
        "Subnet": ("Address Info", pyatspi.ROLE_TEXT, "IP Address"),
    }

    def assertFocusOn(self, role, name):
        read = a11y.settle(lambda: (lambda f: f and (f.getRole(), f.name))(a11y.focused(self.app.window)),
                           (role, name))
        self.assertEqual((role, name), read)

    def test_start_and_each_switch_focus_the_first_field(self):
        self.app.restart()
        self.assertFocusOn(pyatspi.ROLE_TEXT, "IP Address")
        for calculator, (page, role, name) in self.FIRST_FIELDS.items():
            with self.subTest(calculator=calculator):
                self.app.select_calculator(calculator)
                self.app.select_page(page)
                self.app.select_calculator("Subnet" if calculator != "Subnet" else "Radixer")
                self.app.select_calculator(calculator)
                self.assertFocusOn(role, name)

    def test_tab_passes_no_decoration(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("Address Info")
        start = focus_of(self)
        met = []
        with a11y.Events(self.app.application, "object:state-changed:focused") as focus:
            for _ in range(30):
                self.app.keys("Tab")
                now = a11y.wait_until(lambda: (lambda f: f if f and f not in met[-1:] else None)(
                    a11y.focused(self.app.window)), what="Tab to move the focus")
                met.append(now)
                if now == start:
                    break
        self.assertEqual(start, met[-1], "Tab comes round to where it started")
        self.assertEqual(set(), {obj.name for obj in met} & DECORATIONS)
        self.assertTrue(focus.heard("IP Address"), "the focus moves are announced")


class CachedStates:
    """States read as a screen reader reads them: cached, and kept up to date
    only by the program's state-change events."""

    def __init__(self, app):
        self.app = app

    def __enter__(self):
        self.events = a11y.Events(self.app.application, "object:state-changed").__enter__()
        self.app.application.set_cache_mask(Atspi.Cache.STATES)
        return self

    def __exit__(self, *exc):
        self.app.application.set_cache_mask(Atspi.Cache.NONE)
        self.events.__exit__(*exc)

    def visible_and_showing(self, obj):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return (a11y.has_state(obj, pyatspi.STATE_VISIBLE), a11y.has_state(obj, pyatspi.STATE_SHOWING))


class VisibleStates(AppCase):
    def test_shown_calculator_is_visible_and_showing(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Converter")
        self.app.select_calculator("Subnet")
        radixer = self.app.finder.find(name="Decimal (base 10)", where=a11y.is_field, showing=False)
        subnet = self.app.field("IP Address")
        with CachedStates(self.app) as states:
            self.assertEqual((False, False), states.visible_and_showing(radixer))
            self.assertEqual((True, True), states.visible_and_showing(subnet))
            self.app.keys("ctrl+h")
            for obj, expected in [(radixer, (True, True)), (subnet, (False, False))]:
                with self.subTest(obj=obj.name):
                    self.assertEqual(expected, a11y.settle(lambda: states.visible_and_showing(obj), expected))


class TableHeadings(AppCase):
    TABLES = [
        ("Subnet", "Subnets/Hosts", "Subnet and host table", ["#", "Subnet ID", "Host Range", "Subnet Broadcast"]),
        ("Radixer", "Base Lookup", "Base lookup table", ["Decimal", "Hexadecimal", "Binary", "Octal"]),
        ("Latency", "Latency Statistics", "Latency statistics table", ["Network Element", "Delay (sec)", "Percent"]),
        ("Prefix", "Plan", "Host plan table", ["Name", "Hosts", "Prefix", "First", "Last", "Usable", "Wasted"]),
        ("Radixer", "MAC", "Vendor table", ["Block", "Addresses", "Registry", "Organization"]),
    ]

    def test_column_headers_are_read_over_the_bus(self):
        for calculator, page, name, headings in self.TABLES:
            with self.subTest(table=name):
                self.app.select_calculator(calculator)
                self.app.select_page(page)
                table = self.app.find(pyatspi.ROLE_TABLE, name).queryTable()
                self.assertEqual(headings, [table.getColumnHeader(c).name for c in range(table.nColumns)])
                self.assertEqual(headings, [table.getColumnDescription(c) for c in range(table.nColumns)])

    def test_selection_and_refill_are_announced(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.app.replace_text("To", "20")
        self.app.replace_text("From", "10")
        table = self.app.find(pyatspi.ROLE_TABLE, "Base lookup table")
        cell = table.queryTable().getAccessibleAt(3, 1)
        with a11y.Events(self.app.application, "object:selection-changed") as selection:
            self.app.click(cell)
            self.assertTrue(selection.heard("Base lookup table"), "a click on a cell changes the selection")
        self.app.focus("alt+t", "To")
        with a11y.Events(self.app.application, "object:model-changed") as refill:
            self.app.keys("Up")
            self.assertTrue(refill.heard("Base lookup table"), "a refill is announced")
        self.assertReads("To", "21")


class AltChords(AppCase):
    # A chord that a field of the page shown shares with a menu goes to the field, every time.
    FIELDS = [
        ("Radixer", "Base Lookup", "alt+f", "From"),
        ("Radixer", "Base Converter", "alt+h", "Hexadecimal (base 16)"),
        ("Radixer", "OUI Finder", "alt+o", "OUI"),
        ("Subnet", "Subnets/Hosts", "alt+f", "From"),
    ]

    def test_a_field_chord_stays_with_the_field(self):
        for calculator, page, chord, field in self.FIELDS:
            with self.subTest(chord=chord, field=field):
                self.app.select_calculator(calculator)
                self.app.select_page(page)
                with a11y.PopupMenus(self.app.application) as popups:
                    for _ in range(2):
                        self.app.click(self.app.find(pyatspi.ROLE_PAGE_TAB, page))
                        self.app.focus(chord, field)
                    with self.assertRaises(AssertionError, msg=f"{chord} opened a menu"):
                        popups.next("a menu", timeout=1)

    def test_a_chord_no_field_claims_opens_its_menu(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("Address Info")
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("alt+f")
            items = a11y.menu_items(popups.next("the File menu"))
        self.app.keys("Escape")
        self.assertEqual([("Save Table As...", False), ("Exit", True)], items)


class RadioGroupKeys(AppCase):
    def test_tab_lands_on_the_choice_and_arrows_move_it(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Converter")
        a11y.do_action(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "16 Bits"), "toggle", "press")
        self.app.focus("alt+d", "Decimal (base 10)")
        self.app.keys("shift+Tab")
        steps = [(None, "16 Bits"), ("Down", "32 Bits"), ("Up", "16 Bits"), ("Left", "8 Bits"), ("Right", "16 Bits")]
        for key, expected in steps:
            with self.subTest(key=key):
                if key:
                    self.app.keys(key)
                button = self.app.find(pyatspi.ROLE_RADIO_BUTTON, expected)
                a11y.wait_until(lambda: a11y.has_state(button, pyatspi.STATE_FOCUSED)
                                and a11y.has_state(button, pyatspi.STATE_CHECKED),
                                what=f"{expected!r} to be chosen and focused")
