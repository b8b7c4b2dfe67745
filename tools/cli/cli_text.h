#pragma once
// How the scripted driver writes texts and reads numbers.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornmark::cli {

// A text on one line: a line end becomes \n and a backslash \\; everything else stays.
std::string escape(std::string_view text);

// A whole decimal integer (optional minus sign); nothing for anything else or out of range.
std::optional<int> parse_int(std::string_view text);

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> words(std::string_view line);

}  // namespace vornmark::cli
