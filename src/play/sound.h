#pragma once
// What the window can play: one sound for a shot laid while aiming, and at most one for each
// volley resolved, named as the sound files and vornmark-cli's `sound` events are.

#include <array>
#include <string_view>

namespace vornmark {

enum class Sound : int {
  Shot,    // a shot laid while aiming
  Splash,  // the player's volley hit nothing
  Hit1,    // the player's volley hit one of the computer's ships (Hit2..Hit4: two to four)
  Hit2,
  Hit3,
  Hit4,
  Sunk,         // a volley sank a ship, of either side, and the game goes on
  Computer,     // the computer's volley landed: no hit, or Manual mode, where the player reports
  ComputerHit,  // the computer's volley hit the player's fleet (Automatic mode)
  Won,          // the player sank the last ship
  Lost,         // the computer did
};

inline constexpr std::array<std::string_view, 11> kSoundNames = {
    "shot", "splash", "hit1", "hit2", "hit3", "hit4", "sunk", "computer", "computer-hit", "won", "lost"};

constexpr std::string_view sound_name(Sound sound) { return kSoundNames[static_cast<std::size_t>(sound)]; }

}  // namespace vornmark
