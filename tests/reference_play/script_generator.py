#!/usr/bin/env python3
"""Seeded generator of driver scripts that play real games.

The generator runs the reference driver alongside, so each command is chosen for the state the game is
in: fleets are laid and scattered, volleys are aimed (some shots on the computer's ships, so games end and
the Advanced level relocates), Manual reports follow an imagined fleet, and queries, dialogs, raw pixels and
malformed lines are mixed in.  The same seed always gives the same script.

The display lines (display switches, hint and view queries, a settings file with the display keys) come
from a generator of their own and do not count among the commands: without them (--without-display) a seed
gives exactly the script it gave before the display existed.

Usage: script_generator.py SEED [COMMANDS] [--without-display]
       (prints the script; the first line holds its arguments)
"""

import io
import os
import random
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cli_reference  # noqa: E402
import play_flow as pf  # noqa: E402
import settings_store  # noqa: E402

BOARD_NAMES = ("MY SEA", "MY SHOTS", "HIS SEA", "HIS SHOTS", "HIS REAL SHIPS")
EDIT_TEXTS_IN_RANGE = ("1", "3", "5", "10", "+7", "007")
EDIT_TEXTS_OUT_OF_RANGE = ("0", "11", "31", "", "abc", "-3", "4294967295", "4294967296", "+", "2x")
MALFORMED = (
    "press 1", "press grid 1", "press grid a 2", "press panel 4 0", "press panel -1 0", "press status now",
    "rpress", "press 1.5 2", "press +3 4", "press 3 4 5", "options mode", "options mode=sideways",
    "options colour=red", "options level=Advanced", "pacing player=2", "pacing player=1 speed=1", "pacing player",
    "board my sea", "board", "board MY  SEA", "fleet", "fleet ours", "fleet my his", "state now", "title x",
    "legend 1", "status 2", "new game", "release 1", "place here", "simulate 2", "fire 3 4", "STATE",
    "key", "key 5", "key space", "key Space Space", "key Enter", "focus grid",
)
MOVING_KEYS = ("Left", "Right", "Up", "Down", "Home", "End", "Tab", "Backtab")
PRESSING_KEYS = ("Space", "Return", "R", "1", "2", "3", "4")
DISPLAY_WORDS = ("hint", "view")
DISPLAY_MALFORMED = (
    "display hint=2", "display hint", "display view=on", "display colour=1", "display hint=1 view",
    "display Hint=1", "hint 1", "hint now", "view ships", "view view",
)
# A display key in the settings file: absent, off, on, or a non-zero value read as on.
DISPLAY_SETTING_VALUES = (None, None, None, 0, 1, 1, 7)
# Settings files for a few seeds: other grid sizes, levels and paces.
SETTINGS_VARIANTS = (
    None, None, None, None, None,
    {"MaxCells": 8, "NumberOfShots": 3, "PlayLevel": 2},
    {"MaxCells": 6, "NumberOfShots": 4, "AmbiguityThreshold": 3, "PlayLevel": 2},
    {"MaxCells": 4, "NumberOfShots": 2, "PausePlayer": 0},
    {"MaxCells": 30, "NumberOfShots": 10, "PlayLevel": 0, "PauseVornmark": 0},
    {"MaxCells": 10, "AutomaticMode": 0, "PauseVornmark": 2, "AmbiguityThreshold": 40},
)


class Recorder:
    """Runs the reference driver as commands are chosen."""

    def __init__(self, arguments, config_home):
        self.lines = []
        self.ended = False
        self.driver = cli_reference.Driver(arguments, io.StringIO(), {"XDG_CONFIG_HOME": config_home})

    def emit(self, line):
        if self.ended:
            return
        self.lines.append(line)
        try:
            self.driver.execute(line[:-1] if line.endswith("\r") else line)
        except cli_reference.ProgramEnd:
            self.ended = True


class ScriptWriter:
    def __init__(self, seed, commands, display=True):
        self.rng = random.Random(seed)
        self.commands = commands
        rng = self.rng
        self.display = display
        self.display_rng = random.Random("display %d" % seed)
        self.display_lines = 0
        self.cancel_warnings = seed % 9 == 4
        self.settings = SETTINGS_VARIANTS[seed % len(SETTINGS_VARIANTS)] if seed >= 10 else None
        if display:
            self.settings = self.with_display_settings(self.settings)
        self.arguments = ["-D3"] + (["--cancel-warnings"] if self.cancel_warnings else [])
        self.temp = tempfile.TemporaryDirectory()
        if self.settings:
            write_settings_file(os.path.join(self.temp.name, "vornmark"), self.settings)
        self.out = Recorder(self.arguments, self.temp.name)
        self.cheat = rng.choice((0.1, 0.3, 0.5, 0.8))
        self.honesty = rng.choice((0.6, 0.9, 1.0))
        self.imagined = {}

    # ---- views of the reference's state ----

    @property
    def flow(self):
        return self.out.driver.flow

    @property
    def game(self):
        return self.out.driver.game

    @property
    def size(self):
        return self.game.settings.MaxCells

    def cells_holding(self, board, wanted):
        n = self.size
        return [(x, y) for y in range(n) for x in range(n) if wanted(board.cells[x + y * board.width])]

    def random_cell(self):
        return self.rng.randrange(self.size), self.rng.randrange(self.size)

    # ---- the script ----

    def generate(self):
        rng = self.rng
        emit = self.out.emit
        if rng.random() < 0.6:
            # Short volleys make short games: more of them end within the script.
            emit("options shots=%d level=%s" % (rng.randrange(1, 6), rng.choice(("novice", "intermediate",
                                                                                 "advanced", "advanced"))))
        if rng.random() < 0.3:
            self.pacing()
        if rng.random() < 0.35:
            emit("options mode=manual starts=%s" % rng.choice(("you", "computer")))
            emit("new")
        while len(self.out.lines) - self.display_lines < self.commands and not self.out.ended:
            if self.display:
                self.display_line()
            roll = rng.random()
            if roll < 0.12:
                emit("state")
            elif roll < 0.18:
                emit(rng.choice(("legend", "status", "title")))
            elif roll < 0.21:
                emit("board " + rng.choice(BOARD_NAMES))
            elif roll < 0.23:
                emit("fleet " + rng.choice(("my", "his")))
            elif roll < 0.235:
                self.options()
            elif roll < 0.24:
                self.pacing()
            elif roll < 0.245:
                emit(rng.choice(MALFORMED))
            elif roll < 0.25:
                self.odd_spacing()
            elif roll < 0.26:
                self.raw_press()
            elif roll < 0.263:
                emit(rng.choice(("new", "place", "simulate" if rng.random() < 0.5 else "new")))
            elif roll < 0.33:
                self.keys()
            else:
                self.play()
        if not self.out.ended and rng.random() < 0.3:
            # Offense reseeds from the clock: only the state is looked at afterwards.
            emit("options mode=offense")
            emit("state")
        if not self.out.ended and rng.random() < 0.5:
            emit("exit")
        return self.header() + self.out.lines

    # ---- the display lines, drawn from their own generator ----

    def with_display_settings(self, settings):
        values = dict(settings or {})
        for key in ("Hint", "VornmarkView"):
            value = self.display_rng.choice(DISPLAY_SETTING_VALUES)
            if value is not None:
                values[key] = value
        return values or None

    def display_line(self):
        """Now and then a display switch, a hint or view query (the view mostly while the computer's volley
        is shown, the hint mostly while it is on) or a malformed display line."""
        rng = self.display_rng
        roll = rng.random()
        settings = self.game.settings
        before = len(self.out.lines)
        if roll < 0.012:
            words = [w for w in DISPLAY_WORDS if rng.random() < 0.6]
            rng.shuffle(words)
            # The hint is switched on more often than off.
            values = {"hint": rng.random() < 0.7, "view": rng.random() < 0.5}
            self.out.emit(" ".join(["display"] + ["%s=%d" % (w, values[w]) for w in words]))
        elif roll < 0.035:
            if settings.Hint or rng.random() < 0.1:
                self.out.emit("hint")
        elif roll < 0.045 or (roll < 0.1 and self.flow.state == pf.COMPUTER_VOLLEY_SHOWN):
            self.out.emit("view")
        elif roll < 0.047:
            self.out.emit(rng.choice(DISPLAY_MALFORMED))
        self.display_lines += len(self.out.lines) - before

    def header(self):
        lines = ["# args: " + " ".join(self.arguments)]
        if self.settings:
            lines.append("# settings: " + " ".join("%s=%d" % kv for kv in sorted(self.settings.items())))
        return lines

    def play(self):
        state = self.flow.state
        if state == pf.IDLE:
            self.idle()
        elif state == pf.PLACING:
            self.placing()
        elif state == pf.PLAYER_AIMING:
            self.aiming()
        elif state == pf.PLAYER_VOLLEY_SHOWN:
            self.press_mostly_status(0.85)
        elif state == pf.COMPUTER_VOLLEY_SHOWN:
            self.computer_volley_shown()
        else:
            self.game_over()

    def idle(self):
        rng = self.rng
        roll = rng.random()
        if roll < 0.6:
            self.out.emit("place")
        elif roll < 0.7:
            self.out.emit("new")
        elif roll < 0.8:
            self.out.emit("options mode=manual starts=%s" % rng.choice(("you", "computer")))
        elif roll < 0.85:
            self.out.emit("simulate")
        else:
            self.any_press()

    def placing(self):
        rng = self.rng
        emit = self.out.emit
        unplaced = [i for i, ship in enumerate(self.game.his_fleet) if ship.cells[0][0] == -1]
        roll = rng.random()
        if unplaced and roll < 0.6:
            k = rng.choice(unplaced)
            if k != self.flow.selected_ship or rng.random() < 0.2:
                emit("press panel %d %d" % (k, rng.randrange(4 if k < 3 else 3)))
            emit("press grid %d %d" % self.random_cell())
        elif roll < 0.7:
            self.rotate_a_ship()
        elif roll < 0.78:
            emit("press status")
        elif roll < 0.85:
            emit("press grid %d %d" % self.random_cell())
        elif roll < 0.9:
            emit("rpress grid %d %d" % self.random_cell())
        elif roll < 0.92:
            self.block_a_corner()
        elif not unplaced or roll < 0.95:
            emit("new")
        else:
            self.any_press()

    def rotate_a_ship(self):
        occupied = self.cells_holding(self.game.his_real_ships, lambda v: v != 0)
        if occupied:
            self.out.emit("rpress grid %d %d" % self.rng.choice(occupied))

    def block_a_corner(self):
        """Walls the top left corner in with two ships, then asks for the Battleship there: it fits nowhere."""
        emit = self.out.emit
        emit("press panel 0 0")
        emit("press grid 0 1")
        emit("press panel 1 0")
        emit("press grid 1 0")
        emit("press panel 2 1")
        emit("press grid 0 0")
        emit("fleet his")

    def aiming(self):
        rng = self.rng
        g = self.game
        emit = self.out.emit
        roll = rng.random()
        complete = g.next_shot > g.player_shots_per_volley
        if complete and roll < 0.75:
            emit("press status")
        elif roll < 0.8:
            ships = self.cells_holding(g.my_sea, lambda v: v != 0)
            free = [c for c in ships if g.his_shots.cells[c[0] + c[1] * g.his_shots.width] == 0]
            if free and rng.random() < self.cheat:
                emit("press grid %d %d" % rng.choice(free))
            else:
                emit("press grid %d %d" % self.random_cell())
        elif roll < 0.85:
            mine = self.cells_holding(g.his_shots, lambda v: v == g.player_volley)
            if mine:
                emit("press grid %d %d" % rng.choice(mine))
        elif roll < 0.88:
            earlier = self.cells_holding(g.his_shots, lambda v: 0 < v < g.player_volley)
            if earlier:
                emit("press grid %d %d" % rng.choice(earlier))
        elif roll < 0.93:
            emit("press panel %d %d" % (rng.randrange(4), rng.randrange(-1, 5)))
            if rng.random() < 0.7:
                emit("release")
        elif roll < 0.96:
            emit("press status")
        else:
            self.any_press()

    def computer_volley_shown(self):
        g = self.game
        if g.settings.AutomaticMode or self.rng.random() < 0.3:
            self.press_mostly_status(0.8)
            return
        volley = g.computer_volley
        if self.imagined.get("volley") == volley:
            self.press_mostly_status(0.7)
            return
        self.imagined["volley"] = volley
        if self.rng.random() < self.honesty:
            self.honest_reports(volley)
        else:
            for _ in range(self.rng.randrange(1, 5)):
                self.out.emit("press panel %d %d" % (self.rng.randrange(4), self.rng.randrange(-1, 5)))

    def honest_reports(self, volley):
        """Reports the hits of the volley on the player's fleet, or on one imagined when none was laid."""
        g = self.game
        fleet = self.imagined_fleet()
        shots = self.cells_holding(g.my_shots, lambda v: v == volley)
        for x, y in shots:
            ship = fleet.get((x, y))
            if ship is not None:
                filled = sum(1 for v in g.his_fleet[ship].hits if v)
                cell = self.rng.randrange(min(filled, g.his_fleet[ship].cell_count - 1), g.his_fleet[ship].cell_count)
                self.out.emit("press panel %d %d" % (ship, cell))
        if shots and self.rng.random() < 0.15:
            # A report made twice is taken back by a press on the hit.
            k = self.rng.randrange(4)
            self.out.emit("press panel %d 0" % k)
            self.out.emit("press panel %d 0" % k)

    def imagined_fleet(self):
        g = self.game
        real = g.his_real_ships
        cells = {(x, y): real.cells[x + y * real.width] - 1
                 for (x, y) in self.cells_holding(real, lambda v: v != 0)}
        if len(cells) == 12:
            return cells
        key = ("fleet", self.size)
        if key not in self.imagined:
            self.imagined[key] = self.lay_imagined_fleet()
        return self.imagined[key]

    def lay_imagined_fleet(self):
        shapes = ((0, 1), (0, 1, 2), (0, 1, 2, 3), None)
        n = self.size
        taken = {}
        index = tries = 0
        while index < len(shapes):
            line = shapes[index]
            x, y = self.random_cell()
            if line is None:
                cells = [(x + d, y + d) for d in range(3)]
            elif self.rng.random() < 0.5:
                cells = [(x, y + d) for d in line]
            else:
                cells = [(x + d, y) for d in line]
            if all(0 <= cx < n and 0 <= cy < n and (cx, cy) not in taken for cx, cy in cells):
                taken.update({c: index for c in cells})
                index += 1
            tries += 1
            if tries == 200:
                # No room left on a tiny grid: lay the fleet again from the first ship.
                taken, index, tries = {}, 0, 0
        return taken

    def game_over(self):
        rng = self.rng
        roll = rng.random()
        if roll < 0.5:
            self.out.emit("press status")
        elif roll < 0.7:
            self.out.emit("press grid %d %d" % self.random_cell())
        elif roll < 0.8:
            self.out.emit("board MY SEA")
        elif roll < 0.9:
            self.out.emit(rng.choice(("new", "place")))
        else:
            self.any_press()

    def press_mostly_status(self, share):
        if self.rng.random() < share:
            self.out.emit("press status")
        else:
            self.any_press()

    def any_press(self):
        rng = self.rng
        roll = rng.random()
        word = "rpress" if rng.random() < 0.25 else "press"
        if roll < 0.3:
            self.out.emit("%s grid %d %d" % (word, rng.randrange(-2, self.size + 2), rng.randrange(-2, self.size + 2)))
        elif roll < 0.55:
            self.out.emit("%s panel %d %d" % (word, rng.randrange(4), rng.randrange(-2, 6)))
        elif roll < 0.65:
            self.out.emit("%s status" % word)
        elif roll < 0.75:
            self.out.emit("%s 5 5" % word)
        else:
            self.raw_press()

    def keys(self):
        """A few moves of the focus, then often a press by key, sometimes the focus asked for."""
        rng = self.rng
        for _ in range(rng.randrange(4)):
            self.out.emit("key " + rng.choice(MOVING_KEYS))
        if rng.random() < 0.6:
            self.out.emit("key " + rng.choice(PRESSING_KEYS))
        if rng.random() < 0.3:
            self.out.emit("focus")

    def raw_press(self):
        """A pixel anywhere, often one pixel off the edge of a rectangle, or outside the window."""
        rng = self.rng
        layout = self.out.driver.layout
        rects = [layout.board_rect, layout.status_rect] + list(layout.panel_rects)
        roll = rng.random()
        if roll < 0.5:
            left, top, right, bottom = rng.choice(rects)
            x = rng.choice((left - 1, left, right - 1, right, rng.randrange(left - 3, right + 3)))
            y = rng.choice((top - 1, top, bottom - 1, bottom, rng.randrange(top - 3, bottom + 3)))
        elif roll < 0.8:
            x, y = rng.randrange(-50, 1100), rng.randrange(-50, 800)
        else:
            x = rng.choice((-1, -65536, 65535, 65536 + 260, 70000, -70000, rng.randrange(-200000, 200000)))
            y = rng.choice((-1, 65536 + 30, 65535, 131072 + 400, rng.randrange(-200000, 200000)))
        word = "rpress" if rng.random() < 0.2 else "press"
        self.out.emit("%s %d %d" % (word, x, y))

    def options(self):
        rng = self.rng
        parts = []
        if rng.random() < 0.5:
            parts.append("mode=" + rng.choice(("automatic", "manual")))
        if rng.random() < 0.4:
            parts.append("starts=" + rng.choice(("you", "computer")))
        if rng.random() < 0.5:
            parts.append("level=" + rng.choice(("novice", "intermediate", "advanced")))
        for key in ("threshold", "shots"):
            if rng.random() < 0.35:
                texts = EDIT_TEXTS_OUT_OF_RANGE if rng.random() < 0.3 else EDIT_TEXTS_IN_RANGE
                parts.append("%s=%s" % (key, rng.choice(texts)))
        rng.shuffle(parts)
        self.out.emit(" ".join(["options"] + parts))

    def pacing(self):
        rng = self.rng
        parts = ["%s=%d" % (key, rng.randrange(2)) for key in ("player", "vornmark") if rng.random() < 0.7]
        self.out.emit(" ".join(["pacing"] + parts))

    def odd_spacing(self):
        """Blank lines, comments, tabs, runs of blanks and carriage returns around real commands."""
        rng = self.rng
        choice = rng.randrange(5)
        if choice == 0:
            self.out.emit("")
        elif choice == 1:
            self.out.emit("# a comment")
        elif choice == 2:
            self.out.emit("state\r")
        elif choice == 3:
            self.out.emit("  board \t HIS SHOTS  ")
        else:
            self.out.emit("press\tgrid  %d\t%d" % self.random_cell())


def write_settings_file(directory, values):
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, settings_store.FILE_NAME), "w") as f:
        f.write("[Options]\n" + "".join("%s=%d\n" % kv for kv in sorted(values.items())))


def is_display_line(line):
    """True for the lines only the display adds (the header aside)."""
    words = line.split()
    return bool(words) and words[0] in ("display", "hint", "view")


def generate(seed, commands, display=True):
    """Returns (script lines, program arguments, settings values or None)."""
    writer = ScriptWriter(seed, commands, display)
    lines = writer.generate()
    writer.temp.cleanup()
    return lines, writer.arguments, writer.settings


if __name__ == "__main__":
    display = "--without-display" not in sys.argv
    numbers = [int(a) for a in sys.argv[1:] if a != "--without-display"]
    lines, _, _ = generate(numbers[0], numbers[1] if len(numbers) > 1 else 300, display)
    sys.stdout.write("".join(line + "\n" for line in lines))
