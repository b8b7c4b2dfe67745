#!/usr/bin/env python3
"""Writes the hand-made seeds of the three fuzz targets into corpus/. The fuzzers grow the
corpora from these; scripts/fuzz merges what they find back in."""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent

SETTINGS = {
    "defaults": "[Options]\nNumberOfShots=10\nAmbiguityThreshold=10\nAutomaticMode=1\nPauseVornmark=1\n"
                "PausePlayer=1\nDefenseMode=0\nMaxCells=15\nPlayLevel=1\n",
    "empty": "",
    "out_of_range": "[options]\nnumberofshots = 0\nAmbiguityThreshold=999999999999999\nAutomaticMode=-3\n"
                    "PauseVornmark=yes\nPausePlayer=2\nDefenseMode=7\nMaxCells=3\nPlayLevel=9\n",
    "crlf_and_quotes": "[Options]\r\nMaxCells=\"20\"\r\nPlayLevel='2'\r\nNumberOfShots=  +4x\r\n",
    "other_sections": "; notes\n[Window]\nWidth=800\n\n[Options]\nMaxCells=20\nColour=blue\n\n[Later]\nKey=value",
    "two_sections": "[Options]\nMaxCells=5\n[Options]\nMaxCells=6\nPlayLevel=0\n[ Options ]\nNumberOfShots=2\n",
    "no_line_end": "[Options]\nMaxCells=-2147483649",
    "header_only": "[Options",
    "binary": "\x00\x01[Options]\x00\nMaxCells=\x0030\n\xff\xfe=\n=\n[]\n",
    "keys_outside": "MaxCells=20\nNumberOfShots=3\n[Other]\nMaxCells=21\n",
}

SWITCHES = {
    "four_tokens": "-d2 /G3 foo -X",
    "bare_d": "-D",
    "no_digits": "-Gx -L",
    "games": "-L5 -G2 -C",
    "all_flags": "-D0 -D1 -D2 -D3 -D4 -D5 -D6 -D7 -D8 -D9",
    "spaces_and_tabs": "   -D2\t-D4   /l-7    -g+12 ",
    "big_numbers": "-G99999999999999 -L-2147483649",
    "slash_prefix": "/d /c /x /",
    "empty": "",
}

# Steps of the play-flow target, in the order of its Step enum.
(PRESS_IN_WINDOW, PRESS_ANYWHERE, RIGHT_PRESS_IN_WINDOW, RELEASE, PRESS_TARGET, RIGHT_PRESS_TARGET, NEW_GAME,
 PLACE, SIMULATION, OPTIONS, PACING, RESIZE) = range(12)
NOTHING, GRID, PANEL, STATUS = range(4)


def header(grid=15, shots=10, threshold=10, automatic=1, pause_vornmark=1, pause_player=1, defense=0, level=1,
           computer_starts=0, seed=1, width=1000, height=700):
    flags = automatic | pause_vornmark << 1 | pause_player << 2 | defense << 3 | level << 4 | computer_starts << 6
    return bytes([grid - 4, shots - 1, threshold - 1, flags]) + struct.pack("<IHH", seed, width - 120, height - 120)


def grid(column, row):
    return bytes([PRESS_TARGET, GRID, column, row])


def right_grid(column, row):
    return bytes([RIGHT_PRESS_TARGET, GRID, column, row])


def panel(ship, cell):
    return bytes([PRESS_TARGET, PANEL, ship, cell])


def status():
    return bytes([PRESS_TARGET, STATUS])


def press_at(x, y):
    return bytes([PRESS_ANYWHERE]) + struct.pack("<HH", x, y)


def options(mode=None, who=None, level=None, threshold=None, shots=None):
    changed = sum(bit for bit, value in ((1, mode), (2, who), (4, level), (8, threshold), (16, shots))
                  if value is not None)
    out = bytes([OPTIONS, changed])
    if mode is not None:
        out += bytes([mode])
    if who is not None:
        out += bytes([who])
    if level is not None:
        out += bytes([level + 1])
    for text in (threshold, shots):
        if text is not None:
            out += bytes([len(text)]) + text.encode()
    return out


def sweep(size, step=1):
    """Presses on every cell, column by column, with Continue presses between volleys."""
    out = b""
    for column in range(size):
        for row in range(0, size, step):
            out += grid(column, row) + status()
    return out


PLAY = {
    "first_exchange": header(shots=3) + bytes([PLACE]) + status() + bytes([NEW_GAME]) + grid(0, 0) + grid(1, 1) +
                      grid(2, 2) + status() + status() + status() + grid(3, 3) + grid(3, 3) + grid(4, 4),
    "one_shot_advanced_sweep": header(grid=6, shots=1, level=2, pause_vornmark=0, pause_player=0) + bytes([PLACE]) +
                               status() + bytes([NEW_GAME]) + sweep(6),
    "manual_reports": header(grid=8, automatic=0, shots=2) + bytes([NEW_GAME]) + grid(0, 0) + grid(0, 1) +
                      status() + status() + panel(0, 0) + panel(0, 1) + panel(0, 1) + panel(3, 2) + panel(1, 0) +
                      status() + grid(5, 5) + grid(6, 6) + status() + status() + panel(2, 3) + status(),
    "offense": header(grid=5, defense=1, automatic=0, shots=4) + bytes([NEW_GAME]) + sweep(5) + bytes([RELEASE]),
    "computer_starts": header(grid=10, computer_starts=1, automatic=0) + bytes([NEW_GAME]) + panel(2, 0) +
                       status() + grid(9, 9) + panel(0, 0) + bytes([RELEASE]),
    "simulation_then_continue": header(grid=4, automatic=0, shots=1) + bytes([SIMULATION]) + status() + status() +
                                sweep(4) + bytes([SIMULATION]),
    "place_rotate_select": header(grid=4) + bytes([PLACE]) + panel(2, 0) + grid(3, 3) + grid(0, 0) + right_grid(0, 0) +
                           right_grid(1, 1) + panel(3, 0) + grid(1, 0) + grid(0, 3) + bytes([NEW_GAME]) + status() +
                           bytes([NEW_GAME]),
    "dialogs": header(grid=12) + options(threshold="0") + options(threshold="31", shots="") +
               options(threshold="30", shots="11") + options(mode=1, who=1, level=-1, threshold="5", shots="10") +
               options(mode=2) + options(mode=0) + bytes([PACING, 3, PACING, 0]) + status() + bytes([NEW_GAME]),
    "window_edges": header(grid=30, width=2000, height=1400) + press_at(0xFFFF, 0xFFFF) + press_at(0, 0) +
                    bytes([RESIZE, 0, 0, 0, 0]) + press_at(10, 10) + bytes([RESIZE, 10, 0, 10, 0]) +
                    bytes([RESIZE, 0xFF, 0x7F, 0xFF, 0x7F]) + bytes([PLACE]) + press_at(200, 200) +
                    bytes([RIGHT_PRESS_IN_WINDOW, 0, 1, 0, 1]) + bytes([PRESS_IN_WINDOW, 0x40, 0x1F, 0x20, 0x03]),
    "play_again_after_win": header(grid=4, shots=10, pause_vornmark=0, pause_player=0, automatic=0) +
                            bytes([NEW_GAME]) + sweep(4) + status() + status() + sweep(4) + status(),
}


# Reproducers of faults the fuzzers found, kept so that they stay mended.
PLAY_FINDINGS = {
    # Place mode, Scatter, then the Options dialog chooses Manual: the new game marked the
    # player's ships unplaced while they stayed on "HIS REAL SHIPS", and the next Scatter found
    # no room on the 4 x 4 grid and never returned.
    "mode_change_in_place_mode": header(grid=4) + bytes([PLACE]) + status() + options(mode=1) + status(),
}


def write(folder, seeds, prefix="seed"):
    target = HERE / "corpus" / folder
    target.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (target / f"{prefix}_{name}").write_bytes(data if isinstance(data, bytes) else data.encode("latin-1"))


write("settings", SETTINGS)
write("switches", SWITCHES)
write("play_flow", PLAY)
write("play_flow", PLAY_FINDINGS, prefix="finding")
