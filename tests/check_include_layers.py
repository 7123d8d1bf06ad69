#!/usr/bin/env python3
"""Checks that no source file includes a folder above its own.

    python3 tests/check_include_layers.py [SOURCE_DIR]

The folders stand in layers; a file may include its own folder and the folders listed for
it below. Every `#include "folder/..."` line of the C++ files (tests and the generated
build folders aside) is checked against the table. Exits 1 and names each offending line.
"""
import re
import sys
from pathlib import Path

LOGIC = {"session", "midpoints", "pictures"}
BOTTOM = {"engine", "platform"}
WINDOWS = {"dialogs", "evaluation", "info"}

# folder -> the folders its files may include besides itself
ALLOWED = {
    "engine": set(),
    "platform": set(),
    "session": BOTTOM,
    "midpoints": BOTTOM | {"session"},
    "pictures": BOTTOM | {"session", "midpoints"},
    "info": BOTTOM | LOGIC,
    "dialogs": BOTTOM | LOGIC | {"info"},
    "evaluation": BOTTOM | LOGIC | {"info"},
    "clock": BOTTOM | LOGIC | WINDOWS,
    "tools": BOTTOM | LOGIC | WINDOWS,
    "app": BOTTOM | LOGIC | WINDOWS | {"clock"},
    "bench": BOTTOM | LOGIC | WINDOWS | {"clock"},
    "fuzz": BOTTOM | LOGIC | WINDOWS | {"clock", "tools"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')


def offences(root):
    for folder, allowed in ALLOWED.items():
        base = root / folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in {".h", ".cpp"}:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = match.group(1)
                if target in ALLOWED and target != folder and target not in allowed:
                    yield f"{path.relative_to(root)}:{number}: {folder}/ may not include {target}/"


def self_check():
    """The table itself is acyclic: no two folders may include each other."""
    for a, allowed in ALLOWED.items():
        for b in allowed:
            if a in ALLOWED.get(b, set()):
                yield f"{a}/ and {b}/ may include each other"


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[1])
    problems = list(self_check()) + list(offences(root))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
