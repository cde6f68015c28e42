#!/usr/bin/env bash
# Fails when a C++ source is not formatted with the repository's .clang-format.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
files=$(git ls-files -co --exclude-standard -- '*.h' '*.cpp' | grep -v '^build')
[[ -z "$files" ]] && exit 0
# shellcheck disable=SC2086 # the list is split on purpose
clang-format --dry-run -Werror $files
