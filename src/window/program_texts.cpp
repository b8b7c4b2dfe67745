#include "window/program_texts.h"

#include <QtGlobal>

namespace vornmark {

std::string version_text() { return std::string("Vornmark ") + VORNMARK_VERSION + "\n"; }

std::string about_text() {
  return std::string("Vornmark\nVersion ") + VORNMARK_VERSION +
         "\n\n"
         "The salvo game against an opponent that counts: Vornmark is never told which of its "
         "shots hit, only how many hits each of your ships took, and finds your fleet by counting "
         "every placement that is still possible.\n\n"
         "Written by the Vornmark developers.\n"
         "Built with Qt " QT_VERSION_STR ".";
}

std::string usage_text() {
  return "Usage: vornmark [SWITCH]...\n"
         "The salvo game against Vornmark, a computer opponent that counts.\n"
         "\n"
         "Switches begin with '-' or '/'; their letter may be in either case.\n"
         "  -D, -D0     add the Simulation command to the menu bar\n"
         "  -D1         write the opponent's reasoning to the file \"stats\" in the current directory\n"
         "  -D2         show the computer's ships while you aim\n"
         "  -D3         leave the random generator unseeded, so that every run repeats its games\n"
         "  -G<n>, -L<n>\n"
         "              switch the flag D0 on at the start of game n\n"
         "  -C          accepted; changes nothing\n"
         "  --help      show this text and exit\n"
         "  --version   show the version and exit\n"
         "\n"
         "The settings are kept in $XDG_CONFIG_HOME/vornmark/VORNMARK.INI\n"
         "(by default ~/.config/vornmark/VORNMARK.INI) and written when the window closes.\n";
}

std::optional<std::string> early_exit_text(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help") return usage_text();
    if (argument == "--version") return version_text();
  }
  return std::nullopt;
}

std::string join_arguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace vornmark
