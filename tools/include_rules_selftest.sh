#!/usr/bin/env bash
# Plants one breach at a time in a copy of the sources and expects include_rules.sh to
# fail naming the file; the clean copy, and what the layering allows, must pass.
set -u
src=$(cd "${1:-$(dirname "$0")/..}" && pwd) || exit 2
rules=$src/tools/include_rules.sh
copy=$(mktemp -d) || exit 2
trap 'rm -rf "$copy"' EXIT
failures=0

# Without .git, the copy is read through the script's find fallback.
(cd "$src" && { git ls-files -co --exclude-standard -- '*.h' '*.cpp' 2>/dev/null ||
  find . \( -name .git -o -name 'build*' \) -prune -o \( -name '*.h' -o -name '*.cpp' \) -print; } |
  tr '\n' '\0' | xargs -0 cp --parents -t "$copy") || exit 2

fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# Appends the line to the file (a new file when it does not exist), runs the rules on
# the copy, then puts the file back as it was.
run_planted() {
  local file=$1 line=$2
  if [[ -f "$copy/$file" ]]; then cp "$copy/$file" "$copy/$file.orig"; fi
  echo "$line" >>"$copy/$file"
  output=$("$rules" "$copy" 2>&1)
  result=$?
  if [[ -f "$copy/$file.orig" ]]; then mv "$copy/$file.orig" "$copy/$file"; else rm "$copy/$file"; fi
}

expect_breach() {
  run_planted "$1" "$2"
  if [[ $result -eq 0 ]]; then
    fail "$1: '$2' passed"
  elif [[ "$output" != *"$1: "* ]]; then
    fail "$1: '$2' failed without naming the file: $output"
  fi
}

expect_pass() {
  run_planted "$1" "$2"
  [[ $result -eq 0 ]] || fail "$1: '$2' was refused: $output"
}

output=$("$rules" "$copy" 2>&1) || fail "the clean copy was refused: $output"

# Relative includes count as the path they reach.
expect_breach parsers/MirtParser.cpp '#include "../project/MirtDoc.h"'
expect_breach watch/WatchDirList.cpp '#include "./../project/MirtDoc.h"'
expect_pass parsers/MirtParser.cpp '#include "MirtParsers.h"'
expect_pass parsers/MirtParser.cpp '#include "../engines/MirtSpellEngine.h"'

# The installer uses nothing of the program.
expect_breach installer/FileCopy.cpp '#include "../engines/MirtSpellEngine.h"'
expect_breach installer/FileCopy.cpp '#include "engines/MirtSpellEngines.h"'
expect_breach installer/Planted.h '#include "../platform/IniFile.h"'
expect_pass installer/FileCopy.cpp '#include "FileHandle.h"'

# The Qt-backed platform code belongs to the application alone.
for file in parsers/MirtParser.cpp engines/MirtSpellEngines.cpp project/MirtDoc.cpp \
  watch/WatchDirList.cpp platform/SettingsStore.cpp ui/MainFrame.cpp tests/platform/Planted.cpp; do
  expect_breach "$file" '#include "platform/qt/QtSettingsStore.h"'
done
expect_breach platform/SettingsStore.cpp '#include "qt/QtSettingsStore.h"'
expect_pass app/MirtApp.cpp '#include "platform/qt/QtSettingsStore.h"'
expect_pass tests/app/Planted.cpp '#include "platform/qt/QtSettingsStore.h"'
expect_pass platform/qt/Planted.cpp '#include "QtSettingsStore.h"'

# Qt headers in any spelling stay out of the core; system headers that start with q do not.
expect_breach project/MirtDoc.cpp '#include <qstring.h>'
expect_breach engines/MirtSpellEngines.cpp '#include <QtCore/qstring.h>'
expect_breach watch/WatchDirList.cpp '#include <qglobal.h>'
expect_breach parsers/MirtParser.h '#include <QtWidgets/QWidget>'
expect_breach platform/SettingsStore.h '#include <QSTRING.H>'
expect_breach installer/FileCopy.cpp '#include <QString>'
expect_pass project/MirtDoc.cpp '#include <sys/queue.h>'
expect_pass project/MirtDoc.cpp '#include <quadmath.h>'
expect_pass project/MirtDoc.cpp '#include <linux/quota.h>'

# The window sees the document and the registries, never the run or an engine.
for inc in project/CheckRun.h project/ParsingThread.h project/WriteBack.h \
  project/SpellPrefetch.h engines/MirtSpellEngine.h engines/MirtSpellEngineASpell.h \
  parsers/MirtParserCpp.h ../project/CheckRun.h; do
  expect_breach ui/MirtView.cpp "#include \"$inc\""
done
expect_breach ui/MirtView.cpp '#include "watch/WatchDirList.h"'
expect_pass ui/MirtView.cpp '#include "engines/MirtSpellEngines.h"'
expect_pass ui/MirtView.cpp '#include "project/SpellFolder.h"'
expect_pass ui/MirtView.cpp '#include "ResultsModel.h"'
expect_pass tests/ui/Planted.cpp '#include "project/CheckRun.h"'

if ((failures)); then
  echo "$failures include rule case(s) failed"
  exit 1
fi
echo "include rules self-test passed"
