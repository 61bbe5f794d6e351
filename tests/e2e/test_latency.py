"""The latency calculator's statistics for the sample chain it starts with."""

import pyatspi

import a11y
from harness import AppCase

HEADINGS = ["Network Element", "Delay (sec)", "Percent"]
ELEMENTS = [
    "Client (64 B pkt.)",
    "Ethernet (10 Mbps)",
    "FDDI (100 Mbps)",
    "Frame Relay (1.544 Mbps, 5 ms prop. delay)",
    "Token Ring (16 Mbps)",
    "Server (1024 B pkt., 1 ms proc. time)",
    "Totals:",
]

# Per direction: each element's delay and share, then the totals row.
DIRECTIONS = {
    "Clt -> Svr": [("0.0000000", "0.0%"), ("0.0000672", "1.2%"), ("0.0000051", "0.1%"), ("0.0053316", "98.1%"),
                   ("0.0000320", "0.6%"), ("0.0000000", "0.0%"), ("0.0054359", "100.0%")],
    "Clt <- Svr": [("0.0000000", "0.0%"), ("0.0008352", "6.6%"), ("0.0000819", "0.6%"), ("0.0103057", "80.9%"),
                   ("0.0005120", "4.0%"), ("0.0010000", "7.9%"), ("0.0127348", "100.0%")],
    "Clt <-> Svr": [("0.0000000", "0.0%"), ("0.0009024", "6.9%"), ("0.0000870", "0.7%"), ("0.0106373", "80.8%"),
                    ("0.0005440", "4.1%"), ("0.0010000", "7.6%"), ("0.0131707", "100.0%")],
}


class LatencyStatistics(AppCase):
    def setUp(self):
        super().setUp()
        self.app.select_calculator("Latency")
        self.app.select_page("Latency Statistics")

    def test_sample_chain_in_each_direction(self):
        table = self.app.find(pyatspi.ROLE_TABLE)
        for direction, figures in DIRECTIONS.items():
            with self.subTest(direction=direction):
                self.app.click(self.app.find(pyatspi.ROLE_RADIO_BUTTON, direction))
                expected = [HEADINGS] + [[element, *row] for element, row in zip(ELEMENTS, figures)]
                self.assertEqual(expected, a11y.settle(lambda: a11y.table_cells(table), expected))
