#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing), then configures and builds
# the project in release mode under build/. Sourced by scripts/run and scripts/test.
# KALMIRA_WERROR=ON in the environment treats compiler warnings as errors (CI sets it).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(g++ make cmake libgtest-dev qt6-base-dev qt6-svg-dev fonts-dejavu-core fonts-liberation2 xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Εγκατάσταση πακέτων: ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKALMIRA_WERROR="${KALMIRA_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j "$(nproc)"
