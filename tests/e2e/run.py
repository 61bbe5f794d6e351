#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Runs the end-to-end cases against the built program, on a private display
with its own session and accessibility buses.

    run.py PROGRAM [-k PATTERN]... [-v]

-k runs only the cases whose name contains PATTERN (as unittest's -k does).
"""

import argparse
import os
import signal
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source tree clean
import session  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program", help="the built orvane-calculator")
    parser.add_argument("-k", dest="patterns", action="append", help="run only cases matching this")
    parser.add_argument("-v", "--verbose", action="store_true", help="name each case as it runs")
    args = parser.parse_args()
    # Ended from outside (a test driver's timeout), the run still stops what it started;
    # unittest lets an interrupt through where it would catch an exit.
    for signum in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, _interrupt)

    with session.Desktop(args.program) as desktop:
        # The accessibility client reaches the buses named here, never the user's own.
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ.update({name: desktop.env[name] for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import harness

        app = harness.App(desktop)
        harness.AppCase.app = app
        app.start()
        loader = unittest.TestLoader()
        loader.testNamePatterns = [f"*{p}*" for p in args.patterns] if args.patterns else None
        suite = loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
        result = unittest.TextTestRunner(verbosity=2 if args.verbose else 1).run(suite)
        errors = app.stop()
        if not result.wasSuccessful() and errors:
            print("The program wrote:\n" + errors, file=sys.stderr)
    return 0 if result.wasSuccessful() else 1


def _interrupt(signum, frame):
    raise KeyboardInterrupt(signal.Signals(signum).name)


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt as interrupt:
        sys.exit(f"interrupted {interrupt}")
