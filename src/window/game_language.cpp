#include "window/game_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>

#include "setup/settings_file.h"

namespace vornmark {

// Which translation the program found, for packagers: QT_LOGGING_RULES="vornmark.language.info=true".
Q_LOGGING_CATEGORY(language_log, "vornmark.language", QtWarningMsg)

const std::vector<GameLanguage>& game_languages() {
  static const std::vector<GameLanguage> languages = {
      {"en", "English"},
      {"de", "Deutsch"},
      {"fr", "Français"},
      {"es", "Español"},
      {"it", "Italiano"},
      {"pl", "Polski"},
      {"pt_BR", "Português (Brasil)"},
      {"ru", "Русский"},
      {"ja", "日本語"},
      {"zh_CN", "简体中文"},
      {"ar", "العربية"},
  };
  return languages;
}

namespace {

// Qt reads the direction of a language's writing from this text of its translation.
//: Write "RTL" for a language written from right to left, "LTR" for any other.
[[maybe_unused]] const char* const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool is_game_language(const QString& code) {
  for (const GameLanguage& language : game_languages())
    if (code == QLatin1String(language.code)) return true;
  return false;
}

}  // namespace

QString chosen_language(const std::filesystem::path& settings_dir) {
  const QString code = QString::fromStdString(load_text_setting(settings_dir, kLanguageKey));
  return is_game_language(code) ? code : QString();
}

bool choose_language(const std::filesystem::path& settings_dir, const QString& code) {
  if (!code.isEmpty() && !is_game_language(code)) return false;
  return save_text_setting(settings_dir, kLanguageKey, code.toStdString());
}

QStringList translation_folders() {
  QStringList folders;
  const QString given = qEnvironmentVariable("VORNMARK_TRANSLATIONS");
  if (!given.isEmpty()) folders << given;
  const QString program = QCoreApplication::applicationDirPath();
  folders << program + QStringLiteral("/translations") << program + QStringLiteral("/../share/vornmark/translations")
          << QStringLiteral(VORNMARK_TRANSLATIONS_DIR);
  return folders;
}

GameTranslations::GameTranslations(const QString& code) {
  previous_locale_ = QLocale();
  // English until a translation is found: the help pages and numbers follow the language spoken.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  if (code == QLatin1String("en")) return;
  const QLocale wanted = code.isEmpty() ? QLocale::system() : QLocale(code);
  auto game = std::make_unique<QTranslator>();
  bool found = false;
  for (const QString& folder : translation_folders()) {
    if (game->load(wanted, QStringLiteral("vornmark"), QStringLiteral("_"), folder)) {
      found = true;
      break;
    }
  }
  if (!found) return;
  language_ = game->language().isEmpty() ? code : game->language();
  // Qt's own words (the standard buttons) first, so that the game's words come before them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    installed_.push_back(std::move(qt));
  }
  qCInfo(language_log).noquote() << "speaking" << language_ << "from" << game->filePath();
  QCoreApplication::installTranslator(game.get());
  installed_.push_back(std::move(game));
  // Menus and dialogs mirror in a language written from right to left; the help pages and
  // numbers follow the language too.
  QGuiApplication::setLayoutDirection(QLocale(language_).textDirection());
  QLocale::setDefault(QLocale(language_));
}

GameTranslations::~GameTranslations() {
  for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
  QLocale::setDefault(previous_locale_);
  if (!installed_.empty()) QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace vornmark
