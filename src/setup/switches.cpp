#include "setup/switches.h"

#include <cctype>
#include <climits>

namespace vornmark {

int leading_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long number = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    number = number * 10 + (text[i] - '0');
    if (number > static_cast<long long>(INT_MAX) + 1) number = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) number = -number;
  if (number > INT_MAX) number = INT_MAX;
  return static_cast<int>(number);
}

void read_switches(std::string_view command_line, DiagnosticSwitches& switches) {
  while (!command_line.empty()) {
    const std::size_t start = command_line.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    command_line.remove_prefix(start);
    const std::size_t end = command_line.find(' ');
    const std::string_view token = command_line.substr(0, end);
    command_line.remove_prefix(end == std::string_view::npos ? command_line.size() : end);

    if (token.size() < 2 || (token[0] != '-' && token[0] != '/')) continue;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(token[1])));
    const std::string_view argument = token.substr(2);
    switch (letter) {
      case 'D':
        if (!argument.empty() && std::isdigit(static_cast<unsigned char>(argument[0])))
          switches.flags[static_cast<std::size_t>(argument[0] - '0')] = true;
        else
          switches.flags[0] = true;
        break;
      case 'G':
        switches.first_game = leading_number(argument);
        break;
      case 'L':
        switches.last_game = leading_number(argument);
        break;
      default:  // -C and every other letter change nothing
        break;
    }
  }
}

}  // namespace vornmark
