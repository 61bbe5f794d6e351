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
        self.app.type(bits)


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
