// SPDX-License-Identifier: MIT
#include "latency/LinkPresets.h"

#include <array>

namespace {
constexpr std::array<TLinkPreset, 28> Presets{{
    {"Ethernet 1 Gb/s", 1000, 0, "IEEE 802.3ab (1000BASE-T) and 802.3z: 1000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 2.5 Gb/s", 2500, 0, "IEEE 802.3bz (2.5GBASE-T): 2500 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 5 Gb/s", 5000, 0, "IEEE 802.3bz (5GBASE-T): 5000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 10 Gb/s", 10000, 0, "IEEE 802.3ae and 802.3an (10GBASE-T): 10000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 25 Gb/s", 25000, 0, "IEEE 802.3by: 25000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 40 Gb/s", 40000, 0, "IEEE 802.3ba: 40000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 50 Gb/s", 50000, 0, "IEEE 802.3cd: 50000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 100 Gb/s", 100000, 0, "IEEE 802.3ba: 100000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 200 Gb/s", 200000, 0, "IEEE 802.3bs: 200000 Mb/s nominal rate; 0 ms within a building"},
    {"Ethernet 400 Gb/s", 400000, 0, "IEEE 802.3bs: 400000 Mb/s nominal rate; 0 ms within a building"},
    {"Wi-Fi 5 typical", 866.7, 0,
     "IEEE 802.11ac, typical: 2 spatial streams, 80 MHz, MCS 9, short guard interval: 866.7 Mb/s; 0 ms within a building"},
    {"Wi-Fi 5 peak", 6933.3, 0,
     "IEEE 802.11ac, peak: 8 spatial streams, 160 MHz, MCS 9, short guard interval: 6933.3 Mb/s; 0 ms within a building"},
    {"Wi-Fi 6 typical", 1201, 0,
     "IEEE 802.11ax, typical: 2 spatial streams, 80 MHz, MCS 11, 0.8 us guard interval: 1201 Mb/s; 0 ms within a building"},
    {"Wi-Fi 6 peak", 9607.8, 0,
     "IEEE 802.11ax, peak: 8 spatial streams, 160 MHz, MCS 11, 0.8 us guard interval: 9607.8 Mb/s; 0 ms within a building"},
    {"Wi-Fi 7 typical", 2882.4, 0,
     "IEEE 802.11be, typical: 2 spatial streams, 160 MHz, MCS 13, 0.8 us guard interval: 2882.4 Mb/s; 0 ms within a building"},
    {"Wi-Fi 7 peak", 46118.4, 0,
     "IEEE 802.11be, peak: 16 spatial streams, 320 MHz, MCS 13, 0.8 us guard interval: 46118.4 Mb/s; 0 ms within a building"},
    {"LTE typical", 30, 10,
     "3GPP LTE, typical: 30 Mb/s downlink as operators' networks deliver (Category 4 peak 150 Mb/s); 10 ms radio access "
     "when loaded (3GPP TR 25.913 asks under 5 ms unloaded)"},
    {"5G typical", 200, 5,
     "3GPP 5G NR mid-band, typical: 200 Mb/s downlink (TR 38.913 peak 20 Gb/s); 5 ms radio access (TR 38.913 asks 4 ms "
     "for mobile broadband)"},
    {"DOCSIS 3.1 typical", 1000, 5,
     "CableLabs DOCSIS 3.1, typical: a 1000 Mb/s service tier (the standard reaches 10 Gb/s downstream); 5 ms typical "
     "access delay of a cable network"},
    {"GPON", 2488.32, 1, "ITU-T G.984.2: 2488.32 Mb/s downstream line rate, peak, shared by the splitter's users; 1 ms "
                         "for up to 20 km of fibre"},
    {"XGS-PON", 9953.28, 1, "ITU-T G.9807.1: 9953.28 Mb/s line rate each way, peak, shared by the splitter's users; 1 ms "
                            "for up to 20 km of fibre"},
    {"VDSL2 typical", 50, 8,
     "ITU-T G.993.2 profile 17a, typical: 50 Mb/s downstream on a short line (peak 100 Mb/s); 8 ms interleaving delay"},
    {"GEO satellite hop", 50, 239,
     "Geostationary, typical: 50 Mb/s consumer Ka-band service; 239 ms up to 35786 km and down again at the speed of "
     "light"},
    {"LEO satellite hop", 100, 4,
     "Low Earth orbit, typical: 100 Mb/s consumer service; 4 ms up to 550 km and down again at the speed of light, "
     "the satellite overhead"},
    {"T1/DS1", 1.544, 5, "ANSI T1.403: 1.544 Mb/s line rate; 5 ms, the T1 topology's own default"},
    {"E1", 2.048, 5, "ITU-T G.704: 2.048 Mb/s line rate; 5 ms, as for T1"},
    {"T3/DS3", 44.736, 5, "ANSI T1.107: 44.736 Mb/s line rate; 5 ms, the T3 topology's own default"},
    {"E3", 34.368, 5, "ITU-T G.751: 34.368 Mb/s line rate; 5 ms, as for T3"},
}};
}  // namespace

std::span<const TLinkPreset> LinkPresets() { return Presets; }
