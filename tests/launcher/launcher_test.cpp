// The launcher executable end to end: started with exact command lines, with its temporary
// directory pointed into a test area, carrying packages made for each case.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

#include "exit_codes.h"
#include "launcher_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

using Files = std::vector<BundleFile>;

struct ExitCase {
  std::string what;
  std::function<Files(Files)> files;  // the standard files changed for the case
  std::int32_t launchIndex;
  int exitCode;
  std::vector<std::string> leftovers;  // "file BUNDLE" stands for the whole bundle file
  bool probeRuns;
};

void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.what; }

class ExitCodes : public LauncherTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCodes, EndTheRunAndLeaveWhatTheyShould) {
  const Files files = GetParam().files(StandardFiles());
  const Bytes package = PackageOf(files, GetParam().launchIndex);
  const Run run = Start(Variant(package), "launcher.exe /quiet", {}, {}, true);
  EXPECT_EQ(run.exitCode, static_cast<unsigned long>(GetParam().exitCode));
  std::vector<std::string> expected = GetParam().leftovers;
  for (std::string& line : expected) {
    if (line == "file BUNDLE") line = "file " + std::to_string(EncodeBundle(files, GetParam().launchIndex).size());
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Leftovers(temp_), expected);
  EXPECT_EQ(run.probeRan, GetParam().probeRuns);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExitCodes,
    ::testing::Values(
        ExitCase{"Success", [](Files f) { return f; }, 3, EXIT_OK, {}, true},
        ExitCase{"BadEntryNameAfterTwoGoodOnes",
                 [](Files f) {
                   f.insert(f.begin() + 2, BundleFile{"sub\\evil.txt", ToBytes("x")});
                   return f;
                 },
                 4, EXIT_ENTRY_CREATE, {"dir [engine.dll readme.txt]", "file BUNDLE"}, false},
        ExitCase{"NoLaunchEntryDesignated", [](Files f) { return f; }, 5, EXIT_BUNDLE_MAGIC, {}, false},
        // The shell reports that it cannot open the file in a dialog box, answered by the spawner.
        ExitCase{"LaunchEntryStartsNoProcess",
                 [](Files f) {
                   f[3] = BundleFile{"setup.unknown-type", ToBytes("not a program")};
                   return f;
                 },
                 3, EXIT_OK, {}, false}),
    [](const auto& info) { return info.param.what; });

TEST_F(LauncherTest, ACorruptPackageEndsAtTheMagicLeavingTheEmptyBundleAndDirectory) {
  Bytes package = StandardPackage();
  package[13] = 0x55;  // the range coder's first byte must be zero
  const Run run = Start(Variant(package), "launcher.exe /quiet");
  EXPECT_EQ(run.exitCode, static_cast<unsigned long>(EXIT_BUNDLE_MAGIC));
  EXPECT_EQ(Leftovers(temp_), (std::vector<std::string>{"dir []", "file 0"}));
}

TEST_F(LauncherTest, WithoutAPackageResourceItFailsBeforeDecodingAndDeletesThePackageFile) {
  const Run run = Start(BinaryDirectory() + "\\launcher_without_package.exe", "launcher.exe /quiet");
  EXPECT_EQ(run.exitCode, static_cast<unsigned long>(EXIT_PACKAGE_WRITE));
  EXPECT_TRUE(Leftovers(temp_).empty());
}

TEST_F(LauncherTest, ATemporaryDirectoryThatDoesNotExistGivesNoTemporaryName) {
  const Bytes package = StandardPackage();
  const Run run = Start(Variant(package), "launcher.exe /quiet", {}, (area_.path() / "missing").string());
  EXPECT_EQ(run.exitCode, static_cast<unsigned long>(EXIT_NO_TEMP_NAME));
  EXPECT_FALSE(fs::exists(area_.path() / "missing"));
}

TEST_F(LauncherTest, ReturnsOkWhateverTheSetupProgramReturns) {
  const Bytes package = StandardPackage();
  const std::string launcher = Variant(package);
  for (const char* code : {"0", "2", "77", "-1"}) {
    EXPECT_EQ(Start(launcher, "launcher.exe x", {{"PROBE_EXIT_CODE", code}}).exitCode, 1ul) << code;
  }
}

TEST_F(LauncherTest, WaitsForTheSetupProgramThenRemovesEverything) {
  const Bytes package = StandardPackage();
  const Run run = Start(Variant(package), "launcher.exe x", {{"PROBE_SLEEP_MS", "1500"}});
  EXPECT_EQ(run.exitCode, 1ul);
  EXPECT_GE(run.seconds, 1.5);
  ASSERT_TRUE(run.probeRan);  // the record is written only after the sleep
  EXPECT_EQ(run.record.at("finished").at(0), "yes");
  EXPECT_TRUE(Leftovers(temp_).empty());
}

TEST_F(LauncherTest, TheSetupProgramStartsInTheLaunchersDirectoryAndSeesEveryEntryComplete) {
  const Bytes package = StandardPackage();
  const Run run = Start(Variant(package), "launcher.exe x");
  ASSERT_TRUE(run.probeRan);
  EXPECT_EQ(fs::path(run.record.at("cwd").at(0)), current_);

  const std::string self = run.record.at("self").at(0);
  const std::string extraction = self.substr(0, self.find_last_of('\\'));
  EXPECT_EQ(fs::path(extraction).parent_path(), temp_);
  EXPECT_EQ(fs::path(extraction).filename().string().rfind("vek", 0), 0u);

  // Sizes and checksums, as the probe saw them, against what the bundle holds.
  std::vector<std::string> expected;
  for (const BundleFile& f : StandardFiles()) {
    std::uint32_t hash = 2166136261u;
    for (std::uint8_t b : f.data) hash = (hash ^ b) * 16777619u;
    expected.push_back(f.name + " " + std::to_string(f.data.size()) + " " + std::to_string(hash));
  }
  std::vector<std::string> seen = run.record.at("file");
  std::sort(expected.begin(), expected.end());
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, expected);
}

TEST_F(LauncherTest, ALeftoverFileOfTheSetupProgramIsRemovedToo) {
  const Bytes package = StandardPackage();
  const Run run = Start(Variant(package), "launcher.exe x", {{"PROBE_LEAVE_FILE", "setup.log"}});
  ASSERT_TRUE(run.probeRan);
  EXPECT_EQ(run.exitCode, 1ul);
  EXPECT_TRUE(Leftovers(temp_).empty());
}

// Command lines, byte for byte at the probe. The program is started by its full path, so the
// name in the command line can be anything, even unterminated.
struct CommandLineCase {
  std::string what;
  std::string processCommandLine;
  std::string parameters;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.what; }

class CommandLines : public LauncherTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLines, ReachTheSetupProgramUnchanged) {
  const Bytes package = StandardPackage();
  const Run run = Start(Variant(package, "dir with blank\\launcher.exe"), GetParam().processCommandLine);
  ASSERT_TRUE(run.probeRan);
  EXPECT_EQ(ProbeParameters(run.record), GetParam().parameters);
  EXPECT_EQ(run.exitCode, 1ul);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLines,
    ::testing::Values(
        CommandLineCase{"QuotedNameWithBlanksAndArguments",
                        "\"C:\\dir with blank\\launcher.exe\"  /S  \"C:\\Program Files\\x\" ",
                        "/S  \"C:\\Program Files\\x\" "},
        CommandLineCase{"UnquotedNameEndsAtATab", "launcher.exe\t/x", "/x"},
        CommandLineCase{"LoneQuoteAfterTheName", "launcher.exe \"", "\""},
        CommandLineCase{"HighBytesBelongToAnUnquotedName", "ab\xE9" "cd /a", "/a"},
        CommandLineCase{"QuotesInsideAnUnquotedNameDoNotPair", "a\"b c\"d e", "c\"d e"},
        CommandLineCase{"TextRightAfterTheClosingQuote", "\"x y\"z w", "z w"},
        CommandLineCase{"OnlyTheName", "launcher.exe", ""},
        CommandLineCase{"QuotedNameAndTrailingWhiteSpace", "\"launcher.exe\" \t ", ""},
        CommandLineCase{"UnclosedQuoteTakesEverything", "\"launcher.exe /S", ""}),
    [](const auto& info) { return info.param.what; });

}  // namespace
