#!/usr/bin/env python3
"""Runs vornmark-sim and the reference on the same options and compares their output byte for byte.

Usage: compare_runs.py SIM REFERENCE [--with-trace] -- OPTIONS...

Each program runs in a directory of its own with XDG_CONFIG_HOME pointing at an empty directory, so no
settings file interferes.  Standard output is always compared; with --with-trace both programs also write a
trace file, which must match as well.  On a difference the first differing line of both sides is printed.
"""

import os
import subprocess
import sys
import tempfile


def run_program(command, options, folder, with_trace):
    config = os.path.join(folder, "config")
    os.makedirs(config)
    env = dict(os.environ, XDG_CONFIG_HOME=config)
    args = list(command) + list(options)
    trace = os.path.join(folder, "trace.txt")
    if with_trace:
        args += ["--trace", trace]
    done = subprocess.run(args, cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    text = b""
    if with_trace and os.path.exists(trace):
        with open(trace, "rb") as f:
            text = f.read()
    return done, text


def first_difference(left, right):
    """Line number (from 1) and the two lines where the byte strings first differ, or None when equal."""
    if left == right:
        return None
    left_lines = left.split(b"\n")
    right_lines = right.split(b"\n")
    for number, (a, b) in enumerate(zip(left_lines, right_lines), start=1):
        if a != b:
            return number, a, b
    number = min(len(left_lines), len(right_lines)) + 1
    tail = lambda lines: lines[number - 1] if number <= len(lines) else b"<end of file>"
    return number, tail(left_lines), tail(right_lines)


def report(what, left, right):
    found = first_difference(left, right)
    if found is None:
        return True
    number, a, b = found
    print("%s differs at line %d:" % (what, number))
    print("  vornmark-sim: %r" % a)
    print("  reference:    %r" % b)
    return False


def main(argv):
    if "--" not in argv:
        print(__doc__)
        return 2
    split = argv.index("--")
    head, options = argv[:split], argv[split + 1:]
    with_trace = "--with-trace" in head
    head = [a for a in head if a != "--with-trace"]
    if len(head) != 2:
        print(__doc__)
        return 2
    sim, reference = head
    print("options: %s%s" % (" ".join(options), " (with trace)" if with_trace else ""))
    with tempfile.TemporaryDirectory() as folder:
        sim_dir = os.path.join(folder, "sim")
        ref_dir = os.path.join(folder, "ref")
        os.makedirs(sim_dir)
        os.makedirs(ref_dir)
        sim_done, sim_trace = run_program([sim], options, sim_dir, with_trace)
        ref_done, ref_trace = run_program([sys.executable, reference], options, ref_dir, with_trace)
    same = True
    for name, done in (("vornmark-sim", sim_done), ("reference", ref_done)):
        if done.returncode != 0:
            print("%s ended with code %d; stderr:\n%s" % (name, done.returncode, done.stderr.decode(errors="replace")))
            same = False
    same = report("standard output", sim_done.stdout, ref_done.stdout) and same
    if with_trace:
        if not ref_trace:
            print("the reference wrote no trace")
            same = False
        same = report("trace file", sim_trace, ref_trace) and same
        print("trace: %d bytes from vornmark-sim, %d bytes from the reference" % (len(sim_trace), len(ref_trace)))
    sys.stdout.write(ref_done.stdout.decode())
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
