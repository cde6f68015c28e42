#!/usr/bin/env bash
# Runs clang-tidy's short list (.clang-tidy) over the program's sources with the
# compile commands of a build folder. Fails on any finding.
set -u
root=${1:?source folder}
build=${2:?build folder with compile_commands.json}
cd "$root" || exit 2
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed"; exit 1; }
files=$(git ls-files -- 'app/*.cpp' 'parsers/*.cpp' 'project/*.cpp' 'engines/*.cpp' \
          'watch/*.cpp' 'platform/*.cpp' 'installer/*.cpp')
out=$(echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>&1)
findings=$(grep -E ':[0-9]+:[0-9]+: (warning|error):' <<<"$out" | sort -u)
if [ -n "$findings" ]; then
  echo "$findings"
  exit 1
fi
echo "clang-tidy: no findings"
