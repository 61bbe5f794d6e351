# SPDX-License-Identifier: MIT
"""The latency calculator from the keyboard, as a screen reader meets it: the elements, the
properties dialog with its presets, and the statistics they lead to."""

import re

import pyatspi

import a11y
from test_latency import SetupPage


class LatencyKeys(SetupPage):
    def properties(self, title):
        """The properties dialog titled `title`, made active."""
        dialog = self.app.window_named(title)
        self.app.activate(dialog)
        return dialog, a11y.Finder(dialog)

    def focus(self, fields, accelerator, name):
        """Moves the focus to the dialog's control named `name` with its label's accelerator."""
        self.app.keys(accelerator)
        control = fields.find(name=name, where=lambda obj: not a11y.is_label(obj))
        a11y.wait_until(lambda: a11y.has_state(control, pyatspi.STATE_FOCUSED), what=f"{name!r} to have the focus")

    def close(self, dialog):
        self.app.keys("Escape")
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="the dialog to close")

    def test_hidden_graph_stripes_are_neither_visible_nor_showing(self):
        self.app.select_page("Latency Graphs")
        stripes = a11y.children(self.app.find(pyatspi.ROLE_LIST, "C->S"))
        self.assertTrue(stripes and all(a11y.is_showing(stripe) for stripe in stripes))
        self.app.select_page("Network Setup")
        a11y.wait_until(lambda: not any(a11y.has_state(stripe, state) for stripe in stripes
                                        for state in (pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE)),
                        what="the stripes of the hidden page to be neither showing nor visible")

    def test_enter_and_space_open_an_elements_properties(self):
        for key in ["Return", "space"]:
            with self.subTest(key=key):
                self.select("Ethernet (10 Mbps)")
                self.app.keys(key)
                dialog, _ = self.properties("Ethernet Properties")
                self.close(dialog)

    def test_shift_arrows_move_an_element_and_a_move_in_the_chain_is_told(self):
        ethernet = self.select("Ethernet (10 Mbps)")
        x, y, _, _ = a11y.extents(ethernet)
        self.app.keys("shift+Left", "shift+Left")
        a11y.wait_until(lambda: a11y.extents(ethernet)[:2] == (x - 16, y), what="Ethernet to move 16 pixels left")
        self.app.keys("shift+Right", "shift+Right")
        a11y.wait_until(lambda: a11y.extents(ethernet)[:2] == (x, y), what="Ethernet to move back")

        self.assertEqual("Network 1 of 4 in the chain", ethernet.description)
        with a11y.DescriptionChanges(self.app.application) as changes:
            self.app.keys("ctrl+Right")
            self.assertTrue(changes.heard("Ethernet (10 Mbps)", "Network 2 of 4 in the chain"),
                            "the move in the chain is announced")
        self.app.keys("ctrl+Left")
        a11y.wait_until(lambda: ethernet.description == "Network 1 of 4 in the chain", what="Ethernet's place back")

    def test_lists_are_named_by_their_labels_and_typed_topologies_ignore_case(self):
        self.select("FDDI (100 Mbps)")
        self.app.keys("Return")
        dialog, fields = self.properties("FDDI Properties")
        self.assertEqual(["Topology", "Bandwidth (Mbps)", "Preset", "Medium"],
                         [combo.name for combo in fields.find_all(pyatspi.ROLE_COMBO_BOX)])
        topology = a11y.labelled_by(fields.find(pyatspi.ROLE_LABEL, "Topology"))
        bandwidth = a11y.labelled_by(fields.find(pyatspi.ROLE_LABEL, "Bandwidth (Mbps)"))
        self.focus(fields, "alt+t", "Topology")
        self.app.keys("ctrl+a")
        self.app.type("tok")
        self.app.keys("Return")
        a11y.wait_until(lambda: (a11y.text(topology), a11y.text(bandwidth)) == ("Token Ring", "16"),
                        what="Token Ring with its bandwidth")
        self.close(dialog)
        self.element("FDDI (100 Mbps)")

    def test_a_preset_chosen_by_keyboard_reaches_the_statistics(self):
        self.select("Token Ring (16 Mbps)")
        self.app.keys("Insert")
        unknown = "<Unknown Topology>"
        new = self.element(unknown)
        a11y.wait_until(lambda: a11y.has_state(new, pyatspi.STATE_FOCUSED), what="the new network to have the focus")
        self.addCleanup(self.remove_network, re.compile(r"LEO satellite hop .*|<Unknown Topology>"))
        self.app.keys("Return")
        dialog, fields = self.properties(f"{unknown} Properties")
        self.focus(fields, "alt+r", "Preset")
        # The last preset, then four up: the low orbit satellite.
        self.app.keys("End", "Up", "Up", "Up", "Up")
        delay = a11y.labelled_by(fields.find(pyatspi.ROLE_LABEL, "Propagation Delay (ms)"))
        a11y.wait_until(lambda: a11y.text(delay) == "4", what="the preset's delay")
        self.app.keys("alt+o")
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="OK to close the dialog")
        leo = "LEO satellite hop (100 Mbps, 4 ms prop. delay)"
        self.element(leo)

        self.app.select_page("Latency Statistics")
        self.app.click(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "Clt -> Svr"))
        table = self.app.find(pyatspi.ROLE_TABLE, "Latency statistics table")
        expected = [[leo, "0.0040051", "42.4%"], ["Totals:", "0.0094410", "100.0%"]]
        read = lambda: [row for row in a11y.table_cells(table) if row[0] in (leo, "Totals:")]
        self.assertEqual(expected, a11y.settle(read, expected))
        lines = {label.name for label in self.app.find_all(pyatspi.ROLE_LABEL, re.compile(r"Bottleneck: .*|Bandwidth-.*"))}
        self.assertEqual({"Bottleneck: Frame Relay (1.544 Mbps, 5 ms prop. delay)",
                          "Bandwidth-delay product: 3331 bytes over a 0.0172578 s round trip"}, lines)
        self.app.select_page("Network Setup")

    def remove_network(self, name):
        """Takes the network named like `name` out of the chain through its own menu."""
        self.app.close_other_windows()
        if not a11y.has_state(self.app.window, pyatspi.STATE_ACTIVE):
            self.app.activate(self.app.window)
        self.app.select_page("Network Setup")
        self.select(name)
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("shift+F10")
            popups.next("the element's menu")
            self.app.keys("Up", "Return")
        a11y.wait_until(lambda: not self.app.find_all(pyatspi.ROLE_PUSH_BUTTON, name), what="the network to be removed")
