"""Runs gyrolux-calc list on good and bad arguments (argument: the program's path); the
lists themselves are compared with the independent implementation elsewhere."""
import os
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]
MOMENT = ["--date", "01.01.2000", "--hours", "12", "--lon", "9.98333333", "--lat", "-0.5"]
failures = []


def run(*args, cwd=None):
    return subprocess.run([PROGRAM, "list", *args], capture_output=True, timeout=60, cwd=cwd)


def lines(*args, cwd=None):
    return run(*args, cwd=cwd).stdout.decode("utf-8").split("\n")


def check(condition, what):
    if not condition:
        failures.append(what)


# Typed coordinates: 9.98333 degrees give 59 minutes, not 58; a south latitude a "-"; a
# fraction of 60 minutes carries into the degrees.
place = "12:00:00 WZ/GMT, L:+009\u00b059', B:-00\u00b030'"
check(lines("faktoren", *MOMENT)[0] == "  Faktoren vom 01.01.2000, " + place, "faktoren")
carry = lines("faktoren", *MOMENT[:4], "--lon", "-9.99999999", "--lat", "50")[0]
check(carry.endswith("L:-010\u00b000', B:+50\u00b000'"), f"carry: {carry!r}")
check(lines("hs-achse", *MOMENT, "--pair", "so/MC", "--next-days", "2")[1] == "  03.01.2000, " + place,
      "next days")

with tempfile.TemporaryDirectory() as folder:
    # The texts file of the current directory, found without regard to case.
    with open(os.path.join(folder, "Mc-Ergnw.Txt"), "wb") as f:
        f.write(b"MC/MC = MC|MC eigen\r\nText \xfcber das MC\r\n")
    texts = lines("mc-texte", *MOMENT, cwd=folder)
    check(texts[6:8] == ["  MC/MC = MC|MC eigen,10", "  Text \u00fcber das MC"], f"mc-texte: {texts[:9]}")

BAD = [
    ([], ""),
    (["tabelle", *MOMENT], "unknown list"),
    (["faktoren"], "missing option --date"),
    (["faktoren", *MOMENT, "--axis-deg", "5"], "does not belong"),
    (["grad-achse", *MOMENT, "--axis-deg", "5"], "missing option"),
    (["mc-texte", *MOMENT, "--textsfile", "/no/such/file"], "Die Datei MC-ERGNW.TXT fehlt"),
    (["faktoren", *MOMENT, "--next-days", "1e3"], "--next-days"),
    (["faktoren", "--date", "30.12.9999", *MOMENT[2:], "--next-days", "2"], "past 31.12.9999"),
    (["faktoren", "alpha-code", *MOMENT], "unexpected argument"),
]
for args, complaint in BAD:
    bad = run(*args)
    err = bad.stderr.decode("utf-8", "replace")
    check(bad.returncode == 2 and bad.stdout == b"", f"{args}: exit {bad.returncode}, {bad.stdout[:40]!r}")
    check(err.count("\n") == 1 and err.startswith("gyrolux-calc list: ") and complaint in err, f"{args}: {err!r}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
