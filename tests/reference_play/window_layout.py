"""Pixel geometry of the main window and the classification of a press, with the window's 16-bit sizes."""

NOTHING, GRID_CELL, SHIP_PANEL, STATUS_BUTTON = range(4)

# Cells of the ships 0 to 2, drawn as one row each in their panels.
STRAIGHT_PANEL_CELLS = (2, 3, 4)


def to_int16(value):
    value &= 0xFFFF
    return value - 0x10000 if value >= 0x8000 else value


def trunc_div(a, b):
    """Integer division truncating toward zero, as the window's arithmetic does."""
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def holds(rect, x, y):
    left, top, right, bottom = rect
    return left <= x < right and top <= y < bottom


class Layout:
    def __init__(self):
        self.width = self.height = 0
        self.cell_width = self.cell_height = self.panel_cap = self.row_height = 0
        self.grid_size = 0
        zero = (0, 0, 0, 0)
        self.board_rect = zero
        self.status_rect = zero
        self.panel_rects = [zero] * 6

    def layout_window(self, width, height, grid_size):
        self.grid_size = grid_size
        self.width = to_int16(width)
        self.height = to_int16(height)
        self.cell_width = to_int16(trunc_div(self.width, grid_size + 5))
        self.cell_height = to_int16(trunc_div(self.height, grid_size + 1))
        self.panel_cap = to_int16(trunc_div(self.width, 15))
        self.row_height = to_int16(trunc_div(self.height, 11))
        top = self.height - self.row_height - 5
        self.status_rect = (self.cell_x(-4), top, self.cell_x(-2), top + self.row_height)
        n = grid_size
        self.board_rect = (self.cell_x(0), self.cell_y(0), self.cell_x(n), self.cell_y(n))
        for k, cells in enumerate(STRAIGHT_PANEL_CELLS):
            self.panel_rects[k] = self.panel_cell_rect(k, 0)[:2] + self.panel_cell_rect(k, cells - 1)[2:]
        for c in range(3):
            self.panel_rects[3 + c] = self.panel_cell_rect(3, c)

    def cell_x(self, column):
        return (column + 5) * self.cell_width

    def cell_y(self, row):
        return row * self.cell_height + trunc_div(self.cell_height, 2)

    def panel_cell_width(self):
        return min(self.cell_width, self.panel_cap)

    def grid_cell_rect(self, column, row):
        return (self.cell_x(column), self.cell_y(row), self.cell_x(column + 1), self.cell_y(row + 1))

    def panel_cell_rect(self, ship, cell):
        p = self.panel_cell_width()
        r = self.row_height
        if ship < 3:
            return (cell * p, (ship + 2) * r, (cell + 1) * p, (ship + 3) * r - 2)
        return (cell * p, (cell + 5) * r, (cell + 1) * p, (cell + 6) * r)

    def classify_click(self, packed):
        """Returns (kind, a, b): a grid cell's column and row, or a panel's ship and cell."""
        x = packed & 0xFFFF
        y = (packed >> 16) & 0xFFFF
        if holds(self.board_rect, x, y):
            column = x // self.cell_width - 5
            row = (y - self.cell_height // 2) // self.cell_height
            return (GRID_CELL, column, row)
        p = self.panel_cell_width()
        for rect in self.panel_rects:
            if not holds(rect, x, y):
                continue
            cx = x // p
            cy = y // self.row_height
            if 2 <= cy <= 4:
                if 0 <= cx <= cy:
                    return (SHIP_PANEL, cy - 2, cx)
                continue
            if 5 <= cy <= 7 and cx == cy - 5:
                return (SHIP_PANEL, 3, cx)
            return (NOTHING, 0, 0)
        if holds(self.status_rect, x, y):
            return (STATUS_BUTTON, 0, 0)
        return (NOTHING, 0, 0)


def pack_position(x, y):
    return (x & 0xFFFF) | ((y & 0xFFFF) << 16)


def centre(rect):
    left, top, right, bottom = rect
    return trunc_div(left + right, 2), trunc_div(top + bottom, 2)


# ---- the focus place of the keys ----

GRID, PANELS, STATUS = "grid", "panel", "status"
PANEL_LENGTHS = (2, 3, 4, 3)  # the cells of the four ship panels
ZONE_AFTER = {GRID: PANELS, PANELS: STATUS, STATUS: GRID}
ZONE_BEFORE = {after: before for before, after in ZONE_AFTER.items()}


def clamp(value, low, high):
    return max(low, min(high, value))


class Focus:
    """One grid cell, one ship-panel cell or the status button; grid and panels each remember their cell."""

    def __init__(self):
        self.zone = GRID
        self.grid_cell = [0, 0]  # column, row
        self.panel_cell = [0, 0]  # ship, cell

    def fit(self, grid_size):
        """Keeps the grid position inside a grid of grid_size cells a side."""
        self.grid_cell = self.grid_cell_within(grid_size)

    def grid_cell_within(self, grid_size):
        return [clamp(v, 0, grid_size - 1) for v in self.grid_cell]

    def move(self, key, grid_size):
        """Moves for an arrow, Home, End, Tab or Backtab; False for any other key."""
        self.fit(grid_size)
        if key == "Tab":
            self.zone = ZONE_AFTER[self.zone]
        elif key == "Backtab":
            self.zone = ZONE_BEFORE[self.zone]
        elif key not in ("Left", "Right", "Up", "Down", "Home", "End"):
            return False
        elif self.zone == GRID:
            column, row = self.grid_cell
            steps = {"Left": (-1, 0), "Right": (1, 0), "Up": (0, -1), "Down": (0, 1)}
            if key in steps:
                column, row = column + steps[key][0], row + steps[key][1]
            else:
                column = 0 if key == "Home" else grid_size - 1
            self.grid_cell = [clamp(column, 0, grid_size - 1), clamp(row, 0, grid_size - 1)]
        elif self.zone == PANELS:
            ship, cell = self.panel_cell
            if key in ("Up", "Down"):
                ship = clamp(ship + (1 if key == "Down" else -1), 0, 3)
            elif key in ("Left", "Right"):
                cell += 1 if key == "Right" else -1
            else:
                cell = 0 if key == "Home" else PANEL_LENGTHS[ship] - 1
            self.panel_cell = [ship, clamp(cell, 0, PANEL_LENGTHS[ship] - 1)]
        return True

    def rect(self, layout):
        if self.zone == GRID:
            return layout.grid_cell_rect(*self.grid_cell_within(layout.grid_size))
        if self.zone == PANELS:
            return layout.panel_cell_rect(*self.panel_cell)
        return layout.status_rect
