#include "decode_package.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "lzma_decoder.h"
#include "package_writer.h"
#include "temp_dir.h"

namespace {

using testing_support::Bytes;
using testing_support::ReadBytes;
using testing_support::SampleData;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Repeats reach 300,000 bytes back: a window smaller than that cannot decode the data.
const std::size_t REACH = 300000;

const Bytes& Bundle() {
  static const Bytes data = SampleData(700000, 7, REACH);
  return data;
}

Bytes Package(const PackageOptions& options = {}) {
  return EncodePackage(Bundle().data(), Bundle().size(), options);
}

void SetU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Runs DecodePackage as the run sequence does: the bundle file already exists, empty.
Bytes Decode(const Bytes& package) {
  TempDir dir;
  WriteBytes(dir.path() / "package.tmp", package);
  WriteBytes(dir.path() / "bundle.tmp", {});
  DecodePackage(dir.Child("package.tmp").c_str(), dir.Child("bundle.tmp").c_str());
  return ReadBytes(dir.path() / "bundle.tmp");
}

TEST(EncodePackage, WritesTheHeaderAndTrailer) {
  const Bytes package = Package();
  ASSERT_GT(package.size(), PACKAGE_HEADER_SIZE + 8);
  EXPECT_EQ(package[0], 0x5D);
  std::uint8_t header[PACKAGE_HEADER_SIZE];
  std::copy(package.begin(), package.begin() + PACKAGE_HEADER_SIZE, header);
  EXPECT_EQ(ParsePackageHeader(header).uncompressedSize, Bundle().size());
  const std::size_t before = package.size() - 8;
  EXPECT_EQ(Bytes(package.begin() + before, package.begin() + before + 4), Bytes(4, 0));
  Bytes expected(4);
  for (int i = 0; i < 4; ++i) expected[i] = static_cast<std::uint8_t>(before >> (8 * i));
  EXPECT_EQ(Bytes(package.end() - 4, package.end()), expected);
}

// Packages that must all give back exactly the original bundle.
struct FaithfulCase {
  std::string what;
  std::function<Bytes()> make;
};

void PrintTo(const FaithfulCase& c, std::ostream* out) { *out << c.what; }

class DecodesFaithfully : public ::testing::TestWithParam<FaithfulCase> {};

TEST_P(DecodesFaithfully, ToTheWholeBundle) { EXPECT_EQ(Decode(GetParam().make()), Bundle()); }

INSTANTIATE_TEST_SUITE_P(
    Packages, DecodesFaithfully,
    ::testing::Values(
        FaithfulCase{"Plain", [] { return Package(); }},
        FaithfulCase{"WithoutTrailer",
                     [] {
                       PackageOptions o;
                       o.trailer = false;
                       return Package(o);
                     }},
        FaithfulCase{"TrailerReplaced",
                     [] {
                       Bytes p = Package();
                       for (std::size_t i = p.size() - 8; i < p.size(); ++i) p[i] = 0xA5;
                       return p;
                     }},
        FaithfulCase{"DictionaryFieldZero",
                     [] {
                       Bytes p = Package();
                       SetU32(p, 1, 0);
                       return p;
                     }},
        FaithfulCase{"DictionaryFieldTooSmallForItsDistances",
                     [] {
                       Bytes p = Package();
                       SetU32(p, 1, 65536);
                       return p;
                     }},
        FaithfulCase{"DictionaryFieldAllOnes",
                     [] {
                       Bytes p = Package();
                       SetU32(p, 1, 0xFFFFFFFF);
                       return p;
                     }},
        FaithfulCase{"OtherLiteralAndPositionBits",
                     [] {
                       PackageOptions o;
                       o.properties = {0, 2, 0};
                       return Package(o);
                     }},
        FaithfulCase{"MostLiteralContextLiblzmaTakes",
                     [] {
                       PackageOptions o;
                       o.properties = {4, 0, 4};
                       o.preset = 1;
                       return Package(o);
                     }}),
    [](const auto& info) { return info.param.what; });

// Packages whose bundle file must come out empty, never partial.
struct EmptyCase {
  std::string what;
  std::function<Bytes()> make;
};

void PrintTo(const EmptyCase& c, std::ostream* out) { *out << c.what; }

class DecodesToNothing : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(DecodesToNothing, LeavesAnEmptyBundleFile) { EXPECT_EQ(Decode(GetParam().make()).size(), 0u); }

INSTANTIATE_TEST_SUITE_P(
    Packages, DecodesToNothing,
    ::testing::Values(
        EmptyCase{"DeclaredSizeZero",
                  [] {
                    Bytes p = Package();
                    SetU32(p, 5, 0);
                    return p;
                  }},
        EmptyCase{"HeaderOnly", [] {
                    Bytes p = Package();
                    p.resize(13);
                    return p;
                  }},
        EmptyCase{"ShorterThanHeader", [] {
                    Bytes p = Package();
                    p.resize(12);
                    return p;
                  }},
        EmptyCase{"EmptyFile", [] { return Bytes{}; }},
        EmptyCase{"TruncatedData", [] {
                    Bytes p = Package();
                    p.resize(p.size() / 2);
                    return p;
                  }},
        EmptyCase{"CorruptFirstRangeCoderByte",
                  [] {
                    Bytes p = Package();
                    p[13] = 0x77;
                    return p;
                  }},
        EmptyCase{"DeclaredSizeBeyondTheData",
                  [] {
                    Bytes p = Package();
                    SetU32(p, 5, static_cast<std::uint32_t>(Bundle().size() * 3));
                    return p;
                  }},
        EmptyCase{"HighSizeHalfNotZero",
                  [] {
                    Bytes p = Package();
                    p[9] = 1;
                    return p;
                  }},
        EmptyCase{"SizeNotStored",
                  [] {
                    Bytes p = Package();
                    for (int i = 5; i < 13; ++i) p[i] = 0xFF;
                    return p;
                  }},
        EmptyCase{"PropertiesUndefined",
                  [] {
                    Bytes p = Package();
                    p[0] = 225;
                    return p;
                  }},
        // lc 8 with lp 4 is valid LZMA, but liblzma takes at most lc + lp = 4: refused as bad data.
        EmptyCase{"PropertiesBeyondLiblzma",
                  [] {
                    Bytes p = Package();
                    p[0] = 224;
                    return p;
                  }}),
    [](const auto& info) { return info.param.what; });

TEST(DecodePackage, CutsTheBundleAtASmallerDeclaredSize) {
  Bytes p = Package();
  SetU32(p, 5, 123457);
  const Bytes bundle = Decode(p);
  EXPECT_EQ(bundle, Bytes(Bundle().begin(), Bundle().begin() + 123457));
}

TEST(DecodePackage, StopsAtAnEndMarkerBeforeTheDeclaredSize) {
  PackageOptions o;
  o.endMarker = true;
  Bytes p = Package(o);
  SetU32(p, 5, static_cast<std::uint32_t>(Bundle().size() + 5000));
  EXPECT_EQ(Decode(p), Bundle());
}

TEST(DecodePackage, EmptiesTheBundleFileWhenThePackageIsMissing) {
  TempDir dir;
  WriteBytes(dir.path() / "bundle.tmp", testing_support::ToBytes("stale"));
  DecodePackage(dir.Child("missing.tmp").c_str(), dir.Child("bundle.tmp").c_str());
  EXPECT_EQ(ReadBytes(dir.path() / "bundle.tmp").size(), 0u);
}

TEST(DecodePackage, SurvivesABundleFileThatCannotBeCreated) {
  TempDir dir;
  WriteBytes(dir.path() / "package.tmp", Package());
  DecodePackage(dir.Child("package.tmp").c_str(), dir.Child("no-such-dir/bundle.tmp").c_str());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-dir"));
}

// The decoder's contract, checked on liblzma directly with an in-memory sink.
struct Collected {
  DecodeResult result;
  Bytes output;
};

Collected DecodeInMemory(const Bytes& package, std::uint64_t outputSize) {
  Collected c;
  const LzmaProperties props = SplitProperties(package[0]);
  c.result = DecodeLzma(props, 1 << 20, package.data() + 13, package.size() - 13, outputSize,
                        [&](const std::uint8_t* b, std::size_t n) {
                          c.output.insert(c.output.end(), b, b + n);
                          return true;
                        });
  return c;
}

TEST(DecodeLzma, FollowsTheDecoderContract) {
  const Bytes plain = Package();
  PackageOptions marked;
  marked.endMarker = true;
  const Bytes withMarker = Package(marked);

  Collected none = DecodeInMemory(plain, 0);
  EXPECT_EQ(none.result.outcome, DecodeOutcome::Complete);
  EXPECT_EQ(none.result.produced, 0u);

  Collected full = DecodeInMemory(plain, Bundle().size());
  EXPECT_EQ(full.result.outcome, DecodeOutcome::Complete);
  EXPECT_EQ(full.output, Bundle());

  Collected cut = DecodeInMemory(plain, 1001);  // stops in the middle of whatever it was decoding
  EXPECT_EQ(cut.result.outcome, DecodeOutcome::Complete);
  EXPECT_EQ(cut.output, Bytes(Bundle().begin(), Bundle().begin() + 1001));

  Collected marker = DecodeInMemory(withMarker, Bundle().size() + 1);
  EXPECT_EQ(marker.result.outcome, DecodeOutcome::EndMarker);
  EXPECT_EQ(marker.result.produced, Bundle().size());

  PackageOptions bare;
  bare.trailer = false;
  Collected runsOut = DecodeInMemory(Package(bare), Bundle().size() + 1);  // no end marker, no trailer
  EXPECT_EQ(runsOut.result.outcome, DecodeOutcome::Failed);
  EXPECT_EQ(runsOut.result.produced, 0u);
}

TEST(DecodeLzma, FailsWhenTheSinkRefuses) {
  const Bytes plain = Package();
  const DecodeResult r = DecodeLzma(SplitProperties(plain[0]), 1 << 20, plain.data() + 13, plain.size() - 13,
                                    Bundle().size(), [](const std::uint8_t*, std::size_t) { return false; });
  EXPECT_EQ(r.outcome, DecodeOutcome::Failed);
  EXPECT_EQ(r.produced, 0u);
}

}  // namespace
