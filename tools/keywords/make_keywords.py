#!/usr/bin/env python3
"""Regenerates the built-in keyword lists in resources/keywords/ from Debian and npm
packages and the hand-kept lists beside this script.

    tools/keywords/make_keywords.py [ID ...]     (all lists when no id is given)

Every list is written in the form the program searches in place: one entry per line,
CR LF after every entry, sorted by the entry's bytes with only A to Z folded to lower
case (a shorter entry before a longer one it begins), no duplicates, no empty entry.
Nothing is installed here: a missing package is named and the script stops. The output
depends only on the packages' contents, so two runs give the same bytes.
"""

import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT_DIR = os.path.join(ROOT, "resources", "keywords")
SCOWL_DIR = "/usr/share/dict/scowl"


class MissingPackage(Exception):
    pass


def require_debian(*packages):
    missing = []
    for name in packages:
        result = subprocess.run(
            ["dpkg-query", "-W", "-f=${Status}", name],
            capture_output=True, text=True, check=False)
        if "install ok installed" not in result.stdout:
            missing.append(name)
    if missing:
        raise MissingPackage("missing Debian packages: " + " ".join(missing) +
                             " (apt-get install " + " ".join(missing) + ")")


def read_lines(path):
    with open(path, "rb") as handle:
        return [line.rstrip(b"\r\n") for line in handle]


def sort_key(entry):
    # bytes.lower() folds A to Z only, as the search does.
    return (entry.lower(), entry)


def write_list(list_id, entries):
    entries = sorted(set(entries), key=sort_key)
    for entry in entries:
        if not entry or b"\r" in entry or b"\n" in entry:
            raise ValueError("bad entry %r in list %d" % (entry, list_id))
    path = os.path.join(OUT_DIR, "%d.txt" % list_id)
    data = b"".join(entry + b"\r\n" for entry in entries)
    with open(path, "wb") as handle:
        handle.write(data)
    print("%d: %d entries, %d bytes" % (list_id, len(entries), len(data)))


# 139: English words. SCOWL's American and common English words of sizes up to 60,
# with upper-case words, proper names and contractions, without possessive 's forms.
def english():
    require_debian("scowl")
    kinds = ("words", "proper-names", "upper", "contractions")
    sizes = ("10", "20", "35", "40", "50", "55", "60")
    entries = set()
    for spelling in ("english", "american"):
        for kind in kinds:
            for size in sizes:
                path = os.path.join(SCOWL_DIR, "%s-%s.%s" % (spelling, kind, size))
                if os.path.exists(path):
                    entries.update(w for w in read_lines(path) if not w.endswith(b"'s"))
    return entries


LISTS = {
    139: english,
}


def main(argv):
    ids = [int(a) for a in argv] if argv else sorted(LISTS)
    os.environ["LC_ALL"] = "C"
    try:
        for list_id in ids:
            if list_id not in LISTS:
                print("unknown list id %d" % list_id, file=sys.stderr)
                return 2
            write_list(list_id, LISTS[list_id]())
    except MissingPackage as missing:
        print(missing, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
