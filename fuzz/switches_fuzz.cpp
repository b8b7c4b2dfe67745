// Any text as the command line: reading the switches never crashes, reads each token on its
// own, and start-up with them changes only the diagnostic flags and the game numbers G and L,
// which then switch D0 on at the game they name. The text runs with -D3 before it, and
// without the trace log switch (no file is written).

#include <cctype>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "setup/switches.h"

namespace vornmark::fuzz {
namespace {

bool same(const DiagnosticSwitches& a, const DiagnosticSwitches& b) {
  return a.flags == b.flags && a.first_game == b.first_game && a.last_game == b.last_game;
}

// The text with every switch that would open the trace log made into a plain word, in place.
std::string without_trace_switch(std::string text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end - start >= 3 && (text[start] == '-' || text[start] == '/') &&
        std::toupper(static_cast<unsigned char>(text[start + 1])) == 'D' && text[start + 2] == '1')
      text[start] = 'x';
    start = end + 1;
  }
  return text;
}

void check_same_board_sizes(const Board& found, const Board& expected) {
  FUZZ_CHECK(found.width() == expected.width() && found.height() == expected.height() &&
                 found.capacity() == expected.capacity(),
             "board %s is %dx%d, not %dx%d", found.display_name(), found.width(), found.height(), expected.width(),
             expected.height());
}

void check_same_fleet(const Fleet& found, const Fleet& expected) {
  for (std::size_t i = 0; i < found.size(); ++i) {
    FUZZ_CHECK(std::string(found[i].display_name()) == expected[i].display_name() &&
                   found[i].cell_count() == expected[i].cell_count() && found[i].id() == expected[i].id() &&
                   found[i].shape() == expected[i].shape(),
               "ship %zu was described differently", i);
  }
}

// Everything but the switches is as start-up with -D3 alone leaves it.
void check_only_switches_changed(const Match& match, const Match& baseline, const OkPlatform& platform) {
  FUZZ_CHECK(platform.boxes.empty(), "start-up showed \"%s\"", platform.boxes.front().text.c_str());
  FUZZ_CHECK(match.settings() == baseline.settings(), "the switches changed the settings");
  FUZZ_CHECK(match.random().state() == 1, "the generator was seeded despite -D3");
  FUZZ_CHECK(!match.report().log().is_open(), "the trace log was opened");
  FUZZ_CHECK(match.game_counter() == 0 && match.play_state() == PlayState::Idle && match.who_starts() == WhoStarts::You,
             "the switches changed the play state");
  for (const Board& (Match::*board)() const :
       {&Match::my_sea, &Match::my_shots, &Match::his_shots, &Match::his_real_ships})
    check_same_board_sizes((match.*board)(), (baseline.*board)());
  check_same_fleet(match.my_fleet(), baseline.my_fleet());
  check_same_fleet(match.his_fleet(), baseline.his_fleet());
}

}  // namespace
}  // namespace vornmark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vornmark;
  using namespace vornmark::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);

  // Each token is read on its own: two halves read one after the other give what the whole
  // gives, and reading the same text again changes nothing.
  DiagnosticSwitches whole;
  read_switches(text, whole);
  const std::size_t middle = text.size() / 2;
  DiagnosticSwitches halves;
  read_switches(text.substr(0, middle), halves);
  read_switches(text.substr(middle), halves);
  DiagnosticSwitches joined;
  read_switches(text.substr(0, middle) + " " + text.substr(middle), joined);
  FUZZ_CHECK(same(halves, joined), "a space between two texts changed what they say");
  DiagnosticSwitches twice = whole;
  read_switches(text, twice);
  FUZZ_CHECK(same(twice, whole), "reading the same switches twice changed them");

  // Start-up with the switches.
  const std::string command_line = "-D3 " + without_trace_switch(text);
  OkPlatform platform;
  Match match(platform);
  StartUpOptions options;
  options.command_line = command_line;
  start_up(match, options);

  OkPlatform baseline_platform;
  Match baseline(baseline_platform);
  StartUpOptions baseline_options;
  baseline_options.command_line = "-D3";
  start_up(baseline, baseline_options);
  check_only_switches_changed(match, baseline, platform);

  DiagnosticSwitches expected;
  read_switches(command_line, expected);
  FUZZ_CHECK(same(match.switches(), expected), "start-up read other switches than the command line holds");
  FUZZ_CHECK(match.switches().on(3) && !match.switches().on(1), "D3 must be on and D1 off");

  // G and L switch D0 on at the start of the game they name, and not before.
  const DiagnosticSwitches& s = match.switches();
  const bool d0_at_start = s.on(0);
  for (int played = 1; played <= 3; ++played) {
    match.new_game(Match::Counted::Yes);
    const bool named = (s.first_game > 0 && s.first_game <= played) || (s.last_game > 0 && s.last_game <= played);
    FUZZ_CHECK(s.on(0) == (d0_at_start || named), "D0 is %d after game %d with G=%d L=%d", s.on(0), played,
               s.first_game, s.last_game);
    for (int flag = 1; flag < 10; ++flag) FUZZ_CHECK(s.on(flag) == expected.on(flag), "a new game changed D%d", flag);
  }
  FUZZ_CHECK(platform.boxes.empty(), "a new game showed \"%s\"", platform.boxes.front().text.c_str());
  return 0;
}
