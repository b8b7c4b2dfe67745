#pragma once
// The last volleys, searched over every fleet left. Once the hits have brought the volleys down
// to a shot or two and few fleets still agree with what is known, they can all be listed, each
// equally likely, and the volleys that may follow weighed against every one of them instead of a
// sample: every volley now, every volley after each of its outcomes, and from there volleys at
// the likeliest cells to the end. The volley fired is the one after which the fleet sinks in the
// fewest volleys on average. A volley may put fewer shots where a ship may be than it has, the
// rest where none can be: a hit costs a shot in every later volley, which near the end can cost
// more than the hit tells. Like the rest of a volley's search it allocates nothing: its room is
// taken when its limits are set, and a position too large for it is left to the other search.

#include <array>
#include <cstdint>
#include <vector>

#include "opponent/fleet_sampler.h"
#include "opponent/playout.h"

namespace vornmark {

class Board;

struct EndgameLimits {
  int largest_volley = 2;  // volleys of more shots are not searched this way (at most 3)
  int fleets = 2048;       // fleets at most, once those alike in every cell left are one
  // The work at most, in fleets sorted by the outcome of a volley: beyond it the search gives up,
  // the same on every machine. Three million keeps it within about 80 ms in an optimised build.
  long long work = 3'000'000;
  int depth = 2;  // volleys searched before the likeliest cells are fired (1 to 3)
};

class EndgameSearch {
 public:
  EndgameSearch();

  // Searches the position of `shots` (the computer's shots so far, "MY SHOTS"), with `hits` hits
  // scored and volleys of `number_of_shots` less the hits: the placements are the sampler's, as
  // listed against the same shots. True, with `volley` filled, when the position was small
  // enough and the work sufficed.
  bool choose(const FleetSampler& sampler, const Board& shots, int hits, int number_of_shots, PlannedVolley& volley);
  void set_limits(const EndgameLimits& limits);
  // The volleys to sink the fleet on average from the position searched last, the volley chosen
  // first among them; and the consistent fleets it weighed.
  double expected_volleys() const { return expected_; }
  int fleets() const { return fleet_count_; }

 private:
  // A fleet: for each ship the cells in play it covers (those not shot before), a bit each.
  using FleetCells = std::array<std::uint64_t, kFleetSize>;
  // A state searched before: the fleets still consistent (by the sum of a random key for each,
  // which tells sets apart but for a chance of one in 2^64), the cells in play shot since the
  // position, and the volleys still searched from it.
  struct Known {
    std::uint64_t fleets = 0;
    std::uint64_t shot = 0;
    double value = 0;
    std::uint32_t stamp = 0;  // the search it belongs to; others are empty
    int depth = 0;
  };
  struct Candidate {
    double bound;  // the fewest volleys it can lead to on average
    std::uint64_t cells;
    int order;  // in the order tried, which decides between equals
  };
  // The states reached from one: the hits on each ship (two bits a ship) and the fleets' weight.
  struct Outcome {
    unsigned key;
    int weight;
    int hits;
  };
  static constexpr int kMostOutcomes = 35;  // ways to spread three shots or fewer over four ships

  bool list_fleets(const FleetSampler& sampler, const Board& shots);
  // The volleys to sink the fleet on average from the state of the `count` fleets listed at
  // `first` in the arena, playing best for `depth` volleys; negative when the work or the room
  // ran out. `best` receives the cells in play of the best volley.
  double value(int first, int count, std::uint64_t shot, int hits, int depth, std::uint64_t* best);
  // The same with every volley fired at the likeliest cells.
  double greedy_value(int first, int count, std::uint64_t shot, int hits);
  // Splits the fleets by what `volley` scores on them; the number of outcomes.
  int split(int first, int count, std::uint64_t volley, std::array<Outcome, kMostOutcomes>& outcomes);
  // The value of firing `volley`, each outcome's state valued `depth` volleys deep (0: greedy);
  // it stops early, returning at least `enough`, once it cannot come below it.
  double value_after(int first, int count, std::uint64_t shot, int hits, std::uint64_t volley, int depth,
                     double enough);
  // The fewest volleys a volley with these outcomes can lead to on average: one, then what each
  // outcome needs were its fleet known. `weight` receives the fleets' total weight.
  double bound(const std::array<Outcome, kMostOutcomes>& outcomes, int found, int hits, int& weight) const;
  unsigned outcome_key(int fleet, std::uint64_t volley) const;
  // Volleys to sink a fleet known to the last cell: every shot a hit while cells are left.
  int volleys_when_known(int hits, int cells_left) const;
  std::uint64_t cells_of(int first, int count) const;
  std::uint64_t key_of(int first, int count) const;
  const Known* find(std::uint64_t fleets, std::uint64_t shot, int depth) const;
  void remember(std::uint64_t fleets, std::uint64_t shot, int depth, double value);

  EndgameLimits limits_;
  int number_of_shots_ = 0;
  int fleet_count_ = 0;
  int fleet_cells_ = 0;  // the cells of a whole fleet
  int empty_cells_ = 0;  // unshot cells that no consistent fleet covers
  std::vector<FleetCells> fleets_;
  std::vector<int> weights_;  // how many consistent fleets each stands for
  std::vector<std::uint64_t> fleet_keys_;
  std::vector<int> cells_;  // the board cell of each cell in play
  std::vector<int> local_;  // the reverse, for each cell of the board
  std::vector<char> taken_;  // the cells of the ships placed so far, while fleets are listed
  std::vector<int> arena_;  // fleet lists and outcome keys of the states being searched, a stack
  std::vector<Candidate> candidates_;  // the volleys of the states being searched, a stack
  std::vector<Known> known_;           // states searched before, open addressing
  std::uint32_t stamp_ = 0;
  std::size_t remembered_ = 0;
  long long work_ = 0;
  bool out_of_room_ = false;
  double expected_ = 0;
};

}  // namespace vornmark
