"""What the packaging tests share: the expected installed files and small helpers."""
import os
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
APP_ID = "de.gyrolux.Gyrolux"
SKIP = 77  # ctest's SKIP_RETURN_CODE for these tests

# The moment the checks compute a chart for.
MOMENT = ["--date", "05.12.2026", "--hours", "10.5", "--lon", "10", "--lat", "50"]


def installed_files():
    lines = (HERE / "installed_files.txt").read_text().splitlines()
    return sorted(line for line in lines if line and not line.startswith("#"))


def run(command, **kwargs):
    """Runs a command, returns its CompletedProcess; output as text."""
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def check(condition, message):
    if not condition:
        print("FAILED: " + message)
        sys.exit(1)


def check_run(command, **kwargs):
    result = run(command, **kwargs)
    check(result.returncode == 0,
          f"{' '.join(map(str, command))} ended with {result.returncode}:\n{result.stdout}{result.stderr}")
    return result


def check_chart(calc, cwd):
    """gyrolux-calc computes a chart from a folder of no importance: the heading of the
    moment given and a row for each of the 23 factors, MC to GZ."""
    result = check_run([str(calc), "chart", *MOMENT], cwd=cwd, env=sanitizer_environment())
    lines = result.stdout.splitlines()
    check(lines[0].startswith("Chart 05.12.2026 10:30:00 WZ/GMT"), "chart heading: " + lines[0])
    rows = [line.split()[0] for line in lines[2:25]]
    check(rows[0] == "MC" and rows[22] == "GZ" and len(set(rows)) == 23, "factor rows: " + " ".join(rows))


def sanitizer_environment():
    env = dict(os.environ)
    env["ASAN_OPTIONS"] = "detect_leaks=0"
    return env
