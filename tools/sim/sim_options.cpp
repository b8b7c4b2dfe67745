#include "sim_options.h"

#include <cstdint>

#include "setup/settings.h"

namespace vornmark::sim {

const char* const kUsage =
    "usage: vornmark-sim [options] [program switches]\n"
    "Plays whole Simulation games without a window: the computer fires at a fleet scattered at\n"
    "random until it is sunk. Settings not given come from the settings file (never written).\n"
    "\n"
    "  --grid N            grid size, 4 to 30\n"
    "  --shots N           shots per volley, 1 to 10\n"
    "  --threshold N       ambiguity threshold, 1 to 30\n"
    "  --level N           0 Novice, 1 Intermediate, 2 Advanced, 3 Expert\n"
    "  --automatic 0|1     hits scored automatically (1) or by the Simulation command (0)\n"
    "  --pause-vornmark 0|1  pause after each computer volley\n"
    "  --games N           number of games, at least 1 (default 1)\n"
    "  --seed N            seed of the random generator, 0 to 4294967295\n"
    "  --trace FILE        write the trace log to FILE (switches on -D1)\n"
    "  --paired            compare the level with Intermediate on the same fleets\n"
    "  --phases            where the level's volleys go, on the fleets of --paired\n"
    "  --threads N         threads of the Expert's search, 1 to 16 (its volleys do not change)\n"
    "  --help              show this text\n"
    "  -D0..-D9, -G<n>, -L<n>, -C   the program's own switches, '-' or '/'\n"
    "\n"
    "Output: one line 'game <i> volleys <v> shots <s> warnings <w>' per game, then\n"
    "'summary games <n> mean_volleys <m> min <a> max <b>'. With --paired, one line\n"
    "'pair <i> fleet <seed> base <mean> level <v> diff <d>' per fleet (Intermediate's mean over\n"
    "8 tie-break streams), then 'paired games <n> base_mean <b> level_mean <l> diff <d>\n"
    "diff_pct <p> ci95_pct <low> <high> ms_per_volley <t> ms_longest <u>' (processor time).\n"
    "With --phases, the level's games of --paired, as means per game: 'phases games <n>\n"
    "mean_volleys <m>', then 'ships_found <k> volleys <v>' (volleys fired with k ships hit\n"
    "before them), 'ship_found <k> after_shots <s>' (shots up to the volley that first hit a\n"
    "k-th ship) and 'hits <h> volleys <v>' (volleys fired with h hits scored before them).\n";

namespace {

// A whole decimal number with an optional minus sign; none for anything else.
std::optional<long long> whole_number(const std::string& text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    if (value > 100000000000LL) value = 100000000000LL;  // far beyond every range; stays out of it
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

struct NumberOption {
  const char* name;
  long long low;
  long long high;
};

// An option that overrides a setting takes the setting's range.
constexpr NumberOption setting_option(const char* name, SettingId id) {
  return {name, setting(id).low, setting(id).high};
}

constexpr NumberOption kNumberOptions[] = {
    setting_option("--grid", SettingId::MaxCells),
    setting_option("--shots", SettingId::NumberOfShots),
    setting_option("--threshold", SettingId::AmbiguityThreshold),
    setting_option("--level", SettingId::PlayLevel),
    setting_option("--automatic", SettingId::AutomaticMode),
    setting_option("--pause-vornmark", SettingId::PauseVornmark),
    {"--games", 1, 2147483647LL},
    {"--seed", 0, 4294967295LL},
    {"--threads", 1, 16},
};

void store(SimOptions& options, const std::string& name, long long value) {
  const int small = static_cast<int>(value);
  if (name == "--grid") options.grid = small;
  if (name == "--shots") options.shots = small;
  if (name == "--threshold") options.threshold = small;
  if (name == "--level") options.level = small;
  if (name == "--automatic") options.automatic = small;
  if (name == "--pause-vornmark") options.pause_vornmark = small;
  if (name == "--games") options.games = small;
  if (name == "--seed") options.seed = static_cast<std::uint32_t>(value);
  if (name == "--threads") options.threads = small;
}

}  // namespace

ParseResult parse_options(const std::vector<std::string>& arguments) {
  ParseResult result;
  SimOptions& options = result.options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help") {
      options.help = true;
      return result;
    }
    if (argument == "--paired" || argument == "--phases") {
      (argument == "--paired" ? options.paired : options.phases) = true;
      if (options.paired && options.phases) {
        result.error = "options '--paired' and '--phases' exclude each other";
        return result;
      }
      continue;
    }
    if (argument.rfind("--", 0) != 0) {
      if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) {
        result.error = "unexpected argument '" + argument + "' (switches start with '-' or '/')";
        return result;
      }
      options.switches.push_back(argument);
      continue;
    }

    const NumberOption* number = nullptr;
    for (const NumberOption& candidate : kNumberOptions)
      if (argument == candidate.name) number = &candidate;
    if (number == nullptr && argument != "--trace") {
      result.error = "unknown option '" + argument + "'";
      return result;
    }
    // A long option where the value should be means the value is missing.
    if (i + 1 == arguments.size() || arguments[i + 1].rfind("--", 0) == 0) {
      result.error = "option '" + argument + "' needs a value";
      return result;
    }
    const std::string& value = arguments[++i];
    if (number == nullptr) {
      if (value.empty()) {
        result.error = "option '--trace' needs a file name";
        return result;
      }
      options.trace_path = value;
      continue;
    }
    const std::optional<long long> parsed = whole_number(value);
    if (!parsed) {
      result.error = "option '" + argument + "': '" + value + "' is not a number";
      return result;
    }
    if (*parsed < number->low || *parsed > number->high) {
      result.error = "option '" + argument + "': " + value + " is out of range (" + std::to_string(number->low) +
                     " to " + std::to_string(number->high) + ")";
      return result;
    }
    store(options, argument, *parsed);
  }
  return result;
}

std::string start_up_command_line(const SimOptions& options) {
  std::string command_line;
  for (const std::string& token : options.switches) {
    if (!command_line.empty()) command_line += ' ';
    command_line += token;
  }
  if (options.trace_path) command_line += command_line.empty() ? "-D1" : " -D1";
  return command_line;
}

}  // namespace vornmark::sim
