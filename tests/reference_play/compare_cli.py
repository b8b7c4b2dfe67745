#!/usr/bin/env python3
"""Runs a script through vornmark-cli and through the reference driver and compares them byte for byte.

Usage:
  compare_cli.py CLI --script FILE         a hand-written script
  compare_cli.py CLI --seeds A B COMMANDS [--without-display]
                                          generated scripts for the seeds A to B - 1 (without the
                                          display lines: the scripts as before the display existed)

A script's leading comments "# args: ..." and "# settings: KEY=VALUE ..." give the programs' arguments
(default -D3) and the settings file laid in the fresh settings directory before the run.  Standard output,
the exit code and the values of the settings file left behind must all match.
"""

import io
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cli_reference  # noqa: E402
import script_generator  # noqa: E402
import settings_store  # noqa: E402

TIMEOUT_SECONDS = 60


def script_header(lines):
    arguments, settings = ["-D3"], None
    for line in lines:
        if line.startswith("# args:"):
            arguments = line[len("# args:"):].split()
        elif line.startswith("# settings:"):
            pairs = (item.split("=", 1) for item in line[len("# settings:"):].split())
            settings = {key: int(value) for key, value in pairs}
    return arguments, settings


def fresh_settings_dir(root, name, settings):
    config = os.path.join(root, name)
    os.makedirs(config)
    if settings:
        script_generator.write_settings_file(os.path.join(config, "vornmark"), settings)
    return config


def run_cli(cli, arguments, script_bytes, config):
    # The statistics of the games played go to a folder of the run's own, never the user's; the
    # reference keeps none.
    environment = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"))
    try:
        done = subprocess.run([cli] + arguments, input=script_bytes, capture_output=True, env=environment,
                              timeout=TIMEOUT_SECONDS, cwd=config)
    except subprocess.TimeoutExpired as stopped:
        return stopped.stdout or b"", "no exit within %d s" % TIMEOUT_SECONDS, stopped.stderr or b""
    return done.stdout, done.returncode, done.stderr


def run_reference(arguments, script_bytes, config):
    """Returns the output, 0, and for each output line the index of the script line that printed it."""
    stream = io.StringIO()
    driver = cli_reference.Driver(arguments, stream, {"XDG_CONFIG_HOME": config})
    lines = cli_reference.read_lines(script_bytes)
    owners = []
    done = [-1]

    def after_each(index):
        printed = stream.getvalue().count("\n")
        owners.extend([index] * (printed - len(owners)))
        done[0] = index

    driver.run(lines, after_each)
    # What the last line printed as it ended the program.
    printed = stream.getvalue().count("\n")
    owners.extend([done[0] + 1] * (printed - len(owners)))
    return stream.getvalue().encode("latin-1"), 0, owners, lines


def first_difference(expected, actual):
    for number, (a, b) in enumerate(zip(expected, actual)):
        if a != b:
            return number
    return min(len(expected), len(actual)) if len(expected) != len(actual) else None


def compare(cli, name, script_lines):
    """Returns a list of complaints, empty when both programs agree."""
    script_bytes = "".join(line + "\n" for line in script_lines).encode("latin-1")
    arguments, settings = script_header(script_lines)
    with tempfile.TemporaryDirectory() as root:
        cpp_config = fresh_settings_dir(root, "cpp", settings)
        ref_config = fresh_settings_dir(root, "ref", settings)
        cpp_out, cpp_code, cpp_err = run_cli(cli, arguments, script_bytes, cpp_config)
        ref_out, ref_code, owners, lines = run_reference(arguments, script_bytes, ref_config)
        complaints = []
        if cpp_out != ref_out:
            expected = ref_out.decode("latin-1").split("\n")
            actual = cpp_out.decode("latin-1").split("\n")
            k = first_difference(expected, actual)
            owner = owners[k] if k < len(owners) else (owners[-1] if owners else 0)
            agreed = owners[k - 1] + 1 if 0 < k <= len(owners) else 0
            complaints.append(
                "%s: output line %d differs (the last agreeing line came from script line %d)\n"
                "  script line %d: %r\n  reference: %r\n  vornmark-cli: %r\n  reference lines before it:\n%s"
                % (name, k + 1, agreed, owner + 1, lines[owner] if owner < len(lines) else "(end of input)",
                   expected[k] if k < len(expected) else "(nothing)", actual[k] if k < len(actual) else "(nothing)",
                   "".join("    %s\n" % line for line in expected[max(0, k - 5):k])))
        if cpp_code != ref_code:
            complaints.append("%s: exit code %s, the reference's %d; stderr %r" % (name, cpp_code, ref_code,
                                                                                   cpp_err[-500:]))
        cpp_settings = settings_store.stored_values(os.path.join(cpp_config, "vornmark"))
        ref_settings = settings_store.stored_values(os.path.join(ref_config, "vornmark"))
        if cpp_settings != ref_settings:
            complaints.append("%s: settings left behind %r, the reference's %r" % (name, cpp_settings, ref_settings))
    return complaints


def main(argv):
    cli = argv[0]
    cases = []
    if argv[1] == "--script":
        with open(argv[2], "rb") as f:
            cases.append((os.path.basename(argv[2]), cli_reference.read_lines(f.read())))
    elif argv[1] == "--seeds":
        first, end, commands = (int(a) for a in argv[2:5])
        display = "--without-display" not in argv[5:]
        for seed in range(first, end):
            lines, _, _ = script_generator.generate(seed, commands, display)
            cases.append(("seed %d (script_generator.py %d %d)" % (seed, seed, commands), lines))
    else:
        sys.stderr.write(__doc__)
        return 2
    failures = 0
    for name, lines in cases:
        complaints = compare(cli, name, lines)
        failures += 1 if complaints else 0
        for complaint in complaints:
            print(complaint)
    print("%d passed, %d failed" % (len(cases) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
