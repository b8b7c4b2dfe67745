// The resources compiled into the program and the texts it shows about itself: the gun-sight
// cursor, the icon at every size (drawn from its SVGs), the help pages and their links, the
// sounds, and what --help and --version print before any window exists.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QTest>
#include <QTextBrowser>
#include <memory>
#include <vector>

#include "icon_renderer.h"
#include "window/help_window.h"
#include "window/program_icon.h"
#include "window/program_texts.h"
#include "window/sight_cursor.h"
#include "window/sound_player.h"

using namespace vornmark;

namespace {

QString resource_text(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The links of a page to other pages.
QStringList page_links(const QString& html) {
  QStringList links;
  const QRegularExpression href(QStringLiteral("href=\"([^\"]+\\.html)\""));
  for (auto match = href.globalMatch(html); match.hasNext();) links << match.next().captured(1);
  return links;
}

// A little-endian number of the given bytes of a WAV file.
quint32 wav_number(const QByteArray& wav, int at, int bytes) {
  quint32 value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<quint8>(wav[at + i]);
  return value;
}

// Tells of a missing audio device are not the test's business: the sound effects here have none.
void drop_messages(QtMsgType, const QMessageLogContext&, const QString&) {}
struct MessagesDropped {
  MessagesDropped() : before(qInstallMessageHandler(drop_messages)) {}
  ~MessagesDropped() { qInstallMessageHandler(before); }
  QtMessageHandler before;
};

}  // namespace

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void sight_cursor_is_a_circle_with_a_cross_hair();
  void icon_pngs_are_drawn_from_the_svgs();
  void help_pages_link_up();
  void help_window_opens_at_the_contents_and_follows_links();
  void sounds_are_the_committed_wavs_and_qt_reads_them();
  void program_answers_help_and_version_without_a_display();
  void switches_reach_the_game_as_one_line();
};

void ResourcesTest::sight_cursor_is_a_circle_with_a_cross_hair() {
  const std::optional<QCursor> sight = load_sight_cursor();
  QVERIFY(sight.has_value());
  QCOMPARE(sight->hotSpot(), QPoint(15, 15));
  const QImage bits = sight->bitmap().toImage();
  const QImage mask = sight->mask().toImage();
  QCOMPARE(bits.size(), QSize(32, 32));
  auto black = [&](int x, int y) { return bits.pixelIndex(x, y) == 1 || qGray(bits.pixel(x, y)) < 128; };

  // Along the row and the column through the hot spot the circle spans 25 pixels.
  int left = -1;
  int right = -1;
  for (int x = 0; x < 32; ++x)
    if (black(x, 15) && black(x, 14) && black(x, 16)) (left < 0 ? left : right) = x;
  QCOMPARE(right - left + 1, 25);
  // The cross-hair crosses the whole circle, with a gap around the hot spot itself.
  for (int d = 2; d <= 11; ++d) {
    QVERIFY(black(15 + d, 15) && black(15 - d, 15));
    QVERIFY(black(15, 15 + d) && black(15, 15 - d));
  }
  QVERIFY(!black(14, 15) && !black(15, 14));
  // Short tick marks across the cross-hair.
  QVERIFY(black(21, 13) && black(21, 17) && black(13, 9) && black(17, 9));
  // Corners are see-through; every black pixel is inside the mask.
  QVERIFY(qGray(mask.pixel(0, 0)) >= 128);
  QVERIFY(qGray(mask.pixel(31, 31)) >= 128);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (black(x, y)) QVERIFY(qGray(mask.pixel(x, y)) < 128);
}

void ResourcesTest::icon_pngs_are_drawn_from_the_svgs() {
  const QString resources = qEnvironmentVariable("VORNMARK_RESOURCES");
  QVERIFY2(QDir(resources).exists(), "VORNMARK_RESOURCES names the resources folder");
  const QIcon icon = program_icon();
  for (int size : kIconSizes) {
    const QImage compiled(QStringLiteral(":/icons/tarnquil-%1.png").arg(size));
    QCOMPARE(compiled.size(), QSize(size, size));
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));

    // The PNG is the SVG's picture at that size: a stale or wrong PNG differs here.
    const QImage drawn = testing::render_icon(resources + '/' + testing::icon_source_for(size), size);
    QVERIFY(!drawn.isNull());
    const QImage png = compiled.convertToFormat(QImage::Format_ARGB32);
    long long difference = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb a = png.pixel(x, y);
        const QRgb b = drawn.pixel(x, y);
        difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
                      std::abs(qAlpha(a) - qAlpha(b));
      }
    QVERIFY2(difference <= size * size, qPrintable(QStringLiteral("size %1 differs by %2").arg(size).arg(difference)));
  }
}

void ResourcesTest::help_pages_link_up() {
  const QString contents = resource_text(QStringLiteral(":/help/contents.html"));
  QVERIFY(!contents.isEmpty());
  const QStringList links = page_links(contents);
  for (const char* page : {"playing.html", "modes.html", "levels.html", "phases.html", "place.html", "counting.html",
                           "keys.html", "menus.html"})
    QVERIFY2(links.contains(QString::fromLatin1(page)), page);

  for (const QString& page : links) {
    const QString html = resource_text(QStringLiteral(":/help/") + page);
    QVERIFY2(!html.isEmpty(), qPrintable(page));
    QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
    for (const QString& link : page_links(html))
      QVERIFY2(QFile::exists(QStringLiteral(":/help/") + link), qPrintable(page + " -> " + link));
  }
}

void ResourcesTest::help_window_opens_at_the_contents_and_follows_links() {
  HelpWindow help;
  help.show_page(kHelpContents);
  QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Contents"));
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("Vornmark Help")));
  // A link is followed relative to the page it is on.
  help.browser()->setSource(help.browser()->source().resolved(QUrl(QStringLiteral("phases.html"))));
  QCOMPARE(help.browser()->source(), QUrl(QStringLiteral("qrc:/help/phases.html")));
  QCOMPARE(help.windowTitle(), QStringLiteral("Vornmark Help: The letter in the title"));
  QVERIFY(help.browser()->isBackwardAvailable());
  help.browser()->backward();
  QCOMPARE(help.browser()->source(), kHelpContents);
}

void ResourcesTest::sounds_are_the_committed_wavs_and_qt_reads_them() {
  const QString committed = qEnvironmentVariable("VORNMARK_RESOURCES") + QStringLiteral("/sounds/");
  const MessagesDropped quiet;  // outlives the effects
  std::vector<std::unique_ptr<QSoundEffect>> effects;
  for (std::size_t i = 0; i < kSoundNames.size(); ++i) {
    const QString path = sound_resource(static_cast<Sound>(i));
    QFile compiled(path);
    QVERIFY2(compiled.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray wav = compiled.readAll();
    QFile source(committed + QFileInfo(path).fileName());
    QVERIFY2(source.open(QIODevice::ReadOnly) && source.readAll() == wav, qPrintable(path));
    // The plain 44-byte header the script writes: PCM, mono, 44.1 kHz, 16 bits.
    QVERIFY2(wav.size() > 44 && wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " && wav.mid(36, 4) == "data",
             qPrintable(path));
    QCOMPARE(wav_number(wav, 20, 2), 1u);
    QCOMPARE(wav_number(wav, 22, 2), 1u);
    QCOMPARE(wav_number(wav, 24, 4), 44100u);
    QCOMPARE(wav_number(wav, 34, 2), 16u);
    const double seconds = wav_number(wav, 40, 4) / (2.0 * 44100);
    QVERIFY2(seconds >= 0.1 && seconds <= 1.5, qPrintable(path + QStringLiteral(" lasts %1 s").arg(seconds)));

    effects.push_back(std::make_unique<QSoundEffect>());
    effects.back()->setSource(QUrl(QStringLiteral("qrc") + path));
  }
  for (const auto& effect : effects)
    QTRY_VERIFY2(effect->status() == QSoundEffect::Ready, qPrintable(effect->source().toString()));
}

void ResourcesTest::program_answers_help_and_version_without_a_display() {
  const QString program = qEnvironmentVariable("VORNMARK_PROGRAM");
  QVERIFY2(QFile::exists(program), "VORNMARK_PROGRAM names the built program");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // would fail if started
  const std::pair<const char*, std::string> cases[] = {{"--version", version_text()}, {"--help", usage_text()}};
  for (const auto& [argument, expected] : cases) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("-D2"), QString::fromLatin1(argument)});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput().toStdString(), expected);
  }
}

void ResourcesTest::switches_reach_the_game_as_one_line() {
  // The switch reader splits at blanks, so each argument stays one token.
  QCOMPARE(join_arguments({"-d2", "/G3", "foo", "-X"}), std::string("-d2 /G3 foo -X"));
  QCOMPARE(join_arguments({}), std::string());
  QVERIFY(!early_exit_text({"-D0", "-G4"}).has_value());
}

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
