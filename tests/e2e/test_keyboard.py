# SPDX-License-Identifier: MIT
"""What a keyboard user meets: results that follow the typing, keys that are
never lost to a question, the focus kept while stepping, fields selected on
arrival, and an address pasted with its mask."""

import pyatspi

import a11y
from harness import AppCase, hold_clipboard
from test_subnet import SubnetCase


class TypedAddress(SubnetCase):
    def enter_address_field(self):
        """Puts the focus on the address from elsewhere, which selects its first field."""
        self.app.keys("alt+a")  # the Address Type group
        a11y.wait_until(lambda: not a11y.has_state(self.app.field("IP Address"), pyatspi.STATE_FOCUSED),
                        what="the focus to leave the address")
        self.app.focus("alt+i", "IP Address")

    def test_results_follow_the_typing_and_enter_corrects(self):
        self.app.select_page("Address Info")
        self.enter_address_field()
        self.app.type("10.1.1.200")
        self.assertReads("Binary", "00001010.00000001.00000001.11001000")
        self.assertTrue(a11y.has_state(self.app.field("IP Address"), pyatspi.STATE_FOCUSED),
                        "the caret left the address")

        self.enter_address_field()
        self.app.type("127.0.0.1")
        self.assertReads("IP Address", "127.0.0.1")  # no message took any of the keys
        self.app.keys("Return")
        message = self.app.window_named("Invalid IP Address")
        a11y.do_action(a11y.Finder(message).find(pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
        self.assertAllRead({"IP Address": "126.0.0.1", "Binary": "01111110.00000000.00000000.00000001"})

    def test_an_address_typed_over_a_large_class_a_range_asks_nothing(self):
        self.app.enter_address("10.0.0.1")
        self.app.select_page("Subnet Info")
        self.choose_mask_bits("30")
        self.app.select_page("Subnets/Hosts")
        self.app.replace_text("From", "4193000")  # drags To up with it: no large range on the way
        self.app.replace_text("To", "4193019")
        self.assertAllRead({"From": "4193000", "To": "4193019"})

        self.app.focus("alt+i", "IP Address")
        self.app.type("172.16.5.9")
        self.app.keys("Tab")
        self.assertAllRead({"IP Address": "172.16.5.9", "From": "16382", "To": "16382"})
        others = [w.name for w in a11y.children(self.app.application) if w != self.app.window and a11y.is_showing(w)]
        self.assertEqual([], others, "windows the typing opened")


class SteppedRange(SubnetCase):
    def test_up_and_down_keep_the_focus_in_from(self):
        self.app.enter_address("128.15.10.5")
        self.app.select_page("Subnet Info")
        self.choose_mask_bits("24")
        self.app.select_page("Subnets/Hosts")
        self.app.replace_text("To", "254")
        self.app.replace_text("From", "1")
        field = self.app.field("From")
        self.app.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="'From' to have the focus")
        with a11y.FocusGains(self.app.application) as focus:
            self.app.keys("Up", "Up", "Down")
            self.assertReads("From", "2")
            self.assertEqual([], [name for name in focus.gained() if name != "From"], "the focus went elsewhere")
        table = self.app.find(pyatspi.ROLE_TABLE, "Subnet and host table")
        read = a11y.settle(lambda: a11y.table_rows(table, [1])[0][0], "2")
        self.assertEqual("2", read, "the first subnet listed")


class NumberFieldArrival(AppCase):
    def test_a_field_reached_by_switching_pages_is_replaced_by_typing(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("OUI Finder")
        # Other cases expect the page the Radixer starts with.
        self.addCleanup(self.app.select_page, "Base Converter")
        field = self.app.field("OUI")
        self.app.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the OUI field to have the focus")
        self.app.keys("ctrl+a")
        self.app.type("00000C")
        self.app.select_page("Base Converter")
        self.app.select_page("OUI Finder")
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the OUI field to have the focus")
        self.app.type("08005A")
        self.assertReads("OUI", "08005A")


class PastedAddress(SubnetCase):
    def test_an_address_with_its_mask(self):
        self.app.select_page("Subnet Info")
        for text, address, mask_bits in [("10.1.2.3/12", "10.1.2.3", "12"),
                                         ("172.16.0.1 255.255.255.240", "172.16.0.1", "28")]:
            with self.subTest(pasted=text):
                hold_clipboard(self, text)
                self.app.focus("alt+i", "IP Address")
                self.app.keys("ctrl+v")
                self.assertAllRead({"IP Address": address, "Mask Bits": mask_bits})
