#!/usr/bin/env bash
# Takes the README's pictures of the real window under a virtual X display: the bundled
# example is checked in console mode, then shown in the window.
#   tools/screenshots.sh [build folder] [picture folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=$(mkdir -p "${2:-$root/docs}" && cd "${2:-$root/docs}" && pwd)
if ! command -v xvfb-run >/dev/null; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq xvfb xauth >/dev/null
fi
cmake --build "$build" --target mirt mirt_screenshots
# A fixed place, so the pictures show short paths.
work=/tmp/mirt-demo
rm -rf "$work"
mkdir -p "$work/config"
cp -r "$root/examples" "$work/examples"
export XDG_CONFIG_HOME=$work/config
"$build/mirt" -console --add-folder "$work/examples" "$work/example.mrk" >/dev/null
xvfb-run -a -s "-screen 0 1000x600x24" "$build/mirt_screenshots" "$work/example.mrk" "$out"
rm -rf "$work"
echo "pictures in $out"
