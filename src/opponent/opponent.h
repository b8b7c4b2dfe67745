#pragma once
// The computer opponent: it plans each of its volleys from nothing but the shots it fired and
// the hits the player's ships reported, and at the Advanced level moves its own hit ships away.
// It owns all of its scratch (the reasoning about the player's fleet, the working tallies and
// the one target list) and takes the match as input; it draws from the match's generator only
// where the order of draws says so.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/board.h"
#include "opponent/reasoner.h"
#include "opponent/target_list.h"

namespace vornmark {

class Expert;
class GameTextReader;
class GameTextWriter;
class Match;
class Reporter;
class TraceLog;

// What the opponent carries from one volley to the next, as the game file holds it: what its
// last count left to be seen (the cli prints it, Vornmark's view shades it), and the first
// record of the target list. Everything else it holds is scratch that each volley rebuilds
// before reading it.
struct OpponentSnapshot {
  std::array<int, 4> possib{};
  std::vector<std::int32_t> his_sea, cumulative;
  TargetCandidate first_target;
};

enum class VolleyPhase : int { A = 0, B = 1, Gamma = 2, Delta = 3, Novice = 4 };

// The letter that the window title shows for a phase: "A" to "D", empty for Novice.
const char* phase_letter(VolleyPhase phase);
// The phase in words, as Vornmark's view adds it to the title: "phase A/B", ..., "Novice".
const char* phase_words(VolleyPhase phase);

// The hits the computer has scored on His fleet.
int hits_scored(const Match& match);
// The size of the computer's next volley: NumberOfShots less one for every hit scored on His
// fleet, never fewer than one.
int volley_size(const Match& match);

class Opponent {
 public:
  // Traces and reports through the match's reporter; the boards start at the grid's size.
  explicit Opponent(Reporter& reporter, int grid = setting(SettingId::MaxCells).default_value);
  ~Opponent();
  Opponent(const Opponent&) = delete;
  Opponent& operator=(const Opponent&) = delete;

  // A new game: "HIS SEA" starts empty.
  void new_game();

  // Plans and records the volley numbered by the match's computer_volley; returns its phase.
  // At the Expert level the search chooses it (made at its first volley).
  VolleyPhase plan_volley(Match& match);
  // The phase that the last count's placement numbers call for.
  VolleyPhase classify_fleet(const Match& match) const;

  // The ways a volley is filled once the phase is known. Each records its shots on "MY SHOTS"
  // and returns the shots fired in the volley so far.
  // Aims at the ghost ship (the afloat ship with the most placements left), keeping clear of the
  // regions of the nearly known ships, and rescans it after every shot.
  int ab_fire(Match& match, int fired, int shots);
  // Fires at the best cells of the summed per-ship tallies, stripping after each shot the region
  // of every afloat ship it could hit.
  int gamma_fire(Match& match, int fired);
  // Picks at random among all unshot cells of the cumulative tally.
  int novice_fire(Match& match, int fired, int shots);
  // Going after everything: rescans every afloat ship without blocking after each shot. Stops
  // early only when no unshot cell is covered by any placement.
  int delta_fire(Match& match, int fired, int shots);

  // At the Advanced level: tries to move the computer's ship `index`, just hit, to a position
  // that agrees with every shot of the player. True when it moved (the shot then misses).
  bool relocate_ship(Match& match, int index);

  // The list rebuilt from a tally, as every caller takes it.
  const TargetCandidate* target_list(Match& match, const Board& tally, const Board& shots, const Board* secondary,
                                     ListWanted wanted = ListWanted::Whole);

  // Every board takes the grid size; plan_volley does this itself before it counts.
  void resize(int grid);

  // The opponent's part of the game file, read back strictly for a grid of `grid` cells a side,
  // and put back.
  void save(GameTextWriter& out) const;
  static bool read_snapshot(GameTextReader& in, int grid, OpponentSnapshot& snapshot);
  void restore(const OpponentSnapshot& snapshot, int grid);

  const Reasoner& reasoner() const { return reasoner_; }
  Reasoner& reasoner() { return reasoner_; }
  const Board& his_sea() const { return reasoner_.occupancy(); }
  const Board& tally() const { return tally_; }
  Board& mutable_tally() { return tally_; }
  const Board& temp_tally() const { return temp_tally_; }
  const Board& wk_tots() const { return reasoner_.cumulative(); }
  const TargetList& targets() const { return targets_; }
  // The Expert's search, once the Expert has planned a volley; null before.
  const Expert* expert() const { return expert_.get(); }
  Expert& mutable_expert();

 private:
  int ghost_ship() const;
  void filter_sub_threshold_ships(const Match& match);
  void strip_regions(const Match& match, int column, int row);
  TraceLog& log();

  Reporter& reporter_;
  Reasoner reasoner_;
  Board tally_;
  Board temp_tally_;
  TargetList targets_{};
  std::unique_ptr<Expert> expert_;
};

}  // namespace vornmark
