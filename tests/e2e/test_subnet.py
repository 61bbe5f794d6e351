# SPDX-License-Identifier: MIT
"""The subnet calculator: the address typed in, its pages read back."""

import re

import pyatspi

import a11y
from harness import AppCase

# Per address: what the Address Info page shows, and the mask chosen on the
# Subnet Info and CIDR pages (by its number of bits) with what those pages show.
ADDRESSES = {
    "10.200.3.4": {
        "Address Info": {
            "Binary": "00001010.11001000.00000011.00000100",
            "Hexadecimal": "0A.C8.03.04",
            "Class A Bit Map (n=network; h=host)": "0nnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh",
        },
        "Subnet Info": ("26", {
            "Subnet Bits": "18",
            "Mask Bits": "26",
            "Subnet Mask": "255.255.255.192",
            "Max # of Subnets": "262142",
            "Max # of Hosts/Subnet": "62",
            "Subnet Bit Map (n=network; s=subnet; h=host)": "0nnnnnnn.ssssssss.ssssssss.sshhhhhh",
            "Subnet Host Address Range": "10.200.3.1 - 10.200.3.62",
            "Subnet ID": "10.200.3.0",
            "Subnet Broadcast": "10.200.3.63",
        }),
        "CIDR": ("4", {
            "Mask Bits": "4",
            "Supernet Mask": "240.0.0.0",
            "Max # of Supernets": "16",
            "Max # of Addresses": "268435454",
            "Supernet Address Range": "0.0.0.0 - 15.255.255.255",
        }),
    },
    "192.168.100.1": {
        "Address Info": {
            "Binary": "11000000.10101000.01100100.00000001",
            "Hexadecimal": "C0.A8.64.01",
            "Class C Bit Map (n=network; h=host)": "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh",
        },
        "Subnet Info": ("28", {
            "Subnet Bits": "4",
            "Mask Bits": "28",
            "Subnet Mask": "255.255.255.240",
            "Max # of Subnets": "14",
            "Max # of Hosts/Subnet": "14",
            "Subnet Bit Map (n=network; s=subnet; h=host)": "110nnnnn.nnnnnnnn.nnnnnnnn.sssshhhh",
            "Subnet Host Address Range": "192.168.100.1 - 192.168.100.14",
            "Subnet ID": "192.168.100.0",
            "Subnet Broadcast": "192.168.100.15",
        }),
        "CIDR": ("20", {
            "Mask Bits": "20",
            "Supernet Mask": "255.255.240.0",
            "Max # of Supernets": "16",
            "Max # of Addresses": "4094",
            "Supernet Address Range": "192.168.96.0 - 192.168.111.255",
        }),
    },
}

LIST_NAMES = {
    "Subnet Info": ["Subnet Bits", "Mask Bits", "Subnet Mask", "Max # of Subnets", "Max # of Hosts/Subnet"],
    "CIDR": ["Mask Bits", "Supernet Mask", "Max # of Supernets", "Max # of Addresses"],
}


class SubnetCase(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Subnet")

    def choose_mask_bits(self, bits):
        """Picks a mask by its number of bits in the page's "Mask Bits" list, from the keyboard."""
        self.app.focus("alt+b", "Mask Bits")
        # A list finds an item by keys typed within a short interval: on a busy
        # machine the keys of "20" may arrive too far apart, so type them again.
        for _ in range(3):
            self.app.type(bits)
            if a11y.settle(lambda: a11y.text(self.app.field("Mask Bits")), bits) == bits:
                return


class AddressEntry(SubnetCase):
    TYPED = ["192.168.100.1", "172.16.5.4", "10.200.3.4"]

    def test_typed_after_the_accelerator(self):
        self.app.select_page("Address Info")
        for address in self.TYPED:
            with self.subTest(address=address):
                self.app.keys("alt+a")  # the focus starts elsewhere: in the Address Type group
                a11y.wait_until(lambda: not a11y.has_state(self.app.field("IP Address"), pyatspi.STATE_FOCUSED),
                                what="the focus to leave the address")
                self.app.focus("alt+i", "IP Address")
                self.app.type(address)
                self.app.keys("Tab")
                self.assertReads("IP Address", address)

    def test_typed_after_double_clicking_the_first_field(self):
        self.app.select_page("Address Info")
        for address in self.TYPED:
            with self.subTest(address=address):
                self.app.enter_address(address)
                self.assertReads("IP Address", address)


class Pages(SubnetCase):
    def test_address_info(self):
        for address, pages in ADDRESSES.items():
            with self.subTest(address=address):
                self.app.enter_address(address)
                self.app.select_page("Address Info")
                self.assertAllRead(pages["Address Info"])

    def test_subnet_info(self):
        self.check_page_with_mask("Subnet Info")

    def test_cidr(self):
        self.check_page_with_mask("CIDR")

    def check_page_with_mask(self, page):
        for address, pages in ADDRESSES.items():
            with self.subTest(address=address):
                self.app.enter_address(address)
                self.app.select_page(page)
                bits, expected = pages[page]
                self.choose_mask_bits(bits)
                self.assertAllRead(expected)

    def test_changed_results_are_announced(self):
        self.app.select_page("Address Info")
        self.app.enter_address("10.200.3.4")
        with a11y.TextInsertions(self.app.application) as insertions:
            self.app.enter_address("172.16.5.4")
            for name, text in [("IP Address", "172.16.5.4"), ("Binary", "10101100.00010000.00000101.00000100"),
                               ("Hexadecimal", "AC.10.05.04")]:
                with self.subTest(field=name):
                    heard = insertions.heard(name, text)
                    self.assertIn(text, heard, f"{name!r} announced {heard}")

    def test_lists_are_named_by_their_labels(self):
        for page, names in LIST_NAMES.items():
            with self.subTest(page=page):
                self.app.select_page(page)
                lists = self.app.find_all(pyatspi.ROLE_COMBO_BOX)
                self.assertEqual(names, [obj.name for obj in lists])


class AddressClass(SubnetCase):
    # The address typed, the class chosen, and the address and bit map caption that follow.
    CHOICES = [
        ("10.1.2.3", "Class B", "128.1.2.3", "Class B Bit Map (n=network; h=host)"),
        ("200.1.2.3", "Class A", "126.1.2.3", "Class A Bit Map (n=network; h=host)"),
        ("1.2.3.4", "Class C", "192.2.3.4", "Class C Bit Map (n=network; h=host)"),
        ("172.16.5.4", "Class B", "172.16.5.4", "Class B Bit Map (n=network; h=host)"),
    ]

    def test_choosing_a_class_through_its_action(self):
        self.app.select_page("Address Info")
        for typed, choice, address, caption in self.CHOICES:
            with self.subTest(address=typed, choice=choice):
                self.app.enter_address(typed)
                button = self.app.find(pyatspi.ROLE_RADIO_BUTTON, re.compile(re.escape(choice) + ":.*"))
                a11y.do_action(button, "toggle", "press")
                self.assertReads("IP Address", address)
                label = a11y.settle(
                    lambda: self.app.find(name=re.compile(r"Class . Bit Map .*"), where=a11y.is_label).name, caption)
                self.assertEqual(caption, label)
                self.assertTrue(a11y.has_state(button, pyatspi.STATE_CHECKED), f"{choice} is not checked")


class SubnetsAndHosts(SubnetCase):
    RFC_1878 = "Allow 1 Subnet Bit (RFC 1878)"

    def show_table(self, address, mask_bits):
        self.app.enter_address(address)
        self.app.select_page("Subnet Info")
        self.choose_mask_bits(mask_bits)
        self.app.select_page("Subnets/Hosts")
        return self.app.find(pyatspi.ROLE_TABLE, "Subnet and host table")

    def set_range(self, first, last):
        """Types To first, so that From never passes it on the way."""
        self.app.replace_text("To", str(last))
        self.app.replace_text("From", str(first))
        self.assertAllRead({"From": str(first), "To": str(last)})

    def assertRange(self, hint):
        for name in ["From", "To"]:
            field = self.app.field(name)
            read = a11y.settle(lambda: field.description, hint)
            self.assertEqual(hint, read, f"the hint of {name!r}")
            self.app.hover(field)
            read = a11y.settle(self.app.status, hint)
            self.assertEqual(hint, read, f"the status bar over {name!r}")

    def assertTable(self, table, expected):
        read = a11y.settle(lambda: a11y.table_cells(table), expected)
        self.assertEqual(expected, read)

    def test_thirty_mask_bits_on_a_class_a_network(self):
        table = self.show_table("10.0.0.1", "30")
        self.assertRange("Enter a number between 1 and 4194302")
        self.set_range(1, 2)
        self.assertTable(table, [
            ["#", "Subnet ID", "Host Range", "Subnet Broadcast"],
            ["1", "10.0.0.4", "10.0.0.5 - 10.0.0.6", "10.0.0.7"],
            ["2", "10.0.0.8", "10.0.0.9 - 10.0.0.10", "10.0.0.11"],
        ])

    def test_the_largest_table(self):
        table = self.show_table("10.0.0.1", "30")
        self.addCleanup(self.set_rfc_1878, False)
        self.set_rfc_1878(True)
        self.addCleanup(self.app.replace_text, "To", "2")  # before the option, whose change refills the table
        self.app.replace_text("To", "4194303")
        question = self.app.window_named("Are you sure?")
        a11y.do_action(a11y.Finder(question).find(pyatspi.ROLE_PUSH_BUTTON, "Yes"), "press", "click")
        last = ["4194303", "10.255.255.252", "10.255.255.253 - 10.255.255.254", "10.255.255.255"]
        read = a11y.settle(lambda: a11y.table_rows(table, [-1]), [last], timeout=60)
        self.assertEqual([last], read)
        self.assertEqual(4194304, a11y.table_row_count(table), "subnets 1 to 4194303 and the headings")
        self.assertEqual([["1", "10.0.0.4", "10.0.0.5 - 10.0.0.6", "10.0.0.7"]], a11y.table_rows(table, [1]))

    def set_rfc_1878(self, checked):
        """Checks or unchecks the option by its item in the Options menu, opened from the keyboard."""
        item = self.app.find(name=self.RFC_1878, showing=False)
        if a11y.has_state(item, pyatspi.STATE_CHECKED) != checked:
            self.app.keys("alt+o", "1")
        a11y.wait_until(lambda: a11y.has_state(item, pyatspi.STATE_CHECKED) == checked,
                        what=f"the option to be {'checked' if checked else 'unchecked'}")

    def test_rfc_1878_allows_the_first_and_last_subnet(self):
        table = self.show_table("128.15.10.5", "24")
        self.addCleanup(self.set_rfc_1878, False)
        self.set_rfc_1878(True)
        self.assertRange("Enter a number between 0 and 255")
        self.set_range(0, 255)
        read = a11y.settle(lambda: a11y.table_row_count(table), 257)
        self.assertEqual(257, read, "rows of the table, headings included")
        self.assertEqual([["0", "128.15.0.0", "128.15.0.1 - 128.15.0.254", "128.15.0.255"],
                          ["255", "128.15.255.0", "128.15.255.1 - 128.15.255.254", "128.15.255.255"]],
                         a11y.table_rows(table, [1, -1]))

        self.set_rfc_1878(False)
        self.assertRange("Enter a number between 1 and 254")
        self.assertAllRead({"From": "1", "To": "254"})
