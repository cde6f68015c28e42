#!/usr/bin/env bash
# Fails when a C++ source is not formatted with the repository's .clang-format.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
# Sample sources under tests/data and examples/ are input, kept exactly as written.
files=$(git ls-files -co --exclude-standard -- '*.h' '*.cpp' |
          grep -v -e '^build' -e '^tests/data/' -e '^examples/')
[[ -z "$files" ]] && exit 0
# shellcheck disable=SC2086 # the list is split on purpose
clang-format --dry-run -Werror $files
