#pragma once
// The idle window's guidance for someone who has never played: a card over the empty window
// saying how to begin, with the menu commands and their keys. It is drawn over the game's own
// painting, as the focus frame is, so the game's picture and the printed page are unchanged;
// it goes with the Idle state, that is once a game starts.

#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

namespace vornmark {

struct GameSettings;

// The keys of the commands the guidance names, as the menu shows them.
struct GuideKeys {
  QString place;
  QString new_game;
  QString help;
};

struct GuideStep {
  QString title;
  QString keys;
  QString detail;
};

struct FirstStartGuide {
  QString heading;
  QString intro;
  std::vector<GuideStep> steps;
  QString footer;
};

// What to say under these settings: in Automatic mode the fleet is laid out first (New Game
// refuses until it is), in Manual mode the player reports the hits, in Offense mode only the
// player fires.
FirstStartGuide first_start_guide(const GameSettings& settings, const GuideKeys& keys);

// The same as plain text, one line a part, for screen readers.
QString first_start_guide_text(const FirstStartGuide& guide);

// Draws the card centred in `area`, shrinking its type until it fits; returns where it drew.
QRect paint_first_start_guide(QPainter& painter, const FirstStartGuide& guide, const QRect& area);

}  // namespace vornmark
