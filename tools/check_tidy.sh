#!/usr/bin/env bash
# Runs clang-tidy's short list (.clang-tidy) over the program's sources, and the headers
# they include, with the compile commands of a build folder. Fails on any finding.
# With "all" it checks every source (CI); otherwise only the sources changed against
# HEAD and those that include a changed header, so a local run stays short.
set -u
root=${1:?source folder}
build=${2:?build folder with compile_commands.json}
mode=${3:-changed}
cd "$root" || exit 2
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed"; exit 1; }
folders=(app parsers project engines watch platform installer)
sources() { git ls-files -- "${folders[@]/%//*.cpp}"; }

# The files that include one of the headers named on standard input, by path or by name.
includers() {
  local patterns
  patterns=$(sed -E 's|^(.*/)?([^/]+)$|"\1\2"\n"\2"|')
  [ -n "$patterns" ] && git ls-files -- "${folders[@]/%//*.h}" "${folders[@]/%//*.cpp}" |
    xargs grep -lF -f <(echo "$patterns") 2>/dev/null
}

# The changed sources, and every source that includes a changed header, however deep.
changed_sources() {
  local changed headers more
  changed=$( { git diff --name-only HEAD -- "${folders[@]}"
               git ls-files --others --exclude-standard -- "${folders[@]}"; } | sort -u)
  headers=$(grep -E '\.h$' <<<"$changed")
  while [ -n "$headers" ]; do
    more=$(includers <<<"$headers" | sort -u | comm -23 - <(sort -u <<<"$changed"))
    changed=$(printf '%s\n%s\n' "$changed" "$more" | sed '/^$/d' | sort -u)
    headers=$(grep -E '\.h$' <<<"$more")
  done
  grep -E '\.cpp$' <<<"$changed"
}

if [ "$mode" = all ]; then
  files=$(sources)
else
  files=$(changed_sources | sort -u | while read -r f; do [ -f "$f" ] && echo "$f"; done)
  if [ -z "$files" ]; then
    echo "clang-tidy: no changed sources (run with \"all\" to check every one)"
    exit 0
  fi
fi
out=$(echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>&1)
findings=$(grep -E ':[0-9]+:[0-9]+: (warning|error):' <<<"$out" | sort -u)
if [ -n "$findings" ]; then
  echo "$findings"
  exit 1
fi
echo "clang-tidy: no findings in $(wc -l <<<"$files") sources"
