// The match's part of the game file: written as it stands, read back strictly. A match read
// back is one the rules can reach: fleets of the right shapes inside the grid, every hit made by
// a shot, counters that agree with the boards.

#include <algorithm>
#include <string>

#include "setup/game_text.h"
#include "setup/match.h"
#include "setup/match_snapshot.h"

namespace vornmark {

namespace {

constexpr long long kMaxVolley = kMaxSavedVolley;
constexpr long long kMaxGames = 1000000000;

constexpr const char* kStateWords[] = {"idle",         "computer-volley", "aiming",  "player-volley",
                                       "computer-won", "player-won",      "placing", "fleet-revealed"};

CellPos turned(CellPos offset, int turns) {
  for (int i = 0; i < turns; ++i) offset = {offset.y, -offset.x};
  return offset;
}

// Whether the cells are the ship's shape laid from cells[0] in one of its four turns, as laying
// a ship and turning it about its first cell make them.
bool has_ship_shape(const Ship& ship, const std::array<CellPos, Ship::kMaxCells>& cells) {
  for (int turns = 0; turns < 4; ++turns) {
    bool fits = true;
    for (int i = 0; i < ship.cell_count() && fits; ++i) {
      const CellPos offset =
          turned({ship.shape()[i].x - ship.shape()[0].x, ship.shape()[i].y - ship.shape()[0].y}, turns);
      fits = cells[i] == CellPos{cells[0].x + offset.x, cells[0].y + offset.y};
    }
    if (fits) return true;
  }
  return false;
}

// Whether a set of cells, in any order, is the ship's shape laid somewhere in some turn.
bool set_has_ship_shape(const Ship& ship, std::vector<CellPos> cells) {
  const auto before = [](CellPos a, CellPos b) { return a.y != b.y ? a.y < b.y : a.x < b.x; };
  std::sort(cells.begin(), cells.end(), before);
  for (CellPos anchor : cells) {
    for (int turns = 0; turns < 4; ++turns) {
      std::vector<CellPos> laid;
      for (int i = 0; i < ship.cell_count(); ++i) {
        const CellPos offset =
            turned({ship.shape()[i].x - ship.shape()[0].x, ship.shape()[i].y - ship.shape()[0].y}, turns);
        laid.push_back({anchor.x + offset.x, anchor.y + offset.y});
      }
      std::sort(laid.begin(), laid.end(), before);
      if (laid == cells) return true;
    }
  }
  return false;
}

std::int32_t cell_of(const std::vector<std::int32_t>& board, int grid, CellPos p) {
  return board[static_cast<std::size_t>(p.x + p.y * grid)];
}

void save_ship(GameTextWriter& out, const Ship& ship) {
  out.put("ship ");
  out.put(ship.display_name());
  if (ship.is_placed()) {
    out.put(" at");
    for (int i = 0; i < ship.cell_count(); ++i) {
      out.put(" ");
      out.put(ship.cells()[i].x);
      out.put(",");
      out.put(ship.cells()[i].y);
    }
  } else {
    out.put(" unplaced");
  }
  out.put(" hits");
  for (int slot = 0; slot < ship.cell_count(); ++slot) {
    out.put(" ");
    out.put(ship.hits()[slot]);
  }
  out.end_line();
}

// "ship <owner> <kind> at x,y ... hits h ..." or "ship <owner> <kind> unplaced hits h ...".
bool read_ship(GameTextReader& in, const Ship& ship, int grid, long long last_volley, ShipSnapshot& snapshot) {
  if (!in.next_line()) return false;
  const auto& w = in.words();
  const std::string name = ship.display_name();
  const std::size_t cells = static_cast<std::size_t>(ship.cell_count());
  if (w.size() < 4 || w[0] != "ship" || std::string(w[1]) + " " + std::string(w[2]) != name)
    return in.fail("expected the ship \"" + name + "\"");
  std::size_t next = 3;
  snapshot.placed = w[3] == "at";
  snapshot.cells.fill(Ship::kUnplaced);
  if (snapshot.placed) {
    if (w.size() < 4 + cells) return in.fail("\"" + name + "\" has too few cells");
    for (std::size_t i = 0; i < cells; ++i) {
      const std::string_view pair = w[4 + i];
      const std::size_t comma = pair.find(',');
      long long x = 0, y = 0;
      if (comma == std::string_view::npos || !parse_number(pair.substr(0, comma), 0, grid - 1, x) ||
          !parse_number(pair.substr(comma + 1), 0, grid - 1, y))
        return in.fail("a cell of \"" + name + "\" is not a column and a row inside the grid");
      snapshot.cells[i] = {static_cast<int>(x), static_cast<int>(y)};
    }
    if (!has_ship_shape(ship, snapshot.cells)) return in.fail("\"" + name + "\" does not have its shape");
    next = 4 + cells;
  } else if (w[3] == "unplaced") {
    next = 4;
  } else {
    return in.fail("\"" + name + "\" is neither placed nor unplaced");
  }
  if (w.size() != next + 1 + cells || w[next] != "hits")
    return in.fail("\"" + name + "\" does not have one hit slot a cell");
  snapshot.hits.fill(0);
  bool empty_slot = false;
  for (std::size_t slot = 0; slot < cells; ++slot) {
    long long hit = 0;
    if (!parse_number(w[next + 1 + slot], 0, last_volley, hit))
      return in.fail("a hit of \"" + name + "\" is of a volley not yet fired");
    if (hit != 0 && empty_slot) return in.fail("the hits of \"" + name + "\" have a gap");
    empty_slot = empty_slot || hit == 0;
    snapshot.hits[slot] = static_cast<std::int32_t>(hit);
  }
  return true;
}

void restore_board(Board& board, const std::vector<std::int32_t>& cells, int grid) {
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) board.cell(x, y) = cells[static_cast<std::size_t>(x + y * grid)];
}

void restore_ship(Ship& ship, const ShipSnapshot& snapshot) {
  if (snapshot.placed)
    ship.set_cells(snapshot.cells.data());
  else
    ship.unplace();
  ship.restore_hits(snapshot.hits);
}

}  // namespace

const char* play_state_word(PlayState state) { return kStateWords[static_cast<int>(state)]; }

void Match::save(GameTextWriter& out) const {
  for (const SettingDeclaration& declared : kSettings)
    out.numbers(declared.key, {setting_value(settings_, declared.id)});
  out.word("state", play_state_word(play_state_));
  out.word("starts", who_starts_ == WhoStarts::You ? "you" : "computer");
  out.numbers("simulation", {simulation_mode_});
  out.numbers("games", {game_counter_});
  out.numbers("diagnostics", {switches_.on(0) ? 1 : 0});
  out.numbers("generator", {random_.state()});
  out.numbers("volleys", {counters_.player_volley, counters_.computer_volley});
  out.numbers("next-shot", {counters_.next_shot});
  out.numbers("shots-per-volley", {counters_.player_shots_per_volley, counters_.computer_shots_per_volley});
  for (const Ship& ship : my_fleet_) save_ship(out, ship);
  for (const Ship& ship : his_fleet_) save_ship(out, ship);
  for (const Board* board : {&my_sea_, &my_shots_, &his_shots_, &his_real_ships_}) out.board(*board);
}

bool Match::read_snapshot(GameTextReader& in, MatchSnapshot& s) const {
  std::vector<long long> values;
  long long value = 0;
  for (const SettingDeclaration& declared : kSettings) {
    if (!in.number(declared.key, value, declared.low, declared.high)) return false;
    set_setting_value(s.settings, declared.id, static_cast<int>(value));
  }
  const int grid = s.settings.MaxCells;
  int index = 0;
  if (!in.choice("state",
                 {kStateWords[0], kStateWords[1], kStateWords[2], kStateWords[3], kStateWords[4], kStateWords[5],
                  kStateWords[6], kStateWords[7]},
                 index))
    return false;
  s.play_state = static_cast<PlayState>(index);
  if (!in.choice("starts", {"you", "computer"}, index)) return false;
  s.who_starts = static_cast<WhoStarts>(index);
  if (!in.number("simulation", value, 0, 1)) return false;
  s.simulation_mode = static_cast<int>(value);
  if (!in.number("games", value, 0, kMaxGames)) return false;
  s.game_counter = static_cast<int>(value);
  if (!in.number("diagnostics", value, 0, 1)) return false;
  s.diagnostics = value != 0;
  if (!in.number("generator", value, 0, 0xFFFFFFFFLL)) return false;
  s.generator = static_cast<std::uint32_t>(value);
  if (!in.numbers("volleys", values, 2, 0, kMaxVolley)) return false;
  VolleyCounters& c = s.counters;
  c.player_volley = static_cast<int>(values[0]);
  c.computer_volley = static_cast<int>(values[1]);
  if (!in.number("next-shot", value, 0, setting(SettingId::NumberOfShots).high + 1)) return false;
  c.next_shot = static_cast<int>(value);
  if (!in.numbers("shots-per-volley", values, 2, 0, setting(SettingId::NumberOfShots).high)) return false;
  c.player_shots_per_volley = static_cast<int>(values[0]);
  c.computer_shots_per_volley = static_cast<int>(values[1]);
  if (s.play_state != PlayState::Idle &&
      (c.player_shots_per_volley < 1 || c.computer_shots_per_volley < 1 || c.next_shot < 1 || c.computer_volley < 1))
    return in.fail("the volley counters are those of no game in play");

  for (int i = 0; i < kFleetSize; ++i)
    if (!read_ship(in, my_fleet_[static_cast<std::size_t>(i)], grid, c.player_volley,
                   s.my_fleet[static_cast<std::size_t>(i)]))
      return false;
  for (int i = 0; i < kFleetSize; ++i)
    if (!read_ship(in, his_fleet_[static_cast<std::size_t>(i)], grid, c.computer_volley,
                   s.his_fleet[static_cast<std::size_t>(i)]))
      return false;
  if (!in.board(my_sea_.display_name(), grid, 0, kFleetSize, s.my_sea) ||
      !in.board(my_shots_.display_name(), grid, 0, c.computer_volley, s.my_shots) ||
      !in.board(his_shots_.display_name(), grid, 0, c.player_volley, s.his_shots) ||
      !in.board(his_real_ships_.display_name(), grid, 0, kFleetSize, s.his_real_ships))
    return false;

  // The computer's fleet: on "MY SEA" exactly where its ships lie, once a game has begun.
  const bool sea_used = std::any_of(s.my_sea.begin(), s.my_sea.end(), [](std::int32_t v) { return v != 0; });
  const bool any_placed =
      std::any_of(s.my_fleet.begin(), s.my_fleet.end(), [](const ShipSnapshot& ship) { return ship.placed; });
  if (s.play_state != PlayState::Idle || sea_used || any_placed) {
    std::vector<std::int32_t> laid(s.my_sea.size(), 0);
    for (int i = 0; i < kFleetSize; ++i) {
      const Ship& ship = my_fleet_[static_cast<std::size_t>(i)];
      const ShipSnapshot& saved = s.my_fleet[static_cast<std::size_t>(i)];
      if (!saved.placed) return in.fail(std::string("\"") + ship.display_name() + "\" is not placed in a game");
      for (int k = 0; k < ship.cell_count(); ++k) {
        std::int32_t& at = laid[static_cast<std::size_t>(saved.cells[k].x + saved.cells[k].y * grid)];
        if (at != 0) return in.fail("the computer's ships overlap");
        at = ship.id();
      }
    }
    if (laid != s.my_sea) return in.fail("\"MY SEA\" does not hold the computer's ships where they lie");
  }
  // Every hit on the computer's ships was made by a shot of that volley on one of its cells.
  for (int i = 0; i < kFleetSize; ++i) {
    const Ship& ship = my_fleet_[static_cast<std::size_t>(i)];
    const ShipSnapshot& saved = s.my_fleet[static_cast<std::size_t>(i)];
    for (int slot = 0; slot < ship.cell_count() && saved.hits[slot] != 0; ++slot) {
      bool shot = false;
      for (int k = 0; k < ship.cell_count() && !shot; ++k)
        shot = saved.placed && cell_of(s.his_shots, grid, saved.cells[k]) == saved.hits[slot];
      if (!shot) return in.fail(std::string("no shot explains a hit on \"") + ship.display_name() + "\"");
    }
  }

  // The player's fleet on "HIS REAL SHIPS": each ship whole in its shape, or not there.
  for (int i = 0; i < kFleetSize; ++i) {
    const Ship& ship = his_fleet_[static_cast<std::size_t>(i)];
    const ShipSnapshot& saved = s.his_fleet[static_cast<std::size_t>(i)];
    std::vector<CellPos> on_board;
    for (int y = 0; y < grid; ++y)
      for (int x = 0; x < grid; ++x)
        if (cell_of(s.his_real_ships, grid, {x, y}) == ship.id()) on_board.push_back({x, y});
    if (!on_board.empty() && !set_has_ship_shape(ship, on_board))
      return in.fail(std::string("\"") + ship.display_name() + "\" does not stand whole on \"HIS REAL SHIPS\"");
    if (saved.placed) {
      for (int k = 0; k < ship.cell_count(); ++k)
        if (cell_of(s.his_real_ships, grid, saved.cells[k]) != ship.id())
          return in.fail(std::string("\"") + ship.display_name() + "\" is not where \"HIS REAL SHIPS\" has it");
    } else if (s.play_state == PlayState::Placing && !on_board.empty()) {
      return in.fail(std::string("\"") + ship.display_name() + "\" stands on the board without being placed");
    }
    // The computer's shots score the hits where the ships stand, unless the player reports them.
    if (s.settings.AutomaticMode == 0) continue;
    for (int slot = 0; slot < ship.cell_count() && saved.hits[slot] != 0; ++slot) {
      const bool shot = std::any_of(on_board.begin(), on_board.end(),
                                    [&](CellPos p) { return cell_of(s.my_shots, grid, p) == saved.hits[slot]; });
      if (!shot) return in.fail(std::string("no shot explains a hit on \"") + ship.display_name() + "\"");
    }
  }

  // A side's counter runs at most one volley ahead of its shots: two for the player, whose first
  // volley is number 2 in a game the computer opened, and any number while the computer plays
  // alone; the computer skips volleys only where it found no shot to fire, which the player's
  // reports in Manual mode can bring about.
  if (s.play_state != PlayState::Idle) {
    const int player_latest = *std::max_element(s.his_shots.begin(), s.his_shots.end());
    // Where the next press begins the player's next volley, it is at most one ahead already.
    const bool turn_next =
        s.play_state == PlayState::PlayerVolleyShown || s.play_state == PlayState::ComputerVolleyShown;
    if (s.simulation_mode == 0 && c.player_volley > player_latest + (turn_next ? 1 : 2))
      return in.fail("the player's volley counter runs ahead of the player's shots");
    const int computer_latest = *std::max_element(s.my_shots.begin(), s.my_shots.end());
    const bool free_cell = std::count(s.my_shots.begin(), s.my_shots.end(), 0) > 0;
    if (s.settings.AutomaticMode != 0 && free_cell && c.computer_volley > computer_latest + 1)
      return in.fail("the computer's volley counter runs ahead of the computer's shots");
  }

  // While the player aims, the volley's shots on "HIS SHOTS" are those the counter has placed.
  if (s.play_state == PlayState::PlayerAiming) {
    const long long placed = std::count(s.his_shots.begin(), s.his_shots.end(), c.player_volley);
    if (c.player_volley < 1 || placed != c.next_shot - 1 || c.next_shot - 1 > c.player_shots_per_volley)
      return in.fail("the shots being aimed do not agree with the volley counters");
  }
  return true;
}

void Match::restore(const MatchSnapshot& s) {
  settings_ = s.settings;
  for (Board* board : {&my_sea_, &my_shots_, &his_shots_, &his_real_ships_})
    if (board->capacity() < static_cast<std::size_t>(kMaxGrid * kMaxGrid)) board->allocate(kMaxGrid, kMaxGrid);
  resize_boards_to_grid();
  play_state_ = s.play_state;
  who_starts_ = s.who_starts;
  simulation_mode_ = s.simulation_mode;
  game_counter_ = s.game_counter;
  if (s.diagnostics) switches_.flags[0] = true;
  random_.seed(s.generator);
  counters_ = s.counters;
  for (int i = 0; i < kFleetSize; ++i) {
    restore_ship(my_fleet_[static_cast<std::size_t>(i)], s.my_fleet[static_cast<std::size_t>(i)]);
    restore_ship(his_fleet_[static_cast<std::size_t>(i)], s.his_fleet[static_cast<std::size_t>(i)]);
  }
  const int grid = settings_.MaxCells;
  restore_board(my_sea_, s.my_sea, grid);
  restore_board(my_shots_, s.my_shots, grid);
  restore_board(his_shots_, s.his_shots, grid);
  restore_board(his_real_ships_, s.his_real_ships, grid);
}

}  // namespace vornmark
