#!/usr/bin/env python3
# Counts the words of each file given on the command line.
import argparse
from collections import Counter


def count_words(path):
    """Returns a counter of the words in the file."""
    with open(path, encoding="utf-8") as stream:
        return Counter(stream.read().split())


def main():
    parser = argparse.ArgumentParser(description='Count words per file')
    parser.add_argument("paths", nargs="+")
    args = parser.parse_args()
    for path in args.paths:
        print(f"{path}: {sum(count_words(path).values())} words")


if __name__ == "__main__":
    main()
