// SPDX-License-Identifier: MIT
#pragma once
// The vendor registry the program looks vendors up in: the user's imported
// one, else the one installed with the program; read on first use and kept
// for the run, until an import replaces it.
#include <cstdint>

#include "radix/VendorRegistry.h"

// Nothing when no registry is installed or readable.
const TVendorRegistry* CurrentVendorRegistry();
void ReplaceVendorRegistry(TVendorRegistry registry);
// Changes whenever the registry is replaced, so that what is made from it can be made again.
std::uint64_t VendorRegistryGeneration();
