#include "setup/switches.h"

#include <gtest/gtest.h>

namespace vornmark {
namespace {

DiagnosticSwitches read(const char* line) {
  DiagnosticSwitches switches;
  read_switches(line, switches);
  return switches;
}

int flags_on(const DiagnosticSwitches& s) {
  int count = 0;
  for (bool f : s.flags) count += f;
  return count;
}

TEST(Switches, LettersAreCaseInsensitiveAndOtherTokensIgnored) {
  const DiagnosticSwitches s = read("-d2 /G3 foo -X");
  EXPECT_TRUE(s.on(2));
  EXPECT_EQ(flags_on(s), 1);
  EXPECT_EQ(s.first_game, 3);
  EXPECT_EQ(s.last_game, 0);
}

TEST(Switches, DWithoutADigitIsD0AndEachDigitItsFlag) {
  EXPECT_TRUE(read("-D").on(0));
  EXPECT_TRUE(read("/dx").on(0));
  const DiagnosticSwitches s = read("  -D1   -D3x -D9 ");
  EXPECT_TRUE(s.on(1));
  EXPECT_TRUE(s.on(3));
  EXPECT_TRUE(s.on(9));
  EXPECT_EQ(flags_on(s), 3);
  EXPECT_EQ(flags_on(read("D1 x-D2 - / -C")), 0);
}

TEST(Switches, GameNumbersReadAsLeadingIntegers) {
  EXPECT_EQ(read("-Gx").first_game, 0);
  EXPECT_EQ(read("-G12abc -L-4").first_game, 12);
  EXPECT_EQ(read("-G12abc -L-4").last_game, -4);
  EXPECT_EQ(read("-l7").last_game, 7);
  // Only spaces separate tokens; a tab belongs to the token and atoi skips it.
  EXPECT_EQ(read("-G\t5").first_game, 5);
  EXPECT_EQ(read("-G99999999999999").first_game, 2147483647);
  EXPECT_EQ(read("-G-99999999999999").first_game, -2147483647 - 1);
}

}  // namespace
}  // namespace vornmark
