"""Runs gyrolux-calc list on good and bad arguments (argument: the program's path)."""
import os
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]
MOMENT = ["--date", "01.01.2000", "--hours", "12", "--lon", "9.98333333", "--lat", "-0.5"]
failures = []


def run(*args, cwd=None):
    return subprocess.run([PROGRAM, "list", *args], capture_output=True, timeout=60, cwd=cwd)


def check(condition, what):
    if not condition:
        failures.append(what)


# The typed coordinates: 9.98333 degrees give 59 minutes, not 58; a south latitude a "-".
place = "12:00:00 WZ/GMT, L:+009\u00b059', B:-00\u00b030'"
for kind, extra, first in [
        ("faktoren", [], "  Faktoren vom 01.01.2000, " + place),
        ("alpha-code", [], " Alpha-Code 01.01.2000, " + place),
        ("winkel-code", [], " Winkel-Code 01.01.2000, " + place),
        ("halbsummen", ["--orb", "0.5"], " Halbsummen 01.01.2000, " + place),
        ("grad-achse", ["--axis-deg", "22", "--axis-min", "30"], " "),
        ("hs-achse", ["--pair", "so/MC", "--next-days", "2"], " ")]:
    result = run(kind, *MOMENT, *extra)
    lines = result.stdout.decode("utf-8").split("\n")
    check(result.returncode == 0 and lines[0] == first and lines[-1] == "", f"{kind}: {lines[:2]}")
    if kind == "hs-achse":
        check(lines[1] == "  03.01.2000, " + place and lines[3].startswith("  MC/SO"), f"{kind}: {lines[:4]}")
carry = run("faktoren", *MOMENT[:4], "--lon", "-9.99999999", "--lat", "50")
check(carry.stdout.decode("utf-8").startswith("  Faktoren vom 01.01.2000, 12:00:00 WZ/GMT, "
                                             "L:-010\u00b000', B:+50\u00b000'"), "60 minutes carry")

with tempfile.TemporaryDirectory() as folder:
    # The texts file of the current directory, found without regard to case.
    with open(os.path.join(folder, "Mc-Ergnw.Txt"), "wb") as f:
        f.write(b"MC/MC = MC|MC eigen\r\nText \xfcber das MC\r\n")
    texts = run("mc-texte", *MOMENT, cwd=folder).stdout.decode("utf-8").split("\n")
    check(texts[6:8] == ["  MC/MC = MC|MC eigen,10", "  Text \u00fcber das MC"], f"mc-texte: {texts[:9]}")
    missing = run("mc-texte", *MOMENT, "--textsfile", os.path.join(folder, "none.txt"))
    check(missing.returncode == 2 and missing.stdout == b"" and missing.stderr.decode("utf-8") ==
          "gyrolux-calc list: Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis!\n", f"{missing}")

BAD = [
    ([], ""),
    (["tabelle", *MOMENT], "unknown list"),
    (["faktoren"], "missing option --date"),
    (["faktoren", *MOMENT, "--axis-deg", "5"], "does not belong"),
    (["halbsummen", *MOMENT, "--pair", "MC/SO"], "does not belong"),
    (["grad-achse", *MOMENT, "--axis-deg", "5"], "missing option"),
    (["grad-achse", *MOMENT, "--axis-deg", "22", "--axis-min", "31"], "Das ist kein g\u00fcltiger Winkel!"),
    (["hs-achse", *MOMENT, "--pair", "MC"], "Das ist keine g\u00fcltige Halbsumme!"),
    (["hs-achse", *MOMENT, "--pair", "MC/XY"], "Das ist keine g\u00fcltige Halbsumme!"),
    (["faktoren", *MOMENT, "--next-days", "-1"], "--next-days"),
    (["faktoren", *MOMENT, "--next-days", "1e3"], "--next-days"),
    (["faktoren", *MOMENT, "--orb", "0"], "--orb"),
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
