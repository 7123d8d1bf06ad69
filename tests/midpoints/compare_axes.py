"""Compares gyrolux-calc axes with the blocks of an axes file of the independent
implementation.

  compare_axes.py PROGRAM FILE    every block's lines against the program's output
  compare_axes.py --self-check    the comparer itself, on hand-made blocks and a stand-in
"""
import os
import subprocess
import sys
import tempfile


def read_blocks(path):
    """Yields (fields, lines): the MOMENT fields and the lines up to END."""
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    fields, lines = None, []
    for line in text.split("\n"):
        if fields is None:
            if line == "":
                continue
            if not line.startswith("MOMENT;"):
                raise ValueError(f"expected a MOMENT line, got {line!r}")
            fields = line.split(";")[1:]
            if len(fields) != 5:
                raise ValueError(f"MOMENT line with {len(fields)} fields: {line!r}")
        elif line == "END":
            yield fields, lines
            fields, lines = None, []
        else:
            lines.append(line)
    if fields is not None:
        raise ValueError("block without END at the end of the file")


def compare(program, path, verb=("axes",)):
    """Returns the list of disagreements (empty when all blocks agree) and the block count."""
    failures, count = [], 0
    for (date, hours, lon, lat, orb), want in read_blocks(path):
        count += 1
        args = [*program, *verb, "--date", date, "--hours", hours, "--lon", lon, "--lat", lat,
                "--orb", orb]
        result = subprocess.run(args, capture_output=True, timeout=60)
        if result.returncode != 0:
            failures.append(f"{' '.join(args[len(program):])}: exit {result.returncode}: "
                            f"{result.stderr.decode('utf-8', 'replace').strip()}")
            continue
        got = result.stdout.decode("utf-8").split("\n")
        if got and got[-1] == "":
            got.pop()
        if got != want:
            diff = [f"  line {n + 1}: want {w!r} got {g!r}"
                    for n, (w, g) in enumerate(zip(want, got)) if w != g]
            if len(want) != len(got):
                diff.append(f"  {len(want)} lines wanted, {len(got)} printed")
            failures.append(f"{date} {hours} h {lon} {lat} orb {orb}:\n" + "\n".join(diff))
    return failures, count


STAND_IN = r'''
import sys
args = dict(zip(sys.argv[1::2], sys.argv[2::2]))
if args["--date"] == "01.01.2000":
    print("MC/MC  SO/MO 7")
    print("")
    print("Stellium  01.01.2000 12:00")
else:
    print("AS/AS  JU/SA 3")
'''


def self_check():
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        stand_in = os.path.join(folder, "stand_in.py")
        with open(stand_in, "w", encoding="utf-8") as f:
            f.write(STAND_IN)
        program = [sys.executable, stand_in]
        agreeing = os.path.join(folder, "agree.txt")
        with open(agreeing, "w", encoding="utf-8") as f:
            f.write("MOMENT;01.01.2000;12.0;0.0001;51.5001;1.18\n"
                    "MC/MC  SO/MO 7\n\nStellium  01.01.2000 12:00\nEND\n"
                    "MOMENT;02.01.2000;1e-05;-7.5;-33.25;1.1\nAS/AS  JU/SA 3\nEND\n")
        found, count = compare(program, agreeing, verb=())
        if found or count != 2:
            failures.append(f"agreeing blocks: {count} read, {found}")
        differing = os.path.join(folder, "differ.txt")
        with open(differing, "w", encoding="utf-8") as f:
            # One differing line, one missing line, one line too many.
            f.write("MOMENT;01.01.2000;12.0;0.0001;51.5001;1.18\n"
                    "MC/MC  SO/MO 8\n\nStellium  01.01.2000 12:00\nEND\n"
                    "MOMENT;02.01.2000;3.5;0.0;0.0;1.18\nAS/AS  JU/SA 3\nextra\nEND\n"
                    "MOMENT;03.01.2000;3.5;0.0;0.0;1.18\nEND\n")
        found, count = compare(program, differing, verb=())
        if count != 3 or len(found) != 3:
            failures.append(f"differing blocks: {count} read, {len(found)} found: {found}")
        broken = os.path.join(folder, "broken.txt")
        with open(broken, "w", encoding="utf-8") as f:
            f.write("MOMENT;01.01.2000;12.0;0.0001;51.5001;1.18\nMC/MC  SO/MO 7\n")
        try:
            compare(program, broken, verb=())
            failures.append("a block without END was accepted")
        except ValueError:
            pass
    return failures


def main():
    if sys.argv[1:] == ["--self-check"]:
        failures, count = self_check(), None
    else:
        failures, count = compare([sys.argv[1]], sys.argv[2])
        if count == 0:
            failures.append("the file holds no blocks")
    for failure in failures[:20]:
        print(failure)
    if failures:
        print(f"{len(failures)} disagreements")
        sys.exit(1)
    if count is not None:
        print(f"{count} blocks agree")


if __name__ == "__main__":
    main()
