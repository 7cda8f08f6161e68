// The byte reader: every read takes its byte order, fits at the exact end,
// fails one byte short without moving, and sizes that overflow are refused
// before any read.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>

#include "orbel/wire/ByteReader.h"

namespace {

using orbel::ByteReader;

constexpr std::array<std::uint8_t, 6> kBytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06};

struct Read {
  const char* name;
  std::size_t width;
  std::function<std::optional<std::uint64_t>(ByteReader&)> read;  // the value read, bytes as their count
  std::uint64_t fromStart;  // what the read gives at the start of kBytes, in its byte order
};

const Read kReads[] = {
    {"u8", 1, [](ByteReader& r) { return std::optional<std::uint64_t>(r.u8()); }, 0x01},
    {"u16LE", 2, [](ByteReader& r) { return std::optional<std::uint64_t>(r.u16LE()); }, 0x0201},
    {"u16BE", 2, [](ByteReader& r) { return std::optional<std::uint64_t>(r.u16BE()); }, 0x0102},
    {"u32LE", 4, [](ByteReader& r) { return std::optional<std::uint64_t>(r.u32LE()); }, 0x04030201},
    {"u32BE", 4, [](ByteReader& r) { return std::optional<std::uint64_t>(r.u32BE()); }, 0x01020304},
    {"uBE(3)", 3, [](ByteReader& r) { return std::optional<std::uint64_t>(r.uBE(3)); }, 0x010203},
    {"uLE(3)", 3, [](ByteReader& r) { return std::optional<std::uint64_t>(r.uLE(3)); }, 0x030201},
    {"bytes(5)", 5,
     [](ByteReader& r) {
       const auto taken = r.bytes(5);
       return taken ? std::optional<std::uint64_t>(taken->size()) : std::nullopt;
     },
     5},
    {"items(2, 2)", 4,
     [](ByteReader& r) {
       const auto taken = r.items(2, 2);
       return taken ? std::optional<std::uint64_t>(taken->size()) : std::nullopt;
     },
     4},
    {"skip(3)", 3, [](ByteReader& r) { return r.skip(3) ? std::optional<std::uint64_t>(3) : std::nullopt; }, 3},
};

TEST(ByteReader, EveryReadTakesItsByteOrderFitsAtTheExactEndAndFailsOneByteShortWithoutMoving) {
  for (const Read& read : kReads) {
    ByteReader start(kBytes);
    EXPECT_EQ(read.read(start), read.fromStart) << read.name;
    // Start so that the read ends exactly at the last byte.
    ByteReader exact(kBytes);
    ASSERT_TRUE(exact.skip(kBytes.size() - read.width)) << read.name;
    EXPECT_TRUE(read.read(exact)) << read.name;
    EXPECT_TRUE(exact.atEnd()) << read.name;

    ByteReader shortOne{std::span(kBytes).first(kBytes.size() - 1)};
    ASSERT_TRUE(shortOne.skip(kBytes.size() - read.width)) << read.name;
    const std::size_t before = shortOne.offset();
    EXPECT_FALSE(read.read(shortOne)) << read.name;
    EXPECT_EQ(shortOne.offset(), before) << read.name;
    EXPECT_EQ(shortOne.remaining(), read.width - 1) << read.name;
  }
}

TEST(ByteReader, BytesAreAViewIntoTheInputNotACopy) {
  const auto taken = ByteReader(kBytes).bytes(2);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->data(), kBytes.data());
}

TEST(ByteReader, WidthsOutsideOneToFourAreRefused) {
  for (std::size_t width : {0u, 5u}) {
    ByteReader reader(kBytes);
    EXPECT_FALSE(reader.uBE(width)) << width;
    EXPECT_FALSE(reader.uLE(width)) << width;
    EXPECT_EQ(reader.offset(), 0u);
  }
}

TEST(ByteReader, CountTimesWidthThatOverflowsIsRefusedNotWrapped) {
  // 2^63 items of 2 bytes wrap to 0: a reader that multiplied unchecked would hand out an empty span.
  const std::size_t half = std::size_t{1} << (8 * sizeof(std::size_t) - 1);
  EXPECT_FALSE(orbel::checkedProduct(half, 2));
  EXPECT_EQ(orbel::checkedProduct(half, 1), half);
  EXPECT_EQ(orbel::checkedProduct(SIZE_MAX, 0), 0u);
  ByteReader reader(kBytes);
  EXPECT_FALSE(reader.items(half, 2));
  EXPECT_FALSE(reader.items(SIZE_MAX, SIZE_MAX));
  EXPECT_EQ(reader.offset(), 0u);
  EXPECT_FALSE(reader.skip(SIZE_MAX));
  EXPECT_FALSE(reader.bytes(SIZE_MAX));
  EXPECT_EQ(reader.remaining(), kBytes.size());
}

TEST(ByteReader, AnEmptyInputReadsNothingButZeroBytes) {
  ByteReader reader(std::span<const std::uint8_t>{});
  EXPECT_FALSE(reader.u8());
  EXPECT_TRUE(reader.bytes(0));
  EXPECT_TRUE(reader.skip(0));
  EXPECT_TRUE(reader.atEnd());
  EXPECT_TRUE(reader.rest().empty());
}

}  // namespace
