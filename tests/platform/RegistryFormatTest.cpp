// SPDX-License-Identifier: MIT
#include "platform/RegistryFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using namespace std::string_literals;

const std::string Key = "HKEY_CURRENT_USER\\Software\\Kest Group";

std::string File(std::string_view body) { return "Windows Registry Editor Version 5.00\r\n\r\n" + std::string(body); }

std::string Utf16LeWithBom(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TRegValue Str(std::u16string_view text) { return RegStringValue(text); }
TRegValue Bin(std::vector<std::uint8_t> data) { return RegBinaryValue(std::move(data)); }

struct TParseCase {
  const char* Name;
  std::string Input;
  std::string ValueName;
  std::optional<TRegValue> Expected;  // nothing: the value must be absent
};

TEST(RegistryFormatTest, ReadsValuesAndSkipsDamagedLines) {
  const std::string key = "[" + Key + "]\r\n";
  const TParseCase cases[] = {
      {"string", File(key + "\"IPAddress\"=\"-2146498043\"\r\n"), "IPAddress", Str(u"-2146498043")},
      {"escapes", File(key + "\"Path\"=\"C:\\\\Temp\\\\\\\"x\\\"\"\r\n"), "Path", Str(u"C:\\Temp\\\"x\"")},
      {"lone backslash stands for itself", File(key + "\"P\"=\"C:\\Temp\"\r\n"), "P", Str(u"C:\\Temp")},
      {"escaped name", File(key + "\"a\\\"b\"=\"x\"\r\n"), "a\"b", Str(u"x")},
      {"default value", File(key + "@=\"d\"\r\n"), "", Str(u"d")},
      {"dword", File(key + "\"NumNetworks\"=dword:0000002a\r\n"), "NumNetworks", RegDWordValue(42)},
      {"short dword", File(key + "\"N\"=dword:2A\r\n"), "N", RegDWordValue(42)},
      {"negative dword", File(key + "\"N\"=dword:ffffffff\r\n"), "N", RegDWordValue(0xFFFFFFFF)},
      {"binary", File(key + "\"Position\"=hex:11,22,ab\r\n"), "Position", Bin({0x11, 0x22, 0xAB})},
      {"empty binary", File(key + "\"E\"=hex:\r\n"), "E", Bin({})},
      {"continued binary", File(key + "\"B\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n"), "B", Bin({1, 2, 3, 4, 5})},
      {"other type kept", File(key + "\"X\"=hex(2):41,00,00,00\r\n"), "X", TRegValue{2, {0x41, 0, 0, 0}}},
      {"hex(1) is a string", File(key + "\"S\"=hex(1):41,00,00,00\r\n"), "S", Str(u"A")},
      {"LF line ends and spaces", "[" + Key + "]\n \"a\" = \"b\" \n", "a", Str(u"b")},
      {"no header", key + "\"a\"=\"b\"\r\n", "a", Str(u"b")},
      {"name in another case", File(key + "\"IPADDRESS\"=\"1\"\r\n"), "ipaddress", Str(u"1")},
      {"later value wins", File(key + "\"a\"=\"1\"\r\n\"A\"=\"2\"\r\n"), "a", Str(u"2")},
      {"UTF-8", File(key + "\"n\"=\"Gr\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80\"\r\n"), "n", Str(u"Grüß 😀")},
      {"invalid UTF-8 replaced", File(key + "\"n\"=\"a\xFF\xC3\"\r\n"), "n", Str(u"a\uFFFD\uFFFD")},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + File(key + "\"a\"=\"b\"\r\n"), "a", Str(u"b")},
      {"UTF-16LE with BOM", Utf16LeWithBom(File(key + "\"a\"=dword:00000007\r\n")), "a", RegDWordValue(7)},
      {"UTF-16LE cut in a code unit", Utf16LeWithBom(File(key + "\"a\"=\"b\"\r\n")) + "\x41", "a", Str(u"b")},
      {"unterminated string", File(key + "\"a\"=\"b\r\n"), "a", std::nullopt},
      {"text after string", File(key + "\"a\"=\"b\"c\r\n"), "a", std::nullopt},
      {"unterminated name", File(key + "\"a=\"b\"\r\n"), "a", std::nullopt},
      {"no equals sign", File(key + "\"a\" \"b\"\r\n"), "a", std::nullopt},
      {"nine-digit dword", File(key + "\"a\"=dword:000000001\r\n"), "a", std::nullopt},
      {"non-hex dword", File(key + "\"a\"=dword:0000002g\r\n"), "a", std::nullopt},
      {"empty dword", File(key + "\"a\"=dword:\r\n"), "a", std::nullopt},
      {"bad hex byte", File(key + "\"a\"=hex:11,2x\r\n"), "a", std::nullopt},
      {"three-digit hex byte", File(key + "\"a\"=hex:111\r\n"), "a", std::nullopt},
      {"hex cut after a comma", File(key + "\"a\"=hex:11,22,\r\n"), "a", std::nullopt},
      {"hex cut before its continuation", File(key + "\"a\"=hex:11,22,\\\r\n"), "a", std::nullopt},
      {"continuation stops at a key line", File(key + "\"a\"=hex:11,\\\r\n[" + Key + "\\Sub]\r\n"), "a", std::nullopt},
      {"unknown data", File(key + "\"a\"=qword:1\r\n"), "a", std::nullopt},
      {"deletion mark", File(key + "\"a\"=-\r\n"), "a", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TRegDocument document = ParseRegistryFile(c.Input);
    const TRegValue* value = document.FindValue(Key, c.ValueName);
    if (c.Expected) {
      ASSERT_NE(value, nullptr);
      EXPECT_EQ(*value, *c.Expected);
    } else {
      EXPECT_EQ(value, nullptr);
    }
  }
}

TEST(RegistryFormatTest, KeysImplyTheirAncestorsAndMergeAcrossCase) {
  const TRegDocument document = ParseRegistryFile(
      File("[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol]\r\n\"a\"=\"1\"\r\n\r\n"
           "[hkey_current_user\\software\\KEST GROUP\\plimsol]\r\n\"b\"=\"2\"\r\n"));
  const std::vector<std::string> paths = {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\Software",
                                          "HKEY_CURRENT_USER\\Software\\Kest Group",
                                          "HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol"};
  ASSERT_EQ(document.Keys().size(), paths.size());
  for (std::size_t k = 0; k < paths.size(); ++k) EXPECT_EQ(document.Keys()[k].Path, paths[k]);
  EXPECT_EQ(document.Keys().back().Values.size(), 2u);
  EXPECT_TRUE(document.HasKey("HKEY_CURRENT_USER\\SOFTWARE\\kest group"));
  EXPECT_FALSE(document.HasKey("HKEY_CURRENT_USER\\Software\\Kest"));
}

TEST(RegistryFormatTest, ValuesOfAnUnreadableKeyLineGoNowhere) {
  const TRegDocument document = ParseRegistryFile(File("[" + Key + "]\r\n\"a\"=\"1\"\r\n[" + Key +
                                                       "\\\\Bad]\r\n\"b\"=\"2\"\r\n[-" + Key +
                                                       "]\r\n\"c\"=\"3\"\r\n[" + Key + "\r\n\"d\"=\"4\"\r\n"));
  EXPECT_NE(document.FindValue(Key, "a"), nullptr);
  for (const char* name : {"b", "c", "d"}) EXPECT_EQ(document.FindValue(Key, name), nullptr) << name;
  EXPECT_EQ(document.Keys().size(), 3u);
}

TEST(RegistryFormatTest, RejectsKeysAndNamesItCannotWrite) {
  TRegDocument document;
  for (const char* path : {"", "A\\\\B", "\\A", "A\\", "-A", "A\nB", "A\rB", "A\xFF"}) EXPECT_FALSE(document.AddKey(path)) << path;
  EXPECT_FALSE(document.SetValue("A", "line\nbreak", Str(u"x")));
  EXPECT_FALSE(document.SetValue("A", "line\rbreak", Str(u"x")));
  EXPECT_FALSE(document.SetValue("A", "not UTF-8 \xC3", Str(u"x")));
  EXPECT_TRUE(document.Keys().empty());
}

TEST(RegistryFormatTest, WritesTheExportFormat) {
  TRegDocument document;
  document.SetValue("HKEY_CURRENT_USER\\Software", "", Str(u"default"));
  document.SetValue("HKEY_CURRENT_USER\\Software", "Path \"x\"", Str(u"C:\\Temp"));
  document.SetValue("HKEY_CURRENT_USER\\Software", "Count", RegDWordValue(0x2A));
  document.SetValue("HKEY_CURRENT_USER\\Software", "Position", Bin({0x00, 0x7F, 0xFF}));
  document.SetValue("HKEY_CURRENT_USER\\Software", "Expand", TRegValue{0x2, {0x41, 0x00, 0x00, 0x00}});
  EXPECT_EQ(WriteRegistryFile(document),
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER]\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software]\r\n"
            "@=\"default\"\r\n"
            "\"Path \\\"x\\\"\"=\"C:\\\\Temp\"\r\n"
            "\"Count\"=dword:0000002a\r\n"
            "\"Position\"=hex:00,7f,ff\r\n"
            "\"Expand\"=hex(2):41,00,00,00\r\n"
            "\r\n");
}

TEST(RegistryFormatTest, WrapsLongBinaryValuesAt80Columns) {
  std::vector<std::uint8_t> bytes(200);
  for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<std::uint8_t>(k * 7);
  TRegDocument document;
  document.SetValue(Key, "Picture", Bin(bytes));
  const std::string text = WriteRegistryFile(document);
  std::size_t lines = 0;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines)
    EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
  EXPECT_GT(lines, 10u);
  EXPECT_EQ(*ParseRegistryFile(text).FindValue(Key, "Picture"), Bin(bytes));
}

TEST(RegistryFormatTest, StringsThatCannotBeQuotedRoundTripAsHex) {
  const std::u16string texts[] = {u"two\r\nlines", u"nul\0inside"s, u"", u"\xD800 lone surrogate"};
  for (const auto& text : texts) {
    TRegDocument document;
    document.SetValue(Key, "s", Str(text));
    const TRegDocument reread = ParseRegistryFile(WriteRegistryFile(document));
    ASSERT_NE(reread.FindValue(Key, "s"), nullptr);
    EXPECT_EQ(*reread.FindValue(Key, "s"), Str(text));
  }
}

// ---- robustness ------------------------------------------------------------

std::string RandomText(std::mt19937& random, std::size_t maxLength) {
  static const std::string pieces[] = {"a", "Z", "\\", "\"", "=", "@", "[", "]", " ", "\t", "\r", "\n",
                                       ",", ":", ";", "-", "0", "f", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xFF",
                                       std::string(1, '\0'), "hex", "dword:", "hex(2):", "\\\r\n  "};
  std::uniform_int_distribution<std::size_t> length(0, maxLength), piece(0, std::size(pieces) - 1);
  std::string text;
  for (std::size_t k = length(random); k > 0; --k) text += pieces[piece(random)];
  return text;
}

TRegDocument RandomDocument(std::mt19937& random) {
  TRegDocument document;
  std::uniform_int_distribution<int> count(0, 6), kind(0, 4), byte(0, 255);
  for (int k = count(random) + 1; k > 0; --k) {
    const std::string path = "HKEY_CURRENT_USER\\Software\\k" + RandomText(random, 4);
    for (int v = count(random); v > 0; --v) {
      TRegValue value;
      switch (kind(random)) {
        case 0: value = RegDWordValue(static_cast<std::uint32_t>(random())); break;
        case 1: {
          std::u16string text;
          for (int c = count(random) * 3; c > 0; --c) text += static_cast<char16_t>(random() % 0x10000);
          value = Str(text);
          break;
        }
        default: {
          value.Type = static_cast<std::uint32_t>(random() % 12);
          for (int b = count(random) * 20; b > 0; --b) value.Data.push_back(static_cast<std::uint8_t>(byte(random)));
        }
      }
      document.SetValue(path, RandomText(random, 5), value);
    }
  }
  return document;
}

std::string Mutated(std::string text, std::mt19937& random) {
  std::uniform_int_distribution<int> edits(1, 8), kind(0, 4);
  for (int k = edits(random); k > 0 && !text.empty(); --k) {
    const std::size_t at = random() % text.size();
    switch (kind(random)) {
      case 0: text[at] = static_cast<char>(random()); break;
      case 1: text.erase(at, random() % 16); break;
      case 2: text.insert(at, RandomText(random, 4)); break;
      case 3: text.resize(at); break;
      default: text.insert(at, text.substr(random() % text.size(), random() % 40));
    }
  }
  return text;
}

// Each key read from its own sections holds what reading the whole file gives it,
// and so does it read from the joined subtree of a key above it (for ASCII paths:
// the whole file's other text is read with damaged UTF-8 replaced).
void ExpectKeysReadAlikeOnTheirOwn(std::string_view input, const TRegDocument& document) {
  const auto converted = Utf16FileText(input);
  const std::string_view text = converted ? *converted : input;
  const std::string subtree = JoinedSpans(text, FindRegistryKey(text, "HKEY_CURRENT_USER\\Software").Subtree);
  for (const auto& key : document.Keys()) {
    if (std::any_of(key.Path.begin(), key.Path.end(), [](char c) { return c & 0x80; })) continue;
    for (const std::string_view source : {text, std::string_view(subtree)}) {
      if (!key.Path.starts_with("HKEY_CURRENT_USER\\Software\\") && source.data() == subtree.data()) continue;
      const TRegKeySections sections = FindRegistryKey(source, key.Path);
      EXPECT_TRUE(sections.Exists) << key.Path;
      const TRegDocument own = ParseRegistryKeys(source, {sections});
      const TRegDocument::TKey* alone = own.FindKey(key.Path);
      EXPECT_EQ(alone ? alone->Values : decltype(key.Values){}, key.Values) << key.Path;
    }
  }
}

// Whatever is read must be written so that it reads back the same.
void ExpectStableRoundTrip(const TRegDocument& document) {
  const std::string text = WriteRegistryFile(document);
  const TRegDocument reread = ParseRegistryFile(text);
  ASSERT_EQ(reread, document) << text;
  ASSERT_EQ(WriteRegistryFile(reread), text);
}

TEST(RegistryFormatTest, RandomDocumentsRoundTrip) {
  std::mt19937 random(20240601);
  for (int k = 0; k < 3000; ++k) {
    const TRegDocument document = RandomDocument(random);
    ExpectStableRoundTrip(document);
    if (testing::Test::HasFatalFailure()) return;
  }
}

TEST(RegistryFormatTest, DamagedAndRandomInputNeverBreaksReading) {
  std::mt19937 random(77);
  for (int k = 0; k < 4000; ++k) {
    const std::string valid = WriteRegistryFile(RandomDocument(random));
    std::string input = Mutated(valid, random);
    if (k % 3 == 0) input = Utf16LeWithBom(input);
    if (k % 5 == 0) input = RandomText(random, 200);
    if (k % 7 == 0) {
      input.clear();
      for (int b = random() % 300; b > 0; --b) input += static_cast<char>(random());
    }
    const TRegDocument document = ParseRegistryFile(input);
    ExpectStableRoundTrip(document);
    if (testing::Test::HasFatalFailure()) return;
    ExpectKeysReadAlikeOnTheirOwn(input, document);
  }
}

// ---- one key of a large file ------------------------------------------------

const std::string Own = "HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01";

std::string Joined(const std::vector<std::string_view>& pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

// Sets "New" in the key and returns the file's new text.
std::string WithNewValue(std::string_view text, const std::string& path) {
  const TRegKeySections sections = FindRegistryKey(text, path);
  TRegDocument document = ParseRegistryKeys(text, {sections});
  EXPECT_TRUE(document.SetValue(path, "New", RegDWordValue(1)));
  std::string storage;
  const auto pieces = ReplaceRegistryKeys(text, {sections}, document, storage);
  return pieces ? Joined(*pieces) : std::string(text);
}

struct TSpliceCase {
  const char* Name;
  std::string Before, Ours, After;
};

TEST(RegistryFormatTest, RewritingOurKeyKeepsEveryOtherByte) {
  const std::string ours = "[" + Own + "]\r\n\"A\"=\"1\"\r\n\r\n";
  const std::string big = "[HKEY_CURRENT_USER\\Big]\r\n\"b\"=hex:" + std::string(1 << 20, 'a') + "\r\n";
  const TSpliceCase cases[] = {
      {"first key", File(""), ours, "[HKEY_CURRENT_USER\\Other]\r\n\"x\"=\"y\"\r\n"},
      {"damaged lines and odd spacing",
       File("  [HKEY_CURRENT_USER\\Other] \t\r\n \"x\" =  \"y\r\n\x01garbage\r\n;[comment]\r\n\r\n\r\n"), ours,
       "\t[HKEY_CURRENT_USER\\Z]\n\"b\"=hex:01,\\\n\"c\"=dword:zz"},
      {"LF line ends", "[HKEY_CURRENT_USER\\Other]\n\"x\"=\"y\"\n\n", "[" + Own + "]\n\"A\"=\"1\"\n", "[Z]\n"},
      {"CR line ends", "[HKEY_CURRENT_USER\\Other]\r\"x\"=\"y\"\r", "[" + Own + "]\r\"A\"=\"1\"\r", "[Z]\r\"z\"=\"\"\r"},
      {"NUL bytes", File("[HKEY_CURRENT_USER\\Other]\r\n\"x\"=\"\0\0\"\0\r\n\0\r\n"s), ours, "[Z]\r\n\0\0\0"s},
      {"a line of a megabyte", File(big), ours, big},
      {"a key line never closed", File("[HKEY_CURRENT_USER\\Open\r\n\"x\"=\"y\"\r\n"), ours, "[" + Own},
      {"a line of our key in an unclosed one", File("[Other\r\n"), ours, "[" + Own + "\\Sub\r\n\"A\"=\"9\"\r\n"},
      {"ours last without a line end", File("[HKEY_CURRENT_USER\\Other]\r\n"), "[" + Own + "]\r\n\"A\"=\"1\"", ""},
      {"ours in another case right after a BOM", "\xEF\xBB\xBF",
       "[hkey_current_user\\software\\kest group\\plimsol calculator\\3.01]\r\n\"A\"=\"1\"\r\n", "[Z]\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string result = WithNewValue(c.Before + c.Ours + c.After, Own);
    const std::string path = c.Ours.substr(c.Ours.find('[') + 1, Own.size());
    EXPECT_EQ(result, c.Before + "[" + path + "]\r\n\"A\"=\"1\"\r\n\"New\"=dword:00000001\r\n\r\n" + c.After);
  }
}

TEST(RegistryFormatTest, ANewKeyIsAppendedWithItsMissingAncestors) {
  const struct {
    const char* Name;
    std::string Text, Appended;
  } cases[] = {
      {"empty file", "", File("[HKEY_CURRENT_USER]\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n")},
      {"some ancestors present", File("[HKEY_CURRENT_USER]\r\n\r\n[hkey_current_user\\SOFTWARE]\r\n\"\"=\"\"\r\n"), ""},
      {"ends inside a line", "[Other]\r\n\"x\"=\"y", "\r\n[HKEY_CURRENT_USER]\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(WithNewValue(c.Text, Key), c.Text + c.Appended + "[" + Key + "]\r\n\"New\"=dword:00000001\r\n\r\n");
  }
  // A file that would not change is not rewritten.
  std::string storage;
  const std::string text = WithNewValue(File("[Other]\r\n"), Key);
  const TRegKeySections sections = FindRegistryKey(text, Key);
  EXPECT_FALSE(ReplaceRegistryKeys(text, {sections}, ParseRegistryKeys(text, {sections}), storage));
}

TEST(RegistryFormatTest, ReadingOurKeyFindsAllItsValuesAndNothingElse) {
  const std::string text =
      File("[" + Key + "]\r\n\"a\"=\"1\"\r\n\"b\"=\"1\"\r\n"
           "[" + Key + "\\Sub]\r\n\"c\"=\"sub\"\r\n"
           "[HKEY_CURRENT_USER\\Software]\r\n\"d\"=\"ancestor\"\r\n"
           "[" + Key + "\r\n\"e\"=\"unclosed\"\r\n"
           "[-" + Key + "]\r\n\"f\"=\"deleted\"\r\n"
           "[" + Key + "x]\r\n\"g\"=\"sibling\"\r\n"
           " [HKEY_CURRENT_USER\\SOFTWARE\\kest group]  \r\n\"b\"=\"2\"\r\n\"h\"=hex:01,\\\r\n  02\r\n");
  const TRegKeySections sections = FindRegistryKey(text, Key);
  EXPECT_TRUE(sections.Exists);
  EXPECT_EQ(sections.Spans.size(), 2u);
  const TRegDocument own = ParseRegistryKeys(text, {sections});
  const TRegDocument::TKey* key = own.FindKey(Key);
  ASSERT_NE(key, nullptr);
  const decltype(key->Values) expected = {{"a", Str(u"1")}, {"b", Str(u"2")}, {"h", Bin({1, 2})}};
  EXPECT_EQ(key->Values, expected);

  EXPECT_FALSE(FindRegistryKey(text, "HKEY_CURRENT_USER\\Software\\Kest").Exists);
  EXPECT_TRUE(FindRegistryKey("[" + Key + "\\A\\B]", "hkey_current_user\\software").Exists);
  EXPECT_FALSE(FindRegistryKey("[" + Key + "\\A\\\\B]", Key).Exists);
}

}  // namespace
