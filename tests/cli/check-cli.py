#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs orvane on every case of the golden files and compares what it prints,
its exit status and its message on standard error with the expected ones.

A case starts with "$ ARGUMENTS" ("{here}" in them is this folder); the lines up to the next case (trailing
blank lines left out) are its standard output, except "! TEXT", a line of
standard error, and "? N", the exit status (0 when absent). Output of a case
with --json must be valid JSON and is compared as data.

Then the cases no table states: a broken pipe, and the libraries the program
links (no graphical one).

The vendor list is one made from vendors.csv in this folder, with
make-vendor-registry, as the user's own.

Usage: check-cli.py ORVANE MAKE_VENDOR_REGISTRY GOLDEN_FILE...
"""
import json
import os
import resource
import shlex
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.abspath(sys.argv[1])
MAKE_VENDOR_REGISTRY = sys.argv[2]
GOLDEN = sys.argv[3:]


def read_cases(path):
    cases, case = [], None
    with open(path, encoding="utf-8") as golden:
        for number, line in enumerate(golden.read().splitlines(), 1):
            if line.startswith("$ "):
                args = [arg.replace("{here}", HERE) for arg in shlex.split(line[2:])]
                case = {"where": f"{path}:{number}", "args": args,
                        "out": [], "err": [], "status": 0}
                cases.append(case)
            elif line.startswith("#") and case is None:
                continue
            elif line.startswith("! "):
                case["err"].append(line[2:])
            elif line.startswith("? "):
                case["status"] = int(line[2:])
            else:
                case["out"].append(line)
    for case in cases:
        while case["out"] and not case["out"][-1]:
            case["out"].pop()
    return cases


# An empty working directory: no vendor list (OUI.txt) in it.
WORKING_DIRECTORY = tempfile.TemporaryDirectory()
WORKING = WORKING_DIRECTORY.name
DATA_HOME = os.path.join(WORKING, "data")


def make_vendor_list():
    """The user's vendor list from vendors.csv, dated 2026-12-01 (its file's date)."""
    listed = os.path.join(WORKING, "vendors.csv")
    with open(os.path.join(HERE, "vendors.csv"), "rb") as source, open(listed, "wb") as copy:
        copy.write(source.read())
    os.utime(listed, (1796083200, 1796083200))
    os.makedirs(os.path.join(DATA_HOME, "orvane-calculator"))
    subprocess.run([MAKE_VENDOR_REGISTRY, os.path.join(DATA_HOME, "orvane-calculator", "vendors.bin"), listed],
                   check=True, capture_output=True, timeout=20)


def run(args):
    return subprocess.run([PROGRAM, *args], capture_output=True, text=True, timeout=20, cwd=WORKING,
                          env={"PATH": "/usr/bin:/bin", "LANG": "C.UTF-8", "XDG_DATA_HOME": DATA_HOME})


def needed_libraries():
    """The shared libraries the program names in its dynamic section."""
    dynamic = subprocess.run(["readelf", "-d", PROGRAM], capture_output=True, text=True, timeout=20, check=True).stdout
    return [line.split("[")[1].rstrip("]") for line in dynamic.splitlines() if "(NEEDED)" in line]


class GoldenCases(unittest.TestCase):
    def test_every_case(self):
        for path in GOLDEN:
            for case in read_cases(path):
                with self.subTest(case=case["where"], args=case["args"]):
                    done = run(case["args"])
                    self.assertEqual(done.returncode, case["status"])
                    self.assertEqual(done.stderr.splitlines(), case["err"])
                    expected = "\n".join(case["out"]) + "\n" if case["out"] else ""
                    if "--json" in case["args"] and case["status"] == 0:
                        self.assertEqual(json.loads(done.stdout), json.loads(expected))
                    else:
                        self.assertEqual(done.stdout, expected)


class Streams(unittest.TestCase):
    def test_a_reader_that_goes_away_ends_it_quietly(self):
        with subprocess.Popen([PROGRAM, "split", "10.0.0.0/8", "/30", "--csv"], stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE) as program:
            self.assertEqual(program.stdout.readline(), b"number,prefix,first,last,broadcast,host_range\n")
            program.stdout.close()
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertEqual(program.stderr.read(), b"")

    def test_merge_keeps_only_what_it_has_merged(self):
        # 2^20 lines, each an address after the one before: one /12 in the end.
        # Held whole, they would take 48 MB as ranges; the run gets 32 MB of
        # address space in all.
        if "libasan" in " ".join(needed_libraries()):
            self.skipTest("the address sanitizer reserves more than that")
        lines = "".join(f"10.{i >> 16}.{i >> 8 & 255}.{i & 255}\n" for i in range(1 << 20))

        def limit():
            resource.setrlimit(resource.RLIMIT_AS, (32 << 20, 32 << 20))

        done = subprocess.run([PROGRAM, "merge", "--csv"], input=lines, capture_output=True, text=True, timeout=120,
                              preexec_fn=limit)
        self.assertEqual((done.returncode, done.stderr), (0, ""))
        self.assertEqual(done.stdout, "prefix,first,last\n10.0.0.0/12,10.0.0.0,10.15.255.255\n")

    def test_it_links_no_graphical_library(self):
        needed = needed_libraries()
        self.assertTrue(needed)
        for library in needed:
            self.assertNotRegex(library, r"Qt|X11|xcb|wayland|GL|fontconfig|freetype", library)


if __name__ == "__main__":
    make_vendor_list()
    unittest.main(argv=sys.argv[:1], verbosity=1)
