#pragma once
// The settings file "VORNMARK.INI", section [Options], eight integer keys. Reading follows the
// private-profile rules; values outside their ranges are brought into range. Writing keeps
// everything else in the file and replaces it atomically.

#include <filesystem>
#include <string>
#include <string_view>

#include "setup/settings.h"

namespace vornmark {

inline constexpr const char* kSettingsFileName = "VORNMARK.INI";

// $XDG_CONFIG_HOME/vornmark, or ~/.config/vornmark; empty when neither can be found.
std::filesystem::path default_settings_dir();

// The settings that a file with this text gives (the defaults for missing keys).
GameSettings settings_from_text(std::string_view text);
// The file text after writing the settings into an existing text (which may be empty).
std::string settings_into_text(std::string_view existing, const GameSettings& settings);

// A text the desktop program keeps beside the game's settings, under a key of [Options] that the
// game's own table does not use (the player's language); empty when the key is missing. Saving
// it changes only that key's line, written only once the player has chosen.
std::string text_setting_from_text(std::string_view text, std::string_view key);
std::string text_setting_into_text(std::string_view existing, std::string_view key, std::string_view value);
std::string load_text_setting(const std::filesystem::path& dir, std::string_view key);
bool save_text_setting(const std::filesystem::path& dir, std::string_view key, std::string_view value);

// Loads from dir/VORNMARK.INI; a missing or unreadable file gives the defaults.
GameSettings load_settings(const std::filesystem::path& dir);
// Saves into dir/VORNMARK.INI, creating dir when needed; a link there is written through. False
// when it could not be written, or when a file is there that cannot be read; the file on disk
// is then the old one, untouched.
bool save_settings(const GameSettings& settings, const std::filesystem::path& dir);

}  // namespace vornmark
