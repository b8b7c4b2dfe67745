#pragma once
// The game's own texts in the player's language. The game composes its texts in English (the
// trace, the files and the headless tools need them so); the window puts each one into the
// player's language where it is shown: drawn on the board, in a message box, in the title.
// Without a translation installed, every text comes back as the English given, byte for byte.

#include <QString>
#include <string_view>

namespace vornmark {

// The text as the player reads it. A text the game never composes, or one the installed
// translations leave untranslated, comes back unchanged.
QString game_text(std::string_view english);
QString game_text(const QString& english);

// Whether the game composes this text (as it is, or with its numbers and names filled in): the
// tests use it to find drawn texts that could never be translated.
bool is_game_text(const QString& english);

}  // namespace vornmark
