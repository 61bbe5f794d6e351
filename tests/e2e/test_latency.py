# SPDX-License-Identifier: MIT
"""The latency calculator: the sample chain it starts with, arranged, edited and read back."""

import pyatspi

import a11y
from harness import AppCase

HEADINGS = ["Network Element", "Delay (sec)", "Percent"]
ELEMENTS = [
    "Client (64 B pkt.)",
    "Ethernet (10 Mbps)",
    "FDDI (100 Mbps)",
    "Frame Relay (1.544 Mbps, 5 ms prop. delay)",
    "Token Ring (16 Mbps)",
    "Server (1024 B pkt., 1 ms proc. time)",
    "Totals:",
]

# Per direction: each element's delay and share, then the totals row.
DIRECTIONS = {
    "Clt -> Svr": [("0.0000000", "0.0%"), ("0.0000672", "1.2%"), ("0.0000051", "0.1%"), ("0.0053316", "98.1%"),
                   ("0.0000320", "0.6%"), ("0.0000000", "0.0%"), ("0.0054359", "100.0%")],
    "Clt <- Svr": [("0.0000000", "0.0%"), ("0.0008352", "6.6%"), ("0.0000819", "0.6%"), ("0.0103057", "80.9%"),
                   ("0.0005120", "4.0%"), ("0.0010000", "7.9%"), ("0.0127348", "100.0%")],
    "Clt <-> Svr": [("0.0000000", "0.0%"), ("0.0009024", "6.9%"), ("0.0000870", "0.7%"), ("0.0106373", "80.8%"),
                    ("0.0005440", "4.1%"), ("0.0010000", "7.6%"), ("0.0131707", "100.0%")],
}


class LatencyStatistics(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Latency")
        self.app.select_page("Latency Statistics")

    def test_sample_chain_in_each_direction(self):
        table = self.app.find(pyatspi.ROLE_TABLE)
        for direction, figures in DIRECTIONS.items():
            with self.subTest(direction=direction):
                self.app.click(self.app.find(pyatspi.ROLE_RADIO_BUTTON, direction))
                expected = [HEADINGS] + [[element, *row] for element, row in zip(ELEMENTS, figures)]
                self.assertEqual(expected, a11y.settle(lambda: a11y.table_cells(table), expected))


def element_rows(table):
    """The first column of the statistics table between the headings and the totals."""
    return [row[0] for row in a11y.table_cells(table)[1:-1]]


class SetupPage(AppCase):
    """The Network Setup page, with its elements found and selected by name."""

    def setUp(self):
        super().setUp()
        self.app.select_calculator("Latency")
        self.app.select_page("Network Setup")

    def element(self, name):
        return self.app.find(pyatspi.ROLE_PUSH_BUTTON, name)

    def select(self, name):
        element = self.element(name)
        self.app.click(element)
        a11y.wait_until(lambda: a11y.has_state(element, pyatspi.STATE_FOCUSED), what=f"{name!r} to have the focus")
        return element


class NetworkSetup(SetupPage):

    def movable(self):
        return {name: a11y.has_state(self.element(name), pyatspi.STATE_ENABLED) for name in ["<<", ">>"]}

    def statistics(self):
        """The elements as the statistics table lists them; leaves the Network Setup page shown."""
        self.app.select_page("Latency Statistics")
        table = self.app.find(pyatspi.ROLE_TABLE, "Latency statistics table")
        rows = element_rows(table)
        self.app.select_page("Network Setup")
        return rows

    def test_moving_a_network_right_and_back(self):
        ethernet = self.select("Ethernet (10 Mbps)")
        fddi = self.element("FDDI (100 Mbps)")
        self.assertEqual({"<<": False, ">>": True}, self.movable())
        places = a11y.extents(ethernet), a11y.extents(fddi)

        self.app.keys("ctrl+Right")
        a11y.wait_until(lambda: (a11y.extents(fddi), a11y.extents(ethernet)) == places, what="the two to swap places")
        self.assertEqual({"<<": True, ">>": True}, self.movable())
        self.assertEqual([ELEMENTS[0], ELEMENTS[2], ELEMENTS[1], *ELEMENTS[3:6]], self.statistics())

        self.select("Ethernet (10 Mbps)")
        self.app.click(self.element("<<"))
        a11y.wait_until(lambda: (a11y.extents(ethernet), a11y.extents(fddi)) == places, what="the two to swap back")
        self.assertEqual(ELEMENTS[:6], self.statistics())

    def panel_menu(self, popups):
        """Opens the network setup's own menu with a right click on the panel, clear of the elements."""
        x, y, width, _ = a11y.extents(self.app.find(name="Network setup"))
        self.app.input.click(x + width // 2, y + 20, button=3)
        return popups.next("the network setup's menu")

    def test_inserting_and_removing_networks_from_the_keyboard(self):
        self.addCleanup(self.app.keys, "Escape", "Escape")  # menus left open by a failure
        self.select("Token Ring (16 Mbps)")
        self.app.keys("Insert", "Insert")
        panel = self.app.find(name="Network setup")
        unknown = "<Unknown Topology>"
        a11y.wait_until(lambda: len(a11y.find_all(panel, pyatspi.ROLE_PUSH_BUTTON, unknown)) == 2,
                        what="two new networks")
        expected = [*ELEMENTS[:4], unknown, unknown, *ELEMENTS[4:6]]
        self.assertEqual(expected, self.statistics())

        with a11y.PopupMenus(self.app.application) as popups:
            self.assertEqual([("Insert Network", True), ("Remove Network", True)],
                             a11y.menu_items(self.panel_menu(popups)))
            self.app.keys("r")
            entries = popups.next("the Remove submenu")
            self.assertEqual([(f"{number}.  {name}", True) for number, name in enumerate(expected[1:-1], 1)],
                             a11y.menu_items(entries))
            # Opened from the keyboard, the submenu starts on its first entry.
            self.app.keys("Down", "Down", "Down", "Return")
            a11y.wait_until(lambda: len(a11y.find_all(panel, pyatspi.ROLE_PUSH_BUTTON, unknown)) == 1,
                            what="the fourth network to be removed")

            self.select(unknown)
            self.app.keys("shift+F10")
            self.assertEqual([("Properties...", True), ("Remove", True)],
                             a11y.menu_items(popups.next("the element's menu")))
            self.app.keys("Up", "Return")
        a11y.wait_until(lambda: not a11y.find_all(panel, pyatspi.ROLE_PUSH_BUTTON, unknown),
                        what="the new network to be removed")
        self.assertEqual(ELEMENTS[:6], self.statistics())


class NetworkProperties(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Latency")
        self.app.select_page("Network Setup")

    def open_for(self, name):
        """Opens the properties of the element named `name` from its menu, through the keyboard."""
        element = self.app.find(pyatspi.ROLE_PUSH_BUTTON, name)
        self.app.click(element)
        a11y.wait_until(lambda: a11y.has_state(element, pyatspi.STATE_FOCUSED), what=f"{name!r} to have the focus")
        self.app.keys("shift+F10", "Down", "Return")
        dialog = self.app.window_named(name.split(" (")[0] + " Properties")
        self.app.activate(dialog)
        return dialog, a11y.Finder(dialog)

    def type_bandwidth(self, dialog, typed, button):
        """Types over the bandwidth and presses the button by its accelerator."""
        self.app.activate(dialog)
        self.app.keys("alt+b")
        self.app.type(typed)
        self.app.keys(button)

    def restore_ethernet(self):
        dialog, _ = self.open_for("Ethernet (100 Mbps)")
        self.type_bandwidth(dialog, "10", "alt+o")
        self.app.find(pyatspi.ROLE_PUSH_BUTTON, "Ethernet (10 Mbps)")

    def test_a_bandwidth_applied_to_ethernet(self):
        dialog, fields = self.open_for("Ethernet (10 Mbps)")
        controls = {label.name: a11y.labelled_by(label) for label in fields.find_all(pyatspi.ROLE_LABEL)}
        self.assertEqual({"Topology": ("Topology", "Ethernet", True), "Bandwidth (Mbps)": ("Bandwidth (Mbps)", "10", True),
                          "Propagation Delay (ms)": ("Propagation Delay (ms)", "0", False),
                          "Preset": ("Preset", "", True), "Medium": ("Medium", "Fibre", False),
                          "Distance (km)": ("Distance (km)", "0", False)},
                         {label: (control.name, a11y.text(control), a11y.has_state(control, pyatspi.STATE_ENABLED))
                          for label, control in controls.items()})

        self.type_bandwidth(dialog, "1x00", "alt+a")  # the letter is not taken
        self.app.find(pyatspi.ROLE_PUSH_BUTTON, "Ethernet (100 Mbps)")
        self.addCleanup(self.restore_ethernet)
        self.assertTrue(a11y.is_showing(dialog), "Apply leaves the dialog open")
        self.app.keys("alt+o")
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="OK to close the dialog")

        self.app.select_page("Latency Statistics")
        self.app.click(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "Clt -> Svr"))
        table = self.app.find(pyatspi.ROLE_TABLE, "Latency statistics table")
        expected = [HEADINGS, ["Client (64 B pkt.)", "0.0000000", "0.0%"], ["Ethernet (100 Mbps)", "0.0000067", "0.1%"],
                    ["FDDI (100 Mbps)", "0.0000051", "0.1%"], [ELEMENTS[3], "0.0053316", "99.2%"],
                    ["Token Ring (16 Mbps)", "0.0000320", "0.6%"], [ELEMENTS[5], "0.0000000", "0.0%"],
                    ["Totals:", "0.0053754", "100.0%"]]
        self.assertEqual(expected, a11y.settle(lambda: a11y.table_cells(table), expected))
        self.app.select_page("Network Setup")


class LatencyGraphs(AppCase):
    COLOURS = ["red", "yellow", "lime", "blue", "purple", "black"]
    # Per bar, the stripes a screen reader meets: an element whose share is 0 has no height and is not read.
    BARS = {
        "C->S": [(1, "1.2%"), (2, "0.1%"), (3, "98.1%"), (4, "0.6%")],
        "C<-S": [(1, "6.6%"), (2, "0.6%"), (3, "80.9%"), (4, "4.0%"), (5, "7.9%")],
        "C<->S": [(1, "6.9%"), (2, "0.7%"), (3, "80.8%"), (4, "4.1%"), (5, "7.6%")],
    }

    def setUp(self):
        super().setUp()
        self.app.select_calculator("Latency")
        self.app.select_page("Latency Graphs")

    def test_legend_and_bars_of_the_sample_chain(self):
        legend = self.app.find(name="Legend")
        rows = [(label.name, label.description) for label in a11y.find_all(legend, pyatspi.ROLE_LABEL)]
        self.assertEqual(list(zip(ELEMENTS[:6], self.COLOURS)), rows)
        for bar, stripes in self.BARS.items():
            with self.subTest(bar=bar):
                read = [stripe.name for stripe in a11y.children(self.app.find(pyatspi.ROLE_LIST, bar))]
                self.assertEqual([f"{ELEMENTS[element]}: {share}" for element, share in stripes], read)
