// SPDX-License-Identifier: MIT
#include "prefix/Address.h"

#include <array>
#include <bit>

namespace {

constexpr U128 AllOnes = ~U128{0};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t'; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

// Four decimal octets; `error` names the octet that is wrong.
bool ParseDotted(std::string_view text, std::uint32_t& value, std::string& error) {
  value = 0;
  unsigned octet = 1;
  std::size_t start = 0;
  for (;; ++octet) {
    const std::size_t dot = text.find('.', start);
    const std::string_view part = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
    const auto number = [octet] { return "octet " + std::to_string(octet); };
    if (octet > 4) {
      error = "more than 4 octets";
      return false;
    }
    if (part.empty()) {
      error = number() + " is empty";
      return false;
    }
    unsigned v = 0;
    for (const char c : part) {
      if (!IsDigit(c)) {
        error = number() + " has " + Quoted(std::string_view(&c, 1)) + ", not a digit";
        return false;
      }
      if (v <= 255) v = v * 10 + static_cast<unsigned>(c - '0');
    }
    // A leading zero reads as octal to some tools and as decimal to others.
    if (part.size() > 1 && part.front() == '0') {
      error = number() + " has a leading zero";
      return false;
    }
    if (v > 255) {
      error = number() + " is above 255";
      return false;
    }
    value = value << 8 | v;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (octet < 4) {
    error = "only " + std::to_string(octet) + " octets";
    return false;
  }
  return true;
}

// Groups of one to four hex digits around at most one "::", the last 32 bits
// optionally as dotted decimal.
bool ParseIpv6(std::string_view text, U128& value, std::string& error) {
  const std::size_t gap = text.find("::");
  if (gap != std::string_view::npos && text.find("::", gap + 1) != std::string_view::npos) {
    error = "more than one '::'";
    return false;
  }
  if (gap == std::string_view::npos || gap > 0) {
    if (text.front() == ':') {
      error = "single ':' at the start";
      return false;
    }
  }
  if (gap == std::string_view::npos || gap + 2 < text.size()) {
    if (text.back() == ':') {
      error = "single ':' at the end";
      return false;
    }
  }
  std::array<std::uint16_t, 8> groups{};
  unsigned count = 0;      // 16-bit groups written
  const bool hasGap = gap != std::string_view::npos;
  unsigned gapAt = 0;      // the group index where "::" stands
  unsigned written = 0;    // groups as the user numbers them
  std::size_t i = 0;
  while (i < text.size()) {
    if (i == gap) {
      gapAt = count;
      i += 2;
      continue;
    }
    std::size_t end = text.find(':', i);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(i, end - i);
    ++written;
    const auto number = [written] { return "group " + std::to_string(written); };
    if (part.find('.') != std::string_view::npos) {
      if (end != text.size()) {
        error = "the IPv4 part must come last";
        return false;
      }
      std::uint32_t v4 = 0;
      if (!ParseDotted(part, v4, error)) return false;
      if (count > 6) {
        error = "more than 8 groups";
        return false;
      }
      groups[count++] = static_cast<std::uint16_t>(v4 >> 16);
      groups[count++] = static_cast<std::uint16_t>(v4);
      break;
    }
    if (part.size() > 4) {
      error = number() + " has more than 4 hex digits";
      return false;
    }
    unsigned v = 0;
    for (const char c : part) {
      const int d = HexDigitValue(c);
      if (d < 0) {
        error = number() + " has " + Quoted(std::string_view(&c, 1)) + ", not a hex digit";
        return false;
      }
      v = v << 4 | static_cast<unsigned>(d);
    }
    if (count == 8) {
      error = "more than 8 groups";
      return false;
    }
    groups[count++] = static_cast<std::uint16_t>(v);
    i = end == gap ? end : end + 1;
  }
  if (!hasGap && count < 8) {
    error = "only " + std::to_string(count) + " groups and no '::'";
    return false;
  }
  if (hasGap && count > 7) {
    error = "'::' with 8 groups already written";
    return false;
  }
  value = 0;
  const unsigned missing = 8 - count;
  for (unsigned g = 0, written16 = 0; g < 8; ++g) {
    const bool inGap = hasGap && g >= gapAt && g < gapAt + missing;
    value = value << 16 | (inGap ? 0 : groups[written16++]);
  }
  return true;
}

bool ParseInteger(std::string_view text, IpAddress& address, std::string& error) {
  U128 v = 0;
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view digits = text.substr(2);
    if (digits.empty()) {
      error = "no hex digits after '0x'";
      return false;
    }
    if (digits.size() > 32) {
      error = "hexadecimal address has more than 32 digits";
      return false;
    }
    for (const char c : digits) {
      const int d = HexDigitValue(c);
      if (d < 0) {
        error = "hexadecimal address has " + Quoted(std::string_view(&c, 1)) + ", not a hex digit";
        return false;
      }
      v = v << 4 | static_cast<unsigned>(d);
    }
    address = {digits.size() <= 8 ? AddressFamily::V4 : AddressFamily::V6, v};
    return true;
  }
  for (const char c : text) {
    const U128 d = static_cast<unsigned>(c - '0');
    if (v > (AllOnes - d) / 10) {
      error = "integer address is above 2^128 - 1";
      return false;
    }
    v = v * 10 + d;
  }
  address = {v <= 0xFFFFFFFFu ? AddressFamily::V4 : AddressFamily::V6, v};
  return true;
}

bool ParseAddress(std::string_view text, IpAddress& address, std::string& error) {
  if (text.empty()) {
    error = "no address";
    return false;
  }
  if (text.find(':') != std::string_view::npos) {
    address.Family = AddressFamily::V6;
    return ParseIpv6(text, address.Value, error);
  }
  if (text.find('.') != std::string_view::npos) {
    std::uint32_t v = 0;
    if (!ParseDotted(text, v, error)) return false;
    address = {AddressFamily::V4, v};
    return true;
  }
  bool digits = true;
  for (const char c : text) digits = digits && IsDigit(c);
  if (digits || (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')))
    return ParseInteger(text, address, error);
  error = Quoted(text) + " is not an address";
  return false;
}

// "/N", "/mask", or a dotted mask or wildcard mask after a space.
bool ParseLength(std::string_view text, AddressInput& input, std::string& error) {
  const bool slash = text.front() == '/';
  const std::string_view t = Trim(slash ? text.substr(1) : text);
  const unsigned width = FamilyWidth(input.Address.Family);
  if (t.empty()) {
    error = "missing prefix length after '/'";
    return false;
  }
  if (t.find_first_of(" \t") != std::string_view::npos) {
    error = "unexpected text " + Quoted(Trim(t.substr(t.find_first_of(" \t")))) + " after " + Quoted(t.substr(0, t.find_first_of(" \t")));
    return false;
  }
  if (t.find('.') != std::string_view::npos) {
    if (input.Address.Family != AddressFamily::V4) {
      error = "a dotted mask belongs only to IPv4";
      return false;
    }
    std::uint32_t m = 0;
    if (!ParseDotted(t, m, error)) {
      error = "in the mask, " + error;
      return false;
    }
    // A mask's ones lead, a wildcard's ones trail; all zeros and all ones read as masks.
    const std::uint32_t inverted = ~m;
    const bool mask = (inverted & (inverted + 1)) == 0;
    const bool wildcard = (m & (m + 1)) == 0;
    if (!mask && !wildcard) {
      error = std::string(t) + " is neither a mask nor a wildcard mask";
      return false;
    }
    const std::uint32_t ones = mask ? m : inverted;
    input.Length = static_cast<unsigned>(std::popcount(ones));
    input.LengthGiven = true;
    return true;
  }
  if (!slash) {
    error = "unexpected text " + Quoted(t) + " after the address";
    return false;
  }
  unsigned n = 0;
  for (const char c : t) {
    if (!IsDigit(c)) {
      error = "prefix length " + Quoted(t) + " is not a number";
      return false;
    }
    if (n <= 1000) n = n * 10 + static_cast<unsigned>(c - '0');
  }
  if (n > width) {
    error = "prefix length " + (n > 1000 ? std::string(t) : std::to_string(n)) + " is above " + std::to_string(width);
    return false;
  }
  input.Length = n;
  input.LengthGiven = true;
  return true;
}

}  // namespace

unsigned FamilyWidth(AddressFamily family) { return family == AddressFamily::V4 ? 32 : 128; }

Result<AddressInput> ParseAddressInput(std::string_view line) {
  Result<AddressInput> r;
  AddressInput& input = r.Value;
  std::string_view s = Trim(line);
  if (s.empty()) {
    r.Error = "empty input";
    return r;
  }
  std::string_view text;
  std::string_view rest;
  const bool bracketed = s.front() == '[';
  if (bracketed) {
    const std::size_t close = s.find(']');
    if (close == std::string_view::npos) {
      r.Error = "missing ']'";
      return r;
    }
    text = s.substr(1, close - 1);
    rest = s.substr(close + 1);
  } else {
    const std::size_t end = s.find_first_of("/ \t");
    text = s.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : s.substr(end);
  }
  const std::size_t percent = text.find('%');
  const bool zoned = percent != std::string_view::npos;
  if (zoned) {
    input.Zone = std::string(text.substr(percent + 1));
    text = text.substr(0, percent);
    if (input.Zone.empty()) {
      r.Error = "empty zone after '%'";
      return r;
    }
  }
  if (!ParseAddress(text, input.Address, r.Error)) return r;
  if (input.Address.Family == AddressFamily::V4 && zoned) {
    r.Error = "a zone ('%') belongs only to IPv6";
    return r;
  }
  if (input.Address.Family == AddressFamily::V4 && bracketed) {
    r.Error = "brackets belong only to IPv6";
    return r;
  }
  input.Length = FamilyWidth(input.Address.Family);
  rest = Trim(rest);
  if (!rest.empty() && !ParseLength(rest, input, r.Error)) return r;
  return r;
}

IpPrefix InputPrefix(const AddressInput& input) { return MakePrefix(input.Address, input.Length); }

U128 HostMask(AddressFamily family, unsigned length) {
  const unsigned hostBits = FamilyWidth(family) - length;
  return hostBits == 0 ? 0 : hostBits == 128 ? AllOnes : (U128{1} << hostBits) - 1;
}

U128 NetworkMask(AddressFamily family, unsigned length) {
  return HostMask(family, 0) & ~HostMask(family, length);
}

IpPrefix MakePrefix(IpAddress address, unsigned length) {
  return {{address.Family, address.Value & NetworkMask(address.Family, length)}, length};
}

IpAddress LastAddress(const IpPrefix& prefix) {
  return {prefix.Network.Family, prefix.Network.Value | HostMask(prefix.Network.Family, prefix.Length)};
}

bool Contains(const IpPrefix& prefix, IpAddress address) {
  return address.Family == prefix.Network.Family &&
         (address.Value & NetworkMask(address.Family, prefix.Length)) == prefix.Network.Value;
}

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

std::uint16_t Group(U128 value, unsigned g) { return static_cast<std::uint16_t>(value >> (112 - 16 * g)); }

void AppendDotted(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += std::to_string((v >> shift) & 0xFF);
    if (shift) out += '.';
  }
}

void AppendGroup(std::string& out, std::uint16_t g) {
  bool started = false;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const unsigned d = (g >> shift) & 0xF;
    if (d || started || shift == 0) {
      out += HexDigits[d];
      started = true;
    }
  }
}

}  // namespace

std::string CanonicalText(IpAddress address) {
  std::string out;
  if (address.Family == AddressFamily::V4) {
    AppendDotted(out, static_cast<std::uint32_t>(address.Value));
    return out;
  }
  const U128 v = address.Value;
  if (v >> 32 == 0xFFFF) {
    out = "::ffff:";
    AppendDotted(out, static_cast<std::uint32_t>(v));
    return out;
  }
  // The longest run of two or more zero groups, the first of equals, becomes "::".
  int bestStart = -1;
  int bestLength = 1;
  for (int g = 0; g < 8;) {
    if (Group(v, g) != 0) {
      ++g;
      continue;
    }
    int end = g;
    while (end < 8 && Group(v, end) == 0) ++end;
    if (end - g > bestLength) {
      bestStart = g;
      bestLength = end - g;
    }
    g = end;
  }
  for (int g = 0; g < 8; ++g) {
    if (g == bestStart) {
      out += "::";
      g += bestLength - 1;
      continue;
    }
    if (!out.empty() && out.back() != ':') out += ':';
    AppendGroup(out, Group(v, g));
  }
  return out;
}

std::string FullText(IpAddress address) {
  if (address.Family == AddressFamily::V4) return CanonicalText(address);
  std::string out;
  for (int g = 0; g < 8; ++g) {
    if (g) out += ':';
    for (int shift = 12; shift >= 0; shift -= 4) out += HexDigits[(Group(address.Value, g) >> shift) & 0xF];
  }
  return out;
}

std::string DecimalText(U128 value) {
  // Nineteen digits at a time, so most values take one or two 128-bit divisions.
  constexpr std::uint64_t Chunk = 10000000000000000000ull;
  std::string out;
  do {
    std::uint64_t part = static_cast<std::uint64_t>(value % Chunk);
    value /= Chunk;
    // Below the most significant chunk every chunk has all its 19 digits.
    for (int i = 0; value != 0 ? i < 19 : (i == 0 || part != 0); ++i, part /= 10)
      out += static_cast<char>('0' + part % 10);
  } while (value != 0);
  return {out.rbegin(), out.rend()};
}

std::string HexText(IpAddress address) {
  const int digits = address.Family == AddressFamily::V4 ? 8 : 32;
  std::string out = "0x";
  for (int i = digits - 1; i >= 0; --i) out += HexDigits[static_cast<unsigned>(address.Value >> (4 * i)) & 0xF];
  return out;
}

std::string BinaryText(IpAddress address) {
  const bool v4 = address.Family == AddressFamily::V4;
  const int width = v4 ? 32 : 128;
  const int group = v4 ? 8 : 16;
  std::string out;
  for (int bit = width - 1; bit >= 0; --bit) {
    out += static_cast<char>('0' + static_cast<int>((address.Value >> bit) & 1));
    if (bit && bit % group == 0) out += v4 ? '.' : ':';
  }
  return out;
}

std::string ReverseDnsName(IpAddress address) {
  std::string out;
  if (address.Family == AddressFamily::V4) {
    for (int shift = 0; shift < 32; shift += 8) out += std::to_string(static_cast<unsigned>(address.Value >> shift) & 0xFF) + '.';
    return out + "in-addr.arpa";
  }
  for (int shift = 0; shift < 128; shift += 4) {
    out += HexDigits[static_cast<unsigned>(address.Value >> shift) & 0xF];
    out += '.';
  }
  return out + "ip6.arpa";
}

std::string PrefixText(const IpPrefix& prefix) {
  return CanonicalText(prefix.Network) + '/' + std::to_string(prefix.Length);
}
