// What the play flow gives the window to hear: the outcome of each volley as the panels show it.

#include <algorithm>

#include "play/play_flow.h"
#include "play/view.h"

namespace vornmark {

void PlayFlow::play(Sound sound) {
  if (!silent_) view_.play_sound(sound);
}

void PlayFlow::sound_player_volley(const CellsLeft& before) {
  if (match_.play_state() == PlayState::PlayerWon) return play(Sound::Won);
  const VolleyDamage damage = damage_since(before, match_.my_fleet());
  if (damage.ships_sunk > 0) return play(Sound::Sunk);
  if (damage.ships_hit == 0) return play(Sound::Splash);
  // One boom a ship hit; four is the whole fleet.
  play(static_cast<Sound>(static_cast<int>(Sound::Hit1) + std::min(damage.ships_hit, 4) - 1));
}

void PlayFlow::sound_computer_volley(const CellsLeft& before) {
  // In Manual mode the player reports the hits after the volley has landed.
  if (match_.settings().AutomaticMode == 0) return play(Sound::Computer);
  if (match_.play_state() == PlayState::ComputerWon) return play(Sound::Lost);
  const VolleyDamage damage = damage_since(before, match_.his_fleet());
  if (damage.ships_sunk > 0) return play(Sound::Sunk);
  play(damage.ships_hit > 0 ? Sound::ComputerHit : Sound::Computer);
}

}  // namespace vornmark
