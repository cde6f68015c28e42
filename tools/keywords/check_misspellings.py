#!/usr/bin/env python3
"""Fails when a built-in word list holds a word that codespell knows as a misspelling.

    tools/keywords/check_misspellings.py CODESPELL_DATA_DIR [--lists DIR] [--stamp FILE]
    tools/keywords/check_misspellings.py CODESPELL_DATA_DIR --self-test

An entry of a list silences its word for good, so no list may carry a known
misspelling, except those of misspellings-allowed.txt (English words of SCOWL and true
VB names that codespell also lists, written by make_keywords.py). List 148 names words
to flag and is not checked. The build runs this over the committed lists (or the
lists in DIR) and writes FILE when they pass.
"""

import argparse
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
LISTS = os.path.join(os.path.dirname(os.path.dirname(HERE)), "resources", "keywords")
FLAGGING_LISTS = {"148.txt"}


def misspellings(data_dir):
    words = {}
    for name in sorted(os.listdir(data_dir)):
        if name.startswith("dictionary") and name.endswith(".txt"):
            with open(os.path.join(data_dir, name), encoding="utf-8") as handle:
                for line in handle:
                    if "->" in line:
                        word, fixes = line.split("->", 1)
                        words.setdefault(word.strip().lower(), fixes.strip())
    return words


def allowed():
    with open(os.path.join(HERE, "misspellings-allowed.txt"), "rb") as handle:
        return {line.rstrip(b"\r\n") for line in handle if not line.startswith(b"#")}


def slipped(data_dir, lists):
    bad = misspellings(data_dir)
    if not bad:
        sys.exit("check_misspellings: no codespell dictionary in %s" % data_dir)
    keep = allowed()
    found = []
    for name in sorted(os.listdir(lists)):
        if not name.endswith(".txt") or name in FLAGGING_LISTS:
            continue
        with open(os.path.join(lists, name), "rb") as handle:
            for entry in handle.read().split(b"\r\n"):
                word = entry.decode("latin-1").lower()
                if entry and word in bad and entry not in keep:
                    found.append("%s: %s (codespell: %s)" % (name, entry.decode("latin-1"),
                                                            bad[word]))
    return found


def self_test(data_dir):
    """The committed lists pass; a copy with a misspelling planted in a list that
    accepts words fails and names it; the same word in the flagging list passes."""
    failures = []
    if slipped(data_dir, LISTS):
        failures.append("the committed lists do not pass")
    with tempfile.TemporaryDirectory() as work:
        for name, expect_caught in (("144.txt", True), ("148.txt", False)):
            copy = os.path.join(work, name[:3])
            shutil.copytree(LISTS, copy)
            with open(os.path.join(copy, name), "ab") as handle:
                handle.write(b"Transfered\r\n")
            caught = any("Transfered" in line for line in slipped(data_dir, copy))
            if caught != expect_caught:
                failures.append("planted in %s: caught %s" % (name, caught))
    for failure in failures:
        print("self-test: " + failure, file=sys.stderr)
    return 1 if failures else 0


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("data_dir", help="codespell_lib/data")
    parser.add_argument("--lists", default=LISTS)
    parser.add_argument("--stamp")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args(argv)
    if args.self_test:
        return self_test(args.data_dir)
    found = slipped(args.data_dir, args.lists)
    if found:
        print("check_misspellings: %d list entries are known misspellings:" % len(found),
              file=sys.stderr)
        for line in found:
            print("  " + line, file=sys.stderr)
        print("Drop them from the list's source (tools/keywords) and run make_keywords.py.",
              file=sys.stderr)
        return 1
    if args.stamp:
        with open(args.stamp, "w", encoding="ascii") as handle:
            handle.write("ok\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
