#!/usr/bin/env python3
"""Precision benchmark: what mirt flags on a tree of clean, released code.

It stages a tree as bench.py does, checks it once with every category spelled and
indecent words on (check options 0x77) and --format json, and prints

  - files, lines, findings, by category and kind;
  - distinct case-folded words flagged per 1,000 lines, in all and by category;
  - the 30 most frequent words;
  - suggestion lists that hold the same text twice;
  - a sample of 20 findings drawn with a fixed seed, each with its line, for a
    person to classify.

    tools/bench/precision.py libstdcxx --extensionless suffix
    tools/bench/precision.py usr-include --save /tmp/after.json --compare /tmp/before.json

--save writes the findings as JSON; --compare reads such a file of an earlier run
on the same tree and prints the words lost and gained and every word flagged in
both runs whose suggestions differ (duplicates in the earlier list dropped first).
Build the binary first (build-bench, as bench.py's help says) or pass --mirt.
"""

from __future__ import annotations

import argparse
import collections
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import bench  # noqa: E402  (the trees and their staging)

SAMPLE_SEED = 20261209
SAMPLE_SIZE = 20
TOP_WORDS = 30


def run_json(mirt: Path, folder: Path, work: Path) -> dict:
    run_dir = Path(tempfile.mkdtemp(prefix="run-", dir=work))
    env = dict(os.environ, XDG_CONFIG_HOME=str(run_dir / "config"))
    argv = [str(mirt), "-console", "--check", "all", "--profanity", "all",
            "--format", "json", "--add-folder", str(folder), "project.mrk"]
    proc = subprocess.run(argv, cwd=run_dir, env=env, capture_output=True,
                          stdin=subprocess.DEVNULL, check=False)
    if proc.returncode != 0:
        tail = proc.stderr.decode(errors="replace")[-1500:]
        raise SystemExit(f"precision: mirt exited with {proc.returncode}:\n{tail}")
    return json.loads(proc.stdout)


def findings_of(report: dict, root: Path) -> list[dict]:
    out = []
    for f in report["files"]:
        rel = os.path.relpath(f["path"], root)
        for x in f.get("findings", []):
            out.append({"file": rel, "line": x["line"], "position": x["position"],
                        "word": x["word"], "category": x["category"], "kind": x["kind"],
                        "suggestions": x["suggestions"]})
    return out


def line_count(root: Path, rels: list[str]) -> int:
    total = 0
    for rel in rels:
        with open(root / rel, "rb") as f:
            total += bench.count_lines(f)
    return total


def line_text(root: Path, rel: str, number: int, cache: dict) -> str:
    if rel not in cache:
        cache[rel] = (root / rel).read_bytes().split(b"\n")
    lines = cache[rel]
    text = lines[number - 1] if 0 < number <= len(lines) else b""
    return text.decode("latin-1").rstrip("\r").strip()[:160]


def print_counts(findings: list[dict], kloc: float) -> None:
    by = collections.Counter((x["category"], x["kind"]) for x in findings)
    print(f"findings: {len(findings)}")
    for (category, kind), n in sorted(by.items()):
        print(f"  {category:8} {kind:9} {n}")
    distinct = {x["word"].lower() for x in findings}
    print(f"distinct words: {len(distinct)}, per KLOC: {len(distinct) / kloc:.2f}")
    for category in sorted({x["category"] for x in findings}):
        words = {x["word"].lower() for x in findings if x["category"] == category}
        print(f"  {category:8} {len(words):6} distinct, {len(words) / kloc:.2f} per KLOC")
    dup = sum(len(set(x["suggestions"])) != len(x["suggestions"]) for x in findings)
    print(f"suggestion lists holding a text twice: {dup}")


def print_top(findings: list[dict]) -> None:
    counts = collections.Counter(x["word"].lower() for x in findings)
    print(f"\n{TOP_WORDS} most frequent words:")
    for word, n in counts.most_common(TOP_WORDS):
        print(f"  {n:6}  {word}")


def print_sample(findings: list[dict], root: Path) -> None:
    rng = random.Random(SAMPLE_SEED)
    picked = sorted(rng.sample(range(len(findings)), min(SAMPLE_SIZE, len(findings))))
    cache: dict = {}
    print(f"\nsample of {len(picked)} findings (seed {SAMPLE_SEED}):")
    for i, index in enumerate(picked, 1):
        x = findings[index]
        print(f"{i:3}. {x['word']!r} [{x['category']}, {x['kind']}] "
              f"{x['file']}:{x['line']}  -> {', '.join(x['suggestions'][:3])}")
        print(f"       {line_text(root, x['file'], x['line'], cache)}")


def unique(items: list[str]) -> list[str]:
    return list(dict.fromkeys(items))


def compare(findings: list[dict], earlier_path: Path) -> None:
    earlier = json.loads(earlier_path.read_text())
    now = {x["word"].lower() for x in findings}
    before = {x["word"].lower() for x in earlier}
    print(f"\ncompared with {earlier_path}: findings {len(earlier)} -> {len(findings)} "
          f"({(len(findings) - len(earlier)) / max(1, len(earlier)):+.1%}), "
          f"distinct {len(before)} -> {len(now)}")
    gained = sorted(now - before)
    print(f"  words flagged now, not before ({len(gained)}): {' '.join(gained[:60])}")
    lost = collections.Counter(x["word"].lower() for x in earlier if x["word"].lower() not in now)
    print(f"  words no longer flagged: {len(lost)}; most frequent:")
    for word, n in lost.most_common(60):
        print(f"    {n:6}  {word}")
    old = {(x["file"], x["line"], x["position"], x["word"]): x["suggestions"] for x in earlier}
    changed = [x for x in findings
               if (k := (x["file"], x["line"], x["position"], x["word"])) in old
               and unique(old[k]) != x["suggestions"]]
    print(f"  findings in both runs whose suggestions differ: {len(changed)}")
    for x in changed[:10]:
        print(f"    {x['file']}:{x['line']} {x['word']}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("tree", help="libstdcxx, usr-include or copies:N:TREE")
    parser.add_argument("--mirt", type=Path, default=bench.REPO / "build-bench" / "mirt")
    parser.add_argument("--extensionless", choices=("skip", "suffix"), default="skip")
    parser.add_argument("--save", type=Path, help="write the findings here as JSON")
    parser.add_argument("--compare", type=Path, help="findings of an earlier --save")
    args = parser.parse_args()
    if not args.mirt.exists():
        raise SystemExit(f"precision: no binary at {args.mirt}")
    work = Path(tempfile.mkdtemp(prefix="mirt-precision-"))
    try:
        tree = bench.tree_of(args.tree)
        staged = bench.stage(tree, bench.known_extensions(args.mirt), args.extensionless, work)
        lines = line_count(staged.root, staged.rels)
        print(f"tree {args.tree}: {len(staged.rels)} files, {lines} lines "
              f"({staged.skipped} files without a known extension left out)")
        findings = findings_of(run_json(args.mirt, staged.root, work), staged.root)
        print_counts(findings, lines / 1000)
        print_top(findings)
        print_sample(findings, staged.root)
        if args.compare:
            compare(findings, args.compare)
        if args.save:
            args.save.write_text(json.dumps(findings))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
