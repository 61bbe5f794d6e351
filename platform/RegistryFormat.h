// SPDX-License-Identifier: MIT
#pragma once
// The registry editor's text export format ("Windows Registry Editor Version 5.00"),
// read and written as a document of keys holding typed values. Values keep the
// registry's own form: a type code and raw data (strings as UTF-16LE with their
// terminating NUL, double words as four little-endian bytes), so a value of a type
// the program does not use survives a rewrite unchanged.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

enum : std::uint32_t { REG_NONE = 0, REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4 };

struct TRegValue {
  std::uint32_t Type = REG_NONE;
  std::vector<std::uint8_t> Data;
  bool operator==(const TRegValue&) const = default;
};

// rdString, rdInteger, rdBinary for REG_SZ, REG_DWORD, REG_BINARY; rdUnknown otherwise.
TRegDataType DataTypeOf(const TRegValue& value);

// Builders and readers of the three types the program uses.
TRegValue RegStringValue(std::u16string_view text);
TRegValue RegDWordValue(std::uint32_t number);
TRegValue RegBinaryValue(std::vector<std::uint8_t> data);
// The text of a string value up to its first NUL (an odd trailing byte is ignored).
std::u16string RegStringText(const TRegValue& value);

class TRegDocument {
 public:
  // Paths and names are UTF-8.
  struct TKey {
    std::string Path;  // full path as first written, "HKEY_CURRENT_USER\Software\..."
    std::vector<std::pair<std::string, TRegValue>> Values;  // name "" is the default value
    bool operator==(const TKey&) const = default;
  };

  // Key paths and value names are compared without regard to (ASCII) case, as the
  // registry does. A key implies its ancestors: adding one adds them too.
  bool HasKey(std::string_view path) const;
  const TKey* FindKey(std::string_view path) const;
  // False when the path is no valid key name (an empty component, a line break,
  // text that is not UTF-8).
  bool AddKey(std::string_view path);
  const TRegValue* FindValue(std::string_view path, std::string_view name) const;
  // Adds the key when absent; keeps the spelling of an existing value's name.
  // False when the path or the name cannot be stored (as for AddKey).
  bool SetValue(std::string_view path, std::string_view name, TRegValue value);

  const std::vector<TKey>& Keys() const { return KeyList; }
  bool operator==(const TRegDocument& other) const { return KeyList == other.KeyList; }

 private:
  TKey* MutableKey(std::string_view path);

  std::vector<TKey> KeyList;               // in file order
  std::map<std::string, std::size_t> Index;  // folded path -> position in KeyList
};

// Reads a file's bytes: UTF-8 with or without a byte-order mark, or UTF-16LE with
// one. Lines that cannot be read are skipped; whatever else is there is kept.
TRegDocument ParseRegistryFile(std::string_view bytes);

// The document as UTF-8 text with CR LF line ends, hex data wrapped at 80 columns.
std::string WriteRegistryFile(const TRegDocument& document);

// ---- One key of a large file ----------------------------------------------
// The file may hold many keys of other programs, huge values and damaged text.
// The program reads and rewrites only the sections of the key it opens (a section
// runs from its "[path]" line to the next such line), found by a scan that reads
// no values, and keeps every other byte of the file as it was. CR LF, LF and a
// lone CR all end a line.

// The text of a UTF-16LE file with a byte-order mark, as UTF-8; nothing for any
// other file, whose bytes are read as they are.
std::optional<std::string> Utf16FileText(std::string_view bytes);

// True when `path` is `root` or a key below it.
bool IsRegistryKeyAtOrBelow(std::string_view path, std::string_view root);

struct TRegKeySections {
  std::string Path;  // the key's full path, as asked for
  std::vector<std::pair<std::size_t, std::size_t>> Spans;    // [begin, end) of the key's own sections
  std::vector<std::pair<std::size_t, std::size_t>> Subtree;  // of the key's and those of the keys below it
  std::vector<std::string> Unsectioned;  // the key's ancestors without a section of their own, root first
  bool Exists = false;                   // the key, or a key below it, has a section
};
TRegKeySections FindRegistryKey(std::string_view text, std::string_view path);

// The text of the spans, joined in their order. The key's subtree, joined, reads
// for the key and every key below it as the whole file does.
std::string JoinedSpans(std::string_view text, const std::vector<std::pair<std::size_t, std::size_t>>& spans);

// The keys' values, read from their own sections alone.
TRegDocument ParseRegistryKeys(std::string_view text, const std::vector<TRegKeySections>& keys);

// The text of the file with the sections of each of `keys` replaced by one section
// holding that key's values in `document`: in the place of its first section or,
// for a key that has none, appended after sections for its missing ancestors. The
// result comes as pieces to be written in order: views into `text` and into
// `storage`. Nothing when the file would not change.
std::optional<std::vector<std::string_view>> ReplaceRegistryKeys(std::string_view text,
                                                                 const std::vector<TRegKeySections>& keys,
                                                                 const TRegDocument& document, std::string& storage);
