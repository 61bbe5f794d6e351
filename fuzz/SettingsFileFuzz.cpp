// SPDX-License-Identifier: MIT
// The settings file reader on any bytes: what it keeps writes out and reads
// back as the same document, and writing that again gives the same text.
#include "app/SettingsText.h"
#include "fuzz/FuzzInput.h"
#include "platform/RegistryFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TRegDocument document = ParseRegistryFile(bytes);
  const std::string text = WriteRegistryFile(document);
  const TRegDocument again = ParseRegistryFile(text);
  FUZZ_CHECK(again == document);
  FUZZ_CHECK(WriteRegistryFile(again) == text);

  // The integers of the settings read back as written.
  const std::string whole(bytes);
  if (const auto number = ParseSettingInteger(whole)) FUZZ_CHECK(ParseSettingInteger(FormatSettingInteger(*number)) == number);
  return 0;
}
