// The game file's writer thread: the texts reach the disk in the order given, a text waiting
// behind a write under way is replaced by a newer one, a synchronous write waits for the worker
// and is last, no two writes ever run at once, and a failed write is told.

#include "window/game_file_writer.h"

#include <QTest>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

using namespace vornmark;

namespace {

// A disk that takes its time, remembers what it was given and counts writes running at once.
struct SlowDisk {
  bool write(const std::string& text) {
    const int running = ++running_now;
    if (running > most_at_once) most_at_once = running;
    started = true;
    while (held.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    {
      std::lock_guard lock(mutex);
      written.push_back(text);
    }
    --running_now;
    return text != "refused";
  }
  std::vector<std::string> texts() {
    std::lock_guard lock(mutex);
    return written;
  }

  std::mutex mutex;
  std::vector<std::string> written;
  std::atomic<int> running_now{0};
  std::atomic<int> most_at_once{0};
  std::atomic<bool> started{false};
  std::atomic<bool> held{false};
};

}  // namespace

class GameFileWriterTest : public QObject {
  Q_OBJECT

 private slots:
  void latest_text_wins_in_order_one_write_at_a_time();
};

void GameFileWriterTest::latest_text_wins_in_order_one_write_at_a_time() {
  SlowDisk disk;
  {
    GameFileWriter writer("game", [&disk](const std::filesystem::path& file, const std::string& text) {
      return file == "game" && disk.write(text);
    });
    // The first text is being written while two more come: the second is never written.
    disk.held = true;
    writer.write_later("volley 1");
    QTRY_VERIFY(disk.started.load());
    writer.write_later("volley 2");
    writer.write_later("volley 3");
    disk.held = false;
    QVERIFY(writer.finish());
    QCOMPARE(disk.texts(), (std::vector<std::string>{"volley 1", "volley 3"}));

    // A synchronous write waits for the one under way, drops what waits, and comes last.
    disk.started = false;
    disk.held = true;
    writer.write_later("volley 4");
    QTRY_VERIFY(disk.started.load());
    writer.write_later("volley 5");
    std::thread release([&disk] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      disk.held = false;
    });
    QVERIFY(writer.write_now("at exit"));
    release.join();
    QCOMPARE(disk.texts(), (std::vector<std::string>{"volley 1", "volley 3", "volley 4", "at exit"}));

    // A refused write is told, and the next good one clears it.
    QVERIFY(!writer.last_write_failed());
    writer.write_later("refused");
    QVERIFY(!writer.finish());
    QVERIFY(writer.last_write_failed());
    writer.write_later("volley 6");
    // What still waits when the writer goes is written.
  }
  QCOMPARE(disk.texts().back(), std::string("volley 6"));
  QCOMPARE(disk.most_at_once.load(), 1);
}

QTEST_GUILESS_MAIN(GameFileWriterTest)
#include "game_file_writer_test.moc"
