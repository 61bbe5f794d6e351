# SPDX-License-Identifier: MIT
"""The longest tables, whose rows are made on demand: read and copied at their far end."""

import subprocess

import pyatspi

import a11y
from harness import AppCase

HEADINGS = ["Decimal", "Hexadecimal", "Binary", "Octal"]


class LongestLookupTable(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.table = self.app.find(pyatspi.ROLE_TABLE, "Base lookup table")

    def clipboard(self):
        reply = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.app.desktop.env,
                               capture_output=True, timeout=10)
        return reply.stdout.decode()  # as copied, line ends included

    def test_every_band_down_to_the_last_row_is_read_and_copied(self):
        self.app.replace_text("From", "0")
        self.addCleanup(self.app.replace_text, "To", "31")
        self.app.replace_text("To", "4194303")
        question = self.app.window_named("Are you sure?")
        a11y.do_action(a11y.Finder(question).find(pyatspi.ROLE_PUSH_BUTTON, "Yes"), "press", "click")
        last = ["4194303", "003FFFFF", "00000000001111111111111111111111", "00017777777"]
        read = a11y.settle(lambda: a11y.table_rows(self.table, [-1]), [last])
        self.assertEqual([last], read)
        self.assertEqual(4194305, a11y.table_row_count(self.table), "numbers 0 to 4194303 and the headings")
        self.assertEqual([HEADINGS, ["15", "F", "1111", "17"], ["16", "10", "00010000", "020"],
                          ["65536", "00010000", "00000000000000010000000000000000", "00000200000"]],
                         a11y.table_rows(self.table, [0, 16, 17, 65537]))

        self.app.click(self.table)
        a11y.wait_until(lambda: a11y.has_state(self.table, pyatspi.STATE_FOCUSED), what="the table to have the focus")
        self.assertTrue(self.table.queryTable().addRowSelection(4194304), "the last row selected")
        self.app.keys("ctrl+c")
        copied = "\r\n".join(["\t".join(HEADINGS), "\t".join(last), ""])
        self.assertEqual(copied, a11y.settle(self.clipboard, copied))
