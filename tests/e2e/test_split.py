# SPDX-License-Identifier: MIT
"""The prefix calculator's Split page: splits of up to 2^128 rows counted,
read at their first, last and a deep row, gone to by number and by address,
and copied."""

import ipaddress
import subprocess

import pyatspi

import a11y
from harness import AppCase

HEADINGS_V6 = ["#", "Subnet", "First Address", "Last Address"]
DEEP = 2**64 + 5  # the row as the user numbers it


def v6_row(parent, length, number):
    """The cells of row `number` (from 1) of the split of `parent` into /`length`s."""
    network = ipaddress.ip_network(parent)
    subnet = ipaddress.ip_network((int(network.network_address) + ((number - 1) << (128 - length)), length))
    return [str(number), str(subnet), str(subnet.network_address), str(subnet.broadcast_address)]


class SplitPage(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Prefix")
        self.app.select_page("Split")
        self.table = self.app.find(pyatspi.ROLE_TABLE, "Subnets")

    def split(self, prefix, length):
        self.app.replace_text("Address or Prefix", prefix)
        self.app.replace_text("Subnet Length", str(length))

    def assertCount(self, expected):
        """The number of subnets, its lines joined, comes to read `expected`."""
        read = a11y.settle(lambda: self.app.read("Number of Subnets").replace("\n", ""), expected)
        self.assertEqual(expected, read)

    def go_to(self, text):
        field = self.app.field("Go to Row or Address")
        self.app.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the go-to field to have the focus")
        self.app.keys("ctrl+a")
        self.app.type(text)
        self.app.keys("Return")

    def selected_row(self, expected):
        """The cells of the one selected row, once they read `expected`."""
        def read():
            rows = self.table.queryTable().getSelectedRows()
            return a11y.table_rows(self.table, rows)[0] if len(rows) == 1 else None
        return a11y.settle(read, expected)

    def clipboard(self):
        reply = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.app.desktop.env,
                               capture_output=True, timeout=10)
        return reply.stdout.decode()

    def test_a_split_into_4294967296_rows_is_counted_read_at_both_ends_and_gone_to(self):
        self.split("2001:db8::/32", 64)
        self.assertCount("4,294,967,296 (2^32)")
        first = v6_row("2001:db8::/32", 64, 1)
        self.assertEqual([first], a11y.settle(lambda: a11y.table_rows(self.table, [1]), [first]))
        self.assertGreater(a11y.table_row_count(self.table), 1000, "the table reports the rows it can number")

        last = v6_row("2001:db8::/32", 64, 2**32)
        self.app.keys("alt+s")
        a11y.wait_until(lambda: a11y.has_state(self.table, pyatspi.STATE_FOCUSED), what="the table to have the focus")
        self.app.keys("ctrl+End")
        self.assertEqual([last], a11y.settle(lambda: a11y.table_rows(self.table, [-1]), [last]))

        address = "2001:db8:abcd:12::1"
        row = v6_row("2001:db8::/32", 64, (0xabcd0012) + 1)
        self.go_to(address)
        self.assertEqual(row, self.selected_row(row))
        self.go_to("4294967297")
        field = self.app.field("Go to Row or Address")
        message = "row 4294967297 is past the last row, 4294967296"
        self.assertEqual(message, a11y.settle(lambda: field.description, message))

    def test_a_deep_row_of_a_2_to_128_split_is_read_and_copied(self):
        self.split("::/0", 128)
        self.assertCount("340,282,366,920,938,463,463,374,607,431,768,211,456 (2^128)")
        deep = v6_row("::/0", 128, DEEP)
        self.go_to(str(DEEP))
        self.assertEqual(deep, self.selected_row(deep))
        self.go_to(str(2**128))
        last = v6_row("::/0", 128, 2**128)
        self.assertEqual(last, self.selected_row(last))
        self.go_to(deep[2])
        self.assertEqual(deep, self.selected_row(deep))

        self.app.keys("alt+s")
        a11y.wait_until(lambda: a11y.has_state(self.table, pyatspi.STATE_FOCUSED), what="the table to have the focus")
        self.app.keys("ctrl+c")
        copied = "\r\n".join(["\t".join(HEADINGS_V6), "\t".join(deep), ""])
        self.assertEqual(copied, a11y.settle(self.clipboard, copied))

    def test_a_copy_of_over_a_million_rows_asks_first(self):
        self.split("10.0.0.0/8", 30)
        self.assertCount("4,194,304 (2^22)")
        self.go_to("1")
        self.app.keys("alt+s")
        a11y.wait_until(lambda: a11y.has_state(self.table, pyatspi.STATE_FOCUSED), what="the table to have the focus")
        self.app.keys("shift+ctrl+End")
        subprocess.run(["xclip", "-selection", "clipboard"], input=b"before", env=self.app.desktop.env, timeout=10)
        self.app.keys("ctrl+c")
        question = self.app.window_named("Are you sure?")
        a11y.do_action(a11y.Finder(question).find(pyatspi.ROLE_PUSH_BUTTON, "No"), "press", "click")
        a11y.wait_until(lambda: a11y.is_closed(question), what="the question to close")
        self.assertEqual("before", self.clipboard(), "nothing copied when declined")
