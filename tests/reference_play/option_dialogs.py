"""The Options and Pacing dialogs: their initial values and the steps on OK."""

import re
import time

AUTOMATIC, MANUAL, OFFENSE = "automatic", "manual", "offense"
YOU, COMPUTER = 0, 1
THRESHOLD_MESSAGE = "Ambiguity Threshold must be between 1 and 30"
SHOTS_MESSAGE = "Shots per volley must be between 1 and 10"

UNSIGNED_TEXT = re.compile(r" *\+?([0-9]+) *\Z")


def read_unsigned(text):
    """An edit box read as an unsigned number; anything that is not one reads as 0."""
    match = UNSIGNED_TEXT.match(text)
    if match is None:
        return 0
    value = int(match.group(1))
    return value if value <= 0xFFFFFFFF else 0


class OptionsDialog:
    """The controls as WM_INITDIALOG sets them; the caller changes them, then presses OK."""

    def __init__(self, flow):
        s = flow.settings
        self.flow = flow
        if s.DefenseMode != 0:
            self.mode = OFFENSE
        elif s.AutomaticMode != 0:
            self.mode = AUTOMATIC
        else:
            self.mode = MANUAL
        self.starts = COMPUTER if flow.who_starts == 1 else YOU
        self.threshold = "%d" % (s.AmbiguityThreshold & 0xFFFFFFFF)
        self.shots = "%d" % (s.NumberOfShots & 0xFFFFFFFF)
        self.level = s.PlayLevel if s.PlayLevel in (0, 1, 2, 3) else None

    def press_ok(self):
        """Returns True when the dialog ends; False when a check failed and it stays open."""
        flow = self.flow
        s = flow.settings
        if self.mode == AUTOMATIC and (s.AutomaticMode == 0 or s.DefenseMode != 0):
            flow.enter_place_mode()
        elif self.mode == MANUAL and (s.AutomaticMode != 0 or s.DefenseMode != 0):
            s.AutomaticMode = 0
            s.DefenseMode = 0
            flow.new_game_from_mode_change()
        elif self.mode == OFFENSE and s.DefenseMode == 0:
            s.DefenseMode = 1
            flow.game.random.seed(time.monotonic_ns())
            flow.new_game_from_mode_change()
        if self.level is not None:
            s.PlayLevel = self.level
        flow.who_starts = self.starts
        threshold = read_unsigned(self.threshold)
        if not 1 <= threshold <= 30:
            flow.game.reporter.warning_box(THRESHOLD_MESSAGE)
            return False
        s.AmbiguityThreshold = threshold
        shots = read_unsigned(self.shots)
        if not 1 <= shots <= 10:
            flow.view.show_error(SHOTS_MESSAGE)
            return False
        s.NumberOfShots = shots
        return True


class PacingDialog:
    def __init__(self, flow):
        self.flow = flow
        self.pause_player = flow.settings.PausePlayer
        self.pause_vornmark = flow.settings.PauseVornmark

    def press_ok(self):
        s = self.flow.settings
        s.PauseVornmark = 1 if self.pause_vornmark else 0
        s.PausePlayer = 1 if self.pause_player else 0
        return True
