#include "command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A double-byte code page for the test: 0x81 to 0x9F open a two-byte character, as in code page 932.
bool ShiftJisLeadByte(unsigned char c) { return c >= 0x81 && c <= 0x9F; }

struct Case {
  std::string what;
  std::string processCommandLine;
  std::string tail;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class CommandLineTails : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTails, PointIntoTheProcessCommandLine) {
  const char* line = GetParam().processCommandLine.c_str();
  const char* tail = CommandLineTail(line, ShiftJisLeadByte);
  EXPECT_EQ(std::string(tail), GetParam().tail);
  EXPECT_GE(tail, line);
  EXPECT_LE(tail, line + GetParam().processCommandLine.size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTails,
    ::testing::Values(
        Case{"Empty", "", ""},
        Case{"UnquotedNameOnly", "setup.exe", ""},
        Case{"QuotedNameOnly", "\"C:\\a b\\setup.exe\"", ""},
        Case{"BlanksAndTabsAfterTheName", "setup.exe \t \t", ""},
        Case{"QuotedWithBlanksInsideAndArguments", "\"C:\\a b\\l.exe\"  /S  \"C:\\P F\\x\" ", "/S  \"C:\\P F\\x\" "},
        Case{"UnquotedEndsAtTab", "l.exe\t/x y", "/x y"},
        Case{"UnquotedEndsAtAnyControlByte", "l.exe\x01\x1F/x", "/x"},
        Case{"UnclosedQuote", "\"l.exe /S /D", ""},
        Case{"LoneQuoteArgument", "l.exe \"", "\""},
        Case{"HighBytesBelongToTheName", "\xE9\xFFl.exe /a", "/a"},
        Case{"QuotesInsideUnquotedName", "a\"b c\"d e", "c\"d e"},
        Case{"TextAfterClosingQuote", "\"x y\"z w", "z w"},
        Case{"LeadByteTakesTheQuoteAlong", "\"ab\x81\"cd\" /q", "/q"},
        Case{"LeadByteAtTheEndStopsThere", "\"ab\x81", ""},
        Case{"HighByteThatIsNoLeadByte", "\"ab\xE0\" /q", "/q"}),
    [](const auto& info) { return info.param.what; });

}  // namespace
