"""Runs gyrolux-calc draw on good and bad arguments (argument: the program's path)."""
import os
import stat
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PROGRAM = os.path.abspath(sys.argv[1])
MOMENT = ["--date", "05.12.2026", "--hours", "10.497222222", "--lon", "10", "--lat", "50"]
SIZES = {"dial": (740, 740), "rscheibe": (2400, 2960), "axes": (726, 300), "wheel": (520, 520),
         "strip": (530, 525)}
failures = []


def run(*args):
    return subprocess.run([PROGRAM, "draw", *args], capture_output=True, timeout=120)


def check(condition, what):
    if not condition:
        failures.append(what)


def read(name):
    with open(name, "rb") as f:
        return f.read()


def pdf_text(name):
    return subprocess.run(["pdftotext", "-layout", name, "-"], capture_output=True).stdout.decode("utf-8")


os.chdir(tempfile.mkdtemp())

for kind, (width, height) in SIZES.items():
    for ext in ("wmf", "pdf", "svg", "png"):
        out = f"{kind}.{ext}"
        result = run(kind, *MOMENT, "--out", out)
        check(result.returncode == 0 and result.stdout == b"" and result.stderr == b"",
              f"{out}: exit {result.returncode} {result.stderr!r}")
        if not os.path.exists(out):
            failures.append(f"{out} not written")
            continue
        data = read(out)
        if ext == "wmf":
            # The placeable metafile's key and its box in pixels of 1/96 inch.
            key, _, _, _, right, bottom, inch = struct.unpack("<IHhhhhH", data[:16])
            check(key == 0x9AC6CDD7 and (right, bottom, inch) == (width, height, 96), f"{out} header")
        elif ext == "pdf":
            check(data.startswith(b"%PDF"), f"{out} is no PDF")
        elif ext == "svg":
            root = ET.fromstring(data)
            check(root.tag.endswith("svg") and root.get("viewBox") == f"0 0 {width} {height}",
                  f"{out}: {root.tag} {root.get('viewBox')}")
            # Every text as outlines: paths, nothing left to a font.
            tags = [e.tag.rsplit("}", 1)[-1] for e in root.iter()]
            check("path" in tags and "text" not in tags, f"{out}: texts not as outlines")
        else:
            png_width, png_height = struct.unpack(">II", data[16:24])
            scale = 2 if max(width, height) <= 2000 else 1
            check((png_width, png_height) == (width * scale, height * scale), f"{out}: {png_width}x{png_height}")

# The texts of the moment: the date and time as given, the place as the main window forms
# it, the coordinates as typed ones are formed (9.98333... degrees are 9°59').
dial = pdf_text("dial.pdf")
check("Datum / Zeit: Sa, 05.12.2026 / 10:29:50 WZ/GMT" in dial, "dial: moment line")
check("Ort: 010°00' E, 50°00' N" in dial, "dial: place")
check("L:+010°00', B:+50°00'" in pdf_text("axes.pdf"), "axes: coordinates")
fonts = subprocess.run(["pdffonts", "dial.pdf"], capture_output=True).stdout.decode("utf-8")
check(any(line.startswith("RuduzodediRuvedur") and " yes " in line for line in fonts.splitlines()),
      f"symbol font not embedded: {fonts}")
south = ["--date", "05.12.2026", "--hours", "10.5", "--lon", "9.98333333333", "--lat", "-33.5"]
check(run("axes", *south, "--out", "south.pdf").returncode == 0, "south run")
check("L:+009°59', B:-33°30'" in pdf_text("south.pdf"), "typed coordinates: 59 minutes, south")
check(run("dial", *south, "--out", "south.pdf").returncode == 0, "south dial")
check("Ort: 009°59' E, 33°30' S" in pdf_text("south.pdf"), "south place label")

# The house circle and the long bearing lines change the drawing.
check(run("dial", *MOMENT, "--circle", "as", "--rotation", "-5", "--out", "as.wmf").returncode == 0, "--circle as")
check(read("as.wmf") != read("dial.wmf"), "AS circle turned differs from MC")
check(run("dial", *MOMENT, "--circle", "MC", "--rotation", "+0", "--out", "mc.wmf").returncode == 0, "--circle MC")
check(read("mc.wmf") == read("dial.wmf"), "the MC circle unturned is the default")
check(run("rscheibe", *MOMENT, "--long-lines", "--out", "long.wmf").returncode == 0, "--long-lines")
check(read("long.wmf") != read("rscheibe.wmf"), "long bearing lines differ")

# --out through a link to a regular file writes that file; a pipe, a folder or a link to
# either is refused with the name and left as it was.
os.makedirs("in/folder")
os.mkfifo("in/pipe.wmf")
with open("in/real.wmf", "wb") as f:
    f.write(b"old")
SPECIAL = [("to-real.wmf", "in/real.wmf", 0), ("to-pipe.wmf", "in/pipe.wmf", 1), ("to-folder.wmf", "in/folder", 1),
           ("in/pipe.wmf", None, 1)]
for name, target, code in SPECIAL:
    if target:
        os.symlink(target, name)
    before = sorted(os.listdir(".")) + sorted(os.listdir("in"))
    result = run("dial", *MOMENT, "--out", name)
    check(result.returncode == code, f"--out {name}: exit {result.returncode}")
    check(code == 0 or os.path.basename(name).encode() in result.stderr, f"--out {name}: {result.stderr!r}")
    check(sorted(os.listdir(".")) + sorted(os.listdir("in")) == before, f"--out {name}: files changed")
    check(os.path.islink(name) == bool(target), f"--out {name}: link replaced")
check(read("in/real.wmf") == read("dial.wmf"), "--out through a link: target not written")
check(stat.S_ISFIFO(os.lstat("in/pipe.wmf").st_mode) and os.path.isdir("in/folder"), "pipe or folder replaced")

BAD = [
    ["dial", *MOMENT],                                           # no --out
    [*MOMENT, "--out", "x.pdf"],                                 # no kind
    ["clock", *MOMENT, "--out", "x.pdf"],                        # unknown kind
    ["dial", "axes", *MOMENT, "--out", "x.pdf"],                 # two kinds
    ["dial", *MOMENT, "--out", "x.txt"],                         # unknown format
    ["dial", *MOMENT, "--out", "x"],
    ["dial", *MOMENT[2:], "--out", "x.pdf"],                     # no date
    ["dial", "--date", "31.11.2026", *MOMENT[2:], "--out", "x.pdf"],
    ["dial", *MOMENT[:2], "--hours", "100", *MOMENT[4:], "--out", "x.pdf"],
    ["dial", *MOMENT, "--out", "x.pdf", "--circle", "XX"],
    ["dial", *MOMENT, "--out", "x.pdf", "--rotation", "2.5"],
    ["dial", *MOMENT, "--out", "x.pdf", "--rotation", "181"],
    ["dial", *MOMENT, "--out", "x.pdf", "--rotation", "nan"],
    ["dial", *MOMENT, "--out", "x.pdf", "--rotation"],
    ["wheel", *MOMENT, "--out", "x.pdf", "--rotation", "5"],     # options of another kind
    ["axes", *MOMENT, "--out", "x.pdf", "--circle", "AS"],
    ["dial", *MOMENT, "--out", "x.pdf", "--long-lines"],
    ["dial", *MOMENT, "--out", "x.pdf", "--out", "y.pdf"],
]
with open("kept.pdf", "wb") as f:
    f.write(b"kept")
for args in BAD:
    for target in ("x.pdf", "kept.pdf"):
        args = [target if a == "x.pdf" else a for a in args]
        bad = run(*args)
        err = bad.stderr.decode("utf-8", "replace")
        check(bad.returncode == 2, f"{args}: exit {bad.returncode}")
        check(bad.stdout == b"", f"{args}: output on stdout")
        check(err.count("\n") == 1 and err.startswith("gyrolux-calc draw: "), f"{args}: {err!r}")
    check(not any(os.path.exists(n) for n in ("x", "x.pdf", "x.txt", "y.pdf")), f"{args}: a file written")
    check(read("kept.pdf") == b"kept", f"{args}: an existing file changed")
usage = run("--help")
check(usage.returncode == 0 and b"rscheibe" in usage.stdout and b"--long-lines" in usage.stdout, "draw --help")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
