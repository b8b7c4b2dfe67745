#include "presentation/place_names.h"

#include <array>

#include "play/scene.h"
#include "play/state_texts.h"
#include "presentation/keyboard.h"
#include "presentation/painting.h"
#include "setup/match.h"

namespace vornmark {

namespace {

constexpr std::array<const char*, kFleetSize> kShipNames = {"Corvette", "Destroyer", "Battleship", "Submarine"};

const char* ship_name(int ship) {
  return ship >= 0 && ship < kFleetSize ? kShipNames[static_cast<std::size_t>(ship)] : "ship";
}

std::string shot_by(const char* side, int value) {
  return value == 0 ? std::string("not shot") : std::string(side) + " shot of volley " + volley_label(value);
}

// What the grid shows at a cell of the shown board.
std::string grid_cell_state(const Match& match, const Scene& scene, int column, int row) {
  switch (scene.shown_board) {
    case ShownBoard::HisShots: {
      std::string text = shot_by("your", match.his_shots().at(column, row));
      if (match.play_state() == PlayState::FleetRevealed && match.my_sea().at(column, row) != 0)
        text += ", Vornmark's ship";
      return text;
    }
    case ShownBoard::MyShots: {
      const int value = match.my_shots().at(column, row);
      // In Automatic mode the computer's volley is shown against the player's laid fleet.
      if (match.settings().AutomaticMode != 0 && match.play_state() == PlayState::ComputerVolleyShown &&
          match.his_real_ships().at(column, row) != 0)
        return value == 0 ? std::string("your ship") : "your ship, hit by volley " + volley_label(value);
      return shot_by("Vornmark's", value);
    }
    case ShownBoard::HisRealShips: {
      const int id = match.his_real_ships().at(column, row);
      return id == 0 ? std::string("water") : std::string("your ") + ship_name(id - 1);
    }
    case ShownBoard::None:
      break;
  }
  return "";
}

const Fleet* shown_fleet(const Match& match, const Scene& scene) {
  if (scene.shown_fleet == ShownFleet::Mine) return &match.my_fleet();
  if (scene.shown_fleet == ShownFleet::His) return &match.his_fleet();
  return nullptr;
}

}  // namespace

std::string grid_cell_name(const Match& match, const Scene& scene, int column, int row) {
  std::string name = "row " + std::to_string(row) + ", column " + std::to_string(column);
  const std::string state = grid_cell_state(match, scene, column, row);
  return state.empty() ? name : name + ": " + state;
}

std::string panel_cell_name(const Match& match, const Scene& scene, int ship, int cell) {
  std::string name = std::string(ship_name(ship)) + ", cell " + std::to_string(cell + 1);
  if (const Fleet* fleet = shown_fleet(match, scene)) {
    const int hit = (*fleet)[static_cast<std::size_t>(ship)].hit_at(cell);
    name += hit > 0 ? ", hit in volley " + volley_label(hit) : std::string(", not hit");
  }
  if (match.play_state() == PlayState::Placing && ship == scene.selected_ship) name += ", selected";
  return name;
}

std::string status_button_name(const Match& match) {
  const auto button = status_button(match);
  return button ? button->text : "";
}

std::string focus_place_name(const Match& match, const Scene& scene, const FocusPlace& place) {
  switch (place.zone) {
    case FocusZone::Grid:
      return grid_cell_name(match, scene, place.column, place.row);
    case FocusZone::Panels:
      return panel_cell_name(match, scene, place.ship, place.cell);
    case FocusZone::Status:
      break;
  }
  return status_button_name(match);
}

std::string describe_focus(const Match& match, const Scene& scene, const FocusPlace& place) {
  std::string where;
  switch (place.zone) {
    case FocusZone::Grid:
      where = "grid " + std::to_string(place.column) + " " + std::to_string(place.row);
      break;
    case FocusZone::Panels:
      where = "panel " + std::to_string(place.ship) + " " + std::to_string(place.cell);
      break;
    case FocusZone::Status:
      where = "status";
      break;
  }
  return where + ": " + focus_place_name(match, scene, place);
}

}  // namespace vornmark
