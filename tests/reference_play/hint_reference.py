"""The hint: the opponent's counting of consistent placements, run over the computer's fleet for the player.

The shots are the player's ("HIS SHOTS"), the hit records the computer's ships' hit slots.  A placement is
consistent when it lies inside the grid, off every cell of another ship's pinned placement, and the volley
numbers on its cells (0 where unshot), sorted, equal the ship's hit slots (0 where empty), sorted.  A ship
with one consistent placement left is pinned: its cells are blocked for the ships scanned after it, and the
passes over the ships not yet pinned go on while a pass pins one.  Nothing here writes the ships or boards
it reads, and nothing draws from the generator.
"""

FLEET_SIZE = 4
_placements_of = {}


class Hint:
    """Per-cell sums over the ships afloat, each ship's count (0 when sunk), and which ships are pinned."""

    def __init__(self, size, cells=None, counts=None, pinned=None):
        self.size = size
        self.cells = cells if cells is not None else [0] * (size * size)
        self.counts = counts if counts is not None else [0] * FLEET_SIZE
        self.pinned = pinned if pinned is not None else [False] * FLEET_SIZE

    def lines(self):
        """The rows, the counts line and "end", as the cli's `hint` and `view` print them."""
        n = self.size
        rows = [" ".join("%d" % v for v in self.cells[y * n:(y + 1) * n]) for y in range(n)]
        return rows + ["ships " + " ".join("%d" % c for c in self.counts), "end"]


def placements(shape, size):
    """Cells (indices y * size + x) of every in-grid placement: each anchor, the shape and its quarter turn."""
    key = (tuple(shape), size)
    if key in _placements_of:
        return _placements_of[key]
    turned = [(dy, -dx) for dx, dy in shape]
    found = []
    for x in range(size):
        for y in range(size):
            for offsets in (shape, turned):
                cells = [(x + dx, y + dy) for dx, dy in offsets]
                if all(0 <= cx < size and 0 <= cy < size for cx, cy in cells):
                    found.append([cy * size + cx for cx, cy in cells])
    _placements_of[key] = found
    return found


def count_ship(shot, blocked, cells_of_placements, wanted, tally):
    """Adds every consistent placement to the tally; returns the count and the last consistent placement."""
    count, last = 0, None
    for cells in cells_of_placements:
        if any(blocked[c] for c in cells):
            continue
        if sorted(shot[c] for c in cells) != wanted:
            continue
        for c in cells:
            tally[c] += 1
        count += 1
        last = cells
    return count, last


def compute_hint(shots, fleet, size, unresolved=0):
    """The hint for a shot board (read at its own width) and the fleet shot at, on a size x size grid.

    The shots of the volley `unresolved` (one being aimed, whose hits are not known yet) read as unshot.
    """
    shot = [shots.cells[x + y * shots.width] for y in range(size) for x in range(size)]
    if unresolved > 0:
        shot = [0 if v == unresolved else v for v in shot]
    blocked = [False] * (size * size)
    tallies = [[0] * (size * size) for _ in fleet]
    counts = [0] * len(fleet)
    pinned = [False] * len(fleet)
    pinned_in_pass = True
    while pinned_in_pass:
        pinned_in_pass = False
        for i, ship in enumerate(fleet):
            if pinned[i]:
                continue
            tallies[i] = [0] * (size * size)
            wanted = sorted(ship.hits[:ship.cell_count])
            shape = list(ship.shape[:ship.cell_count])
            counts[i], last = count_ship(shot, blocked, placements(shape, size), wanted, tallies[i])
            if counts[i] == 1:
                pinned[i] = pinned_in_pass = True
                for c in last:
                    blocked[c] = True
    afloat = [ship.cells_left() > 0 for ship in fleet]
    cells = [sum(tallies[i][c] for i in range(len(fleet)) if afloat[i]) for c in range(size * size)]
    return Hint(size, cells, [counts[i] if afloat[i] else 0 for i in range(len(fleet))], pinned)


def opponent_view(game):
    """The opponent's last cumulative tally and its last counts, 0 for the player's ships that are sunk."""
    n = game.settings.MaxCells
    board = game.wk_tots
    cells = [board.cells[x + y * board.width] for y in range(n) for x in range(n)]
    counts = [game.possib[i] if ship.cells_left() > 0 else 0 for i, ship in enumerate(game.his_fleet)]
    return Hint(n, cells, counts)
