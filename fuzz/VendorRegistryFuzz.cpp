// SPDX-License-Identifier: MIT
// The vendor registry's file read from any bytes, in place as the program maps
// it: a damaged file is refused and never read beyond its end; a whole one
// writes back the same bytes and finds every block it holds.
#include <optional>
#include <string>

#include "fuzz/FuzzInput.h"
#include "radix/VendorRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string error;
  const std::optional<TVendorRegistry> registry = TVendorRegistry::FromBytes(nullptr, bytes, error);
  FUZZ_CHECK(registry.has_value() == error.empty());
  if (!registry) return 0;
  FUZZ_CHECK(registry->ToBytes() == bytes);
  for (const TVendorEntry& entry : registry->Entries()) {
    const TVendorBlock listed{entry.Kind, entry.Prefix, entry.Organization};
    const std::optional<TVendorBlock> found = registry->Find(listed.Last());
    FUZZ_CHECK(found && found->First() <= listed.Last() && listed.Last() <= found->Last() &&
               found->Bits() >= listed.Bits());
    for (const TVendorBlock& block : registry->Search(entry.Organization.substr(0, 3)))
      FUZZ_CHECK(block.First() <= block.Last());
  }
  return 0;
}
