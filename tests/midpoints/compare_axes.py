"""Compares gyrolux-calc axes with the blocks of an axes file of the independent
implementation.

  compare_axes.py PROGRAM FILE    every block's lines against the program's output
"""
import subprocess
import sys


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


def main():
    failures, count = compare([sys.argv[1]], sys.argv[2])
    if count == 0:
        failures.append("the file holds no blocks")
    for failure in failures[:20]:
        print(failure)
    if failures:
        print(f"{len(failures)} disagreements")
        sys.exit(1)
    print(f"{count} blocks agree")


if __name__ == "__main__":
    main()
