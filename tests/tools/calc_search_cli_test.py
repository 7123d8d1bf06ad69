"""Runs gyrolux-calc search on good and bad arguments (argument: the program's path)."""
import json
import subprocess
import sys

PROGRAM = sys.argv[1]
MOMENT = ["--date", "01.01.2000", "--hours", "12", "--lon", "13.4", "--lat", "52.5"]
failures = []


def run(*args):
    return subprocess.run([PROGRAM, "search", *args], capture_output=True, timeout=120)


def run_json(*args):
    result = run(*args, "--json")
    if result.returncode != 0:
        failures.append(f"{args}: exit {result.returncode} {result.stderr!r}")
        return None
    return json.loads(result.stdout)


def check(condition, what):
    if not condition:
        failures.append(what)


# CU/AP = HA/KR does not come within 1.18 degrees in the whole century: the search passes
# the stop year. Moments: 72 on the first day from 12:00, then 144 on each day from
# 2.1.2000 to 31.12.2100 (36889 days, 25 of the 101 years leap years); it stops at the
# first moment of 2101.
out = run_json("picture", "cu", "ap", "ha", "kr", *MOMENT)
check(out == {"found": False, "steps": 72 + 36889 * 144, "reason": "stop-year", "stopYear": 2100,
              "orb": 1.18, "resultLine": None, "dateLabel": None, "timeLabel": None, "ephemeris": "model",
              "moment": {"day": 1, "month": 1, "year": 2101, "hours": 0, "dateText": "01.01.2101"}},
      f"century without a hit: {out}")

# A step limit: after the 72 moments of the first day the moment stands at midnight.
out = run_json("picture", "cu", "ap", "ha", "kr", *MOMENT, "--max-steps", "72")
check(out and out["reason"] == "max-steps" and out["steps"] == 72 and
      out["moment"] == {"day": 2, "month": 1, "year": 2000, "hours": 0, "dateText": "02.01.2000"},
      f"step limit: {out}")
# Passing the stop year on the last step allowed counts as stop-year (the last year is 9999).
out = run_json("picture", "cu", "ap", "ha", "kr", "--date", "31.12.9999", "--hours", "23.5",
               "--lon", "0", "--lat", "0", "--max-steps", "3")
check(out and out["reason"] == "stop-year" and out["steps"] == 3 and out["stopYear"] == 9999,
      f"stop year on the last step: {out}")

# A picture that holds at the start is found there, without a step: MC/SO = MC/SO.
out = run_json("picture", "SO", "mc", "0", "2", *MOMENT)
check(out and out["found"] and out["steps"] == 1 and out["moment"]["hours"] == 12, f"at once: {out}")
check(out and out["resultLine"].startswith("     MC/SO=MC/SO ") and
      out["resultLine"].endswith(" gefunden: Datum:01.01.2000  WZ:12:00:00"), f"result line {out}")
check(out and out["dateLabel"] == "Sa, 01.01.2000" and out["timeLabel"] == "12:00:00 WZ/GMT",
      f"labels {out}")
text = run("picture", "SO", "mc", "0", "2", *MOMENT).stdout.decode("utf-8").split("\n")
check(text[0] == out["resultLine"] and "01.01.2000 12:00:00" in text[1] and text[2] == "steps: 1",
      f"text output {text}")

# Names in any case, numbers and the placeholder in both forms name the same factors.
same = [run_json("picture", *f, *MOMENT, "--max-steps", "3000")
        for f in (["so", "--", "mo", "--"], ["2", "23", "MO", "23"], ["--", "SO", "--", "4"])]
check(same[0] is not None and same.count(same[0]) == 3, f"factor forms: {same}")
check(same[0] and same[0]["found"] and same[0]["resultLine"].startswith("     SO/--=MO/-- "),
      f"placeholder: {same[0]}")

# The fast search and the plain loop agree, also at a step limit and on the angle search.
for args in (["picture", "mc", "as", "so", "mo", "--orb", "0.3"], ["angle", "mc", "ma", "22", "30"]):
    fast = run_json(*args, *MOMENT, "--max-steps", "4000")
    plain = run_json(*args, *MOMENT, "--max-steps", "4000", "--plain")
    check(fast is not None and fast == plain, f"{args}: fast {fast} plain {plain}")
angle = run_json("angle", "mo", "ju", "7", "5", *MOMENT)
check(angle and angle["orb"] == 1.1 and angle["resultLine"].startswith("         MO/JU=") and
      " gefunden: Datum: " in angle["resultLine"] and "   WZ: " in angle["resultLine"], f"angle {angle}")

# Every stay of SO/MO = MA/JU within 2000 moments: in order, each alarm moment within its
# stay, the first the moment the alarm stops at, and the closest approach within the orb.
hits = run_json("picture", "so", "mo", "ma", "ju", *MOMENT, "--all", "--max-steps", "2000")
alarm = run_json("picture", "so", "mo", "ma", "ju", *MOMENT)


def clock(moment):
    return (moment["year"], moment["month"], moment["day"], moment["timeText"])


check(hits and all(set(h) == {"first", "enters", "exact", "leaves", "exactDistance"} for h in hits),
      f"keys of all hits: {hits}")
check(hits and hits[0]["first"]["dateText"] == alarm["moment"]["dateText"] and
      hits[0]["first"]["hours"] == alarm["moment"]["hours"], f"first hit {hits[:1]} alarm {alarm}")
for h in hits or []:
    check(clock(h["enters"]) <= clock(h["first"]) <= clock(h["leaves"]) and
          clock(h["enters"]) <= clock(h["exact"]) <= clock(h["leaves"]) and 0 <= h["exactDistance"] < 1.18,
          f"stay {h}")
check(len(hits or []) == len(run("picture", "so", "mo", "ma", "ju", *MOMENT, "--all", "--max-steps",
                                 "2000").stdout.splitlines()), "one text line per stay")

usage = run("--help")
check(usage.returncode == 0 and b"picture A B C D | angle A B DEG MIN" in usage.stdout, "search --help")

BAD = [
    ["picture", "xx", "mc", "so", "mo", *MOMENT],       # unknown factor
    ["picture", "so", "mc", "24", "mo", *MOMENT],       # number past the placeholder
    ["angle", "so", "mc", "23", "0", *MOMENT],          # degrees
    ["angle", "so", "mc", "22", "31", *MOMENT],         # past 22°30'
    ["angle", "so", "mc", "5", "x", *MOMENT],
    ["angle", "so", "mc", "5", "5", "--orb", "1", *MOMENT],  # the angle search has its orb
    ["picture", "so", "mc", "ma", "ju", "--orb", "12", *MOMENT],
    ["picture", "so", "mc", "ma", "ju", "--orb", "-0.5", *MOMENT],
    ["picture", "so", "mc", "ma", "ju", "--max-steps", "0", *MOMENT],
    ["picture", "so", "mc", "ma", "ju", "--max-steps", "1.5", *MOMENT],
    ["picture", "so", "mc", "ma", "ju", "--plain", "--all", *MOMENT],
    ["picture", "so", "mc", "ma", *MOMENT],             # one factor short
    ["circle", "so", "mc", "ma", "ju", *MOMENT],        # no such search
    ["picture", "so", "mc", "ma", "ju", "--date", "29.02.2100", *MOMENT[2:]],
    ["picture", "so", "mc", "ma", "ju", *MOMENT[:6]],   # no latitude
    ["picture", "so", "mc", "ma", "ju", "--all", "--all", *MOMENT],
]
MESSAGES = {0: "Das ist keine gültige Halbsumme!", 1: "Das ist keine gültige Halbsumme!",
            2: "Das ist kein gültiger Gradwert!", 3: "Das ist kein gültiger Minutenwert!",
            4: "Das ist kein gültiger Minutenwert!"}
for n, args in enumerate(BAD):
    bad = run(*args)
    err = bad.stderr.decode("utf-8", "replace")
    check(bad.returncode == 2, f"{args}: exit {bad.returncode}")
    check(bad.stdout == b"", f"{args}: output on stdout")
    check(err.count("\n") == 1 and err.startswith("gyrolux-calc search: "), f"{args}: {err!r}")
    if n in MESSAGES:
        check(err == f"gyrolux-calc search: {MESSAGES[n]}\n", f"{args}: {err!r}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
