#!/usr/bin/env bash
# Installs the Debian packages that building and testing mirt need, when missing.
set -eu
packages=(g++ cmake ninja-build pkg-config git qt6-base-dev libaspell-dev aspell-en
          libgtest-dev libgmock-dev clang-format clang-tidy python3-jsonschema codespell)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
