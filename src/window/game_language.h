#pragma once
// The languages the game speaks, and the one it speaks in this run: the player's choice kept in the
// settings file, else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them). A
// choice takes effect at the next start.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <vector>

namespace vornmark {

struct GameLanguage {
  const char* code;  // as the translation files are named: de, pt_BR, zh_CN
  const char* name;  // in the language itself, as the menu shows it
};

// Every language with a translation, English first.
const std::vector<GameLanguage>& game_languages();

// The settings file's key for the player's choice; a missing key or an unknown code means the
// desktop's language.
inline constexpr const char* kLanguageKey = "Language";
QString chosen_language(const std::filesystem::path& settings_dir);
bool choose_language(const std::filesystem::path& settings_dir, const QString& code);

// Where the compiled translations are looked for: VORNMARK_TRANSLATIONS when set, then beside the
// program (its build folder), then the installed share folder relative to the program, then the
// folder the build installs into.
QStringList translation_folders();

// The game's translations and Qt's own (standard buttons, the layout's direction) for a language,
// installed into the application for as long as this lives. An empty code takes the desktop's.
class GameTranslations {
 public:
  explicit GameTranslations(const QString& code);
  ~GameTranslations();
  GameTranslations(const GameTranslations&) = delete;
  GameTranslations& operator=(const GameTranslations&) = delete;

  // The code of the language the game speaks ("en" when no translation was found).
  const QString& language() const { return language_; }

 private:
  std::vector<std::unique_ptr<QTranslator>> installed_;
  QString language_ = QStringLiteral("en");
  QLocale previous_locale_;
};

}  // namespace vornmark
