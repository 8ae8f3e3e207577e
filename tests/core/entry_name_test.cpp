#include "entry_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
  std::string name;
  bool safe;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << '"' << c.name << '"'; }

class EntryNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(EntryNames, AreSafeOnlyAsBareFileNames) {
  EXPECT_EQ(IsSafeEntryName(GetParam().name), GetParam().safe) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EntryNames,
    ::testing::Values(NameCase{"setup.exe", true}, NameCase{"a", true}, NameCase{std::string(259, 'n'), true},
                      NameCase{"readme v2.txt", true}, NameCase{"..hidden", true}, NameCase{"CONFIG.SYS", true},
                      NameCase{"com10", true}, NameCase{"\xC4\xE3\xBA\xC3.txt", true},
                      NameCase{"", false}, NameCase{std::string(260, 'n'), false}, NameCase{".", false},
                      NameCase{"..", false}, NameCase{"sub\\a.txt", false}, NameCase{"sub/a.txt", false},
                      NameCase{"c:setup.exe", false}, NameCase{"a\x01" "b", false}, NameCase{"tab\tname", false},
                      NameCase{"what?.txt", false}, NameCase{"a*b", false}, NameCase{"pipe|", false},
                      NameCase{"CON", false}, NameCase{"nul.txt", false}, NameCase{"Aux", false},
                      NameCase{"COM1", false}, NameCase{"lpt9.log", false}, NameCase{"prn .x", false}));

TEST(ComposeEntryPath, JoinsWithOneSeparator) {
  char path[PATH_BUFFER_SIZE];
  const std::string sep(1, PATH_SEPARATOR);
  ASSERT_TRUE(ComposeEntryPath(("dir" + sep + "x").c_str(), "setup.exe", path));
  EXPECT_EQ(std::string(path), "dir" + sep + "x" + sep + "setup.exe");
  ASSERT_TRUE(ComposeEntryPath(("dir" + sep).c_str(), "setup.exe", path));
  EXPECT_EQ(std::string(path), "dir" + sep + "setup.exe");
}

TEST(ComposeEntryPath, RefusesWhatDoesNotFitAndLeavesZeros) {
  char path[PATH_BUFFER_SIZE];
  const std::string directory(250, 'd');
  EXPECT_TRUE(ComposeEntryPath(directory.c_str(), std::string(8, 'n'), path));  // 259 characters
  EXPECT_EQ(std::string(path).size(), 259u);
  EXPECT_FALSE(ComposeEntryPath(directory.c_str(), std::string(9, 'n'), path));
  EXPECT_EQ(path[0], 0);
  EXPECT_FALSE(ComposeEntryPath("", "setup.exe", path));
}

}  // namespace
