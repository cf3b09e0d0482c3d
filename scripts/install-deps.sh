#!/usr/bin/env bash
# Installs from Debian packages everything the build, the tests, the benchmarks and `make package` need.
# Idempotent: when every package is present it installs nothing and touches no package list.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  libhwy-dev
  libnlopt-dev
  ngspice
  fonts-dejavu-core fonts-liberation
  clang libclang-rt-dev
  dpkg-dev file
  desktop-file-utils appstream shared-mime-info man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
