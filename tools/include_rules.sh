#!/usr/bin/env bash
# Fails when a source file includes what its folder may not: Qt in the core, aspell.h
# outside the Aspell engine, a folder above it in the layering, or, from the window,
# anything of the layers below but their public headers.
set -u
set -f
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
status=0

# The folders a file may include from. platform/qt is Qt-backed, so it is a layer of its
# own that only the application (and what drives it whole) picks.
allowed_for() {
  case "$1" in
    platform/qt/*) allowed="platform/qt platform" ;;
    platform/*) allowed="platform" ;;
    watch/*) allowed="watch platform" ;;
    engines/*) allowed="engines platform" ;;
    parsers/*) allowed="parsers engines platform" ;;
    project/*) allowed="project parsers engines watch platform" ;;
    ui/*) allowed="ui project parsers engines platform" ;;
    app/*) allowed="app ui project parsers engines watch platform platform/qt" ;;
    installer/*) allowed="installer" ;;
    tools/bench/*) allowed="project parsers engines watch platform" ;;
    tools/screenshots/*) allowed="app ui project parsers engines watch platform platform/qt" ;;
    tests/support/*) allowed="tests project parsers engines watch platform" ;;
    tests/installer/*) allowed="tests" ;;
    tests/app/*) allowed="tests app ui project parsers engines watch platform platform/qt" ;;
    tests/ui*) allowed="tests ui project parsers engines watch platform" ;;
    tests/*) folder=${1#tests/}; folder=${folder%%/*}
      case "$folder" in
        platform) allowed="tests platform" ;;
        watch) allowed="tests watch platform" ;;
        engines) allowed="tests engines platform" ;;
        parsers) allowed="tests parsers engines platform" ;;
        *) allowed="tests project parsers engines watch platform" ;;
      esac ;;
    *) allowed="" ;;
  esac
}

# What the window may see of the layers below it: the document, its notifications and
# records, the results filter and text, the application context, and the parsers' and
# engines' registries for the dialogs. Never the check run, its thread or an engine.
ui_may_see=" project/MirtDoc.h project/MirtDocView.h project/MirtAppContext.h
  project/RefCounter.h project/SpellError.h project/SpellFile.h project/SpellFolder.h
  project/FileOrder.h project/ResultFilter.h project/ResultText.h project/RunMessage.h
  project/FolderScan.h project/CheckOptions.h parsers/MirtParser.h parsers/MirtParsers.h engines/MirtSpellEngines.h "
ui_may_see=${ui_may_see//$'\n'/ }

report() { echo "$1"; status=1; }

# Sets REPLY to the path with its "." and ".." steps taken; fails when it leaves the tree.
normalise() {
  local step steps out=()
  IFS=/ read -ra steps <<<"$1"
  for step in "${steps[@]}"; do
    case "$step" in
      '' | .) ;;
      ..) ((${#out[@]})) || return 1; unset 'out[-1]' ;;
      *) out+=("$step") ;;
    esac
  done
  local IFS=/
  REPLY="${out[*]}"
}

# Qt's headers are its classes (QString), its modules' folders (QtCore/qstring.h) and
# its lower-case files (qstring.h), written in any case; GCC's quadmath only looks alike.
is_qt_header() {
  local name=${1,,}
  case "$name" in
    quadmath.h | quadmath_weak.h) return 1 ;;
    qt*/*) return 0 ;;
    */*) return 1 ;;
    q*) return 0 ;;
  esac
  return 1
}

list_sources() {
  git ls-files -co --exclude-standard -- '*.h' '*.cpp' 2>/dev/null ||
    find . \( -name .git -o -name 'build*' \) -prune -o \( -name '*.h' -o -name '*.cpp' \) -print |
    sed 's|^\./||'
}

# Each include comes as two lines, the file's path and then its text; read from a string,
# as bash reads a pipe one byte at a time.
includes=$(list_sources | tr '\n' '\0' |
  xargs -0 -r grep -sHZE '^[[:space:]]*#[[:space:]]*include' -- | tr '\0' '\n')
include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"]'
current=
while IFS= read -r file && IFS= read -r line; do
  if [[ "$file" != "$current" ]]; then
    current=$file
    allowed_for "$file"
    dir=${file%/*}
    [[ "$dir" == "$file" ]] && dir=.
  fi
  [[ "$line" =~ $include_re ]] || continue
  inc=${BASH_REMATCH[2]}

  # A quoted include is looked up beside the file first, as the compiler does.
  path=$inc
  if [[ "${BASH_REMATCH[1]}" == '"' && ( "$inc" == ./* || "$inc" == ../* || -f "$dir/$inc" ) ]]; then
    path=$dir/$inc
  fi
  if [[ "/$path/" == */./* || "/$path/" == */../* || "$path" == *//* ]]; then
    normalise "$path" || continue
    path=$REPLY
  fi
  shown="\"$inc\""
  [[ "$path" != "$inc" ]] && shown+=" ($path)"

  if is_qt_header "$path"; then
    case "$file" in
      platform/qt/*) ;;
      parsers/* | engines/* | project/* | watch/* | platform/*)
        report "$file: Qt header <$inc> in the Qt-free core" ;;
      installer/*) report "$file: Qt header <$inc> in the installer, which uses std and POSIX only" ;;
    esac
  fi
  if [[ "$path" == aspell.h && "$file" != engines/MirtSpellEngineASpell.cpp ]]; then
    report "$file: aspell.h outside the Aspell engine's source"
  fi
  case "$path" in
    platform/qt/*) layer=platform/qt ;;
    */*) layer=${path%%/*} ;;
    *) continue ;;
  esac
  case "$layer" in
    app | ui | project | parsers | engines | watch | platform | platform/qt | installer | tests) ;;
    *) continue ;;
  esac
  if [[ " $allowed " != *" $layer "* ]]; then
    report "$file: may not include $shown"
  elif [[ "$file" == ui/* && "$layer" =~ ^(project|parsers|engines)$ && "$ui_may_see" != *" $path "* ]]; then
    report "$file: the window may not reach $shown"
  fi
done <<<"$includes"

[[ $status -eq 0 ]] && echo "include rules hold"
exit $status
