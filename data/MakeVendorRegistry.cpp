// SPDX-License-Identifier: MIT
// make-vendor-registry OUTPUT LIST...: writes the vendor registry installed
// with the program from IEEE's lists (CSV or text, one per registry).
#include <iostream>
#include <string>
#include <vector>

#include "radix/VendorRegistryFile.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make-vendor-registry OUTPUT LIST...\n";
    return 2;
  }
  std::string error;
  const std::optional<TVendorRegistry> registry = ImportIeeeLists({}, std::vector<std::string>(argv + 2, argv + argc), error);
  if (!registry || !SaveVendorRegistry(*registry, argv[1], error)) {
    std::cerr << "make-vendor-registry: " << error << '\n';
    return 1;
  }
  std::cout << "Wrote " << registry->Count() << " blocks of " << registry->Date() << " to " << argv[1] << '\n';
  return 0;
}
