#!/usr/bin/env python3
"""Checks of the reference itself against the worked examples of the game's description."""

import io
import os
import tempfile
import unittest

import compare_runs
import vornmark_reference as ref


def fresh_game(grid=15, level=1, threshold=10, shots=10, seed=1):
    settings = ref.Settings()
    settings.MaxCells = grid
    settings.PlayLevel = level
    settings.AmbiguityThreshold = threshold
    settings.NumberOfShots = shots
    game = ref.Game(settings)
    game.start_up(None, seed)
    return game


def cells_of(board):
    return [(x, y, board.get(x, y)) for y in range(board.height) for x in range(board.width) if board.get(x, y)]


class CapturingLog(ref.TraceLog):
    def __init__(self):
        super().__init__()
        self.messages = []

    def writes_next(self):
        return self.count < ref.TRACE_MESSAGE_CAP

    def trace(self, text):
        if self.writes_next():
            self.messages.append(text)
        self.count += 1

    def tracef(self, fmt, *args):
        self.trace(fmt % args)


class GeneratorAndShips(unittest.TestCase):
    def test_generator_draws_from_state_one_and_wraps_seeds(self):
        lcg = ref.Lcg()
        self.assertEqual([lcg.draw() for _ in range(5)], [41, 18467, 6334, 26500, 19169])
        lcg.seed(2 ** 32 + 1)
        self.assertEqual(lcg.draw(), 41)

    def test_quarter_turns_and_hit_slots(self):
        game = fresh_game()
        submarine, corvette = game.his_fleet[3], game.his_fleet[0]
        submarine.move_to(5, 5)
        submarine.rotate()
        self.assertEqual(submarine.cells[:3], [(5, 5), (6, 4), (7, 3)])
        corvette.move_to(3, 4)
        corvette.rotate()
        self.assertEqual(corvette.cells[:2], [(3, 4), (4, 4)])
        for _ in range(3):
            corvette.rotate()
        self.assertEqual(corvette.cells[:2], [(3, 4), (3, 5)])
        self.assertEqual((corvette.add_hit(2), corvette.add_hit(3)), (1, 2))
        self.assertEqual(corvette.add_hit(4), 3)
        self.assertEqual((corvette.hit_count(), corvette.cells_left(), game.reporter.warnings), (2, 0, 1))

    def test_start_up_names_and_sizes(self):
        game = fresh_game(grid=8)
        self.assertEqual([s.name for s in game.his_fleet],
                         ["His Corvette", "His Destroyer", "His Battleship", "His Submarine"])
        self.assertEqual([s.id for s in game.my_fleet], [1, 2, 3, 4])
        self.assertEqual((game.my_shots.width, game.wk_tots.width, game.ship_tallies[2].height), (8, 15, 8))


class BoardsAndDumps(unittest.TestCase):
    def test_search_cursor_walks_row_major_and_stays_exhausted(self):
        game = fresh_game()
        shots = game.my_shots
        for x, y in ((7, 2), (1, 5), (4, 2), (14, 6)):
            shots.record_shot(3, x, y)
        shots.restart_search(3)
        walked = [shots.next_match() for _ in range(5)]
        self.assertEqual(walked, [(4, 2), (7, 2), (1, 5), (14, 6), None])
        self.assertIsNone(shots.next_match())
        shots.record_shot(3, 4, 2)
        shots.record_shot(4, 15, 0)
        self.assertEqual((game.reporter.warnings, shots.get(4, 2), shots.search_value), (2, 3, 4))

    def test_dump_numbers_and_letters_text_and_message_counts(self):
        game = fresh_game()
        log = CapturingLog()
        board = ref.Board(game.reporter, "Tally")
        board.allocate(3, 2)
        board.put(1, 0, 7)
        board.dump_numbers(log)
        self.assertEqual(log.messages, ["\nTally\n" + ref.NUMBERS_HEADER, "0: .  7  . :0\n", "1: .  .  . :1\n",
                                        ref.NUMBERS_HEADER, "\n"])
        log.messages.clear()
        unnamed = ref.Board(game.reporter)
        unnamed.allocate(2, 1)
        unnamed.put(0, 0, 4)
        other = ref.Board(game.reporter, "MY SHOTS")
        other.allocate(2, 1)
        other.put(1, 0, 12)
        unnamed.dump_letters(log, other)
        self.assertEqual(log.messages, ["\n(null)\n" + ref.LETTERS_HEADER, "0:D  .12 \n", ref.LETTERS_HEADER])

    def test_trace_log_keeps_only_the_first_10001_messages(self):
        log = ref.TraceLog()
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "stats")
            log.open(path)
            for i in range(10500):
                log.tracef("%d\n", i)
            board = fresh_game().tally
            board.dump_numbers(log)
            log.close()
            with open(path, "rb") as f:
                lines = f.read().split(b"\n")
        self.assertEqual(len(lines), 10002)
        self.assertEqual(lines[-2], b"10000")
        self.assertEqual(log.count, 10500 + 18)


class PlacementScan(unittest.TestCase):
    def test_empty_board_counts_and_tallies(self):
        game = fresh_game()
        tally = game.tally
        tally.clear()
        self.assertEqual(game.scan_ship(game.my_shots, None, game.his_fleet[0], tally), 420)
        self.assertEqual((tally.get(0, 0), tally.get(14, 14), tally.get(7, 0), tally.get(0, 9), tally.get(6, 6)),
                         (2, 2, 3, 3, 4))
        self.assertEqual(game.his_fleet[0].tot_matches, 420)
        counts = [game.scan_ship(game.my_shots, None, ship, tally) for ship in game.his_fleet[1:]]
        self.assertEqual(counts, [390, 360, 338])

    def test_hit_record_must_match_the_volleys_under_the_ship(self):
        game = fresh_game(grid=4)
        destroyer = game.his_fleet[1]
        destroyer.add_hit(2)
        shots = game.my_shots
        shots.record_shot(2, 0, 1)
        shots.record_shot(2, 2, 1)
        shots.record_shot(1, 3, 3)
        tally = game.tally
        tally.clear()
        # Fitting: columns 0 and 2 from rows 0 and 1 (one cell of volley 2 each) and row 1 from column 1.
        # Row 1 from column 0 covers both cells of volley 2; column 3 either misses volley 2 or covers volley 1.
        self.assertEqual(game.scan_ship(shots, None, destroyer, tally), 5)
        self.assertEqual([tally.get(x, 1) for x in range(4)], [2, 1, 3, 1])
        self.assertEqual([tally.get(x, 3) for x in range(4)], [1, 0, 1, 0])
        self.assertEqual(destroyer.tot_matches, 5)

    def test_occupancy_blocks_other_ids_only(self):
        game = fresh_game(grid=4)
        corvette = game.his_fleet[0]
        game.his_sea.put(0, 0, 1)
        game.his_sea.put(3, 3, 2)
        tally = game.tally
        tally.clear()
        self.assertEqual(game.scan_ship(game.my_shots, game.his_sea, corvette, tally), 24 - 2)
        self.assertEqual((tally.get(0, 0), tally.get(3, 3)), (2, 0))


class TargetList(unittest.TestCase):
    def list_from(self, game, values, secondaries=None, shot=()):
        tally = game.tally
        tally.clear()
        for (x, y), value in values.items():
            tally.put(x, y, value)
        secondary = None
        if secondaries is not None:
            secondary = game.wk_tots
            secondary.set_size(game.settings.MaxCells, game.settings.MaxCells)
            secondary.clear()
            for (x, y), value in secondaries.items():
                secondary.put(x, y, value)
        for x, y in shot:
            game.my_shots.record_shot(1, x, y)
        return game.target_list(tally, game.my_shots, secondary)

    def test_pool_is_the_leading_run_and_equal_records_keep_collection_order(self):
        game = fresh_game(seed=5)
        probe = ref.Lcg()
        probe.seed(5)
        r = probe.draw()
        chosen = self.list_from(game, {(3, 0): 7, (1, 2): 7, (0, 4): 5}, {(3, 0): 2, (1, 2): 2, (0, 4): 9})
        order = [(1, 2), (3, 0)]  # column by column: (1, 2) is collected first
        self.assertEqual(chosen, order[r % 2])
        self.assertEqual(game.targets[2][:3], (0, 4, 5))
        self.assertEqual(game.targets[3][0], -1)
        self.assertEqual(game.random.state, probe.state)

    def test_higher_secondary_wins_and_a_pool_of_one_still_draws(self):
        game = fresh_game(seed=9)
        chosen = self.list_from(game, {(0, 0): 7, (5, 5): 7}, {(0, 0): 1, (5, 5): 3})
        self.assertEqual(chosen, (5, 5))
        probe = ref.Lcg()
        probe.seed(9)
        probe.draw()
        self.assertEqual(game.random.state, probe.state)

    def test_novice_draws_among_all_and_shot_cells_are_never_listed(self):
        game = fresh_game(level=0, seed=21)
        probe = ref.Lcg()
        probe.seed(21)
        r = probe.draw()
        values = {(0, 0): 1, (2, 0): 9, (4, 4): 5, (6, 1): 3}
        ordered = [(2, 0), (4, 4), (6, 1), (0, 0)]
        chosen = self.list_from(game, values, shot=[(6, 1)])
        ordered.remove((6, 1))
        self.assertEqual(chosen, ordered[r % 3])

    def test_empty_list_draws_nothing_and_sets_only_the_terminator_column(self):
        game = fresh_game(seed=3)
        self.list_from(game, {(4, 6): 2})
        state = game.random.state
        self.assertIsNone(self.list_from(game, {(4, 6): 2}, shot=[(4, 6)]))
        self.assertEqual(game.random.state, state)
        self.assertEqual(game.targets[0], (-1, 6, 2, 0))


class Planner(unittest.TestCase):
    def test_first_volley_on_the_default_grid(self):
        game = fresh_game(seed=77)
        game.new_game(-1)
        game.computer_volley = 2
        self.assertEqual(game.plan_volley(), ref.PHASE_A)
        self.assertEqual(game.possib, [420, 390, 360, 338])
        shots = [(x, y) for x, y, v in cells_of(game.my_shots)]
        self.assertEqual(len(shots), 10)
        # The first shot (recorded before any other) lies on a cell where the Corvette covers 4 placements,
        # with the highest cumulative count among those.
        wk = game.wk_tots
        best = max(wk.get(x, y) for x in range(1, 14) for y in range(1, 14))
        log = CapturingLog()
        replay = fresh_game(seed=77)
        replay.log = log
        replay.new_game(-1)
        replay.computer_volley = 2
        replay.plan_volley()
        fire = [m for m in log.messages if "FIRE" in m]
        self.assertTrue(fire[0].startswith("V2/R1 FIRE A("))
        x, y = map(int, fire[0].split("(")[1].split(")")[0].split(","))
        self.assertEqual(wk.get(x, y), best)
        self.assertTrue(fire[0].endswith("possib=420 "))
        self.assertTrue(all(not f.endswith("possib=420 ") for f in fire[1:]))

    def test_volley_shrinks_with_hits_and_reports_that_fit_nowhere_give_a_shortfall(self):
        game = fresh_game(grid=6, shots=5)
        game.new_game(-1)
        for index, hits in enumerate((1, 2, 1, 2)):
            for _ in range(hits):
                game.his_fleet[index].add_hit(1)
        # Six hits reported in a volley that shot nowhere: no ship fits, every afloat ship is Sub-AT.
        game.computer_volley = 2
        self.assertEqual(game.plan_volley(), ref.PHASE_GAMMA)
        self.assertEqual((game.computer_shots_per_volley, game.possib), (1, [0, 0, 0, 0]))
        self.assertEqual((cells_of(game.my_shots), game.reporter.warnings), ([], 1))

    def test_pinned_ship_blocks_the_others_in_the_next_pass(self):
        game = fresh_game(grid=4, threshold=1)
        game.new_game(-1)
        for y in range(4):
            game.my_shots.record_shot(1, 3, y)
        for _ in range(4):
            game.his_fleet[2].add_hit(1)
        game.his_fleet[0].add_hit(1)
        log = CapturingLog()
        game.log = log
        game.pin_ships()
        # The sunk Battleship fits only column 3; the Corvette had 4 placements across it in the first pass
        # and none once the Battleship is written on "HIS SEA".
        self.assertEqual(game.possib, [0, 10, 1, 4])
        self.assertEqual(cells_of(game.his_sea), [(3, y, 3) for y in range(4)])
        self.assertEqual(log.messages[0], "Ship C can only be at\n")
        self.assertEqual(game.classify_fleet(), ref.PHASE_B)
        game.settings.AmbiguityThreshold = 10
        self.assertEqual(game.classify_fleet(), ref.PHASE_GAMMA)
        game.settings.PlayLevel = 0
        self.assertEqual(game.classify_fleet(), ref.PHASE_NOVICE)


class Simulation(unittest.TestCase):
    def run_tool(self, *args):
        out = io.StringIO()
        ref.run(list(args), out)
        return out.getvalue()

    def test_runs_are_repeatable_and_every_game_sinks_the_fleet(self):
        args = ("--grid", "6", "--shots", "3", "--games", "4", "--seed", "8")
        first = self.run_tool(*args)
        self.assertEqual(first, self.run_tool(*args))
        lines = first.splitlines()
        self.assertEqual(len(lines), 5)
        volleys = [int(line.split()[3]) for line in lines[:4]]
        self.assertTrue(all(int(line.split()[5]) >= 12 for line in lines[:4]))
        self.assertEqual(lines[4], "summary games 4 mean_volleys %.3f min %d max %d"
                         % (sum(volleys) / 4, min(volleys), max(volleys)))

    def test_game_state_after_a_simulation(self):
        game = fresh_game(grid=5, shots=3, seed=4)
        game.run_simulation()
        self.assertEqual(game.play_state, ref.COMPUTER_WON)
        self.assertTrue(all(ship.cells_left() == 0 for ship in game.his_fleet))
        self.assertEqual(sum(1 for *_, v in cells_of(game.his_real_ships)), 12)
        self.assertEqual(max(v for *_, v in cells_of(game.my_shots)), game.computer_volley)
        self.assertEqual(game.reporter.warnings, 0)

    def test_tiny_grids_restart_the_fleet_and_still_place_it(self):
        for seed in range(1, 30):
            game = fresh_game(grid=4, seed=seed)
            game.random_place_fleet(game.his_fleet, game.his_real_ships)
            values = sorted(v for *_, v in cells_of(game.his_real_ships))
            self.assertEqual(values, [1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4])
            for ship in game.his_fleet:
                self.assertTrue(all(game.his_real_ships.get(x, y) == ship.id for x, y in ship.cells[:ship.cell_count]))

    def test_fleet_placement_draws_anchor_then_turn(self):
        game = fresh_game(seed=123)
        probe = ref.Lcg()
        probe.seed(123)
        x, y, turn = probe.draw() % 15, probe.draw() % 15, probe.draw()
        game.random_place_fleet(game.my_fleet, game.my_sea)
        corvette = game.my_fleet[0]
        self.assertEqual(corvette.cells[0], (x, y))
        if 0 < x < 14 and 0 < y < 14:
            self.assertEqual(corvette.cells[1], (x + 1, y) if turn % 2 else (x, y + 1))

    def test_shortfall_is_traced_and_counted(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "trace")
            out = self.run_tool("--grid", "5", "--shots", "10", "--threshold", "5", "--games", "9", "--seed", "3",
                                "--trace", path)
            with open(path, "rb") as f:
                text = f.read()
        self.assertIn("game 9 volleys 7 shots 20 warnings 1", out)
        self.assertEqual(text.count(b"\nCouldn't place "), 1)


class ComparisonReport(unittest.TestCase):
    def test_first_differing_line_of_both_sides(self):
        self.assertIsNone(compare_runs.first_difference(b"a\nb\n", b"a\nb\n"))
        self.assertEqual(compare_runs.first_difference(b"a\nb\nc", b"a\nB\nc"), (2, b"b", b"B"))
        self.assertEqual(compare_runs.first_difference(b"a\nb", b"a\nb\nc"), (3, b"<end of file>", b"c"))
        self.assertEqual(compare_runs.first_difference(b"a\n", b"a"), (2, b"", b"<end of file>"))


if __name__ == "__main__":
    unittest.main()
