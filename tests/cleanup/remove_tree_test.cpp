// RemoveTree on real directories.
#include "remove_tree.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process_support.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// Everything below `root`, as sorted relative paths with "/" for directories.
std::vector<std::string> Contents(const fs::path& root) {
  std::vector<std::string> out;
  if (!fs::exists(root)) return out;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    std::string relative = fs::relative(it->path(), root).generic_string();
    if (it->is_directory() && !it->is_symlink()) relative += "/";
    out.push_back(relative);
  }
  std::sort(out.begin(), out.end());
  return out;
}

// Lays out a tree: paths ending in "/" are directories, a leading "!" makes a read-only file.
void Lay(const fs::path& root, const std::vector<std::string>& entries) {
  fs::create_directories(root);
  for (std::string entry : entries) {
    const bool readOnly = entry[0] == '!';
    if (readOnly) entry.erase(0, 1);
    if (entry.back() == '/') {
      fs::create_directories(root / entry);
      continue;
    }
    fs::create_directories((root / entry).parent_path());
    WriteBytes(root / entry, ToBytes(entry));
    if (readOnly) SetFileAttributesA((root / entry).string().c_str(), FILE_ATTRIBUTE_READONLY);
  }
}

struct TreeCase {
  std::string what;
  std::vector<std::string> entries;
  int result;
  std::vector<std::string> remains;  // relative to the tree's parent; "tree/" is the tree itself
};

void PrintTo(const TreeCase& c, std::ostream* out) { *out << c.what; }

class Trees : public ::testing::TestWithParam<TreeCase> {
 protected:
  void TearDown() override {
    // Read-only files left by a case must become deletable for the area's own removal.
    for (const auto& entry : fs::recursive_directory_iterator(area_.path())) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
  }
  TempDir area_;
};

TEST_P(Trees, AreRemovedAsFarAsTheSystemAllows) {
  const fs::path tree = area_.path() / "tree";
  Lay(tree, GetParam().entries);
  WriteBytes(area_.path() / "sibling.txt", ToBytes("not part of the tree"));
  EXPECT_EQ(RemoveTree(tree.string().c_str()), GetParam().result);
  std::vector<std::string> expected = GetParam().remains;
  expected.push_back("sibling.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Contents(area_.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Trees,
    ::testing::Values(
        TreeCase{"Empty", {}, 1, {}},
        TreeCase{"OneFileWhichIsAlsoTheLastEntry", {"only.txt"}, 1, {}},
        TreeCase{"FilesOnly", {"a.txt", "b.dll", "c.exe", "z.last"}, 1, {}},
        TreeCase{"Nested", {"a.txt", "x/b.txt", "x/y/c.txt", "x/y/z/", "w/d.txt", "w/v/"}, 1, {}},
        TreeCase{"ReadOnlyFileTwoLevelsDown",
                 {"a.txt", "x/b.txt", "!x/y/ro.txt", "x/y/c.txt", "x/q/e.txt", "w/d.txt"},
                 0,
                 {"tree/", "tree/x/", "tree/x/y/", "tree/x/y/ro.txt"}}),
    [](const auto& info) { return info.param.what; });

TEST(RemoveTree, APathThatDoesNotExistGivesZeroAndTouchesNothing) {
  TempDir area;
  WriteBytes(area.path() / "keep.txt", ToBytes("keep"));
  EXPECT_EQ(RemoveTree((area.path() / "missing").string().c_str()), 0);
  EXPECT_EQ(Contents(area.path()), std::vector<std::string>{"keep.txt"});
}

TEST(RemoveTree, TheSecondOfTwoCallsFindsNothing) {
  TempDir area;
  Lay(area.path() / "tree", {"a.txt", "x/b.txt"});
  const std::string tree = (area.path() / "tree").string();
  EXPECT_EQ(RemoveTree(tree.c_str()), 1);
  EXPECT_EQ(RemoveTree(tree.c_str()), 0);
  EXPECT_TRUE(Contents(area.path()).empty());
}

// Paths are composed in 200-byte buffers: what does not fit stays, and so does every directory
// above it; nothing overruns.
TEST(RemoveTree, EntriesWhosePathsDoNotFitStayInPlace) {
  TempDir area;
  const fs::path tree = area.path() / "tree";
  const std::size_t room = 199 - tree.string().size() - 1;  // the longest name that still fits
  Lay(tree, {"short.txt", std::string(room, 'f'), std::string(room + 1, 'g'), "deep/" + std::string(room, 'h')});
  EXPECT_EQ(RemoveTree(tree.string().c_str()), 0);
  EXPECT_EQ(Contents(area.path()), (std::vector<std::string>{"tree/", "tree/deep/", "tree/deep/" + std::string(room, 'h'),
                                                             "tree/" + std::string(room + 1, 'g')}));
}

TEST(RemoveTree, ADeepTreeStopsWhereItsPathsStopFitting) {
  TempDir area;
  fs::path deepest = area.path() / "tree";
  while (deepest.string().size() < 240) deepest /= "level";
  Lay(deepest, {"bottom.txt"});
  EXPECT_EQ(RemoveTree((area.path() / "tree").string().c_str()), 0);
  const std::vector<std::string> left = Contents(area.path());
  ASSERT_FALSE(left.empty());
  EXPECT_EQ(left.front(), "tree/");
  EXPECT_NE(std::find_if(left.begin(), left.end(), [](const std::string& s) { return s.find("bottom.txt") != std::string::npos; }),
            left.end());
}

// A link inside the tree is never walked into, and deleting it never reaches what it points at.
// Wine cannot make such a link (its CreateSymbolicLinkA makes nothing), so Unix symbolic links are
// laid beforehand; since Wine's deletion would follow them, they stay behind there, while Windows
// removes them as links.
TEST(RemoveTree, NeverFollowsALinkOutOfTheTree) {
  const fs::path area = fs::path(BinaryDirectory()).parent_path() / "cleanup-link-area";
  ASSERT_TRUE(fs::exists(area / "tree" / "a.txt")) << "laid out by make_link_tree.sh";
  RemoveTree((area / "tree").string().c_str());
  EXPECT_EQ(ReadBytes(area / "outside" / "canary.txt"), ToBytes("canary\n"));
  EXPECT_EQ(ReadBytes(area / "outside" / "inner" / "deep.txt"), ToBytes("inner\n"));
  EXPECT_FALSE(fs::exists(area / "tree" / "a.txt"));
  EXPECT_FALSE(fs::exists(area / "tree" / "sub"));
}

}  // namespace
