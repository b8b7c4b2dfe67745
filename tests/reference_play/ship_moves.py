"""Ship operations the play flow needs beyond the opponent reference: hit slots, fitting and relocation."""

import copy

from vornmark_reference import Board, place_ship, remove_ship

ADVANCED, INTERMEDIATE = 2, 1
RELOCATION_FAILED = "System Error 109 in Advanced mode. Reverting to Intermediate"


def hit_at(ship, slot):
    return ship.hits[slot] if slot < ship.cell_count else -1


def remove_hit(ship):
    """Empties the last filled slot and returns its number, or warns and returns -1."""
    for slot in range(ship.cell_count - 1, -1, -1):
        if ship.hits[slot] != 0:
            ship.hits[slot] = 0
            return slot
    ship.reporter.warning_box("Error: no hits left to remove %s" % ship.name)
    return -1


def is_placed_on(board, ship):
    """The ship counts as placed when its id stands anywhere on the board."""
    n = board.size()
    return ship.id in board.cells[:n]


def try_fit(shots, occupancy, ship):
    """True when the volley numbers under the ship's cells are the multiset of its hit slots."""
    matched = [False] * ship.cell_count
    for i in range(ship.cell_count):
        x, y = ship.cells[i]
        if not shots.in_bounds(x, y):
            return False
        if occupancy is not None:
            there = occupancy.get(x, y)
            if there != 0 and there != ship.id:
                return False
        volley = shots.get(x, y)
        for k in range(ship.cell_count):
            if not matched[k] and ship.hits[k] == volley:
                matched[k] = True
                break
        else:
            return False
    return True


def relocate_ship(game, index):
    """Moves a hit ship of the computer to a position consistent with every shot of the player.

    Returns True when the ship moved (the shot that led here misses).
    """
    size = game.settings.MaxCells
    ship = game.my_fleet[index]
    temp_tally = Board(game.reporter, "Temp tally")
    temp_tally.allocate(size, size)
    saved = list(ship.cells[:ship.cell_count])
    wk_ship = copy.copy(ship)
    wk_ship.cells = list(ship.cells)
    wk_ship.hits = list(ship.hits)
    game.scan_ship(game.his_shots, game.my_sea, wk_ship, temp_tally)
    if game.target_list(temp_tally, game.his_shots, None) is None:
        return False
    remove_ship(game.my_sea, ship)
    for record in game.targets:
        x, y = record[0], record[1]
        if x == -1:
            break
        ship.move_to(x, y)
        for _ in range(4):
            if try_fit(game.his_shots, game.my_sea, ship):
                place_ship(game.my_sea, ship)
                return True
            ship.rotate()
    game.reporter.warning_box(RELOCATION_FAILED)
    game.settings.PlayLevel = INTERMEDIATE
    ship.cells[:ship.cell_count] = saved
    place_ship(game.my_sea, ship)
    return False
