"""Runs the gyrolux-calc calls of a file the independent implementation wrote (its axes or
lists command) and compares what they print with the lines (or the message on stderr) the
file holds.

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
        if got != want:
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
