#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the address core against Python's ipaddress over seeded random inputs.

Usage: compare-with-ipaddress.py PROBE [COUNT]

Writes random addresses and prefixes of both families, in every form the input
line accepts, to the probe (tests/prefix/PrefixProbe.cpp), and compares each
line it prints with what ipaddress says of the same address and prefix, and
the merges, differences and ranges of random prefixes with what
collapse_addresses, address_exclude and summarize_address_range make of them.
"""
import ipaddress
import random
import subprocess
import sys

SEED = 18

# Blocks whose edges and insides the random addresses favour.
V4_BLOCKS = """0.0.0.0/8 10.0.0.0/8 100.64.0.0/10 127.0.0.0/8 169.254.0.0/16 172.16.0.0/12
192.0.0.0/24 192.0.2.0/24 192.88.99.0/24 192.168.0.0/16 198.18.0.0/15 198.51.100.0/24
203.0.113.0/24 224.0.0.0/4 240.0.0.0/4 255.255.255.255/32""".split()
V6_BLOCKS = """::/128 ::1/128 ::/96 ::ffff:0:0/96 64:ff9b::/96 100::/64 2000::/3 2001::/32
2001:2::/48 2001:db8::/32 2002::/16 fc00::/7 fe80::/10 ff00::/8""".split()

# Where Python releases disagree with each other or with IANA's registries
# on being globally reachable, the core follows the registries; not compared.
V4_GLOBAL_UNSETTLED = [ipaddress.ip_network("192.0.0.0/24")]
V6_GLOBAL_SETTLED = [ipaddress.ip_network(n) for n in
                     ("::/128", "::1/128", "100::/64", "2000::/3", "fc00::/7", "fe80::/10", "ff00::/8")]
V6_GLOBAL_UNSETTLED = [ipaddress.ip_network(n) for n in (
    "64:ff9b:1::/48", "2001::/23", "2002::/16", "3fff::/20")]


def random_address(rng, version):
    blocks = V4_BLOCKS if version == 4 else V6_BLOCKS
    width = 32 if version == 4 else 128
    if rng.random() < 0.3:
        return rng.getrandbits(width)
    net = ipaddress.ip_network(rng.choice(blocks))
    first = int(net.network_address)
    last = int(net.broadcast_address)
    value = rng.choice([first, last, first - 1, last + 1, rng.randint(first, last)])
    return value % (1 << width)


def v4_text(rng, value, length):
    address = str(ipaddress.IPv4Address(value))
    form = rng.choice(["plain", "slash", "mask", "wildcard", "slashmask", "integer", "hex"])
    if form == "integer":
        address = str(value)
    elif form == "hex":
        address = "0x%08x" % value
    mask = ipaddress.ip_network((0, length)).netmask
    if form == "plain" and length == 32:
        suffix = ""
    elif form == "mask":
        suffix = " %s" % mask
    elif form == "wildcard" and 0 < length < 32:  # at /0 and /32 a wildcard reads as a mask
        suffix = " %s" % ipaddress.ip_network((0, length)).hostmask
    elif form == "slashmask":
        suffix = "/%s" % mask
    else:
        suffix = "/%d" % length
    return address + suffix


def v6_text(rng, value, length):
    a = ipaddress.IPv6Address(value)
    form = rng.choice(["compressed", "exploded", "upper", "bracketed", "mixed", "integer", "hex"])
    if form == "compressed":
        address = str(a)
    elif form == "exploded":
        address = a.exploded
    elif form == "upper":
        address = str(a).upper()
    elif form == "bracketed":
        address = "[%s]" % a
    elif form == "mixed":
        address = "%s:%s" % (a.exploded[:29], ipaddress.IPv4Address(value & 0xFFFFFFFF))
    elif form == "integer" and value > 0xFFFFFFFF:
        address = str(value)
    else:
        address = "0x%032x" % value
    suffix = "" if length == 128 and rng.random() < 0.5 else "/%d" % length
    return address + suffix


def canonical(a):
    # RFC 5952 writes an IPv4-mapped address in mixed notation.
    if a.version == 6 and a.ipv4_mapped:
        return "::ffff:%s" % a.ipv4_mapped
    return str(a)


def in_any(a, nets):
    return any(a in n for n in nets)


def expected_facts(a, n):
    width = 32 if a.version == 4 else 128
    mapped = a.version == 6 and a.ipv4_mapped is not None
    if a.version == 4:
        global_settled = not in_any(a, V4_GLOBAL_UNSETTLED)
    else:
        global_settled = not mapped and in_any(a, V6_GLOBAL_SETTLED) and not in_any(a, V6_GLOBAL_UNSETTLED)

    def flag(value, settled=True):
        return ("1" if value else "0") if settled else None

    teredo = a.version == 6 and a.teredo
    return [
        str(a.version), canonical(a), a.exploded, str(int(a)), "0x%0*x" % (width // 4, int(a)),
        a.reverse_pointer, "%s/%d" % (canonical(n.network_address), n.prefixlen),
        canonical(n.broadcast_address), canonical(n.netmask), canonical(n.hostmask), str(n.num_addresses),
        # Newer releases judge an IPv4-mapped address by its IPv4 address.
        flag(a.is_multicast, not mapped), flag(a.is_loopback, not mapped), flag(a.is_link_local, not mapped),
        flag(a.is_unspecified), flag(a.is_global, global_settled),
        str(a.ipv4_mapped) if mapped else "-",
        str(a.sixtofour) if a.version == 6 and a.sixtofour else "-",
        "%s %s" % teredo if teredo else "-",
    ]


def split_case(rng):
    version = rng.choice([4, 6])
    width = 32 if version == 4 else 128
    length = rng.randint(0, width)
    network_class = ipaddress.IPv4Network if version == 4 else ipaddress.IPv6Network
    net = network_class((random_address(rng, version), length), strict=False)
    subnet_length = rng.randint(length, width)
    count = 1 << (subnet_length - length)
    if count <= 256:
        rows = list(net.subnets(new_prefix=subnet_length))
        k = rng.randrange(count + 1)
        row = rows[k] if k < count else None
    else:
        k = rng.choice([0, count - 1, count, rng.randrange(count)])
        row = None
        if k < count:
            row = network_class((int(net.network_address) + k * (1 << (width - subnet_length)), subnet_length))
            assert row.subnet_of(net)
    line = "split %s %d %d" % (net, subnet_length, k + 1)
    expected = ["%s/%d" % (canonical(row.network_address), subnet_length) if row else "-", str(count)]
    return line, expected


def random_network(rng, version, within=None):
    width = 32 if version == 4 else 128
    network_class = ipaddress.IPv4Network if version == 4 else ipaddress.IPv6Network
    if within is None:
        return network_class((random_address(rng, version), rng.randint(0, width)), strict=False)
    length = rng.randint(within.prefixlen, min(width, within.prefixlen + 12))
    offset = rng.getrandbits(width - within.prefixlen) if width > within.prefixlen else 0
    return network_class((int(within.network_address) + offset, length), strict=False)


def prefixes_text(networks):
    return " ".join("%s/%d" % (canonical(n.network_address), n.prefixlen) for n in networks)


def set_case(rng):
    kind = rng.choice(["merge", "exclude", "range"])
    if kind == "merge":
        # Small areas of each family, so that neighbours and overlaps are common.
        areas = {v: random_network(rng, v) for v in (4, 6)}
        areas = {v: n if n.prefixlen < (28 if v == 4 else 124) else n.supernet(new_prefix=20 if v == 4 else 116)
                 for v, n in areas.items()}
        nets = [random_network(rng, v, areas[v]) for v in (4, 6) for _ in range(rng.randint(0, 12))]
        rng.shuffle(nets)
        merged = [n for v in (4, 6) for n in ipaddress.collapse_addresses(x for x in nets if x.version == v)]
        return "merge " + " ".join(map(str, nets)), [prefixes_text(merged)]
    version = rng.choice([4, 6])
    if kind == "exclude":
        net = random_network(rng, version)
        sub = random_network(rng, version, net)
        return "exclude %s %s" % (net, sub), [prefixes_text(sorted(net.address_exclude(sub)))]
    width = 32 if version == 4 else 128
    ends = sorted([random_address(rng, version), random_address(rng, version)])
    if rng.random() < 0.1:
        ends = [0, (1 << width) - 1]
    address_class = ipaddress.IPv4Address if version == 4 else ipaddress.IPv6Address
    first, last = address_class(ends[0]), address_class(ends[1])
    return "range %s %s" % (first, last), [prefixes_text(ipaddress.summarize_address_range(first, last))]


def main():
    probe = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 4000
    rng = random.Random(SEED)
    lines, expectations = [], []
    for i in range(count):
        if i % 5 == 4:
            line, expected = split_case(rng)
        elif i % 5 == 3:
            line, expected = set_case(rng)
        else:
            version = rng.choice([4, 6])
            width = 32 if version == 4 else 128
            value = random_address(rng, version)
            length = rng.randint(0, width)
            text = (v4_text if version == 4 else v6_text)(rng, value, length)
            line = " " * rng.randint(0, 2) + text + " " * rng.randint(0, 2)
            interface_class = ipaddress.IPv4Interface if version == 4 else ipaddress.IPv6Interface
            iface = interface_class((value, length))
            expected = expected_facts(iface.ip, iface.network)
        lines.append(line)
        expectations.append(expected)

    out = subprocess.run([probe], input="\n".join(lines) + "\n", capture_output=True, text=True, timeout=120)
    if out.returncode != 0:
        print("probe failed:", out.stderr)
        return 1
    results = out.stdout.splitlines()
    if len(results) != len(lines):
        print("probe printed %d lines for %d inputs" % (len(results), len(lines)))
        return 1
    failures = 0
    for line, expected, result in zip(lines, expectations, results):
        got = result.split("\t")
        wrong = [(i, e, g) for i, (e, g) in enumerate(zip(expected, got)) if e is not None and e != g]
        if len(got) != len(expected) or wrong:
            failures += 1
            if failures <= 20:
                print("input %r:\n  expected %s\n  got      %s\n  fields %s" % (line, expected, got, wrong))
    print("%d inputs, %d disagree" % (len(lines), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
