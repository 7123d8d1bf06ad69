"""Runs the gyrolux-calc calls of a file the independent implementation wrote (its charts,
axes or lists command) and compares what they print with the lines (or the message on
stderr) the file holds; a "JSON" line is a chart, compared within the tolerances below.

  compare_calls.py PROGRAM FILE
"""
import json
import subprocess
import sys


def read_cases(path):
    """Yields (arguments, lines, message): a RUN line, its lines or ERROR line, END."""
    args, lines, message = None, [], None
    with open(path, encoding="utf-8", newline="") as f:
        for line in f.read().split("\n"):
            if args is None:
                if line:
                    if not line.startswith("RUN "):
                        raise ValueError(f"expected a RUN line, got {line!r}")
                    args = json.loads(line[4:])
            elif line == "END":
                yield args, lines, message
                args, lines, message = None, [], None
            elif line.startswith("ERROR ") and not lines and message is None:
                message = line[6:]
            else:
                lines.append(line)
    if args is not None:
        raise ValueError("a case without END at the end of the file")


def json_differences(want, got):
    """A chart's values that differ from the reference's: the longitudes beyond 1e-7 degree the
    shorter way round, the other numbers beyond 1e-12 of their size, flags and texts at all."""
    if sorted(want) != sorted(got):
        return [f"keys {sorted(got)}"]
    differences = []
    for key, w in want.items():
        g = got[key]
        if key == "factorLongitude":
            gaps = [abs(a - b) % 360 for a, b in zip(w, g)]
            far = [n for n, gap in enumerate(gaps) if not min(gap, 360 - gap) <= 1e-7]
            if len(w) != len(g) or far:
                differences.append(f"{key} {[(n, w[n], g[n]) for n in far] or g}")
        elif isinstance(w, float):
            if not (w == g or abs(w - g) <= 1e-12 * max(abs(w), abs(g))):
                differences.append(f"{key} {g!r} instead of {w!r}")
        elif w != g:
            differences.append(f"{key} {g!r} instead of {w!r}")
    return differences


def main():
    program, path = sys.argv[1], sys.argv[2]
    failures, count = [], 0
    for args, want, message in read_cases(path):
        count += 1
        result = subprocess.run([program, *args], capture_output=True, timeout=60)
        out = result.stdout.decode("utf-8")
        err = result.stderr.decode("utf-8").strip()
        call = " ".join(args)
        if message is not None:
            if result.returncode != 2 or out or not err.endswith(": " + message.strip()):
                failures.append(f"{call}: want exit 2 with {message!r}, got {result.returncode} {err!r}")
            continue
        if result.returncode != 0:
            failures.append(f"{call}: exit {result.returncode}: {err}")
            continue
        got = out.split("\n")[:-1] if out.endswith("\n") else out.split("\n")
        if len(want) == 1 and want[0].startswith("JSON "):
            differences = json_differences(json.loads(want[0][5:]), json.loads(out))
            if differences:
                failures.append(call + "\n  " + "\n  ".join(differences))
        elif got != want:
            diff = [f"  line {n + 1}: want {w!r}\n  {' ' * len(str(n + 1))}    got  {g!r}"
                    for n, (w, g) in enumerate(zip(want, got)) if w != g][:5]
            if len(want) != len(got):
                diff.append(f"  {len(want)} lines wanted, {len(got)} printed")
            failures.append(call + "\n" + "\n".join(diff))
    for failure in failures[:10]:
        print(failure)
    if count == 0:
        failures.append("the file holds no cases")
        print("the file holds no cases")
    if failures:
        print(f"{len(failures)} of {count} cases disagree")
        sys.exit(1)
    print(f"{count} cases agree")


if __name__ == "__main__":
    main()
