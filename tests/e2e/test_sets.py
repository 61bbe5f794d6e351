# SPDX-License-Identifier: MIT
"""The prefix calculator's Sets, Plan and Reverse pages: a pasted list with a
line not understood, a host-count plan that does not all fit, and the reverse
zones of a classless IPv4 and an off-nibble IPv6 prefix, every result read back."""

import subprocess

import pyatspi

import a11y
from harness import AppCase

LIST = ("10.0.0.0/24, 10.0.1.0/24\nip route 10.9.0.0 255.255.0.0\n192.0.2.5 - 192.0.2.20\n10.0.0.128/25\n"
        "2001:db8::/33 2001:db8:8000::/33\n10.0.1.0/24")
RANGE_BLOCKS = ["192.0.2.5/32", "192.0.2.6/31", "192.0.2.8/29", "192.0.2.16/30", "192.0.2.20/32"]


class PrefixPages(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Prefix")

    def enter(self, accelerator, name, text):
        """Types the lines of `text` over the whole of the field named `name`, reached by its accelerator."""
        self.app.focus(accelerator, name)
        self.app.keys("ctrl+a", "Delete")
        for i, line in enumerate(text.split("\n")):
            if i:
                self.app.keys("Return")
            self.app.type(line)

    def assertLines(self, expected):
        """Each box named by a key of `expected` comes to show its lines."""
        self.assertAllRead({name: "\n".join(lines) for name, lines in expected.items()})

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.app.desktop.env,
                              capture_output=True, timeout=5, text=True).stdout

    def test_a_list_merged_covered_checked_and_less_exclusions(self):
        self.app.select_page("Sets")
        self.enter("alt+l", "List", LIST)
        self.enter("alt+x", "Exclude", "10.0.1.0/25\n2001:db8:8000::/33")
        self.assertLines({
            "Lines Not Understood": ["line 2: 'ip' is not an address"],
            "Merged": ["10.0.0.0/23"] + RANGE_BLOCKS + ["2001:db8::/32"],
            "Covering Prefix": ["0.0.0.0/0 (adds 4294966768)", "2001:db8::/32 (adds 0)"],
            "Overlaps and Duplicates": ["line 4: 10.0.0.128/25 is inside 10.0.0.0/24 (line 1)",
                                        "line 6: 10.0.1.0/24 repeats line 1"],
            "List Less Exclusions": ["10.0.0.0/24", "10.0.1.128/25"] + RANGE_BLOCKS + ["2001:db8::/33"],
            "Ranges as Prefixes": ["line 3: 192.0.2.5 - 192.0.2.20"] + RANGE_BLOCKS,
        })
        # From the exclusions, past the lines not understood, to the merge.
        merged = self.app.field("Merged")
        self.app.keys("Tab", "Tab")
        a11y.wait_until(lambda: a11y.has_state(merged, pyatspi.STATE_FOCUSED), what="the merge to have the focus")
        self.app.keys("ctrl+a", "ctrl+c")
        expected = "\n".join(["10.0.0.0/23"] + RANGE_BLOCKS + ["2001:db8::/32"])
        self.assertEqual(expected, a11y.settle(self.clipboard, expected))

    def test_a_plan_with_needs_that_do_not_fit(self):
        self.app.select_page("Plan")
        self.enter("alt+r", "Parent Prefix", "192.168.0.0/22")
        self.enter("alt+n", "Needs", "Sales 500\nOffice 60\nLink 2\nPrinters 62\nlab /28\nHuge 5000\nLab two")
        table = self.app.find(pyatspi.ROLE_TABLE, "Host plan table")
        expected = [
            ["Name", "Hosts", "Prefix", "First", "Last", "Usable", "Wasted"],
            ["Sales", "500", "192.168.0.0/23", "192.168.0.0", "192.168.1.255", "510", "10"],
            ["Office", "60", "192.168.2.0/26", "192.168.2.0", "192.168.2.63", "62", "2"],
            ["Printers", "62", "192.168.2.64/26", "192.168.2.64", "192.168.2.127", "62", "0"],
            ["lab", "/28", "192.168.2.128/28", "192.168.2.128", "192.168.2.143", "14", ""],
            ["Link", "2", "192.168.2.144/31", "192.168.2.144", "192.168.2.145", "2", "0"],
            ["Huge", "5000", "needs a /19, larger than the parent /22", "", "", "", ""],
        ]
        self.assertEqual(expected, a11y.settle(lambda: a11y.table_rows(table), expected))
        self.assertLines({
            "Needs Not Understood": ["line 7: 'two' is neither a number of hosts nor a length like /24"],
            "Free Blocks": ["192.168.2.146/31", "192.168.2.148/30", "192.168.2.152/29", "192.168.2.160/27",
                            "192.168.2.192/26", "192.168.3.0/24"],
        })

    def test_reverse_zones_classless_and_off_a_nibble(self):
        cnames = ["$ORIGIN 2.0.192.in-addr.arpa."] + [f"{i} CNAME {i}.64/26.2.0.192.in-addr.arpa." for i in range(64, 128)]
        cases = [
            ("192.0.2.70/26", ["64/26.2.0.192.in-addr.arpa"], cnames),
            ("2001:db8::/30", [f"{n}.b.d.0.1.0.0.2.ip6.arpa" for n in "89ab"], ["none"]),
        ]
        for prefix, zones, records in cases:
            with self.subTest(prefix=prefix):
                self.enter("alt+a", "Address or Prefix", prefix)
                self.app.select_page("Reverse")
                self.assertLines({"Zones to Delegate": zones, "CNAME Records in the Parent Zone": records})
