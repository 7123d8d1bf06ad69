#!/usr/bin/env python3
"""Checks that no source file includes a folder above its own.

    python3 tests/check_include_layers.py [SOURCE_DIR]

The folders stand in layers; a file may include its own folder and the folders listed for
it below. tests/ and fuzz/ mirror the source folders: a file in tests/clock/ may include
what clock/ may, and clock/ itself; a file elsewhere in them (shared helpers, targets of the
lower folders) may include everything but clock/ and app/. Every include line of the C++
files (the generated build folders aside) is checked, in each of its spellings:
`"folder/..."`, `<folder/...>` and a path relative to the file such as `"../folder/..."`.
Exits 1 and names each offending line.
"""
import re
import sys
from pathlib import Path

LOGIC = {"session", "midpoints", "pictures"}
BOTTOM = {"engine", "ephemeris", "platform"}
WINDOWS = {"dialogs", "evaluation", "info"}

# folder -> the folders its files may include besides itself
ALLOWED = {
    "engine": set(),
    "ephemeris": {"engine"},
    "platform": set(),
    "session": BOTTOM,
    "midpoints": BOTTOM | {"session"},
    "pictures": BOTTOM | {"session", "midpoints"},
    "info": BOTTOM | LOGIC,
    "dialogs": BOTTOM | LOGIC | {"info"},
    "evaluation": BOTTOM | LOGIC | {"info"},
    "radix": BOTTOM | LOGIC | {"info", "dialogs", "evaluation"},
    "events": BOTTOM | LOGIC | {"info", "dialogs", "evaluation", "radix"},
    "clock": BOTTOM | LOGIC | WINDOWS | {"radix", "events"},
    "tools": BOTTOM | LOGIC | WINDOWS | {"radix", "events"},
    "app": BOTTOM | LOGIC | WINDOWS | {"clock", "radix", "events"},
    "bench": BOTTOM | LOGIC | WINDOWS | {"clock", "radix", "events"},
}
# Beside the mirrored folders of tests/ and fuzz/: the helpers and what tests the lower folders.
MIRRORS = {"tests", "fuzz"}
BELOW_THE_CLOCK = BOTTOM | LOGIC | WINDOWS | {"tools", "radix", "events"}


def allowed_for(root, path):
    """The folder a file counts as, and the folders it may include besides that one."""
    parts = path.relative_to(root).parts
    if parts[0] not in MIRRORS:
        return parts[0], ALLOWED[parts[0]]
    mirrored = parts[1] if len(parts) > 2 and parts[1] in ALLOWED else None
    if mirrored:
        return mirrored, ALLOWED[mirrored]
    return parts[0], BELOW_THE_CLOCK

INCLUDE = re.compile(r'^\s*#\s*include\s*(["<])([^">]+)[">]')


def included_folder(root, path, line):
    """The top folder of the source tree that an include line names, or None."""
    match = INCLUDE.match(line)
    if not match:
        return None
    quote, name = match.groups()
    parts = Path(name).parts
    if quote == '"' and parts and parts[0] in {".", ".."}:
        # Relative to the including file; a path that leaves the tree names no folder.
        target = (path.parent / name).resolve()
        try:
            parts = target.relative_to(root.resolve()).parts
        except ValueError:
            return None
    return parts[0] if len(parts) > 1 else None


def offences(root):
    for top in sorted(ALLOWED.keys() | MIRRORS):
        base = root / top
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in {".h", ".cpp"}:
                continue
            folder, allowed = allowed_for(root, path)
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                target = included_folder(root, path, line)
                if target in ALLOWED and target != folder and target not in allowed:
                    yield f"{path.relative_to(root)}:{number}: {path.parent.relative_to(root)}/ may not include {target}/"


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
