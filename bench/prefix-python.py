#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Python's ipaddress over the lines of a file: ip_interface, .network and
.is_private for each. Prints the processor seconds the loop took, then the number of
private networks (bench/PrefixBench.cpp runs it beside the address core)."""
import ipaddress
import sys
import time

with open(sys.argv[1]) as f:
    lines = f.read().splitlines()
start = time.process_time()
private = 0
for line in lines:
    private += ipaddress.ip_interface(line).network.is_private
elapsed = time.process_time() - start
print(elapsed, private)
