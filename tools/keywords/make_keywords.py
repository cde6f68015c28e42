#!/usr/bin/env python3
"""Regenerates the built-in keyword lists in resources/keywords/ from Debian and npm
packages and the hand-kept lists beside this script.

    tools/keywords/make_keywords.py [ID ...]     (all lists when no id is given)

Every list is written in the form the program searches in place: one entry per line,
CR LF after every entry, sorted by the entry's bytes with only A to Z folded to lower
case (a shorter entry before a longer one it begins), no duplicates, no empty entry.

What each list needs (NEEDS below): Debian packages scowl, doxygen-doc and codespell
and the npm packages @cspell/dict-software-terms, @cspell/dict-fullstack and
@cspell/dict-companies (139); codespell, the npm package @cspell/dict-cpp and the
headers of libc6-dev, linux-libc-dev, libstdc++-12-dev, qt6-base-dev and
mingw-w64-x86-64-dev (140, 141, 144); perl (146); php-cli (147); and the npm package
badwords-list (148). npm packages are installed globally at the versions in
NPM_PACKAGES. Lists 141 and 144 leave out what the committed list 139 already covers,
so 139 is written first. Nothing is installed here: every missing package is named
and the script stops before writing anything. The output depends only on the
packages' contents, so two runs give the same bytes.

Every entry taken from a package other than SCOWL, Perl, PHP and the hand-kept VB
list is dropped when codespell lists it as a misspelling. The build checks the
committed lists against codespell again (check_misspellings.py); the entries it lets
pass are written to misspellings-allowed.txt, and they all come from those sources.
"""

import functools
import gzip
import json
import os
import re
import shutil
import subprocess
import sys

from check_misspellings import misspellings

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT_DIR = os.path.join(ROOT, "resources", "keywords")
SCOWL_DIR = "/usr/share/dict/scowl"


def missing_debian(packages):
    missing = []
    for name in packages:
        result = subprocess.run(
            ["dpkg-query", "-W", "-f=${Status}", name],
            capture_output=True, text=True, check=False)
        if "install ok installed" not in result.stdout:
            missing.append(name)
    return missing


def read_lines(path):
    with open(path, "rb") as handle:
        return [line.rstrip(b"\r\n") for line in handle]


def sort_key(entry):
    # bytes.lower() folds A to Z only, as the search does.
    return (entry.lower(), entry)


def write_text(path, data):
    with open(path, "wb") as handle:
        handle.write(data)


def write_list(list_id, entries):
    entries = sorted(set(entries), key=sort_key)
    for entry in entries:
        if not entry or b"\r" in entry or b"\n" in entry:
            raise ValueError("bad entry %r in list %d" % (entry, list_id))
    path = os.path.join(OUT_DIR, "%d.txt" % list_id)
    data = b"".join(entry + b"\r\n" for entry in entries)
    write_text(path, data)
    print("%d: %d entries, %d bytes" % (list_id, len(entries), len(data)))


# 139: English words. SCOWL's American and common English words of sizes up to 60,
# with upper-case words, proper names and contractions, without possessive 's forms;
# and the technical English that comments and strings use: software and networking
# terms, company and product names, the command words of Doxygen and Javadoc and the
# parts of web and mail addresses.
SCOWL_SIZES = ("10", "20", "35", "40", "50", "55", "60")


@functools.cache
def scowl_english(sizes=SCOWL_SIZES):
    kinds = ("words", "proper-names", "upper", "contractions")
    entries = set()
    for spelling in ("english", "american"):
        for kind in kinds:
            for size in sizes:
                path = os.path.join(SCOWL_DIR, "%s-%s.%s" % (spelling, kind, size))
                if os.path.exists(path):
                    entries.update(w for w in read_lines(path) if not w.endswith(b"'s"))
    return frozenset(entries)


def english():
    base = scowl_english()
    gained = technical_english() | doc_commands() | hand_kept("url_parts.txt")
    gained = drop_misspellings(gained - base, 139)
    return base | gained


# npm packages, by name and version, and the files of each that the lists read.
NPM_PACKAGES = {
    "@cspell/dict-software-terms": "5.4.9",
    "@cspell/dict-fullstack": "3.2.9",
    "@cspell/dict-companies": "3.2.14",
    "@cspell/dict-cpp": "7.2.0",
    "badwords-list": "1.0.0",
}
TECHNICAL_ENGLISH = (
    ("@cspell/dict-software-terms", "dict/softwareTerms.txt.gz"),
    ("@cspell/dict-software-terms", "dict/software-tools.txt"),
    ("@cspell/dict-software-terms", "dict/networkingTerms.txt"),
    ("@cspell/dict-software-terms", "dict/webServices.txt"),
    ("@cspell/dict-software-terms", "dict/computing-acronyms.txt"),
    ("@cspell/dict-fullstack", "dict/fullstack.txt"),
    ("@cspell/dict-companies", "dict/companies.txt"),
)
# The C and C++ dictionaries that the package enables for C and C++ files, but for
# its compound fragments, which are no words of their own.
CPP_DICTIONARIES = (
    ("@cspell/dict-cpp", "dict/cpp.txt.gz"),
    ("@cspell/dict-cpp", "dict/cpp-refined.txt.gz"),
    ("@cspell/dict-cpp", "dict/cpp-legacy.txt.gz"),
)


@functools.cache
def npm_root():
    """Where global npm packages live, or None without npm."""
    if not shutil.which("npm"):
        return None
    return subprocess.run(["npm", "root", "-g"], capture_output=True, text=True,
                          check=False).stdout.strip()


def npm_folder(package):
    """The package's folder, or None without npm or that version of the package."""
    if npm_root() is None:
        return None
    folder = os.path.join(npm_root(), package)
    try:
        with open(os.path.join(folder, "package.json"), encoding="utf-8") as handle:
            version = json.load(handle).get("version")
    except OSError:
        return None
    return folder if version == NPM_PACKAGES[package] else None


def cspell_dictionary(package, name):
    """Entries of a word list in cspell's text form: '#' starts a comment, '!' marks a
    word the list forbids, '*', '+' and '~' mark compound and case rules."""
    path = os.path.join(npm_folder(package), name)
    opener = gzip.open if path.endswith(".gz") else open
    allowed, forbidden = set(), set()
    with opener(path, "rt", encoding="utf-8") as handle:
        for line in handle:
            line = line.strip()
            if line.startswith("#"):
                continue
            if line.startswith("!"):
                forbidden.add(line[1:].lower())
            elif line and not re.search(r"[*+~]", line):
                allowed.add(line)
    return allowed, forbidden


def cspell_words(sources, pattern, harvested=False):
    """Entries of the named dictionaries that match pattern; near misses of English
    words are dropped from lists harvested from code."""
    allowed, forbidden = set(), set()
    for package, name in sources:
        words, banned = cspell_dictionary(package, name)
        allowed |= words
        forbidden |= banned
    forbidden |= {w.decode("ascii") for w in hand_kept("not_words.txt")}
    kept = {w for w in allowed if re.fullmatch(pattern, w) and w.lower() not in forbidden
            and not any(p.lower() in forbidden for p in fragments(w))}
    near = set()
    if harvested:
        near = {w for w in kept if any(is_near_miss(p.lower()) for p in fragments(w))}
    if near:
        print("dropped %d near misses of English words: %s ..." %
              (len(near), " ".join(sorted(near)[:40])))
    return {w.encode("ascii") for w in kept - near}


# Word lists harvested from code carry typos that codespell does not know
# (documnents, probeing, lexigraphically). A word part of five letters or more that
# is no English word but one edit away from one (two deletions for long words) of
# SCOWL's larger lists is taken for such a typo. Letters added or changed at the end
# (tokenizer, mutexes, Bytef) or one letter put in front (ncurses, wchar, xmalloc) are
# how code names words, not typos.
NEAR_MISS_MIN = 5
TWO_DELETIONS_MIN = 10
LETTERS = "abcdefghijklmnopqrstuvwxyz"


@functools.cache
def english_index():
    """SCOWL's words up to size 80 in lower case, and the long ones less two letters."""
    words = scowl_english(SCOWL_SIZES + ("70", "80"))
    words = {w.decode("latin-1").lower() for w in words}
    words = {w for w in words if w.isascii() and w.isalpha()}
    missing_two = set()
    for word in words:
        if len(word) >= TWO_DELETIONS_MIN:
            for i in range(len(word)):
                for j in range(i + 1, len(word)):
                    missing_two.add(word[:i] + word[i + 1:j] + word[j + 1:])
    return words, missing_two


def one_edit_words(part):
    """Words one deletion, insertion, substitution or swap away, less the edits that
    only lengthen or change a word at its end or put a letter before it."""
    n = len(part)
    for i in range(n):
        if i != n - 1 and i != 0:
            yield part[:i] + part[i + 1:]  # the part holds a letter too many
        for c in LETTERS:
            if i != n - 1:
                yield part[:i] + c + part[i + 1:]
            yield part[:i] + c + part[i:]
        if i + 1 < n:
            yield part[:i] + part[i + 1] + part[i] + part[i + 2:]


def is_near_miss(part):
    words, missing_two = english_index()
    if len(part) < NEAR_MISS_MIN or part in words:
        return False
    if any(edit != part and edit in words for edit in one_edit_words(part)):
        return True
    return part in missing_two


# Words of letters, with at most one apostrophe inside: any other character makes a
# word pass unchecked anyway.
ENGLISH_WORD = r"[A-Za-z]+(?:'[A-Za-z]+)?"


def technical_english():
    return cspell_words(TECHNICAL_ENGLISH, ENGLISH_WORD)


# The command words of Doxygen, as its manual (Debian package doxygen-doc) heads
# them, and of Javadoc, hand-kept.
DOXYGEN_COMMANDS = "/usr/share/doc/doxygen/html/commands.html"
DOXYGEN_HEADING = re.compile(r'<a class="anchor" id="cmd[^"]*"></a>\s*\\([A-Za-z]+)')


def doc_commands():
    with open(DOXYGEN_COMMANDS, encoding="utf-8") as handle:
        names = set(DOXYGEN_HEADING.findall(handle.read()))
    return {n.encode("ascii") for n in names} | hand_kept("javadoc.txt")


# Header mining, shared by 140, 141 and 144. Only the headers of named packages are
# read (dpkg -L), so what else a machine has installed cannot change a list.
HEADER_PACKAGES = ("libc6-dev", "linux-libc-dev", "libstdc++-12-dev", "qt6-base-dev",
                   "mingw-w64-x86-64-dev")
CODESPELL_DATA = "/usr/lib/python3/dist-packages/codespell_lib/data"

# Comments, string and character literals, and preprocessor lines that carry prose
# or file names: none of them holds identifiers.
PROSE = re.compile(
    r'^[ \t]*#[ \t]*(?:include|error|warning|pragma|line|ident)\b[^\n]*'
    r'|//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'',
    re.S | re.M)
# An identifier not glued to a number ("0xdead" holds no identifier "xdead").
IDENTIFIER = re.compile(r'(?<![A-Za-z0-9_])[A-Za-z_][A-Za-z0-9_]*')

_header_text = {}


def package_headers(package, keep=lambda path: True):
    listing = subprocess.run(["dpkg", "-L", package], capture_output=True, text=True,
                             check=True).stdout.splitlines()
    paths = set()
    for path in listing:
        if "/include/" in path and os.path.isfile(path) and keep(path):
            paths.add(os.path.realpath(path))
    return sorted(paths)


def header_code(path):
    """The header's text without comments, literals and prose-bearing directives."""
    if path not in _header_text:
        with open(path, encoding="latin-1") as handle:
            _header_text[path] = PROSE.sub(" ", handle.read())
    return _header_text[path]


def public_identifiers(paths):
    # Names with a leading underscore are the implementation's own.
    names = set()
    for path in paths:
        names.update(n for n in IDENTIFIER.findall(header_code(path)) if n[0] != "_")
    return names


def fragments(identifier):
    """The parts the code scanner checks: runs of letters, a new part at each upper-case
    letter, parts shorter than four letters dropped."""
    return [p for p in re.findall(r"[A-Za-z][a-z]*", identifier) if len(p) >= 4]


@functools.cache
def codespell_misspellings():
    return frozenset(misspellings(CODESPELL_DATA))


def drop_misspellings(entries, list_id):
    """An entry in a built-in list silences that word for good, so a list mined from
    headers or code keeps no entry that codespell knows as a misspelling."""
    bad = codespell_misspellings()
    kept = set()
    dropped = []
    for entry in entries:
        text = entry.decode("latin-1")
        if text.lower() in bad:
            dropped.append(text)
        else:
            kept.add(entry)
    if dropped:
        print("%d: dropped %d misspellings: %s" %
              (list_id, len(dropped), " ".join(sorted(dropped)[:40]) +
               (" ..." if len(dropped) > 40 else "")))
    return kept


def english_prefixes():
    """Every beginning of an entry of the committed list 139, lower case: a code part
    that is one of them already passes the code check."""
    prefixes = set()
    for word in read_lines(os.path.join(OUT_DIR, "139.txt")):
        word = word.lower()
        for end in range(1, len(word) + 1):
            prefixes.add(word[:end])
    return prefixes


CONSONANTS = set(b"bcdfghjklmnpqrstvwxz")


def needs_listing(part, prefixes):
    """A lower-case code part that the code check would not accept without a list."""
    return not set(part) <= CONSONANTS and part not in prefixes


# 140: library identifiers as written. Functions and COM methods of the Windows API,
# public names of the C, POSIX and C++ library headers, and Qt's class names. Only
# names holding a lower-case letter: a comment word with an upper-case letter after its
# first passes anyway, so all-capital macros would only weigh the list down.
WINDOWS_DECLARATION = re.compile(
    r"\b(?:WINAPI|WINAPIV|APIENTRY|CALLBACK|NTAPI|STDMETHODCALLTYPE|STDAPICALLTYPE|STDAPI"
    r"|WSAAPI|WINGDIAPI|RPC_ENTRY|PASCAL|WINMMAPI|NET_API_FUNCTION|SEC_ENTRY|IMAGEAPI"
    r"|__stdcall|__cdecl)\s*\(?\s*\*?\s*([A-Za-z][A-Za-z0-9_]*)\s*\("
    r"|\bSTDMETHOD_?\(\s*(?:[A-Za-z_][A-Za-z0-9_]*\s*,\s*)?([A-Za-z][A-Za-z0-9_]*)\s*\)")
# The C bindings of COM interfaces (IStream_Read, IFoo_Bar_Proxy) repeat the methods.
COM_C_BINDING = re.compile(r"^I[A-Z][A-Za-z0-9]*_|_(?:Proxy|Stub)$")
STDCXX_DIR = re.compile(r"^/usr/include/c\+\+/\d+/(?:[^/]+|bits/[^/]+|experimental/[^/]+)$")
QT_CLASS_HEADER = re.compile(r"/qt6/Qt[A-Za-z]+/(Q[A-Z][A-Za-z0-9]*)$")


def windows_api_names():
    names = set()
    for path in package_headers("mingw-w64-x86-64-dev"):
        for match in WINDOWS_DECLARATION.finditer(header_code(path)):
            name = match.group(1) or match.group(2)
            if not COM_C_BINDING.search(name):
                names.add(name)
    return names


IDENTIFIER_WORD = r"[A-Za-z][A-Za-z0-9_]*"


@functools.cache
def cpp_identifiers():
    """The C and C++ vocabulary of @cspell/dict-cpp: library and system identifiers
    and the technical words of C and C++ code."""
    words = cspell_words(CPP_DICTIONARIES, IDENTIFIER_WORD, harvested=True)
    return frozenset(w.decode("ascii") for w in words)


def library_identifiers():
    names = windows_api_names()
    names |= public_identifiers(package_headers("libc6-dev"))
    names |= public_identifiers(package_headers("libstdc++-12-dev", STDCXX_DIR.match))
    names |= cpp_identifiers()
    entries = set()
    for name in names:
        if len(name) >= 4 and re.search("[a-z]", name):
            entries.add(name.encode("ascii"))
    for path in package_headers("qt6-base-dev"):
        match = QT_CLASS_HEADER.search(path)
        if match:
            entries.add(match.group(1).encode("ascii"))
    return drop_misspellings(entries, 140)


# 141: C runtime identifiers and their parts: the parts of glibc's public names and of
# @cspell/dict-cpp's identifiers that the code check would otherwise send to the
# spelling engine (memccpy, wgetenv, Bytef).
def cruntime_parts():
    prefixes = english_prefixes()
    parts = set()
    for name in public_identifiers(package_headers("libc6-dev")) | cpp_identifiers():
        for part in fragments(name):
            part = part.lower().encode("ascii")
            if needs_listing(part, prefixes):
                parts.add(part)
    return drop_misspellings(parts, 141)


# 144: programming abbreviations and identifier parts (bufhdr, dbname, penv): lower-case
# parts that occur in the code of many distinct system headers and that the code check
# would otherwise send to the spelling engine, plus a hand-kept supplement.
ABBREVIATION_MIN_FILES = 3


def abbreviations():
    prefixes = english_prefixes()
    files_holding = {}
    paths = set()
    for package in HEADER_PACKAGES:
        paths.update(package_headers(package))
    for path in sorted(paths):
        seen = set()
        for name in IDENTIFIER.findall(header_code(path)):
            for part in fragments(name):
                seen.add(part.lower())
        for part in seen:
            files_holding[part] = files_holding.get(part, 0) + 1
    parts = set()
    for part, count in files_holding.items():
        encoded = part.encode("ascii")
        if count >= ABBREVIATION_MIN_FILES and needs_listing(encoded, prefixes):
            parts.add(encoded)
    parts |= hand_kept("abbreviations.txt")
    return drop_misspellings(parts, 144)


def hand_kept(name):
    entries = set()
    for line in read_lines(os.path.join(HERE, name)):
        line = line.strip()
        if line and not line.startswith(b"#"):
            entries.add(line)
    return entries


# 142: Visual Basic and installer-script vocabulary, hand-kept. Not filtered: some
# true VB names (IIf, DefInt) look like misspellings to codespell.
def visual_basic():
    return hand_kept("vb.txt")


# 145: the Java vocabulary, exactly these entries.
def java():
    return {w.encode("ascii") for w in (
        "arraycopy", "boolean", "customizer", "deflater", "inet", "inflater", "initializer",
        "iterator", "javax", "multicaster", "println", "serializable", "servlet",
        "tokenizer", "unicast", "unmarshal", "unreferenced")}


# 146: Perl's built-in functions and keywords, as perl's own Pod::Functions lists them
# ("tr///" and "q/STRING/" stand for their names).
def perl():
    out = subprocess.run(
        ["perl", "-MPod::Functions", "-e", "print map { \"$_\\n\" } sort keys %Type"],
        capture_output=True, check=True).stdout
    names = set()
    for line in out.splitlines():
        name = line.split(b"/", 1)[0]
        if re.fullmatch(rb"[A-Za-z_][A-Za-z0-9_]*", name):
            names.add(name)
    return drop_misspellings(names, 146)


# 147: PHP's internal functions: the interpreter without any php.ini, with a fixed set
# of the extensions that php-cli brings, so other installed extensions change nothing.
PHP_EXTENSIONS = ("calendar", "ctype", "exif", "fileinfo", "ftp", "gettext", "iconv",
                  "posix", "shmop", "sockets", "sysvmsg", "sysvsem", "sysvshm", "tokenizer")


def php():
    command = ["php", "-n"]
    for extension in PHP_EXTENSIONS:
        command += ["-d", "extension=" + extension]
    command += ["-r", 'echo implode("\\n", get_defined_functions()["internal"]), "\\n";']
    out = subprocess.run(command, capture_output=True, check=True).stdout
    return drop_misspellings({n for n in out.splitlines() if n}, 147)


# 148: indecent English words from the npm package badwords-list, those made of
# letters and hyphens only, in lower case, less the words of not_indecent.txt: words
# with an ordinary sense (knob, pawn, flange), terms of anatomy, and names (Dick, Wang).
def profanity():
    path = os.path.join(npm_folder("badwords-list"), "lib", "array.js")
    with open(path, encoding="utf-8") as handle:
        text = handle.read()
    words = json.loads(text[text.index("["):text.rindex("]") + 1])
    return {w.lower().encode("ascii") for w in words
            if re.fullmatch(r"[A-Za-z-]+", w)} - hand_kept("not_indecent.txt")


LISTS = {
    139: english,
    140: library_identifiers,
    141: cruntime_parts,
    142: visual_basic,
    144: abbreviations,
    145: java,
    146: perl,
    147: php,
    148: profanity,
}


MINED = ("codespell",) + HEADER_PACKAGES
NEEDS = {
    139: ("scowl", "doxygen-doc", "codespell", "@cspell/dict-software-terms",
          "@cspell/dict-fullstack", "@cspell/dict-companies"),
    140: MINED + ("@cspell/dict-cpp",),
    141: MINED + ("@cspell/dict-cpp",),
    142: ("scowl", "codespell"),  # for the allowed misspellings
    144: MINED,
    145: (),
    146: ("perl", "codespell"),
    147: ("php-cli", "codespell"),
    148: ("badwords-list",),
}


def missing_for(ids):
    packages = sorted({p for list_id in ids for p in NEEDS[list_id]})
    debian = [p for p in packages if p not in NPM_PACKAGES]
    missing = ["Debian: " + p for p in missing_debian(debian)]
    for package in packages:
        if package in NPM_PACKAGES and npm_folder(package) is None:
            missing.append("npm: {0}@{1} (npm install -g {0}@{1})".format(
                package, NPM_PACKAGES[package]))
    return missing


# The entries that codespell takes for misspellings and that the lists keep all the
# same: SCOWL's English words (bellow, commend) and true VB names (IIf, DefInt). The
# build's check lets these pass and no other; list 148 flags words and is not checked.
ALLOWED_MISSPELLINGS = os.path.join(HERE, "misspellings-allowed.txt")


def allowed_misspellings():
    bad = codespell_misspellings()
    trusted = scowl_english() | visual_basic()
    entries = set()
    for list_id in (139, 142):
        for entry in read_lines(os.path.join(OUT_DIR, "%d.txt" % list_id)):
            if entry in trusted and entry.decode("latin-1").lower() in bad:
                entries.add(entry)
    entries = sorted(entries, key=sort_key)
    header = b"# Written by make_keywords.py: list entries that codespell calls misspellings.\n"
    write_text(ALLOWED_MISSPELLINGS, header + b"".join(e + b"\n" for e in entries))
    print("allowed misspellings: %d" % len(entries))


def main(argv):
    os.environ["LC_ALL"] = "C"
    unknown = [a for a in argv if not a.isdigit() or int(a) not in LISTS]
    if unknown:
        print("unknown list ids: %s" % " ".join(unknown), file=sys.stderr)
        return 2
    ids = sorted(int(a) for a in argv) if argv else sorted(LISTS)
    missing = missing_for(ids)
    if missing:
        print("missing packages (install them, then run again):", file=sys.stderr)
        for line in missing:
            print("  " + line, file=sys.stderr)
        return 1
    for list_id in ids:
        write_list(list_id, LISTS[list_id]())
    if 139 in ids or 142 in ids:
        allowed_misspellings()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
