#pragma once
// The file that keeps the game in progress between runs: where it lives, and reading, writing
// and setting aside its text. What the text says is the play flow's business.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornmark {

// Where the game in progress is kept: $XDG_STATE_HOME/vornmark when XDG_STATE_HOME is set to an
// absolute path, else $HOME/.local/state/vornmark; nullopt without either.
std::optional<std::filesystem::path> game_state_directory();
inline constexpr std::string_view kGameFileName = "game";  // the file in that directory

// No game is this long: a longer file is read only this far (and then refused by the reader).
inline constexpr std::size_t kGameFileLimit = 1 << 20;

enum class GameFileStatus { Missing, Read, Unreadable };
struct GameFileText {
  GameFileStatus status;
  std::string text;
};
// The file's text, at most kGameFileLimit + 1 bytes of it; never throws.
GameFileText read_game_file(const std::filesystem::path& file);

// The atomic save the settings and statistics use (temporary file, flush, rename, directory
// flush); creates the directory; safe to call from a worker thread; false when it failed.
bool write_game_file(const std::filesystem::path& file, std::string_view text);

// Moves a file that holds no possible game aside to "<file>.bad", or ".bad.1", ".bad.2"...,
// never overwriting one; returns the new path, nullopt when it could not be moved.
std::optional<std::filesystem::path> set_aside_game_file(const std::filesystem::path& file);

}  // namespace vornmark
