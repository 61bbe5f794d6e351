// SPDX-License-Identifier: MIT
// The vendor registry's file read from any bytes, in place as the program maps
// it: a damaged file is refused and never read beyond its end; a whole one
// writes back what it holds and finds every block of it.
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
  // Written in the current format: the same bytes when read in it, the same entries either way.
  const std::string written = registry->ToBytes();
  FUZZ_CHECK(written.substr(8, 4) != bytes.substr(8, 4) || written == bytes);
  const std::optional<TVendorRegistry> again = TVendorRegistry::FromBytes(written, error);
  FUZZ_CHECK(again && again->Entries() == registry->Entries());
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
