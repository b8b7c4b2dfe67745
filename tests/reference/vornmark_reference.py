#!/usr/bin/env python3
"""Independent reference of the opponent and of the batch simulation tool.

Written from the game's own description alone, to be compared byte for byte with the C++ program: the
boards and their dumps, the ships, the shared random generator, new games and random fleet placement, the
placement scan, the target list, the volley planner with its phases, automatic hit reports and the
simulation loop.  Standard library only.
"""

import argparse
import sys
import time

GRID_STORAGE = 30 * 30
TARGET_RECORDS = GRID_STORAGE + 1
TRACE_MESSAGE_CAP = 10001

# Fleet index -> (name suffix, cell count, id, shape offsets).
SHIP_TYPES = (
    ("Corvette", 2, 1, ((0, 0), (0, 1))),
    ("Destroyer", 3, 2, ((0, 0), (0, 1), (0, 2))),
    ("Battleship", 4, 3, ((0, 0), (0, 1), (0, 2), (0, 3))),
    ("Submarine", 3, 4, ((0, 0), (1, 1), (2, 2))),
)
# Start-up describes the ships in this order of fleet indices.
DESCRIBE_ORDER = (2, 0, 1, 3)

PHASE_A, PHASE_B, PHASE_GAMMA, PHASE_DELTA, PHASE_NOVICE = range(5)
IDLE, COMPUTER_VOLLEY_SHOWN, PLAYER_AIMING, PLAYER_VOLLEY_SHOWN, COMPUTER_WON = range(5)
NOVICE = 0

NUMBERS_HEADER = "   0  1  2  3  4  5  6  7  8  9\n"
LETTERS_HEADER = "  0  1  2  3  4  5  6  7  8  9\n"


def ship_letter(index):
    return chr(ord("A") + index)


class Lcg:
    """The shared generator: state 1 at start, draws return bits 16..30 of the new state."""

    def __init__(self):
        self.state = 1

    def seed(self, value):
        self.state = value & 0xFFFFFFFF

    def draw(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF


class TraceLog:
    """Writes the first 10,001 messages of the run; every call counts, written or not."""

    def __init__(self):
        self.file = None
        self.count = 0

    def open(self, path):
        self.file = open(path, "wb")

    def close(self):
        if self.file is not None:
            self.file.close()
            self.file = None

    def writes_next(self):
        return self.file is not None and self.count < TRACE_MESSAGE_CAP

    def trace(self, text):
        if self.writes_next():
            self.file.write(text.encode("latin-1"))
        self.count += 1

    def tracef(self, fmt, *args):
        # Formats only when the message will be written.
        if self.writes_next():
            self.file.write((fmt % args).encode("latin-1"))
        self.count += 1

    def skip(self, messages):
        self.count += messages


class Reporter:
    """Message boxes of a headless run: every warning box is answered OK, counted and printed on stderr."""

    def __init__(self, log):
        self.log = log
        self.warnings = 0

    def warning_box(self, text):
        self.warnings += 1
        sys.stderr.write("warning: %s\n" % text)

    def bounds_error(self, text):
        sys.stderr.write("error: %s\n" % text)


class Board:
    def __init__(self, reporter, name=None):
        self.reporter = reporter
        self.name = name
        self.cells = []
        self.width = 0
        self.height = 0
        self.search_value = 0
        self.search_column = -1
        self.search_row = 0

    def display_name(self):
        return "(null)" if self.name is None else self.name

    def allocate(self, width, height):
        self.width = width
        self.height = height
        self.cells = [0] * (width * height)

    def set_size(self, width, height):
        self.width = width
        self.height = height

    def in_bounds(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        if not self.in_bounds(x, y):
            self.reporter.bounds_error("\nError accessing %s at %d,%d\n" % (self.display_name(), x, y))
            return 0
        return self.cells[x + y * self.width]

    def put(self, x, y, value):
        if not self.in_bounds(x, y):
            self.reporter.bounds_error("\nError accessing %s at %d,%d\n" % (self.display_name(), x, y))
            return
        self.cells[x + y * self.width] = value

    def size(self):
        return self.width * self.height

    def clear(self):
        n = self.size()
        self.cells[:n] = [0] * n

    def add(self, other):
        n = self.size()
        mine = self.cells
        theirs = other.cells
        for i in range(n):
            if theirs[i]:
                mine[i] += theirs[i]

    def clear_under(self, mask):
        cleared = 0
        mine = self.cells
        under = mask.cells
        for i in range(self.size()):
            if under[i]:
                if mine[i] > 0:
                    cleared += 1
                mine[i] = 0
        return cleared

    def restart_search(self, value):
        self.search_value = value
        self.search_column = 0
        self.search_row = 0

    def next_match(self):
        """Returns (x, y) of the next cell holding the search value, or None when exhausted."""
        if self.search_row >= self.height:
            return None
        x = self.search_column
        y = self.search_row
        while y < self.height:
            while x < self.width:
                if self.cells[x + y * self.width] == self.search_value:
                    self.search_column = x + 1
                    self.search_row = y
                    return (x, y)
                x += 1
            x = 0
            y += 1
        self.search_row = self.height
        self.search_column = 0
        return None

    def record_shot(self, volley, x, y):
        if volley != self.search_value:
            self.restart_search(volley)
        if not self.in_bounds(x, y):
            self.reporter.warning_box("Error volley out of bounds %s at %d,%d" % (self.display_name(), x, y))
        elif self.cells[x + y * self.width] != 0:
            self.reporter.warning_box("Error firing twice at %s %d,%d" % (self.display_name(), x, y))
        else:
            self.cells[x + y * self.width] = volley

    def dump_numbers(self, log):
        if not log.writes_next():
            log.skip(self.height + 3)
            return
        log.trace("\n%s\n" % self.display_name() + NUMBERS_HEADER)
        w = self.width
        for y in range(self.height):
            row = self.cells[y * w:(y + 1) * w]
            log.trace("%1d:" % y + "".join("%2d " % v if v else " . " for v in row) + ":%d\n" % y)
        log.trace(NUMBERS_HEADER)
        log.trace("\n")

    def dump_letters(self, log, other):
        if not log.writes_next():
            log.skip(self.height + 2)
            return
        log.trace("\n%s\n" % self.display_name() + LETTERS_HEADER)
        w = self.width
        for y in range(self.height):
            parts = ["%d:" % y]
            for x in range(w):
                v = self.cells[x + y * w]
                parts.append("%c" % chr(ord("A") + v - 1) if v else ".")
                o = other.cells[x + y * w]
                parts.append("%d " % o if o else "  ")
            parts.append("\n")
            log.trace("".join(parts))
        log.trace(LETTERS_HEADER)


class Ship:
    def __init__(self, reporter):
        self.reporter = reporter
        self.shape = [(0, 0)] * 15
        self.cell_count = 0
        self.name = None
        self.cells = [(-1, -1)] * 15
        self.hits = [0] * 15
        self.id = 0
        self.tot_matches = 0

    def describe(self, name, cell_count, ship_id, offsets):
        self.unplace()
        self.shape = [(0, 0)] * 15
        self.name = name
        self.cell_count = cell_count
        self.id = ship_id
        self.shape[:cell_count] = list(offsets)

    def unplace(self):
        self.cells = [(-1, -1)] * 15
        self.hits = [0] * 15

    def move_to(self, x, y):
        for i in range(self.cell_count):
            dx, dy = self.shape[i]
            self.cells[i] = (x + dx, y + dy)
        return True

    def rotate(self):
        x0, y0 = self.cells[0]
        for i in range(1, self.cell_count):
            x, y = self.cells[i]
            self.cells[i] = (x0 + (y - y0), y0 - (x - x0))

    def add_hit(self, volley):
        for slot in range(self.cell_count):
            if self.hits[slot] == 0:
                self.hits[slot] = volley
                return slot + 1
        self.reporter.warning_box("Error: more hits than cells %s" % self.name)
        return self.cell_count + 1

    def hit_count(self):
        count = 0
        while count < self.cell_count and self.hits[count] != 0:
            count += 1
        return count

    def cells_left(self):
        return self.cell_count - self.hit_count()


def place_ship(board, ship):
    for i in range(ship.cell_count):
        x, y = ship.cells[i]
        if not board.in_bounds(x, y) or board.get(x, y) != 0:
            return False
    for i in range(ship.cell_count):
        x, y = ship.cells[i]
        board.put(x, y, ship.id)
    return True


def remove_ship(board, ship):
    if ship.cells[0][0] == -1:
        return
    for i in range(ship.cell_count):
        x, y = ship.cells[i]
        board.put(x, y, 0)


class Settings:
    def __init__(self):
        self.NumberOfShots = 10
        self.AmbiguityThreshold = 10
        self.AutomaticMode = 1
        self.PauseVornmark = 1
        self.PausePlayer = 1
        self.DefenseMode = 0
        self.MaxCells = 15
        self.PlayLevel = 1


class Game:
    """The whole program state of one run: settings, generator, fleets, boards, counters, trace log."""

    def __init__(self, settings):
        self.settings = settings
        self.log = TraceLog()
        self.reporter = Reporter(self.log)
        self.random = Lcg()
        self.my_fleet = [Ship(self.reporter) for _ in range(4)]
        self.his_fleet = [Ship(self.reporter) for _ in range(4)]
        r = self.reporter
        self.my_sea = Board(r, "MY SEA")
        self.my_shots = Board(r, "MY SHOTS")
        self.his_sea = Board(r, "HIS SEA")
        self.his_shots = Board(r, "HIS SHOTS")
        self.his_real_ships = Board(r, "HIS REAL SHIPS")
        self.tally = Board(r, "Tally")
        self.wk_tots = Board(r, "WK_TOTS")
        self.ship_tallies = [Board(r) for _ in range(4)]
        self.possib = [0, 0, 0, 0]
        self.targets = [(0, 0, 0, 0)] * TARGET_RECORDS
        self.play_state = IDLE
        self.player_volley = 0
        self.computer_volley = 0
        self.next_shot = 0
        self.player_shots_per_volley = 0
        self.computer_shots_per_volley = 0
        self.simulation_mode = 0
        self.placements_cache = {}

    # ---- start-up and new game ----

    def start_up(self, trace_path, seed):
        s = self.settings
        for index in DESCRIBE_ORDER:
            suffix, count, ship_id, shape = SHIP_TYPES[index]
            self.my_fleet[index].describe("My " + suffix, count, ship_id, shape)
        for index in DESCRIBE_ORDER:
            suffix, count, ship_id, shape = SHIP_TYPES[index]
            self.his_fleet[index].describe("His " + suffix, count, ship_id, shape)
        for board in (self.tally, self.his_sea, self.his_real_ships, self.his_shots, self.my_shots, self.my_sea,
                      self.wk_tots):
            board.allocate(30, 30)
        for board in (self.tally, self.his_sea, self.his_real_ships, self.his_shots, self.my_shots, self.my_sea):
            board.set_size(s.MaxCells, s.MaxCells)
        self.wk_tots.set_size(15, 15)
        if trace_path is not None:
            self.log.open(trace_path)
        if seed is None:
            self.random.seed(time.monotonic_ns())
        else:
            self.random.seed(seed)
        for board in self.ship_tallies:
            board.allocate(30, 30)
            board.set_size(s.MaxCells, s.MaxCells)

    def new_game(self, counter):
        for board in (self.my_sea, self.my_shots, self.his_sea, self.his_shots):
            board.clear()
        self.computer_volley = 1
        self.player_volley = 1
        self.next_shot = 1
        self.computer_shots_per_volley = self.settings.NumberOfShots
        self.player_shots_per_volley = self.settings.NumberOfShots
        for ship in self.his_fleet:
            ship.unplace()
        self.random_place_fleet(self.my_fleet, self.my_sea)
        return counter + 1

    def random_place_fleet(self, fleet, board):
        size = self.settings.MaxCells
        draw = self.random.draw
        for ship in fleet:
            ship.unplace()
        index = 0
        while index < 4:
            ship = fleet[index]
            anchors = 0
            placed = False
            while not placed and anchors < 100:
                x = draw() % size
                y = draw() % size
                ship.move_to(x, y)
                if draw() % 2 == 1:
                    ship.rotate()
                for _ in range(4):
                    if place_ship(board, ship):
                        placed = True
                        break
                    ship.rotate()
                anchors += 1
            if placed:
                index += 1
                continue
            # No room left for this ship: lift the fleet off and start over from the Corvette.
            for earlier in fleet[:index]:
                remove_ship(board, earlier)
            for each in fleet:
                each.unplace()
            index = 0

    # ---- placement scan ----

    def placements(self, ship, width, height):
        """Placed cells (as storage indices) of every in-bounds placement, in scan order."""
        shape = tuple(ship.shape[:ship.cell_count])
        key = (shape, width, height)
        found = self.placements_cache.get(key)
        if found is None:
            found = []
            turned = tuple((dy, -dx) for dx, dy in shape)
            for x in range(width):
                for y in range(height):
                    for offsets in (shape, turned):
                        cells = [(x + dx, y + dy) for dx, dy in offsets]
                        if all(0 <= cx < width and 0 <= cy < height for cx, cy in cells):
                            found.append(tuple(cx + cy * width for cx, cy in cells))
            self.placements_cache[key] = found
        return found

    def scan_ship(self, shots, occupancy, ship, tally):
        width, height = shots.width, shots.height
        wanted = sorted(ship.hits[:ship.cell_count])
        unhit = not any(wanted)
        own = ship.id
        shot = shots.cells
        occupied = occupancy.cells if occupancy is not None else None
        counts = tally.cells
        count = 0
        for cells in self.placements(ship, width, height):
            if occupied is not None:
                blocked = False
                for c in cells:
                    v = occupied[c]
                    if v and v != own:
                        blocked = True
                        break
                if blocked:
                    continue
            if unhit:
                fits = True
                for c in cells:
                    if shot[c]:
                        fits = False
                        break
                if not fits:
                    continue
            elif sorted([shot[c] for c in cells]) != wanted:
                continue
            for c in cells:
                counts[c] += 1
            count += 1
        # The scan leaves the ship in the last orientation it tried: a half turn on the last anchor.
        ship.move_to(width - 1, height - 1)
        ship.rotate()
        ship.rotate()
        ship.tot_matches = count
        return count

    # ---- target list ----

    def target_list(self, tally, shots, secondary):
        """Returns (x, y) of the chosen cell or None; the shared record array holds the whole list."""
        w, h = tally.width, tally.height
        t = tally.cells
        sh = shots.cells
        sw = shots.width
        sec = secondary.cells if secondary is not None else None
        records = []
        for x in range(w):
            for y in range(h):
                value = t[x + y * w]
                if value != 0 and sh[x + y * sw] == 0:
                    records.append((x, y, value, sec[x + y * secondary.width] if sec is not None else 0))
        n = len(records)
        records.sort(key=lambda r: (-r[2], -r[3]))
        if n > 0:
            if self.settings.PlayLevel == NOVICE:
                pool = n
            else:
                pool = 1
                for i in range(1, n):
                    if records[i][2] < records[i - 1][2] or records[i][3] < records[i - 1][3]:
                        break
                    pool += 1
            k = self.random.draw() % pool
            records[0], records[k] = records[k], records[0]
        self.targets[:n] = records
        old = self.targets[n]
        self.targets[n] = (-1, old[1], old[2], old[3])
        if n == 0:
            return None
        return records[0][0], records[0][1]

    # ---- volley planner ----

    def afloat(self, i):
        return self.his_fleet[i].cells_left() > 0

    def classify_fleet(self):
        s = self.settings
        if s.PlayLevel == NOVICE:
            return PHASE_NOVICE
        ambiguous = others = 0
        for i in range(4):
            if self.possib[i] != 1 and self.afloat(i):
                if self.possib[i] > s.AmbiguityThreshold:
                    ambiguous += 1
                else:
                    others += 1
        if ambiguous > 0:
            return PHASE_B if others > 0 else PHASE_A
        return PHASE_GAMMA if others > 0 else PHASE_DELTA

    def fire(self, x, y):
        self.my_shots.record_shot(self.computer_volley, x, y)

    def plan_volley(self):
        s = self.settings
        log = self.log
        self.wk_tots.set_size(s.MaxCells, s.MaxCells)
        self.wk_tots.clear()
        shots = s.NumberOfShots - sum(ship.hit_count() for ship in self.his_fleet)
        if shots < 1:
            shots = 1
        self.computer_shots_per_volley = shots
        log.tracef("\n====== Volley %d, Shots: %d =======\n", self.computer_volley, shots)
        log.trace("His ships / my shots")
        self.his_real_ships.dump_letters(log, self.my_shots)
        self.his_sea.clear()
        self.possib = [0, 0, 0, 0]
        self.pin_ships()
        for i in range(4):
            if self.afloat(i):
                self.wk_tots.add(self.ship_tallies[i])
        log.trace("Cumulative probabilities")
        self.wk_tots.dump_numbers(log)
        phase = self.classify_fleet()
        log.tracef("\nPossib (A)%-3d  (B)%-3d  (C)%-3d  (D)%-3d\n", *self.possib)
        fired = 0
        if phase in (PHASE_A, PHASE_B):
            fired = self.ab_phase(shots)
        elif phase == PHASE_GAMMA:
            fired = self.gamma_fire(0)
        elif phase == PHASE_NOVICE:
            fired = self.novice_fire(shots)
        if fired < shots:
            fired = self.delta_phase(fired, shots)
            if fired < shots:
                text = "\nCouldn't place %d shots" % (shots - fired)
                log.trace(text)
                self.reporter.warning_box(text)
        return phase

    def pin_ships(self):
        log = self.log
        pinned = True
        while pinned:
            pinned = False
            for i in range(4):
                if self.possib[i] == 1:
                    continue
                ship = self.his_fleet[i]
                tally = self.ship_tallies[i]
                tally.clear()
                self.possib[i] = self.scan_ship(self.my_shots, self.his_sea, ship, tally)
                if self.possib[i] == 1:
                    pinned = True
                    log.tracef("Ship %c can only be at\n", ship_letter(i))
                    tally.restart_search(1)
                    while True:
                        cell = tally.next_match()
                        if cell is None:
                            break
                        self.his_sea.put(cell[0], cell[1], ship.id)
                    tally.dump_numbers(log)

    def ab_phase(self, shots):
        log = self.log
        threshold = self.settings.AmbiguityThreshold
        fired = 0
        log.trace("A/B phase \n")
        while True:
            self.tally.clear()
            ghost = -1
            for i in range(4):
                total = self.his_fleet[i].tot_matches
                if self.afloat(i) and total > 0 and (ghost < 0 or total > self.his_fleet[ghost].tot_matches):
                    ghost = i
            count = self.scan_ship(self.my_shots, self.his_sea, self.his_fleet[ghost], self.tally)
            log.tracef("A/B for ghost ship %c, before filter\n", ship_letter(ghost))
            self.tally.dump_numbers(log)
            for i in range(4):
                if self.possib[i] > threshold:
                    continue
                log.tracef("Filter for Sub-AT ship %c", ship_letter(i))
                self.ship_tallies[i].dump_numbers(log)
                if self.tally.clear_under(self.ship_tallies[i]) > 0:
                    log.tracef("A/B for ghost ship, after filtering ship %c\n", ship_letter(i))
                    self.tally.dump_numbers(log)
                else:
                    log.tracef("Ship %c filtered nothing", ship_letter(i))
            if count > 0:
                cell = self.target_list(self.tally, self.my_shots, self.wk_tots)
                if cell is None:
                    return fired
                self.fire(*cell)
                fired += 1
                log.tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", self.computer_volley, fired, ship_letter(ghost),
                           cell[0], cell[1], count)
            if fired >= shots or count <= 0:
                return fired

    def novice_fire(self, shots):
        fired = 0
        while fired < shots:
            cell = self.target_list(self.wk_tots, self.my_shots, None)
            if cell is None:
                break
            self.fire(*cell)
            fired += 1
            self.log.tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", self.computer_volley, fired, "A", cell[0], cell[1],
                            0)
        return fired

    def delta_phase(self, fired, shots):
        log = self.log
        while fired < shots:
            self.tally.clear()
            self.his_sea.clear()
            total = 0
            for i in range(4):
                if self.afloat(i):
                    total += self.scan_ship(self.my_shots, self.his_sea, self.his_fleet[i], self.tally)
            log.trace("DELTA phase, going after everything")
            self.tally.dump_numbers(log)
            if total == 0:
                break
            cell = self.target_list(self.tally, self.my_shots, None)
            if cell is None:
                break
            self.fire(*cell)
            fired += 1
            log.tracef("DELTA firing at (%d,%d)", cell[0], cell[1])
        return fired

    def gamma_fire(self, fired):
        log = self.log
        self.tally.clear()
        for i in range(4):
            if self.afloat(i):
                self.tally.add(self.ship_tallies[i])
                log.tracef("CERTAIN_TALLY[%c]", ship_letter(i))
                self.ship_tallies[i].dump_numbers(log)
            else:
                log.tracef("Ship %c sunk", ship_letter(i))
        width = self.tally.width
        while fired < self.computer_shots_per_volley:
            log.trace("TALLY before stripping\n")
            self.tally.dump_numbers(log)
            cell = self.target_list(self.tally, self.my_shots, None)
            if cell is None:
                break
            c, r = cell
            self.fire(c, r)
            fired += 1
            log.tracef("V%d/R%d GAMMA fire @(%d,%d) ", self.computer_volley, fired, c, r)
            for i in range(4):
                region = self.ship_tallies[i]
                if region.cells[c + r * width] != 0 and self.afloat(i):
                    self.tally.clear_under(region)
                    log.tracef("TALLY after stripping ship %c", ship_letter(i))
                    self.tally.dump_numbers(log)
                else:
                    log.tracef("Ship %c not affected", ship_letter(i))
        log.tracef("V%d  Tot shots taken: %d\n", self.computer_volley, fired)
        return fired

    # ---- hit reports and the simulation loop ----

    def take_real_hits(self):
        self.my_shots.restart_search(self.computer_volley)
        while True:
            cell = self.my_shots.next_match()
            if cell is None:
                break
            ship_id = self.his_real_ships.get(cell[0], cell[1])
            if ship_id != 0:
                self.his_fleet[ship_id - 1].add_hit(self.computer_volley)

    def check_computer_won(self):
        if sum(ship.cells_left() for ship in self.his_fleet) == 0:
            self.play_state = COMPUTER_WON

    def start_player_turn(self):
        self.play_state = PLAYER_AIMING
        self.player_volley += 1
        self.next_shot = 1

    def start_computer_turn(self):
        s = self.settings
        self.play_state = COMPUTER_VOLLEY_SHOWN
        self.computer_volley += 1
        self.plan_volley()
        if s.AutomaticMode:
            self.take_real_hits()
            self.check_computer_won()
        self.next_shot = 1
        if not s.PauseVornmark and self.play_state != COMPUTER_WON:
            self.start_player_turn()

    def run_simulation(self):
        self.new_game(-1)
        self.simulation_mode = 1
        self.his_real_ships.clear()
        self.random_place_fleet(self.his_fleet, self.his_real_ships)
        while True:
            self.start_computer_turn()
            if not self.settings.AutomaticMode:
                self.take_real_hits()
                self.check_computer_won()
            if self.play_state == COMPUTER_WON:
                break

    def shots_fired(self):
        n = self.my_shots.size()
        return sum(1 for v in self.my_shots.cells[:n] if v != 0)


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Batch simulation games of the opponent (reference).")
    parser.add_argument("--grid", type=int, default=15)
    parser.add_argument("--shots", type=int, default=10)
    parser.add_argument("--threshold", type=int, default=10)
    parser.add_argument("--level", type=int, default=1)
    parser.add_argument("--automatic", type=int, default=1, choices=(0, 1))
    parser.add_argument("--pause-vornmark", type=int, default=1, choices=(0, 1))
    parser.add_argument("--games", type=int, default=1)
    parser.add_argument("--seed", type=int)
    parser.add_argument("--trace")
    options = parser.parse_args(argv)
    if options.games < 1:
        parser.error("--games must be at least 1")
    return options


def run(argv, out):
    options = parse_arguments(argv)
    settings = Settings()
    settings.MaxCells = options.grid
    settings.NumberOfShots = options.shots
    settings.AmbiguityThreshold = options.threshold
    settings.PlayLevel = options.level
    settings.AutomaticMode = options.automatic
    settings.PauseVornmark = options.pause_vornmark
    game = Game(settings)
    game.start_up(options.trace, options.seed)
    volleys = []
    for number in range(1, options.games + 1):
        warnings_before = game.reporter.warnings
        game.run_simulation()
        volleys.append(game.computer_volley - 1)
        out.write("game %d volleys %d shots %d warnings %d\n"
                  % (number, volleys[-1], game.shots_fired(), game.reporter.warnings - warnings_before))
    out.write("summary games %d mean_volleys %.3f min %d max %d\n"
              % (len(volleys), sum(volleys) / len(volleys), min(volleys), max(volleys)))
    game.log.close()


if __name__ == "__main__":
    run(sys.argv[1:], sys.stdout)
