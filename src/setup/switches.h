#pragma once
// The diagnostic switches of the command line: -D0 to -D9, -G<n>, -L<n>, -C.

#include <array>
#include <string_view>

namespace vornmark {

struct DiagnosticSwitches {
  std::array<bool, 10> flags{};  // D0 to D9
  int first_game = 0;            // G: D0 goes on at the start of this game
  int last_game = 0;             // L: likewise

  bool on(int flag) const { return flags[static_cast<std::size_t>(flag)]; }
};

// Reads the switches of a command line: tokens split at spaces, a switch starting with '-' or
// '/', its letter case-insensitive; everything else is ignored.
void read_switches(std::string_view command_line, DiagnosticSwitches& switches);

// A number as the C library's atoi reads it (leading white space, sign, digits), saturating.
int leading_number(std::string_view text);

}  // namespace vornmark
