"""The man pages format without a warning, and gyrolux-calc's page names every verb and every
option the program itself offers (the JSON keys themselves: calc_cli_test.cpp).

    man_pages_test.py <folder of the pages> <gyrolux-calc>
"""
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
check(not missing, "not in gyrolux-calc.1: " + ", ".join(missing))
print("man pages clean; verbs documented:", ", ".join(verbs))
