#!/usr/bin/env bash
# Fails when a source file includes what its folder may not: Qt in the core, aspell.h
# outside the Aspell engine, or a folder above it in the layering.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
status=0

allowed_for() {
  case "$1" in
    platform/qt/*) echo "platform" ;;
    platform/*) echo "platform" ;;
    watch/*) echo "watch platform" ;;
    engines/*) echo "engines platform" ;;
    parsers/*) echo "parsers engines platform" ;;
    project/*) echo "project parsers engines watch platform" ;;
    ui/*) echo "ui project parsers engines platform" ;;
    app/*) echo "app ui project parsers engines watch platform" ;;
    installer/*) echo "installer" ;;
    tools/bench/*) echo "project parsers engines watch platform" ;;
    tools/screenshots/*) echo "app ui project parsers engines watch platform" ;;
    tests/support/*) echo "tests project parsers engines watch platform" ;;
    tests/installer/*) echo "tests" ;;
    tests/app/*) echo "tests app ui project parsers engines watch platform" ;;
    tests/ui*) echo "tests ui project parsers engines watch platform" ;;
    tests/*) folder=${1#tests/}; folder=${folder%%/*}
      case "$folder" in
        platform) echo "tests platform" ;;
        watch) echo "tests watch platform" ;;
        engines) echo "tests engines platform" ;;
        parsers) echo "tests parsers engines platform" ;;
        *) echo "tests project parsers engines watch platform" ;;
      esac ;;
    *) echo "" ;;
  esac
}

report() { echo "$1"; status=1; }

while IFS= read -r file; do
  allowed=$(allowed_for "$file")
  while IFS= read -r line; do
    inc=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$line")
    case "$file" in
      parsers/*|engines/*|project/*|watch/*|platform/*)
        if [[ "$file" != platform/qt/* && "$inc" == Q* ]]; then
          report "$file: Qt header <$inc> in the Qt-free core"
        fi ;;
    esac
    if [[ "$inc" == aspell.h && "$file" != engines/MirtSpellEngineASpell.cpp ]]; then
      report "$file: aspell.h outside the Aspell engine's source"
    fi
    top=${inc%%/*}
    [[ "$top" == "$inc" ]] && continue
    case "$top" in
      app|ui|project|parsers|engines|watch|platform|installer|tests) ;;
      *) continue ;;
    esac
    if [[ " $allowed " != *" $top "* ]]; then
      report "$file: may not include \"$inc\""
    fi
    if [[ "$file" == ui/* && ( "$inc" == project/ParsingThread.h || "$inc" == engines/MirtSpellEngine[A-Z]*.h ) ]]; then
      report "$file: the window may not reach \"$inc\""
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp' 2>/dev/null || find . -name '*.h' -o -name '*.cpp')

[[ $status -eq 0 ]] && echo "include rules hold"
exit $status
