// The game in progress as the text of the game file, and the game taken back from it. The
// owners write and read their own parts: the match, the opponent, the recorder; the flow adds
// the hint's shots, the scene and the title, and reads the whole before it changes anything.

#include <string>

#include "play/game_recorder.h"
#include "play/play_flow.h"
#include "play/view.h"
#include "setup/game_text.h"
#include "setup/match_snapshot.h"

namespace vornmark {

namespace {

constexpr std::string_view kHeader = "vornmark-game";
constexpr long long kVersion = 1;
constexpr std::size_t kMaxTitle = 80;

constexpr const char* kBoardWords[] = {"none", "my-shots", "his-shots", "his-real-ships"};
constexpr const char* kFleetWords[] = {"none", "mine", "his"};
constexpr const char* kVolleyWords[] = {"none", "player", "computer"};
constexpr const char* kZoneWords[] = {"grid", "panels", "status"};

int word_index(std::string_view word, std::initializer_list<const char*> words) {
  int index = 0;
  for (const char* candidate : words) {
    if (word == candidate) return index;
    ++index;
  }
  return -1;
}

// A hint's shot that differs from "HIS SHOTS": a shot taken back or placed since it counted.
struct HintShot {
  int x, y, volley;
};

}  // namespace

void PlayFlow::set_title(const std::string& title) {
  title_ = title;
  view_.set_title(title_);
}

void PlayFlow::keep_focus(const FocusPlace& focus) { scene_.focus = focus; }

std::string PlayFlow::saved_game() const {
  GameTextWriter out;
  out.numbers(kHeader, {kVersion});
  match_.save(out);
  opponent_.save(out);

  // The hint shows what it counted: the shots of a volley being aimed may have changed since.
  out.put("hint-shots");
  const Board& counted = hint_.counted_shots();
  const Board& shots = match_.his_shots();
  for (int y = 0; y < shots.height(); ++y)
    for (int x = 0; x < shots.width(); ++x) {
      const int then = counted.in_bounds(x, y) ? counted.cell(x, y) : 0;
      if (then == shots.cell(x, y)) continue;
      out.put(" ");
      out.put(x);
      out.put(",");
      out.put(y);
      out.put("=");
      out.put(then);
    }
  out.end_line();

  out.put("scene ");
  out.put(kBoardWords[static_cast<int>(scene_.shown_board)]);
  out.put(" ");
  out.put(kFleetWords[static_cast<int>(scene_.shown_fleet)]);
  out.put(" ");
  out.put(kVolleyWords[static_cast<int>(scene_.current_volley)]);
  out.end_line();
  out.numbers("background", {static_cast<int>(scene_.background_colour)});
  out.numbers("highlight", {scene_.highlight_volley});
  out.numbers("selected", {scene_.selected_ship});
  const FocusPlace& focus = scene_.focus;
  out.put("focus ");
  out.put(kZoneWords[static_cast<int>(focus.zone)]);
  for (int value : {focus.column, focus.row, focus.ship, focus.cell}) {
    out.put(" ");
    out.put(value);
  }
  out.end_line();
  out.word("title", title_);
  if (recorder_ != nullptr)
    recorder_->save(out);
  else
    GameRecorder::save_none(out);
  out.put("end");
  out.end_line();
  return out.take();
}

bool PlayFlow::resume(std::string_view text, std::string* why) {
  GameTextReader in(text);
  const auto refuse = [&]() {
    if (why != nullptr) *why = in.why();
    return false;
  };
  if (text.size() > 1000000) {
    in.fail("the file is longer than any game");
    return refuse();
  }
  if (!in.next_line()) return refuse();
  long long version = 0;
  if (!in.is(kHeader, 1) || !parse_number(in.words()[1], 0, 1000000, version)) {
    in.fail("this is not a Vornmark game file");
    return refuse();
  }
  if (version != kVersion) {
    in.fail("the game file is of version " + std::to_string(version) + ", which this Vornmark does not know");
    return refuse();
  }

  MatchSnapshot match;
  if (!match_.read_snapshot(in, match)) return refuse();
  const int grid = match.settings.MaxCells;
  OpponentSnapshot opponent;
  if (!Opponent::read_snapshot(in, grid, opponent)) return refuse();

  std::vector<HintShot> hint_shots;
  if (!in.next_line() || in.words()[0] != "hint-shots") {
    in.fail("expected \"hint-shots\"");
    return refuse();
  }
  for (std::size_t i = 1; i < in.words().size(); ++i) {
    const std::string_view word = in.words()[i];
    const std::size_t comma = word.find(',');
    const std::size_t equals = word.find('=');
    long long x = 0, y = 0, volley = 0;
    if (comma == std::string_view::npos || equals == std::string_view::npos || equals < comma ||
        !parse_number(word.substr(0, comma), 0, grid - 1, x) ||
        !parse_number(word.substr(comma + 1, equals - comma - 1), 0, grid - 1, y) ||
        !parse_number(word.substr(equals + 1), 0, match.counters.player_volley, volley) ||
        match.his_shots[static_cast<std::size_t>(x + y * grid)] == volley) {
      in.fail("a shot the hint saw is not a cell and a volley that differ from \"HIS SHOTS\"");
      return refuse();
    }
    if (!hint_shots.empty() && (y < hint_shots.back().y || (y == hint_shots.back().y && x <= hint_shots.back().x))) {
      in.fail("the shots the hint saw are not in the order of the rows");
      return refuse();
    }
    hint_shots.push_back({static_cast<int>(x), static_cast<int>(y), static_cast<int>(volley)});
  }

  Scene scene;
  if (!in.next_line() || !in.is("scene", 3)) {
    in.fail("expected \"scene\" and three words");
    return refuse();
  }
  const int board = word_index(in.words()[1], {kBoardWords[0], kBoardWords[1], kBoardWords[2], kBoardWords[3]});
  const int fleet = word_index(in.words()[2], {kFleetWords[0], kFleetWords[1], kFleetWords[2]});
  const int volley = word_index(in.words()[3], {kVolleyWords[0], kVolleyWords[1], kVolleyWords[2]});
  if (board < 0 || fleet < 0 || volley < 0) {
    in.fail("the scene names a board, fleet or volley that the window does not show");
    return refuse();
  }
  scene.shown_board = static_cast<ShownBoard>(board);
  scene.shown_fleet = static_cast<ShownFleet>(fleet);
  scene.current_volley = static_cast<CurrentVolley>(volley);
  long long value = 0;
  if (!in.number("background", value, 0, static_cast<int>(Colour::Orange))) return refuse();
  scene.background_colour = static_cast<Colour>(value);
  // Left from a press on a panel that no release ended, perhaps in a game since replaced.
  if (!in.number("highlight", value, 0, kMaxSavedVolley)) return refuse();
  scene.highlight_volley = static_cast<int>(value);
  if (!in.number("selected", value, 0, kFleetSize - 1)) return refuse();
  scene.selected_ship = static_cast<int>(value);
  if (!in.next_line() || !in.is("focus", 5)) {
    in.fail("expected \"focus\" and five words");
    return refuse();
  }
  const int zone = word_index(in.words()[1], {kZoneWords[0], kZoneWords[1], kZoneWords[2]});
  long long column = 0, row = 0, ship = 0, cell = 0;
  if (zone < 0 || !parse_number(in.words()[2], 0, kMaxGrid - 1, column) ||
      !parse_number(in.words()[3], 0, kMaxGrid - 1, row) || !parse_number(in.words()[4], 0, kFleetSize - 1, ship) ||
      !parse_number(in.words()[5], 0, Ship::kMaxCells - 1, cell)) {
    in.fail("the focus is at no place of the window");
    return refuse();
  }
  scene.focus = {static_cast<FocusZone>(zone), static_cast<int>(column), static_cast<int>(row), static_cast<int>(ship),
                 static_cast<int>(cell)};
  std::string title;
  if (!in.text("title", kMaxTitle, title)) return refuse();
  if (title.rfind("Vornmark", 0) != 0) {
    in.fail("the title is not Vornmark's");
    return refuse();
  }
  GameRecorder::Snapshot record;
  if (!GameRecorder::read_snapshot(in, record)) return refuse();
  if (!in.next_line() || !in.is("end", 0)) {
    in.fail("expected \"end\"");
    return refuse();
  }
  if (!in.at_end()) return refuse();

  // Everything read is possible: the game is taken back.
  match_.restore(match);
  opponent_.restore(opponent, grid);
  Board counted(match_.report());
  counted.allocate(grid, grid);
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) counted.cell(x, y) = match.his_shots[static_cast<std::size_t>(x + y * grid)];
  for (const HintShot& shot : hint_shots) counted.cell(shot.x, shot.y) = shot.volley;
  hint_.count(match_, counted);
  scene.diagnostic_lines = std::move(scene_.diagnostic_lines);
  scene_ = std::move(scene);
  point_scene_at_counts();
  if (recorder_ != nullptr) recorder_->restore(record);
  set_title(title);
  view_.set_background(scene_.background_colour);
  view_.redraw_all();
  return true;
}

}  // namespace vornmark
