#!/usr/bin/env python3
"""Benchmark of mirt's batch mode, run from the outside as a user would.

Each run makes a fresh project of a staged copy of a tree and checks it with
every category spelled and indecent words on (check options 0x77):

    mirt -console --check all --profanity all --format lines \
         --add-folder TREE -o report.html project.mrk

and, unless --no-peer, codespell reads the same files, in pairs that alternate
which tool goes first. Wall time, CPU time and peak RSS come from os.wait4; a
child's ru_maxrss starts at this script's own peak, printed as the RSS floor.
MIRT_RUN_STATS=1 is set, and its line on standard error is read where the build
prints it (words, engine calls, distinct engine words, cache hits, threads).

Build the release binary first (or pass --build), from the repository root:

    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRT_BUILD_TESTS=OFF
    cmake --build build-bench -j2

Then:

    tools/bench/bench.py --list                      # what each tree holds
    tools/bench/bench.py usr-include --pairs 3       # /usr/include/*.h
    tools/bench/bench.py libstdcxx copies:4:usr-include --threads 2
    tools/bench/bench.py --scaling usr-include --no-peer
    tools/bench/bench.py --long-line --pairs 3

Trees: libstdcxx (every regular file under /usr/include/c++/12), usr-include
(/usr/include/*.h, top level) and copies:N:TREE (N copies of TREE under
copy1/ .. copyN/). mirt matches a file to a syntax by its extension alone and
has no switch that adds a single file, so files without a known extension are
left out of both tools' input by default; --extensionless suffix stages them
as NAME.h instead. codespell needs apt-get install -y codespell.
"""

from __future__ import annotations

import argparse
import dataclasses
import os
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
LIBSTDCXX = Path("/usr/include/c++/12")
USR_INCLUDE = Path("/usr/include")
MB = 1e6

# The built-in syntaxes; the bundled ones are read from the *.ini beside the binary.
BUILTIN_EXTENSIONS = set(
    "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl rc rc2 "
    "vb frm ctl pag dsr bas cls res java html htm vbs js pl pm php".split()
)

STATS_RE = re.compile(
    r"mirt: run stats: words (\d+), engine calls (\d+), distinct engine words (\d+), "
    r"cache hits (\d+), threads (\d+)"
)
CHECKED_RE = re.compile(r"(\d+) files? checked")
STDERR_TAIL = 256 * 1024


@dataclasses.dataclass
class Sample:
    wall: float
    cpu: float
    rss_kib: int
    code: int
    stdout_lines: int
    stderr: bytes  # its last STDERR_TAIL bytes


@dataclasses.dataclass
class MirtRun:
    sample: Sample
    findings: int
    files_checked: int | None
    stats: dict[str, int] | None


@dataclasses.dataclass
class Tree:
    name: str
    files: list[tuple[str, Path]]  # (relative path, source)

    def total_bytes(self) -> int:
        return sum(src.stat().st_size for _, src in self.files)


# ---------------------------------------------------------------- trees


def tree_of(tree_name: str) -> Tree:
    if tree_name == "libstdcxx":
        files = []
        for root, dirs, names in os.walk(LIBSTDCXX):
            dirs.sort()
            for name in sorted(names):
                path = Path(root, name)
                if path.is_file() and not path.is_symlink():
                    files.append((str(path.relative_to(LIBSTDCXX)), path))
        return Tree(tree_name, files)
    if tree_name == "usr-include":
        files = [
            (p.name, p)
            for p in sorted(USR_INCLUDE.glob("*.h"))
            if p.is_file() and not p.is_symlink()
        ]
        return Tree(tree_name, files)
    if tree_name.startswith("copies:"):
        parts = tree_name.split(":", 2)
        if len(parts) == 3 and parts[1].isdigit() and int(parts[1]) > 0:
            inner = tree_of(parts[2])
            files = [
                (f"copy{i}/{rel}", src)
                for i in range(1, int(parts[1]) + 1)
                for rel, src in inner.files
            ]
            return Tree(tree_name, files)
    raise SystemExit(f"bench: unknown tree {tree_name!r}; use libstdcxx, usr-include or copies:N:TREE")


def known_extensions(mirt: Path) -> set[str]:
    exts = set(BUILTIN_EXTENSIONS)
    for ini in mirt.parent.glob("*.ini"):
        for line in ini.read_text(errors="replace").splitlines():
            key, _, value = line.partition("=")
            if key.strip() == "FileExtensions":
                exts.update(e.lower() for e in re.split(r"[\s,;]+", value) if e)
    return exts


def extension(rel: str) -> str:
    name = rel.rsplit("/", 1)[-1]
    return name.rsplit(".", 1)[1].lower() if "." in name else ""


@dataclasses.dataclass
class Staged:
    tree: Tree
    root: Path
    rels: list[str]
    nbytes: int
    skipped: int
    skipped_bytes: int
    renamed: int
    binary_like: int  # files codespell takes for binary (NUL in the first KiB)


def plan(tree: Tree, exts: set[str], policy: str) -> list[tuple[str, Path, str]]:
    """(staged path, source, what happened): kept, renamed or skipped."""
    taken = {rel for rel, _ in tree.files}
    out = []
    for rel, src in tree.files:
        ext = extension(rel)
        if ext in exts:
            out.append((rel, src, "kept"))
        elif ext == "" and policy == "suffix":
            # debug/map sits beside debug/map.h: take the first C++ name that is free.
            dst = next(f"{rel}.{e}" for e in ("h", "hpp", "hh", "hxx", "ipp", "inl")
                       if f"{rel}.{e}" not in taken)
            taken.add(dst)
            out.append((dst, src, "renamed"))
        else:
            out.append((rel, src, "skipped"))
    return out


def stage(tree: Tree, exts: set[str], policy: str, work: Path) -> Staged:
    # Copies rather than the tree itself: --add-folder takes subfolders too, and both
    # tools must read exactly the same files.
    root = Path(tempfile.mkdtemp(prefix="tree-", dir=work))
    rels, nbytes, skipped, skipped_bytes, renamed, binary_like = [], 0, 0, 0, 0, 0
    for dst, src, what in plan(tree, exts, policy):
        size = src.stat().st_size
        if what == "skipped":
            skipped += 1
            skipped_bytes += size
            continue
        renamed += what == "renamed"
        target = root / dst
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(src, target)
        with open(target, "rb") as f:
            binary_like += b"\0" in f.read(1024)
        rels.append(dst)
        nbytes += size
    return Staged(tree, root, rels, nbytes, skipped, skipped_bytes, renamed, binary_like)


# ---------------------------------------------------------------- running


def count_lines(f) -> int:
    f.seek(0)
    count, last = 0, b"\n"
    while chunk := f.read(1 << 20):
        count += chunk.count(b"\n")
        last = chunk[-1:]
    return count + (last != b"\n")


def measure(argv: list[str], cwd: Path, env: dict[str, str] | None = None) -> Sample:
    # Output goes to files and is read back in pieces: a child's ru_maxrss never reads
    # lower than this process's own peak, so this process must stay small.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        proc = subprocess.Popen(argv, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                stdout=out, stderr=err)
        _, status, usage = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
        proc.returncode = os.waitstatus_to_exitcode(status)
        lines = count_lines(out)
        size = err.seek(0, os.SEEK_END)
        err.seek(max(0, size - STDERR_TAIL))
        return Sample(wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss,
                      proc.returncode, lines, err.read())


def rss_floor() -> int:
    """KiB: the least ru_maxrss any child of this process can show."""
    return measure(["/bin/true"], Path("/")).rss_kib


class Runner:
    def __init__(self, args: argparse.Namespace, work: Path):
        self.mirt = args.mirt
        self.threads = args.threads
        self.work = work
        self.keep = args.keep
        self.warned_unknown = False

    def mirt_run(self, folder: Path) -> MirtRun:
        run_dir = Path(tempfile.mkdtemp(prefix="run-", dir=self.work))
        env = dict(os.environ)
        # A settings folder of its own: no user settings leak in, none are written.
        env["XDG_CONFIG_HOME"] = str(run_dir / "config")
        env["MIRT_RUN_STATS"] = "1"
        argv = [str(self.mirt), "-console", "--check", "all", "--profanity", "all",
                "--format", "lines"]
        if self.threads is not None:
            argv += ["--threads", str(self.threads)]
        # The project comes last, so that a value of a switch this build does not
        # know cannot take its place.
        argv += ["--add-folder", str(folder), "-o", "report.html", "project.mrk"]
        s = measure(argv, run_dir, env)
        err = s.stderr.decode(errors="replace")
        if s.code != 0:
            tail = "\n".join(err.splitlines()[-15:])
            raise SystemExit(f"bench: mirt exited with {s.code} in {run_dir}:\n{tail}")
        if "unknown switch" in err and not self.warned_unknown:
            self.warned_unknown = True
            for line in err.splitlines():
                if "unknown switch" in line:
                    print(f"  warning: {line.strip()}")
        matches = STATS_RE.findall(err)
        stats = None
        if matches:
            keys = ("words", "engine_calls", "distinct", "cache_hits", "threads")
            stats = dict(zip(keys, map(int, matches[-1])))
        checked = CHECKED_RE.findall(err)
        if not self.keep:
            shutil.rmtree(run_dir, ignore_errors=True)
        return MirtRun(s, s.stdout_lines, int(checked[-1]) if checked else None, stats)

    def peer_run(self, staged: Staged) -> tuple[Sample, int | None]:
        # -H: hidden files too. Relative paths keep the command line short; past
        # ARG_MAX's reach the staged folder holds exactly the same files.
        files = staged.rels if sum(len(r) + 1 for r in staged.rels) < 1_000_000 else ["."]
        s = measure(["codespell", "-H", "--count", "--", *files], staged.root)
        if s.code not in (0, 65):
            tail = s.stderr.decode(errors="replace")[-1500:]
            raise SystemExit(f"bench: codespell exited with {s.code}:\n{tail}")
        lines = s.stderr.decode(errors="replace").strip().splitlines()
        count = int(lines[-1]) if lines and lines[-1].strip().isdigit() else None
        return s, count


# ---------------------------------------------------------------- figures


def med(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def fmt(value, pattern: str = ".3f") -> str:
    if value is None:
        return "n/a"
    return format(value, pattern)


def mib(kib) -> float | None:
    return None if kib is None else kib / 1024


def same_or_range(values: list[int]) -> str:
    if not values:
        return "n/a"
    lo, hi = min(values), max(values)
    return str(lo) if lo == hi else f"{lo}..{hi}"


@dataclasses.dataclass
class TreeResult:
    staged: Staged
    mirt: list[MirtRun]
    peer: list[Sample]
    peer_counts: list[int | None]

    @property
    def wall(self):
        return med([r.sample.wall for r in self.mirt])

    @property
    def rss(self):
        return med([r.sample.rss_kib for r in self.mirt])

    @property
    def peer_wall(self):
        return med([s.wall for s in self.peer])

    @property
    def peer_rss(self):
        return med([s.rss_kib for s in self.peer])


def describe(staged: Staged) -> str:
    text = (f"{len(staged.rels)} files, {staged.nbytes / MB:.2f} MB")
    notes = []
    if staged.skipped:
        notes.append(f"{staged.skipped} files ({staged.skipped_bytes / MB:.2f} MB) without a "
                     "known extension left out")
    if staged.renamed:
        notes.append(f"{staged.renamed} extensionless files staged as NAME.h (or .hpp ...)")
    if staged.binary_like:
        notes.append(f"{staged.binary_like} files look binary to codespell and are skipped by it")
    return text + ("; " + "; ".join(notes) if notes else "")


def bench_tree(runner: Runner, staged: Staged, pairs: int, peer: bool, warmup: int) -> TreeResult:
    print(f"\n== {staged.tree.name}: {describe(staged)}")
    for _ in range(warmup):
        runner.mirt_run(staged.root)
        if peer:
            runner.peer_run(staged)
    result = TreeResult(staged, [], [], [])
    if peer:
        print(f"  {'pair':>4}  {'first':<9}  {'mirt s':>8}  {'codespell s':>11}  {'ratio':>6}")
    for i in range(pairs):
        mirt_first = i % 2 == 0
        if mirt_first or not peer:
            m = runner.mirt_run(staged.root)
        if peer:
            c, count = runner.peer_run(staged)
            if not mirt_first:
                m = runner.mirt_run(staged.root)
            result.peer.append(c)
            result.peer_counts.append(count)
            ratio = m.sample.wall / c.wall if c.wall > 0 else None
            print(f"  {i + 1:>4}  {'mirt' if mirt_first else 'codespell':<9}  "
                  f"{m.sample.wall:8.3f}  {c.wall:11.3f}  {fmt(ratio, '6.2f')}", flush=True)
        else:
            print(f"  run {i + 1}: {m.sample.wall:.3f} s", flush=True)
        result.mirt.append(m)
        if m.files_checked is not None and m.files_checked != len(staged.rels):
            print(f"  warning: mirt checked {m.files_checked} of {len(staged.rels)} files")
    print_tree_table(result, peer, runner.threads)
    return result


def print_tree_table(r: TreeResult, peer: bool, threads_asked) -> None:
    runs = r.mirt
    wall = r.wall
    cpu = med([x.sample.cpu for x in runs])
    stats = [x.stats for x in runs if x.stats]
    words = med([s["words"] for s in stats]) if stats else None
    rows: list[tuple[str, str, str]] = []
    rows.append(("runs", str(len(runs)), str(len(r.peer)) if peer else "-"))
    rows.append(("median wall s", fmt(wall), fmt(r.peer_wall) if peer else "-"))
    rows.append(("median CPU s (user+sys)", fmt(cpu),
                 fmt(med([s.cpu for s in r.peer])) if peer else "-"))
    mbs = r.staged.nbytes / MB / wall if wall else None
    peer_mbs = r.staged.nbytes / MB / r.peer_wall if peer and r.peer_wall else None
    rows.append(("MB/s", fmt(mbs, ".2f"), fmt(peer_mbs, ".2f") if peer else "-"))
    rows.append(("words/s", fmt(words / wall if words is not None and wall else None, ",.0f"),
                 "-"))
    rows.append(("words", fmt(words, ",.0f"), "-"))
    rows.append(("findings", same_or_range([x.findings for x in runs]),
                 same_or_range([c for c in r.peer_counts if c is not None]) if peer else "-"))
    if stats:
        engine = " / ".join(same_or_range([s[k] for s in stats])
                            for k in ("engine_calls", "distinct", "cache_hits"))
        threads = same_or_range([s["threads"] for s in stats])
    else:
        engine = "n/a"
        threads = "n/a" if threads_asked is None else f"n/a (asked {threads_asked})"
    rows.append(("engine calls / distinct words / cache hits", engine, "-"))
    rows.append(("threads", threads, "-"))
    rows.append(("peak RSS MiB median", fmt(mib(r.rss), ".1f"),
                 fmt(mib(r.peer_rss), ".1f") if peer else "-"))
    rows.append(("peak RSS MiB max", fmt(mib(max(x.sample.rss_kib for x in runs)), ".1f"),
                 fmt(mib(max(s.rss_kib for s in r.peer)), ".1f") if peer else "-"))
    if peer:
        ratios = [m.sample.wall / c.wall for m, c in zip(runs, r.peer) if c.wall > 0]
        rows.append(("median wall ratio mirt/codespell", fmt(med(ratios), ".2f"), ""))
    width = max(len(name) for name, _, _ in rows)
    wa = max(10, *(len(a) for _, a, _ in rows))
    print(f"  {'':<{width}}  {'mirt':>{wa}}  {'codespell':>10}")
    for name, a, b in rows:
        print(f"  {name:<{width}}  {a:>{wa}}  {b:>10}")


# ---------------------------------------------------------------- long lines

BASE_WORDS = """
about account address answer between beyond billion border bottom branch bridge
brother budget button camera cancel candle carpet castle center chance change
channel charge chicken choice circle client closer coffee column comment common
compile control corner county couple course credit damage danger debate decide
defend degree demand desert design detail device dinner direct doctor dollar
double dragon driver during easily effect effort either eleven engine enough
entire escape estate events except expect expert export fabric factor family
farmer father figure filter finger finish flower follow forest format friend
future garden gather gender global golden ground growth guitar handle happen
health height hidden holder honest horses impact import income indeed inside
island itself jacket junior kernel kitchen ladder launch lawyer leader league
letter lights listen little living locate lovely manner margin market master
matter medium member memory method middle minute mirror mobile modern moment
mother motion murder museum native nature nearby nobody normal notice number
object office online option orange output oxygen palace parent partly people
period permit person phrase planet player plenty pocket poetry police policy
pretty prince prison profit proper public purple random rather reader reason
record reduce reform region remove repair report rescue result return review
""".split()

CLASSIC = ("teh recieve adress wierd seperate occured definately untill accomodate "
           "neccessary begining beleive enviroment goverment independant noticable "
           "persistant reccomend relevent succesful tommorow truely writting acheive "
           "arguement basicly buisness carefull concious dissapoint embarass finaly "
           "freind happend immediatly intresting knowlege lenght occurence paralel "
           "posible prefered realy similiar suprise thier tounge transfered usefull").split()


def misspellings(count: int) -> list[str]:
    """Distinct one-edit misspellings of common words, in a fixed order."""
    seen, out = set(BASE_WORDS), []
    for word in BASE_WORDS:
        for i in range(len(word) - 1):
            variants = (
                word[:i] + word[i + 1] + word[i] + word[i + 2:],  # swapped
                word[:i] + word[i + 1:],                          # dropped
                word[:i] + word[i] + word[i:],                    # doubled
            )
            for v in variants:
                if v not in seen:
                    seen.add(v)
                    out.append(v)
    random.Random(7).shuffle(out)
    return out[:count]


def findings_chunks(size: int) -> tuple[list[str], int, int]:
    """Pieces of C++ of about size bytes in all, with two misspellings in each."""
    words = misspellings(3000)
    parts, nbytes, i, used = [], 0, 0, set()
    while nbytes < size:
        classic = CLASSIC[i % len(CLASSIC)]
        fresh = words[i % len(words)]
        used.update((classic, fresh))
        part = f'f("please {classic} the value"); /* {fresh} this note when done */ '
        parts.append(part)
        nbytes += len(part)
        i += 1
    return parts, 2 * i, len(used)


def write_clean_line(path: Path, size: int) -> None:
    # Written in pieces: holding 20 MB here would raise every later RSS figure.
    statement = b"int a = 1; "
    left = size // len(statement)
    with open(path, "wb") as f:
        while left:
            n = min(left, 10_000)
            f.write(statement * n)
            left -= n
        f.write(b"\n")


def bench_long_line(runner: Runner, work: Path, runs: int) -> None:
    chunks, misspelled, distinct = findings_chunks(180_000)
    cases = []
    for name, note in (
        ("tiny", "baseline, one finding"),
        ("long-findings", f"one line, {misspelled} misspelled words, {distinct} distinct"),
        ("long-clean", "one line, no findings expected"),
        ("wrapped", "the long-findings text, one piece a line"),
    ):
        folder = Path(tempfile.mkdtemp(prefix=f"{name}-", dir=work))
        path = folder / f"{name}.cpp"
        if name == "tiny":
            # One finding, so that the engine and its suggestions are loaded as in the rest.
            path.write_bytes(b"int main() { return 0; } /* teh */\n")
        elif name == "long-findings":
            path.write_text("".join(chunks) + "\n")
        elif name == "wrapped":
            path.write_text("\n".join(chunks) + "\n")
        else:
            write_clean_line(path, 20_000_000)
        cases.append((name, folder, path.stat().st_size, note))
    del chunks
    print("\n== long lines")
    results = {}
    for name, folder, size, note in cases:
        samples = [runner.mirt_run(folder) for _ in range(runs)]
        results[name] = samples
        print(f"  {name}: {size:,} bytes, {note}: "
              + ", ".join(f"{s.sample.wall:.3f} s" for s in samples), flush=True)
    base = med([s.sample.rss_kib for s in results["tiny"]])
    width = 14
    print(f"  {'case':<{width}} {'bytes':>12} {'wall s':>9} {'peak RSS MiB':>13} "
          f"{'RSS B/input B':>14} {'findings':>9}  {'words':>9}")
    for name, folder, size, note in cases:
        samples = results[name]
        rss = med([s.sample.rss_kib for s in samples])
        # A case that never loads the speller peaks below the baseline: it costs nothing more.
        per_byte = max(0.0, (rss - base) * 1024 / size) if name != "tiny" else None
        stats = [s.stats for s in samples if s.stats]
        words = fmt(med([s["words"] for s in stats]), ",.0f") if stats else "n/a"
        print(f"  {name:<{width}} {size:>12,} {fmt(med([s.sample.wall for s in samples])):>9} "
              f"{fmt(mib(rss), '.1f'):>13} {fmt(per_byte, '.2f'):>14} "
              f"{same_or_range([s.findings for s in samples]):>9}  {words:>9}")
    if all(s.findings == 0 for s in results["long-findings"]) and any(
            s.findings for s in results["wrapped"]):
        print("  note: the one-line source gave no findings where the same text on short lines "
              "does: this build does not check lines that long")


# ---------------------------------------------------------------- main


def build() -> None:
    for argv in (
        ["cmake", "-S", str(REPO), "-B", str(REPO / "build-bench"), "-G", "Ninja",
         "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DMIRT_BUILD_TESTS=OFF"],
        ["cmake", "--build", str(REPO / "build-bench"), "-j2"],
    ):
        print("+", " ".join(argv), flush=True)
        subprocess.run(argv, check=True)


def main() -> int:
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("trees", nargs="*", help="libstdcxx, usr-include or copies:N:TREE")
    p.add_argument("--tree", action="append", default=[], help="a tree, repeatable")
    p.add_argument("--mirt", type=Path, default=REPO / "build-bench" / "mirt",
                   help="the binary (default: build-bench/mirt in the repository)")
    p.add_argument("--build", action="store_true", help="configure and build build-bench first")
    p.add_argument("--pairs", type=int, default=5,
                   help="(mirt, codespell) pairs per tree; runs per case with --long-line")
    p.add_argument("--warmup", type=int, default=0, help="unmeasured runs before the pairs")
    p.add_argument("--threads", type=int, help="passed to mirt as --threads N")
    p.add_argument("--no-peer", action="store_true", help="do not run codespell")
    p.add_argument("--extensionless", choices=("skip", "suffix"), default="skip",
                   help="files without an extension: leave out (default) or stage as NAME.h")
    p.add_argument("--list", action="store_true", help="print what each tree holds and stop")
    p.add_argument("--scaling", metavar="TREE", help="run copies:1, 2 and 4 of TREE")
    p.add_argument("--long-line", action="store_true", help="one-line sources of 180 KB and 20 MB")
    p.add_argument("--keep", action="store_true", help="keep the temporary folders")
    args = p.parse_args()
    if args.pairs < 1:
        p.error("--pairs must be at least 1")
    args.mirt = args.mirt.absolute()
    tree_names = args.trees + args.tree

    if args.list:
        exts = known_extensions(args.mirt) if args.mirt.exists() else BUILTIN_EXTENSIONS
        print(f"{'tree':<28} {'files':>7} {'MB':>8}   with a known extension")
        for tree_name in tree_names or ["libstdcxx", "usr-include"]:
            tree = tree_of(tree_name)
            kept = [(d, s) for d, s, what in plan(tree, exts, "skip") if what == "kept"]
            kept_mb = sum(s.stat().st_size for _, s in kept) / MB
            print(f"{tree_name:<28} {len(tree.files):>7} {tree.total_bytes() / MB:>8.2f}   "
                  f"{len(kept)} files, {kept_mb:.2f} MB")
        return 0

    if args.build:
        build()
    if not args.mirt.exists():
        print(f"bench: {args.mirt} is missing; build it with --build, or:\n"
              "  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "
              "-DMIRT_BUILD_TESTS=OFF\n  cmake --build build-bench -j2", file=sys.stderr)
        return 2
    peer = not args.no_peer and bool(tree_names or args.scaling or not args.long_line)
    if peer and shutil.which("codespell") is None:
        print("bench: codespell not found (apt-get install -y codespell); running without it")
        peer = False

    print(f"mirt: {args.mirt}")
    if peer:
        version = subprocess.run(["codespell", "--version"], capture_output=True, text=True)
        print(f"codespell: {version.stdout.strip()}")
    print("load average at start: " + " ".join(f"{x:.2f}" for x in os.getloadavg()))
    exts = known_extensions(args.mirt)
    work = Path(tempfile.mkdtemp(prefix="mirt-bench-"))
    try:
        runner = Runner(args, work)
        if args.long_line:
            bench_long_line(runner, work, args.pairs)
        if args.scaling:
            results = []
            for n in (1, 2, 4):
                staged = stage(tree_of(f"copies:{n}:{args.scaling}"), exts, args.extensionless,
                               work)
                results.append((n, bench_tree(runner, staged, args.pairs, peer, args.warmup)))
                if not args.keep:
                    shutil.rmtree(staged.root, ignore_errors=True)
            print(f"\n== scaling of {args.scaling}")
            print(f"  {'copies':>6} {'MB':>8} {'wall s':>8} {'x 1x':>6} {'RSS MiB':>8} {'x 1x':>6}"
                  + (f" {'codespell s':>11} {'x 1x':>6}" if peer else ""))
            _, one = results[0]
            for n, r in results:
                line = (f"  {n:>6} {r.staged.nbytes / MB:>8.2f} {r.wall:>8.3f} "
                        f"{r.wall / one.wall:>6.2f} {mib(r.rss):>8.1f} {r.rss / one.rss:>6.2f}")
                if peer:
                    line += f" {r.peer_wall:>11.3f} {r.peer_wall / one.peer_wall:>6.2f}"
                print(line)
        if not tree_names and not args.scaling and not args.long_line:
            tree_names = ["usr-include"]
        for tree_name in tree_names:
            staged = stage(tree_of(tree_name), exts, args.extensionless, work)
            bench_tree(runner, staged, args.pairs, peer, args.warmup)
            if not args.keep:
                shutil.rmtree(staged.root, ignore_errors=True)
    finally:
        if args.keep:
            print(f"\nkept {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)
    print(f"\nRSS floor: {mib(rss_floor()):.1f} MiB (no child's peak reads lower)")
    print("load average at end: " + " ".join(f"{x:.2f}" for x in os.getloadavg()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
