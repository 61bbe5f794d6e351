# SPDX-License-Identifier: MIT
"""File, Save Table As: a table shown saved as CSV or JSON through the file dialog, and read back."""

import csv
import json
import os
import shutil
import tempfile

import pyatspi

import a11y
import test_latency
import test_radixer
from harness import AppCase

CAPTION = "Save Table As"


class SaveTable(AppCase):
    def setUp(self):
        super().setUp()
        self.folder = tempfile.mkdtemp(prefix="orvane-tables-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)

    def file_menu(self):
        """Opens the File menu with Alt+F and reads its items, leaving it open."""
        with a11y.PopupMenus(self.app.application) as popups:
            self.app.keys("alt+f")
            return dict(a11y.menu_items(popups.next("the File menu")))

    def answer_dialog(self, name):
        """Types the file's whole path into the file dialog and accepts it; returns the path."""
        dialog = self.app.window_named(CAPTION)
        self.app.activate(dialog)
        path = os.path.join(self.folder, name)
        self.app.keys("ctrl+a")
        self.app.type(path)
        self.app.keys("Return")
        a11y.wait_until(lambda: os.path.exists(path), what=f"{path} to be saved")
        return path

    def test_lookup_table_as_csv_from_the_shortcut(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.app.replace_text("To", "260")
        self.app.replace_text("From", "250")
        self.assertAllRead({"From": "250", "To": "260"})
        self.app.keys("ctrl+shift+s")
        path = self.answer_dialog("lookup.csv")
        with open(path, newline="", encoding="utf-8") as file:
            raw = file.read()
        self.assertTrue(raw.endswith("\r\n") and "\n" not in raw.replace("\r\n", ""), "CR LF line ends")
        rows = list(csv.reader(raw.splitlines()))
        self.assertEqual(12, len(rows), "the headings and rows 250 to 260")
        for number, cells in {0: test_radixer.LOOKUP_HEADINGS, 1: ["250", "FA", "11111010", "372"],
                              7: ["256", "0100", "0000000100000000", "000400"],
                              11: ["260", "0104", "0000000100000100", "000404"]}.items():
            self.assertEqual(cells, rows[number], f"row {number}")

    def test_statistics_as_json_from_the_menu(self):
        self.app.select_calculator("Latency")
        self.app.select_page("Latency Statistics")
        self.app.click(self.app.find(pyatspi.ROLE_RADIO_BUTTON, "Clt <- Svr"))
        self.app.activate(self.app.window)
        self.assertTrue(self.file_menu()["Save Table As..."], "Save Table As is enabled with a table shown")
        self.app.keys("s")
        path = self.answer_dialog("statistics.json")
        with open(path, encoding="utf-8") as file:
            saved = json.load(file)
        keys = test_latency.HEADINGS
        expected = [dict(zip(keys, [element, *figures]))
                    for element, figures in zip(test_latency.ELEMENTS, test_latency.DIRECTIONS["Clt <- Svr"])]
        self.assertEqual(expected, saved)

    def test_disabled_without_a_table_and_cancel_saves_nothing(self):
        self.app.select_calculator("Latency")
        self.app.select_page("Network Setup")
        self.assertFalse(self.file_menu()["Save Table As..."], "Save Table As without a table shown")
        self.app.keys("Escape", "Escape")
        self.app.select_page("Latency Statistics")
        self.app.activate(self.app.window)
        self.app.keys("ctrl+shift+s")
        dialog = self.app.window_named(CAPTION)
        self.app.activate(dialog)
        self.app.type(os.path.join(self.folder, "cancelled.csv"))
        self.app.keys("Escape")
        a11y.wait_until(lambda: a11y.is_closed(dialog) or not a11y.is_showing(dialog), what="the dialog to close")
        self.assertEqual([], os.listdir(self.folder))

    def test_cancel_while_saving_leaves_no_file(self):
        self.app.select_calculator("Radixer")
        self.app.select_page("Base Lookup")
        self.app.replace_text("From", "0")
        self.app.focus("alt+t", "To")
        self.app.keys("ctrl+a")
        self.app.type("4194303")
        self.app.keys("Tab")
        question = self.app.window_named("Are you sure?")
        a11y.do_action(a11y.Finder(question).find(pyatspi.ROLE_PUSH_BUTTON, "Yes"), "press", "click")
        a11y.wait_until(lambda: not a11y.is_showing(question), what="the question to close")
        self.assertAllRead({"From": "0", "To": "4194303"})
        self.app.activate(self.app.window)
        self.app.keys("ctrl+shift+s")
        dialog = self.app.window_named(CAPTION)
        self.app.activate(dialog)
        self.app.keys("ctrl+a")
        self.app.type(os.path.join(self.folder, "lookup.json"))
        self.app.keys("Return")
        # The save of about 500 MB takes seconds: time to press Cancel.
        progress = a11y.wait_until(
            lambda: [w for w in a11y.children(self.app.application) if w.name == CAPTION and a11y.is_showing(w)
                     and a11y.find_all(w, pyatspi.ROLE_PROGRESS_BAR)], what="the progress dialog")[0]
        a11y.do_action(a11y.Finder(progress).find(pyatspi.ROLE_PUSH_BUTTON, "Cancel"), "press", "click")
        a11y.wait_until(lambda: a11y.is_closed(progress) or not a11y.is_showing(progress),
                        what="the progress dialog to close")
        self.assertEqual([], os.listdir(self.folder))
        self.app.replace_text("To", "15")
