// The game file: a game resumed from it is the game saved (the cli's restart test plays every
// state of play on from it); what the window shows has been kept first; a file that holds no
// possible game is refused with a reason and changes nothing; a resumed game is recorded once;
// the file's place and its setting aside.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "play/game_recorder.h"
#include "play/play_fixture.h"
#include "setup/game_file.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::RecordingPlatform;
using testing::TempDir;

// Whenever the whole window is redrawn, the game as last kept must be the game as it is.
class KeepingView : public testing::RecordingView {
 public:
  void game_changed() override { kept = flow->saved_game(); }
  void redraw_all() override {
    RecordingView::redraw_all();
    if (flow != nullptr && !kept.empty()) {
      EXPECT_EQ(kept, flow->saved_game()) << "shown before it was kept";
    }
  }
  const PlayFlow* flow = nullptr;
  std::string kept;
};

class GameResume : public ::testing::Test {
 protected:
  void SetUp() override {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
    view.flow = &flow;
  }
  // A game some volleys in: the fleet scattered, two volleys of the player fired and answered.
  void play_some_volleys() {
    flow.enter_place_mode();
    flow.on_left_press(ClickTarget::status());
    flow.start_new_game();
    int cell = 0;
    for (int volley = 0; volley < 2; ++volley) {
      while (match.play_state() == PlayState::PlayerAiming &&
             match.counters().next_shot <= match.counters().player_shots_per_volley) {
        flow.on_left_press(ClickTarget::grid(cell % match.grid(), cell / match.grid()));
        ++cell;
      }
      flow.on_left_press(ClickTarget::status());  // fire
      flow.on_left_press(ClickTarget::status());  // the computer answers
      flow.on_left_press(ClickTarget::status());  // the player's turn
    }
  }

  RecordingPlatform platform;
  Match match{platform};
  KeepingView view;
  PlayFlow flow{match, view};
};

TEST_F(GameResume, WhatIsShownWasKeptAndTheResumedGameSavesBackToTheSameText) {
  play_some_volleys();
  ASSERT_EQ(match.play_state(), PlayState::PlayerAiming);
  flow.on_left_press(ClickTarget::grid(7, 7));  // a shot being aimed is kept too
  const std::string text = flow.saved_game();
  EXPECT_EQ(view.kept, text);

  testing::AnotherProgram later;
  Match& other = later.match;
  testing::RecordingView& other_view = later.view;
  PlayFlow& resumed = later.flow;
  std::string why;
  ASSERT_TRUE(resumed.resume(text, &why)) << why;
  EXPECT_EQ(resumed.saved_game(), text);
  EXPECT_EQ(other.random().state(), match.random().state());
  EXPECT_EQ(other_view.redraws, 1);
  EXPECT_EQ(other_view.backgrounds, std::vector<Colour>{Colour::Teal});
  ASSERT_FALSE(other_view.titles.empty());
  EXPECT_EQ(other_view.titles.back(), view.titles.back());

  // Both play on alike: the same shots, the same answer, the same draws.
  for (PlayFlow* each : {&flow, &resumed}) {
    Match& m = each->match();
    for (int cell = 100; m.counters().next_shot <= m.counters().player_shots_per_volley; ++cell)
      each->on_left_press(ClickTarget::grid(cell % m.grid(), cell / m.grid()));
    each->on_left_press(ClickTarget::status());
    each->on_left_press(ClickTarget::status());
  }
  EXPECT_EQ(resumed.saved_game(), flow.saved_game());
}

// One change to a saved text per case; each leaves no possible game.
struct Damage {
  const char* what;
  std::function<std::string(const std::string&, const Match&)> change;
  const char* reason;  // a part of the reason given
};

// The text with the first line that starts with `start` replaced.
std::string with_line(const std::string& text, const std::string& start, const std::string& line) {
  const std::size_t at = text.find("\n" + start) + 1;
  EXPECT_NE(at, 0u) << start;
  return text.substr(0, at) + line + text.substr(text.find('\n', at));
}

std::string cells_text(const Ship& ship) {
  std::string text;
  for (int i = 0; i < ship.cell_count(); ++i)
    text += " " + std::to_string(ship.cells()[i].x) + "," + std::to_string(ship.cells()[i].y);
  return text;
}

TEST_F(GameResume, AFileThatHoldsNoPossibleGameIsRefusedWithAReasonAndChangesNothing) {
  play_some_volleys();
  const std::string text = flow.saved_game();
  const auto replace = [](std::string from, std::string to) {
    return [from, to](const std::string& text, const Match&) {
      std::string changed = text;
      const std::size_t at = changed.find(from);
      EXPECT_NE(at, std::string::npos) << from;
      return changed.replace(at, from.size(), to);
    };
  };
  const Ship& corvette = match.my_fleet()[kCorvette];
  const Ship& destroyer = match.my_fleet()[kDestroyer];
  const std::vector<Damage> damages = {
      {"another version", replace("vornmark-game 1", "vornmark-game 2"), "version 2"},
      {"no game file", [](const std::string&, const Match&) { return std::string("[Settings]\n"); }, "not a Vornmark"},
      {"cut short", [](const std::string& t, const Match&) { return t.substr(0, t.size() / 2); }, "line"},
      {"trailing garbage", [](const std::string& t, const Match&) { return t + "\n"; }, "follows the end"},
      {"line ends of another system", replace("state aiming\n", "state aiming\r\n"), "control character"},
      {"a setting out of range", replace("MaxCells 15", "MaxCells 31"), "MaxCells"},
      {"a number written otherwise", replace("games 1\n", "games 01\n"), "games"},
      {"an unknown play state", replace("state aiming", "state thinking"), "state"},
      {"a volley counter out of range", replace("next-shot", "next-shot 99\nx"), "next-shot"},
      {"overlapping ships",
       [&](const std::string& t, const Match&) {
         Ship moved = corvette;
         moved.set_cells(destroyer.cells().data());
         return with_line(t, "ship My Corvette", "ship My Corvette at" + cells_text(moved) + " hits 0 0");
       },
       "overlap"},
      {"a ship off the grid",
       [](const std::string& t, const Match&) {
         return with_line(t, "ship My Corvette", "ship My Corvette at 15,0 15,1 hits 0 0");
       },
       "inside the grid"},
      {"a ship of another shape",
       [](const std::string& t, const Match&) {
         return with_line(t, "ship My Corvette", "ship My Corvette at 0,0 2,2 hits 0 0");
       },
       "shape"},
      {"a hit no shot explains",
       [&](const std::string& t, const Match& m) {
         // The Submarine's hits as saved, with one more of volley 1 where no shot of volley 1 fell.
         const Ship& sub = m.my_fleet()[kSubmarine];
         std::string hits;
         bool added = false;
         for (int slot = 0; slot < sub.cell_count(); ++slot) {
           int hit = sub.hit_at(slot);
           if (hit == 0 && !added) hit = 2, added = true;
           hits += " " + std::to_string(hit);
         }
         bool explained = false;
         for (int i = 0; i < sub.cell_count(); ++i) explained |= m.his_shots().at(sub.cells()[i]) == 2;
         EXPECT_FALSE(explained) << "the case needs a ship no shot of volley 2 fell on";
         return with_line(t, "ship My Submarine", "ship My Submarine at" + cells_text(sub) + " hits" + hits);
       },
       "no shot explains"},
      {"shots being aimed that the counter does not know", replace("next-shot 1\n", "next-shot 2\n"), "aimed"},
      {"a shot of a volley not yet fired",
       [](const std::string& t, const Match& m) {
         return with_line(t, "volleys", "volleys 9 " + std::to_string(m.counters().computer_volley));
       },
       "runs ahead"},
      {"a ship not whole on its board",
       [](const std::string& t, const Match&) {
         const std::size_t board = t.find("board HIS REAL SHIPS\n") + 21;
         std::string changed = t;
         const std::size_t ship = changed.find_first_of("1234", board);
         changed[ship] = '0';
         return changed;
       },
       "whole"},
      {"a title of another program", replace("title Vornmark", "title Other"), "title"},
      {"a recorder's course unknown", replace("record not-started", "record thinking"), "record"},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    const std::string damaged = damage.change(text, match);
    ASSERT_NE(damaged, text);
    std::string why;
    EXPECT_FALSE(flow.resume(damaged, &why));
    EXPECT_NE(why.find(damage.reason), std::string::npos) << why;
    EXPECT_EQ(flow.saved_game(), text) << "a refused file changed the game";
  }
}

TEST_F(GameResume, AGameKeptAtExitIsNotAbandonedAndIsRecordedOnceWhenItEnds) {
  TempDir data;
  GameRecorder recorder(platform, data.path());
  flow.set_recorder(&recorder);
  play_some_volleys();
  ASSERT_TRUE(recorder.recording());
  const std::string text = flow.saved_game();
  recorder.program_ends(GameRecorder::GameInPlay::Kept);
  EXPECT_TRUE(recorder.statistics().empty()) << "kept to be resumed, not abandoned";

  // The next run resumes it; New Game replaces it: abandoned, once, with its volleys.
  RecordingPlatform next_platform;
  Match next(next_platform);
  StartUpOptions options;
  options.command_line = "-D3";
  start_up(next, options);
  testing::RecordingView next_view;
  PlayFlow resumed(next, next_view);
  GameRecorder next_recorder(next_platform, data.path());
  resumed.set_recorder(&next_recorder);
  ASSERT_TRUE(resumed.resume(text));
  EXPECT_TRUE(next_recorder.recording());
  resumed.start_new_game();
  next_recorder.program_ends();
  const GameRecord record = next_recorder.statistics().at(RecordKey{});
  EXPECT_EQ(record.played, 1);
  EXPECT_EQ(record.abandoned, 1);
}

TEST(GameFile, LivesInTheStateFolderIsWrittenWholeAndIsSetAsideWithoutReplacingAnother) {
  const char* saved_state = std::getenv("XDG_STATE_HOME");
  const std::string kept_state = saved_state != nullptr ? saved_state : "";
  setenv("XDG_STATE_HOME", "/tmp/state-here", 1);
  EXPECT_EQ(game_state_directory(), std::filesystem::path("/tmp/state-here/vornmark"));
  setenv("XDG_STATE_HOME", "relative/is/ignored", 1);
  setenv("HOME", std::getenv("HOME") != nullptr ? std::getenv("HOME") : "/root", 1);
  EXPECT_EQ(game_state_directory(), std::filesystem::path(std::getenv("HOME")) / ".local/state/vornmark");
  if (saved_state != nullptr)
    setenv("XDG_STATE_HOME", kept_state.c_str(), 1);
  else
    unsetenv("XDG_STATE_HOME");

  TempDir dir;
  const std::filesystem::path file = dir / "state/vornmark/game";
  EXPECT_EQ(read_game_file(file).status, GameFileStatus::Missing);
  ASSERT_TRUE(write_game_file(file, "first\n")) << "the folder is made";
  ASSERT_TRUE(write_game_file(file, "second\n"));
  const GameFileText read = read_game_file(file);
  EXPECT_EQ(read.status, GameFileStatus::Read);
  EXPECT_EQ(read.text, "second\n");

  EXPECT_EQ(set_aside_game_file(file), std::filesystem::path(file.string() + ".bad"));
  EXPECT_FALSE(std::filesystem::exists(file));
  ASSERT_TRUE(write_game_file(file, "third\n"));
  EXPECT_EQ(set_aside_game_file(file), std::filesystem::path(file.string() + ".bad.1"));
  EXPECT_EQ(testing::read_text(file.string() + ".bad"), "second\n") << "the first one is never replaced";
  EXPECT_EQ(testing::read_text(file.string() + ".bad.1"), "third\n");
  EXPECT_EQ(set_aside_game_file(file), std::nullopt) << "nothing to move";
}

}  // namespace
}  // namespace vornmark
