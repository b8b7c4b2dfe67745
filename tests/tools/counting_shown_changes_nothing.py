#!/usr/bin/env python3
"""Plays the same scripts through vornmark-cli with the hint and Vornmark's view off and on, and with
the sounds printed.

Usage: counting_shown_changes_nothing.py CLI SCRIPT... [--seeds A B COMMANDS]

Each script runs three times, with the trace log (-D1) and a fresh settings folder: once with the two
display settings absent, once with Hint=1 and VornmarkView=1 in the settings file. Everything must
agree but the window titles (which gain the phase in words while the view is on): every other
printed line, the exit code, the trace byte for byte, and the settings file left behind but for
its Hint and VornmarkView lines. A third run asks for the sounds first (`sounds on`): without its
`sound` lines it prints what the first run printed, and its trace and settings file are the same.
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "reference_play"))

import script_generator  # noqa: E402

SHOWN = {"Hint": 1, "VornmarkView": 1}


def header(lines):
    arguments, settings = ["-D3"], {}
    for line in lines:
        if line.startswith("# args:"):
            arguments = line[len("# args:"):].split()
        elif line.startswith("# settings:"):
            settings = dict((k, int(v)) for k, v in (item.split("=", 1) for item in line[len("# settings:"):].split()))
    return arguments, settings


def run(cli, arguments, settings, script, root, name):
    config = os.path.join(root, name)
    os.makedirs(config)
    # Both runs start from a settings file, so that a run that ends without saving leaves the same.
    script_generator.write_settings_file(os.path.join(config, "vornmark"), settings)
    done = subprocess.run([cli, "-D1"] + arguments, input=script, capture_output=True, timeout=120, cwd=config,
                          env=dict(os.environ, XDG_CONFIG_HOME=config))
    lines = [line for line in done.stdout.split(b"\n") if not line.startswith((b"title ", b"sound "))]
    with open(os.path.join(config, "stats"), "rb") as f:
        trace = f.read()
    saved = os.path.join(config, "vornmark", "VORNMARK.INI")
    kept = b""
    if os.path.exists(saved):
        with open(saved, "rb") as f:
            kept = b"".join(line for line in f.readlines() if not line.startswith((b"Hint=", b"VornmarkView=")))
    return lines, done.returncode, trace, kept


def compare(cli, name, lines, arguments, settings):
    script = ("\n".join(lines) + "\n").encode()
    with tempfile.TemporaryDirectory() as root:
        off = run(cli, arguments, settings, script, root, "off")
        on = run(cli, arguments, dict(settings, **SHOWN), script, root, "on")
        heard = run(cli, arguments, settings, b"sounds on\n" + script, root, "heard")
    for change, other in (("with the counting shown", on), ("with the sounds printed", heard)):
        for what, a, b in zip(("output", "exit code", "trace", "settings file"), off, other):
            if a != b:
                print("%s: the %s differs %s" % (name, what, change))
                return False
    return True


def main(argv):
    cli, rest = argv[1], argv[2:]
    failed = 0
    checked = 0
    if "--seeds" in rest:
        at = rest.index("--seeds")
        first, end, commands = (int(x) for x in rest[at + 1:at + 4])
        for seed in range(first, end):
            lines, arguments, settings = script_generator.generate(seed, commands)
            failed += not compare(cli, "seed %d" % seed, lines, arguments, settings or {})
            checked += 1
        rest = rest[:at] + rest[at + 4:]
    for path in rest:
        with open(path) as f:
            lines = f.read().splitlines()
        arguments, settings = header(lines)
        failed += not compare(cli, os.path.basename(path), lines, arguments, settings)
        checked += 1
    print("%d passed, %d failed" % (checked - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
