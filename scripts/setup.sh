#!/usr/bin/env bash
# Installs what building, running and testing Velomar needs on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev libqt6opengl6-dev
  libqt6webenginecore6-bin
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
  7zip xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
