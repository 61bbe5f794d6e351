#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Python's ipaddress.collapse_addresses over the prefixes of a file, one a
line, IPv4 and IPv6 apart (it takes one family at a time). Prints the processor
seconds the merge took, then the number of prefixes it gave
(bench/PrefixSetsBench.cpp runs it beside the address core)."""
import ipaddress
import sys
import time

with open(sys.argv[1]) as f:
    networks = [ipaddress.ip_network(line, strict=False) for line in f.read().splitlines()]
families = [[n for n in networks if n.version == v] for v in (4, 6)]
start = time.process_time()
merged = sum(len(list(ipaddress.collapse_addresses(family))) for family in families)
elapsed = time.process_time() - start
print(elapsed, merged)
