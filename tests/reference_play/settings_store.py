"""The settings in VORNMARK.INI, section [Options]: read with private-profile rules, brought into range.

Beside the eight game settings lie two display switches, Hint and VornmarkView, off by default, and the
colour scheme, Classic (0) by default: a file keeps no line of them until one is changed, so the file stays
as it was while none ever is.
"""

import os
import re

# Key, default, and how a read value is brought into range.
KEYS = (
    ("NumberOfShots", 10),
    ("AmbiguityThreshold", 10),
    ("AutomaticMode", 1),
    ("PauseVornmark", 1),
    ("PausePlayer", 1),
    ("DefenseMode", 0),
    ("MaxCells", 15),
    ("PlayLevel", 1),
)
# Read like AutomaticMode (any non-zero value is 1); saved only when 1 or when the file holds the key.
DISPLAY_KEYS = ("Hint", "VornmarkView")
# The colour scheme, 0 to 2; any other value reads as 0. Saved only when not 0 or when the file holds it.
SCHEME_KEY = "ColourScheme"
FILE_NAME = "VORNMARK.INI"
SECTION = "Options"

LEADING_INTEGER = re.compile(r"\s*([+-]?)(\d*)")


def clamp(value, low, high):
    return max(low, min(high, value))


def settings_directory(environment):
    base = environment.get("XDG_CONFIG_HOME") or os.path.join(environment.get("HOME", ""), ".config")
    return os.path.join(base, "vornmark")


def read_profile_integer(text):
    """A value is read as a leading decimal integer; no digits read as 0."""
    match = LEADING_INTEGER.match(text)
    digits = match.group(2)
    if not digits:
        return 0
    value = int(digits)
    return -value if match.group(1) == "-" else value


def read_options_section(path):
    values = {}
    try:
        with open(path, encoding="latin-1") as f:
            lines = f.read().splitlines()
    except OSError:
        return values
    section = None
    for line in lines:
        stripped = line.strip()
        if stripped.startswith("[") and "]" in stripped:
            section = stripped[1:stripped.index("]")].strip().lower()
            continue
        if section != SECTION.lower() or "=" not in stripped:
            continue
        key, value = stripped.split("=", 1)
        key = key.strip().lower()
        value = value.strip()
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
            value = value[1:-1]
        if key not in values:
            values[key] = value
    return values


def load_settings(settings, directory):
    stored = read_options_section(os.path.join(directory, FILE_NAME))
    for key, default in KEYS:
        # An empty value reads as a missing one.
        text = stored.get(key.lower())
        setattr(settings, key, default if not text else read_profile_integer(text))
    settings.NumberOfShots = clamp(settings.NumberOfShots, 1, 10)
    settings.AmbiguityThreshold = clamp(settings.AmbiguityThreshold, 1, 30)
    settings.AutomaticMode = 1 if settings.AutomaticMode != 0 else 0
    settings.PauseVornmark = 1 if settings.PauseVornmark == 1 else 0
    settings.PausePlayer = 1 if settings.PausePlayer == 1 else 0
    settings.DefenseMode = 1 if settings.DefenseMode != 0 else 0
    settings.MaxCells = clamp(settings.MaxCells, 4, 30)
    settings.PlayLevel = clamp(settings.PlayLevel, 0, 3)  # 3 Expert: its games are not modelled here
    for key in DISPLAY_KEYS:
        text = stored.get(key.lower())
        setattr(settings, key, 1 if text and read_profile_integer(text) != 0 else 0)
    scheme = read_profile_integer(stored.get(SCHEME_KEY.lower()) or "0")
    settings.ColourScheme = scheme if scheme in (0, 1, 2) else 0


def save_settings(settings, directory):
    """Writes the eight keys in their order, then each display key that is on or that the file held.

    The comparison reads values, not the file's bytes.
    """
    os.makedirs(directory, exist_ok=True)
    path = os.path.join(directory, FILE_NAME)
    held = read_options_section(path)
    display = [key for key in DISPLAY_KEYS if getattr(settings, key) == 1 or key.lower() in held]
    if getattr(settings, SCHEME_KEY, 0) != 0 or SCHEME_KEY.lower() in held:
        display.append(SCHEME_KEY)
    lines = (["[%s]" % SECTION] + ["%s=%d" % (key, getattr(settings, key)) for key, _ in KEYS] +
             ["%s=%d" % (key, getattr(settings, key)) for key in display])
    with open(path, "w", encoding="latin-1") as f:
        f.write("\n".join(lines) + "\n")


def stored_values(directory):
    """The values as a file holds them (None for a missing key), or None when there is no file."""
    path = os.path.join(directory, FILE_NAME)
    if not os.path.exists(path):
        return None
    stored = read_options_section(path)
    return {key: stored.get(key.lower()) for key in [key for key, _ in KEYS] + list(DISPLAY_KEYS) + [SCHEME_KEY]}
