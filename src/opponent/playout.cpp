#include "opponent/playout.h"

#include <cstdlib>

#include "opponent/likeliest_cell.h"
#include "setup/start_up.h"

namespace vornmark {

bool operator==(const PlannedVolley& a, const PlannedVolley& b) {
  if (a.size != b.size) return false;
  // The same cells in any order: the hits a volley scores do not depend on its order.
  for (int i = 0; i < a.size; ++i) {
    bool found = false;
    for (int j = 0; j < b.size && !found; ++j)
      found = a.cells[static_cast<std::size_t>(i)] == b.cells[static_cast<std::size_t>(j)];
    if (!found) return false;
  }
  return true;
}

namespace {

bool sunk(const Fleet& fleet) {
  for (const Ship& ship : fleet)
    if (ship.cells_left() > 0) return false;
  return true;
}

// Fires volleys with `fire` until the fleet is sunk or `cap` volleys were fired; the first is
// numbered by the match's computer_volley as it stands.
template <class Fire>
int fire_until_sunk(Match& match, int cap, Fire fire) {
  int fired = 0;
  while (!sunk(match.his_fleet()) && fired < cap) {
    if (fired > 0) match.mutable_counters().computer_volley += 1;
    fire();
    match.take_real_hits();
    ++fired;
  }
  return fired;
}

}  // namespace

int play_to_the_end(Match& match, Opponent& opponent, int cap) {
  return fire_until_sunk(match, cap, [&] { opponent.plan_volley(match); });
}

void Playout::QuietPlatform::exit_process(int code) { std::exit(code); }

Playout::Playout() : shots_(match_.report(), "MY SHOTS"), hits_(make_fleet(match_.report())) {
  describe_fleet(match_.mutable_his_fleet(), "His");
  describe_fleet(hits_, "His");
  for (Board* board : {&match_.mutable_my_shots(), &match_.mutable_his_real_ships(), &match_.mutable_my_sea(),
                       &match_.mutable_his_shots(), &shots_})
    board->allocate(kMaxGrid, kMaxGrid);
}

void Playout::set_position(const Match& real) {
  GameSettings& settings = match_.mutable_settings();
  settings = real.settings();
  settings.PlayLevel = kIntermediate;
  match_.resize_boards_to_grid();
  opponent_.resize(real.grid());
  shots_.set_size(real.grid(), real.grid());
  for (int y = 0; y < real.grid(); ++y)
    for (int x = 0; x < real.grid(); ++x) shots_.cell(x, y) = real.my_shots().cell(x, y);
  for (int i = 0; i < kFleetSize; ++i)
    hits_[static_cast<std::size_t>(i)].copy_hits_from(real.his_fleet()[static_cast<std::size_t>(i)]);
  volley_ = real.counters().computer_volley;
  threshold_ = real.settings().AmbiguityThreshold;
}

void Playout::restore() {
  Board& shots = match_.mutable_my_shots();
  const int cells = match_.grid() * match_.grid();
  std::int32_t* to = &shots.cell(0, 0);
  const std::int32_t* from = shots_.data();
  for (int i = 0; i < cells; ++i) to[i] = from[i];
  for (int i = 0; i < kFleetSize; ++i)
    match_.mutable_his_fleet()[static_cast<std::size_t>(i)].copy_hits_from(hits_[static_cast<std::size_t>(i)]);
  match_.mutable_counters().computer_volley = volley_;
  match_.mutable_settings().AmbiguityThreshold = threshold_;
}

VolleyPhase Playout::fire_volley() {
  if (volley_size(match_) == 1 && fire_likeliest_cell(match_, opponent_.reasoner()))
    return opponent_.classify_fleet(match_);
  return opponent_.plan_volley(match_);
}

PlannedVolley Playout::plan(int threshold, std::uint32_t seed) {
  restore();
  match_.mutable_settings().AmbiguityThreshold = threshold;
  match_.random().seed(seed);
  const VolleyPhase phase = opponent_.plan_volley(match_);
  return volley_fired(phase);
}

PlannedVolley Playout::likeliest() {
  restore();
  if (!fire_likeliest_cell(match_, opponent_.reasoner())) return PlannedVolley{};
  return volley_fired(opponent_.classify_fleet(match_));
}

PlannedVolley Playout::volley_fired(VolleyPhase phase) {
  PlannedVolley volley;
  volley.phase = phase;
  const int grid = match_.grid();
  // The volley's shots in the order fired are not kept by the board; row by row will do, since
  // only the set of cells matters to what it hits.
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x)
      if (match_.my_shots().cell(x, y) == volley_ && volley.size < static_cast<int>(volley.cells.size()))
        volley.cells[static_cast<std::size_t>(volley.size++)] = static_cast<std::int16_t>(x + y * grid);
  restore();
  return volley;
}

int Playout::play_out(const PlannedVolley& first, const FleetSampler& sampler, const SampledFleet& fleet,
                      std::uint32_t seed) {
  restore();
  sampler.lay_out(fleet, match_.mutable_his_real_ships());
  const int grid = match_.grid();
  for (int i = 0; i < first.size; ++i) {
    const int cell = first.cells[static_cast<std::size_t>(i)];
    match_.record_computer_shot(cell % grid, cell / grid);
  }
  match_.take_real_hits();
  match_.random().seed(seed);
  match_.mutable_counters().computer_volley += 1;
  return 1 + fire_until_sunk(match_, grid * grid, [this] { fire_volley(); });
}

}  // namespace vornmark
