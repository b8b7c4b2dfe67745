#!/usr/bin/env python3
"""Reference of the scripted driver: the same commands on standard input, the same lines on standard output.

Usage: cli_reference.py [program switches such as -D3] [--cancel-warnings] < script
"""

import os
import re
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "reference"))
sys.path.insert(0, HERE)

import vornmark_reference as opponent  # noqa: E402
import settings_store  # noqa: E402
from hint_reference import opponent_view  # noqa: E402
from option_dialogs import AUTOMATIC, COMPUTER, MANUAL, OFFENSE, YOU, OptionsDialog, PacingDialog  # noqa: E402
from play_flow import PLACING, PlayFlow  # noqa: E402
from window_layout import GRID, PANELS, Focus, Layout, centre, pack_position  # noqa: E402

CLIENT_WIDTH, CLIENT_HEIGHT = 1000, 700
WORD_SEPARATORS = re.compile(r"[ \t]+")
INTEGER = re.compile(r"-?[0-9]+\Z")
INT32_MIN, INT32_MAX = -(1 << 31), (1 << 31) - 1
BOARD_NAMES = ("MY SEA", "MY SHOTS", "HIS SEA", "HIS SHOTS", "HIS REAL SHIPS")
BOARD_FIELDS = ("my_sea", "my_shots", "his_sea", "his_shots", "his_real_ships")
OPTION_VALUES = {
    "mode": {"automatic": AUTOMATIC, "manual": MANUAL, "offense": OFFENSE},
    "starts": {"you": YOU, "computer": COMPUTER},
    "level": {"novice": 0, "intermediate": 1, "advanced": 2, "expert": 3},
}
PACING_KEYS = {"player": "pause_player", "vornmark": "pause_vornmark"}
KEY_NAMES = ("Left", "Right", "Up", "Down", "Home", "End", "Tab", "Backtab", "Space", "Return", "R", "1", "2", "3", "4")
DISPLAY_KEYS = ("hint", "view")


class ProgramEnd(Exception):
    """The program ends here with exit code 0; save tells whether the settings are written first."""

    def __init__(self, save):
        super().__init__()
        self.save = save


class BadCommand(Exception):
    pass


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n")


class Switches:
    def __init__(self, command_line):
        self.flags = [False] * 10
        self.first_game = self.last_game = 0
        for token in [t for t in command_line.split(" ") if t]:
            if token[0] not in "-/" or len(token) < 2:
                continue
            letter, rest = token[1].upper(), token[2:]
            if letter == "D":
                self.flags[int(rest[0]) if rest[:1].isdigit() else 0] = True
            elif letter == "G":
                self.first_game = leading_number(rest)
            elif letter == "L":
                self.last_game = leading_number(rest)


def leading_number(text):
    match = re.match(r"\s*([+-]?)(\d*)", text)
    if not match.group(2):
        return 0
    value = int(match.group(2))
    return -value if match.group(1) == "-" else value


class Output:
    def __init__(self, stream, cancel_warnings):
        self.stream = stream
        self.cancel_warnings = cancel_warnings

    def line(self, text):
        self.stream.write(text + "\n")

    # The view of the play flow.
    def beep(self):
        self.line("beep")

    def set_title(self, text):
        self.line("title " + escape(text))

    def show_error(self, text):
        self.line("error " + escape(text))

    # The message boxes of the opponent reference.
    def warning_box(self, text):
        self.line("warning " + escape(text))
        if self.cancel_warnings:
            raise ProgramEnd(save=False)

    def bounds_error(self, text):
        self.show_error(text)


class Driver:
    def __init__(self, arguments, stream, environment):
        self.out = Output(stream, "--cancel-warnings" in arguments)
        self.settings_dir = settings_store.settings_directory(environment)
        settings = opponent.Settings()
        settings_store.load_settings(settings, self.settings_dir)
        self.switches = Switches(" ".join(arguments))
        game = opponent.Game(settings)
        game.reporter.warning_box = self.out.warning_box
        game.reporter.bounds_error = self.out.bounds_error
        game.start_up(None, 1 if self.switches.flags[3] else time.monotonic_ns())
        self.game = game
        self.flow = PlayFlow(game, self.out)
        self.layout = Layout()
        self.layout.layout_window(CLIENT_WIDTH, CLIENT_HEIGHT, settings.MaxCells)
        self.focus = Focus()

    # ---- commands ----

    def run(self, lines, after_each=None):
        """Acts on each line; after_each(index) is told when the line at that index is done."""
        try:
            for index, line in enumerate(lines):
                self.execute(line)
                if after_each is not None:
                    after_each(index)
            raise ProgramEnd(save=True)
        except ProgramEnd as end:
            if end.save:
                settings_store.save_settings(self.game.settings, self.settings_dir)

    def execute(self, line):
        if line.startswith("#"):
            return
        words = [w for w in WORD_SEPARATORS.split(line) if w]
        if not words:
            return
        try:
            self.dispatch(line, words)
        except BadCommand:
            self.out.line("bad command " + line)

    def dispatch(self, line, words):
        name, args = words[0], words[1:]
        simple = {
            "new": self.flow.start_new_game,
            "place": self.flow.enter_place_mode,
            "simulate": self.flow.run_simulation,
            "exit": self.exit,
            "release": self.flow.on_left_release,
            "state": self.print_state,
            "legend": lambda: self.out.line("legend " + escape(self.flow.legend_text())),
            "status": lambda: self.out.line("status " + escape(self.flow.status_text())),
            "title": lambda: self.out.line("title " + escape(self.flow.title)),
            "focus": self.print_focus,
            "hint": lambda: self.print_lines(self.flow.hint.lines()),
            "view": lambda: self.print_lines(opponent_view(self.game).lines()),
        }
        if name in simple:
            if args:
                raise BadCommand()
            simple[name]()
        elif name in ("press", "rpress"):
            target = self.layout.classify_click(self.press_position(args))
            if name == "press":
                self.flow.on_left_press(target)
            else:
                self.flow.on_right_press(target)
        elif name == "key":
            if len(args) != 1 or args[0] not in KEY_NAMES:
                raise BadCommand()
            self.key(args[0])
        elif name == "options":
            self.options(args)
        elif name == "pacing":
            self.pacing(args)
        elif name == "display":
            self.display(args)
        elif name == "scheme":
            if len(args) != 1 or args[0] not in ("0", "1", "2"):
                raise BadCommand()
            self.game.settings.ColourScheme = int(args[0])
        elif name == "board":
            self.print_board(line.strip(" \t")[len(name):].strip(" \t"))
        elif name == "fleet":
            self.print_fleet(args)
        else:
            raise BadCommand()

    def exit(self):
        raise ProgramEnd(save=True)

    def press_position(self, args):
        layout = self.layout
        if len(args) == 1 and args[0] == "status":
            x, y = centre(layout.status_rect)
        elif len(args) == 3 and args[0] == "grid":
            x, y = centre(layout.grid_cell_rect(integer(args[1]), integer(args[2])))
        elif len(args) == 3 and args[0] == "panel":
            ship, cell = integer(args[1]), integer(args[2])
            if not 0 <= ship <= 3:
                raise BadCommand()
            x, y = centre(layout.panel_cell_rect(ship, cell))
        elif len(args) == 2:
            x, y = integer(args[0]), integer(args[1])
        else:
            raise BadCommand()
        return pack_position(x, y)

    def key(self, name):
        """A key pressed and released: the focus moves, or the mouse's press is made at a place."""
        flow, layout = self.flow, self.layout
        if self.focus.move(name, self.game.settings.MaxCells):
            return
        at_centre = lambda rect: layout.classify_click(pack_position(*centre(rect)))  # noqa: E731
        if name == "R":
            flow.on_right_press(at_centre(self.focus.rect(layout)))
            return
        if name == "Space":
            target = at_centre(self.focus.rect(layout))
        elif name == "Return":
            target = at_centre(layout.status_rect)
        elif flow.state != PLACING:
            flow.view.beep()
            return
        else:
            target = at_centre(layout.panel_cell_rect(int(name) - 1, 0))
        flow.on_left_press(target)
        flow.on_left_release()

    def print_focus(self):
        focus, flow = self.focus, self.flow
        if focus.zone == GRID:
            column, row = focus.grid_cell_within(self.game.settings.MaxCells)
            text = "grid %d %d: %s" % (column, row, flow.grid_cell_name(column, row))
        elif focus.zone == PANELS:
            ship, cell = focus.panel_cell
            text = "panel %d %d: %s" % (ship, cell, flow.panel_cell_name(ship, cell))
        else:
            text = "status: " + flow.status_text()
        self.out.line("focus " + escape(text))

    def options(self, args):
        settings = {}
        for arg in args:
            key, sep, value = arg.partition("=")
            if not sep:
                raise BadCommand()
            if key in OPTION_VALUES:
                if value not in OPTION_VALUES[key]:
                    raise BadCommand()
                settings[key] = OPTION_VALUES[key][value]
            elif key in ("threshold", "shots"):
                settings[key] = value
            else:
                raise BadCommand()
        dialog = OptionsDialog(self.flow)
        for key, value in settings.items():
            setattr(dialog, key, value)
        if not dialog.press_ok():
            self.out.line("dialog cancelled")

    def pacing(self, args):
        checks = {}
        for arg in args:
            key, sep, value = arg.partition("=")
            if not sep or key not in PACING_KEYS or value not in ("0", "1"):
                raise BadCommand()
            checks[PACING_KEYS[key]] = value == "1"
        dialog = PacingDialog(self.flow)
        for field, value in checks.items():
            setattr(dialog, field, value)
        dialog.press_ok()

    def display(self, args):
        """The two checkable display commands; every word is checked before either is set."""
        checks = {}
        for arg in args:
            key, sep, value = arg.partition("=")
            if not sep or key not in DISPLAY_KEYS or value not in ("0", "1"):
                raise BadCommand()
            checks[key] = value == "1"
        self.flow.set_display(**checks)

    # ---- answers ----

    def print_lines(self, lines):
        for line in lines:
            self.out.line(line)

    def print_state(self):
        g, f, s = self.game, self.flow, self.game.settings
        self.out.line("state %d player_volley %d computer_volley %d next_shot %d player_shots %d computer_shots %d "
                      "level %d automatic %d defense %d simulation %d selected %d"
                      % (f.state, g.player_volley, g.computer_volley, g.next_shot, g.player_shots_per_volley,
                         g.computer_shots_per_volley, s.PlayLevel, s.AutomaticMode, s.DefenseMode,
                         f.simulation_mode, f.selected_ship))

    def print_board(self, name):
        if name not in BOARD_NAMES:
            raise BadCommand()
        board = getattr(self.game, BOARD_FIELDS[BOARD_NAMES.index(name)])
        n = self.game.settings.MaxCells
        for y in range(n):
            self.out.line(" ".join("%d" % board.cells[x + y * board.width] for x in range(n)))
        self.out.line("end")

    def print_fleet(self, args):
        if len(args) != 1 or args[0] not in ("my", "his"):
            raise BadCommand()
        fleet = self.game.my_fleet if args[0] == "my" else self.game.his_fleet
        for ship in fleet:
            cells = "".join(" %d,%d" % ship.cells[i] for i in range(ship.cell_count))
            hits = "".join(" %d" % v for v in ship.hits if v != 0)
            self.out.line("%s cells%s hits%s" % (ship.name, cells, hits))


def integer(text):
    if not INTEGER.match(text):
        raise BadCommand()
    value = int(text)
    if not INT32_MIN <= value <= INT32_MAX:
        raise BadCommand()
    return value


def read_lines(data):
    text = data.decode("latin-1")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line[:-1] if line.endswith("\r") else line for line in lines]


def main(argv):
    stream = open(sys.stdout.fileno(), "w", encoding="latin-1", newline="\n", closefd=False)
    driver = Driver(argv, stream, os.environ)
    driver.run(read_lines(sys.stdin.buffer.read()))
    stream.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
