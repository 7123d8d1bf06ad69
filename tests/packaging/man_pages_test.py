"""The man pages format without a warning, and gyrolux-calc's page names every verb, every
option and every JSON key the program itself offers.

    man_pages_test.py <folder of the pages> <gyrolux-calc>
"""
import json
import re
import sys
from pathlib import Path

from packaging_support import check, check_run, sanitizer_environment

pages, calc = Path(sys.argv[1]), sys.argv[2]
for page in ("gyrolux.1", "gyrolux-calc.1"):
    result = check_run(["groff", "-man", "-Tutf8", "-ww", "-z", str(pages / page)])
    check(result.stderr == "", page + ": " + result.stderr)

manual = (pages / "gyrolux-calc.1").read_text()
# In roff a minus is written \-.
documented = set(re.findall(r"\\-\\-([a-z][a-z\\-]*)", manual))
documented = {name.replace("\\-", "-") for name in documented}
sections = set(re.findall(r"^\.SS (\S+)", manual, re.M))


def help_of(*arguments):
    return check_run([calc, *arguments, "--help"], env=sanitizer_environment()).stdout


top = help_of()
# The frame of the help is Qt's, in German once the program has installed Qt's German.
check(top.startswith("Aufruf: gyrolux-calc"), "gyrolux-calc --help not German: " + top[:40])
verbs = re.findall(r"^  (\S+)  ", top.split("Verben:", 1)[1], re.M)
check(verbs, "no verbs in gyrolux-calc --help")
missing = []
for verb in verbs:
    if verb not in sections:
        missing.append("verb " + verb)
    for option in re.findall(r"--([a-z][a-z-]*)", help_of(verb)):
        if option not in documented:
            missing.append(f"{verb} --{option}")
for option in re.findall(r"--([a-z][a-z-]*)", top.split("Argumente:", 1)[0]):
    if option not in documented:
        missing.append("--" + option)
# Every key of every verb's JSON, nested ones too, stands in bold (.B or .BR) in the page.
bold = set()
for line in manual.splitlines():
    if line.startswith((".B ", ".BR ")):
        bold.update(re.findall(r"[A-Za-z]+", line.replace("\\-", "-")))


def keys(value):
    if isinstance(value, list):
        return set().union(*map(keys, value)) if value else set()
    if isinstance(value, dict):
        return set(value).union(*map(keys, value.values()))
    return set()


MOMENT = ["--date", "05.12.2026", "--hours", "10.5", "--lon", "10", "--lat", "50"]
for verb in (["chart"], ["axes"], ["list", "faktoren"], ["search", "picture", "so", "mo", "ma", "ju"],
             ["search", "picture", "so", "mo", "ma", "ju", "--all"]):
    limit = ["--max-steps", "3000"] if verb[0] == "search" else []
    result = check_run([calc, *verb, *MOMENT, *limit, "--json"], env=sanitizer_environment())
    for key in sorted(keys(json.loads(result.stdout))):
        if key not in bold:
            missing.append(f"{verb[0]} JSON key {key}")
check(not missing, "not in gyrolux-calc.1: " + ", ".join(missing))
print("man pages clean; verbs documented:", ", ".join(verbs))
