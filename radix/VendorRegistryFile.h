// SPDX-License-Identifier: MIT
#pragma once
// The vendor registry's files: the one installed with the program, the one a
// user imports newer IEEE lists into, and the import itself.
#include <optional>
#include <string>
#include <vector>

#include "radix/VendorRegistry.h"

// Where the registry is looked for, the first readable one taken: the user's
// ($XDG_DATA_HOME, or ~/.local/share, /orvane-calculator/vendors.bin), then
// the one installed with the program, found from `programFolder` (the built
// program's data/vendors.bin, then the installed data folder's).
std::vector<std::string> VendorRegistryPlaces(const std::string& programFolder);
// The user's file, which an import writes.
std::string UserVendorRegistryPath();

// The registry in the file at `path`; nothing, with the reason in `error`.
std::optional<TVendorRegistry> LoadVendorRegistry(const std::string& path, std::string& error);
// The first of VendorRegistryPlaces that loads; nothing when none does.
std::optional<TVendorRegistry> LoadInstalledVendorRegistry(const std::string& programFolder);
// Written beside `path` and renamed over it, so that a failure leaves the
// file as it was; false, with the reason in `error`, when it cannot be.
bool SaveVendorRegistry(const TVendorRegistry& registry, const std::string& path, std::string& error);

// `current` with the registries of IEEE's lists in the files at `paths`
// replaced by theirs (a file of each registry); dated by the newest file.
// Nothing, with "FILE: line N: ..." in `error`, when a file cannot be read or is damaged.
std::optional<TVendorRegistry> ImportIeeeLists(const std::vector<TVendorEntry>& current,
                                               const std::vector<std::string>& paths, std::string& error);
