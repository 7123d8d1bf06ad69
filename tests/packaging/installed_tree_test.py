"""cmake --install gives the complete tree, and the programs work from the prefix alone.

    installed_tree_test.py <build folder> <scratch folder>
"""
import re
import shutil
import sys
import tempfile
from pathlib import Path

from packaging_support import APP_ID, check, check_chart, check_run, installed_files, run

build, scratch = Path(sys.argv[1]), Path(sys.argv[2])
shutil.rmtree(scratch, ignore_errors=True)
prefix = scratch / "prefix"
check_run(["cmake", "--install", str(build), "--prefix", str(prefix)])

found = sorted(str(p.relative_to(prefix)) for p in prefix.rglob("*") if not p.is_dir())
check(found == installed_files(),
      "installed files differ:\n  missing: %s\n  extra: %s"
      % (sorted(set(installed_files()) - set(found)), sorted(set(found) - set(installed_files()))))
for program in ("bin/gyrolux", "bin/gyrolux-calc"):
    check((prefix / program).stat().st_mode & 0o111, program + " is not executable")

# The data folder holds what the build folder holds (nothing stale, nothing altered).
source = Path(__file__).resolve().parents[2]
for name, original in [("W-ORTE.TXT", "resources/W-ORTE.TXT"), ("MC-ERGNW.TXT", "resources/MC-ERGNW.TXT"),
                       ("Radivuru.TTF", "resources/Radivuru.TTF")]:
    check((prefix / "share/gyrolux" / name).read_bytes() == (source / original).read_bytes(), name + " differs")

# The installed gyrolux-calc works from another folder, with the build folder out of reach.
with tempfile.TemporaryDirectory() as elsewhere:
    moved = Path(elsewhere) / "moved"
    shutil.copytree(prefix, moved, symlinks=True)
    check_chart(moved / "bin/gyrolux-calc", cwd=elsewhere)
    version = check_run([str(moved / "bin/gyrolux-calc"), "--version"]).stdout
    check(version.strip() == "gyrolux-calc 5.0.0", "version: " + version)

# The desktop files pass their validators, the menu's command is the installed program;
# the font is one fontconfig can read.
desktop = prefix / "share/applications" / (APP_ID + ".desktop")
check_run(["desktop-file-validate", str(desktop)])
command = re.search(r"^Exec=(\S+)", desktop.read_text(), re.M).group(1)
check((prefix / "bin" / command).is_file(), "the menu's command is no installed program: " + command)
check_run(["appstreamcli", "validate-tree", "--no-net", str(prefix)])
family = check_run(["fc-scan", "--format", "%{family}", str(prefix / "share/fonts/truetype/gyrolux/Radivuru.TTF")])
check(family.stdout == "RuduzodediRuvedur", "font family: " + family.stdout)
print("installed tree complete:", len(found), "files")
