#!/usr/bin/env python3
"""Checks the shipped MC/MC texts file MC-ERGNW.TXT.

    python3 resources/check_mc_texts.py [MC-ERGNW.TXT]

The file must be Windows-1252 text (a line that reads as UTF-8 with umlauts is taken for a
file saved in the wrong code page) with every line ended by CR LF and no line longer than
255 characters. A few comment lines may open the file; none of them may have "|" as its
11th character, because the program takes every such line for an entry head.

Then follow the 253 entries, one for each pair A/B of the 22 factors
MC WI SO AS MO KN ME VE MA JU SA UR NE PL CU HA ZE KR AP AD VU PO with A before or equal
to B in that order (A ascending, then B ascending from A). Each entry is
  - a head line "MC/MC = " + A + "|" + B + " (" + name of the pair + ")", so that
    characters 9-10 are A, character 11 is "|" and characters 12-13 are B;
  - two to four text lines, each longer than 5 characters (a shorter line would end the
    entry early) and, for the 533-pixel view, at most 95 characters long;
  - one empty line, which ends the entry.
No other line may stand between or after the entries.
Exits 1 with one message per problem, 0 when the file is well formed.
"""
import argparse
import re
import sys
from pathlib import Path

FACTORS = "MC WI SO AS MO KN ME VE MA JU SA UR NE PL CU HA ZE KR AP AD VU PO".split()
PAIRS = [(a, b) for i, a in enumerate(FACTORS) for b in FACTORS[i:]]
HEAD = re.compile(r"MC/MC = ([A-Z]{2})\|([A-Z]{2}) \([^()]+\)")
MAX_LINE = 255
MAX_TEXT = 95


def is_head(line):
    return len(line) > 10 and line[10] == "|"


def check(data):
    """Returns the problems found in the file's bytes, and the number of lines."""
    problems = []
    if not data.endswith(b"\r\n"):
        problems.append("the file does not end with CR LF")
    lines = []
    for number, raw in enumerate(data.split(b"\r\n")[:-1] if data.endswith(b"\r\n")
                                 else data.split(b"\r\n"), 1):
        if b"\r" in raw or b"\n" in raw:
            problems.append(f"line {number}: a line end other than CR LF")
        try:
            text = raw.decode("cp1252")
        except UnicodeDecodeError:
            problems.append(f"line {number}: not Windows-1252")
            text = raw.decode("cp1252", errors="replace")
        if not raw.isascii():
            try:
                raw.decode("utf-8")
                problems.append(f"line {number}: UTF-8 text, not Windows-1252")
            except UnicodeDecodeError:
                pass
        if len(text) > MAX_LINE:
            problems.append(f"line {number}: {len(text)} characters, more than {MAX_LINE}")
        if any(ord(c) < 32 for c in text.replace("\r", "").replace("\n", "")):
            problems.append(f"line {number}: a control character")
        lines.append(text)

    heads = [i for i, line in enumerate(lines) if is_head(line)]
    if not heads:
        problems.append("no entry heads (no line has '|' as its 11th character)")
        return problems, len(lines)

    found = []
    for k, start in enumerate(heads):
        number = start + 1
        m = HEAD.fullmatch(lines[start])
        if not m:
            problems.append(f"line {number}: head not of the form 'MC/MC = AA|BB (Name)': "
                            f"{lines[start]!r}")
            found.append((lines[start][8:10], lines[start][11:13]))
        else:
            found.append((m[1], m[2]))

        end = heads[k + 1] if k + 1 < len(heads) else len(lines)
        body = lines[start + 1:end]
        texts = 0
        while texts < len(body) and len(body[texts]) > 5:
            texts += 1
        if not 2 <= texts <= 4:
            problems.append(f"line {number}: entry {found[-1][0]}|{found[-1][1]} has "
                            f"{texts} text lines, not 2 to 4")
        for offset, text in enumerate(body[:texts], start + 2):
            if len(text) > MAX_TEXT:
                problems.append(f"line {offset}: text line of {len(text)} characters, "
                                f"more than {MAX_TEXT}")
            if text != text.strip():
                problems.append(f"line {offset}: blanks at the start or end of a text line")
        rest = body[texts:]
        if not rest:
            problems.append(f"line {number}: entry {found[-1][0]}|{found[-1][1]} is not "
                            f"ended by an empty line")
        elif rest[0] != "":
            problems.append(f"line {start + 2 + texts}: the entry ends with {rest[0]!r} "
                            f"instead of an empty line")
        for offset, stray in enumerate(rest[1:], start + 3 + texts):
            problems.append(f"line {offset}: stray line after the end of an entry "
                            f"(the program would skip it): {stray!r}")

    expected = set(PAIRS)
    for pair in sorted(set(found), key=found.index):
        if found.count(pair) > 1:
            problems.append(f"entry {pair[0]}|{pair[1]} appears {found.count(pair)} times")
        if pair not in expected:
            problems.append(f"entry {pair[0]}|{pair[1]} is no pair of two factors in order")
    for pair in PAIRS:
        if pair not in found:
            problems.append(f"entry {pair[0]}|{pair[1]} is missing")
    if len(found) == len(PAIRS) and set(found) == expected:
        for number, (got, want) in enumerate(zip(found, PAIRS), 1):
            if got != want:
                problems.append(f"entry {number}: {got[0]}|{got[1]} stands where "
                                f"{want[0]}|{want[1]} belongs")
                break
    return problems, len(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file", nargs="?", default=Path(__file__).with_name("MC-ERGNW.TXT"))
    args = parser.parse_args()

    data = Path(args.file).read_bytes()
    problems, count = check(data)
    for problem in problems:
        print(problem)
    heads = sum(1 for raw in data.split(b"\r\n") if is_head(raw.decode("cp1252", "replace")))
    print(f"{heads} entries, {count} lines, {len(data)} bytes; {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
