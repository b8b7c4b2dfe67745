#!/usr/bin/env python3
"""Plays the same scripts through vornmark-cli as they are and with `restart` after every line.

Usage: restart_changes_nothing.py CLI SCRIPT... [--seeds A B COMMANDS]

Each script runs twice in fresh settings, data and state folders. A restart ends the program as
File/Exit does and starts it again, resuming the game; it must change nothing: the output byte
for byte (titles included), the exit code, and the settings and statistics files left behind (a
resumed game is recorded once, when it ends; the settings file only where the script ends the
program as File/Exit does, since a restart saves the settings and an end from a warning box does not).
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "reference_play"))

import script_generator  # noqa: E402


def header(lines):
    arguments, settings = ["-D3"], None
    for line in lines:
        if line.startswith("# args:"):
            arguments = line[len("# args:"):].split()
        elif line.startswith("# settings:"):
            settings = dict((k, int(v)) for k, v in (item.split("=", 1) for item in line[len("# settings:"):].split()))
    return arguments, settings


def read(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def run(cli, arguments, settings, script, root, name):
    home = os.path.join(root, name)
    os.makedirs(home)
    if settings:
        script_generator.write_settings_file(os.path.join(home, "vornmark"), settings)
    environment = dict(os.environ, XDG_CONFIG_HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                       XDG_STATE_HOME=os.path.join(home, "state"))
    done = subprocess.run([cli] + arguments, input=script, capture_output=True, timeout=240, cwd=home,
                          env=environment)
    settings_file = read(os.path.join(home, "vornmark", "VORNMARK.INI"))
    if settings_file is not None:
        # The keys written only once set: a restart that saved one while set leaves it in the file
        # at its default later, and in the order the saves met them, as quitting and starting
        # again would. The values are compared.
        settings_file = sorted(line.strip() for line in settings_file.splitlines()
                               if line.strip() not in (b"Hint=0", b"VornmarkView=0"))
    return (done.stdout, done.returncode, settings_file, read(os.path.join(home, "data", "vornmark", "statistics")))


def compare(cli, name, lines, arguments, settings):
    plain = ("\n".join(lines) + "\n").encode()
    restarted = ("".join(line + "\nrestart\n" for line in lines)).encode()
    with tempfile.TemporaryDirectory() as root:
        once = run(cli, arguments, settings, plain, root, "once")
        again = run(cli, arguments, settings, restarted, root, "restarted")
    for what, a, b in zip(("output", "exit code", "settings file", "statistics file"), once, again):
        # A program that ended from a warning box saved no settings; each restart before did.
        ended_by_box = "--cancel-warnings" in arguments and b"\nwarning " in b"\n" + once[0]
        if what == "settings file" and (a is None or ended_by_box):
            continue
        if a != b:
            print("%s: the %s differs with restarts" % (name, what))
            if what == "output":
                a_lines, b_lines = a.split(b"\n"), b.split(b"\n")
                for i, (x, y) in enumerate(zip(a_lines, b_lines)):
                    if x != y:
                        print("  line %d: %r != %r" % (i + 1, x, y))
                        break
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
            failed += not compare(cli, "seed %d" % seed, lines, arguments, settings)
            checked += 1
        rest = rest[:at] + rest[at + 4:]
    for path in rest:
        with open(path) as f:
            lines = f.read().splitlines()
        arguments, settings = header(lines)
        beside = path[:-len(".script")] + ".args"
        if os.path.exists(beside):
            with open(beside) as f:
                arguments = f.read().split()
        failed += not compare(cli, os.path.basename(path), lines, arguments, settings)
        checked += 1
    print("%d passed, %d failed" % (checked - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
