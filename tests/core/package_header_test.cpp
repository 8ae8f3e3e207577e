#include "package_header.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SplitCase {
  std::uint8_t properties;
  unsigned lc, lp, pb;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << "properties " << unsigned{c.properties}; }

class PropertiesSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PropertiesSplit, GivesLiteralAndPositionBits) {
  const SplitCase c = GetParam();
  const LzmaProperties split = SplitProperties(c.properties);
  EXPECT_EQ(split.lc, c.lc);
  EXPECT_EQ(split.lp, c.lp);
  EXPECT_EQ(split.pb, c.pb);
  EXPECT_EQ(PackProperties(split), c.properties);
}

INSTANTIATE_TEST_SUITE_P(Table, PropertiesSplit,
                         ::testing::Values(SplitCase{0, 0, 0, 0}, SplitCase{0x5D, 3, 0, 2},
                                           SplitCase{44, 8, 4, 0}, SplitCase{224, 8, 4, 4},
                                           SplitCase{225, 0, 0, 5}, SplitCase{255, 3, 3, 5}));

TEST(PackageHeader, ParsesTheCarriedStreamsHeaderLittleEndian) {
  const std::uint8_t bytes[PACKAGE_HEADER_SIZE] = {0x5D, 0x00, 0x00, 0x80, 0x00, 0x12, 0x1A,
                                                   0x99, 0x01, 0x00, 0x00, 0x00, 0x00};
  const PackageHeader header = ParsePackageHeader(bytes);
  EXPECT_EQ(header.properties, 0x5D);
  EXPECT_EQ(header.dictionarySize, 8388608u);
  EXPECT_EQ(header.uncompressedSize, 26810898u);

  std::uint8_t again[PACKAGE_HEADER_SIZE];
  SerializePackageHeader(header, again);
  EXPECT_EQ(0, std::memcmp(bytes, again, sizeof bytes));
}

TEST(PackageHeader, KeepsTheHighHalfOfTheSize) {
  std::uint8_t bytes[PACKAGE_HEADER_SIZE] = {0x5D};
  bytes[9] = 0x01;
  bytes[12] = 0x80;
  EXPECT_EQ(ParsePackageHeader(bytes).uncompressedSize, 0x8000000100000000ull);
}

}  // namespace
