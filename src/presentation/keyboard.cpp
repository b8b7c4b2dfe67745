#include "presentation/keyboard.h"

#include <algorithm>
#include <array>
#include <utility>

#include "play/play_flow.h"
#include "play/view.h"
#include "presentation/canvas.h"
#include "presentation/layout.h"
#include "setup/fleet.h"
#include "setup/match.h"

namespace vornmark {

namespace {

// The panels follow the fleet's shapes: Corvette 2, Destroyer 3, Battleship 4, Submarine 3.
constexpr std::array<int, kFleetSize> kPanelCells = {2, 3, 4, 3};

constexpr std::array<std::pair<std::string_view, Key>, 15> kKeyNames = {{
    {"Left", Key::Left},
    {"Right", Key::Right},
    {"Up", Key::Up},
    {"Down", Key::Down},
    {"Home", Key::Home},
    {"End", Key::End},
    {"Tab", Key::Tab},
    {"Backtab", Key::Backtab},
    {"Space", Key::Space},
    {"Return", Key::Return},
    {"R", Key::R},
    {"1", Key::Ship1},
    {"2", Key::Ship2},
    {"3", Key::Ship3},
    {"4", Key::Ship4},
}};

int centre(int low, int high) { return (low + high) / 2; }

ClickTarget target_at_centre(const Layout& layout, const Rect& rect) {
  return classify_click(layout, pack_position(centre(rect.left, rect.right), centre(rect.top, rect.bottom)));
}

void click(PlayFlow& flow, const ClickTarget& target) {
  flow.on_left_press(target);
  flow.on_left_release();
}

}  // namespace

std::optional<Key> key_named(std::string_view name) {
  for (const auto& [text, key] : kKeyNames)
    if (text == name) return key;
  return std::nullopt;
}

int panel_cell_count(int ship) {
  return ship >= 0 && ship < kFleetSize ? kPanelCells[static_cast<std::size_t>(ship)] : 0;
}

FocusPlace KeyboardFocus::place(int grid) const {
  const int last = std::max(grid - 1, 0);
  return {zone_, std::min(column_, last), std::min(row_, last), ship_, cell_};
}

bool KeyboardFocus::move(Key key, int grid) {
  // A grid made smaller since the last key pulls the focus in before it moves.
  const FocusPlace now = place(grid);
  column_ = now.column;
  row_ = now.row;
  const int last = std::max(grid - 1, 0);
  switch (key) {
    case Key::Tab:
      zone_ = zone_ == FocusZone::Grid     ? FocusZone::Panels
              : zone_ == FocusZone::Panels ? FocusZone::Status
                                           : FocusZone::Grid;
      return true;
    case Key::Backtab:
      zone_ = zone_ == FocusZone::Grid     ? FocusZone::Status
              : zone_ == FocusZone::Status ? FocusZone::Panels
                                           : FocusZone::Grid;
      return true;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
    case Key::Home:
    case Key::End:
      break;
    default:
      return false;
  }
  if (zone_ == FocusZone::Grid) {
    if (key == Key::Left) column_ = std::max(column_ - 1, 0);
    if (key == Key::Right) column_ = std::min(column_ + 1, last);
    if (key == Key::Up) row_ = std::max(row_ - 1, 0);
    if (key == Key::Down) row_ = std::min(row_ + 1, last);
    if (key == Key::Home) column_ = 0;
    if (key == Key::End) column_ = last;
  } else if (zone_ == FocusZone::Panels) {
    // Up and Down go from ship to ship, keeping the cell where the next panel has it.
    if (key == Key::Up) ship_ = std::max(ship_ - 1, 0);
    if (key == Key::Down) ship_ = std::min(ship_ + 1, kFleetSize - 1);
    const int last_cell = panel_cell_count(ship_) - 1;
    if (key == Key::Left) cell_ = std::max(cell_ - 1, 0);
    if (key == Key::Right) cell_ = cell_ + 1;
    if (key == Key::Home) cell_ = 0;
    if (key == Key::End) cell_ = last_cell;
    cell_ = std::min(cell_, last_cell);
  }
  return true;  // the status button is one place: the arrows stay on it
}

void KeyboardFocus::hold(const FocusPlace& place) {
  zone_ = place.zone;
  column_ = place.column;
  row_ = place.row;
  ship_ = place.ship;
  cell_ = place.cell;
}

void KeyboardFocus::follow(const ClickTarget& target) {
  switch (target.kind) {
    case ClickKind::GridCell:
      zone_ = FocusZone::Grid;
      column_ = target.column;
      row_ = target.row;
      break;
    case ClickKind::ShipPanel:
      zone_ = FocusZone::Panels;
      ship_ = target.ship;
      cell_ = target.cell;
      break;
    case ClickKind::StatusButton:
      zone_ = FocusZone::Status;
      break;
    case ClickKind::Nothing:
      break;
  }
}

Rect focus_rect(const Layout& layout, const FocusPlace& place) {
  switch (place.zone) {
    case FocusZone::Grid:
      return grid_cell_rect(layout, place.column, place.row);
    case FocusZone::Panels:
      return panel_cell_rect(layout, place.ship, place.cell);
    case FocusZone::Status:
      break;
  }
  return layout.status_rect;
}

ClickTarget focus_target(const Layout& layout, const FocusPlace& place) {
  return target_at_centre(layout, focus_rect(layout, place));
}

void press_key(PlayFlow& flow, const Layout& layout, KeyboardFocus& focus, Key key) {
  const int grid = flow.match().grid();
  if (focus.move(key, grid)) return;
  switch (key) {
    case Key::Space:
      flow.on_left_press(focus_target(layout, focus.place(grid)));
      break;
    case Key::Return:
      click(flow, target_at_centre(layout, layout.status_rect));
      break;
    case Key::R:
      flow.on_right_press(focus_target(layout, focus.place(grid)));
      break;
    case Key::Ship1:
    case Key::Ship2:
    case Key::Ship3:
    case Key::Ship4:
      if (flow.match().play_state() != PlayState::Placing) {
        flow.view().beep();
        break;
      }
      click(flow,
            target_at_centre(layout, panel_cell_rect(layout, static_cast<int>(key) - static_cast<int>(Key::Ship1), 0)));
      break;
    default:
      break;
  }
}

void release_key(PlayFlow& flow, Key key) {
  if (key == Key::Space) flow.on_left_release();
}

void paint_focus_frame(const Layout& layout, const FocusPlace& place, Canvas& canvas, SchemeId scheme) {
  const Rect r = focus_rect(layout, place);
  constexpr int kWidth = 3;  // each strip: a black line, a white one, a black one
  if (r.right - r.left < 2 * kWidth || r.bottom - r.top < 2 * kWidth) return;
  const Rect strips[] = {{r.left, r.top, r.right, r.top + kWidth},
                         {r.left, r.bottom - kWidth, r.right, r.bottom},
                         {r.left, r.top, r.left + kWidth, r.bottom},
                         {r.right - kWidth, r.top, r.right, r.bottom}};
  const Swatch focus = scheme_palette(scheme).focus;
  for (const Rect& strip : strips) {
    if (scheme == SchemeId::Classic)
      canvas.rectangle(strip, Colour::White);
    else
      canvas.fill_rect(strip, focus.fill, focus.ink);
  }
}

}  // namespace vornmark
