#pragma once
// Games played out in a sandbox, for searching: a match and an Intermediate opponent of their
// own, with a log that is never opened and boxes that are answered at once, set to a position
// of the real match and played on against a fleet the search imagines. Nothing of it touches
// the real match, its trace or its generator.

#include <array>
#include <cstdint>
#include <memory>

#include "model/board.h"
#include "opponent/fleet_sampler.h"
#include "opponent/opponent.h"
#include "report/platform.h"
#include "setup/match.h"

namespace vornmark {

// The shots of one volley, as cells x + y * grid in the order fired.
struct PlannedVolley {
  std::array<std::int16_t, 10> cells{};
  int size = 0;
  VolleyPhase phase = VolleyPhase::A;
  friend bool operator==(const PlannedVolley& a, const PlannedVolley& b);
};

// Plays the computer's volleys against "HIS REAL SHIPS" until the fleet is sunk or `cap`
// volleys were fired; returns the volleys fired. computer_volley holds the last volley fired.
int play_to_the_end(Match& match, Opponent& opponent, int cap);

class Playout {
 public:
  Playout();
  Playout(const Playout&) = delete;
  Playout& operator=(const Playout&) = delete;

  // Takes the position of the real match before its volley `computer_volley` is planned: the
  // grid, the settings (at the Intermediate level), the shots and the hit records.
  void set_position(const Match& real);
  // The planner's volley from the position, with another threshold and tie-break stream.
  PlannedVolley plan(int threshold, std::uint32_t seed);
  // A single shot at the likeliest cell from the position; no shot when no placement is left.
  PlannedVolley likeliest();
  // Fires `first` at the fleet, then the planner with the position's threshold and the
  // tie-break stream `seed` (single shots at the likeliest cell) until the fleet is sunk;
  // returns the volleys from the position on.
  int play_out(const PlannedVolley& first, const FleetSampler& sampler, const SampledFleet& fleet, std::uint32_t seed);

 private:
  class QuietPlatform : public Platform {
   public:
    BoxAnswer message_box(const MessageBoxRequest&) override { return BoxAnswer::Ok; }
    void beep() override {}
    void set_busy_cursor(bool) override {}
    [[noreturn]] void exit_process(int) override;
  };
  void restore();
  // The rollouts' volley: a single shot at the likeliest cell, else the planner's.
  VolleyPhase fire_volley();
  // The volley just fired, read back from the shot board; the position is restored after.
  PlannedVolley volley_fired(VolleyPhase phase);

  QuietPlatform platform_;
  Match match_{platform_};
  Opponent opponent_{match_.report()};
  Board shots_;
  Fleet hits_;
  int volley_ = 1;
  int threshold_ = 10;
};

}  // namespace vornmark
