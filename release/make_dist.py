"""Makes the players' download: Q7Lister-<version>.zip with the program, katalog.exe beside
it (which the program's "Katalog" button starts from there), its German LIESMICH.txt and the
licences of the fonts and pictures it carries, and beside it the zip's SHA-256 sum in the
format of sha256sum.

The zip is reproducible: the same program and texts always give the same bytes, whatever
the files' times, owners or the order in which the file system lists them.

    /usr/bin/python3 release/make_dist.py [--exe Q7Lister.exe] [--katalog katalog.exe] [--out dist]
"""
import argparse
import hashlib
import re
import sys
import zipfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent


class DistError(Exception):
    pass


def read_release(source=SOURCE):
    """(version, year) from the tree's VERSION file, e.g. ("3.2", "2017")."""
    line = (source / "VERSION").read_text(encoding="utf-8").splitlines()[0]
    match = re.fullmatch(r"(\d+\.\d+) (\d{4})", line)
    if not match:
        raise DistError(f'VERSION must hold "<major>.<minor> <year>", not "{line}"')
    return match.group(1), match.group(2)


def zip_name(version):
    return f"Q7Lister-{version}.zip"


def windows_text(text):
    """Text as Notepad shows it on every Windows: UTF-8 with a byte-order mark, CR LF."""
    lines = text.replace("\r\n", "\n").split("\n")
    return "\ufeff".encode("utf-8") + "\r\n".join(lines).encode("utf-8")


def readme(version, year, source=SOURCE):
    text = (source / "release" / "LIESMICH.txt").read_text(encoding="utf-8")
    return windows_text(text.replace("@VERSION@", version).replace("@YEAR@", year))


def entries(exe, katalog, version, year, source=SOURCE):
    """The zip's members as (name, bytes), in their fixed order, under one folder."""
    for program in (exe, katalog):
        if not program.is_file():
            raise DistError(f"{program} is missing; build the windows preset first")
    licenses = sorted((source / "lister" / "resources" / "licenses").glob("*.txt"))
    if not licenses:
        raise DistError("no licence texts in lister/resources/licenses")
    folder = f"Q7Lister-{version}/"
    members = [(folder + "Q7Lister.exe", exe.read_bytes()),
               (folder + "katalog.exe", katalog.read_bytes()),
               (folder + "LIESMICH.txt", readme(version, year, source))]
    for path in licenses:
        members.append((folder + "Lizenzen/" + path.name,
                        windows_text(path.read_text(encoding="utf-8"))))
    return members


def write_zip(path, members, year):
    """Every member gets the same time stamp (1 January of the release year) and plain
    file attributes, so nothing of the machine that made the zip goes into it."""
    partial = path.with_name(path.name + ".part")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=(int(year), 1, 1, 0, 0, 0))
            info.create_system = 0
            info.external_attr = 0
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    partial.replace(path)


def make_dist(exe, katalog, out, source=SOURCE):
    """Writes the zip and its .sha256 file into out; returns the zip's path."""
    version, year = read_release(source)
    out.mkdir(parents=True, exist_ok=True)
    path = out / zip_name(version)
    write_zip(path, entries(exe, katalog, version, year, source), year)
    digest = hashlib.sha256(path.read_bytes()).hexdigest()
    (out / (path.name + ".sha256")).write_text(f"{digest}  {path.name}\n", encoding="ascii")
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", type=Path,
                        default=SOURCE / "build" / "win" / "lister" / "win32" / "Q7Lister.exe")
    parser.add_argument("--katalog", type=Path,
                        default=SOURCE / "build" / "win" / "katalog" / "katalog.exe")
    parser.add_argument("--out", type=Path, default=SOURCE / "dist")
    args = parser.parse_args()
    try:
        path = make_dist(args.exe, args.katalog, args.out)
    except (DistError, OSError) as error:
        print(f"make_dist: {error}", file=sys.stderr)
        return 1
    print(f"{path} ({path.stat().st_size} bytes) and {path.name}.sha256")
    return 0


if __name__ == "__main__":
    sys.exit(main())
