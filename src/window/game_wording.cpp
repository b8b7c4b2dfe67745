#include "window/game_wording.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <vector>

namespace vornmark {

namespace {

// How a text the game composes is matched and put into the player's language.
enum class Kind {
  Exact,    // the whole text, as it is
  Pattern,  // printf conversions (%d, %2d, %s) where numbers and names go; %1, %2 in the translation
  Counted,  // a pattern whose first number chooses the plural form (%n in the translation)
  Frame,    // a pattern that keeps its words: only the names filled in are translated
};

struct Wording {
  Kind kind;
  const char* english;  // what the game composes
  const char* context;
  const char* source;  // what the translator sees
};

// Every text of the game that reaches the player. The board's texts must fit their boxes at the
// smallest window: translations of the legend and the status button are best no longer than the
// English.
const Wording kWordings[] = {
    // The legend above the grid.
    {Kind::Exact, "This is where Vornmark has fired", "Legend",
     QT_TRANSLATE_NOOP("Legend", "This is where Vornmark has fired")},
    {Kind::Exact, "Click on what Vornmark has hit", "Legend",
     QT_TRANSLATE_NOOP("Legend", "Click on what Vornmark has hit")},
    //: While you aim: the shots of this volley you have still to place.
    {Kind::Counted, "Shots left: %2d      ", "Legend", QT_TRANSLATE_N_NOOP("Legend", "Shots left: %n")},
    //: After your volley: the panels show the hits it scored.
    {Kind::Exact, "What you hit  ", "Legend", QT_TRANSLATE_NOOP("Legend", "What you hit")},
    //: Vornmark has sunk your whole fleet.
    {Kind::Exact, "You sleep with the fishes", "Legend", QT_TRANSLATE_NOOP("Legend", "You sleep with the fishes")},
    {Kind::Exact, "Congratulations, Captain", "Legend", QT_TRANSLATE_NOOP("Legend", "Congratulations, Captain")},
    //: Place mode. Keep the four lines; File/New Game as the menu says it.
    {Kind::Exact,
     "Place ships.\n[1] Click on ship to select, then click on grid to place the ship\n[2] Right-mouse click to "
     "rotate\n[3] Choose File/New Game to play",
     "Legend",
     QT_TRANSLATE_NOOP("Legend",
                       "Place ships.\n[1] Click on ship to select, then click on grid to place the ship\n[2] "
                       "Right-mouse click to rotate\n[3] Choose File/New Game to play")},

    // The status button at the bottom left: a small box, keep them short.
    {Kind::Exact, "Click here to Continue", "Status", QT_TRANSLATE_NOOP("Status", "Click here to Continue")},
    {Kind::Exact, "Click on grid to fire shots", "Status", QT_TRANSLATE_NOOP("Status", "Click on grid to fire shots")},
    {Kind::Exact, "Click here to see what you hit", "Status",
     QT_TRANSLATE_NOOP("Status", "Click here to see what you hit")},
    {Kind::Exact, "Click here to Show my ships", "Status", QT_TRANSLATE_NOOP("Status", "Click here to Show my ships")},
    {Kind::Exact, "Click here to Play again", "Status", QT_TRANSLATE_NOOP("Status", "Click here to Play again")},
    {Kind::Exact, "Click here to Scatter", "Status", QT_TRANSLATE_NOOP("Status", "Click here to Scatter")},

    // The counts shown on the grid: the hint's and Vornmark's view.
    {Kind::Exact, "Hint: your shots could hit", "Counts", QT_TRANSLATE_NOOP("Counts", "Hint: your shots could hit")},
    {Kind::Exact, "Vornmark's view of your fleet", "Counts",
     QT_TRANSLATE_NOOP("Counts", "Vornmark's view of your fleet")},
    {Kind::Exact, "Vornmark's view: chance of a ship, %", "Counts",
     QT_TRANSLATE_NOOP("Counts", "Vornmark's view: chance of a ship, %")},
    {Kind::Exact, "Corvette", "Ships", QT_TRANSLATE_NOOP("Ships", "Corvette")},
    {Kind::Exact, "Destroyer", "Ships", QT_TRANSLATE_NOOP("Ships", "Destroyer")},
    {Kind::Exact, "Battleship", "Ships", QT_TRANSLATE_NOOP("Ships", "Battleship")},
    {Kind::Exact, "Submarine", "Ships", QT_TRANSLATE_NOOP("Ships", "Submarine")},
    //: A ship's name and the number of its placements still possible.
    {Kind::Pattern, "%s: %d", "Counts", QT_TRANSLATE_NOOP("Counts", "%1: %2")},
    //: "My" ships are Vornmark's own; "His" ships are the player's, as Vornmark calls them.
    {Kind::Exact, "My Corvette", "Ships", QT_TRANSLATE_NOOP("Ships", "My Corvette")},
    {Kind::Exact, "My Destroyer", "Ships", QT_TRANSLATE_NOOP("Ships", "My Destroyer")},
    {Kind::Exact, "My Battleship", "Ships", QT_TRANSLATE_NOOP("Ships", "My Battleship")},
    {Kind::Exact, "My Submarine", "Ships", QT_TRANSLATE_NOOP("Ships", "My Submarine")},
    {Kind::Exact, "His Corvette", "Ships", QT_TRANSLATE_NOOP("Ships", "His Corvette")},
    {Kind::Exact, "His Destroyer", "Ships", QT_TRANSLATE_NOOP("Ships", "His Destroyer")},
    {Kind::Exact, "His Battleship", "Ships", QT_TRANSLATE_NOOP("Ships", "His Battleship")},
    {Kind::Exact, "His Submarine", "Ships", QT_TRANSLATE_NOOP("Ships", "His Submarine")},

    // The names a screen reader reads for the board's places. The most particular first.
    //: A square of the grid and, after the colon, what it shows.
    {Kind::Pattern, "row %d, column %d: %s", "Board", QT_TRANSLATE_NOOP("Board", "row %1, column %2: %3")},
    {Kind::Pattern, "row %d, column %d", "Board", QT_TRANSLATE_NOOP("Board", "row %1, column %2")},
    {Kind::Exact, "not shot", "Board", QT_TRANSLATE_NOOP("Board", "not shot")},
    //: %1 is a volley's number or letter.
    {Kind::Pattern, "your shot of volley %s, Vornmark's ship", "Board",
     QT_TRANSLATE_NOOP("Board", "your shot of volley %1, Vornmark's ship")},
    {Kind::Pattern, "your shot of volley %s", "Board", QT_TRANSLATE_NOOP("Board", "your shot of volley %1")},
    {Kind::Pattern, "Vornmark's shot of volley %s", "Board",
     QT_TRANSLATE_NOOP("Board", "Vornmark's shot of volley %1")},
    {Kind::Pattern, "your ship, hit by volley %s", "Board", QT_TRANSLATE_NOOP("Board", "your ship, hit by volley %1")},
    {Kind::Exact, "your ship", "Board", QT_TRANSLATE_NOOP("Board", "your ship")},
    {Kind::Exact, "water", "Board", QT_TRANSLATE_NOOP("Board", "water")},
    {Kind::Exact, "your Corvette", "Board", QT_TRANSLATE_NOOP("Board", "your Corvette")},
    {Kind::Exact, "your Destroyer", "Board", QT_TRANSLATE_NOOP("Board", "your Destroyer")},
    {Kind::Exact, "your Battleship", "Board", QT_TRANSLATE_NOOP("Board", "your Battleship")},
    {Kind::Exact, "your Submarine", "Board", QT_TRANSLATE_NOOP("Board", "your Submarine")},
    //: A square of a ship's panel: %1 the ship, %2 the square's number, %3 a volley's number or letter.
    {Kind::Pattern, "%s, cell %d, hit in volley %s, selected", "Board",
     QT_TRANSLATE_NOOP("Board", "%1, cell %2, hit in volley %3, selected")},
    {Kind::Pattern, "%s, cell %d, not hit, selected", "Board",
     QT_TRANSLATE_NOOP("Board", "%1, cell %2, not hit, selected")},
    {Kind::Pattern, "%s, cell %d, selected", "Board", QT_TRANSLATE_NOOP("Board", "%1, cell %2, selected")},
    {Kind::Pattern, "%s, cell %d, hit in volley %s", "Board",
     QT_TRANSLATE_NOOP("Board", "%1, cell %2, hit in volley %3")},
    {Kind::Pattern, "%s, cell %d, not hit", "Board", QT_TRANSLATE_NOOP("Board", "%1, cell %2, not hit")},
    {Kind::Pattern, "%s, cell %d", "Board", QT_TRANSLATE_NOOP("Board", "%1, cell %2")},

    // The title with Vornmark's view on: its phase letter (and the blank after it) stays, the words
    // in brackets translate.
    {Kind::Frame, "Vornmark %s(%s)", nullptr, nullptr},
    //: The window's title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.
    {Kind::Exact, "phase A/B", "Title", QT_TRANSLATE_NOOP("Title", "phase A/B")},
    {Kind::Exact, "phase GAMMA", "Title", QT_TRANSLATE_NOOP("Title", "phase GAMMA")},
    {Kind::Exact, "phase DELTA", "Title", QT_TRANSLATE_NOOP("Title", "phase DELTA")},
    {Kind::Exact, "Novice", "Title", QT_TRANSLATE_NOOP("Title", "Novice")},
    {Kind::Exact, "Expert, phase A/B", "Title", QT_TRANSLATE_NOOP("Title", "Expert, phase A/B")},
    {Kind::Exact, "Expert, phase GAMMA", "Title", QT_TRANSLATE_NOOP("Title", "Expert, phase GAMMA")},
    {Kind::Exact, "Expert, phase DELTA", "Title", QT_TRANSLATE_NOOP("Title", "Expert, phase DELTA")},

    // Message boxes.
    {Kind::Exact, "Vornmark", nullptr, nullptr},
    {Kind::Exact, "Error", "Messages", QT_TRANSLATE_NOOP("Messages", "Error")},
    {Kind::Exact, "Grid size error", "Messages", QT_TRANSLATE_NOOP("Messages", "Grid size error")},
    //: %1 is a ship's name.
    {Kind::Pattern, "Ship \"%s\" not placed\nClick on 'File/Place'", "Messages",
     QT_TRANSLATE_NOOP("Messages", "Ship \"%1\" not placed\nClick on 'File/Place'")},
    {Kind::Exact, "Ambiguity Threshold must be between 1 and 30", "Messages",
     QT_TRANSLATE_NOOP("Messages", "Ambiguity Threshold must be between 1 and 30")},
    {Kind::Exact, "Shots per volley must be between 1 and 10", "Messages",
     QT_TRANSLATE_NOOP("Messages", "Shots per volley must be between 1 and 10")},
    {Kind::Exact, "Grid size must be between 4 and 30", "Messages",
     QT_TRANSLATE_NOOP("Messages", "Grid size must be between 4 and 30")},
    //: Vornmark found fewer open squares than shots to fire. Keep the line break at the start.
    {Kind::Counted, "\nCouldn't place %d shots", "Messages",
     QT_TRANSLATE_N_NOOP("Messages", "\nCouldn't place %n shots")},
    {Kind::Exact, "System Error 109 in Advanced mode. Reverting to Intermediate", "Messages",
     QT_TRANSLATE_NOOP("Messages", "System Error 109 in Advanced mode. Reverting to Intermediate")},
    //: "stats" is the name of the file of Vornmark's reasoning: keep it.
    {Kind::Exact, "Error opening stats\n", "Messages", QT_TRANSLATE_NOOP("Messages", "Error opening stats\n")},
    {Kind::Pattern, "The statistics file could not be read and was kept as \"%s\".\nYour record starts afresh.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "The statistics file could not be read and was kept as \"%1\".\nYour record starts afresh.")},
    {Kind::Exact, "Vornmark could not save its statistics file.\nIt will try again when the next game ends.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "Vornmark could not save its statistics file.\nIt will try again when the next game ends.")},
    // The game kept between runs. %1 is a file or folder, %2 a reason that stays as it is.
    {Kind::Exact,
     "Another Vornmark is running and keeps its game in progress.\nThis one leaves that game alone: what you play "
     "here is not kept when you close it.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "Another Vornmark is running and keeps its game in progress.\nThis one leaves that game "
                       "alone: what you play here is not kept when you close it.")},
    {Kind::Pattern,
     "Vornmark cannot keep the game in progress in \"%s\".\nWhat you play is not kept when you close the window.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "Vornmark cannot keep the game in progress in \"%1\".\nWhat you play is not kept when you "
                       "close the window.")},
    {Kind::Pattern,
     "The game kept from the last time could not be resumed (%s).\nThe file was kept as \"%s\", and a new start is "
     "made.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "The game kept from the last time could not be resumed (%1).\nThe file was kept as \"%2\", "
                       "and a new start is made.")},
    {Kind::Pattern,
     "The game kept in \"%s\" could not be resumed (%s), nor moved aside.\nWhat you play is not kept when you close "
     "the window.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "The game kept in \"%1\" could not be resumed (%2), nor moved aside.\nWhat you play is not "
                       "kept when you close the window.")},
    {Kind::Pattern,
     "Vornmark could not save the game in progress in \"%s\".\nIt tries again at every change, and when "
     "you quit.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "Vornmark could not save the game in progress in \"%1\".\nIt tries again at every change, "
                       "and when you quit.")},
    //: The About box. %1 is the version, %2 the version of Qt.
    {Kind::Pattern,
     "Vornmark\nVersion %s\n\nThe salvo game against an opponent that counts: Vornmark is never told which of its "
     "shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement "
     "that is still possible.\n\nWritten by the Vornmark developers.\nBuilt with Qt %s.",
     "Messages",
     QT_TRANSLATE_NOOP("Messages",
                       "Vornmark\nVersion %1\n\nThe salvo game against an opponent that counts: Vornmark is never "
                       "told which of its shots hit, only how many hits each of your ships took, and finds your "
                       "fleet by counting every placement that is still possible.\n\nWritten by the Vornmark "
                       "developers.\nBuilt with Qt %2.")},
    // Warnings of an inconsistency inside the game (never seen in a sound game). %1 names a board
    // or a ship as the game calls it inside; numbers are squares.
    {Kind::Pattern, "\nError accessing %s at %d,%d\n", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "\nError accessing %1 at %2,%3\n")},
    {Kind::Pattern, "Error volley out of bounds %s at %d,%d", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error volley out of bounds %1 at %2,%3")},
    {Kind::Pattern, "Error firing twice at %s %d,%d", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error firing twice at %1 %2,%3")},
    {Kind::Pattern, "Error: more hits than cells %s", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error: more hits than cells %1")},
    {Kind::Pattern, "Error: no hits left to remove %s", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error: no hits left to remove %1")},
    {Kind::Pattern, "Error: %s not described\n", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error: %1 not described\n")},
    {Kind::Pattern, "Error: %s not described f\n", "Warnings",
     QT_TRANSLATE_NOOP("Warnings", "Error: %1 not described f\n")},
    {Kind::Exact, "Ship::where cell > len", nullptr, nullptr},
    {Kind::Exact, "cross is NULL", nullptr, nullptr},
};

// A printf pattern as a regular expression over the whole text, one capture per conversion.
QString pattern_expression(const char* pattern) {
  QString expression = QStringLiteral("^");
  QString literal;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p != '%') {
      literal += QChar(static_cast<uchar>(*p));
      continue;
    }
    expression += QRegularExpression::escape(literal);
    literal.clear();
    ++p;
    while (*p >= '0' && *p <= '9') ++p;  // a width pads the number with blanks
    expression += *p == 'd' ? QStringLiteral(" *(-?[0-9]+)") : QStringLiteral("(.*?)");
  }
  return expression + QRegularExpression::escape(literal) + QStringLiteral("$");
}

struct Catalogue {
  QHash<QString, const Wording*> exact;
  std::vector<std::pair<QRegularExpression, const Wording*>> patterns;
};

const Catalogue& catalogue() {
  static const Catalogue built = [] {
    Catalogue c;
    for (const Wording& wording : kWordings) {
      if (wording.kind == Kind::Exact)
        c.exact.insert(QString::fromUtf8(wording.english), &wording);
      else
        c.patterns.emplace_back(QRegularExpression(pattern_expression(wording.english)), &wording);
    }
    return c;
  }();
  return built;
}

// Fills %1, %2, ... in one pass, so that a name holding "%2" is not filled again.
QString filled(const QString& text, const QStringList& arguments) {
  QString result;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') &&
        text[i + 1] <= QLatin1Char('9')) {
      const qsizetype index = text[i + 1].unicode() - '1';
      if (index < arguments.size()) {
        result += arguments[index];
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

QString translated_pattern(const QString& english, const QRegularExpressionMatch& match, const Wording& wording) {
  QStringList arguments;
  int count = -1;
  bool names_translated = false;
  for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
    const QString argument = match.captured(i);
    // A name the game composes is translated too; each is shorter than the text, so this ends.
    const QString shown = game_text(argument);
    names_translated = names_translated || shown != argument;
    if (count < 0 && wording.kind == Kind::Counted) count = argument.toInt();
    arguments << shown;
  }
  bool words_translated = false;
  QString translation;
  if (wording.source != nullptr) {
    translation = QCoreApplication::translate(wording.context, wording.source, nullptr, count);
    // Untranslated, Qt gives the source back with the count in place of %n.
    words_translated =
        translation != QString::fromUtf8(wording.source).replace(QStringLiteral("%n"), QString::number(count));
  }
  if (words_translated) return filled(translation, arguments);
  if (!names_translated) return english;
  // The game's own words around translated names.
  QString result = english;
  for (int i = match.lastCapturedIndex(); i >= 1; --i)
    result.replace(match.capturedStart(i), match.capturedLength(i), arguments[i - 1]);
  return result;
}

}  // namespace

QString game_text(const QString& english) {
  // Grid labels and volley numbers: nothing to translate, and hundreds of them a paint.
  if (english.size() < 4) return english;
  const Catalogue& words = catalogue();
  const auto exact = words.exact.constFind(english);
  if (exact != words.exact.constEnd()) {
    const Wording& wording = *exact.value();
    if (wording.source == nullptr) return english;
    const QString translation = QCoreApplication::translate(wording.context, wording.source);
    return translation == QLatin1String(wording.source) ? english : translation;
  }
  for (const auto& [expression, wording] : words.patterns) {
    const QRegularExpressionMatch match = expression.match(english);
    if (match.hasMatch()) return translated_pattern(english, match, *wording);
  }
  return english;
}

QString game_text(std::string_view english) {
  return game_text(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())));
}

bool is_game_text(const QString& english) {
  const Catalogue& words = catalogue();
  if (words.exact.contains(english)) return true;
  for (const auto& [expression, wording] : words.patterns)
    if (expression.match(english).hasMatch()) return true;
  return false;
}

}  // namespace vornmark
