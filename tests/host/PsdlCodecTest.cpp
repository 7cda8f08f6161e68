// The primitive-description codec: the description reader's refusals, the
// bit-exact encoding of every field kind against hand-made bytes, decoding
// refusals, edits checked against kind and range, the buffer operations in
// the orders the dialogs use them, and the built-in description set.
#include <gtest/gtest.h>

#include "host/CPsdlMBTree.h"
#include "host/codec/Psdl.h"
#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlDescriptionFile.h"
#include "orbel/wire/HexText.h"

namespace {

// One type with a field of every kind that packs into a few bytes.
constexpr const char* kAllKinds = R"({"format": "orbel-primitive-descriptions", "version": 1,
  "types": [
    {"name": "Pair", "fields": [{"name": "lo", "kind": "integer", "bits": 4}]},
    {"name": "ALL", "fields": [
      {"name": "a", "kind": "integer", "bits": 4, "max": 12, "default": 5},
      {"name": "b", "kind": "enumeration", "bits": 2, "default": "z",
       "values": [{"name": "x", "value": 0}, {"name": "y", "value": 1}, {"name": "z", "value": 3}]},
      {"name": "c", "kind": "bits", "bits": 3, "default": "101"},
      {"name": "d", "kind": "integer", "bits": 8, "optional": true},
      {"name": "e", "kind": "octets", "lengthBits": 3, "maxLength": 2, "default": "AB"},
      {"name": "f", "kind": "list", "countBits": 2, "minCount": 1, "maxCount": 3,
       "element": {"kind": "integer", "bits": 4}}
    ]},
    {"name": "SIGNED", "fields": [
      {"name": "s", "kind": "integer", "bits": 6, "signed": true, "min": -20, "max": 20, "default": -3},
      {"name": "t", "kind": "bits", "bits": 2, "default": "10"},
      {"name": "pairs", "kind": "array", "count": 2, "element": {"kind": "structure", "type": "Pair"}},
      {"name": "inner", "kind": "structure", "type": "Pair", "optional": true, "present": true}
    ]}],
  "primitives": [
    {"name": "ALL_REQ", "frame": [255, 0, 2, 0], "primitive": 100, "parameter": "ALL"},
    {"name": "BARE_REQ", "frame": [255, 0, 2, 0], "primitive": 101}
  ]})";

std::shared_ptr<const psdl::DescriptionSet> described(std::string_view text) {
  auto read = psdl::readDescriptions(text);
  if (auto* error = std::get_if<std::string>(&read)) ADD_FAILURE() << *error;
  auto* set = std::get_if<psdl::DescriptionSet>(&read);
  return std::make_shared<const psdl::DescriptionSet>(set != nullptr ? std::move(*set) : psdl::DescriptionSet{});
}

std::string encoded(tVLink& link, const char* var) {
  unsigned char* block = nullptr;
  unsigned length = 0;
  if (PsdlGenerateMsg(&link, var) != 0 || PsdlGetVarBuf(&link, var, &block, &length) != 0) return "(failed)";
  return orbel::toHex(std::span(block, length));
}

// Binds `bytes` to the variable and decodes it; the link's error on failure.
std::string interpret(tVLink& link, const char* var, std::vector<unsigned char> bytes) {
  unsigned char* block = PsdlNewBuf(&link, static_cast<unsigned>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), block);
  if (PsdlBindVarBuf(&link, var, block, static_cast<unsigned>(bytes.size())) != 0) return "bind failed";
  return PsdlVarInterpret(&link, var) == 0 ? std::string() : link.lastError;
}

TEST(PsdlCodec, EveryFieldKindPacksBigEndianWithoutGaps) {
  tVLink link(described(kAllKinds));
  ASSERT_STREQ(PsdlQueryParameter(&link, 255, 0, 2, 0, 100), "ALL");
  ASSERT_EQ(PsdlNewVar(&link, "ALL", "v"), 0);
  // a 0101, b 11, c 101, d absent 0, e length 001 + AB, f count 01 + 0000, 5 zero bits.
  EXPECT_EQ(encoded(link, "v"), "5E 8D 5A 00");
  ASSERT_EQ(PsdlNewVar(&link, "SIGNED", "s"), 0);
  // s -3 as 111101, t 10, pairs 0000 0000, inner present 1 + 0000, 3 zero bits.
  EXPECT_EQ(encoded(link, "s"), "F6 00 80");
}

TEST(PsdlCodec, DecodingRestoresEveryKindAndEncodesToTheSameBytes) {
  tVLink link(described(kAllKinds));
  ASSERT_EQ(PsdlNewVar(&link, "ALL", "v"), 0);
  // a 12, b y, c 010, d present 0x7F, e empty, f three elements 1 2 3.
  const std::vector<unsigned char> bytes = {0xC5, 0x5F, 0xC6, 0x24, 0x60};
  ASSERT_EQ(interpret(link, "v", bytes), "");
  CPsdlMBTree tree("params");
  ASSERT_EQ(PsdlDisplayToMBTree(&link, "v", &tree), 0);
  const std::vector<std::pair<std::vector<std::string>, std::string>> shown = {
      {{"a"}, "12"}, {{"b"}, "y"}, {{"c"}, "010"}, {{"d"}, "127"}, {{"e"}, ""}, {{"f"}, "3"}, {{"f", "[2]"}, "3"}};
  for (const auto& [path, text] : shown) EXPECT_EQ(tree.itemText(tree.find(path), 1), text) << path[0];
  EXPECT_EQ(encoded(link, "v"), orbel::toHex(bytes));
}

TEST(PsdlCodec, DecodingRefusesBytesThatAreNotOneEncoding) {
  tVLink link(described(kAllKinds));
  ASSERT_EQ(PsdlNewVar(&link, "ALL", "v"), 0);
  const struct {
    std::vector<unsigned char> bytes;
    std::string reason;
  } cases[] = {
      {{0x5E, 0x8D}, "end inside"},                     // truncated
      {{0x5E, 0x8D, 0x5A, 0x00, 0x00}, "follow"},       // a byte after the encoding
      {{0x5E, 0x8D, 0x5A, 0x01}, "padding"},            // padding bits not zero
      {{0x4A, 0x8D, 0x5A, 0x00}, "not a named value"},  // b = 2
      {{0xDE, 0x8D, 0x5A, 0x00}, "outside 0 to 12"},    // a = 13 above its maximum
      {{0x5E, 0x8C, 0x00, 0x00}, "count of 0"},         // f needs one element at least
      {{0x5E, 0x98, 0x00, 0x00}, "length of 3"},        // e holds 2 octets at most
  };
  for (const auto& c : cases) {
    EXPECT_NE(interpret(link, "v", c.bytes).find(c.reason), std::string::npos) << c.reason << ": " << link.lastError;
    EXPECT_EQ(encoded(link, "v"), "5E 8D 5A 00") << "a refused buffer leaves the fields as they were";
  }
}

TEST(PsdlCodec, TreeEditsAreCheckedAgainstKindAndRange) {
  tVLink link(described(kAllKinds));
  ASSERT_EQ(PsdlNewVar(&link, "ALL", "v"), 0);
  CPsdlMBTree tree("params");
  ASSERT_EQ(PsdlDisplayToMBTree(&link, "v", &tree), 0);
  // The description lists every row with its value, nested under its parent.
  EXPECT_NE(tree.stateText().find("\n    d = absent\n    e = AB\n    f = 1\n      [0] = 0"), std::string::npos)
      << tree.stateText();
  const auto edit = [&](std::vector<std::string> path, std::string text) {
    return tree.editValue(tree.find(path), std::move(text)) ? std::string() : tree.refusal();
  };
  const struct {
    std::vector<std::string> path;
    std::string text;
    bool accepted;
  } cases[] = {
      {{"a"}, "13", false},  {{"a"}, "-1", false}, {{"a"}, "abc", false},      {{"a"}, "0xC", true},
      {{"b"}, "w", false},   {{"b"}, "2", false},  {{"b"}, "1", true},         {{"c"}, "10", false},
      {{"c"}, "102", false}, {{"e"}, "A", false},  {{"e"}, "01 02 03", false}, {{"e"}, "0102", true},
      {{"f"}, "0", false},   {{"f"}, "4", false},  {{"d"}, "absent", true},    {{"d"}, "256", false},
  };
  for (const auto& c : cases) EXPECT_EQ(edit(c.path, c.text).empty(), c.accepted) << c.path[0] << " " << c.text;
  EXPECT_EQ(encoded(link, "v"), "C6 90 08 12 00");  // a 12, b y, c 101, d absent, e 02 + 01 02, f 01 + 0000
  EXPECT_EQ(tree.itemText(tree.find({"a"}), 1), "12");
  EXPECT_EQ(tree.choices(tree.find({"b"})), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(tree.choices(tree.find({"d"})), std::vector<std::string>{});
  // A count adds rows at their defaults; a removed row's path is gone.
  EXPECT_EQ(edit({"f"}, "3"), "");
  EXPECT_TRUE(tree.isItem(tree.find({"f", "[2]"})));
  EXPECT_EQ(edit({"f", "[2]"}, "9"), "");
  EXPECT_EQ(edit({"f"}, "2"), "");
  EXPECT_FALSE(tree.isItem(tree.find({"f", "[2]"})));
  // The tree edits the variable, not a copy: once it is freed, edits are refused.
  ASSERT_EQ(PsdlFreeVar(&link, "v"), 0);
  EXPECT_NE(edit({"a"}, "1"), "");
}

TEST(PsdlCodec, BuffersFollowTheVariableAndBlockRules) {
  tVLink link(described(kAllKinds));
  unsigned char* block = nullptr;
  unsigned length = 99;
  EXPECT_STREQ(PsdlQueryParameter(&link, 255, 0, 2, 0, 101), "");  // described without parameter
  EXPECT_STREQ(PsdlQueryParameter(&link, 255, 0, 2, 1, 100), "");  // another module
  EXPECT_NE(PsdlNewVar(&link, "NOPE", "v"), 0);
  ASSERT_EQ(PsdlNewVar(&link, "ALL", "v"), 0);
  EXPECT_NE(PsdlNewVar(&link, "ALL", "v"), 0);               // the name is taken
  EXPECT_NE(PsdlGetVarBuf(&link, "v", &block, &length), 0);  // not encoded yet
  EXPECT_EQ(length, 99u);
  ASSERT_EQ(PsdlGenerateMsg(&link, "v"), 0);
  ASSERT_EQ(PsdlGetVarBuf(&link, "v", &block, &length), 0);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(PsdlFreeBuf(&link, block), 0);  // given back: the variable has none until bound again
  EXPECT_NE(PsdlGetVarBuf(&link, "v", &block, &length), 0);
  unsigned char foreign[4] = {};
  EXPECT_NE(PsdlBindVarBuf(&link, "v", foreign, 4), 0);  // only blocks of PsdlNewBuf bind
  EXPECT_EQ(PsdlNewBuf(&link, (1u << 20) + 1), nullptr);
  EXPECT_NE(PsdlNewBuf(&link, 0), nullptr);
  EXPECT_EQ(PsdlFreeVar(&link, "v"), 0);
  EXPECT_NE(PsdlFreeVar(&link, "v"), 0);
}

TEST(PsdlDescriptionFile, RefusesMalformedDescriptionsWithThePlace) {
  const auto wrapped = [](std::string types, std::string primitives = "[]") {
    return R"({"format": "orbel-primitive-descriptions", "version": 1, "types": )" + types + R"(, "primitives": )" +
           primitives + "}";
  };
  const auto field = [&](std::string fieldJson) { return wrapped(R"([{"name": "T", "fields": [)" + fieldJson + "]}]"); };
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"[", "not JSON"},
      {R"({"format": "x", "version": 1, "types": [], "primitives": []})", "\"format\""},
      {wrapped("[]", "[]").replace(1, 0, R"("extra": 1, )"), "unexpected \"extra\""},
      {field(R"({"name": "a", "kind": "integer", "bits": 33})"), "types[0].fields[0]: \"bits\""},
      {field(R"({"name": "a", "kind": "integer", "bits": 8, "max": 256})"), "\"max\""},
      {field(R"({"name": "a", "kind": "integer", "bits": 8, "min": 5, "default": 4})"), "\"default\""},
      {field(R"({"name": "a", "kind": "integer", "bits": 4, "signed": true, "min": -9})"), "\"min\""},
      {field(R"({"name": "1a", "kind": "integer", "bits": 4})"), "letters"},
      {field(R"({"name": "a", "kind": "real", "bits": 4})"), "\"kind\""},
      {field(R"({"name": "a", "kind": "integer", "bits": 4}, {"name": "a", "kind": "integer", "bits": 4})"),
       "described twice"},
      {field(R"({"name": "a", "kind": "enumeration", "bits": 1, "values": [{"name": "x", "value": 2}]})"), "\"value\""},
      {field(
           R"({"name": "a", "kind": "enumeration", "bits": 2, "values": [{"name": "x", "value": 1}, {"name": "y", "value": 1}]})"),
       "given twice"},
      {field(
           R"({"name": "a", "kind": "enumeration", "bits": 2, "default": "q", "values": [{"name": "x", "value": 1}]})"),
       "\"default\""},
      {field(R"({"name": "a", "kind": "bits", "bits": 3, "default": "12"})"), "digits 0 or 1"},
      {field(R"({"name": "a", "kind": "octets", "length": 2, "default": "ABC"})"), "hexadecimal"},
      {field(R"({"name": "a", "kind": "octets", "lengthBits": 2, "maxLength": 4})"), "does not fit"},
      {field(R"({"name": "a", "kind": "structure", "type": "T"})"), "described before"},
      {field(
           R"({"name": "a", "kind": "list", "countBits": 2, "maxCount": 4, "element": {"kind": "integer", "bits": 1}})"),
       "does not fit"},
      {field(R"({"name": "a", "kind": "array", "count": 2, "element": {"name": "x", "kind": "integer", "bits": 1}})"),
       "no name"},
      {field(
           R"({"name": "a", "kind": "array", "count": 1000, "element": {"kind": "array", "count": 1000, "element": {"kind": "integer", "bits": 1}}})"),
       "more than"},
      {field(R"({"name": "a", "kind": "integer", "bits": 4, "present": true})"), "optional"},
      {field(
           R"({"name": "a", "kind": "list", "count": 2, "countBits": 2, "maxCount": 2, "element": {"kind": "integer", "bits": 1}})"),
       "\"count\" is not a key of a field of kind list"},
      {wrapped("[]", R"([{"name": "P", "frame": [1, 2, 3], "primitive": 1}])"), "4 header bytes"},
      {wrapped("[]", R"([{"name": "P", "frame": [1, 2, 3, 256], "primitive": 1}])"), "0 to 255"},
      {wrapped("[]", R"([{"name": "P", "frame": [1, 2, 3, 4], "primitive": 1, "parameter": "Q"}])"), "not described"},
      {wrapped(
           "[]",
           R"([{"name": "P", "frame": [1, 2, 3, 4], "primitive": 1}, {"name": "R", "frame": [1, 2, 3, 4], "primitive": 1}])"),
       "same frame bytes"},
      {std::string(psdl::kDescriptionFileLimit + 1, ' '), "larger than"},
  };
  for (const auto& c : cases) {
    auto read = psdl::readDescriptions(c.text);
    const std::string* error = std::get_if<std::string>(&read);
    ASSERT_NE(error, nullptr) << c.error;
    EXPECT_NE(error->find(c.error), std::string::npos) << *error;
  }
}

TEST(PsdlDescriptionFile, TheBuiltInSetDescribesTheStackPrimitives) {
  const auto set = psdl::builtInDescriptions();
  ASSERT_GE(set->primitives.size(), 12u);
  ASSERT_NE(set->findType("P_RRC_BCFE_CONNECT_PARAM"), nullptr);
  tVLink link(set);
  // Every described parameter makes a variable whose default encoding decodes back to itself.
  for (const psdl::PrimitiveDesc& primitive : set->primitives) {
    const psdl::FrameBytes& f = primitive.frame;
    const std::string type = PsdlQueryParameter(&link, f[0], f[1], f[2], f[3], primitive.primitive);
    EXPECT_EQ(type, primitive.parameter);
    if (type.empty()) continue;
    const std::string var = "SIM_" + type;
    ASSERT_EQ(PsdlNewVar(&link, type.c_str(), var.c_str()), 0) << type;
    const std::string bytes = encoded(link, var.c_str());
    unsigned char* block = nullptr;
    unsigned length = 0;
    ASSERT_EQ(PsdlGetVarBuf(&link, var.c_str(), &block, &length), 0);
    EXPECT_EQ(interpret(link, var.c_str(), std::vector<unsigned char>(block, block + length)), "") << type;
    EXPECT_EQ(encoded(link, var.c_str()), bytes) << type;
  }
}

}  // namespace
