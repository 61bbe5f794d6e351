// SPDX-License-Identifier: MIT
#include "platform/RegistryFormat.h"

#include <algorithm>
#include <optional>

#include "platform/Utf8.h"

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view LineEnd = "\r\n";
constexpr char32_t Replacement = 0xFFFD;
constexpr std::size_t HexLineWidth = 80;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// ---- Unicode -------------------------------------------------------------

// Decodes the code point at `pos` and advances past it; an invalid sequence
// (overlong, surrogate, beyond U+10FFFF, cut short) gives U+FFFD for its first byte.
char32_t NextUtf8(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t length;
  char32_t c;
  char32_t minimum;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return Replacement;
  }
  if (pos + length > s.size()) {
    ++pos;
    return Replacement;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(s[pos + k]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return Replacement;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return Replacement;
  }
  pos += length;
  return c;
}

bool IsUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t start = pos;
    if (NextUtf8(s, pos) == Replacement && pos == start + 1) return false;
  }
  return true;
}

std::string SanitisedUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) AppendUtf8(out, NextUtf8(bytes, pos));
  return out;
}

// Decodes UTF-16 code units; an unpaired surrogate gives U+FFFD.
template <typename Unit>
std::string Utf16ToUtf8(std::size_t count, Unit unitAt) {
  std::string out;
  for (std::size_t k = 0; k < count; ++k) {
    const char32_t u = unitAt(k);
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < count && unitAt(k + 1) >= 0xDC00 && unitAt(k + 1) <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00));
      ++k;
    } else {
      AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? Replacement : u);
    }
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextUtf8(text, pos);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string DecodedText(std::string_view bytes) {
  if (auto text = Utf16FileText(bytes)) return std::move(*text);
  if (bytes.starts_with(Utf8Bom)) bytes.remove_prefix(Utf8Bom.size());
  return SanitisedUtf8(bytes);
}

std::uint16_t UnitAt(const std::vector<std::uint8_t>& data, std::size_t k) {
  return static_cast<std::uint16_t>(data[2 * k] | (data[2 * k + 1] << 8));
}

// The text of a string value when it can be written between quotes on one line:
// NUL-terminated UTF-16 with no other NUL, no line break and no unpaired surrogate.
std::optional<std::string> QuotableText(const TRegValue& value) {
  const std::size_t count = value.Data.size() / 2;
  if (value.Type != REG_SZ || value.Data.size() % 2 != 0 || count == 0 || UnitAt(value.Data, count - 1) != 0)
    return std::nullopt;
  for (std::size_t k = 0; k + 1 < count; ++k) {
    const std::uint16_t u = UnitAt(value.Data, k);
    if (u == 0 || u == '\r' || u == '\n') return std::nullopt;
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (k + 2 >= count || UnitAt(value.Data, k + 1) < 0xDC00 || UnitAt(value.Data, k + 1) > 0xDFFF)
        return std::nullopt;
      ++k;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return std::nullopt;
    }
  }
  return Utf16ToUtf8(count - 1, [&](std::size_t k) { return static_cast<char32_t>(UnitAt(value.Data, k)); });
}

// ---- Names ---------------------------------------------------------------

char FoldedChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = FoldedChar(c);
  return out;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldedChar(x) == FoldedChar(y); });
}

// What a line of the file can hold: UTF-8 without a line break.
bool IsWritableText(std::string_view s) { return s.find_first_of("\r\n") == std::string_view::npos && IsUtf8(s); }

// A key path but for its text being UTF-8 (which reading gets by replacing what
// is not): components separated by single backslashes, none empty, no line break;
// a leading '-' is the export format's deletion mark, never a key.
bool HasKeyPathShape(std::string_view path) {
  return !path.empty() && path.front() != '-' && path.front() != '\\' && path.back() != '\\' &&
         path.find_first_of("\r\n") == std::string_view::npos && path.find("\\\\") == std::string_view::npos;
}

bool IsKeyPath(std::string_view path) { return HasKeyPathShape(path) && IsUtf8(path); }

// ---- Reading -------------------------------------------------------------

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
  }
  return lines;
}

// Reads a quoted text starting at s[pos] == '"', undoing the \\ and \" escapes; a
// backslash before any other character stands for itself. Leaves `pos` after the
// closing quote. Nothing when the quote is not closed.
std::optional<std::string> QuotedText(std::string_view s, std::size_t& pos) {
  std::string out;
  for (++pos; pos < s.size(); ++pos) {
    if (s[pos] == '"') {
      ++pos;
      return out;
    }
    if (s[pos] == '\\' && pos + 1 < s.size() && (s[pos + 1] == '\\' || s[pos + 1] == '"')) ++pos;
    out += s[pos];
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (char c : digits) {
    if (HexDigit(c) < 0) return std::nullopt;
    number = (number << 4) | static_cast<std::uint32_t>(HexDigit(c));
  }
  return number;
}

// "11,22,ab": bytes of two (or one) hex digits separated by commas; empty for no bytes.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view list) {
  std::vector<std::uint8_t> bytes;
  list = Trimmed(list);
  while (!list.empty()) {
    const auto comma = list.find(',');
    const auto byte = HexNumber(Trimmed(list.substr(0, comma)), 2);
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(*byte));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
    if (Trimmed(list).empty()) return std::nullopt;  // a list cut after its comma
  }
  return bytes;
}

bool StartsWithFolded(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && Folded(s.substr(0, prefix.size())) == prefix;
}

std::optional<TRegValue> ParsedData(std::string_view data) {
  if (data.starts_with('"')) {
    std::size_t pos = 0;
    const auto text = QuotedText(data, pos);
    if (!text || !Trimmed(data.substr(pos)).empty()) return std::nullopt;
    return RegStringValue(Utf8ToUtf16(*text));
  }
  if (StartsWithFolded(data, "dword:")) {
    const auto number = HexNumber(Trimmed(data.substr(6)), 8);
    if (!number) return std::nullopt;
    return RegDWordValue(*number);
  }
  if (!StartsWithFolded(data, "hex")) return std::nullopt;
  data.remove_prefix(3);
  std::uint32_t type = REG_BINARY;
  if (data.starts_with('(')) {
    const auto close = data.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    const auto code = HexNumber(data.substr(1, close - 1), 8);
    if (!code) return std::nullopt;
    type = *code;
    data.remove_prefix(close + 1);
  }
  if (!data.starts_with(':')) return std::nullopt;
  const auto bytes = HexBytes(data.substr(1));
  if (!bytes) return std::nullopt;
  return TRegValue{type, *bytes};
}

// Parses the value line at lines[index], joining the continuation lines of hex
// data (a line ending in '\' followed by a line of hex digits), and stores it.
void ParseValueLine(const std::vector<std::string_view>& lines, std::size_t& index, const std::string& key,
                    TRegDocument& document) {
  const std::string_view line = Trimmed(lines[index]);
  std::size_t pos = 0;
  std::string name;
  if (line.starts_with('@')) {
    pos = 1;
  } else {
    auto quoted = QuotedText(line, pos);
    if (!quoted) return;
    name = std::move(*quoted);
  }
  const std::string_view rest = Trimmed(line.substr(pos));
  if (!rest.starts_with('=')) return;
  std::string data(Trimmed(rest.substr(1)));
  if (StartsWithFolded(data, "hex")) {
    while (data.ends_with('\\') && index + 1 < lines.size()) {
      const std::string_view next = Trimmed(lines[index + 1]);
      if (next.empty() || HexDigit(next.front()) < 0) break;
      data.pop_back();
      data += next;
      ++index;
    }
    if (data.ends_with('\\')) return;  // cut off before its continuation
  }
  if (auto value = ParsedData(data)) document.SetValue(key, name, std::move(*value));
}

// ---- Writing -------------------------------------------------------------

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

constexpr char HexDigits[] = "0123456789abcdef";

void AppendHexData(std::string& out, std::string line, const std::vector<std::uint8_t>& bytes) {
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    // room for "xx," and the continuation mark
    if (line.size() + 4 > HexLineWidth) {
      out += line;
      out += '\\';
      out += LineEnd;
      line = "  ";
    }
    line += HexDigits[bytes[k] >> 4];
    line += HexDigits[bytes[k] & 0xF];
    if (k + 1 < bytes.size()) line += ',';
  }
  out += line;
  out += LineEnd;
}

void AppendValue(std::string& out, const std::string& name, const TRegValue& value) {
  std::string line = name.empty() ? std::string("@=") : '"' + Escaped(name) + "\"=";
  if (const auto text = QuotableText(value)) {
    out += line + '"' + Escaped(*text) + '"';
    out += LineEnd;
  } else if (value.Type == REG_DWORD && value.Data.size() == 4) {
    line += "dword:";
    for (std::size_t k = 4; k-- > 0;) {
      line += HexDigits[value.Data[k] >> 4];
      line += HexDigits[value.Data[k] & 0xF];
    }
    out += line;
    out += LineEnd;
  } else {
    if (value.Type == REG_BINARY) {
      line += "hex:";
    } else {
      line += "hex(";
      std::string code;
      for (std::uint32_t t = value.Type; code.empty() || t != 0; t >>= 4) code.insert(code.begin(), HexDigits[t & 0xF]);
      line += code + "):";
    }
    AppendHexData(out, std::move(line), value.Data);
  }
}

void AppendSection(std::string& out, const TRegDocument::TKey& key) {
  out += '[' + key.Path + ']';
  out += LineEnd;
  for (const auto& [name, value] : key.Values) AppendValue(out, name, value);
  out += LineEnd;
}

}  // namespace

TRegDataType DataTypeOf(const TRegValue& value) {
  switch (value.Type) {
    case REG_SZ: return TRegDataType::rdString;
    case REG_DWORD: return TRegDataType::rdInteger;
    case REG_BINARY: return TRegDataType::rdBinary;
    default: return TRegDataType::rdUnknown;
  }
}

TRegValue RegStringValue(std::u16string_view text) {
  TRegValue value{REG_SZ, {}};
  value.Data.reserve(2 * text.size() + 2);
  for (char16_t u : text) {
    value.Data.push_back(static_cast<std::uint8_t>(u & 0xFF));
    value.Data.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  value.Data.insert(value.Data.end(), {0, 0});
  return value;
}

TRegValue RegDWordValue(std::uint32_t number) {
  return {REG_DWORD,
          {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
           static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

TRegValue RegBinaryValue(std::vector<std::uint8_t> data) { return {REG_BINARY, std::move(data)}; }

std::u16string RegStringText(const TRegValue& value) {
  std::u16string text;
  for (std::size_t k = 0; k < value.Data.size() / 2; ++k) {
    const std::uint16_t u = UnitAt(value.Data, k);
    if (u == 0) break;
    text += static_cast<char16_t>(u);
  }
  return text;
}

const TRegDocument::TKey* TRegDocument::FindKey(std::string_view path) const {
  const auto found = Index.find(Folded(path));
  return found == Index.end() ? nullptr : &KeyList[found->second];
}

TRegDocument::TKey* TRegDocument::MutableKey(std::string_view path) {
  return const_cast<TKey*>(std::as_const(*this).FindKey(path));
}

bool TRegDocument::HasKey(std::string_view path) const { return FindKey(path) != nullptr; }

bool TRegDocument::AddKey(std::string_view path) {
  if (!IsKeyPath(path)) return false;
  for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
    const std::string_view prefix = path.substr(0, end);
    if (!HasKey(prefix)) {
      Index.emplace(Folded(prefix), KeyList.size());
      KeyList.push_back({std::string(prefix), {}});
    }
    if (end == std::string_view::npos) return true;
  }
}

const TRegValue* TRegDocument::FindValue(std::string_view path, std::string_view name) const {
  const TKey* key = FindKey(path);
  if (!key) return nullptr;
  const auto found = std::find_if(key->Values.begin(), key->Values.end(),
                                  [&](const auto& entry) { return SameName(entry.first, name); });
  return found == key->Values.end() ? nullptr : &found->second;
}

bool TRegDocument::SetValue(std::string_view path, std::string_view name, TRegValue value) {
  if (!IsWritableText(name) || !AddKey(path)) return false;
  auto& values = MutableKey(path)->Values;
  const auto found =
      std::find_if(values.begin(), values.end(), [&](const auto& entry) { return SameName(entry.first, name); });
  if (found != values.end())
    found->second = std::move(value);
  else
    values.emplace_back(std::string(name), std::move(value));
  return true;
}

TRegDocument ParseRegistryFile(std::string_view bytes) {
  const std::string text = DecodedText(bytes);
  const std::vector<std::string_view> lines = Lines(text);
  TRegDocument document;
  std::string key;  // empty while outside a readable key section
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string_view line = Trimmed(lines[index]);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.rfind(']');
      key.clear();
      if (close == line.size() - 1 && document.AddKey(line.substr(1, close - 1))) key = line.substr(1, close - 1);
    } else if (!key.empty()) {
      ParseValueLine(lines, index, key, document);
    }
  }
  return document;
}

std::string WriteRegistryFile(const TRegDocument& document) {
  std::string out(Header);
  out += LineEnd;
  out += LineEnd;
  for (const auto& key : document.Keys()) AppendSection(out, key);
  return out;
}

std::optional<std::string> Utf16FileText(std::string_view bytes) {
  if (!bytes.starts_with("\xFF\xFE")) return std::nullopt;
  const std::string_view units = bytes.substr(2);
  return Utf16ToUtf8(units.size() / 2, [&](std::size_t k) {
    return static_cast<char32_t>(static_cast<unsigned char>(units[2 * k]) |
                                 (static_cast<unsigned char>(units[2 * k + 1]) << 8));
  });
}

bool IsRegistryKeyAtOrBelow(std::string_view path, std::string_view root) {
  return path.size() >= root.size() && SameName(path.substr(0, root.size()), root) &&
         (path.size() == root.size() || path[root.size()] == '\\');
}

TRegKeySections FindRegistryKey(std::string_view text, std::string_view path) {
  TRegKeySections found;
  found.Path = path;
  if (!IsKeyPath(path)) return found;
  std::vector<std::string_view> ancestors;
  for (auto end = path.find('\\'); end != std::string_view::npos; end = path.find('\\', end + 1))
    ancestors.push_back(path.substr(0, end));
  std::vector<bool> sectioned(ancestors.size());
  const std::size_t start = text.starts_with(Utf8Bom) ? Utf8Bom.size() : 0;
  // Where the next CR and LF are: each is searched for again only once passed,
  // so a file without one of them is not searched to its end at every line.
  std::size_t nextCr = text.find('\r', start);
  std::size_t nextLf = text.find('\n', start);
  bool inKey = false;
  bool inSubtree = false;
  for (auto pos = text.find('[', start); pos != std::string_view::npos; pos = text.find('[', pos)) {
    std::size_t lineBegin = pos;
    while (lineBegin > start && (text[lineBegin - 1] == ' ' || text[lineBegin - 1] == '\t')) --lineBegin;
    if (lineBegin > start && !IsLineBreak(text[lineBegin - 1])) {
      ++pos;
      continue;
    }
    if (nextCr < pos) nextCr = text.find('\r', pos);
    if (nextLf < pos) nextLf = text.find('\n', pos);
    const std::size_t lineEnd = std::min({nextCr, nextLf, text.size()});
    if (inKey) found.Spans.back().second = lineBegin;
    if (inSubtree) found.Subtree.back().second = lineBegin;
    inKey = inSubtree = false;
    const std::string_view line = Trimmed(text.substr(pos, lineEnd - pos));
    pos = lineEnd;
    if (line.size() < 2 || line.back() != ']') continue;
    const std::string_view key = line.substr(1, line.size() - 2);
    if (SameName(key, path)) {
      found.Spans.emplace_back(lineBegin, text.size());
      found.Subtree.emplace_back(lineBegin, text.size());
      found.Exists = inKey = inSubtree = true;
    } else if (IsRegistryKeyAtOrBelow(key, path)) {
      if (!HasKeyPathShape(key)) continue;
      found.Subtree.emplace_back(lineBegin, text.size());
      found.Exists = inSubtree = true;
    } else {
      for (std::size_t k = 0; k < ancestors.size(); ++k)
        if (SameName(key, ancestors[k])) sectioned[k] = true;
    }
  }
  for (std::size_t k = 0; k < ancestors.size(); ++k)
    if (!sectioned[k]) found.Unsectioned.emplace_back(ancestors[k]);
  return found;
}

std::string JoinedSpans(std::string_view text, const std::vector<std::pair<std::size_t, std::size_t>>& spans) {
  std::string joined;
  for (const auto& [begin, end] : spans) joined += text.substr(begin, end - begin);
  return joined;
}

TRegDocument ParseRegistryKeys(std::string_view text, const std::vector<TRegKeySections>& keys) {
  std::string joined;
  // A key's last section may end the file inside a line; the next key's must start a line.
  for (const TRegKeySections& key : keys) joined += JoinedSpans(text, key.Spans) + std::string(LineEnd);
  return ParseRegistryFile(joined);
}

std::optional<std::vector<std::string_view>> ReplaceRegistryKeys(std::string_view text,
                                                                 const std::vector<TRegKeySections>& keys,
                                                                 const TRegDocument& document, std::string& storage) {
  storage.clear();
  auto sectionOf = [&](const std::string& path) {
    const TRegDocument::TKey* key = document.FindKey(path);
    return key ? *key : TRegDocument::TKey{path, {}};
  };
  // Text [Begin, End) is replaced by storage [From, To).
  struct TEdit {
    std::size_t Begin, End, From, To;
  };
  std::vector<TEdit> edits;
  bool changed = false;
  for (const TRegKeySections& key : keys) {
    if (key.Spans.empty()) continue;
    const std::size_t from = storage.size();
    AppendSection(storage, sectionOf(key.Path));
    const auto& [firstBegin, firstEnd] = key.Spans.front();
    changed = changed || key.Spans.size() > 1 ||
              text.substr(firstBegin, firstEnd - firstBegin) != std::string_view(storage).substr(from);
    edits.push_back({firstBegin, firstEnd, from, storage.size()});
    for (std::size_t k = 1; k < key.Spans.size(); ++k)
      edits.push_back({key.Spans[k].first, key.Spans[k].second, storage.size(), storage.size()});
  }
  std::sort(edits.begin(), edits.end(), [](const TEdit& a, const TEdit& b) { return a.Begin < b.Begin; });
  // Pieces as offsets first: views into `storage` are taken once it has stopped growing.
  struct TPiece {
    bool Stored;
    std::size_t Begin, End;
  };
  std::vector<TPiece> pieces;
  std::size_t kept = 0;
  for (const TEdit& edit : edits) {
    pieces.push_back({false, kept, edit.Begin});
    pieces.push_back({true, edit.From, edit.To});
    kept = edit.End;
  }
  pieces.push_back({false, kept, text.size()});

  std::vector<std::string> appended;
  auto append = [&](const std::string& path) {
    if (std::any_of(appended.begin(), appended.end(), [&](const std::string& done) { return SameName(done, path); }))
      return;
    // A rewritten section that ends the file ends in a line break.
    if (appended.empty() && (edits.empty() || edits.back().End != text.size())) {
      if (text.empty())
        storage += std::string(Header) + std::string(LineEnd) + std::string(LineEnd);
      else if (!IsLineBreak(text.back()))
        storage += LineEnd;
    }
    appended.push_back(path);
    AppendSection(storage, sectionOf(path));
  };
  const std::size_t tail = storage.size();
  for (const TRegKeySections& key : keys) {
    if (!key.Spans.empty()) continue;
    for (const std::string& ancestor : key.Unsectioned) append(ancestor);
    append(key.Path);
  }
  if (!changed && appended.empty()) return std::nullopt;

  std::vector<std::string_view> views;
  for (const TPiece& piece : pieces)
    views.push_back(piece.Stored ? std::string_view(storage).substr(piece.Begin, piece.End - piece.Begin)
                                 : text.substr(piece.Begin, piece.End - piece.Begin));
  views.push_back(std::string_view(storage).substr(tail));
  return views;
}
