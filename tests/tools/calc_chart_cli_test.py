"""Runs gyrolux-calc, its help and version and the verb chart, on good and bad arguments
(argument: the program's path)."""
import json
import subprocess
import sys

PROGRAM = sys.argv[1]
GOOD = ["--date", "01.01.2000", "--hours", "12", "--lon", "0.0001", "--lat", "51.5001"]
failures = []


def calc(*args):
    return subprocess.run([PROGRAM, *args], capture_output=True, text=True, timeout=60)


def check(condition, what):
    if not condition:
        failures.append(what)


# Asked for help or the version: the texts on stdout, exit 0, nothing on stderr.
ASKED = [
    (["--help"], ["Usage: gyrolux-calc", "\n  chart ", "\n  axes "]),
    (["-h"], ["Usage: gyrolux-calc", "\n  chart "]),
    (["chart", "--help"], ["Usage: gyrolux-calc chart [options]\n", "--date <DD.MM.YYYY>",
                           "--hours <H>", "--lon <L>", "--lat <B>", "--json"]),
    (["chart", *GOOD, "-h"], ["Usage: gyrolux-calc chart"]),
]
for args, texts in ASKED:
    result = calc(*args)
    check(result.returncode == 0 and result.stderr == "", f"{args}: {result.stderr!r}")
    check(all(text in result.stdout for text in texts), f"{args}: {result.stdout!r}")
version = calc("--version")
check(version.returncode == 0 and version.stdout == "gyrolux-calc 5.0.0\n", "version line")
result = calc()
check(result.returncode == 2 and result.stdout == "" and "Usage: gyrolux-calc" in result.stderr,
      "no arguments: usage on stderr")

# The reference moment of the year 2000 (values to 0.001 degree).
EXPECTED = [279.614, 0.0, 280.368, 24.297, 223.316, 125.043, 271.920, 241.588, 327.985,
            25.258, 40.388, 314.824, 303.213, 251.487, 243.954, 78.246, 185.444, 87.929,
            201.323, 49.069, 110.403, 214.626, 266.883]
BACKWARDS = {10, 15, 17, 19, 20}  # SA, HA, KR, AD, VU

result = calc("chart", *GOOD, "--json")
check(result.returncode == 0, f"json run failed: {result.stderr}")
check(result.stdout.endswith("}\n") and result.stdout.count("\n") == 1, "json on one line")
chart = json.loads(result.stdout)
check(set(chart) == {"factorLongitude", "retrograde", "centuriesT", "negObliquity", "ramc",
                     "localSiderealHours", "siderealText", "ramcText", "indexSiderealText",
                     "indexDateText", "ephemeris"}, f"keys {sorted(chart)}")
check(chart["ephemeris"] == "model", "the model by default")
check(len(chart["factorLongitude"]) == 23 and len(chart["retrograde"]) == 23, "23 entries")
for i, (got, want) in enumerate(zip(chart["factorLongitude"], EXPECTED)):
    check(abs(got - want) < 0.0006, f"factor {i}: {got} != {want}")
check(chart["retrograde"] == [1 if i in BACKWARDS else 0 for i in range(23)], "retrograde set")
check(chart["centuriesT"] == 1.0, "centuriesT")
check(chart["siderealText"] == "06:41:50" and chart["indexSiderealText"] == "18:41:50", "texts")
check(chart["ramcText"] == "18:41:50" and chart["indexDateText"] == "02.07.1999", "texts")
# At 18h the moment lies 36525.25 days after JD 2415020.0; the quotient needs all 17
# digits to read back to the same double.
evening = json.loads(calc("chart", *GOOD[:3], "18", *GOOD[4:], "--json").stdout)
check(evening["centuriesT"] == 36525.25 / 36525, f"centuriesT {evening['centuriesT']!r}")

# The modern sky: swetest's values for the moment (swetest -b1.1.2000 -ut12:00
# -p0m1234567890JKLMNOPQ -emos -house0.0001,51.5001,O -fPl), to 1e-6 degrees.
SWETEST = {0: 279.6111800, 2: 280.3689197, 3: 24.2876194, 4: 223.3237754, 5: 125.0406461,
           6: 271.8892750, 7: 241.5657983, 8: 327.9633133, 9: 25.2530303, 10: 40.3956390,
           11: 314.8092232, 12: 303.1929812, 13: 251.4547088, 14: 243.8964584, 15: 78.1803890,
           16: 185.3882914, 17: 87.7983601, 18: 201.3065087, 19: 49.1151501, 20: 110.4384264,
           21: 214.5580800}
swiss = json.loads(calc("chart", *GOOD, "--ephemeris", "swiss", "--json").stdout)
check(swiss["ephemeris"] == "swiss", "the modern sky named")
for i, want in SWETEST.items():
    check(abs(swiss["factorLongitude"][i] - want) < 1e-6, f"swiss factor {i}: {swiss['factorLongitude'][i]} != {want}")
check(swiss["factorLongitude"][22] == chart["factorLongitude"][22], "GZ as the model's")
table = calc("chart", *GOOD, "--ephemeris=swiss")
check(table.returncode == 0 and table.stdout.endswith("Ephemeride: Swiss Ephemeris\n"), "the table names the sky")
# Refused: an unknown sky, and the modern sky beyond the library's years.
for args, text in [([*GOOD, "--ephemeris", "jpl"], "--ephemeris"),
                   (["--date", "01.01.3001", *GOOD[2:], "--ephemeris", "swiss"], "3000")]:
    refused = calc("chart", *args)
    check(refused.returncode == 2 and refused.stdout == "" and text in refused.stderr, f"{args}: {refused.stderr!r}")

result = calc("chart", *GOOD)
check(result.returncode == 0 and result.stderr == "", "table run")
lines = result.stdout.splitlines()
rows = {line[:2]: line for line in lines if line[:2] in ("SO", "SA", "GZ", "MO")}
# SO at 280.368: 10°22' in the tenth sign, not retrograde.
check(rows.get("SO", "").split() == ["SO", "280.368029", "10°22'", "STE", "10°22'"],
      f"SO row {rows.get('SO')}")
check(rows.get("SA", "").rstrip().endswith("R") and "STI" in rows["SA"], f"SA row {rows.get('SA')}")
check("Index Dat  02.07.1999" in lines, "index date line")

# One table however the options are written: --name=value, another order, negative values.
SOUTH_WEST = [
    ["--date", "01.01.2000", "--hours", "12", "--lon", "-3.2", "--lat", "-33.75"],
    ["--date=01.01.2000", "--hours=12", "--lon=-3.2", "--lat=-33.75"],
    ["--lat", "-33.75", "--lon=-3.2", "--hours", "12", "--date=01.01.2000"],
]
tables = [calc("chart", *args) for args in SOUTH_WEST]
check(tables[0].stdout.startswith(
    "Chart 01.01.2000 12:00:00 WZ/GMT, longitude -3.2000, latitude -33.7500\n"), "first line")
for args, table in zip(SOUTH_WEST, tables):
    check(table.returncode == 0 and table.stdout == tables[0].stdout, f"{args}: another table")

BAD = [
    ["chart", "--date", "31.02.2025", "--hours", "1", "--lon", "0", "--lat", "0"],
    ["chart", "--date", "1.1.2000", *GOOD[2:]],
    ["chart", "--date", "29.02.1900", *GOOD[2:]],
    ["chart", *GOOD[:2], "--hours", "abc", *GOOD[4:]],
    ["chart", *GOOD[:2], "--hours", "100", *GOOD[4:]],
    ["chart", *GOOD[:4], "--lon", "181", *GOOD[6:]],
    ["chart", *GOOD[:4], "--lon", "nan", *GOOD[6:]],
    ["chart", *GOOD[:6], "--lat"],                   # no value
    ["chart", *GOOD[:6]],                            # no latitude
    ["chart", *GOOD, "--colour", "red"],             # unknown option
    ["chart", *GOOD, "--json=1"],                    # a value for a switch
    ["chart", *GOOD, "extra"],                       # unexpected argument
    ["chart", *GOOD, "--date", "02.01.2000"],        # repeated option
    ["chart", *GOOD, "--lat=10"],
    ["chart", *GOOD, "--json", "--json"],
    ["chart", *GOOD, "--x\ny"],                      # line end in an option
    ["chart", "--date", "01.01.\n2000", *GOOD[2:]],  # line end in a value
    ["chart", "--date", "\udcff\x01", *GOOD[2:]],    # bytes that are no UTF-8
    ["frobnicate", *GOOD],                           # unknown verb
    ["--frob", "chart", *GOOD],                      # unknown option before the verb
]
for args in BAD:
    result = calc(*args)
    prefix = "gyrolux-calc chart: " if args[0] == "chart" else "gyrolux-calc: "
    check(result.returncode == 2, f"{args}: status {result.returncode}")
    check(result.stdout == "", f"{args}: stdout {result.stdout!r}")
    check(len(result.stderr.splitlines()) == 1 and result.stderr.endswith("\n") and
          result.stderr.startswith(prefix), f"{args}: stderr {result.stderr!r}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(ASKED) + len(SOUTH_WEST) + len(BAD) + 6} cases, {len(failures)} failures")
sys.exit(1 if failures else 0)
