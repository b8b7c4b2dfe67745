#include "play_invariants.h"

#include <array>
#include <set>

#include "model/ship.h"
#include "play/play_flow.h"

namespace vornmark::fuzz {

namespace {

// A shot board in one pass: its latest volley, its free cells and the shots of one volley.
struct ShotSummary {
  int largest = 0;
  int free = 0;
  int of_volley = 0;
};

ShotSummary summarise_shots(const Board& board, int volley) {
  ShotSummary summary;
  for (int y = 0; y < board.height(); ++y)
    for (int x = 0; x < board.width(); ++x) {
      const int value = board.cell(x, y);
      summary.largest = std::max(summary.largest, value);
      summary.free += value == 0;
      summary.of_volley += value == volley;
    }
  return summary;
}

// A ship board in one pass: how many cells hold 0 and each id, and how many hold anything else.
struct ShipCounts {
  std::array<int, 5> of_value{};
  int other = 0;
  int ships() const { return of_value[1] + of_value[2] + of_value[3] + of_value[4]; }
};

ShipCounts count_ship_cells(const Board& board) {
  ShipCounts counts;
  for (int y = 0; y < board.height(); ++y)
    for (int x = 0; x < board.width(); ++x) {
      const int value = board.cell(x, y);
      if (value >= 0 && value <= 4)
        ++counts.of_value[static_cast<std::size_t>(value)];
      else
        ++counts.other;
    }
  return counts;
}

bool starts_with(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Hit slots hold volley numbers from 1 to `last_volley`, filled from the first slot on.
void check_hits(const Ship& ship, int last_volley, const char* step) {
  bool gap = false;
  for (int slot = 0; slot < Ship::kMaxCells; ++slot) {
    const int hit = ship.hits()[static_cast<std::size_t>(slot)];
    if (slot >= ship.cell_count()) {
      FUZZ_CHECK(hit == 0, "after %s: %s has a hit beyond its cells", step, ship.display_name());
      continue;
    }
    FUZZ_CHECK(hit >= 0 && hit <= last_volley, "after %s: %s holds a hit of volley %d, the last is %d", step,
               ship.display_name(), hit, last_volley);
    FUZZ_CHECK(hit == 0 || !gap, "after %s: %s has a gap among its hits", step, ship.display_name());
    gap = gap || hit == 0;
  }
}

}  // namespace

void CheckingView::set_background(Colour colour) {
  FUZZ_CHECK(static_cast<int>(colour) >= 0 && static_cast<int>(colour) <= 8, "background colour %d",
             static_cast<int>(colour));
}

void CheckingView::invalidate_cell(int column, int row) {
  FUZZ_CHECK(column >= 0 && column < match_.grid() && row >= 0 && row < match_.grid(),
             "redraw of cell %d,%d outside the %d x %d grid", column, row, match_.grid(), match_.grid());
}

void CheckingView::invalidate_panel(int ship) { FUZZ_CHECK(ship >= 0 && ship < 4, "redraw of panel %d", ship); }

void CheckingView::invalidate_ship_cells(const Ship& ship) {
  for (int i = 0; i < ship.cell_count(); ++i) {
    const CellPos p = ship.cells()[static_cast<std::size_t>(i)];
    FUZZ_CHECK(p == Ship::kUnplaced || (p.x >= 0 && p.x < match_.grid() && p.y >= 0 && p.y < match_.grid()),
               "redraw of %s at %d,%d outside the grid", ship.display_name(), p.x, p.y);
  }
}

InvariantChecker::InvariantChecker(const PlayFlow& flow, OkPlatform& platform, const CheckingView& view)
    : flow_(flow), match_(flow.match()), platform_(platform), view_(view) {}

bool InvariantChecker::check(const char* step) {
  check_boxes(step);
  check_settings(step);
  check_counters(step);
  check_shot_board(step);
  check_computer_fleet(step);
  check_placed_fleet(step);
  return !known_fault_met_;
}

void InvariantChecker::check_settings(const char* step) const {
  const GameSettings& s = match_.settings();
  FUZZ_CHECK(s.NumberOfShots >= 1 && s.NumberOfShots <= 10 && s.AmbiguityThreshold >= 1 && s.AmbiguityThreshold <= 30 &&
                 (s.AutomaticMode == 0 || s.AutomaticMode == 1) && (s.DefenseMode == 0 || s.DefenseMode == 1) &&
                 s.PauseVornmark <= 1 && s.PausePlayer <= 1 && s.PlayLevel >= 0 && s.PlayLevel <= 3,
             "after %s: a setting left its range", step);
  for (const Board* board : {&match_.my_sea(), &match_.my_shots(), &match_.his_shots(), &match_.his_real_ships()})
    FUZZ_CHECK(board->width() == match_.grid() && board->height() == match_.grid(), "after %s: %s is %d x %d", step,
               board->display_name(), board->width(), board->height());
}

void InvariantChecker::check_counters(const char* step) const {
  const int state = static_cast<int>(match_.play_state());
  FUZZ_CHECK(state >= 0 && state <= 7, "after %s: play state %d", step, state);
  const int selected = flow_.scene().selected_ship;
  FUZZ_CHECK(selected >= 0 && selected <= 3, "after %s: selected ship %d", step, selected);
  if (match_.play_state() == PlayState::Idle) return;

  FUZZ_CHECK(match_.counters().player_shots_per_volley >= 1 && match_.counters().player_shots_per_volley <= 10,
             "after %s: the player has %d shots per volley", step, match_.counters().player_shots_per_volley);
  FUZZ_CHECK(match_.counters().computer_shots_per_volley >= 1 && match_.counters().computer_shots_per_volley <= 10,
             "after %s: the computer has %d shots per volley", step, match_.counters().computer_shots_per_volley);
  FUZZ_CHECK(match_.counters().next_shot >= 1, "after %s: next shot %d", step, match_.counters().next_shot);

  // A side's counter runs at most one volley ahead of its shots (two for the player, whose
  // first volley is number 2 in a game the computer opened). Simulated games are the
  // exception: each computer turn without a pause hands over to the player, who never fires.
  FUZZ_CHECK(match_.counters().player_volley >= 0, "after %s: player volley %d", step, match_.counters().player_volley);
  const ShotSummary player = summarise_shots(match_.his_shots(), match_.counters().player_volley);
  if (match_.simulation_mode() == 0)
    FUZZ_CHECK(match_.counters().player_volley <= player.largest + 2,
               "after %s: player volley %d, the latest shots of volley %d", step, match_.counters().player_volley,
               player.largest);
  FUZZ_CHECK(match_.counters().computer_volley >= 1, "after %s: computer volley %d", step,
             match_.counters().computer_volley);
  // The planner fires fewer shots, or none, when no placement fits the reports (Manual mode
  // lets the player report anything); it then says so with "Couldn't place".
  const ShotSummary computer = summarise_shots(match_.my_shots(), match_.counters().computer_volley);
  if (!planner_gave_up_ && computer.free > 0)
    FUZZ_CHECK(match_.counters().computer_volley <= computer.largest + 1,
               "after %s: computer volley %d, its latest shots of volley %d", step, match_.counters().computer_volley,
               computer.largest);

  if (match_.play_state() == PlayState::PlayerAiming) {
    const int placed = player.of_volley;
    FUZZ_CHECK(placed == match_.counters().next_shot - 1,
               "after %s: %d shots of volley %d on \"HIS SHOTS\", next shot %d", step, placed,
               match_.counters().player_volley, match_.counters().next_shot);
    FUZZ_CHECK(match_.counters().next_shot - 1 <= match_.counters().player_shots_per_volley,
               "after %s: %d shots placed of %d allowed", step, match_.counters().next_shot - 1,
               match_.counters().player_shots_per_volley);
  }
  for (const Ship& ship : match_.my_fleet()) check_hits(ship, match_.counters().player_volley, step);
  for (const Ship& ship : match_.his_fleet()) check_hits(ship, match_.counters().computer_volley, step);
}

void InvariantChecker::check_shot_board(const char* step) const {
  const Board& shots = match_.his_shots();
  for (int y = 0; y < shots.height(); ++y)
    for (int x = 0; x < shots.width(); ++x) {
      const int volley = shots.cell(x, y);
      FUZZ_CHECK(volley >= 0 && volley <= std::max(match_.counters().player_volley, 0),
                 "after %s: \"HIS SHOTS\" holds volley %d at %d,%d; the player's volley is %d", step, volley, x, y,
                 match_.counters().player_volley);
    }
  const Board& computer = match_.my_shots();
  for (int y = 0; y < computer.height(); ++y)
    for (int x = 0; x < computer.width(); ++x)
      FUZZ_CHECK(computer.cell(x, y) >= 0 && computer.cell(x, y) <= std::max(match_.counters().computer_volley, 0),
                 "after %s: \"MY SHOTS\" holds volley %d at %d,%d; the computer's volley is %d", step,
                 computer.cell(x, y), x, y, match_.counters().computer_volley);
}

void InvariantChecker::check_computer_fleet(const char* step) const {
  const Board& sea = match_.my_sea();
  // Before the first game the sea is empty; the Options dialog's change of mode may already
  // have begun one without leaving Idle.
  const ShipCounts counts = count_ship_cells(sea);
  if (match_.play_state() == PlayState::Idle && counts.ships() == 0 && counts.other == 0) return;
  int fleet_cells = 0;
  for (const Ship& ship : match_.my_fleet()) {
    fleet_cells += ship.cell_count();
    const int on_sea = counts.of_value[static_cast<std::size_t>(ship.id())];
    FUZZ_CHECK(on_sea == ship.cell_count(), "after %s: %d cells of %s on \"MY SEA\"", step, on_sea,
               ship.display_name());
    for (int i = 0; i < ship.cell_count(); ++i) {
      const CellPos p = ship.cells()[static_cast<std::size_t>(i)];
      FUZZ_CHECK(sea.in_bounds(p.x, p.y) && sea.cell(p.x, p.y) == ship.id(),
                 "after %s: %s cell %d at %d,%d is not on \"MY SEA\"", step, ship.display_name(), i, p.x, p.y);
    }
  }
  FUZZ_CHECK(fleet_cells == 12 && counts.ships() == 12 && counts.other == 0,
             "after %s: \"MY SEA\" holds %d ship cells and %d other values", step, counts.ships(), counts.other);
}

void InvariantChecker::check_placed_fleet(const char* step) {
  // The player's ships stand on "HIS REAL SHIPS" whole or not at all.
  const Board& real = match_.his_real_ships();
  const ShipCounts counts = count_ship_cells(real);
  for (const Ship& ship : match_.his_fleet()) {
    const int on_board = counts.of_value[static_cast<std::size_t>(ship.id())];
    FUZZ_CHECK_KNOWN("ghost-ships", known_fault_met_, on_board == 0 || on_board == ship.cell_count(),
                     "after %s: %d cells of %s on \"HIS REAL SHIPS\"", step, on_board, ship.display_name());
    // A placed ship lies where its cells say. In Place mode a ship that is not placed is not on
    // the board; a new game unplaces the ships and leaves the board as it was.
    if (match_.play_state() == PlayState::Placing)
      FUZZ_CHECK_KNOWN("ghost-ships", known_fault_met_, ship.is_placed() || on_board == 0,
                       "after %s: %s is not placed, yet %d of its cells are on \"HIS REAL SHIPS\"", step,
                       ship.display_name(), on_board);
    if (!ship.is_placed()) continue;
    for (int i = 0; i < ship.cell_count(); ++i) {
      const CellPos p = ship.cells()[static_cast<std::size_t>(i)];
      FUZZ_CHECK(real.in_bounds(p.x, p.y) && real.cell(p.x, p.y) == ship.id(),
                 "after %s: placed %s cell %d at %d,%d is not on \"HIS REAL SHIPS\"", step, ship.display_name(), i, p.x,
                 p.y);
    }
  }
  FUZZ_CHECK(counts.other == 0, "after %s: \"HIS REAL SHIPS\" holds values other than ship ids", step);
}

void InvariantChecker::check_boxes(const char* step) {
  static std::set<std::string> reported;
  for (; boxes_seen_ < platform_.boxes.size(); ++boxes_seen_) {
    const ShownBox& box = platform_.boxes[boxes_seen_];
    FUZZ_CHECK(!(box.caption == "Error" && box.owner == BoxOwner::None), "after %s: bounds error \"%s\"", step,
               box.text.c_str());
    FUZZ_CHECK(!starts_with(box.text, "Error firing twice") && !starts_with(box.text, "Error volley out of bounds"),
               "after %s: warning \"%s\"", step, box.text.c_str());
    // Other warnings can be right (the player's reports in Manual mode need not make sense);
    // each new text is shown once so that a run's log tells which arose.
    if (box.text.find("Couldn't place") != std::string::npos) planner_gave_up_ = true;
    if (reported.insert(box.caption + ": " + box.text).second)
      std::fprintf(stderr, "box after %s: %s: %s\n", step, box.caption.c_str(), box.text.c_str());
  }
}

}  // namespace vornmark::fuzz
