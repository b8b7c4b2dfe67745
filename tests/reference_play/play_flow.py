"""The state machine of a match: presses, turn steps, Place mode and the Simulation command."""

from hint_reference import Hint, compute_hint
from vornmark_reference import place_ship, remove_ship
from ship_moves import ADVANCED, hit_at, is_placed_on, relocate_ship, remove_hit
from window_layout import GRID_CELL, SHIP_PANEL, STATUS_BUTTON

(IDLE, COMPUTER_VOLLEY_SHOWN, PLAYER_AIMING, PLAYER_VOLLEY_SHOWN, COMPUTER_WON, PLAYER_WON, PLACING,
 FLEET_REVEALED) = range(8)
GREY, DARK_GREEN, TEAL, YELLOW = "Grey", "DarkGreen", "Teal", "Yellow"

PHASE_LETTERS = ("A", "B", "C", "D")
# The titles after the computer's volley with Vornmark's view on, by phase (A, B, GAMMA, DELTA, Novice).
PHASE_TITLES = ("Vornmark A (phase A/B)", "Vornmark B (phase A/B)", "Vornmark C (phase GAMMA)",
                "Vornmark D (phase DELTA)", "Vornmark (Novice)")
NOT_PLACED = "Ship \"%s\" not placed\nClick on 'File/Place'"
PLACE_LEGEND = ("Place ships.\n[1] Click on ship to select, then click on grid to place the ship\n"
                "[2] Right-mouse click to rotate\n[3] Choose File/New Game to play")
LEGENDS = {
    PLAYER_VOLLEY_SHOWN: "What you hit  ",
    COMPUTER_WON: "You sleep with the fishes",
    PLAYER_WON: "Congratulations, Captain",
    PLACING: PLACE_LEGEND,
}
STATUS_TEXTS = {
    COMPUTER_VOLLEY_SHOWN: "Click here to Continue",
    PLAYER_VOLLEY_SHOWN: "Click here to Continue",
    COMPUTER_WON: "Click here to Show my ships",
    PLAYER_WON: "Click here to Play again",
    PLACING: "Click here to Scatter",
    FLEET_REVEALED: "Click here to Play again",
}
SHIP_NAMES = ("Corvette", "Destroyer", "Battleship", "Submarine")


def letters(volley):
    """A volley's letters: A to Z, then AA, AB and so on."""
    text = ""
    while volley > 0:
        volley, digit = divmod(volley - 1, 26)
        text = chr(ord("A") + digit) + text
    return text[-3:]


class PlayFlow:
    """Drives the opponent reference's game; the view receives beeps, titles and error boxes."""

    def __init__(self, game, view):
        self.game = game
        self.view = view
        self.state = IDLE
        self.background = GREY
        self.shown_board = None
        self.shown_fleet = None
        self.selected_ship = 0
        self.highlight_volley = 0
        self.who_starts = 0
        self.simulation_mode = 0
        self.game_counter = 0
        self.own_counter = -1
        self.title = "Vornmark"
        self.hint = Hint(game.settings.MaxCells)
        self.refresh_hint()

    @property
    def settings(self):
        return self.game.settings

    # ---- texts the window shows ----

    def volley_complete(self):
        return self.game.next_shot > self.game.player_shots_per_volley

    def legend_text(self):
        if self.state == COMPUTER_VOLLEY_SHOWN:
            if self.settings.AutomaticMode:
                return "This is where Vornmark has fired"
            return "Click on what Vornmark has hit"
        if self.state == PLAYER_AIMING:
            return "Shots left: %2d      " % (self.game.player_shots_per_volley - self.game.next_shot + 1)
        return LEGENDS.get(self.state, "")

    def status_text(self):
        if self.state == PLAYER_AIMING:
            return "Click here to see what you hit" if self.volley_complete() else "Click on grid to fire shots"
        return STATUS_TEXTS.get(self.state, "")

    # ---- what a screen reader says ----

    def grid_cell_name(self, column, row):
        g = self.game
        name = "row %d, column %d" % (row, column)
        board = self.shown_board
        if board is None:
            return name
        value = board.get(column, row)
        if board is g.his_real_ships:
            return name + ": " + ("your " + SHIP_NAMES[value - 1] if value else "water")
        if board is g.my_shots and self.state == COMPUTER_VOLLEY_SHOWN and self.settings.AutomaticMode \
                and g.his_real_ships.get(column, row):
            return name + ": your ship" + (", hit by volley " + letters(value) if value else "")
        whose = "your" if board is g.his_shots else "Vornmark's"
        text = "%s: %s shot of volley %s" % (name, whose, letters(value)) if value else name + ": not shot"
        if self.state == FLEET_REVEALED and g.my_sea.get(column, row):
            text += ", Vornmark's ship"
        return text

    def panel_cell_name(self, ship, cell):
        name = "%s, cell %d" % (SHIP_NAMES[ship], cell + 1)
        if self.shown_fleet is not None:
            hit = hit_at(self.shown_fleet[ship], cell)
            name += ", hit in volley " + letters(hit) if hit > 0 else ", not hit"
        if self.state == PLACING and ship == self.selected_ship:
            name += ", selected"
        return name

    # ---- the hint ----

    def refresh_hint(self):
        """The hint is counted at start-up, at every new game, after each player volley and when it is
        switched on, whether it is shown or not: what `hint` prints does not depend on the switch.  Only
        resolved volleys count: the shots of a volley being aimed are left out."""
        g = self.game
        aimed = g.player_volley if self.state == PLAYER_AIMING else 0
        self.hint = compute_hint(g.his_shots, g.my_fleet, g.settings.MaxCells, aimed)

    def set_display(self, hint=None, view=None):
        s = self.settings
        if view is not None:
            s.VornmarkView = 1 if view else 0
        if hint is not None:
            switched_on = hint and not s.Hint
            s.Hint = 1 if hint else 0
            if switched_on:
                self.refresh_hint()

    # ---- games ----

    def new_game(self):
        self.game_counter = self.game.new_game(self.game_counter)
        self.refresh_hint()

    def new_game_from_mode_change(self):
        """A mode change in Place mode keeps the laid ships where they lie on the board.

        The new game unplaces the player's ships while their ids stay on "HIS REAL SHIPS"; Place mode
        lifts, turns and scatters ships by their cells, so the ids left behind would turn into copies.
        """
        fleet = self.game.his_fleet
        laid = [list(ship.cells) for ship in fleet] if self.state == PLACING else None
        self.new_game()
        if laid is not None:
            for ship, cells in zip(fleet, laid):
                ship.cells = cells

    def new_uncounted_game(self):
        self.own_counter = self.game.new_game(self.own_counter)
        self.refresh_hint()

    def fleet_beaten(self, fleet):
        return sum(ship.cells_left() for ship in fleet) == 0

    def show_computer_side(self):
        self.shown_board = self.game.my_shots
        self.shown_fleet = self.game.his_fleet

    def show_player_side(self):
        self.shown_board = self.game.his_shots
        self.shown_fleet = self.game.my_fleet

    def start_aiming_at_first_volley(self):
        self.state = PLAYER_AIMING
        self.background = TEAL
        self.show_player_side()

    def start_new_game(self):
        s = self.settings
        if s.AutomaticMode and not s.DefenseMode:
            for ship in self.game.his_fleet:
                if not is_placed_on(self.game.his_real_ships, ship):
                    self.view.show_error(NOT_PLACED % ship.name)
                    return
        self.new_game()
        self.simulation_mode = 0
        if self.who_starts == 1:
            self.state = COMPUTER_VOLLEY_SHOWN
            self.background = DARK_GREEN
            self.show_computer_side()
            self.plan_volley()
            if s.AutomaticMode:
                self.game.take_real_hits()
        else:
            self.start_aiming_at_first_volley()

    def play_again(self):
        was = self.state
        self.new_game()
        if was == PLAYER_WON:
            self.game.player_volley = 0
            self.start_computer_turn()
        else:
            self.start_aiming_at_first_volley()
            self.game.player_volley = 1

    # ---- turn steps ----

    def plan_volley(self):
        """The opponent tries its placements on copies of the player's ships: the ships' own cells
        stay where the player laid them (or unplaced)."""
        laid = [list(ship.cells) for ship in self.game.his_fleet]
        phase = self.game.plan_volley()
        for ship, cells in zip(self.game.his_fleet, laid):
            ship.cells = cells
        return phase

    def start_player_turn(self):
        self.start_aiming_at_first_volley()
        self.game.player_volley += 1
        self.game.next_shot = 1

    def start_computer_turn(self):
        g = self.game
        self.state = COMPUTER_VOLLEY_SHOWN
        self.background = DARK_GREEN
        g.computer_volley += 1
        phase = self.plan_volley()
        if self.settings.VornmarkView:
            self.set_title(PHASE_TITLES[phase])
        else:
            self.set_title("Vornmark %s" % (PHASE_LETTERS[phase] if phase < len(PHASE_LETTERS) else ""))
        if self.settings.AutomaticMode:
            g.take_real_hits()
            self.check_computer_won()
        self.show_computer_side()
        g.next_shot = 1
        if not self.settings.PauseVornmark and self.state != COMPUTER_WON:
            self.start_player_turn()

    def set_title(self, text):
        self.title = text
        self.view.set_title(text)

    def check_computer_won(self):
        if self.fleet_beaten(self.game.his_fleet):
            self.state = COMPUTER_WON

    def resolve_player_volley(self):
        g = self.game
        self.state = PLAYER_VOLLEY_SHOWN
        g.his_shots.restart_search(g.player_volley)
        while True:
            cell = g.his_shots.next_match()
            if cell is None:
                break
            v = g.my_sea.get(cell[0], cell[1])
            if v == 0:
                continue
            if self.settings.PlayLevel == ADVANCED and g.player_volley >= 6 and relocate_ship(g, v - 1):
                continue
            g.my_fleet[v - 1].add_hit(g.player_volley)
            if g.player_shots_per_volley > 1:
                g.player_shots_per_volley -= 1
        self.refresh_hint()
        if self.fleet_beaten(g.my_fleet):
            self.state = PLAYER_WON
        if self.settings.PausePlayer or self.state == PLAYER_WON:
            return
        if self.settings.DefenseMode:
            self.start_player_turn()
        else:
            self.start_computer_turn()

    # ---- presses ----

    def on_left_press(self, target):
        kind, a, b = target
        state = self.state
        if state == COMPUTER_VOLLEY_SHOWN:
            if kind == SHIP_PANEL and not self.settings.AutomaticMode:
                self.report_hit(a, b)
            elif kind == STATUS_BUTTON:
                if self.simulation_mode:
                    self.start_computer_turn()
                else:
                    self.start_player_turn()
            else:
                self.view.beep()
        elif state == PLAYER_AIMING:
            if kind == GRID_CELL:
                self.aim(a, b)
            elif kind == SHIP_PANEL:
                self.highlight(a, b)
            elif kind == STATUS_BUTTON and self.volley_complete():
                self.resolve_player_volley()
            else:
                self.view.beep()
        elif state == PLAYER_VOLLEY_SHOWN:
            if kind != STATUS_BUTTON:
                self.view.beep()
            elif self.settings.DefenseMode:
                self.start_player_turn()
            else:
                self.start_computer_turn()
        elif state == COMPUTER_WON:
            self.state = FLEET_REVEALED
            self.background = TEAL
            self.show_player_side()
        elif state in (PLAYER_WON, FLEET_REVEALED):
            self.play_again()
        elif state == PLACING:
            if kind == GRID_CELL:
                self.place_at(a, b)
            elif kind == SHIP_PANEL:
                self.selected_ship = a
            elif kind == STATUS_BUTTON:
                self.scatter()
            else:
                self.view.beep()
        else:
            self.view.beep()

    def on_left_release(self):
        if self.state == PLAYER_AIMING:
            self.highlight_volley = 0

    def on_right_press(self, target):
        kind, a, b = target
        if self.state == PLACING and kind == GRID_CELL and self.game.his_real_ships.get(a, b) != 0:
            self.rotate_placed(self.game.his_real_ships.get(a, b) - 1)
        else:
            self.view.beep()

    def report_hit(self, index, cell):
        g = self.game
        ship = g.his_fleet[index]
        h = hit_at(ship, cell)
        if h == 0:
            ship.add_hit(g.computer_volley)
        elif h == g.computer_volley:
            remove_hit(ship)
        else:
            self.view.beep()
        self.check_computer_won()

    def aim(self, column, row):
        g = self.game
        x = g.his_shots.get(column, row)
        if x == g.player_volley:
            g.his_shots.put(column, row, 0)
            g.next_shot -= 1
            return
        if x != 0 or self.volley_complete():
            self.view.beep()
            return
        g.his_shots.record_shot(g.player_volley, column, row)
        g.next_shot += 1
        if self.volley_complete() and g.player_shots_per_volley == 1:
            self.resolve_player_volley()

    def highlight(self, index, cell):
        self.highlight_volley = hit_at(self.game.my_fleet[index], cell)
        if self.highlight_volley == 0:
            self.view.beep()

    # ---- Place mode ----

    def enter_place_mode(self):
        s = self.settings
        s.AutomaticMode = 1
        s.DefenseMode = 0
        self.new_uncounted_game()
        self.state = PLACING
        self.background = YELLOW
        self.selected_ship = 0
        self.shown_board = self.game.his_real_ships
        self.game.his_real_ships.clear()
        self.shown_fleet = self.game.his_fleet

    def place_at(self, column, row):
        board = self.game.his_real_ships
        v = board.get(column, row)
        if v != 0:
            self.selected_ship = v - 1
            return
        ship = self.game.his_fleet[self.selected_ship]
        remove_ship(board, ship)
        ship.move_to(column, row)
        for _ in range(4):
            if place_ship(board, ship):
                return
            ship.rotate()
        ship.unplace()

    def rotate_placed(self, index):
        board = self.game.his_real_ships
        self.selected_ship = index
        ship = self.game.his_fleet[index]
        remove_ship(board, ship)
        for _ in range(4):
            ship.rotate()
            if place_ship(board, ship):
                return

    def scatter(self):
        board = self.game.his_real_ships
        for ship in self.game.his_fleet:
            remove_ship(board, ship)
        self.game.random_place_fleet(self.game.his_fleet, board)
        self.selected_ship = 0

    # ---- the Simulation command ----

    def run_simulation(self):
        g = self.game
        self.new_uncounted_game()
        self.simulation_mode = 1
        g.his_real_ships.clear()
        g.random_place_fleet(g.his_fleet, g.his_real_ships)
        while True:
            self.start_computer_turn()
            if not self.settings.AutomaticMode:
                g.take_real_hits()
                self.check_computer_won()
            if self.state == COMPUTER_WON:
                break
