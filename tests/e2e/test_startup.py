# SPDX-License-Identifier: MIT
"""What each calculator shows right after the program starts, read from one fresh start."""

import pyatspi

import a11y
from harness import AppCase

SUBNET_HEADINGS = ["#", "Subnet ID", "Host Range", "Subnet Broadcast"]


class StartUp(AppCase):
    """The cases only read: none of them changes what another one reads."""

    @classmethod
    def setUpClass(cls):
        cls.app.restart()

    def assertTableRows(self, name, count, rows):
        table = self.app.find(pyatspi.ROLE_TABLE, name)
        read = a11y.settle(lambda: a11y.table_row_count(table), count + 1)
        self.assertEqual(count + 1, read, f"rows of {name!r}, headings included")
        self.assertEqual(list(rows.values()), a11y.table_rows(table, list(rows)))

    def test_base_lookup_when_first_shown(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.assertAllRead({"From": "0", "To": "31"})
        self.assertTableRows("Base lookup table", 32, {
            0: ["Decimal", "Hexadecimal", "Binary", "Octal"],
            1: ["0", "0", "0000", "00"],
            16: ["15", "F", "1111", "17"],
            17: ["16", "10", "00010000", "020"],
            32: ["31", "1F", "00011111", "037"],
        })

    def test_bit_swapper(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Bit-Swapper")
        self.assertTrue(a11y.has_state(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "Hex"), pyatspi.STATE_CHECKED))
        self.assertAllRead({"Original Value": "55C10F7E", "Bit-swapped Value (Byte by Byte)": "AA83F07E",
                            "Bit-swapped value (LSB <-> MSB)": "7EF083AA"})

    def test_subnets_and_hosts(self):
        self.app.select_calculator("Subnet")
        self.app.select_page("Subnets/Hosts")
        self.assertAllRead({"IP Address": "128.15.10.5", "From": "1", "To": "254"})
        self.assertTableRows("Subnet and host table", 254, {
            0: SUBNET_HEADINGS,
            1: ["1", "128.15.1.0", "128.15.1.1 - 128.15.1.254", "128.15.1.255"],
            254: ["254", "128.15.254.0", "128.15.254.1 - 128.15.254.254", "128.15.254.255"],
        })

    def test_network_setup_selects_the_last_network(self):
        self.app.select_calculator("Latency")
        self.app.select_page("Network Setup")
        # The Token Ring network, fourth of six, is selected: it can move left, not right.
        enabled = {name: a11y.has_state(self.app.find(pyatspi.ROLE_PUSH_BUTTON, name), pyatspi.STATE_ENABLED)
                   for name in ["<<", "Insert", "Reset", ">>"]}
        self.assertEqual({"<<": True, "Insert": True, "Reset": True, ">>": False}, enabled)
