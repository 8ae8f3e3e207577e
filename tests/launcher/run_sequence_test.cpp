// The run sequence called in this process, with the temporary-path and temporary-name calls
// failing on purpose. This program carries the demo package as its own IDR_PACKAGE.
#include "run_sequence.h"

#include <gtest/gtest.h>

#include "exit_codes.h"
#include "launcher_fixture.h"

namespace {

using namespace testing_support;

class RunSequenceSeams : public LauncherTest {
 protected:
  // The real calls, aimed at the test area, with the `failing`th temporary name refused.
  SystemCalls Calls(int failing) {
    SystemCalls calls;
    const std::string directory = temp_.string() + "\\";
    calls.getTempPath = [directory](DWORD size, LPSTR buffer) {
      lstrcpynA(buffer, directory.c_str(), static_cast<int>(size));
      return static_cast<DWORD>(directory.size());
    };
    calls.getTempFileName = [this, failing](LPCSTR path, LPCSTR prefix, UINT unique, LPSTR name) {
      return ++names_ == failing ? 0u : GetTempFileNameA(path, prefix, unique, name);
    };
    return calls;
  }
  int names_ = 0;
};

TEST_F(RunSequenceSeams, NoTemporaryPathEndsAtOnceLeavingNothing) {
  SystemCalls calls = Calls(0);
  calls.getTempPath = [](DWORD, LPSTR) { return DWORD{0}; };
  EXPECT_EQ(RunSequence(GetModuleHandleA(nullptr), "x", calls), EXIT_NO_TEMP_PATH);
  EXPECT_EQ(names_, 0);
}

// Which temporary name fails, and how the one file left behind begins ("" for nothing left): the
// second leaves the whole package file, the third the bundle file and no package file.
struct NameFailure {
  int failing;
  std::string leftBehindBegins;
};

void PrintTo(const NameFailure& c, std::ostream* out) { *out << "name " << c.failing; }

class TemporaryNames : public RunSequenceSeams, public ::testing::WithParamInterface<NameFailure> {};

TEST_P(TemporaryNames, FailingLeaveWhatExistsAtThatStep) {
  EXPECT_EQ(RunSequence(GetModuleHandleA(nullptr), "x", Calls(GetParam().failing)), EXIT_NO_TEMP_NAME);
  const auto files = ListFiles(temp_);
  const std::string& begins = GetParam().leftBehindBegins;
  ASSERT_EQ(files.size(), begins.empty() ? 0u : 1u);
  if (!begins.empty()) {
    const Bytes& left = files.begin()->second;
    ASSERT_GE(left.size(), 13u);
    EXPECT_EQ(std::string(left.begin(), left.begin() + begins.size()), begins);
  }
}

INSTANTIATE_TEST_SUITE_P(Steps, TemporaryNames,
                         ::testing::Values(NameFailure{1, ""}, NameFailure{2, "\x5D"}, NameFailure{3, "HEN"}));

TEST_F(RunSequenceSeams, AnExtractionNameSomeoneMadeADirectoryFirstIsNotUsed) {
  SystemCalls calls = Calls(0);
  const std::string planted = temp_.string() + "\\planted.tmp";
  calls.getTempFileName = [this, planted](LPCSTR path, LPCSTR prefix, UINT unique, LPSTR name) {
    if (++names_ < 3) return GetTempFileNameA(path, prefix, unique, name);
    lstrcpyA(name, planted.c_str());  // a name whose directory exists and holds a file
    return 1u;
  };
  std::filesystem::create_directory(planted);
  WriteBytes(planted + "\\keep.txt", ToBytes("keep"));
  EXPECT_EQ(RunSequence(GetModuleHandleA(nullptr), "x", calls), EXIT_ENTRY_CREATE);
  EXPECT_EQ(ListFiles(planted), (std::map<std::string, Bytes>{{"keep.txt", ToBytes("keep")}}));
}

}  // namespace
