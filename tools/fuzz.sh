#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default
# 30) on a copy of its seed corpus; a finding stops the script with the crashing input.
#   tools/fuzz.sh [seconds] [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${2:-$root/build-fuzz}
# Absolute, since the targets run from their work folder.
build=$(mkdir -p "$build" && cd "$build" && pwd)
# libFuzzer comes with the compiler runtime of clang's own version.
install() {
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  [ -n "${updated:-}" ] || $sudo apt-get update -qq
  updated=1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@"
}
command -v clang++ >/dev/null || install clang
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  major=$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
  install "libclang-rt-$major-dev"
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMIRT_FUZZ=ON -DMIRT_BUILD_TESTS=OFF >/dev/null
targets=(fuzzprojectfile fuzzparsers fuzzinifile fuzzkeywordlist)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  seeds="$root/tests/fuzz/corpus/${target#fuzz}"
  [ -d "$seeds" ] && cp -r "$seeds/." "$work/$target/"
  echo "== $target for ${seconds}s"
  status=0
  (cd "$work" && "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
     -print_final_stats=1 "$work/$target" >"$work/$target.log" 2>&1) || status=$?
  grep -E "stat::number_of_executed_units|ERROR|SUMMARY" "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    mkdir -p "$root/build-fuzz-findings"
    cp "$work/$target.log" "$root/build-fuzz-findings/"
    tail -n 30 "$work/$target.log"
  fi
  findings=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \))
  if [ -n "$findings" ] || [ "$status" -ne 0 ]; then
    mkdir -p "$root/build-fuzz-findings"
    [ -n "$findings" ] && cp $findings "$root/build-fuzz-findings/"
    echo "fuzz: $target found a fault; inputs in build-fuzz-findings/"
    exit 1
  fi
done
echo "fuzz: no findings"
