#include "extract_bundle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "bundle_writer.h"
#include "exit_codes.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Bytes;
using testing_support::ListFiles;
using testing_support::TempDir;
using testing_support::ToBytes;
using testing_support::WriteBytes;
using Files = std::map<std::string, Bytes>;

// Lays out bundle archives byte by byte, well-formed or not.
class Archive {
 public:
  Archive& Raw(const std::string& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  Archive& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  Archive& Header(std::int32_t count, std::uint32_t flag, std::int32_t index) {
    return Raw("HEN").U32(static_cast<std::uint32_t>(count)).U32(flag).U32(static_cast<std::uint32_t>(index));
  }
  Archive& Entry(const std::string& name, const std::string& data) {
    return U32(static_cast<std::uint32_t>(name.size())).Raw(name).U32(static_cast<std::uint32_t>(data.size())).Raw(data);
  }
  Archive& Cut(std::size_t bytesLess) {
    bytes_.resize(bytes_.size() - bytesLess);
    return *this;
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

struct Outcome {
  int code = 0;
  Files files;
  std::string launch;  // the launch path's entry name, or "-" when it was left untouched
};

class ExtractBundleTest : public ::testing::Test {
 protected:
  Outcome Extract(const Bytes& archive) {
    WriteBytes(work_.path() / "bundle.tmp", archive);
    return ExtractFrom(work_.Child("bundle.tmp"), extraction_.string());
  }

  Outcome ExtractFrom(const std::string& bundle, const std::string& directory) {
    char launchPath[PATH_BUFFER_SIZE];
    std::memset(launchPath, '-', sizeof launchPath);
    launchPath[1] = 0;
    Outcome out;
    out.code = ExtractBundle(bundle.c_str(), directory.c_str(), launchPath);
    out.files = ListFiles(extraction_);
    out.launch = launchPath;
    const std::string prefix = extraction_.string() + PATH_SEPARATOR;
    if (out.launch.rfind(prefix, 0) == 0) out.launch = out.launch.substr(prefix.size());
    return out;
  }

  TempDir work_;
  fs::path extraction_ = work_.path() / "extract";
  void SetUp() override { fs::create_directory(extraction_); }
};

Files F(std::initializer_list<std::pair<const std::string, std::string>> files) {
  Files out;
  for (const auto& f : files) out[f.first] = ToBytes(f.second);
  return out;
}

TEST_F(ExtractBundleTest, TheWorkedEntryIs22BytesAndBecomesTheLaunchEntry) {
  const Archive a = Archive().Header(1, 1, 0).Entry("setup.exe", "12345");
  ASSERT_EQ(a.bytes().size(), 15u + 22u);
  const Outcome out = Extract(a.bytes());
  EXPECT_EQ(out.code, EXIT_OK);
  EXPECT_EQ(out.files, F({{"setup.exe", "12345"}}));
  EXPECT_EQ(out.launch, "setup.exe");
}

TEST_F(ExtractBundleTest, WriterOutputRoundTrips) {
  const std::vector<BundleFile> files = {{"a.dll", ToBytes("alpha")}, {"empty.dat", {}}, {"b.txt", ToBytes("beta")},
                                         {"setup.exe", ToBytes("MZ...")}};
  const Outcome out = Extract(EncodeBundle(files, 3));
  EXPECT_EQ(out.code, EXIT_OK);
  EXPECT_EQ(out.files, F({{"a.dll", "alpha"}, {"empty.dat", ""}, {"b.txt", "beta"}, {"setup.exe", "MZ..."}}));
  EXPECT_EQ(out.launch, "setup.exe");
}

struct Case {
  std::string what;
  Archive archive;
  int code;
  Files files;
  std::string launch;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class ExtractCases : public ExtractBundleTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ExtractCases, GiveTheirCodeFilesAndLaunchPath) {
  const Outcome out = Extract(GetParam().archive.bytes());
  EXPECT_EQ(out.code, GetParam().code);
  EXPECT_EQ(out.files, GetParam().files);
  EXPECT_EQ(out.launch, GetParam().launch);
}

const std::string LONG_NAME(260, 'n');

INSTANTIATE_TEST_SUITE_P(
    Archives, ExtractCases,
    ::testing::Values(
        // What the format fixes.
        Case{"NoEntriesAndJunkAfter", Archive().Header(0, 1, 0).Raw("junk"), EXIT_OK, {}, "-"},
        Case{"NegativeCount", Archive().Header(-1, 1, 0).Entry("a", "x"), EXIT_OK, {}, "-"},
        Case{"LaunchFlagZero", Archive().Header(1, 0, 0).Entry("a", "x"), EXIT_OK, F({{"a", "x"}}), "-"},
        Case{"LaunchFlagTwo", Archive().Header(1, 2, 0).Entry("a", "x"), EXIT_OK, F({{"a", "x"}}), "a"},
        Case{"LaunchFlagAllOnes", Archive().Header(1, 0xFFFFFFFF, 0).Entry("a", "x"), EXIT_OK, F({{"a", "x"}}), "a"},
        Case{"LaunchIndexEqualsCount", Archive().Header(2, 1, 2).Entry("a", "x").Entry("b", "y"), EXIT_OK,
             F({{"a", "x"}, {"b", "y"}}), "-"},
        Case{"LaunchIndexNegative", Archive().Header(1, 1, -1).Entry("a", "x"), EXIT_OK, F({{"a", "x"}}), "-"},
        Case{"LaunchIndexIsLast", Archive().Header(2, 1, 1).Entry("a", "x").Entry("b", "y"), EXIT_OK,
             F({{"a", "x"}, {"b", "y"}}), "b"},
        Case{"EmptyDataThenNext", Archive().Header(2, 1, 1).Entry("e", "").Entry("b", "y"), EXIT_OK,
             F({{"e", ""}, {"b", "y"}}), "b"},
        Case{"BytesAfterTheLastEntry", Archive().Header(1, 1, 0).Entry("a", "x").Raw("ignored"), EXIT_OK,
             F({{"a", "x"}}), "a"},
        Case{"ZeroByteInsideTheName", Archive().Header(1, 1, 0).Entry(std::string("ab\0cd", 5), "x"), EXIT_OK,
             F({{"ab", "x"}}), "ab"},
        Case{"DuplicateNameReplaces", Archive().Header(2, 1, 0).Entry("a", "first").Entry("a", "second"), EXIT_OK,
             F({{"a", "second"}}), "a"},
        // Failures, each after a good first entry that stays.
        Case{"EmptyName", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"Backslash", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("sub\\a.txt", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"Slash", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("sub/a.txt", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"ParentReference", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("..", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"Dot", Archive().Header(2, 1, 0).Entry("ok", "1").Entry(".", "x"), EXIT_ENTRY_CREATE, F({{"ok", "1"}}),
             "ok"},
        Case{"DriveLetter", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("c:evil", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"DeviceName", Archive().Header(2, 1, 0).Entry("ok", "1").Entry("NUL.txt", "x"), EXIT_ENTRY_CREATE,
             F({{"ok", "1"}}), "ok"},
        Case{"NameLongerThanTheBuffers", Archive().Header(2, 1, 0).Entry("ok", "1").Entry(LONG_NAME, "x"),
             EXIT_ENTRY_CREATE, F({{"ok", "1"}}), "ok"},
        Case{"NameLengthHuge", Archive().Header(2, 1, 0).Entry("ok", "1").U32(0xFFFFFFFF).Raw("abc"),
             EXIT_ENTRY_CREATE, F({{"ok", "1"}}), "ok"},
        // Archives that end early: nothing they did not hold is written.
        Case{"OnlyPartOfTheMagic", Archive().Raw("HE"), EXIT_BUNDLE_MAGIC, {}, "-"},
        Case{"WrongMagic", Archive().Raw("HEX").U32(0).U32(0).U32(0), EXIT_BUNDLE_MAGIC, {}, "-"},
        Case{"EmptyFile", Archive(), EXIT_BUNDLE_MAGIC, {}, "-"},
        Case{"MagicAlone", Archive().Raw("HEN"), EXIT_BUNDLE_MAGIC, {}, "-"},
        Case{"CutInTheHeader", Archive().Header(1, 1, 0).Cut(2), EXIT_BUNDLE_MAGIC, {}, "-"},
        Case{"CutInANameLength", Archive().Header(2, 1, 0).Entry("ok", "1").U32(5).Cut(1), EXIT_BUNDLE_MAGIC,
             F({{"ok", "1"}}), "ok"},
        Case{"CutInAName", Archive().Header(2, 1, 0).Entry("ok", "1").U32(5).Raw("ab"), EXIT_BUNDLE_MAGIC,
             F({{"ok", "1"}}), "ok"},
        Case{"CutInADataSize", Archive().Header(2, 1, 0).Entry("ok", "1").U32(1).Raw("b").Raw("\x05\x00"),
             EXIT_BUNDLE_MAGIC, F({{"ok", "1"}}), "ok"},
        Case{"CutInTheData", Archive().Header(2, 1, 1).Entry("ok", "1").Entry("b", "0123456789").Cut(3),
             EXIT_BUNDLE_MAGIC, F({{"ok", "1"}}), "b"},
        Case{"DataSizeHuge", Archive().Header(2, 1, 0).Entry("ok", "1").U32(1).Raw("b").U32(0xFFFFFFFF).Raw("ab"),
             EXIT_BUNDLE_MAGIC, F({{"ok", "1"}}), "ok"},
        Case{"FewerEntriesThanCounted", Archive().Header(3, 1, 0).Entry("ok", "1").Entry("b", "2"),
             EXIT_BUNDLE_MAGIC, F({{"ok", "1"}, {"b", "2"}}), "ok"}),
    [](const auto& info) { return info.param.what; });

TEST_F(ExtractBundleTest, AMissingBundleFileCannotBeOpened) {
  const Outcome out = ExtractFrom(work_.Child("missing.tmp"), extraction_.string());
  EXPECT_EQ(out.code, EXIT_BUNDLE_OPEN);
  EXPECT_EQ(out.launch, "-");
}

TEST_F(ExtractBundleTest, AMissingDirectoryFailsAtTheFirstEntry) {
  WriteBytes(work_.path() / "bundle.tmp", Archive().Header(1, 1, 0).Entry("a", "x").bytes());
  const Outcome out = ExtractFrom(work_.Child("bundle.tmp"), (work_.path() / "nowhere").string());
  EXPECT_EQ(out.code, EXIT_ENTRY_CREATE);
}

TEST_F(ExtractBundleTest, ADirectoryEndingWithTheSeparatorGetsNoSecondOne) {
  WriteBytes(work_.path() / "bundle.tmp", Archive().Header(1, 1, 0).Entry("a", "x").bytes());
  const std::string directory = extraction_.string() + PATH_SEPARATOR;
  char launchPath[PATH_BUFFER_SIZE] = {};
  EXPECT_EQ(ExtractBundle(work_.Child("bundle.tmp").c_str(), directory.c_str(), launchPath), EXIT_OK);
  EXPECT_EQ(std::string(launchPath), directory + "a");
}

TEST_F(ExtractBundleTest, AnEntryPathBeyond259CharactersIsRefused) {
  // The directory's own length decides: the name alone is short.
  const std::string name(259 - extraction_.string().size(), 'n');  // one too many with the separator
  const Outcome out = Extract(Archive().Header(2, 1, 0).Entry("ok", "1").Entry(name, "x").bytes());
  EXPECT_EQ(out.code, EXIT_ENTRY_CREATE);
  EXPECT_EQ(out.files, F({{"ok", "1"}}));
}

#ifndef _WIN32
// A full disk: the entry's file is the full device, which refuses every write.
TEST_F(ExtractBundleTest, AShortWriteEndsTheRunAndLeavesNoPartialFile) {
  fs::create_symlink("/dev/full", extraction_ / "big.bin");
  const Outcome out = Extract(Archive().Header(2, 1, 1).Entry("ok", "1").Entry("big.bin", std::string(70000, 'z')).bytes());
  EXPECT_EQ(out.code, EXIT_ENTRY_CREATE);
  EXPECT_EQ(out.files, F({{"ok", "1"}}));
}
#endif

}  // namespace
