# SPDX-License-Identifier: MIT
"""The Radixer's MAC Address page and its vendor search, over the vendor registry built with the program."""

import os
import shutil
import tempfile

import pyatspi

import a11y
from harness import AppCase, hold_clipboard

APPLE = "Apple, Inc. 3C-22-FB/24, MA-L, 16,777,216 addresses"


def flat(text):
    """A result as one line: the page breaks long ones where the window is narrow."""
    return " ".join(text.split())


class MacCase(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Radixer")
        self.app.select_page("MAC")

    def paste(self, text):
        hold_clipboard(self, text)
        self.app.focus("alt+m", "MAC Address")
        self.app.keys("ctrl+a", "ctrl+v")
        a11y.wait_until(lambda: self.app.read("MAC Address") == text, what=f"the field to hold {text!r}")

    def assertFlatReads(self, expected):
        found = {name: self.app.field(name) for name in expected}
        read = a11y.settle(lambda: {name: flat(a11y.text(obj)) for name, obj in found.items()}, expected)
        self.assertEqual(expected, read)


class MacAddressPage(MacCase):
    def test_pasted_notations_show_the_address_and_its_vendor(self):
        expected = {
            "Notations": "3C:22:FB:12:34:56 3C-22-FB-12-34-56 3c22.fb12.3456 3c22fb123456",
            "Vendor": APPLE,
            "Bit-Swapped (Token Ring/FDDI)": "3C:44:DF:48:2C:6A",
            "Individual/Group Bit": "0: individual (unicast)",
            "Universal/Local Bit": "0: universally administered (assigned by IEEE)",
            "EUI-64": "3C:22:FB:FF:FE:12:34:56",
            "IPv6 Link-Local Address": "fe80::3e22:fbff:fe12:3456",
        }
        for text in ["3C-22-FB-12-34-56", "3c22.fb12.3456", " 3c22fb123456 ", "fe80::3e22:fbff:fe12:3456"]:
            with self.subTest(pasted=text):
                self.paste(text)
                self.assertFlatReads(expected)

    def test_longest_block_flags_and_a_mistake(self):
        cases = [
            ("70:B3:D5:F2:F1:23", {"Vendor": "TELEPLATFORMS 70-B3-D5-F2-F0/36, MA-S, 4,096 addresses"}),
            ("3C22FB", {"Vendor": APPLE, "EUI-64": "none: an OUI alone"}),
            ("3e:22:fb:12:34:56", {"Vendor": "none: locally administered",
                                   "Universal/Local Bit": "1: locally administered: likely a randomised private address"}),
            ("01-00-5E-00-00-01", {"Individual/Group Bit": "1: group (multicast)"}),
        ]
        for text, expected in cases:
            with self.subTest(pasted=text):
                self.paste(text)
                self.assertFlatReads(expected)
        self.paste("3c:22:fb:12:34:zz")
        field = self.app.field("MAC Address")
        a11y.wait_until(lambda: field.description == "Not a MAC address, OUI, EUI-64 or IPv6 address.",
                        what="the field to say that it holds no address")
        self.assertFalse(a11y.has_state(self.app.field("Vendor"), pyatspi.STATE_ENABLED), "the last results grey")

    def test_search_by_vendor_lists_every_block(self):
        self.app.focus("alt+v", "Vendor Name")
        self.app.keys("ctrl+a")
        self.app.type("tele-platforms")
        table = self.app.find(pyatspi.ROLE_TABLE, "Vendor table")
        expected = [["Block", "Addresses", "Registry", "Organization"],
                    ["70-B3-D5-5F-B0/36", "4,096", "MA-S", "TELEPLATFORMS"],
                    ["70-B3-D5-F2-F0/36", "4,096", "MA-S", "TELEPLATFORMS"]]
        self.assertEqual(expected, a11y.settle(lambda: a11y.table_cells(table), expected))


class VendorListUpdate(MacCase):
    def test_a_list_from_ieee_replaces_its_registry(self):
        folder = tempfile.mkdtemp(prefix="orvane-ieee-")
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        path = os.path.join(folder, "oui.csv")
        with open(path, "w", encoding="utf-8") as file:
            file.write("Registry,Assignment,Organization Name,Organization Address\n"
                       "MA-L,3C22FB,\"Kr\u00fcger, Test\",Somewhere\n")
        self.app.keys("alt+u")
        dialog = self.app.window_named("Update Vendor List")
        self.app.activate(dialog)
        self.app.keys("ctrl+a")
        self.app.type(path)
        self.app.keys("Return")
        a11y.wait_until(lambda: not a11y.is_showing(dialog), what="the file dialog to close")
        message = self.app.window_named("Update Vendor List")
        said = " ".join(label.name for label in a11y.find_all(message, pyatspi.ROLE_LABEL))
        self.assertIn("The vendor list now holds ", said)
        a11y.do_action(a11y.Finder(message).find(pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
        a11y.wait_until(lambda: not a11y.is_showing(message), what="OK to close the message")
        self.app.activate(self.app.window)  # there is no window manager to give it back
        self.paste("3c:22:fb:12:34:56")
        self.assertFlatReads({"Vendor": "Kr\u00fcger, Test 3C-22-FB/24, MA-L, 16,777,216 addresses"})


class InstalledVendorList(MacCase):
    """The program runs in a working directory of its own, as from the desktop menu: the
    vendors come from the registry installed with it (the package check runs this case)."""

    def test_a_vendor_from_the_installed_list(self):
        self.paste("3c:22:fb:12:34:56")
        self.assertFlatReads({"Vendor": APPLE})


class PastedIntoTheOUIField(AppCase):
    def test_a_pasted_mac_gives_its_oui_and_a_foreign_text_is_refused(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("OUI Finder")
        field = self.app.field("OUI")
        for pasted, shown in [("3C:22:FB:12:34:56", "3C22FB"), ("0x08005a", "08005A"), ("08:00:zz", "08005A")]:
            with self.subTest(pasted=pasted):
                hold_clipboard(self, pasted)
                self.app.click(field)  # Alt+O is the Options menu's as well
                a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what="the OUI field to have the focus")
                self.app.keys("ctrl+a", "ctrl+v")
                self.assertReads("OUI", shown)
