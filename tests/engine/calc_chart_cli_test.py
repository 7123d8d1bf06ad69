"""Runs gyrolux-calc chart on good and bad arguments (argument: the program's path)."""
import json
import subprocess
import sys

PROGRAM = sys.argv[1]
GOOD = ["--date", "01.01.2000", "--hours", "12", "--lon", "0.0001", "--lat", "51.5001"]
failures = []


def run(*args):
    return subprocess.run([PROGRAM, "chart", *args], capture_output=True, text=True, timeout=60)


def check(condition, what):
    if not condition:
        failures.append(what)


# The reference moment of the year 2000 (values to 0.001 degree).
EXPECTED = [279.614, 0.0, 280.368, 24.297, 223.316, 125.043, 271.920, 241.588, 327.985,
            25.258, 40.388, 314.824, 303.213, 251.487, 243.954, 78.246, 185.444, 87.929,
            201.323, 49.069, 110.403, 214.626, 266.883]
BACKWARDS = {10, 15, 17, 19, 20}  # SA, HA, KR, AD, VU

result = run(*GOOD, "--json")
check(result.returncode == 0, f"json run failed: {result.stderr}")
chart = json.loads(result.stdout)
check(set(chart) == {"factorLongitude", "retrograde", "centuriesT", "negObliquity", "ramc",
                     "localSiderealHours", "siderealText", "ramcText", "indexSiderealText",
                     "indexDateText"}, f"keys {sorted(chart)}")
check(len(chart["factorLongitude"]) == 23 and len(chart["retrograde"]) == 23, "23 entries")
for i, (got, want) in enumerate(zip(chart["factorLongitude"], EXPECTED)):
    check(abs(got - want) < 0.0006, f"factor {i}: {got} != {want}")
check(chart["retrograde"] == [1 if i in BACKWARDS else 0 for i in range(23)], "retrograde set")
check(chart["centuriesT"] == 1.0, "centuriesT")
check(chart["siderealText"] == "06:41:50" and chart["indexSiderealText"] == "18:41:50", "texts")
check(chart["ramcText"] == "18:41:50" and chart["indexDateText"] == "02.07.1999", "texts")
# Every number carries 17 significant digits, so the text reads back to the same double.
check('"negObliquity":-0.40909263647679' in result.stdout, "17 digits")

result = run(*GOOD)
check(result.returncode == 0 and result.stderr == "", "table run")
lines = result.stdout.splitlines()
rows = {line[:2]: line for line in lines if line[:2] in ("SO", "SA", "GZ", "MO")}
# SO at 280.368: 10°22' in the tenth sign, not retrograde.
check(rows.get("SO", "").split() == ["SO", "280.368029", "10°22'", "STE", "10°22'"],
      f"SO row {rows.get('SO')}")
check(rows.get("SA", "").rstrip().endswith("R") and "STI" in rows["SA"], f"SA row {rows.get('SA')}")
check("Index Dat  02.07.1999" in lines, "index date line")

BAD = [
    ["--date", "31.02.2025", "--hours", "1", "--lon", "0", "--lat", "0"],
    ["--date", "1.1.2000", "--hours", "1", "--lon", "0", "--lat", "0"],
    ["--date", "01.01.2000", "--hours", "abc", "--lon", "0", "--lat", "0"],
    ["--date", "01.01.2000", "--hours", "1", "--lon", "0", "--lat"],
    ["--date", "01.01.2000", "--hours", "1", "--lon", "0"],
    ["--date", "01.01.2000", "--hours", "100", "--lon", "0", "--lat", "0"],
    ["--date", "01.01.2000", "--hours", "1", "--lon", "181", "--lat", "0"],
    ["--date", "01.01.2000", "--hours", "1", "--lon", "nan", "--lat", "0"],
    ["--date", "01.01.2000", "--hours", "1", "--lon", "0", "--lat", "0", "--colour", "red"],
    ["--date", "01.01.2000", "--date", "02.01.2000", "--hours", "1", "--lon", "0", "--lat", "0"],
    ["--date", "29.02.1900", "--hours", "1", "--lon", "0", "--lat", "0"],
]
for args in BAD:
    result = run(*args)
    check(result.returncode == 2, f"{args}: status {result.returncode}")
    check(result.stdout == "", f"{args}: stdout {result.stdout!r}")
    check(len(result.stderr.splitlines()) == 1, f"{args}: stderr {result.stderr!r}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(BAD) + 2} cases, {len(failures)} failures")
sys.exit(1 if failures else 0)
