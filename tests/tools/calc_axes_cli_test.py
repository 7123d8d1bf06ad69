"""Runs gyrolux-calc axes on good and bad arguments (argument: the program's path)."""
import subprocess
import sys

PROGRAM = sys.argv[1]
GOOD = ["--date", "01.01.2000", "--hours", "12", "--lon", "0.0001", "--lat", "51.5001"]
failures = []


def run(*args):
    return subprocess.run([PROGRAM, "axes", *args], capture_output=True, timeout=60)


def check(condition, what):
    if not condition:
        failures.append(what)


# Four lists, each started by its header, one empty line between two lists.
result = run(*GOOD)
check(result.returncode == 0 and result.stderr == b"", f"good run: {result.stderr!r}")
lines = result.stdout.decode("utf-8").split("\n")
check(lines[-1] == "", "output ends with a line end")
# Each header " MC/MC = 09°37'" names the axis and its position within the 22.5 degrees.
starts = [n for n, line in enumerate(lines) if line[6:9] == " = "]
headers = [lines[n][1:6] for n in starts]
check(headers == ["MC/MC", "SO/SO", "AS/AS", "MO/MO"], f"headers {headers}")
check(starts[:1] == [0], "the first list opens the output")
for n in starts[1:]:
    check(lines[n - 1] == "", f"empty line before {lines[n]!r}")
check(run(*GOOD, "--orb", "1.18").stdout == result.stdout, "the orb 1.18 is the default")
check(run(*GOOD, "--orb=1.18").stdout == result.stdout, "--orb=1.18 as --orb 1.18")
check(run(*GOOD, "--orb", "0.5").returncode == 0, "a smaller orb")
south_west = run("--date", "01.01.2000", "--hours", "12", "--lon", "-3.2", "--lat=-33.75")
check(south_west.returncode == 0 and south_west.stdout.startswith(b" MC/MC = "), "negative values")
usage = run("--help")
check(usage.returncode == 0 and usage.stderr == b"", "axes --help")
check(all(o in usage.stdout for o in (b"Usage: gyrolux-calc axes", b"--date", b"--orb <O>")),
      f"axes --help: {usage.stdout!r}")

BAD = [
    [],                                              # nothing given
    GOOD[:6],                                        # no latitude
    [*GOOD, "--orb"],                                # option without value
    [*GOOD, "--orb", "0"],                           # orb not above 0
    [*GOOD, "--orb", "-1"],
    [*GOOD, "--orb", "12"],                          # more than half of 22.5 degrees
    [*GOOD, "--orb", "nan"],
    [*GOOD, "--orb", "1,18"],                        # comma as separator
    [*GOOD, "--orb", "1e400"],
    [*GOOD, "--lat", "10"],                          # repeated option
    [*GOOD, "--orb=1", "--orb", "2"],
    [*GOOD, "--json"],                               # unknown option
    [*GOOD, "stellium"],                             # unexpected argument
    ["--date", "31.02.2000", *GOOD[2:]],             # no such day
    ["--date", "01.01.10000", *GOOD[2:]],
    ["--date", "1.1.2000", *GOOD[2:]],
    [*GOOD[:2], "--hours", "100", *GOOD[4:]],
    [*GOOD[:2], "--hours", "-1", *GOOD[4:]],
    [*GOOD[:4], "--lon", "181", *GOOD[6:]],
    [*GOOD[:6], "--lat", "abc"],
]
for args in BAD:
    bad = run(*args)
    err = bad.stderr.decode("utf-8", "replace")
    check(bad.returncode == 2, f"{args}: exit {bad.returncode}")
    check(bad.stdout == b"", f"{args}: output on stdout")
    check(err.count("\n") == 1 and err.startswith("gyrolux-calc axes: "), f"{args}: {err!r}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
