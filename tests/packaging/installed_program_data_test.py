"""The installed gyrolux, run from a prefix alone, registers the symbol font and reads the
places file from <prefix>/share/gyrolux, and gyrolux-calc reads the modern sky's tables from
there (seen in the files they open, traced by strace).

    installed_program_data_test.py <build folder> <scratch folder>
"""
import os
import shutil
import sys
from pathlib import Path

from packaging_support import MOMENT, SKIP, check, check_run, run, sanitizer_environment

build, scratch = Path(sys.argv[1]), Path(sys.argv[2])
if run(["strace", "-o", os.devnull, "true"]).returncode != 0:
    print("SKIPPED: strace cannot trace a program here (ptrace is not allowed)")
    sys.exit(SKIP)
shutil.rmtree(scratch, ignore_errors=True)
prefix = scratch / "prefix"
check_run(["cmake", "--install", str(build), "--prefix", str(prefix)])
work = scratch / "work"
work.mkdir()
(work / "Titel.DAT").write_bytes(b"0\r\n")  # no title picture

# The program waits at its start-up question; it is stopped after a few seconds.
env = sanitizer_environment()
env.update(QT_QPA_PLATFORM="offscreen", HOME=str(work), XDG_DATA_HOME=str(work / "data"))
trace = scratch / "trace.txt"
result = run(["timeout", "6", "strace", "-f", "-e", "trace=openat", "-o", str(trace), str(prefix / "bin/gyrolux")],
             cwd=work, env=env)
check(result.returncode == 124, f"gyrolux ended by itself ({result.returncode}):\n{result.stderr}")
opened = [line for line in trace.read_text().splitlines() if "openat(" in line and "= -1" not in line]
data = str(prefix / "share/gyrolux")
for name in ("Radivuru.TTF", "W-ORTE.TXT"):
    check(any(f'"{data}/{name}"' in line for line in opened), f"{name} was not read from {data}")
print("gyrolux read its font and places file from", data)

calc_trace = scratch / "calc_trace.txt"
check_run(["strace", "-f", "-e", "trace=openat", "-o", str(calc_trace), str(prefix / "bin/gyrolux-calc"), "chart",
           *MOMENT, "--ephemeris", "swiss"], cwd=work, env=env)
check(f'"{data}/gyrolux-sky.tables"' in calc_trace.read_text(), f"gyrolux-sky.tables was not read from {data}")
print("gyrolux-calc read the modern sky's tables from", data)
