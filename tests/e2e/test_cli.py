# SPDX-License-Identifier: MIT
"""The command line beside the window: orvane answers each question as the
window shows it, box for box and row for row."""

import csv
import io
import json
import os
import re
import subprocess

import pyatspi

import a11y
from harness import AppCase

PREFIX_PAGES = {
    "Address": ["Canonical", "Full Form", "Integer", "Hexadecimal", "Binary", "Reverse DNS Name", "Kind", "Scope",
                "Embedded Address", "MAC Address (EUI-64)", "MAC Vendor", "Solicited-Node Address"],
    "Prefix": ["Network", "First Address", "Last Address", "Mask", "Wildcard Mask", "Broadcast", "Usable Hosts",
               "Number of Addresses", "Number of Addresses as a Power of Two", "Enclosing Prefixes"],
}
# The MAC Address page's boxes and orvane's keys for them.
MAC_BOXES = {"Notations": "notations", "Vendor": "vendor", "Bit-Swapped (Token Ring/FDDI)": "bit_swapped",
             "Bit-Swapped Vendor": "bit_swapped_vendor", "Individual/Group Bit": "group",
             "Universal/Local Bit": "local", "EUI-64": "eui64", "IPv6 Link-Local Address": "link_local"}
SUBNET_BOXES = ["Subnet Bits", "Mask Bits", "Subnet Mask", "Max # of Subnets", "Max # of Hosts/Subnet",
                "Subnet Host Address Range", "Subnet ID", "Subnet Broadcast"]


class CommandLine(AppCase):
    def orvane(self, *arguments):
        """What orvane prints, run beside the window's program in its working directory."""
        program = os.path.join(os.path.dirname(self.app.desktop.program), "orvane")
        return subprocess.run([program, *arguments], capture_output=True, text=True, check=True, timeout=20,
                              cwd=self.app.desktop.workdir).stdout

    def orvane_fields(self, *arguments):
        """The captioned answers of orvane's text, a list's lines joined."""
        fields, caption = {}, None
        for line in self.orvane(*arguments).split("\n\n")[0].splitlines():
            found = re.match(r"(\S.*?):  +(.*)$", line)
            if found:
                caption = found.group(1)
                fields[caption] = found.group(2)
            else:
                fields[caption] += line.strip()
        return fields

    def read_boxes(self, names, expected):
        return a11y.settle(lambda: {name: a11y.text(self.app.field(name)).replace("\n", "") for name in names},
                           expected)

    def test_prefix_calculator_and_ip(self):
        self.app.select_calculator("Prefix")
        for typed in ["10.1.2.3 255.255.252.0", "fe80::21b:63ff:fe84:45e6%eth0/64", "2002:c000:204::1/48"]:
            with self.subTest(typed=typed):
                fields = self.orvane_fields("ip", *typed.split())
                self.app.replace_text("Address or Prefix", typed)
                for page, names in PREFIX_PAGES.items():
                    self.app.select_page(page)
                    expected = {name: fields[name] for name in names}
                    self.assertEqual(expected, self.read_boxes(names, expected))

    def test_subnet_calculator_and_subnet(self):
        self.app.select_calculator("Subnet")
        self.app.enter_address("172.16.5.9")
        self.app.select_page("Subnet Info")
        self.app.focus("alt+b", "Mask Bits")
        for _ in range(3):  # a busy machine may part the keys of "20" too far for the list
            self.app.type("20")
            if a11y.settle(lambda: a11y.text(self.app.field("Mask Bits")), "20") == "20":
                break
        fields = self.orvane_fields("subnet", "172.16.5.9", "--mask-bits", "20")
        expected = {name: fields[name] for name in SUBNET_BOXES}
        self.assertEqual(expected, self.read_boxes(SUBNET_BOXES, expected))

        self.app.select_page("Subnets/Hosts")
        ends = a11y.settle(lambda: (a11y.text(self.app.field("From")), a11y.text(self.app.field("To"))), ("1", "14"))
        rows = list(csv.reader(io.StringIO(self.orvane("subnet", "172.16.5.9", "--mask-bits", "20", "--from", ends[0],
                                                        "--to", ends[1], "--csv"))))[1:]
        table = self.app.find(pyatspi.ROLE_TABLE, "Subnet and host table")
        a11y.settle(lambda: a11y.table_row_count(table), len(rows) + 1)
        self.assertEqual(rows, a11y.table_rows(table)[1:])

    def test_mac_address_page_and_mac(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("MAC")
        for typed in ["3c:22:fb:12:34:56", "3C-22-FB", "fe80::21b:63ff:fe84:45e6"]:
            with self.subTest(typed=typed):
                answers = json.loads(self.orvane("mac", typed, "--json"))
                # The page breaks long results where the window is narrow: compared as words.
                expected = {name: " ".join(answers[key].split()) for name, key in MAC_BOXES.items()}
                self.app.focus("alt+m", "MAC Address")
                self.app.keys("ctrl+a")
                self.app.type(typed)
                read = a11y.settle(lambda: {name: " ".join(a11y.text(self.app.field(name)).split())
                                            for name in MAC_BOXES}, expected)
                self.assertEqual(expected, read)
