# SPDX-License-Identifier: MIT
"""The running program as its cases meet it: a window to type into and click
on, read over the accessibility bus, and the base class of every case."""

import subprocess
import unittest

import pyatspi

import a11y
import xinput

# The calculators: their menu shortcut and the first page tab each one shows.
CALCULATORS = {
    "Radixer": ("ctrl+h", "Base Converter"),
    "Subnet": ("ctrl+i", "Address Info"),
    "Latency": ("ctrl+l", "Network Setup"),
    "Prefix": ("ctrl+p", "Address"),
}


class App:
    """The program under test, started on `desktop` (a session.Desktop)."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.input = xinput.Input(desktop.env)
        self.process = None
        self.application = None
        self.window = None
        self.finder = None

    def start(self):
        self.process = self.desktop.launch()
        try:
            self.application = a11y.application(self.process.pid)
        except AssertionError as error:
            state = "still runs" if self.process.poll() is None else f"ended with {self.process.returncode}"
            raise AssertionError(f"{error}; the program {state} and wrote: {self.desktop.log()!r}; "
                                 f"ended: {self.desktop.processes.ended()}") from None
        self.window = a11y.wait_until(
            lambda: a11y.find_all(self.application, pyatspi.ROLE_FRAME, "Orvane Calculator"), what="the main window")[0]
        self.finder = a11y.Finder(self.window)
        self.input.focus_window_of(self.process.pid)
        a11y.wait_until(lambda: a11y.has_state(self.window, pyatspi.STATE_ACTIVE), what="the main window to be active")

    def restart(self):
        """A fresh program with empty settings, for a case that needs the state after start-up."""
        self.stop()
        self.start()

    def stop(self):
        """Ends the program; returns what it wrote on its error output."""
        self.application = self.window = self.finder = None
        return self.desktop.quit()

    def close_other_windows(self):
        """Closes, with Escape, any window the program shows besides its main
        window (a message box left by a failed case); returns their names."""
        others = [w for w in a11y.children(self.application) if w != self.window and a11y.is_showing(w)]
        # Named while they exist: a closed tool tip leaves the accessibility bus.
        names = [a11y.describe(w) for w in others]
        for window, name in zip(others, names):
            self.keys("Escape")
            # A busy machine can hold a tool tip's Escape back for seconds.
            a11y.wait_until(lambda: a11y.is_closed(window), timeout=20, what=f"{name} to close")
        return names

    # --- finding -------------------------------------------------------------

    def find(self, role=None, name=None, **options):
        return self.finder.find(role, name, **options)

    def find_all(self, role=None, name=None, **options):
        return self.finder.find_all(role, name, **options)

    def field(self, name):
        """The showing control, not a label, named `name` that shows a text."""
        return self.finder.field(name)

    def read(self, name):
        return a11y.text(self.field(name))

    def window_named(self, name, timeout=a11y.DEFAULT_TIMEOUT):
        """The showing window of the program (a dialog, a message box) named `name`."""
        return a11y.wait_until(
            lambda: [w for w in a11y.children(self.application) if w.name == name and a11y.is_showing(w)],
            timeout, f"the window {name!r}")[0]

    def activate(self, window):
        """Gives the keyboard focus to `window` (a dialog of the program): there
        is no window manager to do it."""
        self.input.focus_window_named(self.process.pid, window.name)
        a11y.wait_until(lambda: a11y.has_state(window, pyatspi.STATE_ACTIVE), what=f"{a11y.describe(window)} to be active")

    def status(self):
        """What the status bar shows."""
        return self.find(pyatspi.ROLE_STATUS_BAR).name

    # --- doing -----------------------------------------------------------------

    def keys(self, *keys):
        self.input.key(*keys)

    def type(self, text):
        self.input.type(text)

    def focus(self, accelerator, name):
        """Moves the focus to the control named `name` with its label's accelerator.

        The next keys wait until the focus has arrived: while a screen reader
        listens, Qt hands each key to it first and delivers it afterwards, to
        the control that had the focus when the key was pressed.
        """
        self.keys(accelerator)
        control = self.find(name=name, where=lambda obj: not a11y.is_label(obj))
        a11y.wait_until(lambda: a11y.has_state(control, pyatspi.STATE_FOCUSED), what=f"{name!r} to have the focus")

    def click(self, obj, count=1):
        """Clicks the middle of `obj` on the screen."""
        x, y, width, height = a11y.extents(obj)
        self.input.click(x + width // 2, y + height // 2, count)

    def hover(self, obj):
        """Moves the mouse pointer over the middle of `obj`."""
        x, y, width, height = a11y.extents(obj)
        self.input.move(x + width // 2, y + height // 2)

    def replace_text(self, name, text):
        """Clicks into the field named `name`, replaces its whole text by typing
        `text` and leaves it with Tab."""
        field = self.field(name)
        self.click(field)
        a11y.wait_until(lambda: a11y.has_state(field, pyatspi.STATE_FOCUSED), what=f"{name!r} to have the focus")
        self.keys("ctrl+a")
        self.type(text)
        self.keys("Tab")

    def select_calculator(self, name):
        shortcut, first_page = CALCULATORS[name]
        self.keys(shortcut)
        self.find(pyatspi.ROLE_PAGE_TAB, first_page)

    def select_page(self, name):
        """Shows a page of the calculator shown, by clicking its tab."""
        tab = self.find(pyatspi.ROLE_PAGE_TAB, name)
        if not a11y.is_current_tab(tab):
            self.click(tab)
        a11y.wait_until(lambda: a11y.is_current_tab(tab), what=f"the page {name!r} to be shown")

    def enter_address(self, address):
        """Types `address` over the address shown, from the first field (selected by a
        double click, whatever had the focus before), and leaves the field."""
        self.click(self.find(pyatspi.ROLE_TEXT, "IP Address field 1"), count=2)
        self.type(address)
        self.keys("Tab")


class AppCase(unittest.TestCase):
    """A case against the one running program; each case sets up the state it reads."""

    app = None  # set by run.py before the cases run

    def setUp(self):
        left = self.app.close_other_windows()
        if left:
            print(f"\nclosed windows left open before {self.id()}: {left}")
        if not a11y.has_state(self.app.window, pyatspi.STATE_ACTIVE):
            self.app.activate(self.app.window)  # a dialog closed before took the keyboard focus with it

    def assertReads(self, name, expected):
        """The control named `name` comes to show `expected`."""
        read = a11y.settle(lambda: self.app.read(name), expected)
        self.assertEqual(expected, read, f"{name!r} reads {read!r}, expected {expected!r}")

    def assertAllRead(self, expected):
        """Each control named by a key of `expected` comes to show its value."""
        found = {name: self.app.field(name) for name in expected}
        read = a11y.settle(lambda: {name: a11y.text(obj) for name, obj in found.items()}, expected)
        self.assertEqual(expected, read, "the fields read differently than expected")


def hold_clipboard(case, text):
    """Puts `text` on the display's clipboard, held by an xclip that ends with `case`."""
    env = case.app.desktop.env
    holder = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"], stdin=subprocess.PIPE,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    case.addCleanup(holder.wait, 10)
    case.addCleanup(holder.terminate)
    holder.stdin.write(text.encode())
    holder.stdin.close()
    a11y.wait_until(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=env, capture_output=True,
                                           text=True, timeout=10).stdout == text,
                    what="the clipboard to hold the text")
