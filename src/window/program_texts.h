#pragma once
// The texts the program shows about itself: the About box, and what --help and --version print.

#include <optional>
#include <string>
#include <vector>

namespace vornmark {

// The About box: the program's name, its version and the credits.
std::string about_text();
std::string version_text();
std::string usage_text();

// The text to print before exiting with code 0 when the arguments ask for help or the version;
// none when the program should start. The arguments exclude the program's name.
std::optional<std::string> early_exit_text(const std::vector<std::string>& arguments);

// The command line as the game's switch reader takes it: the arguments joined with blanks.
std::string join_arguments(const std::vector<std::string>& arguments);

}  // namespace vornmark
