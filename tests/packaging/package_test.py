"""The Debian package: built by CPack, inspected with dpkg-deb and lintian (what it installs
is the tree that installed_tree_test.py checks, file by file).

    package_test.py build <build folder> <package folder>
    package_test.py contents <package folder>
    package_test.py lintian <package folder>
"""
import os
import shutil
import sys
from pathlib import Path

from packaging_support import check, check_run, installed_files, run

VERSION = "5.0.0-1"  # the upstream version and the Debian revision


def the_package(folder):
    architecture = check_run(["dpkg", "--print-architecture"]).stdout.strip()
    deb = folder / f"gyrolux_{VERSION}_{architecture}.deb"
    check(deb.is_file(), f"no package {deb.name} in {folder}")
    return deb


def build(build_folder, folder):
    shutil.rmtree(folder, ignore_errors=True)
    check_run(["cpack", "--config", str(build_folder / "CPackConfig.cmake"), "-B", str(folder)])
    print("built", the_package(folder))


def contents(folder):
    deb = the_package(folder)
    fields = {}
    for line in check_run(["dpkg-deb", "-f", str(deb)]).stdout.splitlines():
        if line and not line.startswith(" "):
            key, _, value = line.partition(": ")
            fields[key] = value
    check(fields.get("Package") == "gyrolux", "Package: " + fields.get("Package", ""))
    check(fields.get("Version") == VERSION, "Version: " + fields.get("Version", ""))
    depends = [d.split()[0] for d in fields.get("Depends", "").split(", ")]
    # Found by dpkg-shlibdeps from the programs' libraries, and fontconfig for the font.
    for needed in ("libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6",
                   "libjpeg62-turbo", "libuemf0", "libswe2.0", "libstdc++6", "libc6", "fontconfig"):
        check(needed in depends, f"{needed} missing from Depends: {fields.get('Depends')}")
    check("Description" in fields and "Maintainer" in fields, "Description or Maintainer missing")
    print("dpkg-deb -I:", deb.name, os.path.getsize(deb), "bytes; Depends:", fields["Depends"])

    listing = check_run(["dpkg-deb", "-c", str(deb)]).stdout.splitlines()
    files = {}
    for line in listing:
        mode, owner, _size, _date, _time, path = line.split(None, 5)
        check(owner == "root/root", "owner of " + path + ": " + owner)
        if not mode.startswith("d"):
            files[path.removeprefix("./usr/")] = mode
    check(sorted(files) == installed_files(),
          "package files differ:\n  missing: %s\n  extra: %s"
          % (sorted(set(installed_files()) - set(files)), sorted(set(files) - set(installed_files()))))
    for path, mode in files.items():
        expected = "-rwxr-xr-x" if path.startswith("bin/") else "-rw-r--r--"
        check(mode == expected, f"{path} has mode {mode}")


# The lintian warnings the package keeps on purpose, each with its reason.
JUSTIFIED = {
    # The changelog's first entry closes no Debian bug: the package is not uploaded to
    # Debian, so there is no "intent to package" bug to close.
    "initial-upload-closes-no-bugs",
}


def lintian(folder):
    """No error and no warning from lintian but the justified ones, no hardening note."""
    deb = the_package(folder)
    result = run(["lintian", "--info", "--no-tag-display-limit", str(deb)])
    tags = [line for line in result.stdout.splitlines() if line[:3] in ("E: ", "W: ", "I: ")]
    print("\n".join(tags) or "lintian: no tag")
    refused = [line for line in tags if line.startswith(("E: ", "W: ")) and line.split()[2] not in JUSTIFIED]
    refused += [line for line in tags if line.split()[2].startswith("hardening-")]
    check(not refused, "lintian:\n  " + "\n  ".join(refused))
    check(result.returncode == 0 or tags, f"lintian failed: {result.stderr}")


mode = sys.argv[1]
if mode == "build":
    build(Path(sys.argv[2]), Path(sys.argv[3]))
elif mode == "contents":
    contents(Path(sys.argv[2]))
elif mode == "lintian":
    lintian(Path(sys.argv[2]))
