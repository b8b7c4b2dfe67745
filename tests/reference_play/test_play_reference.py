"""Checks of the play-flow reference against the game's worked examples, and of the generated scripts' reach."""

import collections
import io
import os
import tempfile
import unittest

import cli_reference
import compare_cli
import hint_reference
import option_dialogs
import play_flow
import script_generator
import settings_store
from window_layout import GRID_CELL, NOTHING, SHIP_PANEL, STATUS_BUTTON, Layout, pack_position

SEEDS_IN_CTEST = range(0, 80)
COMMANDS_IN_CTEST = 400


def run_script(text, arguments=("-D3",), settings=None):
    """Runs the reference driver on a script; returns (output lines, driver)."""
    with tempfile.TemporaryDirectory() as config:
        if settings:
            script_generator.write_settings_file(os.path.join(config, "vornmark"), settings)
        stream = io.StringIO()
        driver = cli_reference.Driver(list(arguments), stream, {"XDG_CONFIG_HOME": config})
        driver.run(cli_reference.read_lines(text.encode("latin-1")))
        saved = settings_store.stored_values(os.path.join(config, "vornmark"))
    driver.saved_settings = saved
    return stream.getvalue().split("\n")[:-1], driver


def state_fields(line):
    words = line.split()
    return dict(zip(words[2::2], (int(w) for w in words[3::2])), state=int(words[1]))


class LayoutOfTheDefaultGrid(unittest.TestCase):
    def setUp(self):
        self.layout = Layout()
        self.layout.layout_window(1000, 700, 15)

    def test_sizes_and_rectangles_of_a_1000_by_700_client(self):
        lay = self.layout
        self.assertEqual((lay.cell_width, lay.cell_height, lay.panel_cap, lay.row_height), (50, 43, 66, 63))
        self.assertEqual(lay.panel_cell_width(), 50)
        self.assertEqual(lay.board_rect, (250, 21, 1000, 666))
        self.assertEqual(lay.status_rect, (50, 632, 150, 695))
        self.assertEqual(lay.panel_rects[:3], [(0, 126, 100, 187), (0, 189, 150, 250), (0, 252, 200, 313)])
        self.assertEqual(lay.panel_rects[3:], [(0, 315, 50, 378), (50, 378, 100, 441), (100, 441, 150, 504)])

    def test_presses_are_classified_with_unsigned_16_bit_halves(self):
        classify = self.layout.classify_click
        self.assertEqual(classify(pack_position(260, 30)), (GRID_CELL, 0, 0))
        self.assertEqual(classify(pack_position(999, 665)), (GRID_CELL, 14, 14))
        self.assertEqual(classify(pack_position(120, 200)), (SHIP_PANEL, 1, 2))
        self.assertEqual(classify(pack_position(60, 400)), (SHIP_PANEL, 3, 1))
        self.assertEqual(classify(pack_position(100, 650)), (STATUS_BUTTON, 0, 0))
        self.assertEqual(classify(pack_position(200, 100))[0], NOTHING)
        # Right and bottom edges lie outside; a negative position wraps to a large one.
        self.assertEqual(classify(pack_position(1000, 30))[0], NOTHING)
        self.assertEqual(classify(pack_position(260, 666))[0], NOTHING)
        self.assertEqual(classify(pack_position(-1, -1))[0], NOTHING)
        self.assertEqual(classify(pack_position(260 + 65536, 30 - 65536)), (GRID_CELL, 0, 0))
        # A submarine panel rectangle holds only its own diagonal cell.
        self.assertEqual(classify(pack_position(10, 400))[0], NOTHING)

    def test_a_window_too_small_or_not_laid_out_classifies_nothing(self):
        self.assertEqual(Layout().classify_click(pack_position(0, 0))[0], NOTHING)
        low = Layout()
        low.layout_window(1000, 10, 15)
        self.assertEqual(low.row_height, 0)
        self.assertEqual(low.classify_click(pack_position(10, 5))[0], NOTHING)


class EditBoxesAndSettings(unittest.TestCase):
    def test_edit_text_reads_as_unsigned_number_or_zero(self):
        read = option_dialogs.read_unsigned
        self.assertEqual([read(t) for t in ("7", "+7", " 12 ", "007", "4294967295")], [7, 7, 12, 7, 4294967295])
        self.assertEqual([read(t) for t in ("", "+", "-1", "1x", "4294967296", "1 2")], [0] * 6)

    def test_loaded_values_are_brought_into_range_and_saved_at_exit(self):
        values = {"MaxCells": 99, "NumberOfShots": 0, "AmbiguityThreshold": 50, "PausePlayer": 2,
                  "AutomaticMode": 5, "DefenseMode": -3, "PlayLevel": 7, "Hint": 5, "VornmarkView": 0}
        lines, driver = run_script("state\n", settings=values)
        fields = state_fields(lines[0])
        self.assertEqual((fields["level"], fields["automatic"], fields["defense"]), (3, 1, 1))
        s = driver.game.settings
        self.assertEqual((s.MaxCells, s.NumberOfShots, s.AmbiguityThreshold, s.PausePlayer), (30, 1, 30, 0))
        self.assertEqual(driver.saved_settings["MaxCells"], "30")
        self.assertEqual(driver.saved_settings["PauseVornmark"], "1")
        # A display key is written when on or when the file held it; a file without them gains none.
        self.assertEqual((driver.saved_settings["Hint"], driver.saved_settings["VornmarkView"]), ("1", "0"))
        _, plain = run_script("display hint=1 view=1\ndisplay hint=0 view=0\n")
        self.assertEqual((plain.saved_settings["Hint"], plain.saved_settings["VornmarkView"]), (None, None))


    def test_empty_and_quoted_values_read_as_the_profile_functions_read_them(self):
        with tempfile.TemporaryDirectory() as directory:
            with open(os.path.join(directory, settings_store.FILE_NAME), "w") as f:
                f.write("[other]\nMaxCells=9\n[ options ]\n AmbiguityThreshold = \nmaxcells=\"12\"\n"
                        "NumberOfShots=4 shots\nPlayLevel=2\nPlayLevel=0\n")
            settings = cli_reference.opponent.Settings()
            settings_store.load_settings(settings, directory)
        self.assertEqual((settings.AmbiguityThreshold, settings.MaxCells, settings.NumberOfShots, settings.PlayLevel),
                         (10, 12, 4, 2))


class PlayFlowExamples(unittest.TestCase):
    def test_first_exchange_with_three_shots(self):
        lines, _ = run_script("place\npress status\noptions shots=3\nnew\nlegend\n"
                              "press grid 7 7\npress grid 0 0\npress grid 1 0\nlegend\nstatus\nstate\n"
                              "press status\nstate\npress status\nstate\npress status\nstate\nlegend\n")
        self.assertEqual(lines[0], "legend Shots left:  3      ")
        self.assertEqual(lines[1], "legend Shots left:  0      ")
        self.assertEqual(lines[2], "status Click here to see what you hit")
        self.assertEqual(state_fields(lines[3])["next_shot"], 4)
        resolved = state_fields(lines[4])
        self.assertEqual((resolved["state"], resolved["player_shots"]), (play_flow.PLAYER_VOLLEY_SHOWN, 2))
        self.assertEqual(lines[5], "title Vornmark A")
        computer = state_fields(lines[6])
        self.assertEqual((computer["state"], computer["computer_volley"], computer["computer_shots"]), (1, 2, 3))
        player = state_fields(lines[7])
        self.assertEqual((player["state"], player["player_volley"], player["player_shots"]), (2, 2, 2))
        self.assertEqual(lines[8], "legend Shots left:  2      ")

    def test_taking_back_a_shot_reopens_the_volley(self):
        lines, _ = run_script("place\npress status\noptions shots=2\nnew\npress grid 0 0\npress grid 1 1\n"
                              "press grid 2 2\npress grid 1 1\nstatus\nlegend\npress grid 0 0\nstate\n")
        self.assertEqual(lines[:3], ["beep", "status Click on grid to fire shots", "legend Shots left:  1      "])
        self.assertEqual(state_fields(lines[3])["next_shot"], 1)

    def test_a_ship_that_fits_nowhere_is_named_by_new_game(self):
        lines, driver = run_script("place\npress grid 0 1\npress panel 1 0\npress grid 1 0\npress panel 2 0\n"
                                   "press grid 0 0\nnew\npress status\nnew\nnew\nstate\n")
        self.assertEqual(lines[0], "error Ship \"His Battleship\" not placed\\nClick on 'File/Place'")
        # Placed ships count by their ids on the board, also once a game has unplaced the fleet's model.
        self.assertEqual(state_fields(lines[1])["state"], play_flow.PLAYER_AIMING)
        self.assertEqual(driver.flow.game_counter, 2)

    def test_manual_reports_fill_and_empty_hit_slots(self):
        lines, driver = run_script("options mode=manual starts=computer\nnew\nlegend\ntitle\nstate\n"
                                   "press panel 2 3\npress panel 2 2\nfleet his\npress panel 2 0\nfleet his\n")
        self.assertEqual(lines[0], "legend Click on what Vornmark has hit")
        self.assertEqual(lines[1], "title Vornmark")
        self.assertEqual(state_fields(lines[2])["computer_volley"], 1)
        self.assertEqual(lines[5], "His Battleship cells -1,-1 -1,-1 -1,-1 -1,-1 hits 1 1")
        self.assertEqual(lines[9], "His Battleship cells -1,-1 -1,-1 -1,-1 -1,-1 hits 1")

    def test_simulation_plays_a_whole_game_from_any_state(self):
        volley = "".join("press grid %d 0\n" % x for x in range(10))
        lines, _ = run_script("simulate\nstate\nsimulate\nstate\npress status\npress status\n" + volley +
                              "press status\npress status\nstate\npress status\nstate\n")
        states = [state_fields(line) for line in lines if line.startswith("state")]
        self.assertEqual([s["state"] for s in states[:2]], [play_flow.COMPUTER_WON] * 2)
        second = lines[lines.index(next(l for l in lines if l.startswith("state"))) + 1:]
        self.assertTrue(second[0].startswith("title Vornmark "), "a second simulation from ComputerWon")
        self.assertEqual(states[1]["simulation"], 1)
        self.assertGreater(states[1]["computer_volley"], 5)
        # Until the next File/New Game, Continue after a computer volley starts another computer volley.
        self.assertEqual([s["state"] for s in states[2:]], [play_flow.COMPUTER_VOLLEY_SHOWN] * 2)
        self.assertEqual((states[2]["computer_volley"] + 1, states[2]["player_volley"]),
                         (states[3]["computer_volley"], states[3]["player_volley"]))

    def test_a_failed_check_keeps_the_earlier_steps(self):
        lines, driver = run_script("options level=novice starts=computer threshold=31 shots=4\nstate\n"
                                   "options shots=0\noptions mode=manual\noptions mode=manual\n")
        self.assertEqual(lines[:2], ["warning Ambiguity Threshold must be between 1 and 30", "dialog cancelled"])
        self.assertEqual(state_fields(lines[2])["level"], 0)
        self.assertEqual(driver.flow.who_starts, 1)
        self.assertEqual(driver.game.settings.NumberOfShots, 10)
        self.assertEqual(lines[3:5], ["error Shots per volley must be between 1 and 10", "dialog cancelled"])
        self.assertEqual(driver.flow.game_counter, 1)

    def test_a_cancelled_warning_ends_without_saving(self):
        lines, driver = run_script("options threshold=0\nstate\n", arguments=("-D3", "--cancel-warnings"))
        self.assertEqual(lines, ["warning Ambiguity Threshold must be between 1 and 30"])
        self.assertIsNone(driver.saved_settings)

    def test_malformed_lines_are_reported_as_read(self):
        lines, _ = run_script("# note\n\npress panel 4 0\npress 1\noptions mode\nboard my sea\nstate\r\n"
                              "pacing player=2\nfleet\tmy his\n  board \tHIS SEA \n")
        self.assertEqual(lines[:6], ["bad command press panel 4 0", "bad command press 1", "bad command options mode",
                                     "bad command board my sea", lines[4], "bad command pacing player=2"])
        self.assertTrue(lines[4].startswith("state 0 "))
        self.assertEqual(lines[6], "bad command fleet\tmy his")
        self.assertEqual(lines[-1], "end")


def hint_of(size, volleys, hits):
    """The hint for hand-made shots {volley: [(x, y), ...]} and hit slots {ship index: [volley, ...]}."""
    settings = cli_reference.opponent.Settings()
    settings.MaxCells = size
    game = cli_reference.opponent.Game(settings)
    game.start_up(None, 1)
    for volley, cells in volleys.items():
        for x, y in cells:
            game.his_shots.put(x, y, volley)
    for index, slots in hits.items():
        game.my_fleet[index].hits[:len(slots)] = slots
    before = [(list(ship.cells), list(ship.hits)) for ship in game.my_fleet]
    hint = hint_reference.compute_hint(game.his_shots, game.my_fleet, size)
    assert before == [(list(ship.cells), list(ship.hits)) for ship in game.my_fleet], "the hint moved a ship"
    return hint


class HintOnHandMadePositions(unittest.TestCase):
    def test_counts_cells_and_pinning(self):
        # (what, grid, shots by volley, hit slots by ship, counts (None: not checked), {cell: sum}, pinned)
        cases = (
            ("a fresh grid: every placement", 15, {}, {}, [420, 390, 360, 338], {(0, 0): 7, (1, 0): 10}, []),
            ("a miss rules out every placement through it", 15, {1: [(0, 0)]}, {}, [418, 388, 358, 337],
             {(0, 0): 0, (1, 0): 7}, []),
            # The Corvette lies on exactly one of the two cells: (0,0)-(1,0) holds both.
            ("one hit in a volley of two", 15, {1: [(0, 0), (1, 0)]}, {0: [1]}, [3, None, None, None],
             {(0, 0): 1, (1, 0): 2}, []),
            # The Corvette, sunk and pinned, blocks (0,0) for the Destroyer scanned after it in the same pass.
            ("pinned, then blocking in the same pass", 15, {1: [(0, 0), (5, 5)], 2: [(0, 1)]},
             {0: [1, 2], 1: [1]}, [0, 6, None, None], {(0, 0): 0, (0, 1): 0, (5, 5): 6}, [0]),
            # The Submarine, pinned last in the first pass, blocks (0,0) for the Corvette in the second.
            ("pinned, then blocking in a later pass", 15, {1: [(0, 0), (5, 5)], 2: [(1, 1)], 3: [(2, 2)]},
             {0: [1], 3: [1, 2, 3]}, [4, None, None, 0], {(0, 0): 0, (5, 5): 4}, [3]),
        )
        for what, size, volleys, hits, counts, cells, pinned in cases:
            with self.subTest(what):
                hint = hint_of(size, volleys, hits)
                self.assertEqual([c if want is not None else None for c, want in zip(hint.counts, counts)], counts)
                self.assertEqual({cell: hint.cells[cell[0] + cell[1] * size] for cell in cells}, cells)
                self.assertEqual([i for i in range(4) if hint.pinned[i]], pinned)

    def test_the_display_changes_nothing_else(self):
        """The same scripts with and without the display lines play the same games, titles aside."""
        def play(lines):
            arguments, settings = compare_cli.script_header(lines)
            script = "".join(line + "\n" for line in lines).encode("latin-1")
            with tempfile.TemporaryDirectory() as root:
                config = compare_cli.fresh_settings_dir(root, "config", settings)
                output, _, owners, _ = compare_cli.run_reference(arguments, script, config)
                saved = settings_store.stored_values(os.path.join(config, "vornmark"))
            kept = [line for line, owner in zip(output.decode("latin-1").split("\n"), owners)
                    if owner >= len(lines) or not script_generator.is_display_line(lines[owner])]
            plain = [line.replace(" (Novice)", " ").split(" (phase")[0] for line in kept]
            return plain, {key: saved[key] for key, _ in settings_store.KEYS} if saved else None

        for seed in (9, 18):
            with self.subTest(seed=seed):
                with_display, _, _ = script_generator.generate(seed, 200)
                without, _, _ = script_generator.generate(seed, 200, display=False)
                body = [line for line in with_display if not line.startswith("#")]
                self.assertEqual([line for line in body if not script_generator.is_display_line(line)],
                                 [line for line in without if not line.startswith("#")])
                self.assertTrue(any(script_generator.is_display_line(line) for line in body))
                self.assertEqual(play(with_display), play(without))


class ReachOfTheGeneratedScripts(unittest.TestCase):
    """The seeds that CTest compares must reach every road of the play flow, or differences go unseen."""

    def test_generated_scripts_reach_every_behaviour(self):
        seen = collections.Counter()
        hooks = {name: getattr(play_flow.PlayFlow, name) for name in
                 ("play_again", "run_simulation", "report_hit", "scatter", "rotate_placed", "enter_place_mode")}

        def counting(name, original):
            def call(self, *args):
                seen[name] += 1
                return original(self, *args)
            return call

        original_relocate = play_flow.relocate_ship
        original_place_at = play_flow.PlayFlow.place_at
        original_compute_hint = play_flow.compute_hint

        def compute_hint(*args):
            hint = original_compute_hint(*args)
            seen["hint pinned"] += any(hint.pinned)
            return hint

        def place_at(self, column, row):
            original_place_at(self, column, row)
            if self.game.his_fleet[self.selected_ship].cells[0][0] == -1:
                seen["fits nowhere"] += 1

        def relocate(game, index):
            moved = original_relocate(game, index)
            seen["relocated" if moved else "stayed"] += 1
            return moved

        try:
            for name, original in hooks.items():
                setattr(play_flow.PlayFlow, name, counting(name, original))
            play_flow.relocate_ship = relocate
            play_flow.PlayFlow.place_at = place_at
            play_flow.compute_hint = compute_hint
            for seed in SEEDS_IN_CTEST[::3]:
                lines, arguments, settings = script_generator.generate(seed, COMMANDS_IN_CTEST)
                output, _ = run_script("".join(line + "\n" for line in lines), arguments, settings)
                for line in output:
                    seen[line.split(" ")[0]] += 1
                    if line.startswith(("title", "warning", "error")):
                        seen[line] += 1
                    elif line.startswith("bad command "):
                        seen["bad " + line.split(" ")[2]] += 1
        finally:
            for name, original in hooks.items():
                setattr(play_flow.PlayFlow, name, original)
            play_flow.relocate_ship = original_relocate
            play_flow.PlayFlow.place_at = original_place_at
            play_flow.compute_hint = original_compute_hint
        for needed in list(hooks) + ["relocated", "stayed", "fits nowhere", "beep", "bad", "dialog", "end", "focus",
                                     "title Vornmark A", "title Vornmark B", "title Vornmark C",
                                     "title Vornmark D", "title Vornmark ", "ships",
                                     "title Vornmark A (phase A/B)", "title Vornmark B (phase A/B)",
                                     "title Vornmark C (phase GAMMA)", "title Vornmark D (phase DELTA)",
                                     "title Vornmark (Novice)", "bad display", "bad hint", "bad view",
                                     "hint pinned",
                                     "warning \\nCouldn't place 1 shots",
                                     "warning Ambiguity Threshold must be between 1 and 30",
                                     "error Shots per volley must be between 1 and 10",
                                     "error Ship \"His Corvette\" not placed\\nClick on 'File/Place'"]:
            self.assertGreater(seen[needed], 0, needed)


if __name__ == "__main__":
    unittest.main()
