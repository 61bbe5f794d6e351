# SPDX-License-Identifier: MIT
"""The prefix calculator: addresses and prefixes of both families typed in, with
mistakes and their corrections, and every result read back; Python's ipaddress
is the reference for the values it also knows."""

import ipaddress
import os

import pyatspi

import a11y
from harness import AppCase

INPUT = "Address or Prefix"
ADDRESS_BOXES = ["Canonical", "Full Form", "Integer", "Hexadecimal", "Binary", "Reverse DNS Name", "Kind",
                 "Scope", "Embedded Address", "MAC Address (EUI-64)", "MAC Vendor", "Solicited-Node Address"]
PREFIX_BOXES = ["Network", "First Address", "Last Address", "Mask", "Wildcard Mask", "Broadcast", "Usable Hosts",
                "Number of Addresses", "Number of Addresses as a Power of Two", "Prefix Bit Map (n=network; h=host)",
                "Enclosing Prefixes"]


class PrefixCalculator(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Prefix")
        self.field = self.app.field(INPUT)
        a11y.wait_until(lambda: a11y.has_state(self.field, pyatspi.STATE_FOCUSED), what="the input to have the focus")

    def enter(self, text):
        """Types `text` over the whole input, key by key."""
        self.app.keys("ctrl+a")
        self.app.type(text)

    def read_all(self, names, expected=None):
        """The boxes named `names`, their lines joined; with `expected`, once they show it."""
        def read():
            return {name: a11y.text(self.app.field(name)).replace("\n", "") for name in names}
        return a11y.settle(read, expected) if expected is not None else read()

    def assertShows(self, page, expected):
        self.app.select_page(page)
        self.assertEqual(expected, self.read_all(expected, expected))

    def test_ipv6_prefix_with_a_mistake_and_its_correction(self):
        self.enter("2001:db8:85a3:::8a2e:370:7334/48")
        description = a11y.settle(lambda: self.field.description, "more than one '::'")
        self.assertEqual("more than one '::'", description)
        self.app.find(pyatspi.ROLE_PAGE_TAB, "Address (stale)")
        # Back over "8a2e:370:7334/48" and the third colon, then on with the rest.
        self.app.keys(*["Left"] * 16, "BackSpace")
        a11y.settle(lambda: self.field.description, "")
        self.app.find(pyatspi.ROLE_PAGE_TAB, "Address")

        typed = "2001:db8:85a3::8a2e:370:7334/48"
        interface = ipaddress.ip_interface(typed)
        network = interface.network
        self.assertShows("Address", {
            "Canonical": str(interface.ip),
            "Full Form": interface.ip.exploded,
            "Integer": str(int(interface.ip)),
            "Hexadecimal": f"0x{int(interface.ip):032x}",
            "Binary": ":".join(f"{int(interface.ip):0128b}"[i:i + 16] for i in range(0, 128, 16)),
            "Reverse DNS Name": interface.ip.reverse_pointer,
            "Kind": "documentation (Documentation, RFC 3849)",
            "Scope": "not globally reachable",
            "Embedded Address": "none",
            "MAC Address (EUI-64)": "none",
            "MAC Vendor": "none",
            "Solicited-Node Address": str(ipaddress.ip_address(
                int(ipaddress.ip_address("ff02::1:ff00:0")) | int(interface.ip) & 0xffffff)),
        })
        self.assertShows("Prefix", {
            "Network": str(network),
            "First Address": str(network.network_address),
            "Last Address": str(network.broadcast_address),
            "Mask": str(network.netmask),
            "Wildcard Mask": str(network.hostmask),
            "Broadcast": "none",
            "Usable Hosts": "none",
            "Number of Addresses": str(network.num_addresses),
            "Number of Addresses as a Power of Two": "2^80",
            "Prefix Bit Map (n=network; h=host)": "nnnnnnnnnnnnnnnn:nnnnnnnnnnnnnnnn:",
            "Prefix Bit Map bits 33 to 64": "nnnnnnnnnnnnnnnn:hhhhhhhhhhhhhhhh:",
            "Prefix Bit Map bits 97 to 128": "hhhhhhhhhhhhhhhh:hhhhhhhhhhhhhhhh",
            "Enclosing Prefixes": "".join(str(network.supernet(new_prefix=n)) for n in range(48, -1, -1)),
        })

    def test_ipv4_with_a_dotted_mask_and_a_wrong_octet(self):
        self.enter("10.1.2.300 255.255.252.0")
        self.assertEqual("octet 4 is above 255", a11y.settle(lambda: self.field.description, "octet 4 is above 255"))
        self.app.keys("Home", *["Right"] * 10, "BackSpace", "BackSpace")  # 300 -> 3
        a11y.settle(lambda: self.field.description, "")
        interface = ipaddress.ip_interface("10.1.2.3/255.255.252.0")
        network = interface.network
        hosts = list(network.hosts())
        self.assertShows("Prefix", {
            "Network": str(network),
            "Mask": str(network.netmask),
            "Wildcard Mask": str(network.hostmask),
            "Broadcast": str(network.broadcast_address),
            "Usable Hosts": f"{hosts[0]} - {hosts[-1]} ({len(hosts)})",
            "Number of Addresses": str(network.num_addresses),
            "Prefix Bit Map (n=network; h=host)": "nnnnnnnn.nnnnnnnn.nnnnnnhh.hhhhhhhh",
        })
        self.assertShows("Address", {
            "Kind": "private (Private-Use, RFC 1918)",
            "Reverse DNS Name": interface.ip.reverse_pointer,
            "Binary": ".".join(f"{int(interface.ip):032b}"[i:i + 8] for i in range(0, 32, 8)),
        })

    def test_teredo_and_a_mac_with_its_vendor(self):
        path = os.path.join(self.app.desktop.workdir, "OUI.txt")
        with open(path, "w", newline="") as oui_list:
            oui_list.write("001B63 Apple  Apple, Inc.\r\n")
        self.addCleanup(os.remove, path)
        self.enter("fe80::21b:63ff:fe84:45e6%eth0")
        self.assertShows("Address", {
            "Canonical": "fe80::21b:63ff:fe84:45e6%eth0",
            "Kind": "link-local (Link-Local Unicast, RFC 4291)",
            "MAC Address (EUI-64)": "00:1b:63:84:45:e6",
            "MAC Vendor": "Apple, Inc.",
            "Solicited-Node Address": "ff02::1:ff84:45e6",
        })
        teredo = ipaddress.ip_address("2001:0:4136:e378:8000:63bf:3fff:fdd2").teredo
        self.enter("2001:0:4136:e378:8000:63bf:3fff:fdd2")
        self.assertShows("Address", {"Embedded Address": f"Teredo server {teredo[0]}, client {teredo[1]}, port 40000"})

    def test_menu_item_and_its_shortcut(self):
        self.app.select_calculator("Subnet")
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("alt+c")
            items = a11y.menu_items(popups.next("the Calculator menu"))
        self.app.keys("Escape")
        self.assertIn(("Prefix Calculator", True), items)
        self.app.keys("ctrl+p")
        field = self.app.field(INPUT)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the input to have the focus")
        self.app.find(pyatspi.ROLE_PAGE_TAB, "Address")

    def test_typing_after_a_switch_replaces_the_input_and_ctrl_tab_turns_its_pages(self):
        self.app.select_calculator("Subnet")
        self.app.keys("ctrl+p")
        a11y.wait_until(lambda: a11y.has_state(self.field, pyatspi.STATE_FOCUSED), what="the input to have the focus")
        self.app.type("192.0.2.7/30")
        self.assertEqual("192.0.2.7/30", a11y.settle(lambda: a11y.text(self.field), "192.0.2.7/30"))
        for keys, page in [(["ctrl+Tab"], "Prefix"), (["ctrl+shift+Tab", "ctrl+shift+Tab"], "Reverse")]:
            self.app.keys(*keys)
            tab = self.app.find(pyatspi.ROLE_PAGE_TAB, page)
            a11y.wait_until(lambda: a11y.is_current_tab(tab), what=f"the page {page!r} to be shown")
        self.assertEqual("Prefix Calculator", self.app.find(pyatspi.ROLE_PANEL, "Prefix Calculator").name)
